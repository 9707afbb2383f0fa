// VImage: the search for the next object (a runner) in the frame sequence,
// and the automatic crop of the empty stretches between objects.
#include "imaging/image/VImage.h"

#include "foundation/messages/KMessage.h"
#include "imaging/VImagingCodes.h"
#include "imaging/VImagingSettings.h"
#include "imaging/image/VImageServices.h"
#include "imaging/image/VImagingTexts.h"
#include "imaging/views/VImageView.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace
{
constexpr int32_t kCell = 8;          // pixels per cell, frames per group
constexpr int32_t kLeadFrames = 16;   // an object starts this far before its first change
constexpr int32_t kTailFrames = 40;   // and ends this far before the quiet groups end
constexpr int32_t kQuietGroups = 4;
constexpr int32_t kCropMargin = 16;

void Thresholds(int32_t &changed, int32_t &moving)
{
    const int32_t setting = VImagingSetting(kKeyAutoCrop, kDefaultAutoCrop);
    changed = setting >= 0 && setting <= 100 ? setting * 10 : 50;
    moving = changed / 2;
}

void ShowText(VImageProgress *progress, const wchar_t *key)
{
    KString text;
    VImagingText(key, text);
    progress->SetText(text);
}

// Closes the progress window (if any) and says so when the user stopped.
void EndProgress(VImageProgress *progress, bool userAborted)
{
    if (!progress)
        return;
    progress->Close();
    progress->SetWaitCursor(false);
    if (userAborted) {
        KString text;
        VImagingText(kTextUserAborted, text);
        progress->ShowMessage(text);
    }
}
} // namespace

bool VImage::FindObjectFrames(int32_t first, int32_t &objectFirst, int32_t &objectLast, int32_t &low,
                              int32_t &high, int32_t &abortState, bool showProgress)
{
    VImageProgress *progress = showProgress ? VImageProgress::Installed() : nullptr;
    const int32_t height = PixelsPerFrame();
    const int32_t cells = (itsCamera.IsModel101() ? height - 4 : height) / kCell;
    const int32_t groups = std::max(0, (itsFrameCount - first) / kCell);
    const int64_t full = int64_t(MaxLevel()) * kCell * kCell;
    abortState = 0;
    // Without levels or cells there is nothing to compare.
    if (full == 0 || cells < 1 || first < 0)
        return false;
    int32_t changedLimit, movingLimit;
    Thresholds(changedLimit, movingLimit);

    enum { kSearching, kInside, kDone } state = kSearching;
    std::vector<int32_t> previous(size_t(cells), 0), current(size_t(cells), 0);
    int32_t changedRun = 0, quietRun = 0;
    low = height;
    high = -1;
    for (int32_t g = 0; g < groups && state != kDone; ++g) {
        if (progress) {
            progress->SetPercent(g * 100 / groups);
            if (progress->UserAbort()) {
                abortState = 1;
                break;
            }
        }
        const int32_t base = first + g * kCell;
        std::vector<int64_t> sums(size_t(cells), 0);
        for (int32_t k = 0; k < kCell && abortState == 0; ++k) {
            const uint8_t *pixels = FramePixels(base + k);
            if (!pixels) {
                abortState = 2;
                break;
            }
            for (int32_t c = 0; c < cells; ++c)
                for (int32_t i = c * kCell; i < (c + 1) * kCell; ++i)
                    sums[size_t(c)] += PixelLevel(pixels, i);
        }
        if (abortState)
            break;
        for (int32_t c = 0; c < cells; ++c)
            current[size_t(c)] = int32_t(sums[size_t(c)] * 1000 / full);
        if (g > 0) {
            bool changed = false, moving = false;
            for (int32_t c = 0; c < cells; ++c) {
                const int32_t difference = std::abs(current[size_t(c)] - previous[size_t(c)]);
                if (difference >= changedLimit) {
                    changed = true;
                    if (state == kInside) {
                        low = std::min(low, c * kCell);
                        high = std::max(high, (c + 1) * kCell);
                    }
                }
                if (difference >= movingLimit)
                    moving = true;
            }
            changedRun = changed ? changedRun + 1 : 0;
            quietRun = moving ? 0 : quietRun + 1;
            if (state == kSearching && changedRun > 0) {
                state = kInside;
                objectFirst = base + kCell - kLeadFrames;
            } else if (state == kInside && quietRun > kQuietGroups) {
                state = kDone;
                objectLast = base + kCell - kTailFrames;
            }
        }
        previous.swap(current);
    }
    if (state == kInside && abortState == 0) {
        state = kDone;
        objectLast = itsFrameCount - 1;
    }
    if (state != kDone)
        return false;
    objectFirst = std::max(0, objectFirst);
    objectLast = std::min(itsFrameCount - 1, objectLast);
    if (high < low) {
        low = 0;
        high = height - 1;
    }
    low = std::max(0, low);
    high = std::min(height - 1, high);
    return objectFirst <= objectLast;
}

bool VImage::FindNextObject(KRect &rect, const VImageView &view, bool fromStart, int32_t &abortState,
                            int32_t searchOrigin)
{
    const bool showProgress = searchOrigin == -1;
    VImageProgress *progress = showProgress ? VImageProgress::Installed() : nullptr;
    if (progress) {
        ShowText(progress, kTextNextObject);
        progress->SetWaitCursor(true);
    }
    // The next object lies after the current one.
    const int32_t first = fromStart ? 0 : std::max(ViewToImage(rect, view.Zoom()).right + 1, 0);
    int32_t objectFirst = 0, objectLast = 0, low = 0, high = 0;
    const bool found = FindObjectFrames(first, objectFirst, objectLast, low, high, abortState, showProgress);
    if (found)
        rect = ImageToView(KRect(objectFirst, low, objectLast, high), view.Zoom());
    EndProgress(progress, abortState == 1);
    return found;
}

void VImage::AutoCrop(bool restart)
{
    if (restart)
        itsCropPosition = 0;
    SendTopic(kMsgListBefore | kMsgTopicImage);
    ViewsToStored();
    VImageProgress *progress = VImageProgress::Installed();
    if (progress) {
        progress->SetWaitCursor(true);
        ShowText(progress, kTextAutoCrop);
        progress->SetPercent(0);
    }
    int32_t abortState = 0;
    bool anyObject = false;
    int32_t objectFirst = 0, objectLast = 0, low = 0, high = 0;
    while (itsCropPosition < itsFrameCount &&
           FindObjectFrames(itsCropPosition, objectFirst, objectLast, low, high, abortState, false)) {
        anyObject = true;
        // The empty stretch before the object goes, less a margin beside it.
        const int32_t keepFrom = std::max(itsCropPosition, objectFirst - kCropMargin);
        const int32_t cut = keepFrom > itsCropPosition ? CutDisplayed(itsCropPosition, keepFrom - 1) : 0;
        itsCropPosition = objectLast - cut + 1;
        if (progress && itsFrameCount > 0)
            progress->SetPercent(std::min(100, itsCropPosition * 100 / itsFrameCount));
        if (progress && progress->UserAbort()) {
            abortState = 1;
            break;
        }
    }
    // After the last object (none found: the image is kept as it is).
    if (abortState == 0 && anyObject) {
        if (itsCropPosition < itsFrameCount)
            CutDisplayed(itsCropPosition, itsFrameCount - 1);
        itsCropPosition = std::max(0, itsFrameCount - 1);
    }
    EndProgress(progress, abortState == 1);
    ViewsFromStored();
    ClipViewMarks();
    SendTopic(kMsgListAfter | kMsgTopicImage);
}
