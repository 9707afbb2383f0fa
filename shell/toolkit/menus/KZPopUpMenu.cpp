#include "shell/toolkit/menus/KZPopUpMenu.h"

#include "framework/core/objects/ZafWindowManager.h"
#include "shell/toolkit/menus/KZPopUpItem.h"
#include "shell/toolkit/menus/KZPullDownItem.h"

KZPopUpMenu::KZPopUpMenu(const KPoint &position) : ZafPopUpMenu(position.x, position.y)
{
    SetCoordinateType(ZAF_PIXEL);
}

KZPopUpMenu::~KZPopUpMenu() = default;

int KZPopUpMenu::Show()
{
    ZafWindowManager *manager = ZafWindowManager::Shared();
    if (!manager)
        return 0;
    // Added to the window manager, the menu runs the framework's menu loop.
    manager->Add(this);
    if (manager->Holds(this))
        manager->Subtract(this);
    return 0;
}

KZPopUpItem *KZPopUpMenu::ItemAt(int n, bool skipSeparators) const
{
    for (ZafElement *e = ZafList::First(); e; e = e->Next()) {
        auto *entry = dynamic_cast<KZPopUpItem *>(static_cast<ZafWindowObject *>(e));
        if (!entry || (skipSeparators && entry->IsSeparator()))
            continue;
        if (--n < 0)
            return entry;
    }
    return nullptr;
}

bool KZPopUpMenu::IsItemSelected(int n, bool skipSeparators) const
{
    KZPopUpItem *entry = ItemAt(n, skipSeparators);
    return entry && entry->Selected();
}

void KZPopUpMenu::SetItemSelected(int n, bool checked, bool skipSeparators)
{
    if (KZPopUpItem *entry = ItemAt(n, skipSeparators))
        entry->SetSelected(checked);
}

KZPopUpMenu *KZAddToMenu(KZPopUpMenu *menu, KZPopUpItem *entry)
{
    if (menu && entry)
        menu->Add(entry);
    return menu;
}

KZPullDownItem *KZAddToMenu(KZPullDownItem *menu, KZPopUpItem *entry)
{
    if (menu && entry)
        menu->Add(entry);
    return menu;
}

KZPopUpItem *KZAddToMenu(KZPopUpItem *menu, KZPopUpItem *entry)
{
    if (menu && entry)
        menu->Add(entry);
    return menu;
}
