// ZafMessageWindow on Windows: the children made each time the window is
// built (border, system button and title, icon, message, buttons) and their
// places, in pixels, when it is sized.
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "framework/controls/ZafBorder.h"
#include "framework/controls/ZafButton.h"
#include "framework/controls/ZafFrameButtons.h"
#include "framework/controls/ZafIcon.h"
#include "framework/controls/ZafMessageWindow.h"
#include "framework/controls/ZafText.h"
#include "framework/controls/ZafTitle.h"
#include "framework/core/objects/ZafWindowManager.h"
#include "framework/core/text/ZafLanguageData.h"
#include "framework/windows/ZafGdiDisplay.h"

namespace {

ZafGdiDisplay *Display() { return dynamic_cast<ZafGdiDisplay *>(ZafDisplay::Shared()); }

// The lines of a message: split at CR, LF and the pair CR LF (counted once).
std::vector<std::wstring> MessageLines(const ZafIChar *message)
{
    std::vector<std::wstring> lines(1);
    for (const ZafIChar *c = message; c && *c; ++c)
    {
        if (*c == L'\r' || *c == L'\n')
        {
            if (*c == L'\r' && c[1] == L'\n')
                ++c;
            lines.emplace_back();
        }
        else
            lines.back() += *c;
    }
    return lines;
}

ZafRegionStruct Pixels(int left, int top, int right, int bottom)
{
    ZafRegionStruct region;
    region.Assign(left, top, right, bottom, ZAF_PIXEL);
    return region;
}

// Width and height of a text's extent in pixels, with a palette's font.
void Measure(ZafGdiDisplay &display, const ZafPaletteStruct &palette, const std::wstring &text, int &width, int &height)
{
    display.SetPalette(palette);
    ZafRegionStruct extent = display.TextExtent(text.empty() ? L"" : text.c_str());
    width = text.empty() ? 0 : extent.right - extent.left + 1;
    ZafRegionStruct line = display.TextExtent(L"Ag");
    height = line.bottom - line.top + 1;
}

} // namespace

ZafEventType ZafMessageWindow::Event(const ZafEventStruct &event)
{
    switch (event.type)
    {
    case ZAF_EV_SETTLE:
        MakeChildren();
        ZafDialogWindow::Event(event);
        return ZAF_EV_SETTLE;
    case ZAF_EV_COMPUTE_REGION:
        PlaceChildren();
        return ZAF_EV_COMPUTE_REGION;
    default:
        return ZafDialogWindow::Event(event);
    }
}

void ZafMessageWindow::MakeChildren()
{
    // Buttons made for an earlier showing go first.
    SetDefaultButton(nullptr, true);
    if (firstButton && Contains(firstButton))
        while (ZafWindowObject *button = static_cast<ZafWindowObject *>(ZafList::Last()))
        {
            bool last = (button == firstButton);
            delete Subtract(button);
            if (last)
                break;
        }
    firstButton = nullptr;

    if (!Border())
        Add(new ZafBorder());
    if (title && !title->Parent() && !Title())
    {
        Add(new ZafSystemButton(0));
        Add(title);
    }
    if (iconType != 0)
    {
        if (icon && Contains(icon))
            delete Subtract(icon);
        icon = new ZafIcon(2, 1, static_cast<const ZafIChar *>(nullptr), nullptr, 0);
        icon->SetSystemIcon(iconType);
        icon->SetBorder(false);
        icon->SetFocusBlocked(true);
        Add(icon);
    }
    if (text && !text->Parent())
        Add(text);
    for (int bit = 0; bit < 16; ++bit)
    {
        ZafUInt16 flag = ZafUInt16(1u << bit);
        if (!(buttonFlags & flag))
            continue;
        wchar_t hotKey = 0;
        int hotKeyIndex = -1;
        const wchar_t *label = languageData ? languageData->GetText(ZafNumberID(flag), false, &hotKey, &hotKeyIndex) : nullptr;
        ZafButton *button = new ZafButton(0, 0, 0, 0, label, nullptr, 0);
        button->SetAllowDefault(true);
        button->SetAutoSize(true);
        button->SetHotKey(hotKey, label ? hotKeyIndex : -1);
        button->SetSendMessage(true);
        button->SetValue(ButtonResult(flag));
        Add(button);
        if (flag == defaultButton)
        {
            SetDefaultButton(button, true);
            SetCurrent(button);
        }
        if (!firstButton)
            firstButton = button;
    }
}

void ZafMessageWindow::PlaceChildren()
{
    ZafGdiDisplay *display = Display();
    if (!display)
        return;
    const int cw = display->cellWidth, ch = display->cellHeight, sb = display->postSpace;
    display->BeginDraw(nullptr, reinterpret_cast<HWND>(-1));

    // The message, line by line.
    int textWidth = 10, textHeight = 10;
    if (text)
    {
        ZafPaletteStruct palette = text->ResolvePalette(ZAF_PT_TEXT, text->PaletteState());
        int widest = 0, height = 0;
        for (const std::wstring &line : MessageLines(text->Text()))
        {
            int w = 0, h = 0;
            Measure(*display, palette, line, w, h);
            widest = std::max(widest, w);
            height += h + 1;
        }
        textWidth = widest + 10;
        textHeight = height + 10;
    }

    // The buttons share one width.
    int count = 0, buttonWidth = 10 * cw;
    for (ZafWindowObject *b = firstButton; b; b = static_cast<ZafWindowObject *>(b->Next()))
    {
        ++count;
        int w = 0, h = 0;
        Measure(*display, b->ResolvePalette(ZAF_PT_TEXT, b->PaletteState()), b->Text() ? b->Text() : L"", w, h);
        buttonWidth = std::max(buttonWidth, 2 * cw + w);
    }
    display->EndDraw();

    int iconPart = 0, iconHeight = 0;
    if (icon && Contains(icon))
    {
        icon->Event(ZafEventStruct(ZAF_EV_COMPUTE_REGION, 0));
        ZafRegionStruct iconRegion = icon->Region();
        icon->ConvertRegion(iconRegion, ZAF_PIXEL);
        iconPart = iconRegion.Width() + 2 * cw;
        iconHeight = iconRegion.Height();
    }

    int width = iconPart + 4 * cw + textWidth;
    width = std::max(width, (cw + buttonWidth) * count + 3 * cw);
    const int height = 4 * ch + textHeight;
    if (text)
        text->SetRegion(Pixels(iconPart + 2 * cw, ch, iconPart + 2 * cw + textWidth - 1, ch + textHeight - 1));

    const int area = std::max(iconHeight, textHeight) + 2 * ch;
    int left = (width - (cw + buttonWidth) * count + cw) / 2;
    for (ZafWindowObject *b = firstButton; b; b = static_cast<ZafWindowObject *>(b->Next()))
    {
        b->Event(ZafEventStruct(ZAF_EV_COMPUTE_REGION, 0));
        ZafRegionStruct own = b->Region();
        b->ConvertRegion(own, ZAF_PIXEL);
        int bottom = ch + area - sb - 1;
        b->SetRegion(Pixels(left, bottom - own.Height() + 1, left + buttonWidth - 1, bottom));
        left += cw + buttonWidth;
    }

    clientSize = Pixels(0, 0, width - 1, height - 1);
    region = Pixels(region.left, region.top, region.left + width - 1 + 2 * cw, region.top + height - 1 + 2 * ch);
    coordinateType = ZAF_PIXEL;
    if (ZafWindowManager *manager = ZafWindowManager::Shared())
        manager->Center(this);
}
