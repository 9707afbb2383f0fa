#include "imaging/store/VImageBlock.h"

#include "foundation/log/KLog.h"
#include "imaging/image/VImage.h"
#include "imaging/store/VImageFrame.h"

#include <algorithm>
#include <cstring>

VImageBlock::VImageBlock(int32_t id) : KSparseArrayItem(id) {}

void VImageBlock::SetImage(VImage *image)
{
    itsImage = image;
    VImageFrame::ForgetBlock(this);
}

void VImageBlock::Reset()
{
    itsImage = nullptr;
    itsList = nullptr;
}

void VImageBlock::Load(const uint8_t *bytes)
{
    std::memcpy(itsData, bytes, kBytes);
    VImageFrame::ForgetBlock(this);
}

uint32_t VImageBlock::Word(int index) const
{
    return index >= 0 && index < kWords ? itsData[index] : 0;
}

void VImageBlock::SetWord(int index, uint32_t value)
{
    if (index >= 0 && index < kWords)
        itsData[index] = value;
}

uint16_t VImageBlock::Half(int word, int half) const
{
    const uint32_t value = Word(word);
    if (word < 0 || word >= kWords || half < 0 || half > 1)
        return 0;
    return uint16_t(half ? value >> 16 : value & 0xFFFF);
}

void VImageBlock::SetHalf(int word, int half, uint16_t value)
{
    if (word < 0 || word >= kWords || half < 0 || half > 1)
        return;
    const uint32_t old = itsData[word];
    itsData[word] = half ? (old & 0xFFFF) | (uint32_t(value) << 16) : (old & 0xFFFF0000u) | value;
}

const VCamera *VImageBlock::ImageCamera() const
{
    return itsImage ? &itsImage->Camera() : nullptr;
}

VImageBlock::Format VImageBlock::BlockFormat() const
{
    const VCamera *camera = ImageCamera();
    if (!camera)
        return kNoFormat;
    const int32_t height = camera->FrameHeight();
    if (camera->IsModel101())
        // A slot must hold its time and fit the frame buffer.
        return height >= 4 && height <= VImageFrame::kGreyCapacity ? kPlain : kNoFormat;
    if (camera->IsModel102())
        return height >= 1 ? kCoded : kNoFormat;
    return kNoFormat;
}

int32_t VImageBlock::FrameLength() const
{
    return BlockFormat() == kNoFormat ? 0 : ImageCamera()->FrameHeight();
}

int32_t VImageBlock::FrameCapacity() const
{
    return BytesPerPixel() == 2 ? VImageFrame::kColourCapacity : VImageFrame::kGreyCapacity;
}

int32_t VImageBlock::FrameCount() const
{
    switch (BlockFormat()) {
    case kPlain:
        return kBytes / FrameLength();
    case kCoded:
        return std::clamp<int32_t>(int16_t(Half(0, 0)), 0, kWords);
    default:
        return 0;
    }
}

void VImageBlock::SetFrameCount(int32_t count)
{
    if (BlockFormat() == kCoded)
        SetHalf(0, 0, uint16_t(count));
}

int32_t VImageBlock::PixelMode() const
{
    return BlockFormat() == kCoded ? int16_t(Half(0, 1)) : -1;
}

void VImageBlock::SetPixelMode(int32_t mode)
{
    if (BlockFormat() == kCoded)
        SetHalf(0, 1, uint16_t(mode));
}

int32_t VImageBlock::FirstFrame() const
{
    switch (BlockFormat()) {
    case kPlain:
        return Id() * FrameCount();
    case kCoded:
        return int32_t(Word(1));
    default:
        return 0;
    }
}

void VImageBlock::SetFirstFrame(int32_t frame)
{
    if (BlockFormat() == kCoded)
        SetWord(1, uint32_t(frame));
}

int32_t VImageBlock::PixelsPerFrame() const
{
    const VCamera *camera = ImageCamera();
    return camera ? camera->FrameHeight() : 0;
}

int32_t VImageBlock::BitsPerPixel() const
{
    switch (BlockFormat()) {
    case kPlain:
        return 8;
    case kCoded:
        return PixelMode() == kPixelGrey ? 8 : PixelMode() == kPixelColour ? 15 : 0;
    default:
        return 0;
    }
}

void VImageBlock::SetCamera(int32_t number)
{
    SetWord(kCameraWord, (Word(kCameraWord) & 0x00FFFFFFu) | (uint32_t(number & 0xFF) << 24));
}

uint32_t VImageBlock::Checksum() const
{
    uint32_t sum = 0;
    for (int i = 0; i < kChecksumWord; ++i)
        sum += itsData[i];
    return sum;
}

KInt48 VImageBlock::Time(int32_t f) const
{
    if (!IsValidFrame(f))
        return KInt48(0);
    if (BlockFormat() == kPlain) {
        const int32_t slotEnd = (f + 1) * FrameLength();
        const uint8_t *bytes = Bytes() + slotEnd - 4;
        return KInt48(int32_t(uint32_t(bytes[0]) << 24 | uint32_t(bytes[1]) << 16 | uint32_t(bytes[2]) << 8 |
                              bytes[3]));
    }
    const int32_t o = FindBlockette(f);
    return KInt48(BlocketteTime(o, f));
}

int32_t VImageBlock::BlocketteLength(int o) const
{
    const int32_t length = int16_t(Half(o, 0));
    return std::min({length, int32_t(kMaxBlocketteLength), int32_t(kWords - o)});
}

void VImageBlock::SetBlocketteLength(int o, int32_t length)
{
    SetHalf(o, 0, uint16_t(length));
}

int32_t VImageBlock::BlocketteFrames(int o) const
{
    return std::min<int32_t>(((BlocketteHeader(o) >> 4) & 15) + 1, kMaxBlocketteFrames);
}

int32_t VImageBlock::BlocketteAveraging(int o) const
{
    return std::min<int32_t>(((BlocketteHeader(o) >> 8) & 15) + 1, kMaxAveraging);
}

int32_t VImageBlock::PlainBlocketteLength(int32_t averaging) const
{
    const int32_t a = std::max(1, averaging);
    const int32_t leaders = (PixelsPerFrame() + a - 1) / a;
    return (leaders * BytesPerPixel() + 3) / 4 + 2;
}

void VImageBlock::LogError(const wchar_t *method, const wchar_t *condition) const
{
    if (KLog *log = KProgramLog())
        log->Consistency(L"VImageBlock", method, condition);
}
