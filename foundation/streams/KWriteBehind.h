#pragma once
// KWriteBehind: writes a long file in pieces on a worker thread while the
// caller fills the next piece, so that copying the caller's data costs no
// time beside the system's writes. The process has one such writer: its
// thread and its pieces are made at the first use and kept, since making a
// thread costs more than writing megabytes. One file at a time holds it; a
// second file asking meanwhile gets none (Held() false) and writes itself.
// An object belongs to the thread that made it, which fills the pieces;
// the writer thread only writes them.
//
// The pieces are written in order, each whole, through the handle given;
// the caller must not touch the file through that handle before Finish or
// the destructor has waited for them. The first failing write stops the
// writer for this file: its system error is reported by the next Write,
// Finish or Error, and nothing after it is written.

#include <cstdint>

class KWriteBehind
{
public:
    // Writes one piece through the system file handle (a HANDLE); 0 when
    // all of it was written, else the system's error. Called on the worker.
    using PieceWrite = unsigned long (*)(void *context, void *handle, const uint8_t *bytes, int32_t count);

    // The writer for handle, in pieces of pieceBytes written by write (with
    // context); none when it is held or the system refuses a thread.
    KWriteBehind(void *handle, int32_t pieceBytes, PieceWrite write, void *context);
    // Waits for the pieces handed over and lets the writer go; what was
    // written to the piece in hand and not handed over is dropped.
    ~KWriteBehind();
    KWriteBehind(const KWriteBehind &) = delete;
    KWriteBehind &operator=(const KWriteBehind &) = delete;

    bool Held() const { return itsHeld; }
    // Copies bytes into the piece in hand and hands over each piece filled.
    // Throws KXStream (kErrDiskFull for a full disk, else kErrFileWrite)
    // when an earlier write failed.
    void Write(const void *bytes, int32_t count);
    // Hands over the piece in hand and waits until everything is written;
    // throws KXStream as Write does.
    void Finish();
    // The system's error of the first failed write, 0 while none failed.
    unsigned long Error() const;
    // Writes all of bytes through handle: 0, or the system's error
    // (ERROR_DISK_FULL when the system takes nothing more).
    static unsigned long WriteAll(void *handle, const uint8_t *bytes, int32_t count);

private:
    // Hands over the piece in hand when it holds anything.
    void Hand();
    // Throws KXStream for a failed write.
    void ThrowOnError() const;

    bool itsHeld = false;
    uint8_t *itsPiece = nullptr;  // the piece in hand
    int32_t itsFill = 0;
    int32_t itsPieceBytes = 0;
};
