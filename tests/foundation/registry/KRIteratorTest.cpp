// KRIterator: the visible rows of the settings editor.
#include "foundation/registry/KRIterator.h"
#include "foundation/registry/KRegistry.h"
#include "foundation/support/RegistryTestTable.h"

#include <gtest/gtest.h>

TEST(KRIteratorRows, OnlyChildrenOfExpandedNodesAreVisible)
{
    KRegistry registry(kTestDefaults);
    KRIterator rows(&registry);
    // The top-level groups: Competition, Event, Database, Serial, Chart, Language, Strings.
    EXPECT_EQ(rows.Count(), 7);
    EXPECT_EQ(rows.GetAt(0)->Name(), L"Competition");
    EXPECT_EQ(rows.GetAt(6)->Name(), L"Strings");
    EXPECT_EQ(rows.GetAt(7), nullptr);

    registry.GetGroup(L"\\Serial")->SetExpanded(true);
    EXPECT_EQ(rows.Count(), 7);
    rows.Recount();
    EXPECT_EQ(rows.Count(), 10);
    EXPECT_EQ(rows.GetAt(4)->Name(), L"ShortTimeout");
    EXPECT_EQ(rows.GetAt(7)->Name(), L"Chart");
    // Walking backwards restarts from the first row.
    EXPECT_EQ(rows.GetAt(1)->Name(), L"Event");
    EXPECT_EQ(rows.GetAt(-1), nullptr);
}

TEST(KRIteratorRows, NestedExpansionNeedsEveryAncestorExpanded)
{
    KRegistry registry(kTestDefaults);
    registry.GetGroup(L"\\Event\\Results")->SetExpanded(true);
    KRIterator rows(&registry);
    EXPECT_EQ(rows.Count(), 7);
    registry.GetGroup(L"\\Event")->SetExpanded(true);
    rows.Recount();
    // Event's children: SingleEvent, Directory, Results (expanded: 3 more), Image.
    EXPECT_EQ(rows.Count(), 7 + 4 + 3);
    for (int i = 0; i < rows.Count(); ++i)
        ASSERT_NE(rows.GetAt(i), nullptr) << i;
    EXPECT_EQ(rows.GetAt(5)->Name(), L"DefaultLanes");
    EXPECT_EQ(rows.GetAt(5)->GetDepth(), 3);

    KRIterator below(registry.GetGroup(L"\\Event\\Results"));
    EXPECT_EQ(below.Count(), 3);
    KRIterator none(nullptr);
    EXPECT_EQ(none.Count(), 0);
    EXPECT_EQ(none.GetAt(0), nullptr);
}
