#pragma once
// KZPopUpMenu: a toolkit pop-up menu opened at a screen position, and the
// helper that adds entries to the toolkit's menus. Whoever makes a pop-up
// menu owns it; the menu owns its entries. GUI thread only.

#include "foundation/values/KPoint.h"
#include "framework/controls/ZafPopUpMenu.h"

class KZPopUpItem;
class KZPullDownItem;

class KZPopUpMenu : public ZafPopUpMenu
{
public:
    // position in screen pixels.
    explicit KZPopUpMenu(const KPoint &position);
    ~KZPopUpMenu() override;

    // Opens the menu and waits until an entry is chosen (its value arrives
    // as a queued event) or the menu is dismissed; answers 0.
    int Show();
    // The n-th entry (from 0), separators counted unless skipped; null past the end.
    KZPopUpItem *ItemAt(int n, bool skipSeparators) const;
    bool IsItemSelected(int n, bool skipSeparators) const;
    void SetItemSelected(int n, bool checked, bool skipSeparators);
};

// Adds the entry to the menu; answers the menu, so that calls can be chained.
KZPopUpMenu *KZAddToMenu(KZPopUpMenu *menu, KZPopUpItem *entry);
KZPullDownItem *KZAddToMenu(KZPullDownItem *menu, KZPopUpItem *entry);
KZPopUpItem *KZAddToMenu(KZPopUpItem *menu, KZPopUpItem *entry);
