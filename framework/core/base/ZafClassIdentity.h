#pragma once
// ZafClassIdentity: how a framework class states its run-time identity. A
// class answers its own class id and name and, when asked about another
// class, asks its base class; the macros below write those four answers
// (ClassID, ClassName, IsAClassID, IsAClassName) once for every class.
//
//   ZAF_CLASS_IDENTITY(Base, id, name)          the four answers only
//   ZAF_CLASS_IDENTITY_MEMBERS(Base, id, name)  also the public constants
//                                               classID and className
// The _IN_FAMILY forms take one more id that the class also answers to as a
// member of a family of classes (the lists count as ZAF_ID_LIST).

#include "framework/core/base/ZafTypes.h"

#include <cwchar>

// True when name is className; a null name is no class's name.
inline bool ZafIsClassName(ZafClassName name, ZafClassName className)
{
    return name && std::wcscmp(name, className) == 0;
}

#define ZAF_CLASS_IDENTITY(Base, idValue, nameValue) ZAF_CLASS_IDENTITY_IN_FAMILY(Base, idValue, nameValue, idValue)

#define ZAF_CLASS_IDENTITY_IN_FAMILY(Base, idValue, nameValue, familyId)                 \
    ZafClassID ClassID() const override { return idValue; }                            \
    ZafClassName ClassName() const override { return nameValue; }                      \
    bool IsAClassID(ZafClassID queried) const override                                 \
    {                                                                                  \
        return queried == (idValue) || queried == (familyId) || Base::IsAClassID(queried); \
    }                                                                                  \
    bool IsAClassName(ZafClassName queried) const override                             \
    {                                                                                  \
        return ZafIsClassName(queried, nameValue) || Base::IsAClassName(queried);      \
    }

#define ZAF_CLASS_IDENTITY_MEMBERS(Base, idValue, nameValue)                           \
    ZAF_CLASS_IDENTITY_MEMBERS_IN_FAMILY(Base, idValue, nameValue, idValue)

#define ZAF_CLASS_IDENTITY_MEMBERS_IN_FAMILY(Base, idValue, nameValue, familyId)         \
    static constexpr ZafClassID classID = idValue;                                     \
    static constexpr const ZafIChar *className = nameValue;                            \
    ZAF_CLASS_IDENTITY_IN_FAMILY(Base, classID, className, familyId)
