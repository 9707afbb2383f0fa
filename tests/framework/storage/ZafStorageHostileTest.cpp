// Damaged and hostile data files: each opens with an error or a consistent
// tree, never a crash or a huge allocation.

#include "ZafStorageTestSupport.h"

#include "framework/core/storage/ZafStorage.h"

#include <gtest/gtest.h>

#include <random>

namespace {

using Bytes = std::vector<unsigned char>;

void Put16(Bytes &bytes, unsigned value)
{
    bytes.push_back(static_cast<unsigned char>(value));
    bytes.push_back(static_cast<unsigned char>(value >> 8));
}

void Put32(Bytes &bytes, ZafUInt32 value)
{
    for (int i = 0; i < 4; ++i)
        bytes.push_back(static_cast<unsigned char>(value >> (8 * i)));
}

void PutString(Bytes &bytes, const std::string &text)
{
    Put16(bytes, unsigned(text.size()));
    bytes.insert(bytes.end(), text.begin(), text.end());
}

// A header whose directory starts right after it (offset 72).
Bytes Header()
{
    Bytes bytes(64, 0);
    const char signature[] = "Zaf5 Data File Version 5.1U";
    std::copy(signature, signature + 27, bytes.begin());
    bytes[27] = 0x1A;
    bytes.push_back(5);
    bytes.push_back(6);
    Put16(bytes, 0x05AF);
    Put32(bytes, 72);
    return bytes;
}

void PutRecord(Bytes &bytes, ZafInt32 offset, ZafInt32 length, unsigned flags)
{
    PutString(bytes, "");
    Put16(bytes, 0);
    Put32(bytes, ZafUInt32(offset));
    Put32(bytes, ZafUInt32(length));
    Put16(bytes, flags);
}

// A directory entry: its name and a record marking it a directory.
void PutDirectory(Bytes &bytes, const std::string &name)
{
    PutString(bytes, name);
    PutRecord(bytes, -1, 0, 1);
}

// A file entry: its name and a record of where its data lies.
void PutFile(Bytes &bytes, const std::string &name, ZafInt32 offset, ZafInt32 length)
{
    PutString(bytes, name);
    PutRecord(bytes, offset, length, 0);
}

// The empty names that close count directory lists.
void PutEnds(Bytes &bytes, int count)
{
    for (int i = 0; i < count; ++i)
        PutString(bytes, "");
}

// Walks the whole tree and reads every file: nothing may crash.
int ReadEverything(ZafStorage &storage, ZafDirectoryElement *directory, const std::wstring &path)
{
    int files = 0;
    for (ZafDirectoryElement *child = directory->FirstChild(); child; child = child->NextSibling()) {
        std::wstring childPath = path + L"~" + child->Name();
        if (child->IsDirectory())
            files += ReadEverything(storage, child, childPath);
        else if (ZafStorageFile *file = storage.Open(childPath.c_str(), ZAF_FILE_READ)) {
            unsigned char buffer[64];
            while (file->ReadData(buffer, sizeof buffer) > 0) { }
            storage.Close(file);
            ++files;
        }
    }
    return files;
}

class ZafStorageHostile : public ::testing::Test
{
protected:
    ZafScratchFolder folder{ L"hostile" };

    // Opens bytes as a storage; answers its error.
    ZafError Open(const Bytes &bytes)
    {
        folder.Write(L"h.zaf", bytes);
        ZafStorage storage(folder.Path(L"h.zaf").c_str(), ZAF_FILE_READ);
        if (storage.Error() == 0)
            ReadEverything(storage, storage.Root(), L"");
        else
            EXPECT_EQ(0, storage.Root()->ChildCount());
        return storage.Error();
    }

    Bytes ValidFile()
    {
        std::wstring name = folder.Path(L"valid");
        {
            ZafStorage storage(name.c_str(), ZAF_FILE_CREATE);
            storage.MkDir(L"~a", L"first", 3);
            storage.MkDir(L"~a~b");
            const ZafIChar *paths[] = { L"~a~f", L"~a~b~g", L"~h", L"~a~b~\x20AC" };
            for (const ZafIChar *path : paths) {
                ZafStorageFile *file = storage.Open(path, ZAF_FILE_CREATE | ZAF_FILE_READWRITE);
                file->WriteString(path);
                file->WriteInt32(12345);
                storage.Close(file);
            }
            storage.Save();
        }
        return folder.Read(L"valid.zaf");
    }
};

} // namespace

TEST_F(ZafStorageHostile, EveryTruncationOpensWithAnErrorOrAConsistentTree)
{
    Bytes valid = ValidFile();
    ASSERT_GT(valid.size(), 100u);
    EXPECT_EQ(0, Open(valid));
    for (size_t length = 0; length < valid.size(); ++length) {
        Bytes cut(valid.begin(), valid.begin() + long(length));
        ZafError error = Open(cut);
        EXPECT_TRUE(error == 16 || error == 18) << "length " << length << " error " << error;
    }
}

TEST_F(ZafStorageHostile, RandomlyDamagedFilesNeverCrash)
{
    Bytes valid = ValidFile();
    std::mt19937 random(20261207);
    int rejected = 0;
    const int runs = 400;
    for (int run = 0; run < runs; ++run) {
        Bytes damaged = valid;
        int changes = 1 + int(random() % 6);
        for (int i = 0; i < changes; ++i) {
            // Mostly the header words and the directory, sometimes anywhere.
            size_t at = (random() % 3 == 0) ? 64 + random() % 8 : random() % damaged.size();
            damaged[at] = static_cast<unsigned char>(random());
        }
        if (run % 10 == 0)
            damaged.resize(random() % damaged.size());
        ZafError error = Open(damaged);
        EXPECT_TRUE(error == 0 || error == 16 || error == 18) << "run " << run << " error " << error;
        rejected += error ? 1 : 0;
    }
    EXPECT_GT(rejected, runs / 4);
}

TEST_F(ZafStorageHostile, GarbageFilesAreRejected)
{
    std::mt19937 random(77);
    for (int run = 0; run < 100; ++run) {
        Bytes garbage(size_t(random() % 400));
        for (unsigned char &c : garbage)
            c = static_cast<unsigned char>(random());
        ZafError error = Open(garbage);
        EXPECT_TRUE(error == 16 || error == 18) << "run " << run;
    }
}

TEST_F(ZafStorageHostile, OffsetsAndLengthsOutsideTheFileAreError16)
{
    // Directory offset past the end.
    Bytes bytes = Header();
    bytes[68] = 0xFF;
    bytes[69] = 0xFF;
    EXPECT_EQ(16, Open(bytes));

    // A file whose data runs past the end, one with a huge length, one with
    // a negative length, and one whose data overlaps the header.
    const ZafInt32 cases[][2] = { { 72, 1000 }, { 72, 0x7FFFFFF0 }, { 72, -5 }, { 10, 4 } };
    for (const auto &entry : cases) {
        Bytes file = Header();
        PutDirectory(file, "~");
        PutFile(file, "f", entry[0], entry[1]);
        PutEnds(file, 2);
        EXPECT_EQ(16, Open(file)) << entry[0] << " " << entry[1];
    }
}

TEST_F(ZafStorageHostile, OverLongNamesAndDeepNestingAreRefused)
{
    Bytes longName = Header();
    PutDirectory(longName, "~");
    PutDirectory(longName, std::string(300, 'n'));
    PutEnds(longName, 2);
    EXPECT_EQ(16, Open(longName));

    Bytes deep = Header();
    PutDirectory(deep, "~");
    const int depth = 5000;
    for (int i = 0; i < depth; ++i)
        PutDirectory(deep, "d");
    PutEnds(deep, depth + 1);
    EXPECT_EQ(16, Open(deep));

    // A hand-made file within the limits opens.
    Bytes fine = Header();
    PutDirectory(fine, "~");
    PutDirectory(fine, "d");
    PutEnds(fine, 2);
    EXPECT_EQ(0, Open(fine));
}

TEST_F(ZafStorageHostile, ChildrenOfAFileAreRefused)
{
    Bytes bytes = Header();
    PutDirectory(bytes, "~");
    PutFile(bytes, "f", -1, 0);
    PutFile(bytes, "child", -1, 0);
    PutEnds(bytes, 3);
    EXPECT_EQ(16, Open(bytes));
}
