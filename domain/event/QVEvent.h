#pragma once
// QVEvent: the event or workout document: its name, event/round/heat
// numbers and date, its legs (each with its results and charts) and its own
// view, saved to and opened from ".qvw" (workout) and ".qve" (event) files
// (docs/event-files.md). The document is the root of its message tree:
// every change of its data is announced with a before- and an after-message,
// and the document holds its lock from the one to the other; an
// after-message without kMsgNoModify marks it modified. The event window
// owns the document; while armed it also sits in the hub's armed list
// (which never deletes it). The document's file, from when it is opened or
// saved until the document goes, is kept from every save's temporary name in
// every running copy of the program (KKeptFile). GUI thread; other threads
// take Lock first.

#include <cstdint>

#include "domain/event/QVEventView.h"
#include "foundation/containers/KList.h"
#include "foundation/errors/KX.h"
#include "foundation/messages/KMessageObject.h"
#include "foundation/streams/KKeptFile.h"
#include "foundation/strings/KString.h"
#include "foundation/threads/KMutex.h"
#include "foundation/values/KDateTime.h"

class KStream;
class VLeg;

class QVEvent : public KListItem, public KMessageObject
{
public:
    enum Kind { kWorkout = 0, kEvent = 1 };
    // Initialize flags.
    static constexpr int kInitNew = 1;          // a new document with its first leg
    // Save flags.
    static constexpr int kSaveWrite = 1;        // write the document (nothing happens without it)
    static constexpr int kSaveAsk = 16;         // ask for a file name first; the kind stays
    static constexpr int kSaveAskEvent = 32;    // ask for an event file name first ("qve"): an event from now on
    // A save hands its file to the system in pieces of this many bytes.
    static constexpr int32_t kSavePieceBytes = 256 * 1024;
    // Open modes.
    static constexpr int kOpenRead = 1;         // read an existing file and keep it
    // Most legs a document takes from a file.
    static constexpr int32_t kMaxLegs = 64;

    QVEvent();
    ~QVEvent() override;
    QVEvent(const QVEvent &) = delete;
    QVEvent &operator=(const QVEvent &) = delete;

    // With kInitNew: builds the first leg with the views of its first two
    // charts (unless the document has legs already), arms the document with the
    // hub and answers 0; any other flags value answers kErrEventArm and changes
    // nothing.
    int Initialize(int flags);
    // Mode 1: reads the document from path and keeps the file as its own.
    // Answers 0, kErrFileVersion (a version this program does not read),
    // kErrFileContents (damaged or cut contents) or the file error; on an error
    // the document is left exactly as it was.
    int Open(int mode, const KString &path);
    // Why the last Open failed: the code it answered, the system's error
    // (negative: none) and the file. The code is kErrUnspecified after an
    // Open that succeeded.
    const KX &OpenError() const { return m_openError; }
    // Without kSaveWrite nothing happens (0). kSaveAsk/kSaveAskEvent, or a
    // document never saved, ask for the file with the save-file dialog first
    // (kErrDialogCancelled when cancelled); the dialog offers the extension of
    // the kind, and the name chosen never changes the kind. The file is written in full to a
    // temporary file that then replaces the old one, so a failure leaves the
    // old file intact; answers 0 or the error code.
    int Save(int flags);
    // Why the last save failed in writing its file: the code Save answered,
    // the system's error and the file it could not make, write or replace.
    // The code is kErrUnspecified after a save that failed otherwise or
    // did not fail.
    const KX &SaveError() const { return m_saveError; }
    // The flags of the last successful save.
    int SaveFlags() const { return m_saveFlags; }

    Kind DocumentKind() const { return m_kind; }
    void SetDocumentKind(Kind kind) { m_kind = kind; }
    bool IsModified() const { return m_modified; }
    void SetModified(bool on);
    // Read from an older file version that this program cannot write back.
    bool IsOldVersion() const { return m_oldVersion; }

    // The document's file, empty before the first save.
    const KString &FileName() const { return m_path; }
    // The file the last save wrote or tried to write (for its error message).
    const KString &SavedToFile() const { return m_savePath; }
    bool HasFileName(const KString &path) const;   // case ignored
    // Appends the file's name without folder or extension.
    void FileTitle(KString &text) const;

    const KString &Name() const { return m_name; }
    void SetName(const KString &name);
    const KString &EventNumber() const { return m_eventNumber; }
    const KString &RoundNumber() const { return m_roundNumber; }
    const KString &HeatNumber() const { return m_heatNumber; }
    void SetEventRoundHeat(const KString &event, const KString &round, const KString &heat);
    bool HasEventRoundHeat() const;
    // Appends "event-round-heat"; false (nothing appended) when one is missing.
    bool CompetitionId(KString &text) const;
    const KDateTime &DateTime() const { return m_dateTime; }
    void SetDateTime(const KDateTime &dateTime);

    // The event folder: "\Event\Directory" when set, else the current folder;
    // SetDirectory stores the folder of file there.
    static void Directory(KString &folder);
    static void SetDirectory(const KString &file);

    // Legs: the n-th (from 0) or none; the one after leg (first for none).
    VLeg *Leg(int n) const;
    VLeg *NextLeg(const VLeg *leg) const;
    int LegCount() const { return m_legs.Count(); }
    VLeg *AddLeg();

    QVEventView &View() { return m_view; }

    // The document's lock (recursive); held between each before- and
    // after-message. Lock waits up to timeout ms (negative: for ever) and
    // answers whether the lock is now held.
    bool Lock(int32_t timeout = -1);
    void Unlock();

    void Handle(const KMessage &message) override;

    // The document record (see docs/event-files.md).
    void Write(KStream &stream) const;
    void Read(KStream &stream);

    static void Startup();
    static void Shutdown();

    // The results interface towards the photo-finish system
    // (QVEventResults.cpp, docs/results-interface.md). SendResults writes the
    // results file into the data-out folder and hands it over on the results
    // link: 0 when acknowledged, kErrWriteQifFile when the file could not be
    // written, kErrSendResults when it was not handed over (no link configured,
    // no answer). ServeResultsRequests answers the requests that arrived on the
    // link, without waiting; called on every idle tick of the event's window.
    int SendResults();
    void ServeResultsRequests();

    // Walks the rows of an event: row 0 the event, then each leg followed
    // by its result list when it has one.
    class RowIterator
    {
    public:
        explicit RowIterator(QVEvent *event);
        // Restarts and advances to row n; false when there are fewer rows.
        bool MoveTo(int n);
        // 0x20004 event, 0x20009 leg, 0x20005 a leg's result list.
        uint32_t Kind() const;
        VLeg *Leg() const { return m_leg; }
        int Row() const { return m_row; }

    private:
        bool Step();

        QVEvent *m_event;
        VLeg *m_leg = nullptr;
        bool m_onResults = false;
        int m_row = 0;
    };

private:
    void TakeContents(QVEvent &other);
    // Saves to path; the saved file's index (KFile::FileIndex) in fileIndex.
    int WriteFile(const KString &path, uint64_t &fileIndex);
    int ReadFile(const KString &path);

    Kind m_kind = kWorkout;
    bool m_modified = false;
    bool m_oldVersion = false;
    int m_saveFlags = 0;
    KX m_saveError;
    KX m_openError;
    KString m_path;
    KKeptFile m_keptFile;   // m_path's file, kept from every save's temporary name
    KString m_savePath;
    KString63 m_name;
    KString15 m_eventNumber;
    KString15 m_roundNumber;
    KString15 m_heatNumber;
    KDateTime m_dateTime;
    KList m_legs;
    QVEventView m_view;
    KMutex m_mutex;
    int m_lockDepth = 0;
};
