#include "framework/core/text/ZafLanguageData.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const ZafLanguageStruct messageTable[] = {
    {L"&OK", 1, L"OK", L'O', 0},
    {L"Cancel", 2, L"CANCEL", L'C', 0},
    {nullptr, 0, nullptr, 0, 0},
};

} // namespace

TEST(ZafLanguageData, WithoutStoredDataTheBuiltInTextIsAnswered)
{
    ZafLanguageData *data = ZafLanguageManager::GetLanguageData(L"ZafTestMessages", messageTable);
    ASSERT_NE(data, nullptr);
    wchar_t hotKey = 0;
    int index = -1;
    EXPECT_EQ(std::wstring(data->GetText(2, false, &hotKey, &index)), L"Cancel");
    EXPECT_EQ(hotKey, L'C');
    EXPECT_EQ(index, 0);
    hotKey = L'?';
    EXPECT_EQ(data->GetText(9, false, &hotKey), nullptr);
    EXPECT_EQ(hotKey, L'?');
    EXPECT_EQ(std::wstring(data->GetText(9, true)), L"&OK");
    ZafLanguageManager::FreeLanguageData(data);
}

TEST(ZafLanguageData, TheCacheCountsUsersAndLetsGoAtZero)
{
    int before = ZafLanguageManager::CacheCount();
    ZafLanguageData *a = ZafLanguageManager::GetLanguageData(L"ZafTestShared", messageTable);
    ZafLanguageData *b = ZafLanguageManager::GetLanguageData(L"ZafTestShared", messageTable);
    EXPECT_EQ(a, b);
    EXPECT_EQ(a->UseCount(), 2);
    EXPECT_EQ(ZafLanguageManager::CacheCount(), before + 1);
    ZafLanguageManager::FreeLanguageData(a);
    EXPECT_EQ(ZafLanguageManager::CacheCount(), before + 1);
    ZafLanguageManager::FreeLanguageData(b);
    EXPECT_EQ(ZafLanguageManager::CacheCount(), before);
}

namespace {

ZafLanguageData *GermanLoader(const wchar_t *name)
{
    if (std::wstring(name) != L"ZafTestStored")
        return nullptr;
    ZafLanguageData *data = new ZafLanguageData(name, nullptr);
    data->AddText(L"Abbrechen", 2, L"CANCEL", L'A', 0);
    return data;
}

} // namespace

TEST(ZafLanguageData, StoredDataComesBeforeTheBuiltInTableAndReloads)
{
    ZafLanguageData *builtIn = ZafLanguageManager::GetLanguageData(L"ZafTestStored", messageTable);
    EXPECT_EQ(std::wstring(builtIn->GetText(2)), L"Cancel");
    ZafLanguageManager::SetLoader(GermanLoader);
    ZafLanguageManager::ReloadLanguageData();
    EXPECT_EQ(std::wstring(builtIn->GetText(2)), L"Abbrechen");
    ZafLanguageManager::FreeLanguageData(builtIn);
    ZafLanguageData *stored = ZafLanguageManager::GetLanguageData(L"ZafTestStored", messageTable);
    EXPECT_EQ(std::wstring(stored->GetText(2)), L"Abbrechen");
    ZafLanguageManager::FreeLanguageData(stored);
    ZafLanguageManager::SetLoader(nullptr);
}
