// The portable half of ZafNotebook and ZafNotebookTab: pages and their tabs,
// tab texts and hot keys, the page area and storage.
#include "framework/controls/ZafNotebook.h"
#include "framework/core/storage/ZafObjectLevel.h"

#include "framework/core/base/ZafConstants.h"
#include "framework/core/storage/ZafFile.h"
#include "framework/core/objects/ZafChildObjects.h"

#include <memory>
#include <utility>
#include <vector>

namespace {

using ZafChildObjects::AsObject;

// The number id of the geometry manager, which stays with its page.
constexpr ZafNumberID geometryManagerID = -9;

} // namespace

// ---- The tab ------------------------------------------------------------------------------

ZafNotebookTab::ZafNotebookTab() : ZafWindowObject(0, 0, 0, 0)
{
    ownOSWindow = false;
    useParentFrameHandle = true;
    coordinateType = ZAF_PIXEL;
}

ZafNotebookTab::ZafNotebookTab(const ZafNotebookTab &copy)
    : ZafWindowObject(copy), hotKeyChar(copy.hotKeyChar), hotKeyIndex(copy.hotKeyIndex)
{
    ownOSWindow = false;
    useParentFrameHandle = true;
    for (ZafElement *e = copy.held.First(); e; e = e->Next())
        Hold(AsObject(e)->Duplicate());
}

ZafNotebookTab::~ZafNotebookTab()
{
    held.Destroy();
}

void ZafNotebookTab::Hold(ZafWindowObject *object)
{
    held.Add(object);
    if (object->IsAClassID(ZAF_ID_TITLE))
        label = object;
}

ZafWindowObject *ZafNotebookTab::Release()
{
    ZafWindowObject *object = AsObject(held.First());
    if (!object)
        return nullptr;
    held.Subtract(object);
    if (object == label)
        label = nullptr;
    return object;
}

const ZafIChar *ZafNotebookTab::Text()
{
    return label ? label->Text() : nullptr;
}

ZafError ZafNotebookTab::SetText(const ZafIChar *text)
{
    if (!label)
        return 10;
    ZafError error = label->SetText(text);
    if (Registered())
        Event(ZafEventStruct(ZAF_EV_REDRAW, 0));
    return error;
}

void ZafNotebookTab::SetHotKey(ZafIChar character, int index)
{
    hotKeyChar = character;
    hotKeyIndex = index;
}

ZafEventType ZafNotebookTab::Event(const ZafEventStruct &event)
{
    if (event.type == ZAF_EV_REDRAW || event.type == ZAF_EV_REDRAW_AREA || event.type == ZAF_EV_REDRAW_DATA)
        return Redisplay(event, event.type);
    return ZafWindowObject::Event(event);
}

// ---- The notebook: construction -------------------------------------------------------------

ZafNotebook::ZafNotebook(int left, int top, int width, int height) : ZafFramelessWindow(left, top, width, height)
{
    border = true;
    destroyable = false;
    moveable = false;
    regionMode = 2;
    sizeable = false;
}

ZafNotebook::ZafNotebook(const ZafNotebook &copy)
    : ZafFramelessWindow(copy), tabHeight(copy.tabHeight), tabWidth(copy.tabWidth), currentPage(copy.currentPage)
{
}

ZafNotebook::~ZafNotebook()
{
    DeleteScrollButtons();
}

int ZafNotebook::Width() const
{
    ZafRegionStruct pixels = region;
    ConvertRegion(pixels, ZAF_PIXEL);
    return pixels.right - pixels.left;
}

ZafRegionStruct ZafNotebook::ClientRegion(ZafWindowObject *)
{
    ZafRegionStruct pixels = region;
    ConvertRegion(pixels, ZAF_PIXEL);
    const int w = pixels.right - pixels.left, h = pixels.bottom - pixels.top, row = RowHeight();
    const int inset = border ? 8 : 6, topInset = border ? row + 6 : row + 4;
    ZafRegionStruct client;
    client.Assign(inset, topInset, w - inset, h - inset, ZAF_PIXEL);
    return client;
}

// ---- Pages and tabs --------------------------------------------------------------------------

ZafNotebookTab *ZafNotebook::Tab(int index) const
{
    ZafElement *e = supportList.Get(index);
    return e ? static_cast<ZafNotebookTab *>(AsObject(e)) : nullptr;
}

ZafWindow *ZafNotebook::CurrentPage() const
{
    ZafElement *e = currentPage >= 0 ? ZafList::Get(currentPage) : nullptr;
    return e ? static_cast<ZafWindow *>(AsObject(e)) : nullptr;
}

ZafWindowObject *ZafNotebook::Add(ZafWindowObject *object, ZafWindowObject *position)
{
    if (!object || object->Parent() || !object->IsAClassID(ZAF_ID_WINDOW))
        return nullptr;
    ZafWindow *page = static_cast<ZafWindow *>(object);
    page->SetPaletteFromParent(true);
    page->SetRegionMode(2);
    auto *tab = new ZafNotebookTab;
    std::vector<ZafWindowObject *> taken;
    for (ZafElement *e = page->SupportList().First(); e; e = e->Next())
        if (AsObject(e)->NumberID() < 0 && AsObject(e)->NumberID() != geometryManagerID)
            taken.push_back(AsObject(e));
    for (ZafWindowObject *support : taken)
        tab->Hold(page->Subtract(support));
    ZafWindow *before = CurrentPage();
    if (position && !Contains(position))
        position = nullptr;
    ZafList::AddBefore(page, position);
    page->SetParent(this);
    if (Registered())
        page->Event(ZafEventStruct(ZAF_EV_UNREGISTER, 0));
    const int index = Index(page);
    supportList.AddBefore(tab, supportList.Get(index));
    tab->SetParent(this);
    if (Registered())
        tab->Event(ZafEventStruct(ZAF_EV_REGISTER, 0));
    if (!before)
        SetCurrentPageObject(page);
    else
        currentPage = Index(before);
    if (Registered())
        Event(ZafEventStruct(ZAF_EV_SIZED, 0));
    return page;
}

ZafWindowObject *ZafNotebook::Subtract(ZafWindowObject *object)
{
    const int index = Index(object);
    if (index < 0)
        return ZafWindow::Subtract(object);
    ZafWindow *current = CurrentPage();
    ZafNotebookTab *tab = Tab(index);
    if (tab)
        supportList.Subtract(tab);
    if (object->Registered())
        object->Event(ZafEventStruct(ZAF_EV_UNREGISTER, 0));
    ZafList::Subtract(object);
    object->SetParent(nullptr);
    ZafWindow *page = static_cast<ZafWindow *>(object);
    if (tab)
    {
        std::vector<ZafWindowObject *> given;
        while (ZafWindowObject *support = tab->Release())
            given.push_back(support);
        for (ZafWindowObject *support : given)
            page->Add(support, page->FirstSupport());
        delete tab;
    }
    currentPage = current == page ? -1 : Index(current);
    if (currentPage < 0 && ZafList::Count() > 0)
        SetCurrentPage(0);
    return page;
}

void ZafNotebook::NotifyChildrenDestroy()
{
    while (ZafElement *e = supportList.First())
    {
        supportList.Subtract(e);
        delete e;
    }
    ZafWindow::NotifyChildrenDestroy();
}

void ZafNotebook::SetCurrentPageObject(ZafWindow *page)
{
    SetCurrentPage(Index(page));
}

const ZafIChar *ZafNotebook::TabText(int index)
{
    ZafNotebookTab *tab = Tab(index);
    return tab ? tab->Text() : nullptr;
}

ZafError ZafNotebook::SetTabText(const ZafIChar *text, int index)
{
    ZafNotebookTab *tab = Tab(index);
    if (!tab)
        return 10;
    ZafError error = tab->SetText(text);
    if (Registered())
        Event(ZafEventStruct(ZAF_EV_SIZED, 0));
    return error;
}

void ZafNotebook::SetTabHotKey(int index, ZafIChar character, int hotKeyIndex)
{
    if (ZafNotebookTab *tab = Tab(index))
        tab->SetHotKey(character, hotKeyIndex);
}

ZafIChar ZafNotebook::TabHotKey(int index) const
{
    ZafNotebookTab *tab = Tab(index);
    return tab ? tab->HotKey() : 0;
}

int ZafNotebook::TabHotKeyIndex(int index) const
{
    ZafNotebookTab *tab = Tab(index);
    return tab ? tab->HotKeyIndex() : -1;
}

// ---- Storage --------------------------------------------------------------------------------
// After the window's record, in the same record file: i32 tab height, i32
// tab width, u16 count, then per tab u16 hot-key character and i16 hot-key
// position. The pages are the stored children, each with a temporary title
// carrying its tab text.

ZafNotebook::ZafNotebook(const ZafIChar *name, ZafObjectPersistence &persistence)
    : ZafNotebook(name, persistence, std::make_shared<Stored>())
{
}

// The record is read inside the window's constructor, before this object's
// own members exist; it waits in stored until they do.
ZafNotebook::ZafNotebook(const ZafIChar *name, ZafObjectPersistence &persistence, std::shared_ptr<Stored> stored)
    : ZafFramelessWindow(name, ZafObjectPersistence::PushLevel(persistence, className, classID),
          [stored](ZafFile &file) {
              ZafInt32 height = 0, width = 0;
              ZafUInt16 count = 0;
              file.ReadInt32(height);
              file.ReadInt32(width);
              file.ReadUInt16(count);
              for (int i = 0; i < count && !file.Error(); ++i)
              {
                  ZafUInt16 character = 0;
                  ZafInt16 position = -1;
                  if (file.ReadUInt16(character) && file.ReadInt16(position))
                      stored->hotKeys.emplace_back(ZafIChar(character), position);
              }
              stored->tabHeight = height < 0 ? 0 : height;
              stored->tabWidth = width;
          }),
      tabHeight(stored->tabHeight), tabWidth(stored->tabWidth)
{
    std::vector<ZafWindowObject *> pages;
    while (ZafWindowObject *page = FirstChild())
        pages.push_back(ZafWindow::Subtract(page));
    for (ZafWindowObject *page : pages)
        if (!Add(page))
            delete page;
    for (size_t i = 0; i < stored->hotKeys.size(); ++i)
        SetTabHotKey(int(i), stored->hotKeys[i].first, stored->hotKeys[i].second);
    ZafPopObjectLevel(*this, persistence);
}

void ZafNotebook::Write(ZafObjectPersistence &persistence)
{
    ZafWriteAtLevel(*this, persistence, className, classID, [&] { ZafWindow::Write(persistence); });
}

void ZafNotebook::WriteRecordExtension(ZafFile &file)
{
    file.WriteInt32(tabHeight);
    file.WriteInt32(tabWidth);
    file.WriteUInt16(ZafUInt16(supportList.Count()));
    for (ZafElement *e = supportList.First(); e; e = e->Next())
    {
        const ZafNotebookTab *tab = static_cast<const ZafNotebookTab *>(AsObject(e));
        file.WriteUInt16(ZafUInt16(tab->HotKey()));
        file.WriteInt16(ZafInt16(tab->HotKeyIndex()));
    }
}

void ZafNotebook::WriteSupportObjects(ZafObjectPersistence &)
{
}

void ZafNotebook::WriteChildren(ZafObjectPersistence &persistence)
{
    // The titles join the pages' support lists directly: a page on screen
    // must not take them as frame parts.
    std::vector<std::pair<ZafWindow *, ZafWindowObject *>> titles;
    int index = 0;
    for (ZafElement *e = ZafList::First(); e; e = e->Next(), ++index)
    {
        ZafWindow *page = static_cast<ZafWindow *>(AsObject(e));
        ZafWindowObject *title = NewTitle(TabText(index));
        if (!title)
            continue;
        const_cast<ZafList &>(page->SupportList()).AddBefore(title, page->FirstSupport());
        title->SetParent(page);
        titles.emplace_back(page, title);
    }
    ZafWindow::WriteChildren(persistence);
    for (auto &entry : titles)
    {
        const_cast<ZafList &>(entry.first->SupportList()).Subtract(entry.second);
        entry.second->SetParent(nullptr);
        delete entry.second;
    }
}
