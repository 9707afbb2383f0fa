#pragma once
// ZafElement: a member of a ZafList. It carries the links to its neighbours,
// a 16-bit number id (negative ids are the fixed ids of support objects) and
// an owned wide string id. Every window object, device and data object is an
// element. The list that holds an element owns it; an element belongs to at
// most one list at a time. GUI thread only.

#include "framework/core/base/ZafClassIdentity.h"
#include "framework/core/base/ZafConstants.h"

class ZafList;

class ZafElement
{
    friend class ZafList;

public:
    ZafElement();
    // The copy has no links; it copies the number id and the string id.
    ZafElement(const ZafElement &copy);
    ZafElement &operator=(const ZafElement &) = delete;
    virtual ~ZafElement();

    // True when the element carries this number id (or string id).
    virtual bool MatchNumberID(ZafNumberID id) const;
    virtual bool MatchStringID(ZafStringID id) const;

    // Class identity: derived classes answer their own id and name and
    // otherwise ask their base class.
    virtual ZafClassID ClassID() const { return ZAF_ID_ELEMENT; }
    virtual ZafClassName ClassName() const { return L"ZafElement"; }
    virtual bool IsAClassID(ZafClassID id) const;
    virtual bool IsAClassName(ZafClassName name) const;

    ZafNumberID NumberID() const { return numberID; }
    // Stores the id; answers it.
    ZafNumberID SetNumberID(ZafNumberID id);
    // Null when the element has none.
    ZafStringID StringID() const { return stringID; }
    // Frees the old id and keeps a copy of the text (null clears it);
    // answers the new id.
    ZafStringID SetStringID(ZafStringID id);

    ZafElement *Next() const { return next; }
    ZafElement *Previous() const { return previous; }
    // Number of elements before this one in its list; 0 for the first.
    int ListIndex() const;

protected:
    ZafElement *previous = nullptr;
    ZafElement *next = nullptr;
    ZafNumberID numberID = 0;
    ZafIChar *stringID = nullptr;
};
