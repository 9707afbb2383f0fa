// KFile, KFileInfo, KBufferedFile and KReplacingFile on real files in a
// scratch folder.
#include "foundation/streams/KBufferedFile.h"
#include "foundation/streams/KFile.h"
#include "foundation/streams/KFileInfo.h"
#include "foundation/streams/KReplacingFile.h"
#include "foundation/support/TestStreams.h"
#include "support/TestBytes.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <winioctl.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace
{
KString Path(const KFile &file)
{
    KString text;
    file.GetFullName(text);
    return text;
}

// Counts the flushes made on the worker thread while the file is written,
// and can make the worker's or the final flush fail as a full disk does.
class WorkerFlushProbe : public KReplacingFile
{
public:
    enum Failing
    {
        kNone,
        kWorker,
        kFinal
    };
    WorkerFlushProbe(const KString &target, Failing failing = kNone)
        : KReplacingFile(target, 256 * 1024), itsFailing(failing), itsWriter(GetCurrentThreadId())
    {
    }
    ~WorkerFlushProbe() override { Abandon(); }
    int WorkerFlushes() const { return itsWorkerFlushes; }

protected:
    bool FlushToDisk(void *handle) override
    {
        const bool onWorker = GetCurrentThreadId() != itsWriter;
        if (onWorker)
            ++itsWorkerFlushes;
        if (itsFailing != (onWorker ? kWorker : kFinal))
            return KReplacingFile::FlushToDisk(handle);
        SetLastError(ERROR_DISK_FULL);
        return false;
    }

private:
    Failing itsFailing;
    DWORD itsWriter;
    std::atomic<int> itsWorkerFlushes{0};
};

bool ReadOnly(const KString &path) { return (GetFileAttributesW(path.CStr()) & FILE_ATTRIBUTE_READONLY) != 0; }

void SetReadOnly(const KString &path, bool readOnly)
{
    SetFileAttributesW(path.CStr(), readOnly ? FILE_ATTRIBUTE_READONLY : FILE_ATTRIBUTE_NORMAL);
}

void Save(const KString &target, const wchar_t *text)
{
    KReplacingFile file(target);
    file.Begin();
    file.WriteText(text);
    file.Commit();
}

// Writes a known pattern of at least bytes (three early-flush steps unless
// told) into a file, in pieces of 64 KB.
int64_t WriteLargeContents(KReplacingFile &file, int64_t bytes = 3 * KReplacingFile::kEarlyFlushBytes)
{
    std::vector<uint8_t> piece(64 * 1024);
    int64_t total = 0;
    while (total < bytes) {
        for (size_t i = 0; i < piece.size(); ++i)
            piece[i] = uint8_t((total + int64_t(i)) % 251);
        file.Write(piece.data(), int32_t(piece.size()));
        total += int64_t(piece.size());
    }
    return total;
}

// Whether the file at path holds the pattern of WriteLargeContents.
bool HoldsLargeContents(ScratchFolder &scratch, const wchar_t *name, int64_t total)
{
    const std::string saved = scratch.ReadFile(name);
    if (int64_t(saved.size()) != total)
        return false;
    for (int64_t at : {int64_t(0), total / 2 + 7, total - 1})
        if (uint8_t(saved[size_t(at)]) != uint8_t(at % 251))
            return false;
    return true;
}

// The KX the action throws; code 0 when it throws none.
KX Thrown(const std::function<void()> &action)
{
    try {
        action();
    } catch (const KX &error) {
        return error;
    }
    return KX(0);
}

// The Linux path a Windows path maps to under Wine; empty elsewhere.
std::string UnixPath(const KString &path)
{
    using UnixName = char *(CDECL *)(const wchar_t *);
    auto unixName = reinterpret_cast<UnixName>(
        reinterpret_cast<void *>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
    char *name = unixName ? unixName(path.CStr()) : nullptr;
    if (!name)
        return std::string();
    std::string text(name);
    HeapFree(GetProcessHeap(), 0, name);
    return text;
}

// Starts a Linux program from its Windows path (Wine runs it on its own:
// the handle it gives back does not wait for it), then waits up to 5 s for
// done to answer true.
bool RunLinux(const wchar_t *program, const std::string &arguments, const std::function<bool()> &done)
{
    std::wstring line(program);
    line.erase(0, 2);
    std::replace(line.begin(), line.end(), L'\\', L'/');
    line += L' ' + std::wstring(arguments.begin(), arguments.end());
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(program, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return false;
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    for (int waited = 0; !done() && waited < 5000; waited += 10)
        Sleep(10);
    return done();
}

// A symbolic link to a file, made by the system, or from the Linux side
// where the system only pretends to make one (Wine), or to a Linux path
// (Wine only: a device, or the link itself for one that leads round in a
// circle). Removed at the end from the side that made it: Wine deletes the
// file a link names, not the link.
class SymbolicLink
{
public:
    SymbolicLink(const KString &link, const KString &target) : itsLink(link)
    {
        using Create = BOOLEAN(WINAPI *)(const wchar_t *, const wchar_t *, DWORD);
        auto create = reinterpret_cast<Create>(
            reinterpret_cast<void *>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "CreateSymbolicLinkW")));
        const DWORD allowUnprivileged = 2;
        if (create && create(link.CStr(), target.CStr(), allowUnprivileged) && Made())
            return;
        MakeOnLinux(UnixPath(target));
    }
    SymbolicLink(const KString &link, const std::string &unixTarget) : itsLink(link)
    {
        MakeOnLinux(unixTarget.empty() ? UnixPath(link) : unixTarget);
    }
    ~SymbolicLink()
    {
        if (!itsUnixLink.empty())
            RunLinux(L"Z:\\bin\\rm", "-f \"" + itsUnixLink + "\"", [this] { return !Made(); });
    }
    // Whether the name is taken (a link to nothing counts as none) and, for
    // a link that leads to something, its folder lists it as it is spelt
    // (Wine finds a name of another case in its place).
    bool Made() const
    {
        if (GetFileAttributesW(itsLink.CStr()) == INVALID_FILE_ATTRIBUTES)
            return GetLastError() != ERROR_FILE_NOT_FOUND;
        const int cut = NameStart() - 1;
        KString pattern(itsLink);
        pattern.Truncate(cut + 1);
        pattern.Append(L"*");
        WIN32_FIND_DATAW entry;
        HANDLE search = FindFirstFileW(pattern.CStr(), &entry);
        bool listed = false;
        for (bool more = search != INVALID_HANDLE_VALUE; more && !listed; more = FindNextFileW(search, &entry))
            listed = wcscmp(entry.cFileName, itsLink.CStr() + cut + 1) == 0;
        if (search != INVALID_HANDLE_VALUE)
            FindClose(search);
        return listed;
    }

private:
    int NameStart() const
    {
        int start = itsLink.Length();
        while (start > 0 && itsLink[start - 1] != L'\\')
            --start;
        return start;
    }
    void MakeOnLinux(const std::string &unixTarget)
    {
        // The folder as Wine finds it, the name as it is spelt: Wine would
        // find a name of another case in its place.
        KString folder(itsLink);
        folder.Truncate(NameStart() - 1);
        itsUnixLink = UnixPath(folder);
        if (!itsUnixLink.empty() && itsUnixLink.back() != '/')
            itsUnixLink += '/';
        if (!itsUnixLink.empty())
            for (const wchar_t *c = itsLink.CStr() + NameStart(); *c; ++c)
                itsUnixLink += char(*c);
        if (itsUnixLink.empty() || unixTarget.empty() ||
            !RunLinux(L"Z:\\bin\\ln", "-s \"" + unixTarget + "\" \"" + itsUnixLink + "\"", [this] { return Made(); }))
            itsUnixLink.clear();
    }

    KString itsLink;
    std::string itsUnixLink;
};

// The first free drive letter from Q: on, a fixed drive for a folder while
// the object lives (Wine only). Wine's mount manager makes it (a drive letter
// linked in the prefix's dosdevices folder meanwhile would have no volume
// serial number) and reads its serial number from ".windows-serial" in the
// folder: here a number of the letter's own.
class DriveLetter
{
public:
    explicit DriveLetter(const KString &folder) : itsFolder(folder)
    {
        while (itsRoot[0] < L'z' && GetFileAttributesW(itsRoot) != INVALID_FILE_ATTRIBUTES)
            ++itsRoot[0];
        char serial[16];
        snprintf(serial, sizeof(serial), "7e57%04x\n", unsigned(itsRoot[0]));
        HANDLE file = CreateFileW(KString(folder).Append(L".windows-serial").CStr(), GENERIC_WRITE, 0, nullptr,
                                  CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        DWORD written = 0;
        WriteFile(file, serial, DWORD(strlen(serial)), &written, nullptr);
        CloseHandle(file);
        itsDefined = itsRoot[0] < L'z' && Define(UnixPath(folder));
        for (int waited = 0; itsDefined && !Made() && waited < 5000; waited += 10)
            Sleep(10);
    }
    // Waits until this process no longer takes the folder for the drive's
    // root: Wine keeps the drives it read for up to a second, and a folder
    // made meanwhile on the freed place on the disk would pass for it.
    ~DriveLetter()
    {
        if (!itsDefined)
            return;
        Define(std::string());
        for (int waited = 0; FinalLetter(itsFolder) == itsRoot[0] && waited < 5000; waited += 10)
            Sleep(10);
    }
    DriveLetter(const DriveLetter &) = delete;
    DriveLetter &operator=(const DriveLetter &) = delete;
    // Whether the letter leads to its folder and Wine gives it back as the
    // drive of the folder's files, which it does only once it has read its
    // drives again (at most once a second).
    bool Made() const { return FinalLetter(itsRoot) == itsRoot[0]; }
    // The path of name on the drive.
    KString File(const std::wstring &name) const { return KString(itsRoot).Append(name.c_str()); }

private:
    // The drive letter, in lower case, of the path the system gives back for
    // the folder at path; 0 when it cannot be opened.
    static wchar_t FinalLetter(const KString &path)
    {
        using FinalPath = DWORD(WINAPI *)(HANDLE, wchar_t *, DWORD, DWORD);
        static const auto finalPath = reinterpret_cast<FinalPath>(reinterpret_cast<void *>(
            GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "GetFinalPathNameByHandleW")));
        HANDLE folder = CreateFileW(path.CStr(), FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
        if (folder == INVALID_HANDLE_VALUE)
            return 0;
        wchar_t final[MAX_PATH] = L"";
        const bool found = finalPath && finalPath(folder, final, MAX_PATH, 0) > 4;
        CloseHandle(folder);
        return found ? wchar_t(towlower(final[4])) : 0;
    }

    // Asks Wine's mount manager to make the letter a fixed drive for the
    // Linux folder, or to remove it (no folder).
    bool Define(const std::string &folder) const
    {
        struct UnixDrive   // the request as Wine's mount manager reads it
        {
            ULONG size, type, fileSystem;
            DWORD serial;
            ULONGLONG device;
            WCHAR letter;
            USHORT folderAt, deviceAt, labelAt;
        };
        std::vector<char> request(sizeof(UnixDrive) + folder.size() + 1);
        auto *drive = reinterpret_cast<UnixDrive *>(request.data());
        drive->size = ULONG(request.size());
        drive->type = folder.empty() ? DRIVE_NO_ROOT_DIR : DRIVE_FIXED;
        drive->letter = itsRoot[0];
        drive->folderAt = folder.empty() ? 0 : USHORT(sizeof(UnixDrive));
        memcpy(request.data() + sizeof(UnixDrive), folder.c_str(), folder.size() + 1);
        HANDLE manager = CreateFileW(L"\\\\.\\MountPointManager", GENERIC_READ | GENERIC_WRITE,
                                     FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
        if (manager == INVALID_HANDLE_VALUE)
            return false;
        DWORD answered = 0;
        const DWORD defineDrive = CTL_CODE('m', 32, METHOD_BUFFERED, FILE_READ_ACCESS | FILE_WRITE_ACCESS);
        const bool done = DeviceIoControl(manager, defineDrive, request.data(), DWORD(request.size()), nullptr, 0,
                                          &answered, nullptr) != 0;
        CloseHandle(manager);
        return done;
    }

    const KString itsFolder;
    wchar_t itsRoot[4] = L"q:\\";
    bool itsDefined = false;
};

// Runs interrupted_save (beside this program) on target: a save of bytes of
// the pattern of WriteLargeContents, killed once it has written stopAt of
// them. False when it did not get that far.
bool KillASaveInTheMiddle(const KString &target, int64_t bytes, int64_t stopAt)
{
    wchar_t self[MAX_PATH];
    std::wstring program(self, GetModuleFileNameW(nullptr, self, MAX_PATH));
    program.replace(program.find_last_of(L'\\') + 1, std::wstring::npos, L"interrupted_save.exe");
    const std::wstring event = L"kstest_save_" + std::to_wstring(GetCurrentProcessId());
    std::wstring line = L"\"" + program + L"\" \"" + target.CStr() + L"\" " + std::to_wstring(bytes) + L" " +
                        std::to_wstring(stopAt) + L" " + event;
    HANDLE stopped = CreateEventW(nullptr, TRUE, FALSE, event.c_str());
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    bool killed = false;
    if (CreateProcessW(program.c_str(), &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        HANDLE waits[] = {stopped, process.hProcess};
        killed = WaitForMultipleObjects(2, waits, FALSE, 60 * 1000) == WAIT_OBJECT_0;
        TerminateProcess(process.hProcess, 9);
        WaitForSingleObject(process.hProcess, INFINITE);
        CloseHandle(process.hProcess);
        CloseHandle(process.hThread);
    }
    CloseHandle(stopped);
    return killed;
}

} // namespace

TEST(KFilePath, NameExtensionAndFolderPartsAreEdited)
{
    KFile file(L"C:\\data\\events\\race.qve");
    KString part;
    file.GetFolder(part);
    EXPECT_EQ(part, L"C:\\data\\events\\");
    part.Clear();
    file.GetName(part, false);
    EXPECT_EQ(part, L"race");
    part.Clear();
    file.GetExtension(part);
    EXPECT_EQ(part, L"qve");

    file.SetName(KString(L"heat2"));
    EXPECT_EQ(Path(file), L"C:\\data\\events\\heat2.qve");
    file.SetName(KString(L"notes.txt"), true);
    EXPECT_EQ(Path(file), L"C:\\data\\events\\notes.txt");
    file.SetExtension(KString(L"cfg"));
    EXPECT_EQ(Path(file), L"C:\\data\\events\\notes.cfg");
    file.RemoveExtension();
    file.RemoveExtension();
    EXPECT_EQ(Path(file), L"C:\\data\\events\\notes");
    file.SetExtension(KString(L".lng"));
    EXPECT_EQ(Path(file), L"C:\\data\\events\\notes.lng");
    file.SetFolderPath(KString(L"D:\\other"));
    EXPECT_EQ(Path(file), L"D:\\other\\notes.lng");
}

TEST(KFilePath, DotsInFoldersAreNotExtensions)
{
    KFile file(L"C:\\v1.2\\readme");
    KString extension;
    file.GetExtension(extension);
    EXPECT_TRUE(extension.IsEmpty());
    file.SetExtension(KString(L"txt"));
    EXPECT_EQ(Path(file), L"C:\\v1.2\\readme.txt");
}

TEST(KFileOpen, MissingFileInReadModeThrows3002AndCreateMakesIt)
{
    ScratchFolder scratch;
    KFile file(scratch.File(L"missing.cfg").CStr());
    EXPECT_FALSE(file.Exists());
    EXPECT_EQ(CodeOf([&] { file.Open(KFile::kModeRead); }), kErrFileOpen);
    EXPECT_FALSE(file.IsOpen());
    file.Open(KFile::kModeReadWrite, true);
    EXPECT_TRUE(file.Exists());
    EXPECT_EQ(CodeOf([&] { file.Open(KFile::kModeRead); }), kErrFileAlreadyOpen);
    file.Close();
    file.Close();
    EXPECT_FALSE(file.IsOpen());
}

TEST(KFileOpen, AFolderPathOrAPathThroughAFileIsRefused)
{
    ScratchFolder scratch;
    scratch.WriteFile(L"plain", "x");
    KFile folder(scratch.Path().CStr());
    EXPECT_FALSE(folder.Exists());
    KFile through(scratch.File(L"plain\\inner.cfg").CStr());
    EXPECT_EQ(CodeOf([&] { through.Open(KFile::kModeWrite, true); }), kErrFileOpen);
}

TEST(KFileIO, WrittenBytesReadBackWithSizeSeekAndTruncation)
{
    ScratchFolder scratch;
    KFile file(scratch.File(L"data.bin").CStr());
    file.Open(KFile::kModeReadWrite, true);
    file.WriteU32(0x01020304);
    file.WriteU32(7);
    EXPECT_EQ(file.GetSize(), 8);
    file.Seek(0);
    EXPECT_EQ(file.ReadU32(), 0x01020304u);
    file.Seek(-4, KStream::kFromEnd);
    EXPECT_EQ(file.ReadU32(), 7u);
    file.SetSize(0);
    EXPECT_EQ(file.GetSize(), 0);
    file.Close();
    EXPECT_EQ(scratch.ReadFile(L"data.bin"), "");
}

TEST(KFileIO, DeleteMoveAndTakeOver)
{
    ScratchFolder scratch;
    scratch.WriteFile(L"old.img", "0123456789");
    KFile file(scratch.File(L"old.img").CStr());
    file.Open(KFile::kModeReadWrite);
    file.Seek(4);
    EXPECT_TRUE(file.Move(scratch.File(L"new.img")));
    EXPECT_TRUE(file.IsOpen());
    EXPECT_EQ(file.GetPosition(), 4);
    EXPECT_EQ(file.ReadU8(), '4');
    EXPECT_FALSE(KFile(scratch.File(L"old.img").CStr()).Exists());

    KFile owner;
    owner.TakeOver(file);
    EXPECT_FALSE(file.IsOpen());
    EXPECT_TRUE(owner.IsOpen());
    EXPECT_EQ(Path(owner), scratch.File(L"new.img"));
    EXPECT_EQ(owner.ReadU8(), '5');

    EXPECT_TRUE(owner.Delete());
    EXPECT_FALSE(owner.IsOpen());
    EXPECT_FALSE(owner.Exists());
    EXPECT_FALSE(KFile(scratch.File(L"nothing").CStr()).Move(scratch.File(L"else")));
}

TEST(KFileFind, FindNextListsMatchingEntriesThenAnswersFalse)
{
    ScratchFolder scratch;
    scratch.WriteFile(L"de.lng", "Deutsch,de_DE\n");
    scratch.WriteFile(L"fr.lng", "Francais,fr_FR\n");
    scratch.WriteFile(L"other.txt", "");
    KFile pattern(scratch.File(L"*.lng").CStr());
    KFileInfo info;
    std::set<std::wstring> found;
    while (pattern.FindNext(info))
        found.insert(info.GetName().CStr());
    EXPECT_EQ(found, (std::set<std::wstring>{L"de.lng", L"fr.lng"}));
    KFile none(scratch.File(L"*.xyz").CStr());
    EXPECT_FALSE(none.FindNext(info));
}

TEST(KBufferedFileIO, MixedReadsWritesAndSeeksMatchTheFile)
{
    ScratchFolder scratch;
    {
        KBufferedFile file(16);
        file.SetFullName(scratch.File(L"buf.bin"));
        file.Open(KFile::kModeReadWrite, true);
        for (uint32_t i = 0; i < 100; ++i)
            file.WriteU32(i);
        EXPECT_EQ(file.GetPosition(), 400);
        EXPECT_EQ(file.GetSize(), 400);
        file.Seek(40);
        EXPECT_EQ(file.ReadU32(), 10u);
        // A write after a read lands right after what was read.
        file.WriteU32(0xFFFFFFFF);
        EXPECT_EQ(file.GetPosition(), 48);
        EXPECT_EQ(file.ReadU32(), 12u);
        file.Close();
    }
    std::string bytes = scratch.ReadFile(L"buf.bin");
    ASSERT_EQ(bytes.size(), 400u);
    EXPECT_EQ(uint8_t(bytes[44]), 0xFF);
    EXPECT_EQ(uint8_t(bytes[48]), 12);
}

TEST(KBufferedFileIO, TextLinesReadThroughTheBuffer)
{
    ScratchFolder scratch;
    std::string text;
    for (int i = 0; i < 300; ++i)
        text += "line " + std::to_string(i) + "\r\n";
    scratch.WriteFile(L"t.txt", text);
    KBufferedFile file(4096);
    file.SetFullName(scratch.File(L"t.txt"));
    file.Open(KFile::kModeRead);
    KString line, last;
    int count = 0;
    for (; file.ReadLine(line, L"\n", L"\r") >= 0; ++count)
        last = line;
    EXPECT_EQ(count, 300);
    EXPECT_EQ(last, L"line 299");
}

TEST(KBufferedFileIO, EachOpenDetectsTheEncodingAfreshUnlessTheCallerChoseIt)
{
    ScratchFolder scratch;
    scratch.WriteFile(L"wide.lng", std::string("\xFF\xFE" "D\0e\0\n\0", 8));
    scratch.WriteFile(L"narrow.lng", "Fr\n");
    KBufferedFile file(4096);
    KString line;
    file.SetFullName(scratch.File(L"wide.lng"));
    file.Open(KFile::kModeRead);
    file.ReadLine(line);
    file.Close();
    EXPECT_EQ(file.ReadEncoding(), KStream::kEncoding16Bit);
    file.SetFullName(scratch.File(L"narrow.lng"));
    file.Open(KFile::kModeRead);
    file.ReadLine(line);
    file.Close();
    EXPECT_EQ(line, L"Fr");
    EXPECT_EQ(file.ReadEncoding(), KStream::kEncoding8Bit);

    file.SetReadEncoding(KStream::kEncoding8Bit);
    file.SetFullName(scratch.File(L"wide.lng"));
    file.Open(KFile::kModeRead);
    EXPECT_EQ(file.ReadChar(), 0xFF);
}

// The new file keeps what was set on the old one: hidden and system, and
// the creation time where the system keeps one that a program sets (Wine on
// Linux keeps none).
TEST(KReplacingFileSave, OnlyCommitReplacesTheTargetWhichKeepsItsMarksAndNoTemporaryFileIsLeft)
{
    const DWORD marks = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_TEMPORARY;
    const FILETIME created = {0x12345600, 0x01C07400};  // in 2001
    for (bool commit : {true, false}) {
        for (DWORD set : {DWORD(FILE_ATTRIBUTE_NORMAL), DWORD(FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)}) {
            ScratchFolder scratch;
            scratch.WriteFile(L"s.cfg", "old contents");
            const KString target = scratch.File(L"s.cfg");
            HANDLE old = CreateFileW(target.CStr(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
            SetFileTime(old, &created, nullptr, nullptr);
            CloseHandle(old);
            SetFileAttributesW(target.CStr(), set);
            WIN32_FILE_ATTRIBUTE_DATA before, after;
            GetFileAttributesExW(target.CStr(), GetFileExInfoStandard, &before);
            {
                KReplacingFile file(target);
                file.Begin();
                file.WriteText(L"new");
                EXPECT_EQ(scratch.ReadFile(L"s.cfg"), "old contents");
                if (commit)
                    file.Commit();
            }
            EXPECT_EQ(scratch.ReadFile(L"s.cfg"), commit ? "new" : "old contents") << commit;
            EXPECT_EQ(scratch.Names(), std::set<std::wstring>{L"s.cfg"});
            GetFileAttributesExW(target.CStr(), GetFileExInfoStandard, &after);
            EXPECT_EQ(after.dwFileAttributes & marks, before.dwFileAttributes & marks) << set;
            if (CompareFileTime(&before.ftCreationTime, &created) == 0) {
                EXPECT_EQ(CompareFileTime(&after.ftCreationTime, &created), 0) << set;
            }
        }
    }
}

TEST(KReplacingFileSave, TargetInsideAPlainFileFailsOnBeginWith3005NamingTheTemporaryFile)
{
    ScratchFolder scratch;
    scratch.WriteFile(L"plain", "x");
    KReplacingFile file(scratch.File(L"plain\\s.cfg"));
    const KX error = Thrown([&] { file.Begin(); });
    EXPECT_EQ(error.Code(), kErrFileWrite);
    EXPECT_EQ(error.Text(), scratch.File(L"plain\\s.cfg.tmp"));
    EXPECT_EQ(scratch.ReadFile(L"plain"), "x");
}

// A link under the temporary name, left there by anyone: the save neither
// writes through it nor moves or deletes the file it names, also when the
// link cannot be opened (it names a file another program holds, a device,
// or itself).
TEST(KReplacingFileSave, ALinkUnderTheTemporaryNameLeavesTheFileItNamesAsItWas)
{
    ScratchFolder scratch;
    const std::string notes(5555, 'n');
    scratch.WriteFile(L"users-notes.txt", notes);
    scratch.WriteFile(L"link.qvw", "old link");
    ASSERT_TRUE(CreateHardLinkW(scratch.File(L"link.qvw.tmp").CStr(), scratch.File(L"users-notes.txt").CStr(), nullptr));
    CreateDirectoryW(scratch.File(L"elsewhere").CStr(), nullptr);
    scratch.WriteFile(L"elsewhere\\notes.bin", notes);
    scratch.WriteFile(L"elsewhere\\held.bin", notes);
    std::vector<std::unique_ptr<SymbolicLink>> links;
    links.emplace_back(new SymbolicLink(scratch.File(L"s.qvw.tmp"), scratch.File(L"elsewhere\\notes.bin")));
    links.emplace_back(new SymbolicLink(scratch.File(L"held.qvw.tmp"), scratch.File(L"elsewhere\\held.bin")));
    if (!UnixPath(scratch.Path()).empty()) {
        links.emplace_back(new SymbolicLink(scratch.File(L"device.qvw.tmp"), std::string("/dev/null")));
        links.emplace_back(new SymbolicLink(scratch.File(L"circle.qvw.tmp"), std::string()));
    }
    const wchar_t *linked[] = {L"s.qvw", L"held.qvw", L"device.qvw", L"circle.qvw"};
    for (size_t i = 0; i < links.size(); ++i) {
        ASSERT_TRUE(links[i]->Made()) << i;
        scratch.WriteFile(linked[i], "old");
    }
    HANDLE holder = CreateFileW(scratch.File(L"elsewhere\\held.bin").CStr(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);

    // Twice: the second save meets the same names again.
    for (const std::string text : {"new document", "newer document"}) {
        const std::wstring wide(text.begin(), text.end());
        Save(scratch.File(L"link.qvw"), wide.c_str());
        EXPECT_EQ(scratch.ReadFile(L"link.qvw"), text);
        std::set<std::wstring> names = scratch.Names();
        for (size_t i = 0; i < links.size(); ++i) {
            EXPECT_EQ(CodeOf([&] { Save(scratch.File(linked[i]), wide.c_str()); }), 0) << i;
            EXPECT_EQ(scratch.ReadFile(linked[i]), text) << i;
            EXPECT_TRUE(links[i]->Made()) << i;
            names.erase(std::wstring(linked[i]) + L".tmp");
        }
        EXPECT_TRUE(scratch.ReadFile(L"users-notes.txt") == notes);
        EXPECT_TRUE(scratch.ReadFile(L"elsewhere\\notes.bin") == notes);
        // The hard link is gone as a name; the symbolic links that the
        // system cannot remove by itself stay, and nothing else is beside.
        std::set<std::wstring> expected{L"elsewhere", L"link.qvw", L"users-notes.txt"};
        for (size_t i = 0; i < links.size(); ++i)
            expected.insert(linked[i]);
        EXPECT_EQ(names, expected);
    }
    CloseHandle(holder);
    EXPECT_TRUE(scratch.ReadFile(L"elsewhere\\held.bin") == notes);
    EXPECT_EQ(scratch.Names(L"elsewhere"), (std::set<std::wstring>{L"held.bin", L"notes.bin"}));
}

// Under Wine, which follows a link by itself, links under the temporary name
// to a user's file whose name or folder differs in case alone (the Linux
// file system tells them apart), and to the same path on another drive, C:
// or the letter of another folder: only the volumes tell the paths apart.
// That file stays as it was, the link stays, and the save writes its target
// all the same.
TEST(KReplacingFileSave, ALinkToANameOfAnotherCaseOrOnAnotherDriveLeavesThatFileAsItWas)
{
    ScratchFolder scratch;
    std::string base = UnixPath(scratch.Path());
    if (base.empty())
        GTEST_SKIP() << "only Wine follows every link by itself";
    base.erase(base.find_last_not_of('/') + 1);
    const std::string notes(3333, 'n');
    ASSERT_TRUE(RunLinux(L"Z:\\bin\\mkdir", "\"" + base + "/work\" \"" + base + "/Work\"",
                         [&] { return scratch.Names().count(L"work") && scratch.Names().count(L"Work"); }));
    for (const wchar_t *users : {L"A.QVW.TMP", L"b.qvw.TMP", L"Work\\c.qvw.tmp"})
        scratch.WriteFile(users, notes);

    // Drive letters for the scratch folder and for two volumes in it, and a
    // folder of the same name on each and on C:; the user's files on C: and
    // on the second volume.
    const std::wstring shared = L"kfiletest-" + std::to_wstring(GetCurrentProcessId());
    for (const wchar_t *volume : {L"", L"one\\", L"two\\"}) {
        CreateDirectoryW(scratch.File(volume).CStr(), nullptr);
        CreateDirectoryW(scratch.File((volume + shared).c_str()).CStr(), nullptr);
    }
    const DriveLetter root(scratch.Path()), one(scratch.File(L"one\\")), two(scratch.File(L"two\\"));
    ASSERT_TRUE(root.Made() && one.Made() && two.Made()) << "no drive letter free";
    const KString onC(KString(L"C:\\").Append(shared.c_str()).Append(L"\\"));
    CreateDirectoryW(onC.CStr(), nullptr);
    const KString usersOnC(KString(onC).Append(L"t.qvw.tmp")), usersOnTwo(two.File(shared + L"\\v.qvw.tmp"));
    for (const KString &users : {usersOnC, usersOnTwo})
        Save(users, L"the user's notes");
    const std::string onCBefore = ReadWholeFile(usersOnC.CStr()), onTwoBefore = ReadWholeFile(usersOnTwo.CStr());

    std::vector<std::unique_ptr<SymbolicLink>> links;
    links.emplace_back(new SymbolicLink(scratch.File(L"a.qvw.tmp"), base + "/A.QVW.TMP"));
    links.emplace_back(new SymbolicLink(scratch.File(L"b.qvw.tmp"), base + "/b.qvw.TMP"));
    links.emplace_back(new SymbolicLink(scratch.File(L"work\\c.qvw.tmp"), base + "/Work/c.qvw.tmp"));
    links.emplace_back(new SymbolicLink(root.File(shared + L"\\t.qvw.tmp"), usersOnC));
    links.emplace_back(new SymbolicLink(one.File(shared + L"\\v.qvw.tmp"), usersOnTwo));
    const KString targets[] = {scratch.File(L"a.qvw"), scratch.File(L"b.qvw"), scratch.File(L"work\\c.qvw"),
                               root.File(shared + L"\\t.qvw"), one.File(shared + L"\\v.qvw")};
    for (size_t i = 0; i < links.size(); ++i) {
        EXPECT_TRUE(links[i]->Made()) << i;
        EXPECT_EQ(CodeOf([&] { Save(targets[i], L"new document"); }), 0) << i;
        EXPECT_EQ(ReadWholeFile(targets[i].CStr()), "new document") << i;
        EXPECT_TRUE(links[i]->Made()) << i;
    }
    for (const wchar_t *users : {L"A.QVW.TMP", L"b.qvw.TMP", L"Work\\c.qvw.tmp"})
        EXPECT_TRUE(scratch.ReadFile(users) == notes) << "changed or deleted";
    EXPECT_TRUE(ReadWholeFile(usersOnC.CStr()) == onCBefore) << "the file on C: was changed or deleted";
    EXPECT_TRUE(ReadWholeFile(usersOnTwo.CStr()) == onTwoBefore) << "the file behind the other letter was changed";

    links.clear();
    DeleteFileW(usersOnC.CStr());
    RemoveDirectoryW(onC.CStr());
}

// Another program holds a file of the temporary name open without letting
// it be deleted, or the name is a folder: the save cannot clear the name.
TEST(KReplacingFileSave, ATemporaryNameThatCannotBeClearedFailsWith3005NamingItAndChangesNothing)
{
    ScratchFolder scratch;
    scratch.WriteFile(L"h.qvw", "old h");
    scratch.WriteFile(L"h.qvw.tmp", "another program's");
    scratch.WriteFile(L"f.qvw", "old f");
    CreateDirectoryW(scratch.File(L"f.qvw.tmp").CStr(), nullptr);
    scratch.WriteFile(L"f.qvw.tmp\\inside", "kept");
    const std::set<std::wstring> before = scratch.Names();
    HANDLE holder = CreateFileW(scratch.File(L"h.qvw.tmp").CStr(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    for (const wchar_t *name : {L"h.qvw", L"f.qvw"}) {
        KReplacingFile file(scratch.File(name));
        const KX error = Thrown([&] { file.Begin(); });
        EXPECT_EQ(error.Code(), kErrFileWrite) << std::string(name, name + wcslen(name));
        KString temporary(scratch.File(name));
        temporary.Append(L".tmp");
        EXPECT_EQ(error.Text(), temporary);
    }
    CloseHandle(holder);
    EXPECT_EQ(scratch.ReadFile(L"h.qvw"), "old h");
    EXPECT_EQ(scratch.ReadFile(L"h.qvw.tmp"), "another program's");
    EXPECT_EQ(scratch.ReadFile(L"f.qvw"), "old f");
    EXPECT_EQ(scratch.ReadFile(L"f.qvw.tmp\\inside"), "kept");
    EXPECT_EQ(scratch.Names(), before);
}

TEST(KReplacingFileSave, ASaveReplacesAStaleTemporaryFileAndLeavesNothingElseBesideItsTarget)
{
    ScratchFolder scratch;
    scratch.WriteFile(L"d.qvw", "old d");
    scratch.WriteFile(L"e.qvw.old", "someone else's");
    scratch.WriteFile(L"d.qvw.tmp", "half a save that was killed");
    for (const wchar_t *name : {L"d.qvw", L"e.qvw"}) {
        Save(scratch.File(name), L"new");
        EXPECT_EQ(scratch.ReadFile(name), "new");
    }
    EXPECT_EQ(scratch.ReadFile(L"e.qvw.old"), "someone else's");
    EXPECT_EQ(scratch.Names(), (std::set<std::wstring>{L"d.qvw", L"e.qvw", L"e.qvw.old"}));
}

// A save killed in the middle, again and again (the program was ended, the
// machine stopped): the target stays whole, and the next save clears what
// the killed one left and saves, also at a path of 300 characters and for a
// name of 255 characters that ends in ".tmp" as a temporary name does; at
// the same time a document whose name differs only at its end is saved.
TEST(KReplacingFileSave, ASaveKilledInTheMiddleLeavesTheTargetWholeAndTheNextSaveClearsWhatItLeft)
{
    ScratchFolder scratch;
    struct Case
    {
        std::wstring folder, name;
        int kills;
        int64_t bytes;
    };
    const Case cases[] = {
        {L"long-" + std::wstring(200, L'f'), std::wstring(60, L'w') + L".qvw", 30, 256 * 1024},
        // A workout of a thousand trials.
        {L"tmp", std::wstring(251, L't') + L".TMP", 12, 1000 * 20350},
    };
    const std::string old(5000, 'o');
    for (const Case &c : cases) {
        CreateDirectoryW(scratch.File(c.folder.c_str()).CStr(), nullptr);
        const std::wstring name = c.folder + L"\\" + c.name;
        const std::wstring sibling = c.name.substr(0, c.name.size() - 3) + L"QVE";
        const KString target = scratch.File(name.c_str());
        scratch.WriteFile(name.c_str(), old);
        for (int kill = 1; kill <= c.kills; ++kill) {
            ASSERT_TRUE(KillASaveInTheMiddle(target, c.bytes, c.bytes * (kill % 12 + 1) / 13)) << kill;
            ASSERT_TRUE(scratch.ReadFile(name.c_str()) == old) << kill;
        }
        KReplacingFile file(target, 64 * 1024), other(scratch.File((c.folder + L"\\" + sibling).c_str()));
        file.Begin(c.bytes);
        other.Begin();
        const int64_t total = WriteLargeContents(file, c.bytes);
        file.Commit();
        other.Commit();
        EXPECT_TRUE(HoldsLargeContents(scratch, name.c_str(), total));
        EXPECT_EQ(scratch.Names(c.folder.c_str()), (std::set<std::wstring>{c.name, sibling}));
    }
}

TEST(KReplacingFileSave, AReadOnlyTargetIsRefusedWith3005BeforeAnythingIsWrittenAndStaysReadOnly)
{
    ScratchFolder scratch;
    scratch.WriteFile(L"r.qvw", "kept");
    SetReadOnly(scratch.File(L"r.qvw"), true);
    {
        KReplacingFile file(scratch.File(L"r.qvw"));
        EXPECT_EQ(CodeOf([&] { file.Begin(); }), kErrFileWrite);
        EXPECT_EQ(scratch.Names(), std::set<std::wstring>{L"r.qvw"});
    }
    // Made read-only while the save was being written.
    scratch.WriteFile(L"s.qvw", "kept too");
    {
        KReplacingFile file(scratch.File(L"s.qvw"));
        file.Begin();
        file.WriteText(L"new");
        SetReadOnly(scratch.File(L"s.qvw"), true);
        EXPECT_EQ(CodeOf([&] { file.Commit(); }), kErrFileWrite);
    }
    EXPECT_EQ(scratch.ReadFile(L"r.qvw"), "kept");
    EXPECT_EQ(scratch.ReadFile(L"s.qvw"), "kept too");
    EXPECT_TRUE(ReadOnly(scratch.File(L"r.qvw")));
    EXPECT_TRUE(ReadOnly(scratch.File(L"s.qvw")));
    EXPECT_EQ(scratch.Names(), (std::set<std::wstring>{L"r.qvw", L"s.qvw"}));
    SetReadOnly(scratch.File(L"r.qvw"), false);
    SetReadOnly(scratch.File(L"s.qvw"), false);
}

TEST(KReplacingFileSave, NoOtherHandleCanWriteTheTemporaryFileWhileASaveRuns)
{
    ScratchFolder scratch;
    const KString temporary = scratch.File(L"big.qvw.tmp");
    // Asked with every sharing another program could grant.
    auto openForWriting = [&] {
        HANDLE other = CreateFileW(temporary.CStr(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                   nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (other == INVALID_HANDLE_VALUE)
            return false;
        CloseHandle(other);
        return true;
    };
    WorkerFlushProbe file(scratch.File(L"big.qvw"));
    file.Begin(5 * KReplacingFile::kEarlyFlushBytes);
    EXPECT_FALSE(openForWriting());
    const int64_t total = WriteLargeContents(file);
    for (int waited = 0; file.WorkerFlushes() == 0 && waited < 5000; waited += 10)
        Sleep(10);
    ASSERT_GT(file.WorkerFlushes(), 0);
    EXPECT_FALSE(openForWriting());
    file.Commit();
    EXPECT_EQ(int64_t(scratch.ReadFile(L"big.qvw").size()), total);
}

TEST(KReplacingFileSave, LargeFileIsFlushedWhileWrittenAndAFullDiskOnAnyFlushGives3006)
{
    ScratchFolder scratch;
    scratch.WriteFile(L"big.qvw", "old contents");
    {
        WorkerFlushProbe file(scratch.File(L"big.qvw"));
        file.Begin(5 * KReplacingFile::kEarlyFlushBytes);
        const int64_t total = WriteLargeContents(file);
        // The worker flushes while the caller has not yet committed.
        for (int waited = 0; file.WorkerFlushes() == 0 && waited < 5000; waited += 10)
            Sleep(10);
        EXPECT_GT(file.WorkerFlushes(), 0);
        file.Commit();
        EXPECT_TRUE(HoldsLargeContents(scratch, L"big.qvw", total));
    }
    for (WorkerFlushProbe::Failing failing : {WorkerFlushProbe::kWorker, WorkerFlushProbe::kFinal}) {
        scratch.WriteFile(L"big.qvw", "old contents");
        WorkerFlushProbe file(scratch.File(L"big.qvw"), failing);
        file.Begin(5 * KReplacingFile::kEarlyFlushBytes);
        WriteLargeContents(file);
        EXPECT_EQ(CodeOf([&] { file.Commit(); }), kErrDiskFull) << failing;
        EXPECT_GT(file.WorkerFlushes(), 0);
        EXPECT_EQ(scratch.ReadFile(L"big.qvw"), "old contents");
        EXPECT_EQ(scratch.Names(), std::set<std::wstring>{L"big.qvw"});
    }
}

TEST(KReplacingFileSave, TheFlushWorkerServesEachLargeSaveOnItsOwn)
{
    ScratchFolder scratch;
    // A workout of a hundred trials is flushed once while it is written.
    {
        WorkerFlushProbe file(scratch.File(L"w.qvw"));
        const int64_t size = 100 * 20350;
        file.Begin(size);
        const int64_t total = WriteLargeContents(file, size);
        file.Commit();
        EXPECT_EQ(file.WorkerFlushes(), 1);
        EXPECT_TRUE(HoldsLargeContents(scratch, L"w.qvw", total));
    }
    // A failed early flush fails its own save only.
    for (WorkerFlushProbe::Failing failing : {WorkerFlushProbe::kWorker, WorkerFlushProbe::kNone}) {
        scratch.WriteFile(L"big.qvw", "old contents");
        WorkerFlushProbe file(scratch.File(L"big.qvw"), failing);
        file.Begin(5 * KReplacingFile::kEarlyFlushBytes);
        const int64_t total = WriteLargeContents(file);
        const int code = CodeOf([&] { file.Commit(); });
        EXPECT_GT(file.WorkerFlushes(), 0) << failing;
        if (failing == WorkerFlushProbe::kWorker) {
            EXPECT_EQ(code, kErrDiskFull);
            EXPECT_EQ(scratch.ReadFile(L"big.qvw"), "old contents");
        } else {
            EXPECT_EQ(code, 0);
            EXPECT_TRUE(HoldsLargeContents(scratch, L"big.qvw", total));
        }
    }
    // Two large saves written at the same time: the second one begun is
    // flushed by its commit alone, and both are complete.
    {
        WorkerFlushProbe first(scratch.File(L"a.qvw")), second(scratch.File(L"b.qvw"));
        first.Begin(5 * KReplacingFile::kEarlyFlushBytes);
        second.Begin(5 * KReplacingFile::kEarlyFlushBytes);
        int64_t totals[2] = {0, 0};
        for (int step = 0; step < 3; ++step) {
            totals[0] += WriteLargeContents(first, KReplacingFile::kEarlyFlushBytes);
            totals[1] += WriteLargeContents(second, KReplacingFile::kEarlyFlushBytes);
        }
        first.Commit();
        second.Commit();
        EXPECT_GT(first.WorkerFlushes(), 0);
        EXPECT_EQ(second.WorkerFlushes(), 0);
        EXPECT_EQ(int64_t(scratch.ReadFile(L"a.qvw").size()), totals[0]);
        EXPECT_EQ(int64_t(scratch.ReadFile(L"b.qvw").size()), totals[1]);
    }
    EXPECT_EQ(scratch.Names(), (std::set<std::wstring>{L"a.qvw", L"b.qvw", L"big.qvw", L"w.qvw"}));
}
