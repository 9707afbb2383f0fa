#pragma once
// KZPullDownMenu: the toolkit's menu bar, a framework menu bar with the window
// leech. Before a menu opens, and before a Ctrl or Alt key press is matched
// against the entries' accelerators, every entry is disabled and unchecked and
// the bar's window is sent kEvtMenuOpening, so that it enables and checks what
// applies now. With a time-out the bar owns a watchdog that closes a menu left
// open without activity. The window owns the bar; GUI thread only.

#include <cstdint>
#include <memory>

#include "framework/controls/ZafPullDownMenu.h"
#include "shell/toolkit/window/KZWindowLeech.h"

class KZMenuWatchDog;

class KZPullDownMenu : public ZafPullDownMenu, public KZWindowLeech
{
public:
    // timeout in ms ("\Hardware\MenuTimeOut"); 0 or less: no watchdog.
    explicit KZPullDownMenu(int32_t timeout);
    ~KZPullDownMenu() override;

    ZafEventType Event(const ZafEventStruct &event) override;
    // For a key press with Ctrl or Alt held: resets the entries, then the
    // first enabled entry whose accelerator matches queues its value; true
    // then (the key is used up), else false.
    bool DispatchAccelerator(const ZafEventStruct &event);
    // True when the event is a key press with Ctrl or Alt held that is the
    // accelerator of an entry whose value is code, whatever the entries'
    // states; nothing is reset or queued.
    bool IsAcceleratorOf(int32_t code, const ZafEventStruct &event);
    // Every entry disabled and unchecked, then kEvtMenuOpening to the bar's
    // window.
    void ResetItems();
    // Every entry (and sub-entry) whose value is code.
    void EnableItem(int32_t code, bool enable);
    void CheckItem(int32_t code, bool checked);

    KZMenuWatchDog *WatchDog() const { return watchDog.get(); }

    using ZafPullDownMenu::Redisplay;
    using KZWindowLeech::Redisplay;
    using ZafPullDownMenu::DrawBackground;
    using KZWindowLeech::DrawBackground;
    using ZafPullDownMenu::DrawEdge;
    using KZWindowLeech::DrawEdge;

private:
    template <typename Visit> void ForEachTitle(Visit visit) const;
    // The key press of event as the accelerators are matched against;
    // false when it is none or holds neither Ctrl nor Alt.
    bool AcceleratorKey(const ZafEventStruct &event, ZafEventStruct &key);

    std::unique_ptr<KZMenuWatchDog> watchDog;
};
