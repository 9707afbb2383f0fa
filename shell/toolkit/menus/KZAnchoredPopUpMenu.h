#pragma once
// KZAnchoredPopUpMenu: a push button that drops a pop-up menu directly below
// itself, left-aligned with it, when it is pressed; a small triangle on the
// button points down. The button owns the menu and its entries; its window
// owns the button. GUI thread only.

#include <memory>

#include "shell/toolkit/fields/KZButton.h"

class KZPopUpItem;
class KZPopUpMenu;

class KZAnchoredPopUpMenu : public KZButton
{
public:
    // In pixels.
    KZAnchoredPopUpMenu(int left, int top, int width, int height);
    ~KZAnchoredPopUpMenu() override;

    ZafEventType Event(const ZafEventStruct &event) override;
    // The button, then the triangle (black, dark grey when disabled).
    ZafEventType Redisplay(const ZafEventStruct &event, ZafEventType code) override;
    using KZWindowObjectLeech::Redisplay;

    void AddItem(KZPopUpItem *entry);
    KZPopUpMenu &Menu() const { return *menu; }

private:
    void DrawTriangle();

    std::unique_ptr<KZPopUpMenu> menu;
};
