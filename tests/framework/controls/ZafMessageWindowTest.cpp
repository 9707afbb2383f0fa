// The message window and the error reporter: their buttons, the modal loop
// they end, and the message kept whole or cut without overrun.
#include "ZafControlTestSupport.h"
#include "ZafFieldTestSupport.h"

#include <memory>
#include <string>
#include <vector>

#include "framework/controls/ZafButton.h"
#include "framework/controls/ZafMessageWindow.h"
#include "framework/controls/ZafText.h"
#include "framework/core/objects/ZafHelpSystem.h"
#include "framework/core/storage/ZafObjectPersistence.h"
#include "framework/core/storage/ZafStorage.h"
#include "framework/windows/ZafErrorReporter.h"

namespace {

// The visible dialog frames of this thread.
std::vector<HWND> DialogFrames()
{
    std::vector<HWND> found;
    for (HWND window : ThreadWindowsOfClass(L"#32770"))
        if (IsWindowVisible(window))
            found.push_back(window);
    return found;
}

struct ButtonSearch
{
    std::vector<HWND> buttons;
    std::vector<std::wstring> labels;
};

BOOL CALLBACK CollectButton(HWND child, LPARAM data)
{
    if (WindowClassName(child) == L"Button")
    {
        auto *found = reinterpret_cast<ButtonSearch *>(data);
        wchar_t label[32] = {};
        GetWindowTextW(child, label, 32);
        std::wstring shown;
        for (const wchar_t *c = label; *c; ++c)    // without the hot-key marks
            if (*c != L'&')
                shown += *c;
        found->buttons.push_back(child);
        found->labels.push_back(shown);
    }
    return TRUE;
}

// The BUTTON controls inside a window, in creation order.
ButtonSearch Buttons(HWND window)
{
    ButtonSearch search;
    EnumChildWindows(window, CollectButton, reinterpret_cast<LPARAM>(&search));
    return search;
}

// What a timer saw of the dialog on the screen, and which button it pressed.
struct Seen
{
    int dialogs = 0;
    std::vector<std::wstring> labels;
    LONG firstStyle = 0;
    std::wstring message;
    const wchar_t *press = L"OK";
    bool buttonsInside = false;     // every button lies in the client area, below the message
    int iconWidth = 0;              // of the system icon's window
} seen;

bool Inside(const RECT &inner, const RECT &outer)
{
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right
        && inner.bottom <= outer.bottom && inner.right > inner.left && inner.bottom > inner.top;
}

void CALLBACK LookAndPress(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(nullptr, id);
    std::vector<HWND> dialogs = DialogFrames();
    seen.dialogs = int(dialogs.size());
    if (dialogs.empty())
        return;
    ButtonSearch found = Buttons(dialogs.front());
    seen.labels = found.labels;
    if (!found.buttons.empty())
        seen.firstStyle = GetWindowLongW(found.buttons.front(), GWL_STYLE);
    auto *window = reinterpret_cast<ZafMessageWindow *>(
        static_cast<intptr_t>(GetWindowLongW(dialogs.front(), GWL_USERDATA)));
    if (window)
    {
        seen.message = window->Message() ? window->Message() : L"";
        RECT client, text = {};
        GetWindowRect(static_cast<HWND>(window->OSWindow()), &client);
        if (window->MessageText())
            GetWindowRect(static_cast<HWND>(window->MessageText()->OSWindow()), &text);
        seen.buttonsInside = !found.buttons.empty();
        for (ZafWindowObject *c = window->FirstChild(); c; c = static_cast<ZafWindowObject *>(c->Next()))
            if (c->IsAClassID(ZAF_ID_ICON) && c->OSWindow())
            {
                RECT icon;
                GetWindowRect(static_cast<HWND>(c->OSWindow()), &icon);
                seen.iconWidth = icon.right - icon.left;
            }
        for (HWND button : found.buttons)
        {
            RECT rect;
            GetWindowRect(button, &rect);
            seen.buttonsInside = seen.buttonsInside && Inside(rect, client) && rect.top >= text.bottom;
        }
    }
    for (size_t i = 0; i < found.buttons.size(); ++i)
        if (found.labels[i] == seen.press)
            PostMessageW(found.buttons[i], BM_CLICK, 0, 0);
}

void CALLBACK PressOK(HWND, UINT, UINT_PTR id, DWORD)
{
    seen.press = L"OK";
    LookAndPress(nullptr, 0, id, 0);
}

// Ends a dialog that no timer could press, so that a failing test fails
// rather than waits for ever.
void CALLBACK GiveUp(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(nullptr, id);
    if (ZafEventManager *events = ZafEventManager::Shared())
        events->Put(ZafEventStruct(ZAF_DIALOG_IGNORE, 0));
}

class SafetyTimer
{
public:
    SafetyTimer() : id(SetTimer(nullptr, 0, 5000, GiveUp)) { }
    ~SafetyTimer() { KillTimer(nullptr, id); }
private:
    UINT_PTR id;
};

int beeps = 0;
void CountBeep() { ++beeps; }

class CountingHelp : public ZafHelpSystem
{
public:
    void DisplayHelp(const ZafIChar *) override { ++shown; }
    int shown = 0;
};

} // namespace

using ZafMessageWindowBox = FieldTest;

TEST_F(ZafMessageWindowBox, OkAndCancelComeInOrderAndCancelEndsTheDialog)
{
    seen = Seen();
    seen.press = L"Cancel";
    ZafMessageWindow window(L"Question", 0, ZAF_MESSAGE_OK | ZAF_MESSAGE_CANCEL, ZAF_MESSAGE_OK, L"Go on?");
    SafetyTimer safety;
    SetTimer(nullptr, 0, 300, LookAndPress);
    EXPECT_EQ(ZAF_DIALOG_CANCEL, window.DoModal(0));
    EXPECT_EQ((std::vector<std::wstring>{ L"OK", L"Cancel" }), seen.labels);
    EXPECT_EQ(LONG(BS_DEFPUSHBUTTON), seen.firstStyle & 0x0F);
    EXPECT_EQ(L"Go on?", seen.message);
    EXPECT_TRUE(seen.buttonsInside);
}

TEST_F(ZafMessageWindowBox, HelpAsksForHelpAndTheDialogGoesOn)
{
    CountingHelp help;
    ZafHelpSystem::SetShared(&help);
    seen = Seen();
    seen.press = L"Help";
    ZafMessageWindow window(L"Help", 0, ZAF_MESSAGE_OK | ZAF_MESSAGE_HELP, ZAF_MESSAGE_OK, L"Need help?");
    SafetyTimer safety;
    SetTimer(nullptr, 0, 300, LookAndPress);
    SetTimer(nullptr, 0, 900, PressOK);
    EXPECT_EQ(ZAF_DIALOG_OK, window.DoModal(0));
    EXPECT_EQ(1, help.shown);
    ZafHelpSystem::SetShared(nullptr);
}

TEST_F(ZafMessageWindowBox, ALongMessageIsCutAtItsRoomAndPerCentSignsStay)
{
    std::wstring longText(5000, L'x');
    ZafMessageWindow cut(L"", 0, ZAF_MESSAGE_OK, ZAF_MESSAGE_OK, L"%s", longText.c_str());
    EXPECT_EQ(size_t(ZafMessageWindow::MESSAGE_LENGTH - 1), std::wstring(cut.Message()).size());
    ZafMessageWindow literal(L"", 0, ZAF_MESSAGE_OK, ZAF_MESSAGE_OK, L"%s", L"100% %d done");
    EXPECT_STREQ(L"100% %d done", literal.Message());
    ZafMessageWindow small(nullptr, 0, ZAF_MESSAGE_OK, ZAF_MESSAGE_OK, 6, L"%s", L"abcdefgh");
    EXPECT_STREQ(L"abcde", small.Message());
}

TEST_F(ZafMessageWindowBox, ACopyKeepsItsIdsHelpTopicAndTipAndMakesItsOwnButtons)
{
    ZafMessageWindow original(L"Original", 2, ZAF_MESSAGE_YES | ZAF_MESSAGE_NO, ZAF_MESSAGE_NO, L"Copy me?");
    seen = Seen();
    seen.press = L"Yes";
    SafetyTimer safety;
    SetTimer(nullptr, 0, 300, LookAndPress);
    ASSERT_EQ(ZAF_DIALOG_YES, original.DoModal(0));   // its buttons and text now exist
    original.SetStringID(L"question");
    original.SetNumberID(77);
    original.SetHelpTopic(L"Saving");
    original.SetTipText(L"Asks before saving");

    std::unique_ptr<ZafWindowObject> duplicate(original.Duplicate());
    auto *copy = dynamic_cast<ZafMessageWindow *>(duplicate.get());
    ASSERT_NE(nullptr, copy);
    EXPECT_STREQ(L"question", copy->StringID());
    EXPECT_EQ(77, copy->NumberID());
    EXPECT_STREQ(L"Saving", copy->HelpTopic());
    EXPECT_STREQ(L"Asks before saving", copy->TipText());
    EXPECT_STREQ(L"Copy me?", copy->Message());
    EXPECT_EQ(ZAF_MESSAGE_NO, copy->DefaultButtonFlag());
    EXPECT_EQ(2, copy->IconType());
    EXPECT_EQ(nullptr, copy->FirstChild());

    seen = Seen();
    seen.press = L"No";
    SetTimer(nullptr, 0, 300, LookAndPress);
    EXPECT_EQ(ZAF_DIALOG_NO, copy->DoModal(0));
    EXPECT_EQ((std::vector<std::wstring>{ L"Yes", L"No" }), seen.labels);
    EXPECT_EQ(L"Copy me?", seen.message);
}

using ZafErrorReportBox = FieldTest;

TEST_F(ZafErrorReportBox, AReportBeepsShowsTheTextAndAnswersTheButton)
{
    beeps = 0;
    ZafErrorReporter reporter;
    ZafBeepFunction previous = ZafErrorReporter::SetBeep(CountBeep);
    ZafErrorSystem::SetShared(&reporter);
    seen = Seen();
    SafetyTimer safety;
    SetTimer(nullptr, 0, 300, LookAndPress);
    EXPECT_EQ(ZAF_DIALOG_OK, ZafErrorSystem::Report(nullptr, manager.get(), L"Error", ZAF_MESSAGE_OK, L"100% done"));
    EXPECT_EQ(1, beeps);
    EXPECT_EQ(1, seen.dialogs);
    EXPECT_EQ(std::vector<std::wstring>{ L"OK" }, seen.labels);
    EXPECT_EQ(L"100% done", seen.message);
    EXPECT_EQ(32, seen.iconWidth);
    EXPECT_TRUE(DialogFrames().empty());
    ZafErrorSystem::SetShared(nullptr);
    ZafErrorReporter::SetBeep(previous);
}

TEST_F(ZafMessageWindowBox, AStoredMessageWindowComesBackAndShowsItsButtons)
{
    ZafStorage storage;
    ZafObjectPersistence persistence(&storage);
    {
        ZafMessageWindow window(L"Stored", 2, ZAF_MESSAGE_YES | ZAF_MESSAGE_NO, ZAF_MESSAGE_NO, L"Keep %d%%?", 100);
        window.SetStringID(L"question");
        window.Write(persistence);
        ASSERT_EQ(0, window.Error());
    }
    ZafMessageWindow read(L"question", persistence);
    ASSERT_EQ(0, read.Error());
    EXPECT_STREQ(L"Keep 100%?", read.Message());
    EXPECT_STREQ(L"Stored", read.TitleText());
    EXPECT_EQ(2, read.IconType());
    EXPECT_EQ(ZAF_MESSAGE_YES | ZAF_MESSAGE_NO, read.Buttons());
    EXPECT_EQ(ZAF_MESSAGE_NO, read.DefaultButtonFlag());
    seen = Seen();
    seen.press = L"No";
    SafetyTimer safety;
    SetTimer(nullptr, 0, 300, LookAndPress);
    EXPECT_EQ(ZAF_DIALOG_NO, read.DoModal(0));
    EXPECT_EQ((std::vector<std::wstring>{ L"Yes", L"No" }), seen.labels);
}
