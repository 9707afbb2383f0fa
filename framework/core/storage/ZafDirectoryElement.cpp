#include "framework/core/storage/ZafDirectoryElement.h"

#include "framework/core/text/ZafStrings.h"

ZafDirectoryElement::ZafDirectoryElement(const ZafIChar *newName, ZafUInt16 newFlags, ZafStringID stringID,
    ZafNumberID numberID)
    : flags(newFlags)
{
    SetName(newName);
    if (stringID && *stringID)
        SetStringID(stringID);
    SetNumberID(numberID);
}

ZafDirectoryElement::~ZafDirectoryElement()
{
    delete[] name;
}

void ZafDirectoryElement::SetName(const ZafIChar *newName)
{
    delete[] name;
    name = ZafStrDup(newName ? newName : L"");
}

ZafDirectoryElement *ZafDirectoryElement::AddChild(ZafDirectoryElement *child)
{
    children.Add(child);
    child->parentEntry = this;
    return child;
}

void ZafDirectoryElement::SubtractChild(ZafDirectoryElement *child)
{
    children.Subtract(child);
    child->parentEntry = nullptr;
}

bool ZafDirectoryElement::IsAncestorOf(const ZafDirectoryElement *entry) const
{
    for (; entry; entry = entry->parentEntry)
        if (entry == this)
            return true;
    return false;
}
