#include "imaging/image/VImagingTexts.h"

#include "domain/ui/QVSettings.h"
#include "foundation/registry/KRegistry.h"

void VImagingText(const wchar_t *key, KString &out)
{
    if (KRegistry *settings = QVSettings())
        out.Append(settings->GetText(key));
}

KString VImagingText(const wchar_t *key)
{
    KString text;
    VImagingText(key, text);
    return text;
}
