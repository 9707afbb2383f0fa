// The storage records of menu entries: the button's record, then for a
// pop-up entry its u16 item type, then the name of its sub-menu, which is
// stored as a ZafPopUpMenu in a directory of that name.
#include "framework/controls/ZafPopUpItem.h"
#include "framework/core/storage/ZafObjectLevel.h"
#include "framework/controls/ZafPullDownItem.h"

#include "framework/core/storage/ZafStorage.h"

// ---- Pop-up entries ---------------------------------------------------------

void ZafPopUpItem::Write(ZafObjectPersistence &persistence)
{
    ZafObjectPersistence::PushLevel(persistence, className, classID);
    persistence.AddObjectConstructor(className, classID, &ZafPopUpItem::New);
    ZafButton::Write(persistence);
    ZafPopObjectLevel(*this, persistence);
}

void ZafPopUpItem::WriteRecordExtension(ZafFile &file, ZafObjectPersistence &persistence)
{
    file.WriteUInt16(ZafUInt16(itemType));
    ZafWriteSubMenu(file, subMenu, persistence);
}

ZafPopUpItem::ZafPopUpItem(const ZafIChar *name, ZafObjectPersistence &persistence)
    : ZafPopUpItem(name, persistence, std::make_shared<ZafStoredMenu>())
{
}

ZafPopUpItem::ZafPopUpItem(const ZafIChar *name, ZafObjectPersistence &persistence,
    std::shared_ptr<ZafStoredMenu> stored)
    : ZafMenuEntryButton(name, ZafObjectPersistence::PushLevel(persistence, className, classID),
          [stored](ZafFile &file, ZafObjectPersistence &from) {
              ZafUInt16 type = 0;
              file.ReadUInt16(type);
              stored->type = ZafInt16(type);
              ZafReadSubMenu(file, from, *stored);
          })
{
    ZafObjectPersistence::PopLevel(persistence);
    ZafNumberID id = numberID;
    Construct(stored->type);
    numberID = id;
    ZafTakeSubMenuEntries(*stored, subMenu);
    ZafTakeStorageError(*this, persistence);
}

// ---- Menu-bar entries -----------------------------------------------------

void ZafPullDownItem::Write(ZafObjectPersistence &persistence)
{
    ZafObjectPersistence::PushLevel(persistence, className, classID);
    persistence.AddObjectConstructor(className, classID, &ZafPullDownItem::New);
    persistence.AddObjectConstructor(ZafPopUpItem::className, ZafPopUpItem::classID, &ZafPopUpItem::New);
    ZafButton::Write(persistence);
    ZafPopObjectLevel(*this, persistence);
}

void ZafPullDownItem::WriteRecordExtension(ZafFile &file, ZafObjectPersistence &persistence)
{
    ZafWriteSubMenu(file, subMenu, persistence);
}

ZafPullDownItem::ZafPullDownItem(const ZafIChar *name, ZafObjectPersistence &persistence)
    : ZafPullDownItem(name, persistence, std::make_shared<ZafStoredMenu>())
{
}

ZafPullDownItem::ZafPullDownItem(const ZafIChar *name, ZafObjectPersistence &persistence,
    std::shared_ptr<ZafStoredMenu> stored)
    : ZafMenuEntryButton(name, ZafObjectPersistence::PushLevel(persistence, className, classID),
          [stored](ZafFile &file, ZafObjectPersistence &from) { ZafReadSubMenu(file, from, *stored); })
{
    ZafObjectPersistence::PopLevel(persistence);
    Construct();
    ZafTakeSubMenuEntries(*stored, subMenu);
    ZafTakeStorageError(*this, persistence);
}
