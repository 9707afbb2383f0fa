// ZafPullDownMenu and ZafPullDownItem, portable halves: construction,
// storage, the entries' pop-up menus and lookups.
#include "framework/controls/ZafPullDownItem.h"
#include "framework/controls/ZafPullDownMenu.h"

#include "framework/core/data/ZafStringData.h"
#include "framework/core/storage/ZafStorage.h"

#include <cwchar>

namespace {

void SetUpBar(ZafPullDownMenu &bar)
{
    bar.SetNumberID(-11);
    bar.SetStringID(L"ZAF_NUMID_PULL_DOWN_MENU");
}

int TextWidth(const ZafIChar *text)
{
    int length = text ? int(std::wcslen(text)) : 0;
    return length > 0 ? length : 1;
}

} // namespace

// ---- The bar ----------------------------------------------------------------

ZafPullDownMenu::ZafPullDownMenu() : ZafFramelessWindow(0, 0, 0, 0)
{
    region.Assign(0, 0, 0, 0, ZAF_CELL);
    SetUpBar(*this);
    border = true;
    destroyable = false;
    moveable = false;
    altFreeHotKeys = true;
    sizeable = false;
    regionMode = 2;
    useParentFrameHandle = true;
}

ZafPullDownMenu::ZafPullDownMenu(const ZafPullDownMenu &copy) : ZafFramelessWindow(copy)
{
    SetUpBar(*this);
    useParentFrameHandle = true;
    destroyable = false;
}

ZafPullDownMenu::ZafPullDownMenu(const ZafIChar *name, ZafObjectPersistence &persistence)
    : ZafFramelessWindow(name, ZafObjectPersistence::PushLevel(persistence, className, classID))
{
    ZafObjectPersistence::PopLevel(persistence);
    SetNumberID(-11);
    useParentFrameHandle = true;
    destroyable = false;
    regionMode = 2;
}

ZafPullDownMenu::~ZafPullDownMenu()
{
    // The menu handle is released through the bar's own handling only.
    if (Registered())
        Event(ZafEventStruct(ZAF_EV_UNREGISTER, 0));
}

void ZafPullDownMenu::Write(ZafObjectPersistence &persistence)
{
    ZafObjectPersistence::PushLevel(persistence, className, classID);
    ZafWindow::Write(persistence);
    ZafObjectPersistence::PopLevel(persistence);
}

ZafPullDownItem *ZafPullDownMenu::CurrentItem() const
{
    ZafWindowObject *current = CurrentChild();
    return current && current->IsAClassID(ZAF_ID_PULL_DOWN_ITEM) ? static_cast<ZafPullDownItem *>(current) : nullptr;
}

ZafOSWindow ZafPullDownMenu::FrameWindow() const
{
    return parent ? parent->OSHandle(2) : nullptr;
}

int ZafPullDownMenu::MDIAdjustment() const
{
    ZafWindowObject *root = RootObject();
    if (!root || root == this || !root->IsAClassID(ZAF_ID_MDI_WINDOW))
        return 0;
    ZafWindow *window = dynamic_cast<ZafWindow *>(root);
    ZafWindow *last = window ? dynamic_cast<ZafWindow *>(window->LastChild()) : nullptr;
    return last && last->Maximized() ? 1 : 0;
}

// ---- The entries --------------------------------------------------------------

ZafPullDownItem::ZafPullDownItem(const ZafIChar *text)
    : ZafMenuEntryButton(0, 0, TextWidth(text), 1, text, nullptr, 0)
{
    Construct();
}

ZafPullDownItem::ZafPullDownItem(ZafStringData *text)
    : ZafMenuEntryButton(0, 0, TextWidth(text ? text->Text() : nullptr), 1, text, nullptr, 0)
{
    Construct();
}

ZafPullDownItem::ZafPullDownItem(const ZafPullDownItem &copy) : ZafMenuEntryButton(copy)
{
    ownOSWindow = false;
    subMenu.SetParent(this);
}

void ZafPullDownItem::Construct()
{
    ownOSWindow = false;
    ZafButton::SetButtonType(4);
    ZafButton::SetDepth(0);
    ZafButton::SetAutoSize(false);
    ZafButton::SetSendMessage(false);
    ZafButton::SetValue(0);
    subMenu.SetDestroyable(false);
    subMenu.SetStringID(L"menu");
    subMenu.SetParent(this);
}

ZafPullDownItem::~ZafPullDownItem()
{
    osWindow = nullptr;   // the bar's menu handle, never a window
}
