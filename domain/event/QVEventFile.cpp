// The event document's record and its files: opening reads a complete
// document beside the open one and only then takes it over; saving writes a
// complete temporary file that then replaces the old one.
#include "domain/event/QVEvent.h"

#include "domain/QVDomainCodes.h"
#include "domain/event/QVFileReader.h"
#include "domain/event/QVTextRecord.h"
#include "domain/results/QVResults.h"
#include "domain/timing/VLeg.h"
#include "domain/ui/QVUserInterface.h"
#include "foundation/errors/KX.h"
#include "foundation/streams/KFile.h"
#include "foundation/streams/KPersistent.h"
#include "foundation/streams/KReplacingFile.h"
#include "foundation/streams/KStream.h"

#include <exception>
#include <new>

namespace
{
constexpr uint32_t kMinLegBytes = 33;

void WriteDateTime(KStream &stream, const KDateTime &d)
{
    for (int32_t v : {d.Year(), d.Month(), d.Day(), d.Hour(), d.Minute(), d.Second(), d.Millisecond()})
        stream.WriteI32(v);
}

// The bytes of the document's traces when every result has one: nearly all
// of a large file. The save is told about the size it is going to write.
int64_t TraceBytes(const QVEvent &event)
{
    int64_t results = 0;
    for (VLeg *leg = event.NextLeg(nullptr); leg; leg = event.NextLeg(leg))
        results += leg->Results() ? leg->Results()->ResultCount() : 0;
    return results * kTraceBytes;
}

KDateTime ReadDateTime(KStream &stream)
{
    int32_t v[7];
    for (int32_t &x : v) {
        x = stream.ReadI32();
        if (x < -1 || x > 9999)
            throw KXPersistent(kErrFileContents);
    }
    return KDateTime(v[0], v[1], v[2], v[3], v[4], v[5], v[6]);
}
}

void QVEvent::Write(KStream &stream) const
{
    KPersistent::WriteVersion(stream, kRecordEvent);
    stream.WriteU32(uint32_t(m_kind));
    m_name.Write(stream);
    m_eventNumber.Write(stream);
    m_roundNumber.Write(stream);
    m_heatNumber.Write(stream);
    WriteDateTime(stream, m_dateTime);
    stream.WriteU32(uint32_t(m_legs.Count()));
    for (VLeg *leg = NextLeg(nullptr); leg; leg = NextLeg(leg))
        leg->Write(stream);
    stream.WriteU32(kRecordEventEnd);
}

// Reads into this document without announcing anything; Open uses it on a
// document of its own and takes the result over only when it is complete.
void QVEvent::Read(KStream &stream)
{
    KPersistent::ReadVersion(stream, {kRecordEvent});
    uint32_t kind = stream.ReadU32();
    if (kind != kWorkout && kind != kEvent)
        throw KXPersistent(kErrFileContents);
    m_kind = Kind(kind);
    QVReadText(stream, m_name, L"name");
    QVReadText(stream, m_eventNumber, L"event");
    QVReadText(stream, m_roundNumber, L"round");
    QVReadText(stream, m_heatNumber, L"heat");
    m_dateTime = ReadDateTime(stream);
    m_legs.DeleteAll();
    uint32_t legs = KPersistent::ReadCount(stream, kMinLegBytes, kMaxLegs);
    for (uint32_t i = 0; i < legs; ++i) {
        VLeg *leg = new VLeg(nullptr);
        m_legs.AddItem(leg);
        leg->SetEvent(this);
        leg->Read(stream);
    }
    if (stream.ReadU32() != kRecordEventEnd)
        throw KXPersistent(kErrFileContents);
    // Bytes after the end mark mean the file is not what it claims to be.
    if (stream.Remaining() > 0)
        throw KXPersistent(kErrFileContents);
}

int QVEvent::Open(int mode, const KString &path)
{
    m_openError = KX();
    const int code = mode == kOpenRead ? ReadFile(path) : kErrUnspecified;
    if (code != 0 && m_openError.Code() != code)
        m_openError = KX(code, -1, path);
    return code;
}

// Reads path into a document of its own and takes it over when complete;
// a file error is kept in m_openError.
int QVEvent::ReadFile(const KString &path)
{
    QVEvent loaded;
    uint64_t fileIndex = 0;
    try {
        QVFileReader file(path);
        fileIndex = file.FileIndex();
        try {
            loaded.Read(file);
        } catch (const KXStream &x) {
            // The data ended before the records did: a cut file.
            if (x.Code() == kErrFileRead)
                return kErrFileContents;
            return x.Code();
        }
    } catch (const KXStream &x) {
        // The system refused the file: its error goes into the message.
        m_openError = KX(x.Code(), x.Extra(), x.Text().IsEmpty() ? path : x.Text());
        return x.Code();
    } catch (const KX &x) {
        return x.Code();
    } catch (const std::exception &) {
        // A damaged count that still passed the checks asked for too much.
        return kErrFileContents;
    }
    Send(kMsgListBefore | kMsgLegList, 0);
    TakeContents(loaded);
    m_path = path;
    m_modified = false;
    Send(kMsgListAfter | kMsgLegList | kMsgNoModify, 0);
    // Only now: the windows may paint while this waits for another copy.
    m_keptFile.Keep(path, fileIndex);
    return 0;
}

int QVEvent::Save(int flags)
{
    if (!(flags & kSaveWrite))
        return 0;
    m_saveError = KX();
    m_savePath = m_path;
    if (m_oldVersion)
        return kErrSaveOldVersion;
    KString path(m_path);
    Kind kind = m_kind;
    if ((flags & (kSaveAsk | kSaveAskEvent)) || path.IsEmpty()) {
        const bool asEvent = (flags & kSaveAskEvent) || m_kind == kEvent;
        QVUserInterface *ui = QVUserInterface::Installed();
        if (path.IsEmpty()) {
            Directory(path);
            if (!m_name.IsEmpty())
                path.Append(m_name);
        }
        if (!ui || !ui->ChooseSaveFile(path, asEvent ? L"qve" : L"qvw") || path.IsEmpty())
            return kErrDialogCancelled;
        kind = asEvent ? kEvent : kWorkout;
    }
    Kind previous = m_kind;
    m_kind = kind;
    m_savePath = path;
    uint64_t fileIndex = 0;
    int code = WriteFile(path, fileIndex);
    if (code != 0) {
        m_kind = previous;
        return code;
    }
    m_saveFlags = flags;
    // A new file has the name now, and the name may be another.
    m_path = path;
    SetModified(false);
    // Last: what the windows do while this waits for another copy stays.
    m_keptFile.Keep(path, fileIndex);
    return 0;
}

int QVEvent::WriteFile(const KString &path, uint64_t &fileIndex)
{
    Lock();
    int code = 0;
    try {
        KReplacingFile file(path, kSavePieceBytes);
        file.Begin(TraceBytes(*this));
        Write(file);
        file.Commit();
        fileIndex = file.CommittedFileIndex();
    } catch (const KX &x) {
        code = x.Code();
        m_saveError = x;
    } catch (const std::bad_alloc &) {
        code = kErrMemoryAlloc;
    }
    Unlock();
    return code;
}
