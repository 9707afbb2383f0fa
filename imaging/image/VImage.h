#pragma once
// VImage: one captured photo-finish image: the camera description that
// decides its block format and pixels per frame, the blocks holding its
// frames (checked out from the block pool, saved in the image's block file),
// the views that show it, the stretches of frames cut from display (the
// pending gaps, mapping displayed to stored frame numbers), and the display
// map that turns pixel levels into shown levels by brightness, contrast and
// gamma. It announces changes to its views through its message tree (the
// topics of VImagingCodes.h). Owned by whoever made it; GUI thread, while the
// capture side adds blocks under the block lists' locks.
//
// The module keeps the print time steps and the print line colour setting,
// taken at start-up.

#include "domain/camera/VCamera.h"
#include "domain/timing/VRaceTime.h"
#include "foundation/containers/KList.h"
#include "foundation/containers/KSparseArray.h"
#include "foundation/messages/KMessageObject.h"
#include "foundation/streams/KFile.h"
#include "foundation/values/KRect.h"
#include "imaging/store/VImageBlockIndex.h"
#include "imaging/store/VImageBlocks.h"

#include <cstdint>
#include <functional>
#include <vector>

class KRInt;
class KStream;
class VImageBlock;
class VImageView;
class VZoom;

class VImage : public KListItem, public KMessageObject
{
public:
    static constexpr uint32_t kRecordVersion = 0x20009;
    static constexpr int32_t kBlockBytes = 16000;
    static constexpr int kPrintTimeSteps = 3;
    // Flags.
    static constexpr uint32_t kFlagMade = 1;        // set at construction; times in 0.1 ms
    static constexpr uint32_t kFlagCapturing = 2;   // a capture fills the image
    static constexpr uint32_t kFlagEnhanced = 4;    // the level map is not the identity
    // Camera parameters the image locks for its life, and while capturing.
    static constexpr int kLockedParameters[] = {0, 1, 2, 4, 26, 28, 29, 30, 31};
    static constexpr int kCaptureParameters[] = {5, 6, 7, 27};

    // owner: the message parent (or none); an id other than -1 gives the
    // camera a new message id. Registers the block list with the pool.
    explicit VImage(KMessageObject *owner = nullptr, int32_t id = -1);
    // Returns the blocks to the pool; deletes a temporary block file, or cuts
    // a kept one to its saved blocks when blocks were written after them.
    ~VImage() override;

    KMessageObject *Find(int32_t id) override;
    void Handle(const KMessage &message) override;

    // Camera.
    VCamera &Camera() { return itsCamera; }
    const VCamera &Camera() const { return itsCamera; }
    void GetCamera(VCamera &camera, int flags);
    void ResetCamera(const VCamera *camera);
    bool ApplyCamera(const VCamera *camera);
    bool StartCapture(KFile &name);
    bool StopCapture();
    bool RefreshGain();
    const KString &CameraName() const { return itsCamera.Name(); }
    double Brightness() const { return itsCamera.Brightness(); }
    double Contrast() const { return itsCamera.Contrast(); }
    double Gamma() const { return itsCamera.Gamma(); }
    // Each sets the camera's value and rebuilds the display map; a changed
    // value redraws the views (kMsgTopicImage).
    void SetBrightness(double value);
    void SetContrast(double value);
    void SetGamma(double value);
    void SetOrientation(int32_t value);
    bool IsMirrored() const { return itsCamera.Parameter(VCamera::kOrientation) != 0; }
    // -1 steps the identification method to the next of 0..3.
    void SetIdMethod(int32_t value);
    int32_t IdMethodField() const;

    // Pixel format.
    bool IsGrey() const { return itsCamera.Parameter(VCamera::kPixelFormat) == 0; }
    bool IsColour() const { return itsCamera.Parameter(VCamera::kPixelFormat) == 1; }
    int32_t BitsPerPixel() const { return IsGrey() ? 8 : IsColour() ? 15 : 0; }
    int32_t BytesPerPixel() const { return (BitsPerPixel() + 1) / 8; }
    int32_t PixelsPerFrame() const { return itsCamera.FrameHeight(); }
    // A grey pixel's byte, or the sum of a colour pixel's three channels.
    int32_t PixelLevel(const uint8_t *pixels, int32_t i) const;
    int32_t MaxLevel() const { return IsGrey() ? 255 : IsColour() ? 93 : 0; }
    bool IsCapturing() const { return (itsFlags & kFlagCapturing) != 0; }
    uint32_t Flags() const { return itsFlags; }

    // Blocks and frames.
    bool AddBlock(VImageBlock *block);
    // Writes up to n unsaved blocks to the block file; answers the count not written.
    int32_t FlushBlocks(int32_t n);
    // Block i, read back from the block file when it is not in memory.
    VImageBlock *Block(int32_t i);
    // The block holding a stored frame; none when its block is damaged or
    // cannot be had. Reads at most that one block.
    VImageBlock *BlockOfFrame(int32_t stored);
    // Called with the block number each time a block is read, from memory
    // or from the block file; an empty hook removes it.
    using BlockReadHook = std::function<void(int32_t block)>;
    static void SetBlockReadHook(BlockReadHook hook);
    // The pixels of a displayed frame; the blank frame when it cannot be
    // had; none outside 0..frame count - 1.
    const uint8_t *FramePixels(int32_t displayed);
    int32_t FrameCount() const { return itsFrameCount; }
    int32_t TotalFrames() const;
    int32_t BlockCount() const { return itsBlockCount; }
    int32_t SavedBlockCount() const { return itsSavedBlocks; }
    int32_t SavedFrameCount() const { return itsSavedFrames; }
    bool HasGaps() const { return !itsGaps.empty(); }
    int32_t StoredFrame(int32_t displayed) const;
    int32_t DisplayedFrame(int32_t stored) const;
    VImageBlocks &Blocks() { return itsBlocks; }
    KFile &BlockFile() { return itsBlockFile; }
    bool IsTemporary() const { return itsTemporary; }
    // Makes the block file a temporary one at path (deleted with the image).
    void UseTemporaryFile(const KString &path);
    const KString &Extension() const { return itsExtension; }
    void SetExtension(const KString &extension) { itsExtension = extension; }
    int32_t CropPosition() const { return itsCropPosition; }

    // Views.
    VImageView *GetView(int32_t id, bool create);
    KSparseArray &Views() { return itsViews; }
    void ViewsToStored();
    void ViewsFromStored();
    void ClipViewMarks();

    // View coordinates through a zoom (mirrored by the orientation).
    int32_t FrameToView(int32_t frame, const VZoom &zoom) const;
    int32_t ViewToFrame(int32_t x, const VZoom &zoom, int32_t *remainder = nullptr) const;
    int32_t PixelToView(int32_t pixel, const VZoom &zoom) const;
    int32_t ViewToPixel(int32_t y, const VZoom &zoom, int32_t *remainder = nullptr) const;
    KPoint ViewToImage(const KPoint &point, const VZoom &zoom) const;
    KPoint ImageToView(const KPoint &point, const VZoom &zoom) const;
    KRect ViewToImage(const KRect &rect, const VZoom &zoom) const;
    KRect ImageToView(const KRect &rect, const VZoom &zoom) const;
    int32_t ZoomedWidth(const VZoom &zoom) const;
    int32_t ZoomedHeight(const VZoom &zoom) const;
    // The race time of the frame under a view point; no time without one.
    VRaceTime TimeAt(const VImageView &view, const KPoint &point, bool withNeighbours) const;
    // The time of a stored frame; no time when it has none.
    VRaceTime FrameTime(int32_t stored) const;

    // Display map (VImageDisplay.cpp).
    void ResetDisplayMap();
    void ApplyDisplayMap();
    void EqualiseLevels(const std::vector<KRect> &rects);
    void WhiteBalance(const std::vector<KRect> &rects);
    // Grey: shown byte of a level; colour: gain in 1/32 of a level sum.
    int32_t DisplayEntry(int32_t level) const;
    int32_t LevelMapEntry(int32_t level) const;
    // True when rendering may skip the display table.
    bool DisplayIsIdentity() const;

    // Image file (VImageFile.cpp).
    void Export(KStream &stream);
    void Import(KStream &stream);
    // Opens file for reading and writing, or reading only when it is
    // read-only; with create a missing file is made and the file extended to
    // at least 16000 bytes.
    static void OpenBlockFile(KFile &file, bool create);
    // True when the image's block file is the stream file's block file.
    bool CheckImageFile(const KFile &streamFile) const;
    // The block file path for a document path: its extension replaced.
    void BlockFilePath(const KString &documentPath, KString &out) const;

    // Operations (VImageSearch.cpp, VImageCut.cpp, VImageRender.cpp, VImagePrint.cpp).
    bool FindNextObject(KRect &rect, const VImageView &view, bool fromStart, int32_t &abortState,
                        int32_t searchOrigin = -1);
    void AutoCrop(bool restart);
    int32_t CutFrames(int32_t firstX, int32_t lastX, const VImageView &view, bool withMarks);
    void RestoreFrames();
    bool CreateBlock(VImageBlock *destination, bool restart, int32_t &sourceBlock);
    // Draws view column x from view row y over length pixels (one byte per
    // grey pixel, one 16-bit word per colour pixel); false outside the image.
    bool RenderRun(uint8_t *destination, int32_t x, int32_t y, int32_t length, const VImageView &view);
    // Renders a view rectangle into the module's 192000-byte buffer and
    // answers its output part (none for an empty rectangle or one of which
    // nothing fits); rect is cut to what fits and handed back. Format flags:
    // pixel 8, 16, 32, 64, 128 = 8, 15, 16 (5-6-5), 24, 32 bits (default 15
    // for colour, 8 for grey); row alignment 256, 512, 1024 = 1, 2, 4 bytes
    // (default 1); direction 2048 / 4096: an output row is one frame column
    // (its pixels top to bottom), rows in increasing / decreasing view x;
    // 8192 / 16384: an output row is one pixel row across the frames (left
    // to right), rows top down / bottom up. Default 2048, 4096 when mirrored.
    const uint8_t *RenderRect(KRect &rect, const VImageView &view, uint32_t formatFlags);
    int32_t FrameOfTime(const VRaceTime &time, const VImageView &view, bool strict);
    void ShowBlackFractions(const VImageView &view);
    // marks: the times of the results shown (the caller applies its filter).
    void BeginPrinting(const KRect &rect, const std::vector<VRaceTime> &marks, const VImageView &view,
                       double scale, uint32_t flags);
    void EndPrinting();
    int32_t PrintLineWidth(int32_t frame, const VImageView &view) const;
    int32_t PrintLineColour() const;
    bool IsPrinting() const { return itsPrinting; }
    const int32_t *HashWidths() const { return itsHashWidths; }

    // Module start-up and shut-down (every run of the program).
    static void Startup();
    static void Shutdown();
    // The race-time steps whose boundaries get the print hash lines, in
    // ticks, widest first (1 s, 0.1 s, 0.01 s); 0 outside 0..2.
    static int64_t PrintTimeStep(int index);
    // The print line colour setting, none when the settings lack it.
    static KRInt *PrintLineColorNode();

private:
    struct Gap
    {
        int32_t first;   // first displayed frame after the cut
        int32_t offset;  // stored = displayed + offset from here on
    };
    friend class VImageView;

    void SendTopic(uint32_t code, uint32_t data = 0);
    // After a display value was set: rebuilds the map, redraws when changed.
    void ShowDisplayValue(bool changed);
    void LockParameters(const int *parameters, int count, bool lock);
    bool WriteBlock(VImageBlock &block);
    bool ReadBlock(int32_t i, VImageBlock &block);
    // Reads count bytes from the start of block i in the block file.
    bool ReadFromBlockFile(int32_t i, void *bytes, int32_t count);
    // Coded images: indexes blocks 0..blocks-1 of the block file, marking
    // the damaged ones; answers the image's frame count.
    int32_t IndexBlockFile(int32_t blocks, int32_t headerFrames);
    int32_t FrameTicksUnit() const;
    // Reading the record (VImageFile.cpp).
    void ReadHeader(KStream &stream);
    void ReconcileBlockFile();
    // Plain images: the frame count the block file holds.
    int32_t PlainFramesOnFile(int32_t blocks);
    int32_t CountBlocksToWrite();
    void WriteBlocks(KFile &file, int32_t blocks, int32_t first, bool packing);
    // Searches an object from frame first; frames of the object out.
    bool FindObjectFrames(int32_t first, int32_t &objectFirst, int32_t &objectLast, int32_t &low,
                          int32_t &high, int32_t &abortState, bool showProgress);
    // Hides displayed frames s..t (coded images: whole blockettes); frames hidden.
    int32_t CutDisplayed(int32_t s, int32_t t);
    // Copies a stored frame's pixels into destination at pixel p (length,
    // through nearest or interpolated rows); false without the frame.
    void DrawPrintMarks(uint8_t *source, const KRect &rect, const VImageView &view);
    bool CopyRun(uint8_t *destination, int32_t frame, int32_t next, int32_t p, int32_t e, int32_t w,
                 int32_t length, const VZoom &zoom, bool smooth);

    uint32_t itsFlags = kFlagMade;
    VCamera itsCamera;
    KSparseArray itsViews;
    KString itsExtension;
    KFile itsBlockFile;
    bool itsTemporary = false;
    bool itsWroteUnsaved = false;   // blocks written to the block file since it was read or saved
    VImageBlocks itsBlocks;
    int32_t itsBlockCount = 0;
    int32_t itsSavedBlocks = -1;
    int32_t itsFrameCount = 0;
    int32_t itsSavedFrames = -1;
    std::vector<Gap> itsGaps;
    int32_t itsCropPosition = 0;
    VImageBlockIndex itsIndex;      // coded images: the block of each stored frame
    int32_t itsLastFrameOfTime = 0; // frame found by the last time search
    int32_t itsPackSource = 0;      // CreateBlock: source block number
    int32_t itsPackCounter = 0;     // CreateBlock: displayed frames packed
    KRect itsMarkedRect;
    // Level map and the display table derived from it (levels 0..255 used
    // for grey, 0..93 for colour).
    int32_t itsLevelMap[256];
    int32_t itsDisplay[256];
    // Printing.
    bool itsPrinting = false;
    uint32_t itsPrintFlags = 0;
    KRect itsPrintRect;
    std::vector<int32_t> itsPrintMarks;
    int32_t itsHashWidths[3] = {0, 0, 0};
};
