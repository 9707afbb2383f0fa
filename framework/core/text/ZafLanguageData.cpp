#include "framework/core/text/ZafLanguageData.h"
#include "framework/core/data/ZafDataLink.h"
#include "framework/core/text/ZafStrings.h"

#include <algorithm>

namespace {

std::vector<ZafLanguageData *> &Cache()
{
    static std::vector<ZafLanguageData *> cache;
    return cache;
}

ZafLanguageLoader loader = nullptr;

} // namespace

ZafLanguageData::ZafLanguageData(const wchar_t *name, const ZafLanguageStruct *table) : ZafData(true), table(table)
{
    SetStringID(name);
    for (const ZafLanguageStruct *entry = table; entry && entry->text; ++entry)
        AddText(entry->text, entry->numberID, entry->stringID, entry->hotKeyChar, entry->hotKeyIndex);
}

ZafLanguageData::~ZafLanguageData()
{
    FreeEntries();
}

void ZafLanguageData::FreeEntries()
{
    for (Entry &entry : entries)
    {
        delete[] entry.text;
        delete[] entry.stringID;
    }
    entries.clear();
}

const wchar_t *ZafLanguageData::GetText(ZafNumberID numberID, bool useDefault, wchar_t *hotKeyChar,
    int *hotKeyIndex) const
{
    for (const Entry &entry : entries)
        if (entry.numberID == numberID)
        {
            if (hotKeyChar)
                *hotKeyChar = entry.hotKeyChar;
            if (hotKeyIndex)
                *hotKeyIndex = entry.hotKeyIndex;
            return entry.text;
        }
    return useDefault && !entries.empty() ? entries.front().text : nullptr;
}

void ZafLanguageData::AddText(const wchar_t *text, ZafNumberID numberID, const wchar_t *stringID,
    wchar_t hotKeyChar, int hotKeyIndex)
{
    entries.push_back({ZafStrDup(text ? text : L""), numberID, ZafStrDup(stringID), hotKeyChar, hotKeyIndex});
}

void ZafLanguageData::ReplaceEntries(ZafLanguageData &other)
{
    BeginUpdate();
    FreeEntries();
    entries.swap(other.entries);
    EndUpdate(true);
}

ZafLanguageData *ZafLanguageManager::GetLanguageData(const wchar_t *name, const ZafLanguageStruct *table)
{
    for (ZafLanguageData *data : Cache())
        if (ZafStrSafeCmp(data->StringID(), name) == 0)
        {
            ++data->useCount;
            return data;
        }
    ZafLanguageData *data = loader ? loader(name) : nullptr;
    if (data)
        data->table = table;
    else
        data = new ZafLanguageData(name, table);
    data->useCount = 1;
    Cache().push_back(data);
    return data;
}

void ZafLanguageManager::FreeLanguageData(ZafLanguageData *data)
{
    auto &cache = Cache();
    auto found = std::find(cache.begin(), cache.end(), data);
    if (!data || found == cache.end() || --data->useCount > 0)
        return;
    cache.erase(found);
    ZafDeleteIfUnobserved(data);
}

void ZafLanguageManager::ReloadLanguageData()
{
    for (ZafLanguageData *data : Cache())
    {
        ZafLanguageData *fresh = loader ? loader(data->StringID()) : nullptr;
        if (!fresh)
            fresh = new ZafLanguageData(data->StringID(), data->table);
        data->ReplaceEntries(*fresh);
        delete fresh;
    }
}

ZafLanguageLoader ZafLanguageManager::SetLoader(ZafLanguageLoader newLoader)
{
    loader = newLoader;
    return loader;
}

int ZafLanguageManager::CacheCount()
{
    return int(Cache().size());
}
