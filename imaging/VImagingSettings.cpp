#include "imaging/VImagingSettings.h"

#include "domain/ui/QVSettings.h"
#include "foundation/registry/KRegistry.h"

KRInt *VImagingSettingNode(const wchar_t *path)
{
    KRegistry *settings = QVSettings();
    return settings ? settings->GetInt(path) : nullptr;
}

int32_t VImagingSetting(const wchar_t *path, int32_t builtIn)
{
    KRInt *node = VImagingSettingNode(path);
    return node ? node->Value() : builtIn;
}
