#pragma once
// VZImagePane: the scrolling drawing area of the image window. It shows one
// view of a captured image: the image in strips from the block store, the
// hash cursor (the view's time-track point), the time lines of the timed
// results of the image's leg, the selection with the print lines of the
// results flagged in it, and the lane ruler beside the rows. It moves the
// cursor with the mouse and the arrow keys. Its commands open the
// adjustments dialog over the image (Cancel puts the old brightness,
// contrast and gamma back) and the image printer's page-setup and printer
// dialogs, each owned by the pane's frame. One scroll unit is one view
// pixel. Owned by its window once added; GUI thread.
//
// The image's leg is the first leg in the image's message parent chain; an
// image without one has no results, so no time lines and no print lines.
//
// The module part (start-up and shut-down, run once per program start)
// looks up the settings the pane reads (kept as nodes, read at each use; a
// missing node reads as its built-in value), starts the export file in the
// program's folder, finds the overlay pictures of the program's folder (none
// with "-nooverlay") and readies the image printer, made at its first use;
// its shut-down undoes each step.

#include <cstdint>
#include <vector>

#include "foundation/containers/KList.h"
#include "foundation/values/KPoint.h"
#include "shell/toolkit/lists/KZScroller.h"

class KFile;
class KString;
class QVResults;
class VImage;
class VImageView;
class VLeg;
class VRaceTime;
class VZImageWindow;
class VZLaneBar;
class VZPrinter;

class VZImagePane : public KZScroller
{
public:
    // The view's redraw-suspended word serves as the drag state.
    static constexpr int32_t kModeIdle = 0;
    static constexpr int32_t kModeCursorDrag = 1;
    static constexpr int32_t kModeSelectionDrag = 2;

    // Where a placed overlay's centre sits, in image coordinates.
    class VOverlayLocation : public KListItem
    {
    public:
        VOverlayLocation(int32_t id, KPoint position) : id(id), position(position) {}
        int32_t id;
        KPoint position;
    };

    VZImagePane(VZImageWindow *owner, VImageView *view);
    ~VZImagePane() override;

    VImageView *View() const { return view; }
    VImage *Image() const { return image; }
    // The leg that owns the image (the first leg among its message
    // parents); none without one.
    VLeg *Leg() const;
    VZLaneBar *LaneBar() const { return laneBar; }
    void SetView(VImageView *newView);

    ZafEventType Event(const ZafEventStruct &event) override;
    // Brings the lane ruler up to date, draws a mirrored image against the
    // right edge, takes the view's size and marks everything for repainting.
    void Redisplay() override;
    // Stored in the view; the lane ruler follows (redrawn when its range changed).
    bool SetScrollPosition(KPoint position) override;
    // A quarter of the visible units, at least 1.
    int HorizontalStep() override;
    int VerticalStep() override;
    // 300 up to 1499 ms of automatic scrolling, 500 from then on.
    int AutoScrollRate(int32_t elapsed) override;
    // The image strips, the overlays, the cursor when the view shows it,
    // the time lines and the selection, all inside units.
    void DrawUnits(const KRect &units) override;

    // ---- The view's image grew (a block was added) ----
    // New columns of a plain image come in on the right and are drawn; those
    // of a mirrored image come in on the left, and the scroll position, the
    // cursor and the selection move with them so that the picture stays put.
    void ImageGrown();
    // Gives the lane ruler the scroll position and the view's height; a
    // ruler whose range changed is repainted at once, else marked for it.
    void UpdateLaneBar();

    // ---- The hash cursor ----
    // False when the cursor is shown and already there.
    bool MoveCursorTo(KPoint point);
    // Only while the cursor is shown; announces the new time when it moved.
    bool MoveCursorBy(KPoint offset);
    // row -1 keeps the cursor's row; an invalid time does nothing.
    void MoveCursorToTime(const VRaceTime &time, int32_t row);
    bool CursorDrawn() const { return cursorDrawn; }
    void DrawCursor();
    void EraseCursor();

    // ---- The selection (the view's first rectangle) ----
    // Drawn inverted, so that drawing it again removes it; only inside
    // clip (view units) when given.
    void DrawSelection(const KRect *clip = nullptr);
    // Removes the frame (with its print lines, whose flags are cleared);
    // the view has no selection afterwards.
    void ClearSelection();
    bool HasSelection() const;

    // ---- Print lines (results marked for printing inside the selection) ----
    // With "\Event\Image\Selection\PrintLines" on and point (view units)
    // in the selection: inverts the print flag of the result nearest in time
    // to the point's column, when that column lies inside the selection, and
    // its line with it; true when it did.
    bool ToggleResultLine(KPoint point);
    // Flags every timed result from the one nearest in time to the
    // selection's left edge to the one nearest to its right edge.
    void FlagResultsInSelection();
    // The view column of a time, -1 when the image has no frame for it.
    int32_t ColumnOfTime(const VRaceTime &time);

    // ---- Overlays and export ----
    void PlaceOverlay(int32_t id);
    void ClearOverlays();
    int32_t OverlayCount() const { return overlayLocations.Count(); }
    // Enables the pane's entries of the main menu bar.
    void MenuOpening();
    // Asks for a file and writes the selection (image frames by pixels) to
    // it as a 15-bit Targa picture with the print marks of the flagged
    // results; true when written. The dialog suggests the event's
    // competition identifier, else its file's title. While writing, the wait
    // pointer and the progress show on the status bar. Without a selection
    // an error is shown; a cancelled dialog does nothing; an abort (Escape)
    // leaves no file and says so on the status bar; a failure leaves no file
    // and is shown.
    bool ExportBitmap();

    // ---- The module ----
    static void Startup();
    static void Shutdown();

    // The settings, read now.
    static int32_t HashColor();
    static int32_t HashWidth();
    static int32_t HashCrossWidth();
    static int32_t HashShowLines();
    static int32_t PrintLines();
    static int32_t OverlayDpi();
    // Empty when the setting is missing.
    static void CompetitionName(KString &out);
    static void CompetitionSponsor(KString &out);

    // The last bitmap export path (the program's folder at first).
    static KFile &ExportFile();
    // The image printer, made at the first call after start-up; none outside
    // start-up and shut-down.
    static VZPrinter *Printer();

private:
    void DrawStrip(const KRect &strip, const uint8_t *pixels);
    void DrawOverlays(const KRect &units);
    void DrawTimeLines(const KRect &units);
    // The hash colour as the display's current palette.
    void UseHashPalette();
    // Inverts a one-pixel column from top to bottom (view units).
    void InvertColumn(int32_t x, int32_t top, int32_t bottom);
    void DrawPrintLines();
    // The result list of the image's leg; none without a leg.
    QVResults *LegResults() const;
    // The export's file name from the leg's event; the extension goes.
    void NameExportFile(KFile &file) const;
    // The finish times of the results flagged for printing.
    std::vector<VRaceTime> PrintMarks() const;
    // The selection's size in image frames and pixels on the status bar.
    void ShowSelectionSize();
    // The pane's menu and pop-up commands; false for codes it does not take.
    bool Command(ZafLogicalEvent code);
    // First and last visible rows, clipped to the extent.
    void VisibleRows(int32_t &first, int32_t &last);
    bool Mirrored() const;
    void ArrowKey(ZafLogicalEvent code);
    void LeftPress(const ZafEventStruct &event, KPoint at);
    void TrackCursor(ZafLogicalEvent code, KPoint at);
    void RightPress(KPoint at);
    void TrackSelection(ZafLogicalEvent code, KPoint at);
    // The unit under a drag at a parent point, clamped into the extent. Near
    // an edge the pane scrolls first (scrolled tells), after erase took the
    // drag's mark (the cursor or the selection) off the screen.
    KPoint DragUnit(KPoint at, void (VZImagePane::*erase)(), bool &scrolled);
    void EndDrag();
    // A point of the event's (OS window) coordinates on the screen.
    KPoint ScreenPoint(KPoint at) const;

    VZImageWindow *owner;
    VImage *image = nullptr;
    VImageView *view = nullptr;
    VZLaneBar *laneBar = nullptr;
    KList overlayLocations;
    bool cursorDrawn = false;
    int32_t drawnHalfWidth = 0;
    // The arrow key's run: its code (0 none), its last event and its start.
    ZafLogicalEvent arrowCode = 0;
    int32_t arrowLast = 0;
    int32_t arrowRunStart = 0;
    // The selection drag: where it began and the last point taken.
    KPoint dragAnchor;
    KPoint dragLast;
    // A print flag was set or inverted during the current selection.
    bool resultLinesChanged = false;
};
