#include "framework/core/objects/ZafWindowObject.h"
#include "framework/core/data/ZafDataLink.h"
#include "framework/core/objects/ZafWindowManager.h"
#include "framework/core/display/ZafDisplay.h"

#include <cstring>
#include <cwchar>

ZafWindowObject *ZafWindowObject::windowManager = nullptr;
int ZafWindowObject::repeatDelay = 250;
int ZafWindowObject::repeatInterval = 50;

void ZafWindowObject::ResetRegion(ZafRegionStruct &reset)
{
    reset.Assign(-1, -1, -2, -2, ZAF_PIXEL);
}

ZafIChar *ZafWindowObject::CopyText(const ZafIChar *text)
{
    if (!text)
        return nullptr;
    size_t length = std::wcslen(text);
    ZafIChar *copy = new ZafIChar[length + 1];
    std::wmemcpy(copy, text, length + 1);
    return copy;
}

const ZafIChar *ZafWindowObject::ReplaceText(ZafIChar *&field, const ZafIChar *text)
{
    // Copy before freeing: text may be the field's own buffer.
    ZafIChar *copy = CopyText(text);
    delete[] field;
    return field = copy;
}

ZafWindowObject::ZafWindowObject(int left, int top, int width, int height)
{
    region.Assign(left, top, left + width - 1, top + height - 1, ZAF_CELL);
    ResetRegion(lastRegion);
    memberFunction = &ZafWindowObject::CallUserFunction;
}

ZafWindowObject::ZafWindowObject(const ZafWindowObject &copy)
    : ZafElement(copy),
      region(copy.region), userObject(copy.userObject), extra1(copy.extra1), extra2(copy.extra2),
      extraText(CopyText(copy.extraText)), userFunction(copy.userFunction),
      memberFunction(copy.memberFunction), dropTarget(copy.dropTarget), dragCtrl(copy.dragCtrl),
      dragCtrlShift(copy.dragCtrlShift), dragShift(copy.dragShift), coordinateType(copy.coordinateType),
      regionMode(copy.regionMode), selectionChanged(copy.selectionChanged), designMode(copy.designMode),
      focus(false), focusBlocked(copy.focusBlocked), disabled(copy.disabled), systemDrawn(copy.systemDrawn),
      borderByParent(copy.borderByParent), focusByParent(copy.focusByParent),
      paletteFromParent(copy.paletteFromParent), selected(copy.selected),
      useParentFrameHandle(copy.useParentFrameHandle), ownOSWindow(copy.ownOSWindow),
      visible(copy.visible), automaticUpdate(true), border(copy.border), error(copy.error),
      helpTopic(CopyText(copy.helpTopic)), tipText(CopyText(copy.tipText)),
      tipText2(CopyText(copy.tipText2))
{
    ResetRegion(lastRegion);
    if (copy.paletteData)
        SetPaletteData(ZafCopiedData(copy.paletteData));
}

ZafWindowObject *ZafWindowObject::SetWindowManager(ZafWindowObject *manager)
{
    ZafWindowObject *previous = windowManager;
    windowManager = manager;
    return previous;
}

ZafWindowObject::~ZafWindowObject()
{
    ReleaseOSWindow();
    if (windowManager == this)
        windowManager = nullptr;
    else if (ZafWindowManager *manager = ZafWindowManager::Shared())
        manager->ForgetObject(this);
    delete[] extraText;
    delete[] helpTopic;
    delete[] tipText;
    delete[] tipText2;
    ReleasePaletteData();
}

// ---- Lookup and small queries ----------------------------------------------

ZafWindowObject *ZafWindowObject::GetObjectByNumberID(ZafNumberID id)
{
    return numberID == id ? this : nullptr;
}

ZafWindowObject *ZafWindowObject::GetObjectByStringID(const ZafIChar *id)
{
    if (!id)
        return nullptr;
    if (id[0] == L'~')
    {
        ZafWindowObject *manager = WindowManager();
        return manager && manager != this ? manager->GetObjectByStringID(id) : nullptr;
    }
    return stringID && std::wcscmp(stringID, id) == 0 ? this : nullptr;
}

ZafWindowObject *ZafWindowObject::GetObjectByStringID(const char *id)
{
    if (!id)
        return nullptr;
    size_t length = std::strlen(id);
    ZafIChar *wide = new ZafIChar[length + 1];
    for (size_t i = 0; i <= length; ++i)
        wide[i] = ZafIChar(static_cast<unsigned char>(id[i]));
    ZafWindowObject *found = GetObjectByStringID(wide);
    delete[] wide;
    return found;
}

ZafRegionStruct ZafWindowObject::ClientRegion(ZafWindowObject *)
{
    ZafRegionStruct pixels = region;
    ConvertRegion(pixels, ZAF_PIXEL);
    ZafRegionStruct client;
    client.Assign(0, 0, pixels.right - pixels.left, pixels.bottom - pixels.top, ZAF_PIXEL);
    return client;
}

ZafWindowObject *ZafWindowObject::FocusObject() const
{
    return focus ? const_cast<ZafWindowObject *>(this) : nullptr;
}

ZafWindowObject *ZafWindowObject::RootObject() const
{
    const ZafWindowObject *root = this;
    while (root->parent)
        root = root->parent;
    return const_cast<ZafWindowObject *>(root);
}

ZafEventType ZafWindowObject::CallUserFunction(const ZafEventStruct &event, ZafEventType code)
{
    if (!userFunction)
        return 0;
    ZafEventStruct copy = event;
    return userFunction(this, copy, code);
}

ZafOSWindow ZafWindowObject::OSHandle(int) const
{
    return osWindow;
}

// ---- Texts and plain setters ------------------------------------------------

const ZafIChar *ZafWindowObject::SetTipText2(const ZafIChar *text) { return ReplaceText(tipText2, text); }
const ZafIChar *ZafWindowObject::SetHelpTopic(const ZafIChar *topic) { return ReplaceText(helpTopic, topic); }
const ZafIChar *ZafWindowObject::SetTipText(const ZafIChar *text) { return ReplaceText(tipText, text); }
const ZafIChar *ZafWindowObject::SetExtraText(const ZafIChar *text) { return ReplaceText(extraText, text); }

ZafRegionStruct ZafWindowObject::SetRegion(const ZafRegionStruct &newRegion)
{
    return region = newRegion;
}

ZafError ZafWindowObject::SetText(const ZafIChar *)
{
    return 1;
}

ZafError ZafWindowObject::SetText(const char *text)
{
    if (!text)
        return SetText(static_cast<const ZafIChar *>(nullptr));
    size_t length = std::strlen(text);
    ZafIChar *wide = new ZafIChar[length + 1];
    for (size_t i = 0; i <= length; ++i)
        wide[i] = ZafIChar(static_cast<unsigned char>(text[i]));
    ZafError result = SetText(wide);
    delete[] wide;
    return result;
}

ZafUserFunction ZafWindowObject::SetUserFunction(ZafUserFunction function)
{
    return userFunction = function;
}

// ---- Flags ------------------------------------------------------------------

bool ZafWindowObject::IsDisabled(bool inherited) const
{
    if (disabled)
        return true;
    return inherited && parent && parent->IsDisabled(true);
}

bool ZafWindowObject::IsVisible(bool inherited) const
{
    if (!visible)
        return false;
    return !inherited || !parent || parent->IsVisible(true);
}

bool ZafWindowObject::AutomaticUpdate(bool inherited) const
{
    if (!automaticUpdate)
        return false;
    return !inherited || !parent || parent->AutomaticUpdate(true);
}

bool ZafWindowObject::FocusBlocked() const
{
    for (const ZafWindowObject *object = this; object; object = object->parent)
        if (object->focusBlocked)
            return true;
    return false;
}

ZafCoordinateType ZafWindowObject::SetCoordinateType(ZafCoordinateType type)
{
    if (!Registered())
    {
        coordinateType = type;
        region.coordinateType = type;
    }
    return coordinateType;
}

bool ZafWindowObject::SetUseParentFrameHandle(bool)
{
    return useParentFrameHandle = false;
}

bool ZafWindowObject::SetSelected(bool value)
{
    if (value == selected)
        return selected;
    selected = value;
    if (Registered())
        SetSelectionChanged(true);
    if (parent && parent->IsAClassID(ZAF_ID_WINDOW))
        parent->NotifySelection(this, value);
    return selected;
}

void ZafWindowObject::NotifySelection(ZafWindowObject *, bool value)
{
    if (parent)
        parent->NotifySelection(this, value);
}

// ---- Coordinates ------------------------------------------------------------

void ZafWindowObject::ConvertCoordinates(ZafCoordinateType type)
{
    ConvertRegion(region, type);
}

void ZafWindowObject::ConvertRegion(ZafRegionStruct &convert, ZafCoordinateType type) const
{
    if (convert.coordinateType == type)
        return;
    ZafDisplay &display = ZafDisplay::SharedOrDefault();
    bool plain = !parent || regionMode == 2;
    if (type == ZAF_CELL && !plain)
    {
        convert.top -= display.ConvertYValue(display.preSpace, ZAF_PIXEL, convert.coordinateType);
        convert.bottom += display.ConvertYValue(display.postSpace, ZAF_PIXEL, convert.coordinateType);
    }
    convert.ConvertCoordinates(type, &display);
    if (coordinateType == ZAF_CELL && !plain)
    {
        convert.top += display.ConvertYValue(display.preSpace, ZAF_PIXEL, type);
        convert.bottom -= display.ConvertYValue(display.postSpace, ZAF_PIXEL, type);
    }
}

void ZafWindowObject::ConvertToOSPosition(ZafWindowObject *, int &x, int &y) const
{
    for (const ZafWindowObject *object = this; object && !object->ownOSWindow; object = object->parent)
    {
        ZafRegionStruct pixels = object->region;
        object->ConvertRegion(pixels, ZAF_PIXEL);
        x += pixels.left;
        y += pixels.top;
    }
}

void ZafWindowObject::ConvertFromOSPosition(ZafWindowObject *, int &x, int &y) const
{
    for (const ZafWindowObject *object = this; object && !object->ownOSWindow; object = object->parent)
    {
        ZafRegionStruct pixels = object->region;
        object->ConvertRegion(pixels, ZAF_PIXEL);
        x -= pixels.left;
        y -= pixels.top;
    }
}

void ZafWindowObject::ConvertOSRegion(ZafWindowObject *object, ZafRegionStruct &convert,
                                      void (ZafWindowObject::*convertPosition)(ZafWindowObject *, int &, int &) const) const
{
    if (object)
        object->ConvertRegion(convert, ZAF_PIXEL);
    else
        ConvertRegion(convert, ZAF_PIXEL);
    (this->*convertPosition)(object, convert.left, convert.top);
    (this->*convertPosition)(object, convert.right, convert.bottom);
    convert.coordinateType = ZAF_PIXEL;
}

void ZafWindowObject::ConvertToOSRegion(ZafWindowObject *object, ZafRegionStruct &convert) const
{
    ConvertOSRegion(object, convert, &ZafWindowObject::ConvertToOSPosition);
}

void ZafWindowObject::ConvertFromOSRegion(ZafWindowObject *object, ZafRegionStruct &convert) const
{
    ConvertOSRegion(object, convert, &ZafWindowObject::ConvertFromOSPosition);
}

ZafRegionStruct ZafWindowObject::OSRegion(ZafWindowObject *reference, const ZafRegionStruct *given)
{
    if (!ownOSWindow && parent)
    {
        ZafRegionStruct result = region;
        if (given)
        {
            ZafRegionStruct own = region;
            ConvertRegion(own, ZAF_PIXEL);
            result = *given;
            ConvertRegion(result, ZAF_PIXEL);
            result.left += own.left;
            result.right += own.left;
            result.top += own.top;
            result.bottom += own.top;
        }
        parent->ConvertToOSRegion(this, result);
        return result;
    }
    if (given)
        return *given;
    if (!reference || reference == this)
    {
        ZafRegionStruct pixels = region;
        ConvertRegion(pixels, ZAF_PIXEL);
        ZafRegionStruct result;
        result.Assign(0, 0, pixels.right - pixels.left, pixels.bottom - pixels.top, ZAF_PIXEL);
        return result;
    }
    return reference->Region();
}
