#include "ZafStorageTestSupport.h"

#include "framework/core/storage/ZafStorage.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

// Writes bytes into a new file at path (mode 4 replaces an existing one).
bool WriteFile(ZafStorage &storage, const ZafIChar *path, const std::string &bytes, ZafNumberID id = 0)
{
    ZafStorageFile *file = storage.Open(path, ZAF_FILE_CREATE | ZAF_FILE_READWRITE, nullptr, id);
    if (!file)
        return false;
    file->WriteData(bytes.data(), int(bytes.size()));
    storage.Close(file);
    return true;
}

std::string ReadFile(ZafStorage &storage, const ZafIChar *path)
{
    ZafStorageFile *file = storage.Open(path, ZAF_FILE_READ);
    if (!file)
        return "<none>";
    std::string bytes(size_t(file->Length()), '\0');
    file->ReadData(&bytes[0], file->Length());
    storage.Close(file);
    return bytes;
}

// Makes a new storage file at name holding one file and saves it; answers
// the save's result.
int SaveNewStorage(const std::wstring &name, const ZafIChar *path, const std::string &bytes)
{
    ZafStorage storage(name.c_str(), ZAF_FILE_CREATE);
    WriteFile(storage, path, bytes);
    return storage.Save();
}

ZafUInt32 Word32(const std::vector<unsigned char> &bytes, size_t at)
{
    return ZafUInt32(bytes[at]) | ZafUInt32(bytes[at + 1]) << 8 | ZafUInt32(bytes[at + 2]) << 16 |
           ZafUInt32(bytes[at + 3]) << 24;
}

// A scratch folder of the test's own, holding the storage file "t".
class ZafStorageOnDisk : public ::testing::Test
{
protected:
    ZafScratchFolder folder{Widen(::testing::UnitTest::GetInstance()->current_test_info()->name())};
    std::wstring name = folder.Path(L"t");

private:
    static std::wstring Widen(const std::string &text) { return std::wstring(text.begin(), text.end()); }
};

} // namespace

TEST(ZafStorageFile, GrowsByDoublingAndClampsSeeks)
{
    ZafStorageFile file(ZAF_FILE_READWRITE, nullptr, 0);
    EXPECT_EQ(60, file.Capacity());
    std::string text(100, 'x');
    EXPECT_EQ(100, file.WriteData(text.data(), 100));
    EXPECT_EQ(120, file.Capacity());
    EXPECT_EQ(100, file.Length());
    EXPECT_TRUE(file.Modified());
    file.Seek(-500, 1);
    EXPECT_EQ(0, file.Tell());
    file.Seek(500, 0);
    EXPECT_EQ(100, file.Tell());
    char buffer[10];
    EXPECT_EQ(0, file.ReadData(buffer, 10));
    file.Seek(-4, 2);
    EXPECT_EQ(4, file.ReadData(buffer, 10));
}

TEST(ZafFile, StringsAreEightBitUnlessACharacterNeedsSixteen)
{
    ZafStorageFile file(ZAF_FILE_READWRITE, nullptr, 0);
    file.WriteString(L"abc");
    file.WriteString(L"\x20AC" L"1");
    file.WriteString(nullptr);
    file.WriteInt32(-2);
    const ZafUInt8 *data = file.Data();
    EXPECT_EQ(3, data[0]);
    EXPECT_EQ(0, data[1]);
    EXPECT_EQ('a', data[2]);
    EXPECT_EQ(2, data[5]);
    EXPECT_EQ(0x80, data[6]);
    EXPECT_EQ(0xAC, data[7]);
    EXPECT_EQ(0x20, data[8]);

    file.Seek(0, 0);
    ZafIChar buffer[8];
    EXPECT_EQ(3, file.ReadString(buffer, 8));
    EXPECT_STREQ(L"abc", buffer);
    ZafIChar *wide = file.ReadNewString();
    ASSERT_NE(nullptr, wide);
    EXPECT_STREQ(L"\x20AC" L"1", wide);
    delete[] wide;
    EXPECT_EQ(nullptr, file.ReadNewString());
    ZafInt32 value;
    file.ReadInt32(value);
    EXPECT_EQ(-2, value);
    EXPECT_EQ(0, file.Error());
}

TEST(ZafFile, ShortReadsSetError16AndAStringLongerThanTheFileIsRefused)
{
    ZafStorageFile file(ZAF_FILE_READWRITE, nullptr, 0);
    file.WriteUInt16(0x7FFF);   // claims 32767 characters
    file.WriteUInt8('a');
    file.Seek(0, 0);
    ZafIChar buffer[4];
    EXPECT_EQ(-1, file.ReadString(buffer, 4));
    EXPECT_EQ(16, file.Error());
    EXPECT_STREQ(L"", buffer);
    ZafInt32 value = 7;
    file.SetError(0);
    file.Seek(0, 2);
    EXPECT_EQ(0, file.ReadInt32(value));
    EXPECT_EQ(0, value);
    EXPECT_EQ(16, file.Error());
}

TEST(ZafFile, ReadStringCutsToTheBufferAndSkipsTheRest)
{
    ZafStorageFile file(ZAF_FILE_READWRITE, nullptr, 0);
    file.WriteString(L"abcdef");
    file.WriteString(L"z");
    file.Seek(0, 0);
    ZafIChar buffer[4];
    EXPECT_EQ(3, file.ReadString(buffer, 4));
    EXPECT_STREQ(L"abc", buffer);
    EXPECT_EQ(1, file.ReadString(buffer, 4));
    EXPECT_STREQ(L"z", buffer);
}

TEST_F(ZafStorageOnDisk, SavedFileHasTheSignatureHeaderAndReadsBackTheSameBytes)
{
    {
        ZafStorage storage(name.c_str(), ZAF_FILE_CREATE);
        ASSERT_EQ(0, storage.Error());
        EXPECT_FALSE(folder.Exists(L"t.zaf"));   // appears at Save
        ASSERT_EQ(0, storage.MkDir(L"~a", L"dirA", 7));
        ASSERT_TRUE(WriteFile(storage, L"~a~f", "hello data", 12));
        ASSERT_EQ(0, storage.Save(1));
    }
    std::vector<unsigned char> bytes = folder.Read(L"t.zaf");
    ASSERT_GT(bytes.size(), 72u);
    EXPECT_EQ(0, std::memcmp(bytes.data(), "Zaf5 Data File Version 5.1U", 27));
    EXPECT_EQ(0x1A, bytes[27]);
    for (int i = 28; i < 64; ++i)
        EXPECT_EQ(0, bytes[size_t(i)]);
    EXPECT_EQ(5, bytes[64]);
    EXPECT_EQ(6, bytes[65]);
    EXPECT_EQ(0xAF, bytes[66]);
    EXPECT_EQ(0x05, bytes[67]);
    EXPECT_EQ(0, std::memcmp(&bytes[72], "hello data", 10));
    EXPECT_EQ(82u, Word32(bytes, 68));

    ZafStorage reread(name.c_str(), ZAF_FILE_READ);
    ASSERT_EQ(0, reread.Error());
    EXPECT_EQ(0x0506, reread.Version());
    EXPECT_EQ("hello data", ReadFile(reread, L"~a~f"));
    ZafFindStruct find;
    ASSERT_EQ(0, reread.FindFirst(find, L"~a"));
    EXPECT_STREQ(L"dirA", find.stringID);
    EXPECT_EQ(7, find.numberID);
    EXPECT_EQ(ZAF_ENTRY_DIRECTORY, find.flags);
    ASSERT_EQ(0, reread.FindFirst(find, L"~a~f"));
    EXPECT_EQ(12, find.numberID);
    EXPECT_EQ(10u, find.size);
    EXPECT_EQ(ZafNumberID(10), reread.Save());   // read-only: 10
}

TEST_F(ZafStorageOnDisk, SecondSaveWithOneBackupLeavesBk1AndNoTemporaryFiles)
{
    ZafStorage storage(name.c_str(), ZAF_FILE_OPENCREATE);
    ASSERT_TRUE(WriteFile(storage, L"f", "one"));
    ASSERT_EQ(0, storage.Save(1));
    EXPECT_FALSE(folder.Exists(L"t.bk1"));
    ASSERT_TRUE(WriteFile(storage, L"f", "two"));
    ASSERT_EQ(0, storage.Save(1));
    EXPECT_TRUE(folder.Exists(L"t.bk1"));
    EXPECT_EQ("two", ReadFile(storage, L"f"));
    {
        ZafStorage backup(folder.Path(L"t.bk1").c_str(), ZAF_FILE_READ);
        EXPECT_EQ("one", ReadFile(backup, L"f"));
    }
    // The storage's own temporary file is the only other file.
    int temporaries = 0;
    for (const std::wstring &file : folder.Files())
        if (file.compare(0, 4, L"ZTMP") == 0)
            ++temporaries;
    EXPECT_EQ(1, temporaries);
}

TEST_F(ZafStorageOnDisk, AFileClosedTwiceIsWrittenOnceBySave)
{
    ZafStorage storage(name.c_str(), ZAF_FILE_CREATE);
    std::string data(1000, 'q');
    ASSERT_TRUE(WriteFile(storage, L"f", data));
    ZafStorageFile *file = storage.Open(L"f", ZAF_FILE_READWRITE);
    ASSERT_NE(nullptr, file);
    file->Seek(0, 0);
    file->WriteData("Q", 1);
    storage.Close(file);
    std::vector<unsigned char> temporary = folder.Read(ZafDiskFileSystem::FileNamePart(storage.TempFileName()));
    EXPECT_EQ(2000u, temporary.size());
    ASSERT_EQ(0, storage.Save());
    std::vector<unsigned char> saved = folder.Read(L"t.zaf");
    EXPECT_LT(saved.size(), 1200u);
    EXPECT_EQ('Q', saved[72]);
}

TEST_F(ZafStorageOnDisk, ForeignSignatureTextOpensWhenMagicAndMajorVersionFit)
{
    name = folder.Path(L"t.zaf");
    ASSERT_EQ(0, SaveNewStorage(name, L"f", "x"));
    std::vector<unsigned char> bytes = folder.Read(L"t.zaf");
    std::memcpy(bytes.data(), "Something else entirely   ", 27);
    bytes[65] = 9;
    folder.Write(L"t.zaf", bytes);
    ZafStorage storage(name.c_str(), ZAF_FILE_READ);
    EXPECT_EQ(0, storage.Error());
    EXPECT_EQ(0x0509, storage.Version());
    EXPECT_EQ("x", ReadFile(storage, L"f"));

    bytes[64] = 4;
    folder.Write(L"t.zaf", bytes);
    ZafStorage old(name.c_str(), ZAF_FILE_READ);
    EXPECT_EQ(18, old.Error());
    EXPECT_EQ(0, old.Root()->ChildCount());
}

TEST_F(ZafStorageOnDisk, MissingFileIsError14AndOpenCreateStartsEmpty)
{
    ZafStorage missing(folder.Path(L"none").c_str(), ZAF_FILE_READ);
    EXPECT_EQ(14, missing.Error());
    EXPECT_EQ(nullptr, missing.Open(L"f", ZAF_FILE_READ));
    ZafStorage created(folder.Path(L"new").c_str(), ZAF_FILE_OPENCREATE);
    EXPECT_EQ(0, created.Error());
    EXPECT_FALSE(folder.Exists(L"new.zaf"));
    EXPECT_TRUE(created.Writable());
}

TEST(ZafStorage, PathsResolveFromRootOrCurrentDirectoryWithDotsAndPatterns)
{
    ZafStorage storage;
    ASSERT_EQ(0, storage.MkDir(L"~a"));
    ASSERT_EQ(0, storage.MkDir(L"~a~b"));
    ASSERT_EQ(0, storage.ChDir(L"~a~b"));
    ZafIChar cwd[64];
    storage.GetCWD(cwd, 64);
    EXPECT_STREQ(L"~a~b", cwd);
    ASSERT_EQ(0, storage.ChDir(L"..~.~b~.."));
    storage.GetCWD(cwd, 64);
    EXPECT_STREQ(L"~a", cwd);
    EXPECT_EQ(0, storage.ChDir(L"~?"));
    EXPECT_EQ(-1, storage.ChDir(L"~A"));     // case matters
    EXPECT_EQ(2, storage.Error());
    EXPECT_EQ(-1, storage.ChDir(L"~a", L"other"));
    EXPECT_EQ(8, storage.Error());
    EXPECT_EQ(0, storage.ChDir(L"~"));
    storage.GetCWD(cwd, 64);
    EXPECT_STREQ(L"~", cwd);
    EXPECT_EQ(-1, storage.MkDir(L"~a"));       // exists
    EXPECT_EQ(-1, storage.MkDir(L"~x~y"));     // no directory x
}

TEST(ZafStorage, OpenWithoutTheDirectoryAnswersNullAndDirectoriesDoNotOpen)
{
    ZafStorage storage;
    EXPECT_EQ(nullptr, storage.Open(L"~a~b", ZAF_FILE_OPENCREATE));
    storage.MkDir(L"~a");
    EXPECT_EQ(nullptr, storage.Open(L"~a", ZAF_FILE_READ));
    EXPECT_EQ(nullptr, storage.Open(L"~a~missing", ZAF_FILE_READ));
    EXPECT_EQ(2, storage.Error());
}

TEST(ZafStorage, FindWalksTheChildrenInFileOrder)
{
    ZafStorage storage;
    storage.MkDir(L"~one");
    WriteFile(storage, L"~two", "2");
    storage.MkDir(L"~three");
    ZafFindStruct find;
    ASSERT_EQ(0, storage.FindFirst(find, L"~*"));
    EXPECT_STREQ(L"one", find.name);
    ASSERT_EQ(0, storage.FindNext(find, L"~*"));
    EXPECT_STREQ(L"two", find.name);
    ASSERT_EQ(0, storage.FindNext(find, L"~*"));
    EXPECT_STREQ(L"three", find.name);
    EXPECT_EQ(-1, storage.FindNext(find, L"~*"));
    ASSERT_EQ(0, storage.FindFirst(find, L"~t*e"));
    EXPECT_STREQ(L"three", find.name);
}

TEST(ZafStorage, RmDirRefusesTheRootAndNonEmptyDirectoriesUnlessRecursive)
{
    ZafStorage storage;
    storage.MkDir(L"~a");
    storage.MkDir(L"~a~b");
    EXPECT_EQ(-1, storage.RmDir(L"~"));
    EXPECT_EQ(-1, storage.RmDir(L"~a"));
    storage.ChDir(L"~a~b");
    EXPECT_EQ(-1, storage.RmDir(L"~a", true));   // holds the current directory
    storage.ChDir(L"~");
    EXPECT_EQ(0, storage.RmDir(L"~a", true));
    EXPECT_EQ(0, storage.Root()->ChildCount());
}

TEST(ZafStorage, RenameMovesAndRefusesAnExistingName)
{
    ZafStorage storage;
    storage.MkDir(L"~d");
    WriteFile(storage, L"~f", "data");
    WriteFile(storage, L"~g", "other");
    EXPECT_EQ(2, storage.Rename(L"~f", L"~g"));
    EXPECT_EQ(0, storage.Rename(L"~f", L"~d~h", L"sid", 5));
    EXPECT_EQ("data", ReadFile(storage, L"~d~h"));
    EXPECT_EQ("<none>", ReadFile(storage, L"~f"));
    EXPECT_EQ(2, storage.Rename(L"~d", L"~d~inside"));   // not into itself
    EXPECT_EQ(0, storage.Remove(L"~g"));
    EXPECT_EQ(2, storage.Remove(L"~g"));
    EXPECT_EQ(2, storage.Remove(L"~d"));                  // directories go through RmDir
}

TEST(ZafStorage, FileOpenWhileItsEntryIsRemovedClosesSafely)
{
    ZafStorage storage;
    WriteFile(storage, L"f", "data");
    ZafStorageFile *file = storage.Open(L"f", ZAF_FILE_READWRITE);
    ASSERT_NE(nullptr, file);
    EXPECT_EQ(0, storage.Remove(L"f"));
    file->WriteData("x", 1);
    storage.Close(file);
    EXPECT_EQ(0, storage.Root()->ChildCount());
}

TEST(ZafStorage, AFileOfAnotherStorageIsNotClosedIntoThisOne)
{
    ZafStorage one;
    ZafStorage other;
    ZafStorageFile *file = one.Open(L"f", ZAF_FILE_CREATE | ZAF_FILE_READWRITE);
    ASSERT_NE(nullptr, file);
    file->WriteData("abc", 3);
    other.Close(file);
    EXPECT_EQ(0, other.Root()->ChildCount());
    one.Close(file);
    EXPECT_EQ("abc", ReadFile(one, L"f"));
}

TEST_F(ZafStorageOnDisk, ReadOnlyStorageNeitherAddsNorReplacesEntries)
{
    SaveNewStorage(name, L"f", "keep");
    ZafStorage storage(name.c_str(), ZAF_FILE_READ);
    EXPECT_EQ(nullptr, storage.Open(L"g", ZAF_FILE_OPENCREATE));
    EXPECT_EQ(nullptr, storage.Open(L"f", ZAF_FILE_CREATE));
    EXPECT_EQ("keep", ReadFile(storage, L"f"));
    EXPECT_EQ(10, storage.Save());
}

TEST_F(ZafStorageOnDisk, SaveInterruptedByAFailingWriteLeavesThePreviousFileReadable)
{
    ASSERT_EQ(0, SaveNewStorage(name, L"f", "version one"));
    std::vector<unsigned char> before = folder.Read(L"t.zaf");
    auto *fileSystem = new ZafFailingDiskFileSystem;
    {
        ZafStorage storage(name.c_str(), ZAF_FILE_READWRITE, fileSystem);
        ASSERT_EQ(0, storage.Error());
        WriteFile(storage, L"f", "version two");
        fileSystem->failWrites = true;
        EXPECT_EQ(-1, storage.Save(1));
        EXPECT_NE(0, storage.Error());
        EXPECT_EQ(before, folder.Read(L"t.zaf"));
        EXPECT_FALSE(folder.Exists(L"t.bk1"));
        // Nothing in memory was lost either: a later save goes through.
        fileSystem->failWrites = false;
        EXPECT_EQ("version two", ReadFile(storage, L"f"));
        EXPECT_EQ(0, storage.Save(1));
    }
    ZafStorage reread(name.c_str(), ZAF_FILE_READ);
    EXPECT_EQ("version two", ReadFile(reread, L"f"));
    ZafStorage backup(folder.Path(L"t.bk1").c_str(), ZAF_FILE_READ);
    EXPECT_EQ("version one", ReadFile(backup, L"f"));
}

TEST_F(ZafStorageOnDisk, SaveCopiesTheNewFileInPlaceWhenItCannotBeRenamed)
{
    auto *fileSystem = new ZafFailingDiskFileSystem;
    fileSystem->failTemporaryRenames = true;
    {
        ZafStorage storage(name.c_str(), ZAF_FILE_CREATE, fileSystem);
        WriteFile(storage, L"f", std::string(10000, 'c'));
        ASSERT_EQ(0, storage.Save());
        EXPECT_EQ(std::string(10000, 'c'), ReadFile(storage, L"f"));
    }
    ZafStorage reread(name.c_str(), ZAF_FILE_READ);
    EXPECT_EQ(std::string(10000, 'c'), ReadFile(reread, L"f"));
    for (const std::wstring &file : folder.Files())
        EXPECT_NE(0, file.compare(0, 4, L"ZTMP")) << "left behind: " << std::string(file.begin(), file.end());
}

TEST_F(ZafStorageOnDisk, ShortCopyPutsThePreviousFileBackAndKeepsTheCompleteNewOne)
{
    ASSERT_EQ(0, SaveNewStorage(name, L"f", "old"));
    auto *fileSystem = new ZafFailingDiskFileSystem;
    std::wstring newFile;
    {
        ZafStorage storage(name.c_str(), ZAF_FILE_READWRITE, fileSystem);
        WriteFile(storage, L"f", "new");
        fileSystem->failTemporaryRenames = true;
        fileSystem->failWritesTo = L"t.zaf";
        EXPECT_EQ(-1, storage.Save(1));
        EXPECT_EQ(17, storage.Error());
        EXPECT_FALSE(folder.Exists(L"t.bk1"));
        // The storage still reads its data.
        EXPECT_EQ("new", ReadFile(storage, L"f"));
        std::wstring ownTemporary = ZafDiskFileSystem::FileNamePart(storage.TempFileName());
        for (const std::wstring &file : folder.Files())
            if (file.compare(0, 4, L"ZTMP") == 0 && file != ownTemporary)
                newFile = file;
    }
    ZafStorage previous(name.c_str(), ZAF_FILE_READ);
    EXPECT_EQ("old", ReadFile(previous, L"f"));
    ASSERT_FALSE(newFile.empty());
    ZafStorage kept(folder.Path(newFile).c_str(), ZAF_FILE_READ);
    EXPECT_EQ("new", ReadFile(kept, L"f"));
}

TEST_F(ZafStorageOnDisk, FailedReopenAfterSaveLeavesAClearErrorStateAndTheSavedFile)
{
    auto *fileSystem = new ZafFailingDiskFileSystem;
    {
        ZafStorage storage(name.c_str(), ZAF_FILE_CREATE, fileSystem);
        WriteFile(storage, L"f", "saved");
        ASSERT_EQ(0, storage.Save());
        fileSystem->failOpensOf = L"t.zaf";
        WriteFile(storage, L"g", "also saved");
        EXPECT_EQ(-1, storage.Save());
        EXPECT_EQ(14, storage.Error());
        // Entries whose data lay in the file that could not be reopened
        // answer an error instead of reading a closed file.
        EXPECT_EQ(nullptr, storage.Open(L"f", ZAF_FILE_READ));
        EXPECT_EQ(14, storage.Error());
    }
    ZafStorage reread(name.c_str(), ZAF_FILE_READ);
    EXPECT_EQ("saved", ReadFile(reread, L"f"));
    EXPECT_EQ("also saved", ReadFile(reread, L"g"));
}

TEST_F(ZafStorageOnDisk, SaveAsWritesUnderTheNewNameWithZafAdded)
{
    ZafStorage storage;
    WriteFile(storage, L"f", "abc");
    EXPECT_EQ(-1, storage.Save());
    EXPECT_EQ(14, storage.Error());
    EXPECT_EQ(0, storage.SaveAs(folder.Path(L"named").c_str()));
    EXPECT_TRUE(folder.Exists(L"named.zaf"));
    EXPECT_STREQ(L"named.zaf", storage.StringID());
    EXPECT_EQ(L"dir.x\\t.zaf", ZafStorage::StorageFileName(L"dir.x\\t"));
    EXPECT_EQ(L"t.dat", ZafStorage::StorageFileName(L"t.dat"));
    ZafStorage reread(folder.Path(L"named").c_str(), ZAF_FILE_READ);
    EXPECT_EQ("abc", ReadFile(reread, L"f"));
}

TEST_F(ZafStorageOnDisk, TreesAreKeptWithinTheDepthAFileCanBeReadBackWith)
{
    std::wstring name = folder.Path(L"deep");
    {
        ZafStorage storage(name.c_str(), ZAF_FILE_CREATE);
        int made = 0;
        while (storage.MkDir(L"d") == 0 && storage.ChDir(L"d") == 0)
            ++made;
        EXPECT_EQ(ZAF_STORAGE_MAX_DEPTH, made);
        EXPECT_EQ(nullptr, storage.Open(L"f", ZAF_FILE_OPENCREATE));
        storage.ChDir(L"..");
        EXPECT_TRUE(WriteFile(storage, L"f", "deepest"));
        ASSERT_EQ(0, storage.Save());
    }
    ZafStorage reread(name.c_str(), ZAF_FILE_READ);
    EXPECT_EQ(0, reread.Error());
    std::wstring path;
    for (int i = 0; i < ZAF_STORAGE_MAX_DEPTH - 1; ++i)
        path += L"d~";
    EXPECT_EQ("deepest", ReadFile(reread, (path + L"f").c_str()));
}
