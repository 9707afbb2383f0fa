#include "shell/toolkit/fields/KZRadioGroup.h"

KZRadioGroup::KZRadioGroup(int left, int top, int width, int height) : KZWindow(left, top, width, height)
{
    SetSelectionType(0);
}

int KZRadioGroup::Selection() const
{
    int index = 0;
    for (ZafWindowObject *child = FirstChild(); child; child = static_cast<ZafWindowObject *>(child->Next()), ++index)
        if (child->Selected())
            return index;
    return -1;
}

void KZRadioGroup::SetSelection(int index)
{
    if (index < 0)
        return;
    for (ZafWindowObject *child = FirstChild(); child; child = static_cast<ZafWindowObject *>(child->Next()))
        if (index-- == 0) {
            if (!child->Selected())
                child->SetSelected(true);
            return;
        }
}
