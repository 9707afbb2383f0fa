#include "framework/core/data/ZafPaletteData.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// An observer that logs (observer, kind) and can re-enter its data object.
struct Observer : ZafElement
{
    std::vector<ZafUpdateCode> kinds;
    ZafNotification *reenter = nullptr;
    int reentryAnswer = -1;
};

ZafError Record(ZafElement *element, ZafUpdateCode code)
{
    auto *observer = static_cast<Observer *>(element);
    observer->kinds.push_back(code);
    if (observer->reenter)
        observer->reentryAnswer = observer->reenter->Notify();
    return 0;
}

ZafError Other(ZafElement *, ZafUpdateCode)
{
    return 0;
}

ZafPaletteStruct Palette(ZafInt8 foreground, ZafInt8 font)
{
    ZafPaletteStruct palette = ZafPaletteStruct::Default();
    palette.colorForeground = foreground;
    palette.font = font;
    return palette;
}

} // namespace

TEST(ZafNotification, NotifyCallsObserversOfKindTwoOnly)
{
    ZafData data;
    EXPECT_EQ(data.Notify(), 1);   // an empty list answers 1
    EXPECT_EQ(data.NotifyUpdate(), 1);
    Observer changed, reads, both;
    data.AddNotification(&changed, Record, ZAF_NOTIFY_CHANGED);
    data.AddNotification(&reads, Record, ZAF_NOTIFY_READ);
    data.AddNotification(&both, Record, ZAF_NOTIFY_READ | ZAF_NOTIFY_CHANGED);
    EXPECT_EQ(data.Notify(), 0);
    EXPECT_EQ(data.NotifyUpdate(), 0);
    EXPECT_EQ(changed.kinds, (std::vector<ZafUpdateCode>{ 2 }));
    EXPECT_EQ(reads.kinds, (std::vector<ZafUpdateCode>{ 1 }));
    EXPECT_EQ(both.kinds, (std::vector<ZafUpdateCode>{ 2, 1 }));
    EXPECT_EQ(data.Notify(&reads), 0);   // only that observer, which takes no kind 2
    EXPECT_EQ(reads.kinds.size(), 1u);
}

TEST(ZafNotification, NotifyReentryAnswersOne)
{
    ZafData data;
    Observer observer;
    observer.reenter = &data;
    data.AddNotification(&observer, Record, ZAF_NOTIFY_CHANGED);
    EXPECT_EQ(data.Notify(), 0);
    EXPECT_EQ(observer.reentryAnswer, 1);
    EXPECT_EQ(observer.kinds.size(), 1u);
    // The guard is released afterwards.
    observer.reenter = nullptr;
    EXPECT_EQ(data.Notify(), 0);
    EXPECT_EQ(observer.kinds.size(), 2u);
}

TEST(ZafNotification, EntriesAreUniquePerObjectAndFunction)
{
    ZafData data;
    Observer a, b;
    EXPECT_TRUE(data.AddNotification(&a, Record, 3));
    EXPECT_FALSE(data.AddNotification(&a, Record, 1));
    EXPECT_TRUE(data.AddNotification(&a, Other, 2));
    for (int i = 0; i < 12; ++i)   // past a few growth steps
        data.AddNotification(&b, i % 2 ? Record : Other, 3);
    EXPECT_EQ(data.NotificationCount(), 5 - 1);
    EXPECT_EQ(data.NotificationValue(&a), 3u);
    EXPECT_EQ(data.SetNotificationValue(&a, 0), 0u);
    EXPECT_EQ(data.NotificationValue(&a), 0u);
    Observer absent;
    EXPECT_EQ(data.NotificationValue(&absent), 0u);
    data.SubtractNotification(&a, Other);
    EXPECT_EQ(data.NotificationCount(), 3);
    data.SubtractNotification(&b);
    EXPECT_EQ(data.NotificationCount(), 1);
}

TEST(ZafNotification, AnObserverMayLeaveWhileBeingNotified)
{
    struct Leaving : ZafElement
    {
        ZafData *data = nullptr;
        int calls = 0;
    };
    Leaving one, two;
    ZafData data;
    one.data = two.data = &data;
    auto leave = [](ZafElement *element, ZafUpdateCode) -> ZafError {
        auto *self = static_cast<Leaving *>(element);
        ++self->calls;
        self->data->SubtractNotification(self);
        return 0;
    };
    data.AddNotification(&one, leave, 2);
    data.AddNotification(&two, leave, 2);
    EXPECT_EQ(data.Notify(), 0);
    EXPECT_EQ(one.calls, 1);
    EXPECT_LE(two.calls, 1);
    EXPECT_EQ(data.NotificationCount(), 1 - two.calls);
}

TEST(ZafData, EndUpdateNotifiesOnceWhenTheCountReachesZero)
{
    ZafData data;
    Observer observer;
    data.AddNotification(&observer, Record, ZAF_NOTIFY_CHANGED);
    EXPECT_EQ(data.BeginUpdate(), 1);
    EXPECT_EQ(data.BeginUpdate(), 2);
    EXPECT_EQ(data.EndUpdate(), 1);
    EXPECT_TRUE(observer.kinds.empty());
    EXPECT_EQ(data.EndUpdate(), 0);
    EXPECT_EQ(observer.kinds.size(), 1u);
    EXPECT_EQ(data.EndUpdate(), 0);   // never below zero, no extra notice
    EXPECT_EQ(observer.kinds.size(), 1u);
    data.BeginUpdate();
    data.EndUpdate(false);
    EXPECT_EQ(observer.kinds.size(), 1u);
}

TEST(ZafPaletteData, GetPaletteOfAMissingPairAnswersTheUnsetValues)
{
    ZafPaletteData data;
    data.AddPalette(ZAF_PT_TEXT, 0x61, Palette(4, 2));
    ZafPaletteStruct palette = data.GetPalette(ZAF_PT_TEXT, 0x21);
    EXPECT_EQ(ZafUInt8(palette.lineStyle), 255);
    EXPECT_EQ(palette.fillPattern, 255);
    EXPECT_EQ(ZafUInt8(palette.colorForeground), 254);
    EXPECT_EQ(ZafUInt8(palette.colorBackground), 254);
    EXPECT_EQ(ZafUInt8(palette.monoForeground), 254);
    EXPECT_EQ(ZafUInt8(palette.monoBackground), 254);
    EXPECT_EQ(ZafUInt8(palette.font), 255);
    EXPECT_EQ(palette.osColorForeground, 0xFFFFFFFFu);
    EXPECT_EQ(palette.osColorBackground, 0xFFFFFFFFu);
    EXPECT_EQ(data.GetPalette(ZAF_PT_TEXT, 0x61), Palette(4, 2));
}

TEST(ZafPaletteData, AddPaletteKeepsTypeThenStateOrderAndReplaces)
{
    ZafPaletteData data;
    Observer observer;
    data.AddNotification(&observer, Record, ZAF_NOTIFY_CHANGED);
    data.AddPalette(ZAF_PT_TEXT, 0x20, Palette(1, 1));
    data.AddPalette(ZAF_PT_BACKGROUND, 0x61, Palette(2, 1));
    data.AddPalette(ZAF_PT_TEXT, 0x00, Palette(3, 1));
    data.AddPalette(ZAF_PT_BACKGROUND, 0x21, Palette(4, 1));
    data.AddPalette(ZAF_PT_TEXT, 0x20, Palette(5, 1));   // replaces
    EXPECT_EQ(observer.kinds, (std::vector<ZafUpdateCode>(5, ZAF_UPDATE_CHANGED)));
    ASSERT_EQ(data.PaletteCount(), 4);
    const ZafPaletteMap *map = data.PaletteMap();
    const ZafPaletteType types[] = { 2, 2, 8, 8, 0 };
    const ZafPaletteState states[] = { 0x21, 0x61, 0x00, 0x20, 0 };
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(map[i].type, types[i]) << i;
        EXPECT_EQ(map[i].state, states[i]) << i;
    }
    EXPECT_EQ(map[3].palette.colorForeground, 5);
    EXPECT_FALSE(data.AddPalette(0, 0, Palette(1, 1)));
}

TEST(ZafPaletteData, StaticMapsAreNotDestroyableButTheirCopiesAre)
{
    ZafPaletteData fixed(true);
    fixed.SetStringID(L"buttonPalette");
    fixed.AddPalette(ZAF_PT_FOCUS, 0, Palette(7, 1));
    Observer observer;
    fixed.AddNotification(&observer, Record, 3);
    EXPECT_FALSE(fixed.Destroyable());

    ZafPaletteData copy(fixed);
    EXPECT_TRUE(copy.Destroyable());
    EXPECT_EQ(copy.NotificationCount(), 0);
    EXPECT_STREQ(copy.StringID(), L"buttonPalette");
    EXPECT_EQ(copy.GetPalette(ZAF_PT_FOCUS, 0), Palette(7, 1));
}
