#pragma once
// QVZSerialSelector and QVZScoreboardSelector: the two-column lists of the
// options dialog's Serial and Scoreboard pages. A row shows a settings
// group of the family (the block-sensor ports under "\SerialPorts\", the
// boards under "\Scoreboards\", omitted ones included and drawn greyed):
// its name and whether it runs ("Running", "Not Running", "Not Loaded").
// Every change of the selection stores the dialog's fields into the group
// being left and loads the group of the new row. The row count follows the
// settings only on Redisplay. Owned by the dialog window; GUI thread only.

#include "shell/toolkit/lists/KZSelector.h"

class KRGroup;
class QVZOptionsDialog;

class QVZSerialSelector : public KZSelector
{
public:
    // A rectangle in pixels.
    QVZSerialSelector(QVZOptionsDialog *dialog, int left, int top, int width, int height);
    ~QVZSerialSelector() override;

    void Redisplay() override;
    using KZSelector::Redisplay;
    bool SetSelection(KPoint unit) override;
    int ColumnCount(KPoint unit) override;
    void CellRect(KPoint unit, int column, KRect &rect, int part) override;
    void CellText(KPoint unit, int column, KString &text, uint32_t &flags) override;

private:
    QVZOptionsDialog *dialog;
    int nameWidth;
};

class QVZScoreboardSelector : public KZSelector
{
public:
    QVZScoreboardSelector(QVZOptionsDialog *dialog, int left, int top, int width, int height);
    ~QVZScoreboardSelector() override;

    void Redisplay() override;
    using KZSelector::Redisplay;
    bool SetSelection(KPoint unit) override;
    int ColumnCount(KPoint unit) override;
    void CellRect(KPoint unit, int column, KRect &rect, int part) override;
    void CellText(KPoint unit, int column, KString &text, uint32_t &flags) override;

private:
    QVZOptionsDialog *dialog;
    int nameWidth;
};
