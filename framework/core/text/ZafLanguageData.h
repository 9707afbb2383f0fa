#pragma once
// ZafLanguageData: the texts of one class in the current language (its
// messages, menu items, button labels), each with a number id, a string id
// and a hot key. Objects get it from ZafLanguageManager and give it back
// there; the manager owns it. GUI thread only.

#include "framework/core/data/ZafData.h"

#include <vector>

// One entry of a class's built-in table; a null text ends the table.
struct ZafLanguageStruct
{
    const wchar_t *text;
    ZafNumberID numberID;
    const wchar_t *stringID;
    wchar_t hotKeyChar;                  // 0 = none
    int hotKeyIndex;                     // position of the hot key in text; -1 = none
};

class ZafLanguageData : public ZafData
{
public:
    // A copy of the entries of table (may be null), named name.
    ZafLanguageData(const wchar_t *name, const ZafLanguageStruct *table);
    ~ZafLanguageData() override;
    ZafLanguageData(const ZafLanguageData &) = delete;
    ZafLanguageData &operator=(const ZafLanguageData &) = delete;

    ZAF_CLASS_IDENTITY(ZafData, ZAF_ID_LANGUAGE_DATA, L"ZafLanguageData")

    // The text of the entry with numberID, writing the hot-key outputs (when
    // given) only for a found entry. Without a match: the first entry's text
    // when useDefault is set, else null. The text lives as long as the data.
    const wchar_t *GetText(ZafNumberID numberID, bool useDefault = false, wchar_t *hotKeyChar = nullptr,
        int *hotKeyIndex = nullptr) const;
    // Appends an entry (copies the texts).
    void AddText(const wchar_t *text, ZafNumberID numberID, const wchar_t *stringID = nullptr,
        wchar_t hotKeyChar = 0, int hotKeyIndex = -1);
    int Count() const { return int(entries.size()); }
    // Takes over the entries of other (a fresh load) and notifies observers.
    void ReplaceEntries(ZafLanguageData &other);

    int UseCount() const { return useCount; }

private:
    friend class ZafLanguageManager;

    struct Entry
    {
        wchar_t *text;
        ZafNumberID numberID;
        wchar_t *stringID;
        wchar_t hotKeyChar;
        int hotKeyIndex;
    };

    void FreeEntries();

    std::vector<Entry> entries;
    const ZafLanguageStruct *table;      // the built-in table it was made from, if any
    int useCount = 0;
};

// Loads the stored language data of a class name; null when there is none.
using ZafLanguageLoader = ZafLanguageData *(*)(const wchar_t *name);

// ZafLanguageManager: the process-wide cache of language data by class name.
// GetLanguageData answers the cached data, else the stored data (through the
// loader that the storage installs), else data built from the class's
// built-in table; each Get raises a use count that FreeLanguageData lowers.
class ZafLanguageManager
{
public:
    static ZafLanguageData *GetLanguageData(const wchar_t *name, const ZafLanguageStruct *table);
    // Lowers the use count; at zero the data leaves the cache and is deleted
    // when it is destroyable and nobody observes it.
    static void FreeLanguageData(ZafLanguageData *data);
    // Loads every cached data again (after a language change); objects keep
    // their pointers and hear of the change through their notification.
    static void ReloadLanguageData();
    static ZafLanguageLoader SetLoader(ZafLanguageLoader loader);
    static int CacheCount();
};
