#include "domain/results/QVResultsView.h"

#include "domain/results/QVResults.h"

#include <gtest/gtest.h>

namespace
{
int32_t Total(const QVResultsView &view)
{
    return view.ColumnPosition(QVResultsView::kColumnCount) - view.ColumnPosition(0);
}
}

TEST(QVResultsView, FitColumnsMatchesTheWidthThroughTheNameAndSourceColumnsButNeverBelowTheMinimum)
{
    QVResults list;
    QVResultsView *view = list.NewView();
    int32_t trial = view->ColumnWidth(0);
    int32_t power = view->ColumnWidth(5);
    view->FitColumns(1000, false);
    EXPECT_EQ(Total(*view), 1000);
    EXPECT_EQ(view->ColumnWidth(0), trial);
    EXPECT_EQ(view->ColumnWidth(5), power);
    view->FitColumns(500, false);
    EXPECT_EQ(Total(*view), 500);
    view->FitColumns(10, false);
    for (int c = 0; c < QVResultsView::kColumnCount; ++c)
        EXPECT_GE(view->ColumnWidth(c), QVResultsView::kMinimumWidth);
}

TEST(QVResultsView, SetColumnPositionClampsBetweenTheNeighbours)
{
    QVResults list;
    QVResultsView *view = list.NewView();
    int32_t left = view->ColumnPosition(1);
    int32_t right = view->ColumnPosition(3);
    EXPECT_TRUE(view->SetColumnPosition(2, -500));
    EXPECT_EQ(view->ColumnPosition(2), left + QVResultsView::kMinimumWidth);
    EXPECT_TRUE(view->SetColumnPosition(2, 100000));
    EXPECT_EQ(view->ColumnPosition(2), right - QVResultsView::kMinimumWidth);
    EXPECT_FALSE(view->SetColumnPosition(2, 100000));
    EXPECT_FALSE(view->SetColumnPosition(0, 5));
    EXPECT_FALSE(view->SetColumnPosition(9, 5));
}

TEST(QVResultsView, FittingAfterADragKeepsTheWidthTheUserGaveTheColumnLeftOfIt)
{
    QVResults list;
    QVResultsView *view = list.NewView();
    ASSERT_TRUE(view->SetColumnPosition(2, view->ColumnPosition(1) + 150));
    view->FitColumns(900, true);
    EXPECT_EQ(view->ColumnWidth(1), 150);
    EXPECT_EQ(Total(*view), 900);
    view->FitColumns(700, false);
    EXPECT_NE(view->ColumnWidth(1), 150);
}
