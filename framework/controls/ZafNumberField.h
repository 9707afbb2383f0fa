#pragma once
// ZafInteger and ZafReal: text fields that edit a number. The number lives in
// a value object (ZafIntegerData, ZafRealData) that the field observes: it
// formats itself into the field's text through the output format and parses
// the text through the format list. The field checks the value against its
// range text (one "min..max" per line, either end may be missing), reports
// entries that are not numbers or out of range through the error system,
// shows the previous value again when an entry is rejected, and steps the
// value with wrap-around at the range ends.
//
// Both classes are ZafNumberField over their value class; everything but the
// class identity lives in the template. Ownership of the value object: as the
// string field's data objects (deleted when destroyable and unobserved).
// GUI thread only.

#include "framework/controls/ZafString.h"
#include "framework/core/data/ZafIntegerData.h"
#include "framework/core/data/ZafRealData.h"

#include <utility>

class ZafLanguageData;
struct ZafLanguageStruct;

// The message numbers of the number fields' language data (also the
// validation results they stand for).
constexpr ZafError ZAF_NUMBER_INVALID = 1;
constexpr ZafError ZAF_NUMBER_OUT_OF_RANGE = 5;
constexpr ZafError ZAF_NUMBER_BELOW_MINIMUM = 6;
constexpr ZafError ZAF_NUMBER_ABOVE_MAXIMUM = 7;
// The entry stays although it is not valid (the user chose so, or the focus
// left for another window).
constexpr ZafError ZAF_NUMBER_KEPT_INVALID = 12;
// A step object of another class.
constexpr ZafError ZAF_NUMBER_WRONG_STEP = 9;

template <typename Data>
class ZafNumberField : public ZafString
{
public:
    using ValueType = decltype(std::declval<const Data &>().Value());

    ~ZafNumberField() override;

    ZafEventType Event(const ZafEventStruct &event) override;
    // Scans the text into the value object through the format list; the
    // field follows through its notification. Answers the parse result.
    ZafError SetText(const ZafIChar *text) override;
    using ZafString::SetText;
    // Styles that make no sense for numbers stay off.
    bool SetLowerCase(bool) override { return lowerCase = false; }
    bool SetPassword(bool) override { return password = false; }
    bool SetUpperCase(bool) override { return upperCase = false; }
    bool SetUnderscoreBlanks(bool) override { return underscoreBlanks = false; }
    // The string data cannot be replaced: 1.
    ZafError SetStringData(ZafStringData *) override { return 1; }
    // Checks the text against the ranges; with processError the failure is
    // reported. Answers 0 or the result (see the source).
    ZafError Validate(bool processError) override;
    // Steps the value by a value object of the same class (else 9); an
    // invalid result wraps to the other end of the first range with wrap,
    // else the value stays. Answers 0.
    using ZafString::Decrement;
    using ZafString::Increment;
    virtual ZafError Decrement(ZafData *step, bool wrap);
    virtual ZafError Increment(ZafData *step, bool wrap);

    // The value: the text parsed first.
    ValueType Value();
    // The value object's own setter; the text follows.
    virtual ValueType SetValue(ValueType value);
    // Replaces the value object (null: a new one holding 0) and shows it.
    virtual Data *SetValueData(Data *data);
    Data *ValueData() const { return value; }

    // The value object's notification: 2 formats, 1 parses.
    static ZafError ValueNotification(ZafElement *observer, ZafUpdateCode code);

protected:
    ZafNumberField(int left, int top, int width, Data *data, const ZafIChar *languageName);
    ZafNumberField(const ZafNumberField &copy);
    // Reads the value part after the string field's record.
    ZafNumberField(const ZafIChar *name, ZafObjectPersistence &persistence, const ZafIChar *className,
        ZafClassID classID, const ZafIChar *languageName);
    void WriteNumber(ZafObjectPersistence &persistence, const ZafIChar *className, ZafClassID classID);

    // Value to text (cleared while unanswered unless always is set).
    void FormatValue(bool always = false);
    // Text to value, with the field's own notification off; the result is
    // also the field's error.
    ZafError ParseText();
    // The range-checked result of a text (0, a parse error or 5), the
    // description of the ranges it missed ("min..max" joined by ", ") and
    // the number of range lines examined.
    ZafError CheckRanges(const ZafIChar *text, std::wstring *description, int &examined);
    // Reports message number with its arguments; answers the user's answer.
    ZafInt32 Report(ZafError number, ZafUInt32 options, const ZafIChar *text, const ZafIChar *description);
    // Puts a saved value back, with or without the field hearing of it.
    void Restore(const Data &saved, bool notify);
    ZafError Step(ZafData *step, bool up, bool wrap);
    bool LeavingWindow(const ZafEventStruct &event) const;
    ZafEventType SelectOrLeave(const ZafEventStruct &event);
    void Observe();
    void Ignore();

    Data *value = nullptr;
    ZafLanguageData *language = nullptr;
};

class ZafInteger : public ZafNumberField<ZafIntegerData>
{
public:
    ZafInteger(int left, int top, int width, int value);
    ZafInteger(int left, int top, int width, ZafIntegerData *data);
    ZafInteger(const ZafInteger &copy) : ZafNumberField(copy) { }
    ZafInteger(const ZafIChar *name, ZafObjectPersistence &persistence);

    ZAF_CLASS_IDENTITY_MEMBERS(ZafString, ZAF_ID_INTEGER, L"ZafInteger")
    ZAF_PERSISTENT_CLASS(ZafWindowObject, ZafInteger);
    void Write(ZafObjectPersistence &persistence) override { WriteNumber(persistence, className, classID); }
};

class ZafReal : public ZafNumberField<ZafRealData>
{
public:
    ZafReal(int left, int top, int width, double value);
    ZafReal(int left, int top, int width, ZafRealData *data);
    ZafReal(const ZafReal &copy) : ZafNumberField(copy) { }
    ZafReal(const ZafIChar *name, ZafObjectPersistence &persistence);

    ZAF_CLASS_IDENTITY_MEMBERS(ZafString, ZAF_ID_REAL, L"ZafReal")
    ZAF_PERSISTENT_CLASS(ZafWindowObject, ZafReal);
    void Write(ZafObjectPersistence &persistence) override { WriteNumber(persistence, className, classID); }
};

// The number fields' built-in messages (their language data's default).
const ZafLanguageStruct *ZafNumberFieldMessages();

// A message text of the language data is used as a format only when its
// conversions are exactly the given number of "%s" ("%%" aside).
bool ZafIsPlainTextFormat(const ZafIChar *text, int conversions);
