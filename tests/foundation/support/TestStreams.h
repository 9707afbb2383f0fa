#pragma once
// Test helpers for the stream tests: a stream over bytes in memory that can
// be told to fail after a number of written bytes, a scratch folder that
// is removed with everything in it at the end of the test, the error code an
// action throws, and a registry node as the text it writes.

#include "foundation/errors/KX.h"
#include "foundation/streams/KStream.h"
#include "foundation/strings/KString.h"

#include <functional>
#include <set>
#include <string>
#include <vector>

class KRNode;

class MemoryStream : public KStream
{
public:
    MemoryStream() = default;
    explicit MemoryStream(std::vector<uint8_t> bytes) : itsBytes(std::move(bytes)) {}
    explicit MemoryStream(const std::string &bytes) : itsBytes(bytes.begin(), bytes.end()) {}

    std::vector<uint8_t> &Bytes() { return itsBytes; }
    std::string Text() const { return std::string(itsBytes.begin(), itsBytes.end()); }
    // Writes beyond this many bytes in total throw KXStream 3005 (-1: never).
    void FailAfter(int64_t bytes) { itsFailAfter = bytes; }
    // Hands out at most this many bytes per transport read (tests short reads).
    void LimitReads(int32_t bytes) { itsReadLimit = bytes; }
    void Rewind() { Seek(0); }

protected:
    int32_t DoRead(void *buffer, int32_t count) override;
    void DoWrite(const void *buffer, int32_t count) override;
    int64_t DoGetSize() override { return int64_t(itsBytes.size()); }
    void DoSetSize(int64_t size) override { itsBytes.resize(size_t(size)); }
    int64_t DoGetPosition() override { return itsPosition; }
    void DoSeek(int64_t offset, int origin) override;

private:
    std::vector<uint8_t> itsBytes;
    int64_t itsPosition = 0;
    int64_t itsFailAfter = -1;
    int64_t itsWritten = 0;
    int32_t itsReadLimit = 0;
};

class ScratchFolder
{
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder &) = delete;
    ScratchFolder &operator=(const ScratchFolder &) = delete;

    // The folder's path, ending with a separator.
    const KString &Path() const { return itsPath; }
    // Path() + name.
    KString File(const wchar_t *name) const;
    // Writes bytes into the named file, replacing it.
    void WriteFile(const wchar_t *name, const std::string &bytes) const;
    // The file's bytes; empty when it cannot be read.
    std::string ReadFile(const wchar_t *name) const;
    // The names of the files and folders in it, or in the named folder in it.
    std::set<std::wstring> Names(const wchar_t *folder = nullptr) const;

private:
    KString itsPath;
};

// The code of the KX the action throws; 0 when it throws none.
int32_t CodeOf(const std::function<void()> &action);

// The lines a registry node writes, with LF line ends.
std::string Lines(const KRNode &node);
