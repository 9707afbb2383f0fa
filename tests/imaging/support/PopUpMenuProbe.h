#pragma once
// Reads the next pop-up menu the system opens on this thread, from inside
// its menu loop (a thread timer fires there), and closes it: with an entry
// to choose, by the keyboard as a user would (its command then arrives as
// usual), else by ending the menu.

#include <windows.h>

#include <string>
#include <vector>

class PopUpMenuProbe
{
public:
    struct Entry
    {
        UINT id;
        std::wstring text;
        bool disabled;
    };

    // choose: the index of the entry to choose, -1 for none.
    explicit PopUpMenuProbe(int choose = -1);
    ~PopUpMenuProbe();
    PopUpMenuProbe(const PopUpMenuProbe &) = delete;
    PopUpMenuProbe &operator=(const PopUpMenuProbe &) = delete;

    bool Opened() const { return opened; }
    const std::vector<Entry> &Entries() const { return entries; }
    // The entries' texts, in menu order.
    std::vector<std::wstring> Texts() const;

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
    void Read(HWND menuWindow);

    static PopUpMenuProbe *armed;
    UINT_PTR timer = 0;
    int choose;
    bool opened = false;
    std::vector<Entry> entries;
};
