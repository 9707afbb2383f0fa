#pragma once
// QVZSerialSelector and QVZScoreboardSelector: the two-column lists of the
// options dialog's Serial and Scoreboard pages. A row shows a settings
// group of the family (the block-sensor ports under "\SerialPorts\", the
// boards under "\Scoreboards\", omitted ones included and drawn greyed):
// its name and whether it runs ("Running", "Not Running", "Not Loaded").
// Every change of the selection stores the dialog's fields into the group
// being left and loads the group of the new row, and the dialog's Delete
// buttons follow the selected row. The row count follows the
// settings only on Redisplay. Owned by the dialog window; GUI thread only.

#include "shell/toolkit/lists/KZSelector.h"

class KRGroup;
class QVZOptionsDialog;

struct QVZGroupFamily;

// What both lists share: the rows of one settings-group family, the name
// column of the dialog's name width, and the store-then-load round on each
// change of the selection. The family is one of the source's fixed tables.
class QVZGroupSelector : public KZSelector
{
public:
    ~QVZGroupSelector() override;

    void Redisplay() override;
    using KZSelector::Redisplay;
    bool SetSelection(KPoint unit) override;
    void CellText(KPoint unit, int column, KString &text, uint32_t &flags) override;

protected:
    // A rectangle in pixels.
    QVZGroupSelector(const QVZGroupFamily &family, QVZOptionsDialog *dialog, int left, int top, int width,
                     int height);

private:
    const QVZGroupFamily &family;
    QVZOptionsDialog *dialog;
};

class QVZSerialSelector : public QVZGroupSelector
{
public:
    // A rectangle in pixels.
    QVZSerialSelector(QVZOptionsDialog *dialog, int left, int top, int width, int height);
};

class QVZScoreboardSelector : public QVZGroupSelector
{
public:
    QVZScoreboardSelector(QVZOptionsDialog *dialog, int left, int top, int width, int height);
};
