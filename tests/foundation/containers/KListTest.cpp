#include "foundation/containers/KList.h"
#include "foundation/containers/KSortedList.h"
#include "foundation/containers/KSparseArray.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Counts its destructions so tests see which items a list deleted.
struct Counted : KListItem {
    explicit Counted(int v, int *deaths = nullptr) : value(v), deaths(deaths) {}
    ~Counted() override
    {
        if (deaths)
            ++*deaths;
    }
    int value;
    int *deaths;
};

std::vector<int> Values(const KList &list)
{
    std::vector<int> values;
    for (KListItem *p = list.Next(); p; p = list.Next(p))
        values.push_back(static_cast<Counted *>(p)->value);
    return values;
}

struct Ranked : KSortedListItem {
    Ranked(int r, int t) : rank(r), tag(t) {}
    bool OrdersBefore(const KSortedListItem &other) const override
    {
        return rank < static_cast<const Ranked &>(other).rank;
    }
    int rank;
    int tag;
};

std::vector<int> Tags(const KList &list)
{
    std::vector<int> tags;
    for (KListItem *p = list.First(); p; p = list.Next(p))
        tags.push_back(static_cast<Ranked *>(p)->tag);
    return tags;
}

} // namespace

TEST(KList, AddsWalksAndIndexesInOrder)
{
    KList list;
    for (int i = 1; i <= 3; ++i)
        list.AddItem(new Counted(i));
    EXPECT_EQ(list.Count(), 3);
    EXPECT_EQ(Values(list), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(static_cast<Counted *>(list[2])->value, 3);
    EXPECT_EQ(list[3], nullptr);
    EXPECT_EQ(list[-1], nullptr);
    EXPECT_EQ(list.Previous(), list.Last());
    EXPECT_EQ(list.Previous(list.First()), nullptr);
    EXPECT_EQ(list.IndexOf(list[1]), 1);
}

TEST(KList, DeleteAndRemoveUnlinkOnlyTheirOwnItems)
{
    int deaths = 0;
    KList list, other;
    auto *a = new Counted(1, &deaths);
    auto *b = new Counted(2, &deaths);
    list.AddItem(a);
    list.AddItem(b);
    Counted stranger(9);
    other.AddItem(&stranger);
    EXPECT_FALSE(list.Delete(&stranger));
    EXPECT_FALSE(list.Remove(&stranger));
    EXPECT_EQ(list.Next(&stranger), nullptr);
    EXPECT_TRUE(list.Remove(a));
    EXPECT_EQ(a->Owner(), nullptr);
    EXPECT_EQ(Values(list), (std::vector<int>{2}));
    EXPECT_TRUE(list.Delete(b));
    EXPECT_EQ(deaths, 1);
    EXPECT_EQ(list.Count(), 0);
    delete a;
    other.RemoveAll();
}

TEST(KList, AnItemMovesWhenAddedToAnotherList)
{
    KList first, second;
    auto *item = new Counted(7);
    first.AddItem(item);
    second.AddItem(item);
    EXPECT_EQ(first.Count(), 0);
    EXPECT_EQ(second.Count(), 1);
    EXPECT_EQ(item->Owner(), &second);
    first.AddItem(nullptr);
    EXPECT_EQ(first.Count(), 0);
}

TEST(KList, DestroyingAnItemUnlinksIt)
{
    KList list;
    list.AddItem(new Counted(1));
    {
        Counted held(2); // owned by this scope, listed meanwhile
        list.AddItem(&held);
        list.AddItem(new Counted(3));
    }
    EXPECT_EQ(Values(list), (std::vector<int>{1, 3}));
    EXPECT_EQ(list.Count(), 2);
}

TEST(KList, DestroyingTheListDeletesItsItemsUnlessRemoveAllLetThemGo)
{
    int deaths = 0;
    Counted a(1, &deaths), b(2, &deaths);
    {
        KList list;
        list.AddItem(new Counted(3, &deaths));
        list.AddItem(new Counted(4, &deaths));
    }
    EXPECT_EQ(deaths, 2);
    {
        KList list;
        list.AddItem(&a);
        list.AddItem(&b);
        list.RemoveAll();
    }
    EXPECT_EQ(deaths, 2);
    EXPECT_EQ(a.Owner(), nullptr);
}

TEST(KList, MoveFromAppendsEveryItemOfTheOther)
{
    KList a, b;
    a.AddItem(new Counted(1));
    b.AddItem(new Counted(2));
    b.AddItem(new Counted(3));
    a.MoveFrom(b);
    EXPECT_EQ(Values(a), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(a.Last()->Owner(), &a);
}

TEST(KSortedList, AddKeepsOrderAndTiesKeepInsertionOrder)
{
    KSortedList list;
    list.AddItem(new Ranked(5, 1));
    list.AddItem(new Ranked(1, 2));
    list.AddItem(new Ranked(5, 3));
    list.AddItem(new Ranked(3, 4));
    list.AddItem(new Ranked(9, 5));
    EXPECT_EQ(Tags(list), (std::vector<int>{2, 4, 1, 3, 5}));
}

TEST(KSortedList, SortRestoresOrderAfterKeysChange)
{
    KSortedList list;
    for (int i = 0; i < 5; ++i)
        list.AddItem(new Ranked(i, i));
    static_cast<Ranked *>(list[0])->rank = 10; // tag 0 now last
    static_cast<Ranked *>(list[4])->rank = 2;  // tag 4 ties with tag 2, after it
    list.Sort();
    EXPECT_EQ(Tags(list), (std::vector<int>{1, 2, 4, 3, 0}));
    EXPECT_EQ(list.Count(), 5);
}

TEST(KSparseArray, FindsItemsByIdInAscendingOrder)
{
    KSparseArray array;
    EXPECT_EQ(array.LastId(), KSparseArray::kNoId);
    auto *seven = new KSparseArrayItem(7);
    array.AddItem(new KSparseArrayItem(12));
    array.AddItem(seven);
    array.AddItem(new KSparseArrayItem(3));
    EXPECT_EQ(array.Find(7), seven);
    EXPECT_EQ(array.Find(8), nullptr);
    EXPECT_EQ(array.Find(-1), nullptr);
    EXPECT_EQ(array.LastId(), 12);
    EXPECT_EQ(static_cast<KSparseArrayItem *>(array.First())->Id(), 3);
}

TEST(KSparseArray, ChangingAnIdMovesTheItem)
{
    KSparseArray array;
    auto *item = new KSparseArrayItem(1);
    array.AddItem(item);
    array.AddItem(new KSparseArrayItem(5));
    item->SetId(20);
    EXPECT_EQ(array.LastId(), 20);
    EXPECT_EQ(array.Find(20), item);
    EXPECT_EQ(array.Count(), 2);
}

TEST(KList, ACopiedItemIsInNoListAndTheOriginalStays)
{
    KList list;
    auto *original = new Counted(4);
    list.AddItem(original);
    Counted copy(*original);
    EXPECT_EQ(copy.Owner(), nullptr);
    copy = *original;
    EXPECT_EQ(copy.Owner(), nullptr);
    EXPECT_EQ(list.Count(), 1);
    EXPECT_EQ(original->Owner(), &list);
}
