// The MDI window: a frame with its MDI client and document windows, the
// MDI commands, closing children through the close query, and the bars of
// a maximized frame painted on screen.
#include "ZafLayoutTestSupport.h"

#include "framework/controls/ZafMDIWindow.h"
#include "framework/controls/ZafStatusBar.h"
#include "framework/controls/ZafToolBar.h"

namespace {

// A document window that answers the close query as told.
class Document : public ZafMDIWindow
{
public:
    Document() : ZafMDIWindow(10, 10, 120, 80, ZAF_MDI_CHILD)
    {
        SetCoordinateType(ZAF_PIXEL);
        Add(new FramePart(-1));
        Add(new FramePart(-5));
    }
    ZafEventType Event(const ZafEventStruct &event) override
    {
        if (event.type == ZAF_EV_CLOSE_QUERY)
            return closeAnswer;
        return ZafMDIWindow::Event(event);
    }
    ZafEventType closeAnswer = 0;
};

RECT ScreenRect(ZafWindowObject *object)
{
    RECT rect = {};
    GetWindowRect(static_cast<HWND>(object->OSHandle(2)), &rect);
    return rect;
}

} // namespace

class ZafMDIWindowTest : public ControlTest
{
protected:
    void SetUp() override
    {
        ControlTest::SetUp();
        frame = new ZafMDIWindow(30, 30, 400, 300);
        frame->SetCoordinateType(ZAF_PIXEL);
        frame->Add(new FramePart(-1));
        frame->Add(new FramePart(-5));
    }
    // Two documents on screen (the second one added last).
    void ShowWithTwoDocuments()
    {
        first = new Document;
        second = new Document;
        frame->Add(first);
        frame->Add(second);
        manager->Add(frame);
        Pump(50);
    }
    ZafMDIWindow *frame = nullptr;
    Document *first = nullptr;
    Document *second = nullptr;
};

TEST_F(ZafMDIWindowTest, TheFrameHoldsAnMDIClientWithTheDocumentsInIt)
{
    ShowWithTwoDocuments();
    HWND client = static_cast<HWND>(frame->OSWindow());
    EXPECT_EQ(0, _wcsicmp(L"MDICLIENT", WindowClassName(client).c_str()));
    EXPECT_EQ(L"ZafMDIFrame", WindowClassName(static_cast<HWND>(frame->OSHandle(2))));
    EXPECT_EQ(ZAF_MDI_CHILD, first->MDIType());
    EXPECT_EQ(L"ZafMDIChild", WindowClassName(static_cast<HWND>(first->OSHandle(2))));
    EXPECT_EQ(client, GetParent(static_cast<HWND>(first->OSHandle(2))));
    EXPECT_EQ(client, GetParent(static_cast<HWND>(second->OSHandle(2))));
    // The newest document is first.
    EXPECT_EQ(second, frame->FirstChild());
}

TEST_F(ZafMDIWindowTest, TilingSeparatesTheDocumentsAndMaximizeActsOnTheCurrentOneOnly)
{
    ShowWithTwoDocuments();
    frame->Event(ZafEventStruct(ZAF_EV_MDI_TILE, 0));
    RECT a = ScreenRect(first), b = ScreenRect(second), overlap;
    EXPECT_FALSE(IntersectRect(&overlap, &a, &b));
    ZafWindowObject *current = frame->CurrentChild();
    ASSERT_NE(nullptr, current);
    EXPECT_EQ(ZAF_EV_MDI_MAXIMIZE, frame->Event(ZafEventStruct(ZAF_EV_MDI_MAXIMIZE, 0)));
    EXPECT_TRUE(IsZoomed(static_cast<HWND>(current->OSHandle(2))));
    frame->Event(ZafEventStruct(ZAF_EV_MDI_RESTORE, 0));
    EXPECT_FALSE(IsZoomed(static_cast<HWND>(current->OSHandle(2))));
}

TEST_F(ZafMDIWindowTest, MaximizeWithoutDocumentsDoesNothing)
{
    manager->Add(frame);
    EXPECT_EQ(ZAF_EV_MDI_MAXIMIZE, frame->Event(ZafEventStruct(ZAF_EV_MDI_MAXIMIZE, 0)));
    EXPECT_FALSE(IsZoomed(static_cast<HWND>(frame->OSHandle(2))));
}

TEST_F(ZafMDIWindowTest, ClosingADocumentAsksItAndRemovesItWhenItAgrees)
{
    ShowWithTwoDocuments();
    HWND firstFrame = static_cast<HWND>(first->OSHandle(2));
    SendMessageW(firstFrame, WM_CLOSE, 0, 0);
    std::vector<ZafEventStruct> queued = TakeQueuedEvents(*events);
    ASSERT_EQ(1, CountType(queued, ZAF_EV_MDI_CLOSE));
    for (const ZafEventStruct &event : queued)
        if (event.type == ZAF_EV_MDI_CLOSE)
        {
            EXPECT_EQ(first, event.dataObject);
            manager->Event(event);
        }
    EXPECT_EQ(1, frame->Count());
    EXPECT_FALSE(IsWindow(firstFrame));
}

TEST_F(ZafMDIWindowTest, ADocumentThatRefusesOrIsLockedStays)
{
    first = new Document;
    second = new Document;
    first->closeAnswer = ZAF_REFUSED;
    second->SetLocked(true);
    frame->Add(first);
    frame->Add(second);
    manager->Add(frame);
    for (ZafWindowObject *document : { static_cast<ZafWindowObject *>(first), static_cast<ZafWindowObject *>(second) })
    {
        ZafEventStruct close(ZAF_EV_MDI_CLOSE, 0);
        close.dataObject = document;
        frame->Event(close);
    }
    EXPECT_EQ(2, frame->Count());
    EXPECT_TRUE(first->Registered());
    EXPECT_TRUE(second->Registered());
}

TEST_F(ZafMDIWindowTest, ACloseForADocumentThatIsGoneClosesNothing)
{
    ShowWithTwoDocuments();
    ZafEventStruct close(ZAF_EV_MDI_CLOSE, 0);
    close.dataObject = first;
    frame->Subtract(first);
    delete first;
    frame->Event(close);
    EXPECT_EQ(1, frame->Count());
    EXPECT_TRUE(second->Registered());
}

TEST_F(ZafMDIWindowTest, SizingTheFrameByWmSizeLeavesTheClientAlone)
{
    ShowWithTwoDocuments();
    HWND client = static_cast<HWND>(frame->OSWindow());
    RECT before, after;
    GetWindowRect(client, &before);
    SendMessageW(static_cast<HWND>(frame->OSHandle(2)), WM_SIZE, SIZE_RESTORED, MAKELPARAM(100, 60));
    GetWindowRect(client, &after);
    EXPECT_TRUE(EqualRect(&before, &after));
}

TEST_F(ZafMDIWindowTest, TheKindFollowsThePlaceAtCreation)
{
    ZafMDIWindow *document = new ZafMDIWindow(0, 0, 100, 60, ZAF_MDI_FRAME);
    document->SetCoordinateType(ZAF_PIXEL);
    frame->Add(document);
    manager->Add(frame);
    EXPECT_EQ(ZAF_MDI_CHILD, document->MDIType());
    EXPECT_EQ(document, document->RootObject());
    EXPECT_EQ(ZAF_MDI_CHILD, document->SetMDIType(ZAF_MDI_FRAME));   // registered: unchanged
}

TEST_F(ZafMDIWindowTest, AModalDocumentDisablesTheOlderOnesUntilItCloses)
{
    first = new Document;
    Document *modal = new Document;
    modal->SetModal(true);
    frame->Add(first);
    frame->Add(modal);
    manager->Add(frame);
    HWND firstFrame = static_cast<HWND>(first->OSHandle(2));
    EXPECT_FALSE(IsWindowEnabled(firstFrame));
    ZafEventStruct close(ZAF_EV_MDI_CLOSE, 0);
    close.dataObject = modal;
    frame->Event(close);
    EXPECT_EQ(1, frame->Count());
    EXPECT_TRUE(IsWindowEnabled(firstFrame));
}

TEST_F(ZafMDIWindowTest, TheFrameIsPaintedInTheWorkspaceColourAndDocumentsInTheFaceColour)
{
    ShowWithTwoDocuments();
    EXPECT_EQ(GetSysColor(COLOR_APPWORKSPACE),
        frame->ResolvePalette(ZAF_PT_BACKGROUND, frame->PaletteState()).osColorBackground);
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE),
        first->ResolvePalette(ZAF_PT_BACKGROUND, first->PaletteState()).osColorBackground);
}

TEST_F(ZafMDIWindowTest, FocusOnADocumentActivatesItAndPutsItFirst)
{
    ShowWithTwoDocuments();
    ASSERT_TRUE(Activate(frame));
    HWND client = static_cast<HWND>(frame->OSWindow());
    first->SetFocus(true);
    Pump(30);
    EXPECT_EQ(first, frame->FirstChild());
    EXPECT_EQ(first, frame->CurrentChild());
    EXPECT_EQ(static_cast<HWND>(first->OSHandle(2)), HWND(SendMessageW(client, WM_MDIGETACTIVE, 0, 0)));
    frame->Event(ZafEventStruct(ZAF_EV_MDI_NEXT, 0));
    Pump(30);
    EXPECT_EQ(second, frame->CurrentChild());
    EXPECT_EQ(static_cast<HWND>(second->OSHandle(2)), HWND(SendMessageW(client, WM_MDIGETACTIVE, 0, 0)));
}

// ---- Bars on a maximized frame --------------------------------------------------

namespace {

// The colour at a point in the middle of a bar, read from its window after
// the loop has run (nothing invalidated by the test itself).
COLORREF BarPixel(ZafWindowObject *bar, int x, int y)
{
    HWND handle = static_cast<HWND>(bar->OSWindow());
    HDC context = GetDC(handle);
    const COLORREF color = GetPixel(context, x, y);
    ReleaseDC(handle, context);
    return color;
}

SIZE WindowSize(ZafWindowObject *object)
{
    RECT rect = {};
    GetWindowRect(static_cast<HWND>(object->OSWindow()), &rect);
    return { rect.right - rect.left, rect.bottom - rect.top };
}

} // namespace

class ZafMDIWindowBarsTest : public ZafMDIWindowTest
{
protected:
    void SetUp() override
    {
        ZafMDIWindowTest::SetUp();
        frame->Add(new FramePart(-2));
        frame->SetMaximized(true);
        toolBar = new ZafToolBar(0, 0, 10, 10);
        toolBar->SetCoordinateType(ZAF_PIXEL);
        toolBar->Add(NewPixelChild(0, 0, 30, 20));
        frame->Add(toolBar);
        statusBar = new ZafStatusBar(0, 0, 10, 24);
        statusBar->SetCoordinateType(ZAF_PIXEL);
        frame->Add(statusBar);
    }
    // Both bars show their face colour away from their edges and children.
    void ExpectBarsPainted()
    {
        const COLORREF face = GetSysColor(COLOR_BTNFACE);
        const SIZE tools = WindowSize(toolBar), status = WindowSize(statusBar);
        ASSERT_GT(tools.cx, 100);
        ASSERT_GT(status.cx, 100);
        for (int x : { 50, int(tools.cx / 2), int(tools.cx - 20) })
        {
            EXPECT_EQ(face, BarPixel(toolBar, x, 6)) << "tool bar at " << x;
            EXPECT_EQ(face, BarPixel(statusBar, x, status.cy / 2)) << "status bar at " << x;
        }
    }
    ZafToolBar *toolBar = nullptr;
    ZafStatusBar *statusBar = nullptr;
};

TEST_F(ZafMDIWindowBarsTest, BarsOfAMaximizedFrameArePaintedWhenShownAndWhenADocumentOpens)
{
    manager->Add(frame);
    Pump(100);
    ASSERT_TRUE(IsZoomed(static_cast<HWND>(frame->OSHandle(2))));
    {
        SCOPED_TRACE("shown");
        ExpectBarsPainted();
    }
    frame->Add(new Document);
    Pump(100);
    {
        SCOPED_TRACE("a document added");
        ExpectBarsPainted();
    }
}
