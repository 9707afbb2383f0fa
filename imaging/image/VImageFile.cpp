// VImage: the image header record and the block file beside the document
// (see docs/image-files.md).
#include "imaging/image/VImage.h"

#include "foundation/errors/KX.h"
#include "foundation/log/KLog.h"
#include "foundation/streams/KPersistent.h"
#include "imaging/image/VImageServices.h"
#include "imaging/image/VImagingTexts.h"
#include "imaging/store/VImageBlock.h"
#include "imaging/views/VImageView.h"

#include <algorithm>
#include <memory>
#include <vector>

namespace
{
constexpr uint32_t kReservedWords = 9;
constexpr int32_t kMaxBlocks = 131072;  // a 2 GB block file
constexpr int32_t kMaxFramesPerBlock = VImageBlockIndex::kMaxFramesPerBlock;
const wchar_t *const kViewClass = L"VImageView";
const wchar_t *const kDefaultExtension = L"img";

void LogImport(const wchar_t *condition)
{
    if (KLog *log = KProgramLog())
        log->Consistency(L"VImage", L"Import", condition);
}

KListItem *MakeView(const KString &className, void *image)
{
    if (className != kViewClass)
        return nullptr;
    return new VImageView(static_cast<VImage *>(image), -1);
}

// An extension that stays beside the document: no folder, drive or parent.
bool IsPlainExtension(const KString &extension)
{
    if (extension.IsEmpty() || extension.Length() > 16)
        return false;
    for (int i = 0; i < extension.Length(); ++i) {
        const wchar_t c = extension[i];
        if (c == L'\\' || c == L'/' || c == L':' || c < L' ' || (c == L'.' && extension[i + 1] == L'.'))
            return false;
    }
    return true;
}

KFile &StreamFile(KStream &stream)
{
    auto *file = dynamic_cast<KFile *>(&stream);
    // The block file is named after the document: a stream without a path has none.
    if (!file)
        throw KXStream(kErrFileAccess);
    return *file;
}

void Progress(const wchar_t *key, int32_t percent)
{
    if (VImageProgress *progress = VImageProgress::Installed()) {
        if (key) {
            KString text;
            VImagingText(key, text);
            progress->SetText(text);
        }
        progress->SetPercent(percent);
    }
}
} // namespace

void VImage::BlockFilePath(const KString &documentPath, KString &out) const
{
    KFile file(documentPath.CStr());
    file.SetExtension(itsExtension.IsEmpty() ? KString(kDefaultExtension) : itsExtension);
    file.GetFullName(out);
}

void VImage::OpenBlockFile(KFile &file, bool create)
{
    try {
        file.Open(KFile::kModeReadWrite, create);
    } catch (const KXStream &) {
        if (create || !file.Exists())
            throw;
        file.Open(KFile::kModeRead);  // a read-only file is read as it is
    }
    // Only a file being written is extended: reading changes no file.
    if (create && file.GetSize() < kBlockBytes)
        file.SetSize(kBlockBytes);
}

bool VImage::CheckImageFile(const KFile &streamFile) const
{
    if (!itsBlockFile.IsOpen())
        return false;
    KString path;
    BlockFilePath(streamFile.FullName(), path);
    return itsBlockFile.FullName().EqualsIgnoreCase(path);
}

int32_t VImage::CountBlocksToWrite()
{
    if (itsCamera.IsModel101()) {
        const int32_t perBlock = itsCamera.FramesPerBlock();
        return (itsFrameCount + perBlock - 1) / perBlock;
    }
    if (!HasGaps())
        return itsBlockCount;
    Progress(kTextCalculating, 0);
    int32_t blocks = 0, source = 0;
    for (bool restart = true; CreateBlock(nullptr, restart, source); restart = false) {
        ++blocks;
        Progress(nullptr, itsBlockCount > 0 ? std::min(100, blocks * 100 / itsBlockCount) : 0);
    }
    return blocks;
}

void VImage::Export(KStream &stream)
{
    KFile &document = StreamFile(stream);
    if (itsExtension.IsEmpty())
        itsExtension = kDefaultExtension;
    stream.WriteU32(kRecordVersion);
    stream.WriteI32(GetId());
    stream.WriteU32(itsFlags & ~kFlagCapturing);
    itsCamera.Write(stream);
    itsViews.Write(stream);
    itsExtension.Write(stream);
    stream.WriteU32(0);
    stream.WriteU32(kBlockBytes);
    const bool packing = HasGaps() || itsCamera.IsModel101();
    const int32_t blocks = CountBlocksToWrite();
    stream.WriteI32(blocks);
    stream.WriteI32(itsFrameCount);
    stream.WriteU32(uint32_t(itsCamera.FramesPerBlock()));
    stream.WriteU32(0);
    if (IsGrey())
        for (int i = 0; i < 256; ++i)
            stream.WriteU8(uint8_t(itsLevelMap[i]));
    else if (IsColour())
        for (int i = 0; i < 128; ++i)
            stream.WriteU16(uint16_t(itsLevelMap[i]));
    stream.WriteI32(itsCropPosition);
    for (uint32_t i = 0; i < kReservedWords; ++i)
        stream.WriteU32(0);

    KString path;
    BlockFilePath(document.FullName(), path);
    if (path.EqualsIgnoreCase(document.FullName()))
        throw KXStream(kErrFileAccess);  // the blocks would overwrite the document
    std::unique_ptr<KFile> separate;
    int32_t first = std::max(0, itsSavedBlocks);
    if (!itsBlockFile.IsOpen()) {
        itsBlockFile.SetFullName(path);
        OpenBlockFile(itsBlockFile, true);
        itsTemporary = false;
        first = 0;
    } else if (!CheckImageFile(document)) {
        bool moved = false;
        if (itsTemporary) {
            KFile(path.CStr()).Delete();
            moved = itsBlockFile.Move(path);
        }
        if (!moved) {
            separate = std::make_unique<KFile>(path.CStr());
            OpenBlockFile(*separate, true);
            first = 0;
        }
    }
    // Packed blocks come from the stored ones, which must not be overwritten
    // before they are read: they go to a file of their own.
    if (HasGaps() && !separate) {
        KString scratch(path);
        scratch.Append(L"~");
        separate = std::make_unique<KFile>(scratch.CStr());
        OpenBlockFile(*separate, true);
    }
    KFile &target = separate ? *separate : itsBlockFile;
    target.SetSize(int64_t(kBlockBytes) * (blocks + 1));
    Progress(kTextSaving, 0);
    WriteBlocks(target, blocks, packing ? 0 : first, packing);

    if (separate) {
        if (itsTemporary)
            itsBlockFile.Delete();
        else if (!itsBlockFile.FullName().EqualsIgnoreCase(path)) {
            if (itsSavedBlocks >= 0 && itsBlockFile.Mode() != KFile::kModeRead)
                itsBlockFile.SetSize(int64_t(kBlockBytes) * (itsSavedBlocks + 1));
            itsBlockFile.Close();
        } else {
            itsBlockFile.Close();
        }
        if (!separate->FullName().EqualsIgnoreCase(path) && !separate->Move(path))
            throw KXStream(kErrFileAccess);
        itsBlockFile.TakeOver(*separate);
        itsBlockFile.SetFullName(path);
    }
    itsBlockFile.SetSize(int64_t(kBlockBytes) * (blocks + 1));
    if (packing) {
        itsGaps.clear();
        itsBlocks.ReturnAll();
        // The packed blocks number their frames afresh.
        if (!itsCamera.IsModel101())
            IndexBlockFile(blocks, itsFrameCount);
    }
    if (VImageProgress *progress = VImageProgress::Installed())
        progress->Close();
    itsBlockCount = blocks;
    itsSavedBlocks = blocks;
    itsSavedFrames = itsFrameCount;
    itsTemporary = false;
    itsWroteUnsaved = false;
    itsBlocks.ClearLow();
}

void VImage::WriteBlocks(KFile &file, int32_t blocks, int32_t first, bool packing)
{
    std::vector<uint8_t> buffer(kBlockBytes);
    const int32_t height = PixelsPerFrame();
    const int32_t perBlock = itsCamera.FramesPerBlock();
    int32_t source = 0;
    for (int32_t i = first; i < blocks; ++i) {
        const uint8_t *bytes = nullptr;
        VImageBlock scratch(i);
        if (itsCamera.IsModel101()) {
            // Whole slots of displayed frames; block i at 16000 x (i + 1), so
            // that reading block i back finds its frames.
            std::fill(buffer.begin(), buffer.end(), 0);
            for (int32_t k = 0; k < perBlock && i * perBlock + k < itsFrameCount; ++k) {
                const uint8_t *pixels = FramePixels(i * perBlock + k);
                if (!pixels)
                    throw KXStream(kErrFileAccess);
                std::copy(pixels, pixels + height, buffer.begin() + k * height);
            }
            bytes = buffer.data();
        } else if (packing) {
            scratch.SetImage(this);
            if (!CreateBlock(&scratch, i == 0, source))
                throw KXStream(kErrFileAccess);
            scratch.SetImage(nullptr);
            bytes = scratch.Bytes();
        } else {
            VImageBlock *block = Block(i);
            if (!block)
                throw KXStream(kErrFileAccess);
            bytes = block->Bytes();
        }
        file.Seek(int64_t(kBlockBytes) * (i + 1));
        file.Write(bytes, kBlockBytes);
        Progress(nullptr, blocks > 0 ? i * 100 / blocks : 0);
    }
}

void VImage::Import(KStream &stream)
{
    try {
        ReadHeader(stream);
        ReconcileBlockFile();
    } catch (const KX &error) {
        if (error.Code() == kErrFileOpen || error.Code() == kErrFileRead)
            throw KXPersistent(error.Code() == kErrFileOpen ? kErrImageFile : kErrFileContents);
        throw;
    }
}

void VImage::ReadHeader(KStream &stream)
{
    KPersistent::ReadVersion(stream, {kRecordVersion});
    const int32_t id = stream.ReadI32();
    const uint32_t flags = stream.ReadU32();
    VCamera camera;
    camera.Read(stream);
    KSparseArray views;
    views.Read(stream, MakeView, this);
    KString extension;
    extension.Read(stream);
    if (!IsPlainExtension(extension))
        throw KXPersistent(kErrFileContents);
    if (extension[0] == L'.')
        extension.Extract(extension, 1, -1);
    if (extension[0] == L'C') {
        KString rest;
        extension.Extract(rest, 1, -1);
        extension = L"i";
        extension.Append(rest);
    }
    if (!IsPlainExtension(extension))
        throw KXPersistent(kErrFileContents);
    stream.ReadU32();
    stream.ReadU32();
    const int32_t blocks = stream.ReadI32();
    const int32_t frames = stream.ReadI32();
    stream.ReadU32();
    stream.ReadU32();
    if (blocks < 0 || blocks > kMaxBlocks || frames < 0 || int64_t(frames) > int64_t(blocks) * kMaxFramesPerBlock)
        throw KXPersistent(kErrFileContents);
    const int32_t pixelFormat = camera.Parameter(VCamera::kPixelFormat);
    int32_t levels[256];
    for (int i = 0; i < 256; ++i)
        levels[i] = i;
    if (pixelFormat == 0)
        for (int i = 0; i < 256; ++i)
            levels[i] = stream.ReadU8();
    else if (pixelFormat == 1)
        for (int i = 0; i < 128; ++i)
            levels[i] = std::min<int32_t>(stream.ReadU16(), 93);
    const int32_t crop = stream.ReadI32();
    for (uint32_t i = 0; i < kReservedWords; ++i)
        stream.ReadU32();

    // Everything read: the image takes it.
    KMessageObject::SetId(id);
    itsFlags = (flags & (kFlagMade | kFlagEnhanced)) | kFlagMade;
    itsCamera.CopyFrom(camera, VCamera::kCopyParameters | VCamera::kCopyFlags | VCamera::kCopyIdentity |
                                   VCamera::kCopyDisplay);
    itsViews.DeleteAll();
    itsViews.MoveFrom(views);
    itsExtension = extension;
    itsBlocks.ReturnAll();
    itsIndex.Clear();
    itsGaps.clear();
    itsBlockCount = blocks;
    itsFrameCount = frames;
    itsCropPosition = std::clamp(crop, 0, frames);
    for (int i = 0; i < 256; ++i)
        itsLevelMap[i] = levels[i];
    ApplyDisplayMap();

    itsBlocks.ClearLow();
    KString path;
    BlockFilePath(StreamFile(stream).FullName(), path);
    if (path.EqualsIgnoreCase(StreamFile(stream).FullName()))
        throw KXPersistent(kErrFileContents);
    itsBlockFile.Close();
    itsBlockFile.SetFullName(path);
    itsTemporary = false;
    OpenBlockFile(itsBlockFile, false);
}

void VImage::ReconcileBlockFile()
{
    const int64_t onFile64 = (itsBlockFile.GetSize() - kBlockBytes) / kBlockBytes;
    const int32_t onFile = int32_t(std::clamp<int64_t>(onFile64, -1, kMaxBlocks));
    if (onFile != itsBlockCount)
        LogImport(L"blocks != blockWidth");
    // Blocks past the format's limit are not read: the first ones show.
    if (onFile64 > kMaxBlocks)
        LogImport(L"blocks > 131072");
    itsIndex.Clear();
    if (onFile < 1) {
        LogImport(L"blocks <= 0");
        itsBlockCount = 0;
        itsFrameCount = 0;
    } else {
        itsBlockCount = onFile;
        const int32_t frames =
            itsCamera.IsModel101() ? PlainFramesOnFile(onFile) : IndexBlockFile(onFile, itsFrameCount);
        if (itsIndex.DamagedCount() > 0)
            LogImport(L"damaged blocks");
        if (frames != itsFrameCount) {
            LogImport(L"frames != frameWidth");
            if (frames < 0 || int64_t(frames) > int64_t(onFile) * kMaxFramesPerBlock)
                LogImport(L"frames < 0");
            else
                itsFrameCount = frames;
        }
    }
    itsCropPosition = std::min(itsCropPosition, itsFrameCount);
    itsSavedBlocks = itsBlockCount;
    itsSavedFrames = itsFrameCount;
    itsWroteUnsaved = false;
}

int32_t VImage::PlainFramesOnFile(int32_t blocks)
{
    VImageBlock last(blocks - 1);
    last.SetImage(this);
    int32_t frames = itsFrameCount;
    if (ReadBlock(blocks - 1, last)) {
        // The last plain block is padded: any count that ends in it fits.
        const int32_t perBlock = itsCamera.FramesPerBlock();
        if (frames <= (blocks - 1) * perBlock || frames > blocks * perBlock)
            frames = blocks * perBlock;
    }
    last.SetImage(nullptr);
    return frames;
}
