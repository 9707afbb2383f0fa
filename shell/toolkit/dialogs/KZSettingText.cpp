#include "shell/toolkit/dialogs/KZSettingText.h"

#include "foundation/registry/KRegistry.h"
#include "shell/app/VZApplication.h"

const KString &KZSettingText(const wchar_t *key)
{
    if (KRegistry *settings = VZApplication::Registry())
        return settings->GetText(key);
    return KRNode::EmptyText();
}

KString KZSettingText(const wchar_t *key, const wchar_t *english)
{
    const KString &text = KZSettingText(key);
    return text.IsEmpty() ? KString(english) : text;
}
