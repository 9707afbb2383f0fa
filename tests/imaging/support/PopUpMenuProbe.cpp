#include "imaging/support/PopUpMenuProbe.h"

#ifndef MN_GETHMENU
#define MN_GETHMENU 0x01E1
#endif

PopUpMenuProbe *PopUpMenuProbe::armed = nullptr;

PopUpMenuProbe::PopUpMenuProbe(int choose) : choose(choose)
{
    armed = this;
    timer = SetTimer(nullptr, 0, 40, &PopUpMenuProbe::Tick);
}

PopUpMenuProbe::~PopUpMenuProbe()
{
    if (timer)
        KillTimer(nullptr, timer);
    if (armed == this)
        armed = nullptr;
}

std::vector<std::wstring> PopUpMenuProbe::Texts() const
{
    std::vector<std::wstring> texts;
    for (const Entry &entry : entries)
        texts.push_back(entry.text);
    return texts;
}

void CALLBACK PopUpMenuProbe::Tick(HWND, UINT, UINT_PTR, DWORD)
{
    PopUpMenuProbe *probe = armed;
    if (!probe || probe->opened)
        return;
    HWND menuWindow = FindWindowW(L"#32768", nullptr);
    if (!menuWindow || !IsWindowVisible(menuWindow))
        return;
    probe->Read(menuWindow);
}

void PopUpMenuProbe::Read(HWND menuWindow)
{
    opened = true;
    KillTimer(nullptr, timer);
    timer = 0;
    HMENU menu = reinterpret_cast<HMENU>(SendMessageW(menuWindow, MN_GETHMENU, 0, 0));
    const int count = menu ? GetMenuItemCount(menu) : 0;
    for (int i = 0; i < count; ++i) {
        wchar_t text[256] = {};
        MENUITEMINFOW info = {};
        info.cbSize = sizeof info;
        info.fMask = MIIM_ID | MIIM_STATE | MIIM_STRING;
        info.dwTypeData = text;
        info.cch = 255;
        if (GetMenuItemInfoW(menu, UINT(i), TRUE, &info))
            entries.push_back({ info.wID, text, (info.fState & MFS_DISABLED) != 0 });
    }
    if (choose < 0 || choose >= count) {
        EndMenu();
        return;
    }
    // The first Down selects the first entry.
    for (int i = 0; i <= choose; ++i)
        PostMessageW(menuWindow, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageW(menuWindow, WM_KEYDOWN, VK_RETURN, 0);
}
