// ZafMessageWindow, portable half: construction, the button table, the
// bounded message and the settings the class fixes.
#include "framework/controls/ZafMessageWindow.h"

#include "framework/controls/ZafText.h"
#include "framework/controls/ZafTitle.h"
#include "framework/core/data/ZafStringData.h"
#include "framework/core/text/ZafLanguageData.h"
#include "framework/core/text/ZafPrintf.h"

#include <vector>

namespace {

// The built-in labels; the first letter of each is its hot key.
const ZafLanguageStruct defaultLabels[] = {
    { L"OK", ZAF_MESSAGE_OK, nullptr, L'O', 0 },
    { L"Yes", ZAF_MESSAGE_YES, nullptr, L'Y', 0 },
    { L"No", ZAF_MESSAGE_NO, nullptr, L'N', 0 },
    { L"Abort", ZAF_MESSAGE_ABORT, nullptr, L'A', 0 },
    { L"Retry", ZAF_MESSAGE_RETRY, nullptr, L'R', 0 },
    { L"Ignore", ZAF_MESSAGE_IGNORE, nullptr, L'I', 0 },
    { L"Cancel", ZAF_MESSAGE_CANCEL, nullptr, L'C', 0 },
    { L"Help", ZAF_MESSAGE_HELP, nullptr, L'H', 0 },
    { nullptr, 0, nullptr, 0, -1 },
};

} // namespace

const ZafLanguageStruct *ZafMessageWindow::DefaultLabels()
{
    return defaultLabels;
}

ZafEventType ZafMessageWindow::ButtonResult(ZafUInt16 flag)
{
    if (flag == ZAF_MESSAGE_HELP)
        return ZAF_EV_HELP;
    for (int bit = 0; bit < 16; ++bit)
        if (flag == (1u << bit))
            return ZAF_DIALOG_OK + bit;
    return 0;
}

ZafMessageWindow::ZafMessageWindow(ZafStringData *titleData, ZafUInt16 icon, ZafUInt16 buttons,
    ZafUInt16 defaultFlag, const ZafIChar *format, ...)
    : ZafDialogWindow(0, 0, 0, 0)
{
    va_list arguments;
    va_start(arguments, format);
    Construct(titleData, icon, buttons, defaultFlag, MESSAGE_LENGTH, format, arguments);
    va_end(arguments);
}

ZafMessageWindow::ZafMessageWindow(const ZafIChar *titleText, ZafUInt16 icon, ZafUInt16 buttons,
    ZafUInt16 defaultFlag, const ZafIChar *format, ...)
    : ZafDialogWindow(0, 0, 0, 0)
{
    va_list arguments;
    va_start(arguments, format);
    Construct(new ZafStringData(titleText ? titleText : L"", -1, false), icon, buttons, defaultFlag,
        MESSAGE_LENGTH, format, arguments);
    va_end(arguments);
}

ZafMessageWindow::ZafMessageWindow(ZafStringData *titleData, ZafUInt16 icon, ZafUInt16 buttons,
    ZafUInt16 defaultFlag, int maximumLength, const ZafIChar *format, ...)
    : ZafDialogWindow(0, 0, 0, 0)
{
    va_list arguments;
    va_start(arguments, format);
    Construct(titleData, icon, buttons, defaultFlag, maximumLength, format, arguments);
    va_end(arguments);
}

ZafMessageWindow::ZafMessageWindow(const ZafMessageWindow &copy)
    : ZafDialogWindow(copy)
{
    // The copy keeps what the window copy took (ids, help topic, tips, ...)
    // but makes its children itself when it is created: the duplicated ones go.
    currentDefault = nullptr;
    permanentDefault = nullptr;
    for (ZafElement *e = supportList.First(); e; e = e->Next())
        static_cast<ZafWindowObject *>(e)->SetParent(nullptr);
    supportList.Destroy();
    for (ZafElement *e = ZafList::First(); e; e = e->Next())
        static_cast<ZafWindowObject *>(e)->SetParent(nullptr);
    ZafList::Destroy();
    destroyable = false;
    sizeable = false;
    languageData = ZafLanguageManager::GetLanguageData(className, defaultLabels);
    buttonFlags = copy.buttonFlags;
    defaultButton = copy.defaultButton;
    iconType = copy.iconType;
    SetMessage(L"%s", copy.Message() ? copy.Message() : L"");
}

void ZafMessageWindow::Construct(ZafStringData *titleData, ZafUInt16 icon, ZafUInt16 buttons,
    ZafUInt16 defaultFlag, int maximumLength, const ZafIChar *format, va_list arguments)
{
    destroyable = false;
    sizeable = false;
    languageData = ZafLanguageManager::GetLanguageData(className, defaultLabels);
    if (maximumLength < 1)
        maximumLength = 1;
    // Bounded: a long message is cut at its last character, never overrun.
    std::vector<ZafIChar> buffer(size_t(maximumLength), 0);
    ZafVSNPrintf(buffer.data(), maximumLength, format ? format : L"", arguments);
    SetButtons(buttons);
    SetDefaultButtonFlag(defaultFlag);
    SetMessage(maximumLength, L"%s", buffer.data());
    title = new ZafTitle(titleData ? titleData : new ZafStringData(L"", -1, false));
    SetIconType(icon);
}

ZafMessageWindow::~ZafMessageWindow()
{
    if (languageData)
        ZafLanguageManager::FreeLanguageData(languageData);
    if (title && !title->Parent())
        delete title;
    if (text && !text->Parent())
        delete text;
}

ZafUInt16 ZafMessageWindow::SetButtons(ZafUInt16 flags)
{
    if (!Registered())
        buttonFlags |= flags;
    return buttonFlags;
}

ZafUInt16 ZafMessageWindow::ClearButtons(ZafUInt16 flags)
{
    if (!Registered())
        buttonFlags &= ZafUInt16(~flags);
    return buttonFlags;
}

ZafError ZafMessageWindow::SetMessage(const ZafIChar *format, ...)
{
    va_list arguments;
    va_start(arguments, format);
    ZafError answer = SetMessageV(MESSAGE_LENGTH, format, arguments);
    va_end(arguments);
    return answer;
}

ZafError ZafMessageWindow::SetMessage(int maximumLength, const ZafIChar *format, ...)
{
    va_list arguments;
    va_start(arguments, format);
    ZafError answer = SetMessageV(maximumLength, format, arguments);
    va_end(arguments);
    return answer;
}

ZafError ZafMessageWindow::SetMessageV(int maximumLength, const ZafIChar *format, va_list arguments)
{
    if (Registered())
        return 1;
    if (maximumLength < 1)
        maximumLength = 1;
    std::vector<ZafIChar> buffer(size_t(maximumLength), 0);
    ZafVSNPrintf(buffer.data(), maximumLength, format ? format : L"", arguments);
    if (text)
    {
        text->SetText(buffer.data());
        return 0;
    }
    text = new ZafText(0, 0, 0, 0, new ZafStringData(buffer.data(), -1, false));
    text->SetBorder(false);
    text->SetFocusBlocked(true);
    text->SetViewOnly(true);
    text->SetPaletteFromParent(true);
    text->SetWordWrap(false);
    text->SetSystemDrawn(false);
    return 0;
}

const ZafIChar *ZafMessageWindow::Message() const
{
    return text ? text->Text() : nullptr;
}

const ZafIChar *ZafMessageWindow::TitleText() const
{
    return title ? title->Text() : nullptr;
}
