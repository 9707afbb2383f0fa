// Settings, texts and message boxes of the results area.
#include "ui/results/QVZResultsPrompts.h"

#include "domain/ui/QVSettings.h"
#include "foundation/registry/KRBool.h"
#include "foundation/registry/KRGroup.h"
#include "foundation/registry/KRInt.h"
#include "foundation/registry/KRegistry.h"
#include "shell/app/KZAppCodes.h"
#include "shell/app/KZLongOperation.h"
#include "shell/app/KZMessageBox.h"
#include "shell/app/VZApplication.h"
#include "shell/app/VZSettingKeys.h"
#include "ui/common/QVZPortNotOpen.h"
#include "ui/common/QVZResultsKeys.h"
#include "ui/common/QVZUnitSilent.h"

namespace QVZResultsPrompts
{

KRegistry *Settings()
{
    if (KRegistry *settings = VZApplication::Registry())
        return settings;
    return QVSettings();
}

const KString &Text(const wchar_t *key)
{
    KRegistry *settings = Settings();
    return settings ? settings->GetText(key) : KRNode::EmptyText();
}

KString Text(const wchar_t *key, const wchar_t *english)
{
    const KString &text = Text(key);
    return text.IsEmpty() ? KString(english) : text;
}

bool Flag(const wchar_t *key, bool fallback)
{
    KRegistry *settings = Settings();
    KRBool *node = settings ? settings->GetBool(key) : nullptr;
    return node ? node->Value() : fallback;
}

int32_t Number(const wchar_t *key, int32_t fallback)
{
    KRegistry *settings = Settings();
    KRInt *node = settings ? settings->GetInt(key) : nullptr;
    return node ? node->Value() : fallback;
}

void SetFlag(const wchar_t *key, bool on)
{
    KRegistry *settings = Settings();
    if (KRBool *node = settings ? settings->GetBool(key) : nullptr)
        node->SetValue(on);
}

const KString &GroupName(const KRGroup &group)
{
    return group.GetText(kKeyPortName);
}

const KString &GroupDescription(const KRGroup &group)
{
    return group.GetText(kKeyPortDescription);
}

int32_t GroupPortNumber(const KRGroup &group)
{
    int32_t number = 0;
    if (!KString::ParseIntField(GroupDescription(group), number, 0))
        return 0;
    return number;
}

void ShowError(const KString &text)
{
    KZMessageBox(Text(kKeyAlertError), text, kButtonOk, kButtonOk, kIconExclamation);
}

void ShowMessage(const KString &text)
{
    KZMessageBox(Text(kKeyAlertMessage), text, kButtonOk, kButtonOk, kIconAsterisk);
}

int32_t Ask(const KString &caption, const KString &text, uint32_t buttons)
{
    return KZMessageBox(caption, text, buttons, kButtonYes, kIconQuestion);
}

namespace {

bool AskRetry(const KString &text)
{
    if (Aborted())
        return false;
    int32_t answer = KZMessageBox(Text(kTextCommErrorTitle), text, kButtonAbort | kButtonRetry, kButtonRetry,
                                  kIconAsterisk);
    return answer == kDialogRetry;
}

} // namespace

bool RetryAfterFailure(const KRGroup &group)
{
    KString text(Text(kTextTimeoutError));
    text.Append(L": ").Append(GroupName(group));
    return AskRetry(QVZUnitSilentText(text, GroupPortNumber(group), GroupName(group)));
}

bool RetryAfterOpenFailure(const KRGroup &group)
{
    return AskRetry(QVZPortNotOpenText(Text(kTextPortNotOpen), GroupPortNumber(group), GroupName(group)));
}

void BusyPointer(bool busy)
{
    KZApplication::ShowPointer(busy ? kPointerBusy : kPointerArrow);
}

bool Aborted()
{
    KZLongOperation *work = KZLongOperation::Current();
    return work && work->Aborted();
}

bool Step(int percent)
{
    KZLongOperation *work = KZLongOperation::Current();
    return !work || work->Step(percent);
}

} // namespace QVZResultsPrompts
