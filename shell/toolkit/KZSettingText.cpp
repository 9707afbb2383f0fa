#include "shell/toolkit/KZSettingText.h"

#include "foundation/registry/KRegistry.h"
#include "shell/app/VZApplication.h"

const KString &KZSettingText(const wchar_t *key)
{
    if (KRegistry *settings = VZApplication::Registry())
        return settings->GetText(key);
    return KRNode::EmptyText();
}
