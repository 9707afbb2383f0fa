#pragma once
// ZafIcon: an icon image with an optional caption below it that can be
// chosen with the mouse like a button: a flat button that selects on double
// click and calls its member function directly (it never toggles). An icon
// of icon type 1 is its window's minimize icon: a support object without an
// OS window whose image becomes the icon of the window's frame. Five shared
// system icons (application, asterisk, exclamation, hand, question) are
// available by number. The icon observes its icon data and deletes a
// destroyable one that nobody else observes when it lets go of it. GUI
// thread only.

#include "framework/controls/ZafButton.h"

#include <memory>

class ZafIconData;

constexpr int ZAF_ICON_ORDINARY = 0;
constexpr int ZAF_ICON_MINIMIZE = 1;

// Number ids of the system icons.
constexpr ZafNumberID ZAF_SYSTEM_ICON_APPLICATION = 0;
constexpr ZafNumberID ZAF_SYSTEM_ICON_ASTERISK = 1;
constexpr ZafNumberID ZAF_SYSTEM_ICON_EXCLAMATION = 2;
constexpr ZafNumberID ZAF_SYSTEM_ICON_HAND = 3;
constexpr ZafNumberID ZAF_SYSTEM_ICON_QUESTION = 4;
constexpr int ZAF_SYSTEM_ICONS = 5;

class ZafIcon : public ZafButton
{
public:
    ZafIcon(int left, int top, const ZafIChar *text, ZafIconData *iconData = nullptr, int iconType = ZAF_ICON_ORDINARY);
    ZafIcon(int left, int top, ZafStringData *text, ZafIconData *iconData = nullptr, int iconType = ZAF_ICON_ORDINARY);
    ZafIcon(const ZafIcon &copy);
    ZafIcon(const ZafIChar *name, ZafObjectPersistence &persistence);
    ~ZafIcon() override;

    ZAF_CLASS_IDENTITY_MEMBERS(ZafButton, ZAF_ID_ICON, L"ZafIcon")

    ZafEventType Event(const ZafEventStruct &event) override;          // Windows half
    ZafEventType OSEvent(const ZafEventStruct &event) override;        // Windows half
    ZAF_PERSISTENT_CLASS(ZafWindowObject, ZafIcon);
    void Write(ZafObjectPersistence &persistence) override;

    ZafEventType Redisplay(const ZafEventStruct &event, ZafEventType code) override;    // Windows half
    ZafEventType DragDropEvent(const ZafEventStruct &event) override;
    ZafEventType UpdateOSListItem() override;
    ZafEventType ApplyOSFont() override;
    void OSRegisterObject() override;                                  // Windows half
    bool SetDisabled(bool value) override;
    const ZafPaletteStruct *MapPalette(ZafPaletteType type, ZafPaletteState state) override;

    // Lets go of the old data, observes the new one, then UpdateSize.
    virtual void SetIconData(ZafIconData *data);
    // The system icon with that number id becomes the icon; answers the
    // icon data in force (unchanged for an unknown id).
    virtual ZafIconData *SetSystemIcon(ZafNumberID id);
    // Before registration; type 1 makes the icon its window's minimize icon.
    virtual int SetIconType(int type);
    ZafIconData *IconData() const { return iconData; }
    int IconType() const { return iconType; }

    // The shared system icon of a number id (0 .. 4); null otherwise.
    static ZafIconData *SystemIcon(ZafNumberID id);

    // Button settings an icon fixes.
    void ClearBitmap() override;
    ZafError SetBitmap(ZafBitmapData *bitmap) override;
    bool SetAllowDefault(bool) override { return allowDefault = false; }
    bool SetToggle(bool) override { return toggle = false; }
    bool SetAutoRepeat(bool) override { return autoRepeat = false; }
    int SetButtonType(int) override { return buttonType = ZAF_FLAT_BUTTON; }
    int SetDepth(int) override { return depth = 0; }
    ZafIChar SetHotKey(ZafIChar, int) override;
    int SetRegionMode(int) override { return regionMode = 0; }
    // Acts only while the icon has no parent.
    bool SetUseParentFrameHandle(bool value) override;
    // On screen and not a support object: redraw.
    ZafError UpdateSize() override;

    static const ZafPaletteMap defaultPaletteMap[];

protected:
    void WriteRecordExtension(ZafFile &file, ZafObjectPersistence &persistence) override;
    ZafEventType NaturalSize(const ZafEventStruct &event);             // Windows half
    void CompleteImage();                                              // Windows half
    static ZafError IconChanged(ZafElement *observer, ZafUpdateCode code);
    static void CreateSystemIcons();                                   // Windows half

private:
    struct StoredIcon
    {
        int type = ZAF_ICON_ORDINARY;
        ZafIconData *data = nullptr;
    };
    ZafIcon(const ZafIChar *name, ZafObjectPersistence &persistence, std::shared_ptr<StoredIcon> stored);
    void Initialise(ZafIconData *data, int type);
    void LetGoIcon();

    int iconType = ZAF_ICON_ORDINARY;
    ZafIconData *iconData = nullptr;
};
