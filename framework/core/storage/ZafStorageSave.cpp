// Saving a storage: a complete new file is written next to the storage file
// first; only then are the backups rotated and the new file put in place.
// Whatever fails, the previous file (or its backup) and the complete new
// file stay on disk and the error is reported.

#include "framework/core/storage/ZafStorage.h"

#include "framework/core/storage/ZafDiskFileSystem.h"

#include <cstring>

namespace {

using OffsetList = std::vector<std::pair<ZafDirectoryElement *, ZafInt32>>;

const char signatureText[] = "Zaf5 Data File Version 5.1U";
constexpr int copyBlock = 4096;

} // namespace

int ZafStorage::SaveAs(const ZafIChar *newName, int backups)
{
    if (!Writable())
        return ZAF_FILE_ERROR_NOT_WRITABLE;
    if (!newName || !*newName)
        return -1;
    SetName(newName);
    return Save(backups);
}

std::wstring ZafStorage::BackupName(int number) const
{
    return ZafDiskFileSystem::ReplaceExtension(fileName, L"bk" + std::to_wstring(number));
}

int ZafStorage::Save(int backups)
{
    if (!Writable())
        return ZAF_FILE_ERROR_NOT_WRITABLE;
    error = 0;
    if (fileName.empty()) {
        error = ZAF_FILE_ERROR_OPEN;
        return -1;
    }
    backups = backups < 0 ? 0 : backups > ZAF_STORAGE_MAX_BACKUPS ? ZAF_STORAGE_MAX_BACKUPS : backups;
    std::wstring newName = diskFileSystem->TempName(ZafDiskFileSystem::DirectoryPart(fileName));
    ZafDiskFile *out = static_cast<ZafDiskFile *>(diskFileSystem->Open(newName.c_str(), ZAF_FILE_CREATE | ZAF_FILE_BINARY));
    if (out->Error()) {
        diskFileSystem->Close(out);
        error = ZAF_FILE_ERROR_OPEN;
        return ZAF_FILE_ERROR_OPEN;
    }
    OffsetList offsets;
    bool written = WriteStorage(*out, offsets);
    written = out->CloseStream() && written;
    delete out;
    if (!written) {
        // Nothing has changed: the storage still reads its old files.
        diskFileSystem->Remove(newName.c_str());
        if (!error)
            error = ZAF_FILE_ERROR_FORMAT;
        return -1;
    }
    if (storageFile)
        storageFile->CloseStream();
    if (!PutInPlace(newName, backups)) {
        // The previous file is back in place; reopen it for the entries.
        if (storageFile) {
            diskFileSystem->Close(storageFile);
            ZafDiskFile *previous = static_cast<ZafDiskFile *>(
                diskFileSystem->Open(fileName.c_str(), ZAF_FILE_READWRITE | ZAF_FILE_BINARY));
            ZafDiskFile *old = storageFile;
            storageFile = nullptr;
            if (previous->Error()) {
                PointEntriesAt(root, old, nullptr);
                diskFileSystem->Close(previous);
            } else {
                PointEntriesAt(root, old, previous);
                storageFile = previous;
            }
        }
        return -1;
    }
    ReopenAfterSave(offsets);
    return error ? -1 : 0;
}

bool ZafStorage::WriteStorage(ZafFile &out, OffsetList &offsets)
{
    ZafUInt8 header[64] = {};
    std::memcpy(header, signatureText, sizeof signatureText - 1);
    header[sizeof signatureText - 1] = 0x1A;
    out.WriteBlock(header, 1, 64);
    out.WriteUInt8(5);
    out.WriteUInt8(6);
    out.WriteUInt16(ZAF_STORAGE_MAGIC);
    out.WriteUInt32(0);
    if (out.Error() || !CopyData(out, root, offsets))
        return false;
    ZafInt32 directoryOffset = out.Tell();
    size_t index = 0;
    out.WriteString(L"~");
    if (!WriteRecord(out, root, offsets, index) || out.Error())
        return false;
    if (out.Seek(68, 0) != 0 || !out.WriteUInt32(ZafUInt32(directoryOffset)))
        return false;
    return out.Error() == 0;
}

bool ZafStorage::CopyData(ZafFile &out, ZafDirectoryElement *entry, OffsetList &offsets)
{
    ZafInt32 offset = -1;
    if (entry->offset >= 0) {
        if (!entry->file) {
            error = ZAF_FILE_ERROR_OPEN;
            return false;
        }
        offset = out.Tell();
        std::vector<ZafUInt8> data(size_t(entry->length > 0 ? entry->length : 1));
        if (entry->file->Seek(entry->offset, 0) != 0 ||
            entry->file->ReadData(data.data(), entry->length) != entry->length ||
            out.WriteData(data.data(), entry->length) != entry->length) {
            error = ZAF_FILE_ERROR_FORMAT;
            return false;
        }
    }
    offsets.emplace_back(entry, offset);
    for (ZafDirectoryElement *child = entry->FirstChild(); child; child = child->NextSibling())
        if (!CopyData(out, child, offsets))
            return false;
    return true;
}

bool ZafStorage::WriteRecord(ZafFile &out, ZafDirectoryElement *entry, const OffsetList &offsets, size_t &index)
{
    // The entries come in the same pre-order as CopyData listed them.
    ZafInt32 offset = offsets[index++].second;
    out.WriteString(entry->StringID());
    out.WriteInt16(entry->NumberID());
    out.WriteInt32(offset);
    out.WriteInt32(offset == -1 ? 0 : entry->length);
    out.WriteUInt16(entry->flags);
    for (ZafDirectoryElement *child = entry->FirstChild(); child; child = child->NextSibling()) {
        out.WriteString(child->Name());
        if (!WriteRecord(out, child, offsets, index))
            return false;
    }
    out.WriteString(nullptr);
    return out.Error() == 0;
}

bool ZafStorage::PutInPlace(const std::wstring &newFile, int backups)
{
    const wchar_t *target = fileName.c_str();
    bool hadFile = diskFileSystem->Exists(target);
    std::wstring aside;
    if (hadFile && backups > 0) {
        diskFileSystem->Remove(BackupName(backups).c_str());
        for (int i = backups - 1; i >= 1; --i)
            diskFileSystem->Rename(BackupName(i).c_str(), BackupName(i + 1).c_str());
        aside = BackupName(1);
    } else if (hadFile)
        aside = diskFileSystem->TempName(ZafDiskFileSystem::DirectoryPart(fileName));
    if (hadFile && diskFileSystem->Rename(target, aside.c_str()) != 0) {
        error = ZAF_FILE_ERROR_OPEN;
        diskFileSystem->Remove(newFile.c_str());
        return false;
    }
    if (diskFileSystem->Rename(newFile.c_str(), target) != 0 && !CopyFile(newFile, fileName)) {
        // The copy failed: the previous file goes back in place; the complete
        // new file stays where it is.
        diskFileSystem->Remove(target);
        if (hadFile)
            diskFileSystem->Rename(aside.c_str(), target);
        return false;
    }
    if (hadFile && backups == 0)
        diskFileSystem->Remove(aside.c_str());
    if (diskFileSystem->Exists(newFile.c_str()))
        diskFileSystem->Remove(newFile.c_str());
    return true;
}

bool ZafStorage::CopyFile(const std::wstring &from, const std::wstring &to)
{
    ZafDiskFile *in = static_cast<ZafDiskFile *>(diskFileSystem->Open(from.c_str(), ZAF_FILE_READ | ZAF_FILE_BINARY));
    ZafDiskFile *out = static_cast<ZafDiskFile *>(diskFileSystem->Open(to.c_str(), ZAF_FILE_CREATE | ZAF_FILE_BINARY));
    if (in->Error() || out->Error()) {
        diskFileSystem->Close(in);
        diskFileSystem->Close(out);
        error = ZAF_FILE_ERROR_OPEN;
        return false;
    }
    ZafUInt8 block[copyBlock];
    bool ok = true;
    for (;;) {
        int read = in->ReadData(block, copyBlock);
        if (read <= 0)
            break;
        if (out->WriteData(block, read) != read) {
            ok = false;
            break;
        }
    }
    ok = out->CloseStream() && ok;
    diskFileSystem->Close(in);
    delete out;
    if (!ok)
        error = ZAF_FILE_ERROR_SHORT_COPY;
    return ok;
}

void ZafStorage::PointEntriesAt(ZafDirectoryElement *entry, ZafFile *from, ZafFile *to)
{
    if (entry->file == from)
        entry->file = to;
    for (ZafDirectoryElement *child = entry->FirstChild(); child; child = child->NextSibling())
        PointEntriesAt(child, from, to);
}

void ZafStorage::ReopenAfterSave(const OffsetList &offsets)
{
    ZafDiskFile *old = storageFile;
    storageFile = static_cast<ZafDiskFile *>(
        diskFileSystem->Open(fileName.c_str(), ZAF_FILE_READWRITE | ZAF_FILE_BINARY));
    if (storageFile->Error()) {
        // A clear error state: entries whose data lay in the closed file read
        // as error 14; those in the temporary file keep their data.
        diskFileSystem->Close(storageFile);
        storageFile = nullptr;
        if (old) {
            PointEntriesAt(root, old, nullptr);
            diskFileSystem->Close(old);
        }
        error = ZAF_FILE_ERROR_OPEN;
        return;
    }
    if (old)
        diskFileSystem->Close(old);
    // Every entry with data now lies in the saved file.
    for (const auto &placed : offsets) {
        placed.first->offset = placed.second;
        placed.first->file = placed.second >= 0 ? storageFile : nullptr;
        if (placed.second < 0)
            placed.first->length = 0;
    }
    if (tempFile) {
        diskFileSystem->Close(tempFile);
        diskFileSystem->Remove(tempName.c_str());
        tempFile = nullptr;
    }
    tempName = diskFileSystem->TempName(ZafDiskFileSystem::DirectoryPart(fileName));
    MakeTempFile();
}
