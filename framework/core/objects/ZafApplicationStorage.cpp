// The application's language data file: "i18n.zaf" in the current
// directory, read-only. Without it (or with a damaged one) the framework runs
// on its built-in tables.

#include "framework/core/objects/ZafApplication.h"

#include "framework/core/storage/ZafDiskFileSystem.h"
#include "framework/core/text/ZafLanguageStorage.h"
#include "framework/core/storage/ZafObjectPersistence.h"
#include "framework/core/storage/ZafStorage.h"

namespace {

const ZafIChar i18nFileName[] = L"i18n.zaf";

} // namespace

void ZafApplication::OpenI18nStorage()
{
    ZafDiskFileSystem disk;
    if (!disk.Exists(i18nFileName))
        return;
    i18nStorage = new ZafStorage(i18nFileName, ZAF_FILE_READ);
    if (i18nStorage->Error()) {
        delete i18nStorage;
        i18nStorage = nullptr;
        return;
    }
    i18nPersistence = new ZafObjectPersistence(i18nStorage);
    ZafSetLanguagePersistence(i18nPersistence);
}

void ZafApplication::CloseI18nStorage()
{
    if (i18nPersistence)
        ZafSetLanguagePersistence(nullptr);
    delete i18nPersistence;
    delete i18nStorage;
    i18nPersistence = nullptr;
    i18nStorage = nullptr;
}
