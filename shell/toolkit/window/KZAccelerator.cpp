#include "shell/toolkit/window/KZAccelerator.h"

#include <cwctype>

#include "foundation/registry/KRegistry.h"
#include "framework/core/base/ZafConstants.h"
#include "shell/app/VZApplication.h"
#include "shell/toolkit/KZToolkitCodes.h"

namespace {

KString MenuText(const wchar_t *key, const wchar_t *english)
{
    if (KRegistry *registry = VZApplication::Registry())
        return registry->GetText(key);
    return KString(english);
}

} // namespace

uint32_t KZParseAccelerator(const KString &field)
{
    int length = field.Length();
    if (length == 0)
        return 0;
    uint32_t accelerator = 0;
    for (int i = 0; i < length - 1; ++i)
        switch (field[i]) {
        case L'A': accelerator |= kAccelAlt; break;
        case L'C': accelerator |= kAccelCtrl; break;
        case L'S': accelerator |= kAccelShift; break;
        default: break;
        }
    return accelerator | uint32_t(uint16_t(field[length - 1]));
}

uint32_t KZEffectiveAccelerator(uint32_t accelerator)
{
    if (accelerator && !(accelerator & kAccelModifierMask))
        accelerator |= kAccelCtrl;
    return accelerator;
}

void KZAppendAcceleratorText(uint32_t accelerator, KString &out)
{
    accelerator = KZEffectiveAccelerator(accelerator);
    if (!accelerator)
        return;
    if (accelerator & kAccelShift)
        out.Append(MenuText(L"\\Strings\\Menu\\Shift", L"Shift")).AppendChar(L'+');
    if (accelerator & kAccelCtrl)
        out.Append(MenuText(L"\\Strings\\Menu\\Ctrl", L"Ctrl")).AppendChar(L'+');
    if (accelerator & kAccelAlt)
        out.Append(MenuText(L"\\Strings\\Menu\\Alt", L"Alt")).AppendChar(L'+');
    out.AppendChar(wchar_t(accelerator & kAccelKeyMask));
}

bool KZAcceleratorMatches(uint32_t accelerator, wchar_t key, uint32_t modifiers)
{
    accelerator = KZEffectiveAccelerator(accelerator);
    if (!accelerator)
        return false;
    if (std::towupper(wchar_t(accelerator & kAccelKeyMask)) != std::towupper(key))
        return false;
    uint32_t expected = 0;
    if (accelerator & kAccelAlt)
        expected |= ZAF_ALT;
    if (accelerator & kAccelCtrl)
        expected |= ZAF_CTRL;
    if (accelerator & kAccelShift)
        expected |= ZAF_SHIFT;
    uint32_t actual = modifiers;
    if (actual & ZAF_SHIFT)
        actual |= ZAF_SHIFT;
    return (actual & 0xF) == expected;
}
