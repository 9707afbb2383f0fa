// Buttons on real windows: native or owner-drawn, automatic sizing,
// selection and the events they queue, keys, auto-repeat, drawing, default
// buttons and the procedure for child controls.
#include "ZafControlTestSupport.h"

#include "framework/controls/ZafButton.h"
#include "framework/controls/ZafDialogWindow.h"
#include "framework/core/data/ZafImageData.h"
#include "framework/display/ZafGuiTestSupport.h"
#include "framework/windows/ZafWindowsShared.h"

#include <vector>

namespace {

int selections = 0;
std::vector<ZafEventType> codes;

// Counts the selection notices (focus notices reach the function too).
ZafEventType CountSelection(ZafWindowObject *, ZafEventStruct &, ZafEventType code)
{
    if (code != ZAF_L_SELECT && code != ZAF_L_DOUBLE_CLICK)
        return 0;
    ++selections;
    codes.push_back(code);
    return 0;
}

std::vector<ZafInt8> bitmapPixels(16 * 16, 4);

LONG ButtonStyle(ZafWindowObject *object) { return GetWindowLongW(Handle(object), GWL_STYLE) & 0x0F; }

RECT ClientRectIn(ZafWindowObject *object)
{
    RECT rect;
    GetWindowRect(Handle(object), &rect);
    MapWindowPoints(nullptr, GetParent(Handle(object)), reinterpret_cast<POINT *>(&rect), 2);
    return rect;
}

ZafEventStruct Raw(ZafWindowObject *object, UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
{
    ZafOSEventStruct os = {};
    os.hwnd = Handle(object);
    os.message = message;
    os.wParam = wParam;
    os.lParam = lParam;
    return ZafEventStruct(ZAF_EVENT_OS, os);
}

void Click(ZafWindowObject *button, bool doubleClick = false)
{
    HWND window = Handle(button);
    SendMessageW(window, doubleClick ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
}

} // namespace

class ZafButtonTest : public ControlTest
{
protected:
    void SetUp() override
    {
        ControlTest::SetUp();
        selections = 0;
        codes.clear();
        window = NewTopLevel(300, 200, { -1, -5 });
    }
    ZafButton *AddButton(ZafButton *button)
    {
        button->SetCoordinateType(ZAF_PIXEL);
        button->SetUserFunction(CountSelection);
        window->Add(button);
        return button;
    }
    void Show()
    {
        manager->Add(window);
        Pump(30);
    }
    std::vector<ZafEventStruct> EventsOfType(ZafEventType type)
    {
        std::vector<ZafEventStruct> found;
        for (const ZafEventStruct &event : TakeQueuedEvents(*events))
            if (event.type == type)
                found.push_back(event);
        return found;
    }
    ZafWindow *window = nullptr;
};

TEST_F(ZafButtonTest, PushButtonsSizeToTheirContentsKeepingTheBottom)
{
    ZafButton *text = AddButton(new ZafButton(10, 10, 80, 40, L"Text"));
    ZafBitmapData *bitmap = new ZafBitmapData(ZafBitmapStruct(16, 16, bitmapPixels.data(), true));
    ZafButton *picture = AddButton(new ZafButton(100, 10, 80, 40, static_cast<const ZafIChar *>(nullptr), bitmap));
    Show();
    RECT textRect = ClientRectIn(text), pictureRect = ClientRectIn(picture);
    EXPECT_EQ(23, textRect.bottom - textRect.top);
    EXPECT_EQ(50, textRect.bottom);
    EXPECT_EQ(BS_PUSHBUTTON, ButtonStyle(text));
    EXPECT_EQ(16 + 4 + 6, pictureRect.bottom - pictureRect.top);
    EXPECT_EQ(50, pictureRect.bottom);
    EXPECT_EQ(BS_OWNERDRAW, ButtonStyle(picture));
}

TEST_F(ZafButtonTest, TheOSDrawsOnlyWhatItCan)
{
    struct Case { int type; int horizontal; bool toggle; LONG style; };
    const Case cases[] = {
        { ZAF_CHECK_BOX, ZAF_PLACE_LEFT, false, BS_CHECKBOX },
        { ZAF_CHECK_BOX, ZAF_PLACE_RIGHT, false, BS_OWNERDRAW },
        { ZAF_RADIO_BUTTON, ZAF_PLACE_LEFT, false, BS_RADIOBUTTON },
        { ZAF_PUSH_BUTTON, ZAF_PLACE_CENTER, true, BS_OWNERDRAW },
        { ZAF_FLAT_BUTTON, ZAF_PLACE_CENTER, false, BS_OWNERDRAW },
        { ZAF_TOOL_BAR_BUTTON, ZAF_PLACE_CENTER, false, BS_OWNERDRAW },
    };
    std::vector<ZafButton *> buttons;
    int top = 5;
    for (const Case &c : cases)
    {
        ZafButton *button = AddButton(new ZafButton(5, top, 100, 20, L"B", nullptr, c.type));
        button->SetHorizontalPlacement(c.horizontal);
        button->SetToggle(c.toggle);
        buttons.push_back(button);
        top += 25;
    }
    Show();
    for (size_t i = 0; i < buttons.size(); ++i)
        EXPECT_EQ(cases[i].style, ButtonStyle(buttons[i])) << "case " << i;
}

TEST_F(ZafButtonTest, AClickQueuesOneValueEventCarryingTheButton)
{
    ZafButton *button = AddButton(new ZafButton(10, 10, 80, 20, L"Go"));
    button->SetSendMessage(true);
    button->SetValue(10100);
    button->SetMessageText(L"note");
    Show();
    Drain();
    SendMessageW(Handle(button), BM_CLICK, 0, 0);
    DispatchFor(30);
    std::vector<ZafEventStruct> sent = EventsOfType(10100);
    ASSERT_EQ(1u, sent.size());
    EXPECT_EQ(button, ZafEventButton(sent[0]));
    ASSERT_NE(nullptr, sent[0].text);
    EXPECT_STREQ(L"note", sent[0].text);
    delete[] sent[0].text;
    EXPECT_EQ(1, selections);
}

TEST_F(ZafButtonTest, WithSelectOnDoubleClickOnlyTheDoubleClickQueues)
{
    ZafButton *button = AddButton(new ZafButton(10, 10, 80, 20, L"Go"));
    button->SetSendMessage(true);
    button->SetSelectOnDoubleClick(true);
    button->SetValue(10100);
    Show();
    Drain();
    Click(button);
    DispatchFor(20);
    EXPECT_TRUE(EventsOfType(10100).empty());
    Click(button, true);
    DispatchFor(20);
    EXPECT_EQ(1u, EventsOfType(10100).size());
}

TEST_F(ZafButtonTest, ReturnSelectsAPushButtonButPassesOverACheckBox)
{
    ZafButton *push = AddButton(new ZafButton(10, 10, 80, 20, L"Push"));
    ZafButton *check = AddButton(new ZafButton(10, 40, 80, 20, L"Check", nullptr, ZAF_CHECK_BOX));
    Show();
    EXPECT_EQ(ZAF_NOT_HANDLED, check->Event(Raw(check, WM_KEYDOWN, VK_RETURN)));
    EXPECT_EQ(0, selections);
    push->Event(Raw(push, WM_KEYDOWN, VK_RETURN));
    EXPECT_EQ(1, selections);
}

TEST_F(ZafButtonTest, ASelectedToggleStaysSelectedInSingleSelection)
{
    ZafButton *button = AddButton(new ZafButton(10, 10, 80, 20, L"On"));
    button->SetToggle(true);
    Show();
    Click(button);
    EXPECT_TRUE(button->Selected());
    Click(button);
    EXPECT_TRUE(button->Selected());
    EXPECT_EQ(2, selections);
}

TEST_F(ZafButtonTest, HoldingAnAutoRepeatButtonRepeatsUntilTheRelease)
{
    ZafButton *button = AddButton(new ZafButton(10, 10, 80, 20, L"More"));
    button->SetAutoRepeat(true);
    Show();
    RECT rect;
    GetWindowRect(Handle(button), &rect);
    SetCursorPos((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    SendMessageW(Handle(button), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    Pump(ZafWindowObject::RepeatDelay() - 80);
    EXPECT_EQ(0, selections);
    Pump(80 + 6 * ZafWindowObject::RepeatInterval());
    const int held = selections;
    EXPECT_GE(held, 3);
    EXPECT_LE(held, 8);
    SendMessageW(Handle(button), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    const int released = selections;
    EXPECT_LE(released, held + 1);
    Pump(4 * ZafWindowObject::RepeatInterval());
    EXPECT_EQ(released, selections);
}

TEST_F(ZafButtonTest, ASelectedOwnerDrawnCheckBoxShowsItsMark)
{
    ZafButton *check = AddButton(new ZafButton(10, 10, 60, 21, static_cast<const ZafIChar *>(nullptr), nullptr,
        ZAF_CHECK_BOX));
    check->SetHorizontalPlacement(ZAF_PLACE_RIGHT);
    check->SetAutoSize(false);
    Show();
    check->SetSelected(true);
    RECT client;
    GetClientRect(Handle(check), &client);
    DibSurface surface(client.right, client.bottom, RGB(10, 200, 10));
    display->BeginDraw(surface.Context(), nullptr);
    check->Redisplay(ZafEventStruct(ZAF_EV_REDRAW, 0), ZAF_EV_REDRAW);
    display->EndDraw();
    const int x0 = client.right - ZAF_BUTTON_IMAGE_SIZE, y0 = (client.bottom - ZAF_BUTTON_IMAGE_SIZE) / 2;
    for (int column : { 3, 7, 8, 9 })
        EXPECT_EQ(RGB(0, 0, 0), surface.PixelAt(x0 + column, y0 + 5)) << "column " << column;
    EXPECT_EQ(RGB(255, 255, 255), surface.PixelAt(x0 + 5, y0 + 5));
    EXPECT_EQ(RGB(255, 255, 255), surface.PixelAt(x0 + 3, y0 + 3));
}

TEST_F(ZafButtonTest, PlacementCentresAStackAndGrowsAnEmptyRegion)
{
    ZafRegionStruct region;
    region.Assign(0, 0, 39, 29, ZAF_PIXEL);
    ZafButtonPlacement place = ZafPlaceButtonContents(region, 16, 10, 20, 8, ZAF_PLACE_CENTER, ZAF_PLACE_CENTER);
    EXPECT_EQ(22, place.block.bottom);               // 10 + 8 + gap 4
    EXPECT_EQ(12, place.bitmap.left);                // (40 - 20) / 2 + (20 - 16) / 2
    EXPECT_EQ(4, place.bitmap.top);                  // (30 - 22) / 2
    EXPECT_EQ(18, place.text.top);                   // below the bitmap and the gap
    ZafRegionStruct empty;
    empty.Assign(5, 5, 4, 4, ZAF_PIXEL);
    ZafPlaceButtonContents(empty, 13, 13, 0, 0, ZAF_PLACE_RIGHT, ZAF_PLACE_CENTER);
    EXPECT_EQ(13, empty.Width());
    EXPECT_EQ(13, empty.Height());
}

TEST_F(ZafButtonTest, TheDefaultStyleFollowsTheFocusAndEnterSelectsTheDefault)
{
    ZafDialogWindow *dialog = new ZafDialogWindow(40, 40, 300, 150);
    dialog->SetCoordinateType(ZAF_PIXEL);
    dialog->Add(new FramePart(-1));
    dialog->Add(new FramePart(-5));
    ZafButton *ok = new ZafButton(10, 10, 80, 20, L"OK");
    ZafButton *other = new ZafButton(100, 10, 80, 20, L"Other");
    for (ZafButton *button : { ok, other })
    {
        button->SetCoordinateType(ZAF_PIXEL);
        button->SetAllowDefault(true);
        button->SetUserFunction(CountSelection);
        dialog->Add(button);
    }
    ZafWindowObject *field = dialog->Add(new ZafWindowObject(10, 50, 80, 20));
    field->SetCoordinateType(ZAF_PIXEL);
    dialog->SetDefaultButton(ok, true);
    manager->Add(dialog);
    ASSERT_TRUE(Activate(dialog));
    field->SetFocus(true);
    Pump(20);
    EXPECT_EQ(BS_DEFPUSHBUTTON, ButtonStyle(ok));
    EXPECT_EQ(BS_PUSHBUTTON, ButtonStyle(other));
    other->SetFocus(true);
    Pump(20);
    EXPECT_EQ(BS_PUSHBUTTON, ButtonStyle(ok));
    EXPECT_EQ(BS_DEFPUSHBUTTON, ButtonStyle(other));
    field->SetFocus(true);
    Pump(20);
    EXPECT_EQ(BS_DEFPUSHBUTTON, ButtonStyle(ok));
    EXPECT_EQ(BS_PUSHBUTTON, ButtonStyle(other));
    selections = 0;
    dialog->Event(Raw(field, WM_KEYDOWN, VK_RETURN));
    EXPECT_EQ(1, selections);
    manager->Subtract(dialog);
    delete dialog;
}

TEST_F(ZafButtonTest, AChildControlWithoutAFrameworkParentKeepsItsOwnProcedure)
{
    TopLevelWindow plain;
    // In the platform's form, as the framework makes its controls.
    const ZafOSEntryPoints &os = ZafMSWindowsApp::Entry();
    HWND edit = ZafCreateWindowEx(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE, 0, 0, 100, 20, plain.Handle(), nullptr,
        GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(nullptr, edit);
    os.setWindowLong(edit, GWL_WNDPROC, LONG(reinterpret_cast<intptr_t>(&ZafChildControlProc)));
    os.sendMessage(edit, WM_CHAR, 'a', 1);
    os.sendMessage(edit, WM_CHAR, 'b', 1);
    wchar_t text[8] = {};
    GetWindowTextW(edit, text, 8);
    EXPECT_STREQ(L"ab", text);
    DestroyWindow(edit);
}

TEST_F(ZafButtonTest, TheOSTextFollowsTheTextWithItsHotKeyMark)
{
    ZafButton *button = AddButton(new ZafButton(10, 10, 80, 20, L"Save & go"));
    button->SetHotKey(L's', 0);
    Show();
    EXPECT_EQ(L"&Save && go", WindowText(Handle(button)));
    button->SetText(L"Stop");
    EXPECT_EQ(L"&Stop", WindowText(Handle(button)));
}
