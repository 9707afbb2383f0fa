// KWriteBehind: two pieces taking turns between the caller, who fills one,
// and the process's writer thread, which writes the other. Each side waits
// for the other by spinning a little (a piece is filled or written in tens
// of microseconds, less than waking a sleeping thread costs) and then
// sleeping on an event, which the other side sets only when it sees the
// waiter asleep.
#include "foundation/streams/KWriteBehind.h"

#include "foundation/errors/KX.h"
#include "foundation/streams/KFile.h"
#include "foundation/streams/KStreamBuffer.h"

#include <process.h>
#include <windows.h>

#include <atomic>
#include <new>

namespace
{
constexpr int kPieces = 2;
constexpr int kSpins = 4000;

struct Writer
{
    std::atomic<bool> held{false};
    bool refused = false;  // the system refused the thread: never asked again
    HANDLE thread = nullptr;
    HANDLE wake = nullptr;   // set for the writer, asleep waiting for a piece
    HANDLE freed = nullptr;  // set for the holder, asleep waiting for a written piece
    std::atomic<bool> writerAsleep{false};
    std::atomic<bool> holderAsleep{false};

    uint8_t *pieces[kPieces] = {};
    int32_t pieceBytes = 0;
    int32_t counts[kPieces] = {};
    // Pieces handed over and written since the thread started; a piece
    // goes to pieces[number % kPieces].
    std::atomic<uint32_t> queued{0};
    std::atomic<uint32_t> written{0};

    // The holder's file, set before its first piece is handed over.
    void *file = nullptr;
    KWriteBehind::PieceWrite write = nullptr;
    void *context = nullptr;
    std::atomic<unsigned long> error{0};

    bool Start();
    bool MakePieces(int32_t bytes);
    void Run();
};

// The process's writer. It lives as long as the process: its thread waits
// for pieces until the process ends.
Writer &TheWriter()
{
    static Writer *writer = new Writer;
    return *writer;
}

// Waits until ready() holds: spins first, then sleeps on event with asleep
// set, so that the side that makes ready() hold knows to set the event.
template <class Ready> void Await(Ready ready, std::atomic<bool> &asleep, HANDLE event)
{
    for (int i = 0; i < kSpins; ++i) {
        if (ready())
            return;
        YieldProcessor();
        if (i % 64 == 63)
            SwitchToThread();
    }
    for (;;) {
        asleep = true;
        if (ready())
            break;
        WaitForSingleObject(event, INFINITE);
    }
    asleep = false;
}

void Wake(const std::atomic<bool> &asleep, HANDLE event)
{
    if (asleep)
        SetEvent(event);
}

unsigned __stdcall RunWriter(void *)
{
    TheWriter().Run();
    return 0;
}

bool Writer::Start()
{
    if (thread)
        return true;
    if (refused)
        return false;
    wake = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    freed = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    if (wake && freed)
        thread = reinterpret_cast<HANDLE>(_beginthreadex(nullptr, 0, &RunWriter, nullptr, 0, nullptr));
    refused = thread == nullptr;
    return !refused;
}

bool Writer::MakePieces(int32_t bytes)
{
    if (bytes == pieceBytes)
        return true;
    for (uint8_t *&piece : pieces) {
        delete[] piece;
        piece = nullptr;
    }
    pieceBytes = 0;
    for (uint8_t *&piece : pieces) {
        piece = new (std::nothrow) uint8_t[size_t(bytes)];
        if (!piece)
            return false;
    }
    pieceBytes = bytes;
    return true;
}

void Writer::Run()
{
    uint32_t done = written;
    for (;;) {
        Await([&] { return queued != done; }, writerAsleep, wake);
        const int slot = int(done % kPieces);
        if (error == 0)
            error = write(context, file, pieces[slot], counts[slot]);
        written = ++done;
        Wake(holderAsleep, freed);
    }
}
} // namespace

KWriteBehind::KWriteBehind(void *handle, int32_t pieceBytes, PieceWrite write, void *context)
{
    Writer &writer = TheWriter();
    if (pieceBytes <= 0 || writer.held.exchange(true))
        return;
    // Held, the writer is idle: every piece handed over is written.
    if (!writer.Start() || !writer.MakePieces(pieceBytes)) {
        writer.held = false;
        return;
    }
    writer.file = handle;
    writer.write = write;
    writer.context = context;
    writer.error = 0;
    itsHeld = true;
    itsPieceBytes = pieceBytes;
    itsPiece = writer.pieces[writer.queued % kPieces];
}

KWriteBehind::~KWriteBehind()
{
    if (!itsHeld)
        return;
    Writer &writer = TheWriter();
    Await([&] { return writer.written == writer.queued; }, writer.holderAsleep, writer.freed);
    writer.held = false;
}

void KWriteBehind::Write(const void *bytes, int32_t count)
{
    const uint8_t *from = static_cast<const uint8_t *>(bytes);
    while (count > 0) {
        const int32_t n = count < itsPieceBytes - itsFill ? count : itsPieceBytes - itsFill;
        KStreamBuffer::Copy(itsPiece + itsFill, from, n);
        itsFill += n;
        from += n;
        count -= n;
        if (itsFill == itsPieceBytes) {
            Hand();
            ThrowOnError();
        }
    }
}

void KWriteBehind::Finish()
{
    Hand();
    Writer &writer = TheWriter();
    Await([&] { return writer.written == writer.queued; }, writer.holderAsleep, writer.freed);
    ThrowOnError();
}

unsigned long KWriteBehind::Error() const { return itsHeld ? TheWriter().error.load() : 0; }

void KWriteBehind::Hand()
{
    if (itsFill == 0)
        return;
    Writer &writer = TheWriter();
    const uint32_t number = writer.queued;
    writer.counts[number % kPieces] = itsFill;
    writer.queued = number + 1;
    Wake(writer.writerAsleep, writer.wake);
    // The next piece is the one handed over before this one: wait until
    // it is written.
    Await([&] { return writer.written + kPieces > number + 1; }, writer.holderAsleep, writer.freed);
    itsPiece = writer.pieces[(number + 1) % kPieces];
    itsFill = 0;
}

void KWriteBehind::ThrowOnError() const
{
    if (const unsigned long error = Error())
        throw KXStream(KFile::WriteErrorCode(error), int32_t(error));
}

unsigned long KWriteBehind::WriteAll(void *handle, const uint8_t *bytes, int32_t count)
{
    while (count > 0) {
        DWORD done = 0;
        if (!WriteFile(static_cast<HANDLE>(handle), bytes, DWORD(count), &done, nullptr))
            return GetLastError() ? GetLastError() : ERROR_WRITE_FAULT;
        if (done == 0)
            return ERROR_DISK_FULL;
        bytes += done;
        count -= int32_t(done);
    }
    return 0;
}
