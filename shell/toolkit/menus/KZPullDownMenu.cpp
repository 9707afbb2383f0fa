#include "shell/toolkit/menus/KZPullDownMenu.h"

#include "shell/toolkit/menus/KZMenuWatchDog.h"
#include "shell/toolkit/menus/KZPullDownItem.h"
#include "shell/toolkit/KZToolkitCodes.h"

KZPullDownMenu::KZPullDownMenu(int32_t timeout) : KZWindowLeech(this)
{
    if (timeout > 0)
        watchDog = std::make_unique<KZMenuWatchDog>(timeout);
}

KZPullDownMenu::~KZPullDownMenu() = default;

template <typename Visit> void KZPullDownMenu::ForEachTitle(Visit visit) const
{
    for (ZafElement *e = ZafList::First(); e; e = e->Next())
        if (auto *title = dynamic_cast<KZPullDownItem *>(static_cast<ZafWindowObject *>(e)))
            if (visit(title))
                return;
}

ZafEventType KZPullDownMenu::Event(const ZafEventStruct &event)
{
    if (ZafEventType answer = KZWindowLeech::Event(event))
        return answer;
    ZafEventStruct mapped = event;
    const ZafLogicalEvent code = MapEvent(mapped);
    if (watchDog)
        watchDog->Restart();
    if (code == kEvtMenuClosed) {
        if (watchDog)
            watchDog->Stop();
        return ZafPullDownMenu::Event(event);
    }
    if (code == kEvtMenuOpened) {
        const ZafEventType answer = ZafPullDownMenu::Event(event);
        ResetItems();
        if (watchDog)
            watchDog->Start();
        return answer;
    }
    return ZafPullDownMenu::Event(event);
}

bool KZPullDownMenu::AcceleratorKey(const ZafEventStruct &event, ZafEventStruct &key)
{
    if (event.InputClass() != ZAF_INPUT_KEYBOARD)
        return false;
    key = event;
    key.windowObject = nullptr;
    TranslateInputEvent(key);
    return (key.mapModifiers & ZAF_KEY_PRESS) && (key.modifiers & (ZAF_CTRL | ZAF_ALT));
}

bool KZPullDownMenu::IsAcceleratorOf(int32_t code, const ZafEventStruct &event)
{
    ZafEventStruct key;
    if (!AcceleratorKey(event, key))
        return false;
    bool matched = false;
    ForEachTitle([&](KZPullDownItem *title) { return matched = title->IsAcceleratorOf(code, key); });
    return matched;
}

bool KZPullDownMenu::DispatchAccelerator(const ZafEventStruct &event)
{
    ZafEventStruct key;
    if (!AcceleratorKey(event, key))
        return false;
    ResetItems();
    bool dispatched = false;
    ForEachTitle([&](KZPullDownItem *title) { return dispatched = title->DispatchAccelerator(key); });
    return dispatched;
}

void KZPullDownMenu::ResetItems()
{
    ForEachTitle([](KZPullDownItem *title) {
        title->EnableAll(false);
        title->SetSelected(false);
        return false;
    });
    if (ZafWindowObject *window = Parent())
        window->Event(ZafEventStruct(kEvtMenuOpening, 0));
}

void KZPullDownMenu::EnableItem(int32_t code, bool enable)
{
    ForEachTitle([&](KZPullDownItem *title) {
        title->EnableItem(code, enable);
        return false;
    });
}

void KZPullDownMenu::CheckItem(int32_t code, bool checked)
{
    ForEachTitle([&](KZPullDownItem *title) {
        title->CheckItem(code, checked);
        return false;
    });
}
