#include "framework/core/text/ZafLanguageStorage.h"

#include "framework/core/data/ZafDataRecord.h"

#include <memory>

namespace {

constexpr ZafInt32 smallestEntry = 2 + 2 + 2 + 2 + 2;
ZafObjectPersistence *languagePersistence = nullptr;

ZafLanguageData *LoadFromStorage(const wchar_t *name)
{
    return languagePersistence && name ? ZafReadLanguageData(name, *languagePersistence) : nullptr;
}

// A scratch data object that only carries the ids for the record helpers.
class LanguageRecord : public ZafData
{
};

} // namespace

ZafLanguageData *ZafReadLanguageData(const wchar_t *name, ZafObjectPersistence &persistence)
{
    std::unique_ptr<ZafLanguageData> data(new ZafLanguageData(name, nullptr));
    ZafError error = ZafReadDataRecord(*data, name, persistence, L"ZafLanguageData", ZAF_ID_LANGUAGE_DATA,
        [&data](ZafFile &file) {
            ZafUInt16 count;
            if (!file.ReadUInt16(count) || !ZafRecordHolds(file, count, smallestEntry))
                return false;
            for (int i = 0; i < count; ++i) {
                std::unique_ptr<ZafIChar[]> text(file.ReadNewString());
                ZafInt16 numberID = 0, hotKeyIndex = -1;
                ZafUInt16 hotKeyChar = 0;
                file.ReadInt16(numberID);
                std::unique_ptr<ZafIChar[]> stringID(file.ReadNewString());
                file.ReadUInt16(hotKeyChar);
                file.ReadInt16(hotKeyIndex);
                if (file.Error())
                    return false;
                // A hot key must lie inside its text.
                int length = text ? int(wcslen(text.get())) : 0;
                if (hotKeyIndex < -1 || hotKeyIndex >= length)
                    hotKeyIndex = -1;
                data->AddText(text.get(), numberID, stringID.get(), wchar_t(hotKeyChar), hotKeyIndex);
            }
            return true;
        });
    if (error)
        return nullptr;
    data->SetError(0);
    return data.release();
}

ZafError ZafWriteLanguageTable(const wchar_t *name, const ZafLanguageStruct *table, ZafObjectPersistence &persistence)
{
    LanguageRecord record;
    record.SetStringID(name);
    return ZafWriteDataRecord(record, persistence, L"ZafLanguageData", ZAF_ID_LANGUAGE_DATA, [table](ZafFile &file) {
        int count = 0;
        while (table && table[count].text)
            ++count;
        file.WriteUInt16(ZafUInt16(count));
        for (int i = 0; i < count; ++i) {
            file.WriteString(table[i].text);
            file.WriteInt16(table[i].numberID);
            file.WriteString(table[i].stringID);
            file.WriteUInt16(ZafUInt16(table[i].hotKeyChar));
            file.WriteInt16(ZafInt16(table[i].hotKeyIndex));
        }
    });
}

ZafObjectPersistence *ZafSetLanguagePersistence(ZafObjectPersistence *persistence)
{
    ZafObjectPersistence *previous = languagePersistence;
    languagePersistence = persistence;
    ZafLanguageManager::SetLoader(persistence ? LoadFromStorage : nullptr);
    return previous;
}
