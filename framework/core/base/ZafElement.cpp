#include "framework/core/base/ZafElement.h"

#include <cwchar>

ZafElement::ZafElement() = default;

ZafElement::ZafElement(const ZafElement &copy) : numberID(copy.numberID)
{
    SetStringID(copy.stringID);
}

ZafElement::~ZafElement()
{
    delete[] stringID;
}

bool ZafElement::MatchNumberID(ZafNumberID id) const
{
    return numberID == id;
}

bool ZafElement::MatchStringID(ZafStringID id) const
{
    if (!stringID || !id)
        return stringID == id;
    return std::wcscmp(stringID, id) == 0;
}

bool ZafElement::IsAClassID(ZafClassID id) const
{
    return id == ZAF_ID_ELEMENT;
}

bool ZafElement::IsAClassName(ZafClassName name) const
{
    return name && std::wcscmp(name, L"ZafElement") == 0;
}

ZafNumberID ZafElement::SetNumberID(ZafNumberID id)
{
    numberID = id;
    return numberID;
}

ZafStringID ZafElement::SetStringID(ZafStringID id)
{
    // Copy first: the new id may point into the old one.
    ZafIChar *copy = nullptr;
    if (id) {
        size_t length = std::wcslen(id);
        copy = new ZafIChar[length + 1];
        std::wmemcpy(copy, id, length + 1);
    }
    delete[] stringID;
    stringID = copy;
    return stringID;
}

int ZafElement::ListIndex() const
{
    int index = 0;
    for (const ZafElement *element = previous; element; element = element->previous)
        ++index;
    return index;
}
