// The two number field classes and their storage: the string field's record,
// then the record "valueData" beside it naming the value object, which is
// stored beside the field under that name.
#include "framework/controls/ZafNumberField.h"

#include "framework/controls/ZafObjectRecord.h"
#include "framework/core/base/ZafConstants.h"
#include "framework/core/storage/ZafFile.h"
#include "framework/core/storage/ZafObjectPersistence.h"
#include "framework/core/text/ZafLanguageData.h"


namespace {

constexpr const ZafIChar *valueRecord = L"valueData";

} // namespace

template <typename Data>
ZafNumberField<Data>::ZafNumberField(const ZafIChar *name, ZafObjectPersistence &persistence,
    const ZafIChar *className, ZafClassID classID, const ZafIChar *languageName)
    : ZafString(name, ZafObjectPersistence::PushLevel(persistence, className, classID))
{
    Data *data = nullptr;
    if (!Error())
    {
        ZafError error = ZafReadObjectRecord(persistence, name, className, classID, valueRecord, [&](ZafFile &file) {
            ZafIChar *dataName = file.ReadNewString();
            if (!file.Error() && dataName && *dataName)
            {
                data = new Data(dataName, persistence);
                if (data->Error())
                    SetError(data->Error());
            }
            delete[] dataName;
        });
        if (error)
            SetError(error);
    }
    ZafObjectPersistence::PopLevel(persistence);
    persistence.SetError(0);
    value = data ? data : new Data();
    language = ZafLanguageManager::GetLanguageData(languageName, ZafNumberFieldMessages());
    Observe();
    FormatValue();
}

template <typename Data>
void ZafNumberField<Data>::WriteNumber(ZafObjectPersistence &persistence, const ZafIChar *className,
    ZafClassID classID)
{
    ZafObjectPersistence::PushLevel(persistence, className, classID);
    ZafString::Write(persistence);
    if (!Error())
    {
        if (!(value->StringID() && *value->StringID()))
            value->SetStringID(L"value");
        ZafError error = ZafWriteObjectRecord(persistence, StringID(), className, classID, valueRecord,
            [this](ZafFile &file) { file.WriteString(value->StringID()); });
        if (!error)
            error = value->Write(persistence);
        if (error)
            SetError(error);
    }
    ZafObjectPersistence::PopLevel(persistence);
    persistence.SetError(0);
}

template ZafNumberField<ZafIntegerData>::ZafNumberField(const ZafIChar *, ZafObjectPersistence &,
    const ZafIChar *, ZafClassID, const ZafIChar *);
template ZafNumberField<ZafRealData>::ZafNumberField(const ZafIChar *, ZafObjectPersistence &,
    const ZafIChar *, ZafClassID, const ZafIChar *);
template void ZafNumberField<ZafIntegerData>::WriteNumber(ZafObjectPersistence &, const ZafIChar *, ZafClassID);
template void ZafNumberField<ZafRealData>::WriteNumber(ZafObjectPersistence &, const ZafIChar *, ZafClassID);

// ---- ZafInteger ------------------------------------------------------------------------------

ZafInteger::ZafInteger(int left, int top, int width, int number)
    : ZafNumberField(left, top, width, new ZafIntegerData(number), className)
{
}

ZafInteger::ZafInteger(int left, int top, int width, ZafIntegerData *data)
    : ZafNumberField(left, top, width, data, className)
{
}

ZafInteger::ZafInteger(const ZafIChar *name, ZafObjectPersistence &persistence)
    : ZafNumberField(name, persistence, className, classID, className)
{
}

// ---- ZafReal ---------------------------------------------------------------------------------

ZafReal::ZafReal(int left, int top, int width, double number)
    : ZafNumberField(left, top, width, new ZafRealData(number), className)
{
}

ZafReal::ZafReal(int left, int top, int width, ZafRealData *data) : ZafNumberField(left, top, width, data, className)
{
}

ZafReal::ZafReal(const ZafIChar *name, ZafObjectPersistence &persistence)
    : ZafNumberField(name, persistence, className, classID, className)
{
}
