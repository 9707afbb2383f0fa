#include "framework/core/base/ZafList.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// An element with a sort key; the number id records the order of adding.
struct Keyed : ZafElement
{
    Keyed(int key, ZafNumberID order) : key(key) { SetNumberID(order); }
    int key;
};

int CompareKeys(ZafElement *a, ZafElement *b)
{
    return static_cast<Keyed *>(a)->key - static_cast<Keyed *>(b)->key;
}

std::vector<int> Orders(const ZafList &list)
{
    std::vector<int> orders;
    for (ZafElement *e = list.First(); e; e = e->Next())
        orders.push_back(e->NumberID());
    return orders;
}

// Counts destructions to check ownership.
struct Counted : ZafElement
{
    explicit Counted(int *deleted) : deleted(deleted) {}
    ~Counted() override { ++*deleted; }
    int *deleted;
};

} // namespace

TEST(ZafList, SortedAddKeepsEqualKeysInAddingOrder)
{
    ZafList list(CompareKeys);
    const int keys[] = { 5, 1, 5, 3, 1, 5, 0, 3, 0 };
    ZafNumberID order = 0;
    for (int key : keys)
        list.Add(new Keyed(key, order++));
    // Keys 0,0; 1,1; 3,3; 5,5,5 with equal keys in the order they came, also
    // when the new element equals the first.
    EXPECT_EQ(Orders(list), (std::vector<int>{ 6, 8, 1, 4, 3, 7, 0, 2, 5 }));
}

TEST(ZafList, SortRestoresOrderAfterCompareFunctionIsSet)
{
    ZafList list;
    const int keys[] = { 2, 1, 2, 0 };
    ZafNumberID order = 0;
    for (int key : keys)
        list.Add(new Keyed(key, order++));
    EXPECT_EQ(Orders(list), (std::vector<int>{ 0, 1, 2, 3 }));
    list.SetCompareFunction(CompareKeys);
    list.Sort();
    EXPECT_EQ(Orders(list), (std::vector<int>{ 3, 1, 0, 2 }));
    EXPECT_EQ(list.Last()->Next(), nullptr);
    EXPECT_EQ(list.First()->Previous(), nullptr);
}

TEST(ZafList, SubtractOfAnotherListsElementChangesNothing)
{
    ZafList mine, theirs;
    ZafElement *a = mine.Add(new ZafElement);
    ZafElement *b = mine.Add(new ZafElement);
    ZafElement *foreign = theirs.Add(new ZafElement);
    theirs.Add(new ZafElement);

    EXPECT_EQ(mine.Subtract(foreign), foreign);
    EXPECT_EQ(mine.Count(), 2);
    EXPECT_EQ(theirs.Count(), 2);
    EXPECT_EQ(theirs.Index(foreign), 0);
    EXPECT_EQ(mine.First(), a);
    EXPECT_EQ(mine.Last(), b);

    ZafElement loose;
    EXPECT_EQ(mine.Subtract(&loose), &loose);
    EXPECT_EQ(mine.Count(), 2);
    EXPECT_EQ(mine.Subtract(nullptr), nullptr);
}

TEST(ZafList, SubtractUnlinksAndAnswersTheFollowingElement)
{
    ZafList list;
    ZafElement *a = list.Add(new ZafElement);
    ZafElement *b = list.Add(new ZafElement);
    ZafElement *c = list.Add(new ZafElement);
    list.SetCurrent(b);

    EXPECT_EQ(list.Subtract(b), c);
    EXPECT_EQ(list.Current(), nullptr);
    EXPECT_EQ(b->Next(), nullptr);
    EXPECT_EQ(b->Previous(), nullptr);
    EXPECT_EQ(a->Next(), c);
    EXPECT_EQ(c->Previous(), a);
    EXPECT_EQ(list.Subtract(c), nullptr);
    EXPECT_EQ(list.Last(), a);
    EXPECT_EQ(list.Count(), 1);
    delete b;
    delete c;
}

TEST(ZafList, AddBeforeInsertsAtPositionOrAtTheEndAndIndexAnswersNothingOutside)
{
    ZafList list;
    ZafElement *a = list.AddBefore(new ZafElement, nullptr);
    ZafElement *c = list.AddBefore(new ZafElement, nullptr);
    ZafElement *b = list.AddBefore(new ZafElement, c);
    ZafElement *front = list.AddBefore(new ZafElement, a);
    EXPECT_EQ(list.Index(front), 0);
    EXPECT_EQ(list.Index(a), 1);
    EXPECT_EQ(list.Index(b), 2);
    EXPECT_EQ(list.Index(c), 3);
    EXPECT_EQ(c->ListIndex(), 3);
    EXPECT_EQ(list.Get(3), c);
    EXPECT_EQ(list.Get(4), nullptr);
    EXPECT_EQ(list.Get(-1), nullptr);
    ZafElement other;
    EXPECT_EQ(list.Index(&other), -1);
    EXPECT_EQ(list.Index(nullptr), -1);
}

TEST(ZafList, DestroyAndDestructorDeleteTheElements)
{
    int deleted = 0;
    {
        ZafList list;
        list.Add(new Counted(&deleted));
        list.Add(new Counted(&deleted));
        list.Destroy();
        EXPECT_EQ(deleted, 2);
        EXPECT_EQ(list.Count(), 0);
        list.Add(new Counted(&deleted));
    }
    EXPECT_EQ(deleted, 3);
}

TEST(ZafElement, CopyTakesIdsButNoLinks)
{
    ZafList list;
    ZafElement *original = list.Add(new ZafElement);
    list.Add(new ZafElement);
    original->SetNumberID(-7);
    original->SetStringID(L"ZAF_NUMID_BORDER");

    ZafElement copy(*original);
    EXPECT_EQ(copy.NumberID(), -7);
    EXPECT_TRUE(copy.MatchStringID(L"ZAF_NUMID_BORDER"));
    EXPECT_NE(copy.StringID(), original->StringID());
    EXPECT_EQ(copy.Next(), nullptr);
    EXPECT_EQ(copy.Previous(), nullptr);
}

TEST(ZafElement, SetStringIDCopiesAndNullClears)
{
    ZafElement element;
    wchar_t text[] = L"first";
    element.SetStringID(text);
    text[0] = L'X';
    EXPECT_STREQ(element.StringID(), L"first");
    // Setting an id from the element's own id must not read freed memory.
    element.SetStringID(element.StringID());
    EXPECT_STREQ(element.StringID(), L"first");
    EXPECT_EQ(element.SetStringID(nullptr), nullptr);
    EXPECT_TRUE(element.MatchStringID(nullptr));
}
