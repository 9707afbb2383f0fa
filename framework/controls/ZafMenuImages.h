#pragma once
// The four small pictures the menu entries share: a check mark and a radio
// dot (9 x 10 pixels) and two arrows (5 x 9 pixels). Windows menus draw
// their own marks, so these serve only a framework that draws menus itself.
// Made on first use, released with the framework's static data.

class ZafBitmapData;

class ZafMenuImages
{
public:
    // Makes the pictures when they are missing.
    static void Use();
    static ZafBitmapData *Check() { return images[0]; }
    static ZafBitmapData *Radio() { return images[1]; }
    static ZafBitmapData *RightArrow() { return images[2]; }
    static ZafBitmapData *LeftArrow() { return images[3]; }

private:
    static void Release(bool release);
    static ZafBitmapData *images[4];
};
