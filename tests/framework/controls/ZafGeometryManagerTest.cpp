#include "ZafLayoutTestSupport.h"

#include "framework/controls/ZafConstraint.h"
#include "framework/controls/ZafGeometryManager.h"
#include "framework/core/storage/ZafStorage.h"

#include <functional>
#include <string>

namespace {

struct LayoutCase
{
    const char *name;
    int childWidth;
    std::function<ZafConstraint *(ZafWindowObject *child)> make;
    int left, right;        // expected, in the client window (right inclusive)
};

} // namespace

class ZafGeometryManagerTest : public ControlTest
{
protected:
    // A 101 x 60 client (a frame without caption, which has no minimum
    // width) with one child at (5, 5), 10 high, and a manager.
    ZafWindow *NewLaidOutWindow(int childWidth, ZafWindowObject *&child, ZafGeometryManager *&geometry)
    {
        ZafWindow *window = NewTopLevel(101, 60, { -1 });
        child = window->Add(NewPixelChild(5, 5, childWidth, 10));
        geometry = new ZafGeometryManager;
        window->Add(geometry);
        return window;
    }
    static int Left(ZafWindowObject *object) { return RectInParent(object->OSWindow()).left; }
    static int Right(ZafWindowObject *object) { return RectInParent(object->OSWindow()).right - 1; }
};

TEST_F(ZafGeometryManagerTest, ConstraintsPlaceTheChildsOSWindowWhenTheWindowAppears)
{
    const LayoutCase cases[] = {
        { "relative, centred at 50 %", 20, [](ZafWindowObject *c) {
              auto *r = new ZafRelativeConstraint(c, 0);
              r->SetPercent(50);
              r->SetCenter(true);
              return r; }, 40, 59 },
        { "relative 100 % from the far side", 20, [](ZafWindowObject *c) {
              auto *r = new ZafRelativeConstraint(c, 0);
              r->SetPercent(100);
              r->SetOpposite(true);
              return r; }, -1, 18 },
        { "relative 25 % of the right side", 20, [](ZafWindowObject *c) {
              auto *r = new ZafRelativeConstraint(c, 2);
              r->SetPercent(25);
              return r; }, 56, 75 },
        { "attachment to the right edge", 20, [](ZafWindowObject *c) {
              auto *a = new ZafAttachment(c, 2);
              a->SetOffset(0);
              return a; }, 81, 100 },
        { "maximum wins over minimum", 7, [](ZafWindowObject *c) {
              auto *d = new ZafDimensionConstraint(c, 0);
              d->SetMinimum(10);
              d->SetMaximum(5);
              return d; }, 5, 9 },
        { "minimum widens", 7, [](ZafWindowObject *c) {
              auto *d = new ZafDimensionConstraint(c, 0);
              d->SetMinimum(12);
              return d; }, 5, 16 },
    };
    for (const LayoutCase &test : cases) {
        SCOPED_TRACE(test.name);
        ZafWindowObject *child = nullptr;
        ZafGeometryManager *geometry = nullptr;
        ZafWindow *window = NewLaidOutWindow(test.childWidth, child, geometry);
        geometry->Add(test.make(child));
        manager->Add(window);
        Pump(30);
        RECT client;
        GetClientRect(static_cast<HWND>(window->OSWindow()), &client);
        ASSERT_EQ(101, client.right);
        EXPECT_EQ(test.left, Left(child));
        EXPECT_EQ(test.right, Right(child));
        manager->Subtract(window);
        delete window;
    }
}

TEST_F(ZafGeometryManagerTest, AnAttachmentToTheRightEdgeFollowsAResizedFrame)
{
    ZafWindowObject *child = nullptr;
    ZafGeometryManager *geometry = nullptr;
    ZafWindow *window = NewLaidOutWindow(20, child, geometry);
    ZafAttachment *attachment = new ZafAttachment(child, 2);
    attachment->SetOffset(0);
    geometry->Add(attachment);
    manager->Add(window);
    Pump(30);
    ResizeFrame(window->OSHandle(2), 37, 0);
    Pump(30);
    RECT client;
    GetClientRect(static_cast<HWND>(window->OSWindow()), &client);
    EXPECT_EQ(138, client.right);
    EXPECT_EQ(client.right - 1, Right(child));
    EXPECT_EQ(20, Right(child) - Left(child) + 1);
}

TEST_F(ZafGeometryManagerTest, AStretchedSecondAttachmentSpansTheChildBetweenTwoReferences)
{
    ZafWindow *window = NewTopLevel(200, 60, { -1, -5 });
    ZafWindowObject *leftPost = window->Add(NewPixelChild(10, 5, 20, 10));
    ZafWindowObject *rightPost = window->Add(NewPixelChild(150, 5, 20, 10));
    ZafWindowObject *bridge = window->Add(NewPixelChild(60, 30, 15, 10));
    ZafGeometryManager *geometry = new ZafGeometryManager;
    window->Add(geometry);
    ZafAttachment *from = new ZafAttachment(bridge, 0);
    from->SetReference(leftPost);
    from->SetOpposite(true);
    from->SetOffset(1);
    ZafAttachment *to = new ZafAttachment(bridge, 2);
    to->SetReference(rightPost);
    to->SetOpposite(true);
    to->SetOffset(1);
    to->SetStretch(true);
    *geometry + from + to;
    manager->Add(window);
    Pump(30);
    EXPECT_EQ(30, Left(bridge));     // next to the left post's right edge (29)
    EXPECT_EQ(149, Right(bridge));   // next to the right post's left edge (150)
}

TEST_F(ZafGeometryManagerTest, ANegativeMiniCellOffsetMovesByLessThanACell)
{
    ZafWindow *window = NewTopLevel(200, 60, { -1, -5 });
    ZafWindowObject *child = new ZafWindowObject(0, 0, 20, 10);
    child->SetCoordinateType(ZAF_MINICELL);
    window->Add(child);
    ZafGeometryManager *geometry = new ZafGeometryManager;
    window->Add(geometry);
    geometry->Add(new ZafAttachment(child, 0));   // offset -1 mini-cell from the left
    manager->Add(window);
    Pump(30);
    const int moved = Left(child);
    EXPECT_LE(moved, 0);
    EXPECT_GT(moved, -display->cellWidth);
    EXPECT_EQ(-display->cellWidth / 10, moved);
}

TEST_F(ZafGeometryManagerTest, SettlingNumbersConstraintsFromTheRootAndFindsObjectsByNumber)
{
    ZafWindow *window = NewTopLevel(201, 60, { -1, -5 });
    ZafWindowObject *child = window->Add(NewPixelChild(5, 5, 20, 10));
    child->SetNumberID(7);
    ZafGeometryManager *geometry = new ZafGeometryManager;
    window->Add(geometry);
    ZafRelativeConstraint *copied = nullptr;
    {
        ZafRelativeConstraint original(child, 0);
        original.SetPercent(50);
        copied = static_cast<ZafRelativeConstraint *>(original.Duplicate());
    }
    EXPECT_EQ(nullptr, copied->Object());
    geometry->Add(copied);
    manager->Add(window);
    Pump(30);
    EXPECT_EQ(child, copied->Object());
    EXPECT_GT(copied->NumberID(), 0);
    EXPECT_EQ(L"CONSTRAINT_" + std::to_wstring(copied->NumberID()), std::wstring(copied->StringID()));
    EXPECT_EQ(100, Left(child));
    EXPECT_EQ(geometry, window->GeometryManager());
}

TEST_F(ZafGeometryManagerTest, AManagerAddedToAShownWindowLaysItOutAtOnce)
{
    ZafWindow *window = NewTopLevel(101, 60, { -1 });
    ZafWindowObject *child = window->Add(NewPixelChild(5, 5, 20, 10));
    manager->Add(window);
    Pump(30);
    ASSERT_EQ(5, Left(child));
    ZafGeometryManager *geometry = new ZafGeometryManager;
    ZafAttachment *attachment = new ZafAttachment(child, 2);
    attachment->SetOffset(0);
    geometry->Add(attachment);
    window->Add(geometry);
    Pump(30);
    EXPECT_EQ(100, Right(child));
}

TEST_F(ZafGeometryManagerTest, AConstraintBelongsToOneManagerAtATime)
{
    ZafGeometryManager first, second;
    ZafAttachment *attachment = new ZafAttachment(nullptr, 0);
    ZafDimensionConstraint *dimension = new ZafDimensionConstraint(nullptr, 1);
    first.Add(dimension);
    first.Add(attachment, dimension);
    EXPECT_EQ(attachment, first.First());
    EXPECT_EQ(attachment, second.Add(attachment));
    EXPECT_EQ(&first, attachment->Manager());
    EXPECT_EQ(0, second.Count());
    ZafEventStruct subtract(ZAF_EV_SUBTRACT_OBJECT, 0);
    subtract.dataObject = reinterpret_cast<ZafWindowObject *>(static_cast<ZafElement *>(attachment));
    EXPECT_EQ(ZAF_EV_SUBTRACT_OBJECT, first.Event(subtract));
    EXPECT_EQ(nullptr, attachment->Manager());
    EXPECT_EQ(1, first.Count());
    second.Add(attachment);
    EXPECT_EQ(&second, attachment->Manager());
    // Without an object a constraint does nothing, and it refuses other events.
    EXPECT_EQ(ZAF_EV_COMPUTE_REGION, attachment->Event(ZafEventStruct(ZAF_EV_COMPUTE_REGION, 0)));
    EXPECT_EQ(ZAF_REFUSED, attachment->Event(ZafEventStruct(ZAF_EV_REDRAW, 0)));
}

TEST_F(ZafGeometryManagerTest, AStoredManagerLaysTheWindowOutTheSameWayAfterReading)
{
    ZafStorage storage;
    auto build = [this](ZafWindow *&window, ZafWindowObject *&child) {
        window = NewTopLevel(201, 60, { -1, -5 });
        window->SetStringID(L"LAYOUT");
        ZafWindowObject *post = window->Add(NewPixelChild(10, 20, 30, 10));
        post->SetNumberID(3);
        child = window->Add(NewPixelChild(0, 0, 20, 7));
        child->SetNumberID(4);
        ZafGeometryManager *geometry = new ZafGeometryManager;
        window->Add(geometry);
        ZafRelativeConstraint *centre = new ZafRelativeConstraint(child, 0);
        centre->SetPercent(50);
        centre->SetCenter(true);
        ZafAttachment *below = new ZafAttachment(child, 1);
        below->SetReference(post);
        below->SetOpposite(true);
        below->SetOffset(2);
        ZafDimensionConstraint *tall = new ZafDimensionConstraint(child, 1);
        tall->SetMinimum(9);
        tall->SetMaximum(30);
        *geometry + centre + below + tall;
    };
    ZafWindow *window = nullptr;
    ZafWindowObject *child = nullptr;
    build(window, child);
    manager->Add(window);
    Pump(30);
    const RECT before = RectInParent(child->OSWindow());
    EXPECT_EQ(90, before.left);
    EXPECT_EQ(31, before.top);
    EXPECT_EQ(9, before.bottom - before.top);
    {
        ZafObjectPersistence persistence(&storage);
        window->Write(persistence);
        ASSERT_EQ(0, window->Error());
    }
    manager->Subtract(window);
    delete window;

    ZafObjectPersistence persistence(&storage);
    persistence.AddObjectConstructor(L"ZafWindow", ZAF_ID_WINDOW, &ZafWindow::New);
    persistence.AddObjectConstructor(L"ZafWindowObject", ZAF_ID_WINDOW_OBJECT, &ZafWindowObject::New);
    persistence.AddObjectConstructor(ZafGeometryManager::className, ZAF_ID_GEOMETRY_MANAGER, &ZafGeometryManager::New);
    persistence.AddObjectConstructor(ZafAttachment::className, ZAF_ID_ATTACHMENT, &ZafAttachment::New);
    persistence.AddObjectConstructor(ZafRelativeConstraint::className, ZAF_ID_RELATIVE_CONSTRAINT,
        &ZafRelativeConstraint::New);
    persistence.AddObjectConstructor(ZafDimensionConstraint::className, ZAF_ID_DIMENSION_CONSTRAINT,
        &ZafDimensionConstraint::New);
    ZafWindow *read = new ZafWindow(L"LAYOUT", persistence);
    ASSERT_EQ(0, read->Error());
    ZafGeometryManager *geometry = dynamic_cast<ZafGeometryManager *>(read->GeometryManager());
    ASSERT_NE(nullptr, geometry);
    ASSERT_EQ(3, geometry->Count());
    EXPECT_EQ(ZAF_ID_RELATIVE_CONSTRAINT, geometry->First()->ClassID());
    manager->Add(read);
    Pump(30);
    ZafWindowObject *readChild = read->GetObjectByNumberID(4);
    ASSERT_NE(nullptr, readChild);
    const RECT after = RectInParent(readChild->OSWindow());
    EXPECT_EQ(before.left, after.left);
    EXPECT_EQ(before.top, after.top);
    EXPECT_EQ(before.right, after.right);
    EXPECT_EQ(before.bottom, after.bottom);
}
