#include "ui/program/ProgramRoad.h"

#include "domain/results/QVResultsView.h"

#include <algorithm>

namespace H = ProgramHand;
using ProgramHand::Narrow;

const wchar_t *const kMainTitle = L"Quorvane Training  v1.32";

namespace {

std::string SettingsText(const ComPortPair &pair, const std::string &more)
{
    std::string text = "Registry Version: 1.00\r\n";
    if (pair.HasPort())
        text += "SerialPorts\\:=\r\n"
                "SerialPorts\\1\\:=\r\n"
                "SerialPorts\\1\\Name:String=Lane 1\r\n"
                "SerialPorts\\1\\SerialPort:String=" +
                Narrow(ComPortPair::Description(pair.port)) + "\r\n" +
                "Serial\\PromptTraceDL:Bool=1\r\n";
    return text + more;
}

// Ink: a pixel that differs from the row's background.
bool IsInk(COLORREF c, COLORREF background)
{
    auto apart = [](int a, int b) { return a - b > 30 || b - a > 30; };
    return apart(GetRValue(c), GetRValue(background)) || apart(GetGValue(c), GetGValue(background)) ||
           apart(GetBValue(c), GetBValue(background));
}

// Captures the window every rest ms until its frame and its picture are the
// same in two captures in a row; once pictureMs have passed, a picture that
// still changes no longer counts. shown: the last capture. False when the
// window did not stand still within limitMs.
bool StandsStill(HWND window, DWORD rest, DWORD pictureMs, DWORD limitMs, H::Picture &shown)
{
    RECT before = {}, now = {};
    GetWindowRect(window, &before);
    shown = H::Capture(window);
    const DWORD start = GetTickCount();
    return H::WaitFor(
        [&] {
            H::Rest(rest);
            GetWindowRect(window, &now);
            H::Picture later = H::Capture(window);
            const bool still = EqualRect(&before, &now) &&
                               (later.pixels == shown.pixels || GetTickCount() - start > pictureMs);
            before = now;
            shown = std::move(later);
            return still;
        },
        limitMs);
}

} // namespace

ProgramRoad::ProgramRoad(const wchar_t *folderName, const std::string &moreSettings)
    : folder(folderName), program(folder), pair(ComPortPair::FromEnvironment()),
      config(unitsim::Config::BlockSensor())
{
    WriteBytes(program.File(L"cfg"), SettingsText(pair, moreSettings));
}

ProgramRoad::~ProgramRoad()
{
    // The program ends before its unit goes, as a user leaves them; how it
    // ended is checked when the program object goes.
    program.End();
    if (unit)
        unit->Stop();
}

bool ProgramRoad::Start(const std::wstring &arguments)
{
    if (pair.HasPeerPort())
    {
        unit = std::make_unique<unitsim::Unit>(config);
        if (!unit->Start(pair.peerPort))
            return false;
    }
    if (!program.Start(arguments))
        return false;
    main = program.WaitForWindow(kMainTitle, 60000);
    // A loaded machine (and its window manager) may still place, size and
    // paint the window well after its title came up; a picture that keeps
    // changing (a busy start-up) is given 10 s.
    H::Picture shown;
    return main != nullptr && StandsStill(main, 400, 10000, 30000, shown) && IsWindowVisible(main);
}

HWND ProgramRoad::NewWorkoutWithTrials()
{
    if (!StartDownloadAll())
        return nullptr;
    // The download goes on after the dialog has gone (the port settles for
    // a second first): wait for the rows.
    const size_t first = std::min<size_t>(config.trials.size(), 3);
    if (!H::WaitFor([&] { return NumberBands(H::Capture(list)).size() >= first; }, 60000))
        return nullptr;
    return list;
}

HWND ProgramRoad::StartDownloadAll()
{
    H::Focus(main);
    H::Control('N');
    if (!H::WaitFor([&] { return (list = H::FindList(main)) != nullptr; }))
        return nullptr;
    H::Control('T');
    HWND choice = nullptr;
    if (!H::WaitFor([&] { return (choice = H::FindTopWindow(Process(), L"Select Trial from Lane 1")) != nullptr; }))
        return nullptr;
    H::Rest(300);
    if (!ClickToClose(choice, H::FindChildByText(choice, L"Download All")))
        return nullptr;
    return list;
}

HWND ProgramRoad::EventWindow() const
{
    HWND window = list;
    while (window && GetParent(window) && H::ClassOf(GetParent(window)) != L"MDIClient")
        window = GetParent(window);
    return window && GetParent(window) ? window : nullptr;
}

bool ProgramRoad::ChooseFromMenu(char menu, char entry)
{
    bool menuOpen = false;
    for (int attempt = 0; attempt < 3 && !menuOpen; ++attempt) {
        H::Focus(main);
        H::Chord({ VK_MENU, WORD(menu) });
        menuOpen = H::WaitFor([&] { return H::VisibleMenu(Process()) != nullptr; }, 5000);
        if (!menuOpen)
            H::Key(VK_ESCAPE);   // a lone Alt may have left the menu bar selected
    }
    if (menuOpen && entry)
        H::Key(WORD(entry));
    return menuOpen;
}

HWND ProgramRoad::OpenFromMenu(char menu, char entry, const std::wstring &title)
{
    if (!ChooseFromMenu(menu, entry))
        return nullptr;
    HWND window = nullptr;
    H::WaitFor([&] { return (window = H::FindTopWindow(Process(), title)) != nullptr; });
    if (window)
        H::Rest(500);
    return window;
}

bool ProgramRoad::SaveWorkoutAs(const std::wstring &path)
{
    H::Focus(main);
    H::Control('S');
    return ChooseFile(Process(), path, main) && H::WaitFor([&] { return FileExists(path); });
}

DWORD ProgramRoad::Close()
{
    if (IsWindow(main))
    {
        H::Focus(main);
        H::Chord({ VK_MENU, VK_F4 });
    }
    return program.WaitForExit();
}

void RequestClose(HWND main, bool systemCommand)
{
    if (systemCommand)
        PostMessageW(main, WM_SYSCOMMAND, SC_CLOSE, 0);
    else
        PostMessageW(main, WM_CLOSE, 0, 0);
}

HWND WaitForSaveOnExit(DWORD process, DWORD timeout)
{
    HWND box = nullptr;
    if (H::WaitFor([&] { return (box = H::FindTopWindow(process, L"Exit Quorvane Training")) != nullptr; }, timeout))
        H::Rest(300);
    return box;
}

HWND ControlAfter(HWND dialog, const std::wstring &prompt, const std::wstring &className)
{
    HWND label = H::FindChildByText(dialog, prompt);
    if (!label)
        return nullptr;
    RECT own = {};
    GetWindowRect(label, &own);
    HWND best = nullptr;
    LONG bestLeft = LONG_MAX;
    H::FindWindowWhere(dialog, [&](HWND window) {
        RECT rect = {};
        GetWindowRect(window, &rect);
        if (H::ClassOf(window) == className && IsWindowVisible(window) && rect.left >= own.right &&
            rect.left < bestLeft && rect.top < own.bottom && rect.bottom > own.top)
        {
            best = window;
            bestLeft = rect.left;
        }
        return false;
    });
    return best;
}

std::string WindowsOf(DWORD process)
{
    std::string names;
    H::FindWindowWhere(nullptr, [&](HWND window) {
        if (H::ProcessOf(window) == process && IsWindowVisible(window))
        {
            wchar_t text[128] = {};
            GetWindowTextW(window, text, 128);
            names += " [" + Narrow(H::ClassOf(window)) + " \"" + Narrow(text) + "\"]";
        }
        return false;
    });
    return names;
}

// A file dialog is a dialog with a field to type a name in; a message box
// still closing after its Ok (the same class) is not one.
HWND FindFileDialog(DWORD process)
{
    return H::FindWindowWhere(nullptr, [&](HWND window) {
        return H::ProcessOf(window) == process && IsWindowVisible(window) && H::ClassOf(window) == L"#32770" &&
               H::FindWindowWhere(window, [](HWND child) { return H::ClassOf(child) == L"Edit"; }) != nullptr;
    });
}

bool ChooseFile(DWORD process, const std::wstring &path, HWND owner)
{
    HWND dialog = nullptr;
    if (!H::WaitFor([&] { return (dialog = FindFileDialog(process)) != nullptr; }))
        return false;
    if (owner && (GetWindow(dialog, GW_OWNER) != owner || IsWindowEnabled(owner)))
        return false;
    H::Focus(dialog);
    H::Type(path);
    H::Key(VK_RETURN);
    return H::WaitFor([&] { return FindFileDialog(process) == nullptr; });
}

bool ClickToClose(HWND box, HWND button)
{
    auto gone = [&] { return !IsWindow(box) || !IsWindowVisible(box); };
    if (!button)
        return gone();
    H::WaitFor([&] { return GetForegroundWindow() == box; }, 2000);
    H::Rest(300);
    for (int attempt = 0; attempt < 2 && !gone(); ++attempt) {
        H::ClickCenter(button);
        H::WaitFor(gone, 3000);
    }
    return gone();
}

bool StatusPanes(HWND main, RECT &message, RECT &progress)
{
    RECT frame;
    GetWindowRect(main, &frame);
    HWND bar = H::FindWindowWhere(main, [&](HWND window) {
        RECT r;
        GetWindowRect(window, &r);
        return GetParent(window) == main && IsWindowVisible(window) && H::ClassOf(window) == L"ZafWindow" &&
               frame.bottom - r.bottom < 12 && r.bottom - r.top < 40;
    });
    if (!bar)
        return false;
    RECT r;
    GetWindowRect(bar, &r);
    const int right = r.right - GetSystemMetrics(SM_CXVSCROLL);
    progress = { right - 102, r.top + 2, right, r.bottom };
    message = { r.left + 2, r.top + 2, progress.left - 2, r.bottom };
    return true;
}

H::Picture Settled(HWND window)
{
    H::Picture shown;
    StandsStill(window, 500, 20000, 20000, shown);
    return shown;
}

std::vector<Band> RowBands(const H::Picture &picture, const std::function<bool(int y)> &inked)
{
    std::vector<Band> bands;
    bool inside = false;
    for (int y = 0; y < picture.height; ++y) {
        const bool ink = inked(y);
        if (ink && !inside)
            bands.push_back({ y, y });
        if (ink)
            bands.back().bottom = y;
        inside = ink;
    }
    return bands;
}

std::vector<Band> NumberBands(const H::Picture &picture)
{
    // A row number leaves a few ink pixels near the left of the trial
    // column; edge lines across the column leave many.
    return RowBands(picture, [&](int y) {
        int ink = 0;
        const COLORREF background = picture.At(3, y);
        for (int x = 6; x < 30 && x < picture.width; ++x)
            ink += IsInk(picture.At(x, y), background) ? 1 : 0;
        return ink > 0 && ink < 12;
    });
}

int ColumnMiddle(HWND list, int column)
{
    RECT client = {};
    GetClientRect(list, &client);
    QVResultsView layout(nullptr);
    layout.FitColumns(client.right, false);
    return layout.ColumnPosition(column) + layout.ColumnWidth(column) / 2;
}

bool OpenFirstNameEditor(HWND list)
{
    const std::vector<Band> rows = NumberBands(Settled(list));
    if (rows.empty())
        return false;
    const int x = ColumnMiddle(list, 1), y = (rows[0].top + rows[0].bottom) / 2;
    ProgramHand::Click(list, x, y);
    ProgramHand::Rest(GetDoubleClickTime() + 200);
    ProgramHand::Click(list, x, y);
    return true;
}
