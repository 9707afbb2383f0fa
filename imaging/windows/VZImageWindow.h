#pragma once
// VZImageWindow: the window that shows one image view: a tool bar on top
// (enter button, identification field, identification method, zoom buttons,
// zoom selector, crop, auto-crop, find object, enhance, print and maximise,
// each switched by a setting under "\Event\Image\ToolBar\") and the image
// pane below. The view knows the window through VImageViewWindow. The leg
// that owns the image (its message parent, or an ancestor of it) is the leg
// whose results the window enters and whose start gives the automatic time
// resolution. Owned by the window it is added to; GUI thread.
//
// The module part: its start-up reads the tool bar's named bitmaps from the
// program's data file (VZWindowCodes.h lists them); its shut-down deletes them.

#include <cstdint>

#include "foundation/values/KPoint.h"
#include "imaging/views/VImageViewWindow.h"
#include "imaging/VZWindowCodes.h"
#include "shell/toolkit/window/VZModuleBitmaps.h"
#include "shell/toolkit/bars/KZTBComboBox.h"
#include "shell/toolkit/bars/KZTBString.h"
#include "shell/toolkit/window/KZWindow.h"

class KMessageObject;
class QVResult;
class KZTBButton;
class KZToolBar;
class VImage;
class VImageView;
class VLeg;
class VZImagePane;
class VZImageWindow;

// The identification field of the tool bar (at most 31 characters).
class VZIdPane : public KZTBString
{
public:
    explicit VZIdPane(VZImageWindow *owner);
    // Enter asks the window to enter a result; the cursor keys go to the window.
    ZafEventType Event(const ZafEventStruct &event) override;

private:
    VZImageWindow *owner;
};

// The zoom choices, in percent, from "1600" down to "10". Choosing an entry
// (by mouse or keyboard) queues kEvtImageZoomChoice for the window.
class VZZoomSelector : public KZTBComboBox
{
public:
    static constexpr int kEntries = 14;
    static const wchar_t *const kPercents[kEntries];

    explicit VZZoomSelector(VZImageWindow *owner);
    // Notes whether a choice is made while the box handles a key.
    ZafEventType Event(const ZafEventStruct &event) override;
    // The chosen entry's percentage, 0 when none is chosen.
    int32_t ChosenPercent();
    // Whether the last choice came from the keyboard; asking forgets it.
    bool TakeKeyboardChoice();

private:
    VZImageWindow *owner;
    bool handlingKey = false;
    bool keyboardChoice = false;
};

class VZImageWindow : public KZWindow, public VImageViewWindow, public VZModuleBitmaps<kImageWindowBitmaps>
{
public:
    VZImageWindow(KMessageObject *owner, VImageView *view);
    ~VZImageWindow() override;

    ZafEventType Event(const ZafEventStruct &event) override;
    void SetView(VImageView *newView);
    VImageView *View() const { return view; }
    VZImagePane *Pane() const { return pane; }
    KZToolBar *ToolBar() const { return toolBar; }
    VZIdPane *IdPane() const { return idPane; }
    VZZoomSelector *ZoomSelector() const { return zoomSelector; }

    // The leg that owns the image; none when no owner of the image is a leg.
    VLeg *Leg() const;

    // The set time resolution in ticks of 1/80000 s, 0 automatic.
    int64_t TimeResolution() const { return timeResolution; }
    // With automatic resolution: 1/10 s for a hand start, else 1/100 s.
    int64_t EffectiveTimeResolution() const;

    // The tool bar's texts, pictures and zoom text follow the view. Without
    // a selection shown, crop becomes uncrop (when frames are cut) and
    // enhance becomes unenhance; while maximised, maximise becomes restore.
    void Update(bool fullRepaint);
    // Maximising and restoring belong to the host window, which tells the
    // window here so that its button offers the other one; updates.
    void SetImageMaximized(bool on);
    bool ImageMaximized() const { return maximized; }
    // The image's identification method (camera parameter 18), 0 none.
    int32_t IdMethod() const;
    // The next of the methods 0 to 3, stored with notification.
    void StepIdMethod();
    // Gives the time at the cursor, with the window's time resolution, to
    // chosen, or (chosen none) to the result whose identification field
    // holds the identification pane's text, else to a new result of the
    // leg. Refuses with a beep and a message when there is no time there or
    // the text is empty while a method names a field; asks before giving a
    // time to a timed or coded result, a time close to another result's, or
    // (by the list's option) a new result. True when stored; false (with a
    // beep) as well without a leg.
    bool EnterResult(QVResult *chosen = nullptr);

    // The pop-up of the leg's untimed results (at most 100, each labelled
    // with its identification, a tab and its affiliation) at a screen point,
    // while the identification method names a field. Answers false, opening
    // nothing, when there is no entry to offer; waits while the menu is open.
    bool ResultPopUp(KPoint screen);
    // The selection's pop-up menu (crop, enhance, export, print) at a screen
    // point; waits while it is open. The chosen entry's command arrives as a
    // queued event.
    static void SelectionPopUp(KPoint screen);

    // Enables and checks the window's entries of the main menu bar, then the pane's.
    void MenuOpening();
    // Cuts the selection's frames from the image; nothing without a selection.
    void Crop();
    // Asks, then shows the cut frames again.
    void Uncrop();
    // Cuts the empty stretches between objects (from the start with Shift held).
    void AutoCrop();
    // Moves the cursor to the next object's leading edge; a beep when none is left.
    void FindObject();
    // Spreads the levels found in the selection over the display range.
    void Enhance();
    void Unenhance();

    // Centres the pane on the cursor, else on the selection's centre.
    void Recentre();

    // VImageViewWindow
    void Redraw(bool fullRepaint) override { Update(fullRepaint); }
    void LanesChanged() override;
    void ExtentChanged() override { Update(false); }
    void BlockAdded() override;
    bool HasPane() const override { return pane != nullptr; }
    void MoveTimeTrack(const VRaceTime &time, int32_t y) override;
    void Follow(uint32_t) override {}
    void ShowLines(bool) override;


private:
    void BuildToolBar();
    KZTBButton *AddButton(int32_t code, int bitmap);
    void ChooseZoom();
    // The n-th untimed result of the leg gets the time; nothing when gone.
    void EnterPopUpChoice(int32_t n);
    void UpdateIdMethodButton();

    KMessageObject *owner;
    VImage *image = nullptr;
    VImageView *view = nullptr;
    VZImagePane *pane = nullptr;
    KZToolBar *toolBar = nullptr;
    KZTBButton *enterButton = nullptr;
    int64_t timeResolution = 0;
    VZIdPane *idPane = nullptr;
    KZTBButton *idMethodButton = nullptr;
    KZTBButton *zoomOutButton = nullptr;
    KZTBButton *zoomInButton = nullptr;
    VZZoomSelector *zoomSelector = nullptr;
    KZTBButton *cropButton = nullptr;
    KZTBButton *autoCropButton = nullptr;
    KZTBButton *findObjectButton = nullptr;
    KZTBButton *enhanceButton = nullptr;
    KZTBButton *printButton = nullptr;
    bool maximized = false;
    KZTBButton *maximizeButton = nullptr;
};
