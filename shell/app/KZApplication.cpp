// The application object's construction, instance count, options, prompts
// and framework data file.
#include "shell/app/KZApplication.h"

#include <windows.h>

#include <cwchar>

#include "foundation/strings/KString.h"
#include "foundation/strings/KText.h"
#include "framework/core/display/ZafDisplay.h"
#include "framework/windows/ZafScreenDisplay.h"
#include "framework/core/storage/ZafObjectPersistence.h"
#include "framework/core/storage/ZafStorage.h"
#include "framework/core/objects/ZafWindowManager.h"
#include "framework/core/text/ZafLocaleData.h"
#include "shell/app/KZAppCodes.h"
#include "shell/app/KZMessageBox.h"

KZApplication *KZApplication::instance = nullptr;
ZafWindow *KZApplication::mainWindow = nullptr;

KZScreenDisplayOwner::KZScreenDisplayOwner()
{
    if (!ZafDisplay::Shared())
        screenDisplay = new ZafScreenDisplay;
}

KZScreenDisplayOwner::~KZScreenDisplayOwner()
{
    delete screenDisplay;
}

KZApplication::KZApplication(int argc, wchar_t **argv)
    : ZafApplication(argc, argv)
{
    instance = this;
    guiThread = GetCurrentThreadId();
    if (ZafWindowManager *manager = WindowManager()) {
        manager->SetExitFunction(&KZApplication::ExitCheck);
        manager->SetSessionEndFunction(&KZApplication::SessionEndCheck);
        manager->SetCloseRequestFunction(&KZApplication::CloseRequestCheck);
    }
    if (Argument(0))
        programFile.SetFullName(Argument(0));
    AdjustLocale();
}

KZApplication::~KZApplication()
{
    if (ZafWindowManager *manager = WindowManager()) {
        if (manager->ExitFunction() == &KZApplication::ExitCheck)
            manager->SetExitFunction(nullptr);
        if (manager->SessionEndFunction() == &KZApplication::SessionEndCheck)
            manager->SetSessionEndFunction(nullptr);
        if (manager->CloseRequestFunction() == &KZApplication::CloseRequestCheck)
            manager->SetCloseRequestFunction(nullptr);
    }
    if (semaphore)
        CloseHandle(static_cast<HANDLE>(semaphore));
    if (ZafObjectPersistence::DefaultPersistence() == currentPersistence && currentPersistence)
        ZafObjectPersistence::SetDefaultPersistence(nullptr);
    delete persistence;
    delete storage;
    if (instance == this)
        instance = nullptr;
}

void KZApplication::AdjustLocale()
{
    ZafLocaleData *locale = ZafLocaleData::Locale();
    if (!locale)
        return;
    wcscpy(locale->positiveSign, L"+");
    wcscpy(locale->negativeSign, L"-");
    // The locale record keeps one sign position, that of negative amounts.
    locale->negSignPosition = 1;
    locale->posCurrencyPrecedes = 0;
    locale->negCurrencyPrecedes = 0;
}

void KZApplication::CountInstance(const wchar_t *name)
{
    HANDLE handle = OpenSemaphoreW(SEMAPHORE_ALL_ACCESS, FALSE, name);
    if (handle) {
        LONG previous = 0;
        int32_t number = 2;
        if (ReleaseSemaphore(handle, 1, &previous))
            number = previous + 1;
        instanceNumber = number < 2 ? 2 : number;
    } else {
        instanceNumber = 1;
        handle = CreateSemaphoreW(nullptr, 1, 0x7FFFFFFF, name);
    }
    if (semaphore)
        CloseHandle(static_cast<HANDLE>(semaphore));
    semaphore = handle;
}

void KZApplication::ProgramPath(KString &path) const
{
    path.Append(programFile.FullName());
}

const wchar_t *KZApplication::FindOption(const wchar_t *option) const
{
    if (!option)
        return nullptr;
    const size_t length = wcslen(option);
    for (int i = 1; i < ArgumentCount(); ++i) {
        const wchar_t *argument = Argument(i);
        if (wcslen(argument) < length)
            continue;
        size_t k = 0;
        while (k < length && KTextToLower(argument[k]) == KTextToLower(option[k]))
            ++k;
        if (k == length)
            return argument;
    }
    return nullptr;
}

bool KZApplication::Ask(const KString &caption, const KString &text, uint32_t buttons, uint32_t defaultButton,
                        int icon)
{
    const int32_t result = KZMessageBox(caption, text, buttons, defaultButton, icon);
    return result == kDialogOk || result == kDialogYes;
}

bool KZApplication::OpenDataFile(const wchar_t *name)
{
    KString path;
    if (name) {
        path = name;
    } else {
        KFile file(programFile);
        file.SetExtension(L"zaf");
        if (file.Exists())
            path = file.FullName();
    }
    if (path.IsEmpty())
        return false;
    auto *opened = new ZafStorage(path.CStr(), ZAF_FILE_READ);
    if (opened->Error()) {
        delete opened;
        return false;
    }
    if (ZafObjectPersistence::DefaultPersistence() == currentPersistence && currentPersistence)
        ZafObjectPersistence::SetDefaultPersistence(nullptr);
    delete persistence;
    delete storage;
    storage = opened;
    persistence = new ZafObjectPersistence(storage);
    currentPersistence = persistence;
    ZafObjectPersistence::SetDefaultPersistence(currentPersistence);
    return true;
}
