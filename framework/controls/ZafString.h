#pragma once
// ZafString: the single-line text field. It edits the text of a
// ZafStringData through an OS "EDIT" control (or draws it itself when not
// system drawn) and keeps the two in step through the data object's
// notifications. It also carries a format list, an output format and a range
// (each a ZafStringData, one entry per line) for the number fields built on
// it, and validates its value when the user presses Enter or leaves it.
//
// Ownership of the data objects: the field observes its string data; a data
// object it stops using is deleted when it is destroyable and nobody else
// observes it, otherwise it is left to its other users. GUI thread only.
//
// The portable half is here and in ZafString.cpp / ZafStringStorage.cpp; the
// control itself lives in framework/windows/ZafStringOS.cpp.

#include "framework/core/objects/ZafWindowObject.h"

class ZafStringData;

class ZafString : public ZafWindowObject
{
public:
    // One cell high, bordered; a new owned string data of the text.
    ZafString(int left, int top, int width, const ZafIChar *text, int maxLength = -1);
    // Over the given data object (a new empty one of 255 characters when null).
    ZafString(int left, int top, int width, ZafStringData *stringData);
    ZafString(const ZafString &copy);
    ZafString(const ZafIChar *name, ZafObjectPersistence &persistence);
    ~ZafString() override;

    ZAF_CLASS_IDENTITY_MEMBERS(ZafWindowObject, ZAF_ID_STRING, L"ZafString")

    ZafEventType Event(const ZafEventStruct &event) override;       // Windows half
    ZafEventType OSEvent(const ZafEventStruct &event) override;     // Windows half
    ZAF_PERSISTENT_CLASS(ZafWindowObject, ZafString);
    void Write(ZafObjectPersistence &persistence) override;

    // The current text: the control's text first taken into the data.
    const ZafIChar *Text() override;
    // Sets the data's text; unanswered exactly when the text is null or
    // empty. Answers 0.
    ZafError SetText(const ZafIChar *text) override;
    using ZafWindowObject::SetText;
    bool SetSelected(bool value) override { return ZafWindowObject::SetSelected(value); }
    // Before registration only; a one-cell-high field keeps one line's height.
    ZafCoordinateType SetCoordinateType(ZafCoordinateType type) override;
    ZafEventType Redisplay(const ZafEventStruct &event, ZafEventType code) override;   // Windows half
    void ResolveSystemColors(ZafPaletteStruct &palette, ZafPaletteType type, ZafPaletteState state) override;
    const ZafPaletteStruct *MapPalette(ZafPaletteType type, ZafPaletteState state) override;
    void OSRegisterObject() override;                                // Windows half
    // Writes the data's text into the control (blanks as "_" with
    // underscore blanks).
    ZafEventType UpdateOSListItem() override;                        // Windows half
    ZafLogicalEvent MapEvent(ZafEventStruct &event) override;

    // Flags that may change at any time.
    virtual bool SetErrorChoice(bool value) { return errorChoice = value; }
    virtual bool SetAutoSelect(bool value) { return autoSelect = value; }
    virtual bool SetInvalid(bool value) { return invalid = value; }
    virtual bool SetReportErrors(bool value) { return reportErrors = value; }
    // Turning it on clears the data.
    virtual bool SetUnanswered(bool value);
    // Puts the caret at the position; 8 without an EDIT control.
    virtual ZafError SetCursorPosition(int position);                // Windows half
    // Control styles: before registration only, answer the value in force.
    // Upper and lower case exclude each other.
    virtual int SetJustification(int value) { return SetBeforeRegistration(justification, value); } // 0 left, 1 right, 2 centred
    virtual bool SetLowerCase(bool value);
    virtual bool SetPassword(bool value) { return SetBeforeRegistration(password, value); }
    virtual bool SetUpperCase(bool value);
    virtual bool SetViewOnly(bool value) { return SetBeforeRegistration(viewOnly, value); }
    virtual bool SetUnderscoreBlanks(bool value) { return SetBeforeRegistration(underscoreBlanks, value); }
    // Data objects: the format setters act before registration only (else
    // 1); the field takes over the objects. Answer 0.
    virtual ZafError SetFormatListData(ZafStringData *data);
    virtual ZafError SetOutputFormatData(ZafStringData *data);
    virtual ZafError SetRangeData(ZafStringData *data);
    // Replaces the string data (null: a new empty one) and shows it.
    virtual ZafError SetStringData(ZafStringData *data);
    // Number fields step and check their values; the plain field does not.
    virtual ZafError Decrement(ZafStringData *) { return 9; }
    virtual ZafError Increment(ZafStringData *) { return 9; }
    virtual ZafError Validate(bool processError) { (void)processError; return 0; }
    // Takes the control's text into the data.
    virtual void GetOSText();                                        // Windows half

    // The format list with the output format as its first line; 1 once
    // registered.
    ZafError SetFormatList(const ZafIChar *text);
    ZafError SetOutputFormat(const ZafIChar *text);
    ZafError SetRange(const ZafIChar *text);
    // One line of a range text ("min..max", "value", "..max", "min.."):
    // the minimum and maximum (each at most size - 1 characters); answers
    // the start of the next line, null after the last.
    static const ZafIChar *SplitRangeLine(const ZafIChar *rangeText, ZafIChar *minimum,
        ZafIChar *maximum, int size = 256);

    // The member user function: validation on Enter and when leaving.
    ZafEventType ValidateFunction(const ZafEventStruct &event, ZafEventType code);
    // The data object's notification: 2 writes the control, 1 reads it.
    static ZafError Notification(ZafElement *observer, ZafUpdateCode code);

    bool ErrorChoice() const { return errorChoice; }
    bool AutoSelect() const { return autoSelect; }
    bool Invalid() const { return invalid; }
    bool Unanswered() const { return unanswered; }
    bool LowerCase() const { return lowerCase; }
    bool Password() const { return password; }
    bool ReportErrors() const { return reportErrors; }
    bool UpperCase() const { return upperCase; }
    bool UnderscoreBlanks() const { return underscoreBlanks; }
    bool ViewOnly() const { return viewOnly; }
    bool ChangedValue() const { return changedValue; }
    int Justification() const { return justification; }
    ZafStringData *StringData() const { return stringData; }
    ZafStringData *FormatListData() const { return formatList; }
    ZafStringData *OutputFormatData() const { return outputFormat; }
    ZafStringData *RangeData() const { return range; }

    static const ZafInputMap defaultInputMap[];
    static const ZafPaletteMap defaultPaletteMap[];

protected:
    // Lets go of a data object by the ownership rule.
    static void ReleaseData(ZafStringData *data);
    void ObserveStringData();
    void IgnoreStringData();

    bool errorChoice = false;
    bool autoSelect = true;
    bool invalid = false;
    bool unanswered = false;
    bool lowerCase = false;
    bool password = false;
    bool reportErrors = true;
    bool upperCase = false;
    bool underscoreBlanks = false;
    bool viewOnly = false;
    int justification = 0;
    ZafStringData *formatList = nullptr;
    ZafStringData *outputFormat = nullptr;
    ZafStringData *range = nullptr;
    bool changedValue = false;
    ZafStringData *stringData = nullptr;
};
