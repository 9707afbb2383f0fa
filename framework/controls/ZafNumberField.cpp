// The number fields' shared behaviour: formatting and parsing through the
// value object, range checks with their messages, Enter and leaving the
// field, and stepping.
#include "framework/controls/ZafNumberField.h"

#include "framework/core/base/ZafConstants.h"
#include "framework/core/data/ZafStringData.h"
#include "framework/core/objects/ZafErrorSystem.h"
#include "framework/core/objects/ZafWindowManager.h"
#include "framework/core/text/ZafLanguageData.h"
#include "framework/core/text/ZafPrintf.h"

#include <memory>
#include <string>
#include <vector>

namespace {

// The built-in messages, the same for both classes.
const ZafLanguageStruct numberMessages[] = {
    { L"The number %s is invalid.", ZAF_NUMBER_INVALID, nullptr, 0, -1 },
    { L"The number %s is not in the range %s.", ZAF_NUMBER_OUT_OF_RANGE, nullptr, 0, -1 },
    { L"The number %s is less than %s.", ZAF_NUMBER_BELOW_MINIMUM, nullptr, 0, -1 },
    { L"The number %s is greater than %s.", ZAF_NUMBER_ABOVE_MAXIMUM, nullptr, 0, -1 },
    { nullptr, 0, nullptr, 0, -1 },
};

constexpr int formatSize = 256;
// The answer of a message window's OK button: the user keeps the entry.
constexpr ZafInt32 answerKeep = -2999;

const ZafIChar *TextOf(const ZafStringData *data)
{
    return data && data->Text() && *data->Text() ? data->Text() : nullptr;
}

} // namespace

const ZafLanguageStruct *ZafNumberFieldMessages()
{
    return numberMessages;
}

bool ZafIsPlainTextFormat(const ZafIChar *text, int conversions)
{
    if (!text)
        return false;
    int found = 0;
    for (const ZafIChar *p = text; *p; ++p)
    {
        if (*p != L'%')
            continue;
        if (p[1] == L'%')
        {
            ++p;
            continue;
        }
        if (p[1] != L's')
            return false;
        ++found;
        ++p;
    }
    return found == conversions;
}

// ---- Construction -------------------------------------------------------------------

template <typename Data>
ZafNumberField<Data>::ZafNumberField(int left, int top, int width, Data *data, const ZafIChar *languageName)
    : ZafString(left, top, width, new ZafStringData(L"", 255, false))
{
    value = data ? data : new Data();
    language = ZafLanguageManager::GetLanguageData(languageName, numberMessages);
    Observe();
    FormatValue();
}

template <typename Data>
ZafNumberField<Data>::ZafNumberField(const ZafNumberField &copy) : ZafString(copy)
{
    value = copy.value->Destroyable() ? new Data(*copy.value) : copy.value;
    language = ZafLanguageManager::GetLanguageData(copy.ClassName(), numberMessages);
    Observe();
}

template <typename Data>
ZafNumberField<Data>::~ZafNumberField()
{
    Ignore();
    ZafLanguageManager::FreeLanguageData(language);
    if (value->Destroyable() && value->NotificationCount() == 0)
        delete value;
}

template <typename Data>
void ZafNumberField<Data>::Observe()
{
    value->AddNotification(this, &ZafNumberField::ValueNotification, ZAF_NOTIFY_READ | ZAF_NOTIFY_CHANGED);
}

template <typename Data>
void ZafNumberField<Data>::Ignore()
{
    value->SubtractNotification(this, &ZafNumberField::ValueNotification);
}

template <typename Data>
ZafError ZafNumberField<Data>::ValueNotification(ZafElement *observer, ZafUpdateCode code)
{
    auto *field = static_cast<ZafNumberField *>(static_cast<ZafWindowObject *>(observer));
    return ZafAnswerNotice(code, [field] { field->FormatValue(); return 0; }, [field] { return field->ParseText(); });
}

// ---- Value and text ---------------------------------------------------------------------

template <typename Data>
void ZafNumberField<Data>::FormatValue(bool always)
{
    if (unanswered && !always)
    {
        stringData->Clear();
        return;
    }
    wchar_t buffer[formatSize] = {};
    value->FormattedText(buffer, formatSize, TextOf(outputFormat));
    stringData->SetText(buffer);
}

template <typename Data>
ZafError ZafNumberField<Data>::ParseText()
{
    const ZafUInt32 saved = value->NotificationValue(this);
    value->SetNotificationValue(this, 0);
    GetOSText();
    const ZafIChar *text = stringData->Text();
    ZafError result = ZafError(value->SetFormattedText(text ? text : L"", TextOf(formatList)));
    SetError(result);
    value->SetNotificationValue(this, saved);
    return result;
}

template <typename Data>
ZafError ZafNumberField<Data>::SetText(const ZafIChar *text)
{
    return ZafError(value->SetFormattedText(text ? text : L"", TextOf(formatList)));
}

template <typename Data>
typename ZafNumberField<Data>::ValueType ZafNumberField<Data>::Value()
{
    ParseText();
    return value->Value();
}

template <typename Data>
typename ZafNumberField<Data>::ValueType ZafNumberField<Data>::SetValue(ValueType newValue)
{
    return value->SetValue(newValue);
}

template <typename Data>
Data *ZafNumberField<Data>::SetValueData(Data *data)
{
    Data *old = value;
    Ignore();
    if (old != data && old->Destroyable() && old->NotificationCount() == 0)
        delete old;
    value = data ? data : new Data();
    Observe();
    FormatValue();
    return value;
}

template <typename Data>
void ZafNumberField<Data>::Restore(const Data &saved, bool notify)
{
    if (notify)
    {
        value->SetValue(saved);
        return;
    }
    const ZafUInt32 word = value->NotificationValue(this);
    value->SetNotificationValue(this, 0);
    value->SetValue(saved);
    value->SetNotificationValue(this, word);
}

// ---- Validation -------------------------------------------------------------------------

template <typename Data>
ZafError ZafNumberField<Data>::CheckRanges(const ZafIChar *text, std::wstring *description, int &examined)
{
    examined = 0;
    Data candidate;
    ZafError error = ZafError(candidate.SetFormattedText(text, TextOf(formatList)));
    const ZafIChar *rangeText = TextOf(range);
    if (!rangeText || error)
        return error;
    error = ZAF_NUMBER_OUT_OF_RANGE;
    for (const ZafIChar *line = rangeText; line && *line && error == ZAF_NUMBER_OUT_OF_RANGE;)
    {
        ZafIChar minimumText[formatSize], maximumText[formatSize];
        line = SplitRangeLine(line, minimumText, maximumText, formatSize);
        ++examined;
        Data minimum, maximum;
        const bool hasMinimum = *minimumText != 0, hasMaximum = *maximumText != 0;
        if (hasMinimum)
            minimum.SetFormattedText(minimumText, TextOf(outputFormat));
        if (hasMaximum)
            maximum.SetFormattedText(maximumText, TextOf(outputFormat));
        if ((!hasMinimum || minimum.Value() <= candidate.Value()) && (!hasMaximum || candidate.Value() <= maximum.Value()))
        {
            error = 0;
            break;
        }
        if (!description)
            continue;
        if (!description->empty())
            *description += L", ";
        wchar_t buffer[formatSize];
        if (hasMinimum && minimum.FormattedText(buffer, formatSize, TextOf(outputFormat)) > 0)
            *description += buffer;
        *description += L"..";
        if (hasMaximum && maximum.FormattedText(buffer, formatSize, TextOf(outputFormat)) > 0)
            *description += buffer;
    }
    return error;
}

template <typename Data>
ZafError ZafNumberField<Data>::Validate(bool processError)
{
    const std::wstring text = stringData->Text() ? stringData->Text() : L"";
    if (text.empty() && unanswered)
    {
        // Empty and unanswered: no value, nothing to check.
        SetError(0);
        return 0;
    }
    std::wstring description;
    int examined = 0;
    ZafError error = CheckRanges(text.c_str(), &description, examined);
    SetError(error);
    if (error == 0)
        return 0;
    int rangeLines = 0;
    for (const ZafIChar *line = TextOf(range); line && *line;)
    {
        ZafIChar ignored[2];
        line = SplitRangeLine(line, ignored, ignored, 2);
        ++rangeLines;
    }
    if (!processError || !ZafErrorSystem::Shared() || examined == 0)
    {
        FormatValue(true);
        return error;
    }
    if (error == ZAF_NUMBER_OUT_OF_RANGE && rangeLines == 1)
    {
        ZafIChar minimumText[formatSize], maximumText[formatSize];
        SplitRangeLine(TextOf(range), minimumText, maximumText, formatSize);
        const std::wstring bounds = description;
        const size_t dots = bounds.find(L"..");
        if (*minimumText && !*maximumText)
        {
            error = ZAF_NUMBER_BELOW_MINIMUM;
            description = bounds.substr(0, dots);
        }
        else if (!*minimumText && *maximumText)
        {
            error = ZAF_NUMBER_ABOVE_MAXIMUM;
            description = bounds.substr(dots + 2);
        }
    }
    if (Report(error, errorChoice ? 0x41 : 0x40, text.c_str(), description.c_str()) == answerKeep)
        error = ZAF_NUMBER_KEPT_INVALID;
    SetError(error);
    return error;
}

template <typename Data>
ZafInt32 ZafNumberField<Data>::Report(ZafError number, ZafUInt32 options, const ZafIChar *text,
    const ZafIChar *description)
{
    const int conversions = number == ZAF_NUMBER_INVALID ? 1 : 2;
    const ZafIChar *format = language ? language->GetText(ZafNumberID(number)) : nullptr;
    if (!ZafIsPlainTextFormat(format, conversions))
    {
        // A stored text that asks for other arguments is not used.
        format = nullptr;
        for (const ZafLanguageStruct *entry = numberMessages; entry->text; ++entry)
            if (entry->numberID == ZafNumberID(number))
                format = entry->text;
    }
    if (!format)
        return ZAF_NOT_HANDLED;
    std::vector<wchar_t> message(ZafErrorSystem::MESSAGE_SIZE, 0);
    ZafSNPrintf(message.data(), ZafErrorSystem::MESSAGE_SIZE, format, text ? text : L"",
        description ? description : L"");
    return ZafErrorSystem::Report(nullptr, ZafWindowManager::Shared(), L"", options, message.data());
}

// ---- Events -----------------------------------------------------------------------------

template <typename Data>
bool ZafNumberField<Data>::LeavingWindow(const ZafEventStruct &event) const
{
    if (event.type != ZAF_EV_MAY_LEAVE)
        return false;
    ZafWindowObject *target = event.dataObject;
    return !target || target->RootObject() != RootObject();
}

template <typename Data>
ZafEventType ZafNumberField<Data>::SelectOrLeave(const ZafEventStruct &event)
{
    if (Error() != 0)
        return ZAF_NUMBER_KEPT_INVALID;
    const bool leaving = LeavingWindow(event);
    Data saved(*value);
    ZafError parsed = ParseText();
    const ZafIChar *typed = stringData->Text();
    const std::wstring typedText = typed ? typed : L"";
    // A field left empty while unanswered holds no value: not an error.
    if (typedText.empty() && unanswered)
    {
        Restore(saved, false);
        parsed = 0;
    }
    if (parsed && !leaving)
        Report(ZAF_NUMBER_INVALID, 1, typedText.c_str(), nullptr);
    changedValue = !(*value == saved && typedText.empty() == unanswered);
    SetError(0);
    ZafEventType answer = ZafString::Event(event);
    if (parsed)
        answer = leaving ? ZAF_NUMBER_KEPT_INVALID : ZafEventType(parsed);
    if (answer == 0)
    {
        if (!unanswered)
            FormatValue();
    }
    else if (answer == ZAF_NUMBER_KEPT_INVALID && leaving)
        Restore(saved, false);
    else if (answer != ZAF_NUMBER_KEPT_INVALID)
    {
        // The previous value is shown again (also when it did not change).
        Restore(saved, true);
        FormatValue(true);
    }
    SetError(0);
    return answer;
}

template <typename Data>
ZafEventType ZafNumberField<Data>::Event(const ZafEventStruct &event)
{
    ZafEventType type = event.type;
    if (event.InputClass() == ZAF_INPUT_KEYBOARD)
    {
        ZafEventStruct mapped = event;
        if (MapEvent(mapped) == ZAF_L_SELECT)
        {
            mapped.type = ZAF_L_SELECT;
            return SelectOrLeave(mapped);
        }
        return ZafString::Event(event);
    }
    switch (type)
    {
    case ZAF_L_SELECT:
    case ZAF_EV_MAY_LEAVE:
        return SelectOrLeave(event);
    case ZAF_EV_LANGUAGE_CHANGED:
        FormatValue();
        return type;
    case ZAF_EV_SETTLE:
        FormatValue();
        return ZafString::Event(event);
    case ZAF_EV_COPY_VALUE:
        if (ZafWindowObject *other = event.dataObject)
            if (other != this && other->ClassID() == ClassID())
                value->SetValue(*static_cast<ZafNumberField *>(other)->value);
        return type;
    case ZAF_EV_SHARE_VALUE:
        if (!event.dataObject)
            SetValueData(new Data(*value));
        else if (event.dataObject != this && event.dataObject->ClassID() == ClassID())
            SetValueData(static_cast<ZafNumberField *>(event.dataObject)->value);
        return type;
    default:
        return ZafString::Event(event);
    }
}

// ---- Stepping ----------------------------------------------------------------------------

template <typename Data>
ZafError ZafNumberField<Data>::Step(ZafData *step, bool up, bool wrap)
{
    Data *amount = dynamic_cast<Data *>(step);
    if (!amount)
        return ZAF_NUMBER_WRONG_STEP;
    Data saved(*value);
    ParseText();
    if (up)
        value->Add(amount->Value());
    else
        value->Subtract(amount->Value());
    if (Validate(false) != 0)
    {
        const ZafIChar *rangeText = TextOf(range);
        if (!wrap || !rangeText)
            value->SetValue(saved);
        else
        {
            ZafIChar minimumText[formatSize], maximumText[formatSize];
            SplitRangeLine(rangeText, minimumText, maximumText, formatSize);
            const ZafIChar *end = up ? minimumText : maximumText;
            Data bound;
            if (*end && bound.SetFormattedText(end, TextOf(outputFormat)) == 0)
                value->SetValue(bound);
            else
                value->SetValue(saved);
        }
        FormatValue(true);
    }
    SetError(0);
    return 0;
}

template <typename Data>
ZafError ZafNumberField<Data>::Increment(ZafData *step, bool wrap)
{
    return Step(step, true, wrap);
}

template <typename Data>
ZafError ZafNumberField<Data>::Decrement(ZafData *step, bool wrap)
{
    return Step(step, false, wrap);
}

template class ZafNumberField<ZafIntegerData>;
template class ZafNumberField<ZafRealData>;
