// The image window's pop-up menus: the leg's untimed results and the
// selection's commands.
#include "imaging/windows/VZImageWindow.h"

#include "domain/results/QVResult.h"
#include "domain/results/QVResults.h"
#include "domain/timing/VLeg.h"
#include "foundation/strings/KString.h"
#include "imaging/VZWindowCodes.h"
#include "imaging/image/VImage.h"
#include "imaging/image/VImagingTexts.h"
#include "shell/toolkit/menus/KZPopUpItem.h"
#include "shell/toolkit/menus/KZPopUpMenu.h"

namespace {

// A result's names are no hot-key markers: each "&" stands for itself.
void AppendLiteral(KString &label, const KString &text)
{
    for (int32_t i = 0; i < text.Length(); ++i) {
        const wchar_t c = text.CStr()[i];
        if (c == L'&')
            label.AppendChar(L'&');
        label.AppendChar(c);
    }
}

} // namespace

bool VZImageWindow::ResultPopUp(KPoint screen)
{
    VLeg *leg = Leg();
    QVResults *results = leg ? leg->Results() : nullptr;
    const int32_t field = image ? image->IdMethodField() : -1;
    if (!results || field < 0)
        return false;
    KZPopUpMenu menu(screen);
    int32_t count = 0;
    for (QVResult *r = results->NextUntimed(nullptr); r && count < kImageResultPopUpCount;
         r = results->NextUntimed(r), ++count) {
        KString label;
        AppendLiteral(label, r->TextField(field));
        label.AppendChar(L'\t');
        AppendLiteral(label, r->Affiliation());
        KZAddToMenu(&menu, new KZPopUpItem(kEvtImageResultFirst + count, 0, label.CStr(), 0));
    }
    if (count == 0)
        return false;
    menu.Show();
    return true;
}

void VZImageWindow::SelectionPopUp(KPoint screen)
{
    KZPopUpMenu menu(screen);
    for (const VZImagePopUpEntry &entry : kImageSelectionPopUp)
        KZAddToMenu(&menu, new KZPopUpItem(entry.code, VImagingText(entry.label).CStr(), 0));
    menu.Show();
}
