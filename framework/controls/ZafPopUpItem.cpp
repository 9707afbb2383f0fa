// ZafPopUpItem, portable half: construction, the item types with their
// values and texts, the sub-menu and lookups.
#include "framework/controls/ZafPopUpItem.h"

#include "framework/controls/ZafMenuImages.h"
#include "framework/core/data/ZafStringData.h"
#include "framework/core/text/ZafLanguageData.h"

#include <cstring>
#include <cwchar>

namespace {

// The texts of the standard entries; a loaded language replaces them.
const ZafLanguageStruct defaultTexts[] = {
    { L"Exit", 10, nullptr, L'E', 0 },
    { L"Close", 2, nullptr, L'C', 0 },
    { L"Cut\tCtl+X", 12, nullptr, L'T', 2 },
    { L"Copy\tCtl+C", 11, nullptr, L'C', 0 },
    { L"Paste\tCtl+V", 13, nullptr, L'P', 0 },
    { nullptr, 0, nullptr, 0, -1 },
};

int TextWidth(const ZafIChar *text)
{
    int length = text ? int(std::wcslen(text)) : 0;
    return length > 0 ? length : 1;
}

} // namespace

ZafInt32 ZafPopUpItem::TypeValue(int type)
{
    switch (type)
    {
    case 2: return ZAF_EV_CLOSE;
    case 3: return ZAF_EV_MAXIMIZE;
    case 4: return ZAF_EV_MINIMIZE;
    case 5: return ZAF_EV_MOVE;
    case 6: return ZAF_EV_RESTORE;
    case 8: return ZAF_EV_SIZE;
    case 10: return ZAF_EV_EXIT;
    case 11: return ZAF_EV_COPY;
    case 12: return ZAF_EV_CUT;
    case 13: return ZAF_EV_PASTE;
    default: return 0;
    }
}

ZafPopUpItem::ZafPopUpItem(const ZafIChar *text, int type)
    : ZafMenuEntryButton(0, 0, TextWidth(text), 1, text, nullptr, 0)
{
    Construct(type);
}

ZafPopUpItem::ZafPopUpItem(ZafStringData *text, int type)
    : ZafMenuEntryButton(0, 0, TextWidth(text ? text->Text() : nullptr), 1, text, nullptr, 0)
{
    Construct(type);
}

ZafPopUpItem::ZafPopUpItem(const ZafPopUpItem &copy)
    : ZafMenuEntryButton(copy)
{
    ownOSWindow = false;
    subMenu.SetParent(this);
    itemType = copy.itemType;
    osCommand = false;
    languageData = ZafLanguageManager::GetLanguageData(className, defaultTexts);
}

void ZafPopUpItem::Construct(int type)
{
    ownOSWindow = false;
    ZafButton::SetAutoSize(false);
    ZafMenuImages::Use();
    languageData = ZafLanguageManager::GetLanguageData(className, defaultTexts);
    subMenu.SetParent(this);
    subMenu.SetStringID(L"menu");
    subMenu.SetDestroyable(false);
    SetType(type);
    ZafButton::SetButtonType(4);
    ZafButton::SetHorizontalPlacement(0);
    ZafButton::SetDepth(0);
}

ZafPopUpItem::~ZafPopUpItem()
{
    osWindow = nullptr;   // the parent's menu handle, never a window
    if (languageData)
        ZafLanguageManager::FreeLanguageData(languageData);
}

int ZafPopUpItem::SetType(int type)
{
    if (type == itemType || Registered())
        return itemType;
    itemType = type;
    if (ZafInt32 value = TypeValue(type))
    {
        ZafButton::SetSendMessage(true);
        ZafButton::SetValue(value);
        wchar_t hotKey = 0;
        int hotKeyIndex = -1;
        if (const wchar_t *text = languageData ? languageData->GetText(ZafNumberID(type), false, &hotKey, &hotKeyIndex) : nullptr)
        {
            SetText(text);
            ZafButton::SetHotKey(hotKey, hotKeyIndex);
        }
    }
    else if (type == 7)
    {
        disabled = true;
        focusBlocked = true;
    }
    return itemType;
}

bool ZafPopUpItem::InSystemMenu() const
{
    for (ZafWindowObject *object = parent; object; object = object->Parent())
        if (object->IsAClassID(ZAF_ID_SYSTEM_BUTTON))
            return true;
    return false;
}
