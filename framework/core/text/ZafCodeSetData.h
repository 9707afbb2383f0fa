#pragma once
// ZafCodeSetData: conversion between the framework's wide texts and the
// local 8-bit code set used at the operating-system boundary on platforms
// without wide calls. Without language data the code set is the Windows ANSI
// code page. One process-wide instance serves every conversion (Shared());
// it also gives the path separator.
//
// Results go into the caller's buffer, a new allocation (allocate true; the
// caller frees it with delete[]) or, when neither is given, a shared buffer
// of the instance that the next conversion overwrites. Conversions never
// write past a buffer: a text too long for it is cut at a character
// boundary. The shared buffers make the instance a GUI-thread object.

#include "framework/core/data/ZafData.h"

class ZafCodeSetData : public ZafData
{
public:
    static constexpr int LOCAL_BUFFER_SIZE = 256;    // bytes of the shared local buffer
    static constexpr int WIDE_BUFFER_SIZE = 512;     // characters of the shared wide buffer

    // codePage 0 is the Windows ANSI code page of the system.
    explicit ZafCodeSetData(unsigned codePage = 0);
    ~ZafCodeSetData() override;

    // The process-wide code set; made with the defaults on first use.
    static ZafCodeSetData *Shared();
    // Installs a code set as the shared one and takes ownership of it; the
    // one it replaces is deleted. Null returns to the defaults on next use.
    static void SetShared(ZafCodeSetData *codeSet);

    ZAF_CLASS_IDENTITY(ZafData, ZAF_ID_CODE_SET_DATA, L"ZafCodeSetData")

    // Wide text to the local code set. bufferSize is the size of the
    // caller's buffer in bytes; -1 means it holds 2 x length + 1 bytes.
    // Characters the code set lacks become its default character. Null
    // text answers null.
    char *WideToLocal(const ZafIChar *text, char *buffer = nullptr, bool allocate = false,
                      int bufferSize = -1);
    // Local text to wide characters. bufferSize is in characters; -1 means
    // the buffer holds length + 1 characters. Null text answers null.
    ZafIChar *LocalToWide(const char *text, ZafIChar *buffer = nullptr, bool allocate = false,
                          int bufferSize = -1);
    // One local character (a keyboard character) to wide; answers 1 when
    // converted, else 0 with wide set to 0.
    int LocalCharToWide(char local, ZafIChar &wide) const;
    // The text through the code set's outward (inward) wide mapping. This
    // code set has none, so the result is a copy (same buffer rules, sizes
    // in characters).
    ZafIChar *MapWideOut(const ZafIChar *text, ZafIChar *buffer = nullptr, bool allocate = false,
                         int bufferSize = -1);
    ZafIChar *MapWideIn(const ZafIChar *text, ZafIChar *buffer = nullptr, bool allocate = false,
                        int bufferSize = -1);

    ZafIChar PathSeparator() const { return L'\\'; }
    // The code page in use (never 0: the ANSI page is looked up).
    unsigned CodePage() const { return codePage; }

private:
    ZafIChar *CopyWide(const ZafIChar *text, ZafIChar *buffer, bool allocate, int bufferSize);

    // The Windows half (ZafCodeSetDataWin.cpp): the system's ANSI code page
    // and the raw conversions. Each writes at most outSize units, answers
    // the number written (no terminator) and never splits a character.
    static unsigned SystemCodePage();
    static int WideToLocalText(unsigned codePage, const ZafIChar *text, int length, char *out,
                               int outSize);
    static int LocalToWideText(unsigned codePage, const char *text, int length, ZafIChar *out,
                               int outSize);

    unsigned codePage;
    char localBuffer[LOCAL_BUFFER_SIZE];
    ZafIChar wideBuffer[WIDE_BUFFER_SIZE];
};
