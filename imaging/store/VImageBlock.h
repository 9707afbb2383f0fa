#pragma once
// VImageBlock: 4000 little-endian 32-bit words holding frames of one image,
// in the layout the image's camera decides:
//   plain (model 101): frames back to back in slots of P = frame height
//     bytes, the last four bytes of a slot holding the frame's time (signed
//     32-bit big-endian); 16000 / P frames;
//   coded (model 102): word 0 frame count (bits 0-9) and pixel mode (high
//     half: 1 grey, 0 colour), word 1 the first frame's number in the image,
//     blockettes from word 2, word 3997 the checksum of words 0-3996, word
//     3998 bits 24-31 the camera number.
// A blockette at word o: low half of word o its length L in words (header
// included), high half its header (bits 0-3 mode: 0 delta, 1 plain, 2 paired
// delta; 4-7 frames - 1; 8-11 averaging factor - 1; 12-14 zero; 15 a flag),
// then one time word per frame and the payload as 16-bit units.
// The id is the block's number within its image. Blocks belong to the block
// manager's pool or to the list of the image that checked them out; decoded
// frames come from the frame pool (VImageFrame). Decoding runs on one thread.
// Problems are logged ("VImageBlock::method: condition"), never thrown.

#include "foundation/containers/KSparseArray.h"
#include "foundation/values/KInt48.h"

#include <cstdint>

class VCamera;
class VImage;
class VImageBlocks;
class VImageFrame;

class VImageBlock : public KSparseArrayItem
{
public:
    static constexpr int kWords = 4000;
    static constexpr int kBytes = 4 * kWords;
    static constexpr int kFirstBlockette = 2;
    static constexpr int kChecksumWord = 3997;
    static constexpr int kCameraWord = 3998;
    static constexpr int kMaxBlocketteLength = 1313;
    static constexpr int kMaxBlocketteFrames = 2;
    static constexpr int kMaxAveraging = 12;
    // Pixel modes of a coded block.
    static constexpr int kPixelColour = 0;   // 15 bits in a 16-bit word
    static constexpr int kPixelGrey = 1;     // one byte, a grey level 0-93
    // Blockette modes.
    static constexpr int kModeDelta = 0;     // each pixel against the reference frame
    static constexpr int kModePlain = 1;     // group leaders as they are
    static constexpr int kModePaired = 2;    // two frames against the reference frame
    // Formats.
    enum Format { kNoFormat, kPlain, kCoded };

    explicit VImageBlock(int32_t id = -1);

    // The owning image (none while pooled); a new image forgets every
    // decoded frame of this block.
    VImage *Image() const { return itsImage; }
    void SetImage(VImage *image);
    VImageBlocks *List() const { return itsList; }
    void SetList(VImageBlocks *list) { itsList = list; }
    // Clears image and list.
    void Reset();

    // Data words; outside 0..3999 reads 0 and writes nothing.
    uint32_t Word(int index) const;
    void SetWord(int index, uint32_t value);
    // 16-bit halves (half 0 = bits 0-15); positions outside 0..7999 read 0.
    uint16_t Half(int word, int half) const;
    void SetHalf(int word, int half, uint16_t value);
    uint8_t *Bytes() { return reinterpret_cast<uint8_t *>(itsData); }
    const uint8_t *Bytes() const { return reinterpret_cast<const uint8_t *>(itsData); }
    // Writes out the data forgetting any decoded frame (file reads, copies).
    void Load(const uint8_t *bytes);

    Format BlockFormat() const;
    int32_t FrameCount() const;
    void SetFrameCount(int32_t count);
    int32_t PixelMode() const;
    void SetPixelMode(int32_t mode);
    int32_t FirstFrame() const;
    void SetFirstFrame(int32_t frame);
    bool IsValidFrame(int32_t f) const { return f >= 0 && f < FrameCount(); }
    int32_t PixelsPerFrame() const;
    int32_t BitsPerPixel() const;
    int32_t BytesPerPixel() const { return (BitsPerPixel() + 1) / 8; }
    int32_t Camera() const { return int32_t(Word(kCameraWord) >> 24); }
    void SetCamera(int32_t number);
    uint32_t Checksum() const;
    bool ChecksumValid() const { return Word(kChecksumWord) == Checksum(); }
    void SetChecksum() { SetWord(kChecksumWord, Checksum()); }
    // The frame's time; 0 for an invalid frame or a block without format.
    KInt48 Time(int32_t f) const;

    // Blockette fields at word o.
    int32_t BlocketteLength(int o) const;
    void SetBlocketteLength(int o, int32_t length);
    int32_t BlocketteHeader(int o) const { return int16_t(Half(o, 1)); }
    void SetBlocketteHeader(int o, int32_t header) { SetHalf(o, 1, uint16_t(header)); }
    int32_t BlocketteMode(int o) const { return BlocketteHeader(o) & 15; }
    int32_t BlocketteFrames(int o) const;
    int32_t BlocketteAveraging(int o) const;
    bool BlocketteFlag(int o) const { return (BlocketteHeader(o) & 0x8000) != 0; }
    int32_t BlocketteTime(int o, int k) const { return int32_t(Word(o + 1 + k)); }
    void SetBlocketteTime(int o, int k, int32_t time) { SetWord(o + 1 + k, uint32_t(time)); }

    // The frame's pixels decoded into a pool frame; none when it cannot be
    // decoded (logged "error decompressing").
    const uint8_t *Frame(int32_t f);
    // Decodes the blockette at target0's blockette offset against reference
    // (or none) into target0 (and target1 for a paired blockette): 1 or 2
    // frames, -1 when the blockette cannot be decoded.
    int Decode(const VImageFrame *reference, VImageFrame *target0, VImageFrame *target1);
    // True when the blockette chain is consistent; writes back the masked
    // frame count and blockette lengths.
    bool Validate();
    // Word index of the blockette holding frame f; f becomes its index there.
    int32_t FindBlockette(int32_t &f) const;
    // Copies the blockette starting with frame f to destination (or only
    // counts with none) at offset, which advances by its length.
    bool CopyBlockette(VImageBlock *destination, int32_t &offset, int32_t &frames, int32_t f) const;
    // Decodes frame f and writes it to destination as a plain blockette.
    bool CopyFrameAsRaw(VImageBlock *destination, int32_t &offset, int32_t &frames, int32_t f);
    // Words a plain blockette of one frame takes with averaging factor a.
    int32_t PlainBlocketteLength(int32_t averaging) const;

private:
    const VCamera *ImageCamera() const;
    // Decodes forward from reference (or the block's start) up to frame f.
    VImageFrame *DecodeForward(KList &pool, VImageFrame *reference, int32_t f);
    // Pixels the frame buffer holds at this block's pixel size.
    int32_t FrameCapacity() const;
    int32_t FrameLength() const;  // P, pixels of one frame, 0 without a usable format
    void LogError(const wchar_t *method, const wchar_t *condition) const;
    friend class VImageBlockDecoder;

    VImage *itsImage = nullptr;
    VImageBlocks *itsList = nullptr;
    uint32_t itsData[kWords] = {};
};
