// ZafText, portable half: construction, the string data and its
// ownership, and the flags.
#include "framework/controls/ZafText.h"
#include "framework/core/data/ZafDataLink.h"

#include "framework/core/data/ZafStringData.h"

ZafText::ZafText(int left, int top, int width, int height, const ZafIChar *text, int maxLength)
    : ZafText(left, top, width, height, new ZafStringData(text ? text : L"", maxLength, false))
{
}

ZafText::ZafText(int left, int top, int width, int height, ZafStringData *data)
    : ZafFramelessWindow(left, top, width, height)
{
    border = true;
    destroyable = false;
    moveable = false;
    sizeable = false;
    stringData = data ? data : new ZafStringData(L"", -1, false);
    Observe();
}

ZafText::ZafText(const ZafText &copy)
    : ZafFramelessWindow(copy), autoSelect(copy.autoSelect), invalid(copy.invalid), unanswered(copy.unanswered),
      viewOnly(copy.viewOnly), wordWrap(copy.wordWrap), justification(copy.justification)
{
    destroyable = false;
    stringData = copy.stringData ? ZafCopiedData(copy.stringData) : new ZafStringData(L"", -1, false);
    Observe();
}

ZafText::~ZafText()
{
    Release();
}

void ZafText::Observe()
{
    stringData->AddNotification(this, &ZafText::Notification, ZAF_NOTIFY_READ | ZAF_NOTIFY_CHANGED);
}

void ZafText::Release()
{
    ZafLetGoData(stringData, this, &ZafText::Notification);
}

ZafError ZafText::Notification(ZafElement *observer, ZafUpdateCode code)
{
    ZafText *text = static_cast<ZafText *>(static_cast<ZafWindowObject *>(observer));
    return ZafAnswerNotice(code, [text] { return text->UpdateOSListItem(); },
        [text] { text->GetOSText(); return 0; });
}

const ZafIChar *ZafText::Text()
{
    GetOSText();
    return stringData->Text();
}

ZafError ZafText::SetText(const ZafIChar *text)
{
    stringData->SetText(text ? text : L"");
    return 0;
}

ZafError ZafText::SetStringData(ZafStringData *data)
{
    if (!data)
        data = new ZafStringData(L"", -1, false);
    if (ZafReplaceData(stringData, data, this, &ZafText::Notification, ZAF_NOTIFY_READ | ZAF_NOTIFY_CHANGED, false))
        UpdateOSListItem();
    return 0;
}

bool ZafText::SetUnanswered(bool value)
{
    if (value && !unanswered)
    {
        unanswered = true;
        stringData->Clear();
    }
    return unanswered = value;
}

