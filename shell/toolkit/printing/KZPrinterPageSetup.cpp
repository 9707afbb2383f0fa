// The page-setup dialog: the margins in inches or centimetres.
#include "shell/toolkit/printing/KZPrinter.h"

#include <cmath>

#include "shell/app/KZAppCodes.h"
#include "shell/toolkit/dialogs/KZDialog.h"
#include "shell/toolkit/fields/KZRadioGroup.h"
#include "shell/toolkit/fields/KZReal.h"
#include "shell/toolkit/dialogs/KZSettingText.h"

namespace {

constexpr double kCentimetresPerInch = 2.54;
// Margins shown with two decimals; no field takes a negative margin or
// one beyond 40 inches (the page arithmetic keeps at least one unit
// printable whatever fits).
constexpr const wchar_t *kMarginFormat = L"%0.2lf";
constexpr double kMaxMarginInches = 40.0;
constexpr int kFieldWidth = 5;

double Factor(int unit)
{
    return unit == KZPrinter::kUnitCentimeters ? kCentimetresPerInch : 1.0;
}

const wchar_t *Text(const wchar_t *key)
{
    return KZSettingText(key).CStr();
}

} // namespace

bool KZPrinter::PageSetup(ZafWindow *owner)
{
    const double factor = Factor(unit);
    KZDialog dialog(Text(L"\\Strings\\Print\\PageSetupDlg\\Title"), kButtonOk | kButtonCancel, kButtonOk);
    dialog.BeginNotebook(0, 0);
    dialog.BeginPage(Text(L"\\Strings\\Print\\PageSetupDlg\\Margins\\Tab"));
    auto field = [&](const wchar_t *key, int32_t thousandths) {
        dialog.AddPrompt(Text(key));
        KZReal *real = dialog.AddReal(thousandths * (0.001 * factor), kFieldWidth, 0.0, kMaxMarginInches * factor);
        real->SetOutputFormat(kMarginFormat);
        real->SetValue(thousandths * (0.001 * factor));
        return real;
    };
    KZReal *left = field(L"\\Strings\\Print\\PageSetupDlg\\Margins\\Left", margins.left);
    KZReal *right = field(L"\\Strings\\Print\\PageSetupDlg\\Margins\\Right", margins.right);
    dialog.NewLine();
    KZReal *top = field(L"\\Strings\\Print\\PageSetupDlg\\Margins\\Top", margins.top);
    KZReal *bottom = field(L"\\Strings\\Print\\PageSetupDlg\\Margins\\Bottom", margins.bottom);
    for (int column = 1; column <= 3; ++column)
        dialog.AlignColumn(column);
    dialog.NewLine();
    dialog.AddPrompt(Text(L"\\Strings\\Print\\PageSetupDlg\\Margins\\Unit"));
    dialog.BeginRadioGroup();
    dialog.AddRadioButton(Text(L"\\Strings\\Print\\PageSetupDlg\\Margins\\Inches"), 0);
    dialog.AddRadioButton(Text(L"\\Strings\\Print\\PageSetupDlg\\Margins\\Centimeters"), 0);
    KZRadioGroup *units = dialog.EndRadioGroup(unit);
    dialog.AlignColumn(1);
    dialog.EndPage();
    dialog.EndNotebook(0);
    if (owner)
        dialog.SetOwner(owner);

    if (dialog.DoModal() != kDialogOk)
        return false;
    const int oldUnit = unit;
    unit = units->Selection() == kUnitCentimeters ? kUnitCentimeters : kUnitInches;
    const double newFactor = Factor(unit);
    // A field left as it was keeps its margin exactly (two decimals cannot
    // show every margin, and Ok must not make it creep); a changed one is
    // read as it shows, two decimals, with a hair added against binary
    // fractions (1.27 cm is 500, not 499).
    auto thousandths = [&](KZReal *real, int32_t stored, double shownFirst) {
        if (unit == oldUnit && real->Value() == shownFirst)
            return stored;
        const double shown = std::round(real->Value() * 100.0) / 100.0;
        return int32_t(shown / newFactor * 1000 + 1e-6);
    };
    const double first = 0.001 * factor;
    SetMargins(KRect(thousandths(left, margins.left, margins.left * first),
                     thousandths(top, margins.top, margins.top * first),
                     thousandths(right, margins.right, margins.right * first),
                     thousandths(bottom, margins.bottom, margins.bottom * first)));
    return true;
}
