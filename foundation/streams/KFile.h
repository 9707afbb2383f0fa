#pragma once
// KFile: a path holder and a file stream. The path is kept as given (full or
// relative, "\" or "/" separators); the path operations edit its folder,
// name and extension parts. Open gives the object a system file handle in one
// of three modes; reads and writes go straight to the system (KBufferedFile
// adds a buffer). Open and the transport throw KXStream; the destructor closes
// the file. The system file dialogs and the folder chooser live here too
// (KFileDialogs.cpp); an installed hook answers them in place of the
// system's windows.
// A KFile belongs to one thread at a time.

#include "foundation/streams/KStream.h"
#include "foundation/strings/KString.h"

#include <functional>

// <commdlg.h> maps these names to its ANSI or wide functions; the members
// below keep their own names in every file that sees this header.
#undef GetOpenFileName
#undef GetSaveFileName

class KFileInfo;

class KFile : public KStream
{
public:
    enum
    {
        kModeRead = 1,      // read only; others may read and write
        kModeWrite = 2,     // write only; others may read
        kModeReadWrite = 3  // read and write; others may read
    };
    enum
    {
        kDialogOpen = 0,    // GetOpenFileName
        kDialogSave = 1,    // GetSaveFileName
        kDialogFolder = 2   // GetFolderName
    };
    // The longest path the system file dialogs and the file systems take:
    // MAX_PATH less its closing null.
    static constexpr int kLongestPath = 259;
    // The longest name of a folder or a file, extension included, in such a path.
    static constexpr int kLongestName = 255;
    // Answers a file dialog in place of the system's: receives the kind,
    // the file (which it may give a new path), the extension list and the
    // title, and answers what the dialog function would return.
    using DialogHook = std::function<int(int kind, KFile &file, const KString &extensions, const KString &title)>;

    KFile();
    explicit KFile(const wchar_t *fullName);
    // Copies path and mode, never the open file.
    KFile(const KFile &other);
    KFile &operator=(const KFile &other);
    ~KFile() override;

    // Path parts. The Get... operations append to out.
    void SetFullName(const KString &fullName);
    void SetFullName(const wchar_t *fullName);
    void GetFullName(KString &out) const;
    const KString &FullName() const { return itsPath; }
    // The file part, with or without its extension.
    void GetName(KString &out, bool withExtension = true) const;
    // Replaces the file part and keeps the folder. Without carriesExtension
    // the old extension is kept after the new name.
    void SetName(const KString &name, bool carriesExtension = false);
    // The extension without its dot; nothing when there is none.
    void GetExtension(KString &out) const;
    // Replaces the extension, or adds "." and text when there is none.
    void SetExtension(const KString &extension);
    void RemoveExtension();
    // The folder part ending with its separator; nothing when the path has none.
    void GetFolder(KString &out) const;
    // Replaces the folder part (a separator is added when missing) and keeps the name.
    void SetFolderPath(const KString &folder);
    // True when the path names an existing file (not a folder).
    bool Exists() const;

    // Opens the file in a mode above; with create a missing file is made.
    // Nothing is truncated (SetSize(0) does that). Throws KXStream
    // kErrFileAlreadyOpen when already open, kErrFileOpen when the system
    // refuses (extra: its error number; text: the path).
    virtual void Open(int mode, bool create = false);
    bool IsOpen() const { return itsHandle != nullptr; }
    int Mode() const { return itsMode; }
    // Writes out what is buffered and closes; harmless on a closed file.
    virtual void Close();
    // Closes and deletes the file; true when it is gone.
    bool Delete();
    // Moves (renames) the file to newFullName, replacing a file there; an
    // open file stays open at its position. False, nothing changed, on failure.
    bool Move(const KString &newFullName);
    // Closes this file and takes over other's open file, path and mode;
    // other is left closed.
    void TakeOver(KFile &other);
    // The system's index of the open file: one number for every name that
    // leads to the file, unique on its volume while the file exists, kept
    // when it is renamed. 0 when closed or the system cannot tell. Costs no
    // look at the volume (which under Wine asks another process).
    uint64_t FileIndex() const;
    // FileIndex of the file at path, opened for a moment with every sharing
    // and no right to its contents; 0 when it cannot be opened.
    static uint64_t FileIndexAt(const KString &path);
    // Directory search with this path as the pattern ("C:\x\*.lng"): the
    // first call starts it, each call gives the next entry ("." and ".."
    // skipped); false at the end.
    bool FindNext(KFileInfo &info) const;

    // The system open-file dialog, starting at this file's folder, with one
    // filter per comma-separated extension; the chosen file must exist. On Ok
    // the path becomes the file's and the answer is the chosen filter's index
    // from 0; -1 when cancelled. owner is a window handle or null; the
    // dialog is owned by owner's top-level window (null: the thread's active
    // window), which stays disabled while the dialog is up. Its fields take
    // no longer a path than the dialog and the file systems do
    // (kLongestPath), whatever is typed or pasted. A name typed with a drive
    // and no root ("D:name") names a file in the folder shown when that is
    // on drive D, else in drive D's current folder; the name box then holds
    // that full path. Ok on a name that makes a longer path with the folder
    // shown and the extension added, that holds a name of more than
    // kLongestName characters (the last with the extension added), or that
    // a field had to cut, shows the too-long message (SetPathTooLongText) in a box the dialog owns, and
    // leaves the dialog as it is.
    int GetOpenFileName(const KString &extensions, const KString &title = KString(), void *owner = nullptr);
    // The system save-file dialog; the same answers. The chosen filter's
    // extension is added when the typed name has none.
    int GetSaveFileName(const KString &extensions, const KString &title = KString(), void *owner = nullptr);
    // The system folder chooser, starting at this file's folder: on Ok the
    // chosen folder becomes the file's folder (SetFolderPath) and the answer
    // is 0; -1 when cancelled.
    int GetFolderName(const KString &title = KString(), void *owner = nullptr);
    // Installs (or, with an empty hook, removes) the answer for every dialog.
    static void SetDialogHook(DialogHook hook);
    // The message of a file dialog that refuses a name for making too long a
    // path or for being too long itself: a format with at most one integer conversion ("%d": the
    // characters a path may have; "%%" for a per-cent sign, see
    // KTextFormatInt). Empty, or a format KTextFormatInt refuses: the
    // built-in English text. GUI thread; the start-up sets it from the
    // settings' texts.
    static void SetPathTooLongText(const KString &format);

    // The error for a system error met while writing: kErrDiskFull when the
    // disk is full, else kErrFileWrite.
    static int32_t WriteErrorCode(unsigned long systemError);

protected:
    int32_t DoRead(void *buffer, int32_t count) override;
    void DoWrite(const void *buffer, int32_t count) override;
    int64_t DoGetSize() override;
    void DoSetSize(int64_t size) override;
    int64_t DoGetPosition() override;
    void DoSeek(int64_t offset, int origin) override;
    // Closes the system handle only (no flushing).
    void CloseHandleOnly();
    // The system file handle (a HANDLE), null when closed.
    void *NativeHandle() const { return itsHandle; }
    // How the next Open makes its file: extra system access rights beside
    // those of the mode (for example the right to rename the open file),
    // with empty set a file that exists is emptied as it is opened, and
    // extraShare adds to what the mode lets other handles do meanwhile.
    // With onlyNew, an Open with create makes a new file and fails when
    // anything (a file, a folder, a link) already has the name. systemFlags
    // are the system's attributes and flags of the open (0: a normal file).
    void SetOpenOptions(uint32_t extraAccess, bool empty, uint32_t extraShare = 0, bool onlyNew = false,
                        uint32_t systemFlags = 0)
    {
        itsExtraAccess = extraAccess;
        itsEmpty = empty;
        itsExtraShare = extraShare;
        itsOnlyNew = onlyNew;
        itsSystemFlags = systemFlags;
    }

private:
    // Index of the first character of the file part.
    int NameStart() const;
    // Index of the extension's dot in the file part, -1 when none.
    int ExtensionDot() const;
    void RequireOpen() const;

    KString itsPath;
    void *itsHandle = nullptr;
    int itsMode = kModeRead;
    uint32_t itsExtraAccess = 0;
    uint32_t itsExtraShare = 0;
    uint32_t itsSystemFlags = 0;
    bool itsEmpty = false;
    bool itsOnlyNew = false;
};
