// Hot-key labels and the accelerator texts of menu entries.
#include <gtest/gtest.h>

#include "shell/toolkit/window/KZAccelerator.h"
#include "shell/toolkit/menus/KZHotKeyText.h"
#include "shell/toolkit/KZToolkitCodes.h"

TEST(KZHotKeyText, TheFirstSingleAmpersandMarksTheHotKey)
{
    const struct
    {
        const wchar_t *label;
        const wchar_t *text;
        wchar_t hotKey;
        int position;
    } cases[] = {
        { L"&New", L"New", L'N', 0 },
        { L"Save &As", L"Save As", L'A', 5 },
        { L"a&&b", L"a&b", 0, -1 },
        { L"&&x&y&z", L"&xyz", L'y', 2 },
        { L"end&", L"end", 0, -1 },
        { L"", L"", 0, -1 },
    };
    for (const auto &c : cases) {
        KZHotKeyText text(c.label);
        EXPECT_EQ(KString(c.text), text.Text()) << c.label;
        EXPECT_EQ(c.hotKey, text.HotKey()) << c.label;
        EXPECT_EQ(c.position, text.HotKeyPosition()) << c.label;
    }
}

TEST(KZAccelerator, TextsAfterTheCommaGiveKeyAndModifiers)
{
    const struct
    {
        const wchar_t *field;
        uint32_t value;
        const wchar_t *shown;
    } cases[] = {
        { L"N", L'N', L"Ctrl+N" },
        { L"A+I", kAccelAlt | L'I', L"Alt+I" },
        { L"S+S", kAccelShift | L'S', L"Shift+Ctrl+S" },
        { L"CS+F", kAccelCtrl | kAccelShift | L'F', L"Shift+Ctrl+F" },
        { L"CA+Del", kAccelCtrl | kAccelAlt | L'l', L"Ctrl+Alt+l" },
        { L"", 0, L"" },
    };
    for (const auto &c : cases) {
        const uint32_t value = KZParseAccelerator(KString(c.field));
        EXPECT_EQ(c.value, value) << c.field;
        KString shown;
        KZAppendAcceleratorText(value, shown);
        EXPECT_EQ(KString(c.shown), shown) << c.field;
    }
}

TEST(KZAccelerator, KeysMatchWithExactlyTheSameModifiers)
{
    const uint32_t ctrlN = KZParseAccelerator(KString(L"N"));
    const uint32_t altI = KZParseAccelerator(KString(L"A+I"));
    const uint32_t ctrlShiftS = KZParseAccelerator(KString(L"S+S"));
    EXPECT_TRUE(KZAcceleratorMatches(ctrlN, L'n', 4));
    EXPECT_TRUE(KZAcceleratorMatches(ctrlN, L'N', 4 | 0x20));      // Num Lock plays no part
    EXPECT_FALSE(KZAcceleratorMatches(ctrlN, L'N', 4 | 1));        // Ctrl+Shift+N
    EXPECT_FALSE(KZAcceleratorMatches(ctrlN, L'N', 8));
    EXPECT_FALSE(KZAcceleratorMatches(ctrlN, L'M', 4));
    EXPECT_TRUE(KZAcceleratorMatches(altI, L'i', 8));
    EXPECT_FALSE(KZAcceleratorMatches(altI, L'i', 8 | 4));
    EXPECT_TRUE(KZAcceleratorMatches(ctrlShiftS, L'S', 4 | 2));    // either Shift key
    EXPECT_FALSE(KZAcceleratorMatches(0, L'N', 4));
}
