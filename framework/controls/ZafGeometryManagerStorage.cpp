// The stored form of a geometry manager: its window object record, then one
// directory per constraint in list order (named by the constraint's string
// id, carrying its class name and class id).
#include "framework/controls/ZafGeometryManager.h"

#include "framework/controls/ZafConstraint.h"
#include "framework/core/storage/ZafStorage.h"

#include <string>
#include <vector>

namespace {

// A constraint without a string id, or with one a sibling already took,
// gets "CONSTRAINT_" and the first free number.
void NameConstraint(ZafConstraint *constraint, ZafObjectPersistence &persistence, int index)
{
    ZafFindStruct find;
    const ZafIChar *name = constraint->StringID();
    if (name && *name && persistence.FindFirst(find, name) != 0)
        return;
    for (int n = constraint->NumberID() > 0 ? constraint->NumberID() : index + 1;; ++n) {
        std::wstring candidate = L"CONSTRAINT_" + std::to_wstring(n);
        if (persistence.FindFirst(find, candidate.c_str()) != 0) {
            constraint->SetStringID(candidate.c_str());
            return;
        }
    }
}

} // namespace

void ZafGeometryManager::Write(ZafObjectPersistence &persistence)
{
    const bool ownLevel = persistence.Depth() == 0;
    if (ownLevel)
        ZafObjectPersistence::PushLevel(persistence, className, ZAF_ID_GEOMETRY_MANAGER);
    // The window object's record; the level's directory is then the
    // manager's own, where the constraints go.
    ZafWindowObject::Write(persistence);
    if (!Error()) {
        int index = 0;
        for (ZafElement *e = ZafList::First(); e; e = e->Next(), ++index) {
            ZafConstraint *constraint = static_cast<ZafConstraint *>(e);
            NameConstraint(constraint, persistence, index);
            ZafObjectPersistence::PushLevel(persistence, constraint->ClassName(), constraint->ClassID());
            constraint->Write(persistence);
            ZafObjectPersistence::PopLevel(persistence);
            if (constraint->Error() && !Error())
                SetError(constraint->Error());
        }
    }
    if (ownLevel)
        ZafObjectPersistence::PopLevel(persistence);
}

namespace {

bool EnterLevel(ZafObjectPersistence &persistence)
{
    if (persistence.Depth() != 0)
        return false;
    ZafObjectPersistence::PushLevel(persistence, ZafGeometryManager::className, ZAF_ID_GEOMETRY_MANAGER);
    return true;
}

} // namespace

ZafGeometryManager::ZafGeometryManager(const ZafIChar *name, ZafObjectPersistence &persistence)
    : ZafGeometryManager(name, persistence, EnterLevel(persistence))
{
}

ZafGeometryManager::ZafGeometryManager(const ZafIChar *name, ZafObjectPersistence &persistence, bool ownLevel)
    : ZafWindowObject(name, persistence), ZafList(nullptr)
{
    Pin();
    if (!Error())
        ReadConstraints(persistence);
    if (ownLevel)
        ZafObjectPersistence::PopLevel(persistence);
}

void ZafGeometryManager::ReadConstraints(ZafObjectPersistence &persistence)
{
    persistence.SetError(0);
    ZafFindStruct find;
    struct Entry { std::wstring name, className; ZafClassID id; };
    std::vector<Entry> entries;
    for (int found = persistence.FindFirst(find, L"*"); found == 0; found = persistence.FindNext(find, L"*"))
        if ((find.flags & ZAF_ENTRY_DIRECTORY) && find.stringID)
            entries.push_back({ find.name, find.stringID, ZafClassID(ZafInt16(find.numberID)) });
    for (const Entry &entry : entries) {
        ZafObjectConstructor make = persistence.GetObjectConstructor(entry.className.c_str());
        if (!make)
            continue;
        ZafObjectPersistence::PushLevel(persistence, entry.className.c_str(), entry.id);
        ZafElement *made = make(entry.name.c_str(), persistence);
        ZafObjectPersistence::PopLevel(persistence);
        ZafConstraint *constraint = dynamic_cast<ZafConstraint *>(made);
        if (constraint && !constraint->Error())
            Add(constraint);
        else {
            if (constraint && !Error())
                SetError(constraint->Error());
            delete made;
        }
    }
}
