// Stored language data and the application's "i18n.zaf".


#include "framework/core/objects/ZafApplication.h"
#include "framework/core/text/ZafLanguageStorage.h"
#include "framework/core/storage/ZafObjectPersistence.h"
#include "framework/core/storage/ZafStorage.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

const ZafLanguageStruct builtIn[] = {
    { L"&Close", 1, L"CLOSE", L'C', 0 },
    { L"&Move", 2, L"MOVE", L'M', 0 },
    { nullptr, 0, nullptr, 0, -1 },
};

const ZafLanguageStruct stored[] = {
    { L"&Schließen", 1, L"CLOSE", L'S', 0 },
    { L"&Verschieben", 2, L"MOVE", L'V', 0 },
    { nullptr, 0, nullptr, 0, -1 },
};

// The text at index of the language data a class gets (the built-in table
// unless a language file holds the class).
std::wstring LanguageText(const ZafIChar *className, ZafNumberID index)
{
    ZafLanguageData *data = ZafLanguageManager::GetLanguageData(className, builtIn);
    const wchar_t *found = data->GetText(index);
    std::wstring text = found ? found : L"<none>";
    ZafLanguageManager::FreeLanguageData(data);
    return text;
}

} // namespace

TEST(ZafLanguageStorage, TableWrittenIsReadBackWithHotKeys)
{
    ZafStorage storage;
    ZafObjectPersistence persistence(&storage);
    ASSERT_EQ(0, ZafWriteLanguageTable(L"ZafSystemMenu", stored, persistence));
    ZafLanguageData *data = ZafReadLanguageData(L"ZafSystemMenu", persistence);
    ASSERT_NE(nullptr, data);
    EXPECT_EQ(2, data->Count());
    wchar_t hotKey = 0;
    int index = -1;
    EXPECT_STREQ(L"&Verschieben", data->GetText(2, false, &hotKey, &index));
    EXPECT_EQ(L'V', hotKey);
    EXPECT_EQ(0, index);
    delete data;
    EXPECT_EQ(nullptr, ZafReadLanguageData(L"Unknown", persistence));
}

TEST(ZafLanguageStorage, ApplicationTakesStoredTextsBeforeTheBuiltInTable)
{
    {
        ZafStorage i18n(L"i18n.zaf", ZAF_FILE_CREATE);
        ZafObjectPersistence persistence(&i18n);
        ASSERT_EQ(0, ZafWriteLanguageTable(L"StoredMenuTest", stored, persistence));
        ASSERT_EQ(0, i18n.Save());
    }
    {
        wchar_t program[] = L"program";
        wchar_t *arguments[] = { program };
        ZafApplication application(1, arguments);
        ASSERT_NE(nullptr, application.I18nStorage());
        EXPECT_EQ(L"&Schließen", LanguageText(L"StoredMenuTest", 1));
        // A class the file does not hold uses its built-in table.
        EXPECT_EQ(L"&Close", LanguageText(L"NotStoredMenuTest", 1));
    }
    std::remove("i18n.zaf");
    EXPECT_EQ(L"&Close", LanguageText(L"StoredMenuTest2", 1));
}

TEST(ZafLanguageStorage, DamagedI18nFileIsIgnored)
{
    FILE *file = std::fopen("i18n.zaf", "wb");
    ASSERT_NE(nullptr, file);
    std::fputs("not a data file at all", file);
    std::fclose(file);
    {
        wchar_t program[] = L"program";
        wchar_t *arguments[] = { program };
        ZafApplication application(1, arguments);
        EXPECT_EQ(nullptr, application.I18nStorage());
        EXPECT_EQ(L"&Move", LanguageText(L"DamagedMenuTest", 2));
    }
    std::remove("i18n.zaf");
}
