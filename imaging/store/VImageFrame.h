#pragma once
// VImageFrame: one decoded frame (one column of a line-scan image) in a
// buffer of 2024 bytes: up to 2024 grey pixels of one byte or 1012 colour
// pixels of 15 bits in a 16-bit word (red bits 10-14, green 5-9, blue 0-4).
// The frames live in a module pool of five, kept in least-recently-used
// order (head = least recently used); a block borrows them while they hold
// one of its frames, and a new decode recycles them from the head.
//
// The module also holds the grey map: 94 grey levels, level v shown as
// v x 255 / 93, and its 256-entry inverse (0 for a byte that is no map
// value). Startup builds both and the pool; Shutdown deletes the block
// manager when one exists, then the pool. GUI thread only.

#include "foundation/containers/KList.h"

#include <cstdint>

class VImageBlock;

class VImageFrame : public KListItem
{
public:
    static constexpr int kPixelBytes = 2024;
    static constexpr int kGreyCapacity = kPixelBytes;       // one byte per pixel
    static constexpr int kColourCapacity = kPixelBytes / 2; // 16 bits per pixel
    static constexpr int kGreyLevels = 94;
    static constexpr int kPoolSize = 5;
    // Flag bits.
    static constexpr uint32_t kFlagReference = 1;  // last frame of its blockette: may start the next decode

    explicit VImageFrame(VImageBlock *block = nullptr) { Reset(block); }

    // Flags 0, frame number -1, blockette offset -1, and the given block (or none).
    void Reset(VImageBlock *block);

    uint32_t Flags() const { return itsFlags; }
    void SetFlags(uint32_t flags) { itsFlags = flags; }
    bool IsReference() const { return (itsFlags & kFlagReference) != 0; }
    VImageBlock *Block() const { return itsBlock; }
    // Index of the frame within its block; -1 = holds no frame.
    int32_t FrameNumber() const { return itsFrameNumber; }
    void SetFrameNumber(int32_t number) { itsFrameNumber = number; }
    // Word index of the blockette the frame came from; -1 = none.
    int32_t BlocketteOffset() const { return itsBlocketteOffset; }
    void SetBlocketteOffset(int32_t offset) { itsBlocketteOffset = offset; }

    uint8_t *Pixels() { return reinterpret_cast<uint8_t *>(itsPixels); }
    const uint8_t *Pixels() const { return reinterpret_cast<const uint8_t *>(itsPixels); }
    uint16_t *ColourPixels() { return itsPixels; }
    const uint16_t *ColourPixels() const { return itsPixels; }

    // Module start-up and shut-down (every run of the program).
    static void Startup();
    static void Shutdown();

    // The grey map (94 entries) and its inverse (256 entries).
    static const uint8_t *GreyMap();
    static const uint8_t *GreyInverse();
    // The byte shown for a grey level; a level above 93 shows as 93.
    static uint8_t GreyLevelByte(uint8_t level);

    // The pool, none before Startup and after Shutdown.
    static KList *Pool();
    // Resets every pool frame decoded from block (none survives a change of
    // its image or contents).
    static void ForgetBlock(const VImageBlock *block);

private:
    uint32_t itsFlags = 0;
    VImageBlock *itsBlock = nullptr;
    int32_t itsFrameNumber = -1;
    int32_t itsBlocketteOffset = -1;
    uint16_t itsPixels[kColourCapacity] = {};
};
