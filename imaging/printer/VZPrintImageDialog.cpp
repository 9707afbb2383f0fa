#include "imaging/printer/VZPrintImageDialog.h"

#include <windows.h>

#include <cmath>

#include "foundation/registry/KRegistry.h"
#include "imaging/image/VImagingTexts.h"
#include "imaging/VImagingSettings.h"
#include "imaging/VZWindowCodes.h"
#include "shell/app/KZAppCodes.h"
#include "shell/toolkit/fields/KZButton.h"
#include "shell/toolkit/fields/KZInteger.h"
#include "shell/toolkit/printing/KZPrinter.h"
#include "shell/toolkit/fields/KZRadioGroup.h"
#include "shell/toolkit/fields/KZReal.h"

namespace {

constexpr double kCentimetresPerInch = 2.54;
constexpr double kRowsPerFactor = 1.5;     // image rows per printer dot at factor 1

// The kept choices of the run.
int32_t g_zoom = 1;
bool g_smooth = true;
int32_t g_resolution = 300;
bool g_centimetres = false;

KString DialogText(const wchar_t *key)
{
    KString path(kTextPrintDialogGroup);
    path.Append(key);
    return VImagingText(path.CStr());
}

int Selection(const KZRadioGroup *group)
{
    return group ? group->Selection() : -1;
}

void WriteSetting(const wchar_t *key, int32_t value)
{
    if (KRInt *node = VImagingSettingNode(key))
        node->SetValue(value);
}

} // namespace

VZPrintImageDialog::VZPrintImageDialog(KZPrinter *printer, int32_t imageRows)
    : KZDialog(DialogText(L"Title").CStr(), kButtonOk | kButtonCancel, kButtonOk), printer(printer), imageRows(imageRows)
{
    Build();
}

void VZPrintImageDialog::AddRadios(const wchar_t *const *keys, int count, int32_t code)
{
    BeginRadioGroup();
    for (int i = 0; i < count; ++i)
        AddRadioButton(DialogText(keys[i]).CStr(), code);
}

void VZPrintImageDialog::Build()
{
    const wchar_t *const zooms[] = { L"Zoom1", L"Zoom2", L"Zoom4", L"Zoom8" };
    const wchar_t *const resolutions[] = { L"DPI300", L"DPI600", L"DPI1200" };
    const wchar_t *const units[] = { L"Inches", L"Centimeters" };
    const wchar_t *const results[] = { L"PROff", L"PROn" };

    AddPrompt(DialogText(L"Zoom").CStr());
    AddRadios(zooms, 4, kEvtPrintImageChoice);
    zoomGroup = EndRadioGroup(EntryOfZoom(g_zoom));
    smoothBox = AddCheckBox(DialogText(L"SmoothZoom").CStr(), g_smooth, 0);
    NewLine();

    AddPrompt(DialogText(L"DPI").CStr());
    AddRadios(resolutions, 3, kEvtPrintImageChoice);
    resolutionGroup = EndRadioGroup(EntryOfResolution(g_resolution));
    NewLine();

    AddPrompt(DialogText(L"ImageHeight").CStr());
    heightField = AddReal(DefaultHeight(), 5, 0.0, 999.9);
    heightField->SetOutputFormat(L"%0.2lf");
    heightField->SetValue(DefaultHeight());
    AddRadios(units, 2, kEvtPrintImageChoice);
    unitGroup = EndRadioGroup(g_centimetres ? 1 : 0);
    NewLine();

    AddPrompt(DialogText(L"PrintResults").CStr());
    AddRadios(results, 2, 0);
    resultsGroup = EndRadioGroup(PrintResultsSetting() ? 1 : 0);
    Move(1, 0);
    AddPrompt(DialogText(L"MaxResults").CStr());
    countField = AddInteger(MaxResultsSetting(), 2, 0, 99);
    NewLine();

    AlignColumn(1);
}

ZafEventType VZPrintImageDialog::Event(const ZafEventStruct &event)
{
    ZafEventStruct mapped = event;
    const ZafLogicalEvent code = ZafWindow::MapEvent(mapped);
    if (code != kEvtPrintImageChoice)
        return KZDialog::Event(event);
    if (heightField)
        heightField->SetValue(DefaultHeight());
    return code;
}

void VZPrintImageDialog::Finish(int32_t result)
{
    if (result == kDialogOk)
        StoreChoices();
}

void VZPrintImageDialog::StoreChoices()
{
    g_zoom = ZoomOfEntry(Selection(zoomGroup));
    g_smooth = smoothBox && smoothBox->Selected();
    g_resolution = ResolutionOfEntry(Selection(resolutionGroup));
    g_centimetres = Selection(unitGroup) == 1;
    WriteSetting(kKeyPrintResults, Selection(resultsGroup) == 1 ? 1 : 0);
    if (countField)
        WriteSetting(kKeyMaxResults, countField->Value());
}

double VZPrintImageDialog::DefaultHeight() const
{
    const int32_t zoom = zoomGroup ? ZoomOfEntry(Selection(zoomGroup)) : g_zoom;
    const int32_t resolution = resolutionGroup ? ResolutionOfEntry(Selection(resolutionGroup)) : g_resolution;
    const bool centimetres = unitGroup ? Selection(unitGroup) == 1 : g_centimetres;
    const int32_t factor = printer ? printer->ResolutionFactor(resolution) : 53;
    double height = double(zoom) * imageRows / (factor * kRowsPerFactor);
    if (centimetres)
        height *= kCentimetresPerInch;
    return std::floor(height * 100.0) * 0.01;
}

double VZPrintImageDialog::HeightValue() const
{
    return heightField ? heightField->Value() : 0.0;
}

int32_t VZPrintImageDialog::ZoomChoice() { return g_zoom; }
bool VZPrintImageDialog::SmoothChoice() { return g_smooth; }
int32_t VZPrintImageDialog::ResolutionChoice() { return g_resolution; }
bool VZPrintImageDialog::CentimetresChoice() { return g_centimetres; }

void VZPrintImageDialog::SetChoices(int32_t zoom, bool smooth, int32_t resolution, bool centimetres)
{
    g_zoom = zoom;
    g_smooth = smooth;
    g_resolution = resolution;
    g_centimetres = centimetres;
}

bool VZPrintImageDialog::PrintResultsSetting()
{
    return VImagingSetting(kKeyPrintResults, kDefaultPrintResults) != 0;
}

int32_t VZPrintImageDialog::MaxResultsSetting()
{
    return VImagingSetting(kKeyMaxResults, kDefaultMaxResults);
}

int32_t VZPrintImageDialog::ZoomOfEntry(int entry)
{
    return entry == 3 ? 8 : entry == 2 ? 4 : entry == 1 ? 2 : 1;
}

int VZPrintImageDialog::EntryOfZoom(int32_t zoom)
{
    return zoom == 8 ? 3 : zoom == 4 ? 2 : zoom == 2 ? 1 : 0;
}

int32_t VZPrintImageDialog::ResolutionOfEntry(int entry)
{
    return entry == 2 ? 1200 : entry == 1 ? 600 : 300;
}

int VZPrintImageDialog::EntryOfResolution(int32_t resolution)
{
    return resolution == 1200 ? 2 : resolution == 600 ? 1 : 0;
}
