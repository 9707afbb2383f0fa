#include "shell/toolkit/fields/KZComboBox.h"

#include <cwchar>

#include "framework/controls/ZafVtList.h"
#include "framework/windows/ZafMSWindowsApp.h"
#include "framework/windows/ZafWindowsShared.h"

KZComboBox::KZComboBox(int left, int top, int width, int height, bool editable)
    : ZafComboBox(left, top, width, height), KZWindowLeech(this)
{
    SetViewOnly(!editable);
}

ZafEventType KZComboBox::Event(const ZafEventStruct &event)
{
    if (ZafEventType answer = KZWindowLeech::Event(event))
        return answer;
    const ZafEventType answer = ZafComboBox::Event(event);
    if (ClearsDroppedRecord(ZafMSWindowsApp::Platform().version))
        ZafSetDroppedComboBox(nullptr);
    return answer;
}

ZafWindowObject *KZComboBox::Entry(int index) const
{
    if (index < 0)
        return nullptr;
    for (ZafElement *e = List()->ZafList::First(); e; e = e->Next(), --index)
        if (index == 0)
            return static_cast<ZafWindowObject *>(e);
    return nullptr;
}

const ZafIChar *KZComboBox::Text()
{
    if (Editable())
        return ZafComboBox::Text();
    ZafWindowObject *selected = Entry(Selection());
    return selected ? selected->Text() : nullptr;
}

void KZComboBox::SetValue(const wchar_t *text)
{
    if (!text)
        return;
    int index = 0;
    for (ZafElement *e = List()->ZafList::First(); e; e = e->Next(), ++index) {
        const ZafIChar *entry = static_cast<ZafWindowObject *>(e)->Text();
        if (entry && std::wcscmp(entry, text) == 0) {
            SetSelection(index);
            return;
        }
    }
    if (Editable())
        ZafComboBox::SetText(text);
}

int KZComboBox::Selection() const
{
    int index = 0;
    for (ZafElement *e = List()->ZafList::First(); e; e = e->Next(), ++index)
        if (static_cast<ZafWindowObject *>(e)->Selected())
            return index;
    return -1;
}

void KZComboBox::SetSelection(int index)
{
    if (ZafWindowObject *entry = Entry(index))
        entry->SetSelected(true);
}

void KZComboBox::Clear()
{
    while (ZafElement *last = List()->ZafList::Last())
        delete Subtract(static_cast<ZafWindowObject *>(last));
}
