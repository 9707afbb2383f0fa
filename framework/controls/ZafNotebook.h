#pragma once
// ZafNotebook: the framework's tabbed notebook. Its children are its pages
// (each a ZafWindow) and its support objects one tab per page, in the same
// order. Only the current page is on screen; the others stay unregistered
// until selected. The notebook draws the tabs as a row across the top of its
// own OS window; when they do not fit, two small scroll buttons at the right
// end of the row shift the row by whole tabs. A page is chosen by a click on
// its tab, Page Up / Page Down, Ctrl+Tab / Ctrl+Shift+Tab, the hot key of its
// tab, or SetCurrentPage; each change is announced with ZAF_EV_PAGE_CHANGED.
//
// ZafNotebookTab: the tab of a page. It holds the support objects taken from
// the page (the page's title becomes its label, whose text is the tab text)
// and the tab's hot key. GUI thread only.
//
// The portable half is here and in ZafNotebook.cpp; drawing, keys and the
// OS window live in framework/windows/ZafNotebookOS.cpp.

#include "framework/controls/ZafFramelessWindow.h"

#include <memory>
#include <utility>
#include <vector>

class ZafNotebookTab : public ZafWindowObject
{
public:
    ZafNotebookTab();
    ZafNotebookTab(const ZafNotebookTab &copy);
    ~ZafNotebookTab() override;

    ZafWindowObject *Duplicate() override { return new ZafNotebookTab(*this); }
    // The label's text; null without a label.
    const ZafIChar *Text() override;
    // Sets the label's text (10 without a label); redraws the tab.
    ZafError SetText(const ZafIChar *text) override;
    using ZafWindowObject::SetText;
    ZafEventType Redisplay(const ZafEventStruct &event, ZafEventType code) override;    // Windows half
    ZafEventType Event(const ZafEventStruct &event) override;

    // Takes a support object of the page (a title becomes the label).
    void Hold(ZafWindowObject *object);
    // Gives the held objects back (the caller owns them then).
    ZafWindowObject *Release();
    ZafWindowObject *Label() const { return label; }
    ZafIChar HotKey() const { return hotKeyChar; }
    int HotKeyIndex() const { return hotKeyIndex; }
    void SetHotKey(ZafIChar character, int index);

private:
    ZafWindowObject *label = nullptr;
    ZafList held;
    ZafIChar hotKeyChar = 0;
    int hotKeyIndex = -1;
};

class ZafNotebook : public ZafFramelessWindow
{
public:
    ZafNotebook(int left, int top, int width, int height);
    ZafNotebook(const ZafNotebook &copy);
    ZafNotebook(const ZafIChar *name, ZafObjectPersistence &persistence);
    ~ZafNotebook() override;

    ZAF_CLASS_IDENTITY_MEMBERS(ZafWindow, ZAF_ID_NOTEBOOK, L"ZafNotebook")

    ZafEventType Event(const ZafEventStruct &event) override;              // Windows half
    ZafEventType OSEvent(const ZafEventStruct &event) override;            // Windows half
    // The page area (pixels), below the tab row.
    ZafRegionStruct ClientRegion(ZafWindowObject *object) override;
    ZAF_PERSISTENT_CLASS(ZafWindowObject, ZafNotebook);
    void Write(ZafObjectPersistence &persistence) override;
    // Each page is written with a temporary title carrying its tab text.
    void WriteChildren(ZafObjectPersistence &persistence) override;
    // The tabs are not written (the pages carry their texts).
    void WriteSupportObjects(ZafObjectPersistence &persistence) override;

    bool SetDropTarget(bool) override { return dropTarget = false; }
    bool SetAutomaticUpdate(bool value) override { return ZafWindowObject::SetAutomaticUpdate(value); }
    bool SetBorder(bool value) override { return SetBeforeRegistration(border, value); }
    ZafEventType DropHook(const ZafEventStruct &) override { return -1; }
    ZafEventType Redisplay(const ZafEventStruct &event, ZafEventType code) override;  // Windows half
    ZafOSWindow OSHandle(int = 2) const override { return osWindow; }
    void OSRegisterObject() override;                                                   // Windows half
    bool SetDestroyable(bool) override { return destroyable = false; }
    bool SetTemporary(bool) override { return temporary = false; }
    int SetSelectionType(int) override { return selectionType = 0; }

    // Only a ZafWindow becomes a page (anything else: null, not added).
    ZafWindowObject *Add(ZafWindowObject *object, ZafWindowObject *position = nullptr) override;
    ZafWindowObject *Subtract(ZafWindowObject *object) override;
    void NotifyChildrenDestroy() override;

    virtual const ZafIChar *TabText(int index);
    // Outside 0 .. count - 1, or the current page: nothing changes.
    virtual void SetCurrentPage(int index);                                             // Windows half
    virtual void SetCurrentPageObject(ZafWindow *page);
    // Before the OS window exists only; answer the value in force.
    virtual int SetTabHeight(int value) { return SetBeforeRegistration(tabHeight, value); }
    virtual void SetTabHotKey(int index, ZafIChar character, int hotKeyIndex);
    virtual ZafError SetTabText(const ZafIChar *text, int index);
    virtual int SetTabWidth(int value) { return SetBeforeRegistration(tabWidth, value); }
    ZafIChar TabHotKey(int index) const;
    int TabHotKeyIndex(int index) const;

    int CurrentPageIndex() const { return currentPage; }
    ZafWindow *CurrentPage() const;
    int FirstVisibleTab() const { return firstVisibleTab; }
    int TabHeight() const { return tabHeight; }
    int TabWidth() const { return tabWidth; }
    ZafNotebookTab *Tab(int index) const;
    ZafWindowObject *LeftButton() const { return leftButton; }
    ZafWindowObject *RightButton() const { return rightButton; }

    // The row offset (2 with a border) and the tab row's height.
    int RowOffset() const { return border ? 2 : 0; }
    int RowHeight() const { return tabHeight > 0 ? tabHeight : 24; }

protected:
    // Tab layout (ZAF_EV_SIZED), the scroll steps (-310, -311) and the scroll
    // buttons (Windows half).
    void LayoutTabs();
    bool ScrollTabs(bool right);
    void UpdateScrollButtons();
    void MakeScrollButtons();                                   // ZafNotebookParts.cpp
    void DeleteScrollButtons();
    // A title support object carrying text, for storing a page.
    static ZafWindowObject *NewTitle(const ZafIChar *text);      // ZafNotebookParts.cpp
    // Redraws an area of the notebook (pixels, the notebook's own
    // coordinates) through its parent.
    void RedrawArea(const ZafRegionStruct &area);
    ZafEventType KeyEvent(const ZafEventStruct &event);
    ZafEventType PressEvent(const ZafEventStruct &event);
    ZafEventType TabHotKeyEvent(const ZafEventStruct &event);
    int Width() const;

    int tabHeight = 0;
    int tabWidth = 0;
    int currentPage = -1;
    int firstVisibleTab = 0;
    ZafWindowObject *leftButton = nullptr;
    ZafWindowObject *rightButton = nullptr;
    void WriteRecordExtension(ZafFile &file) override;

private:
    struct Stored
    {
        int tabHeight = 0;
        int tabWidth = 0;
        std::vector<std::pair<ZafIChar, int>> hotKeys;
    };
    ZafNotebook(const ZafIChar *name, ZafObjectPersistence &persistence, std::shared_ptr<Stored> stored);
};
