#pragma once
// KZSplash: the picture shown in the middle of the screen while the program
// starts: the Targa file beside the program (its path with the extension
// "tgs"), with the version, the release date and the notice written over its
// lower part in the application's splash font. The texts are fixed English
// and never come from the settings. Without a readable picture the window
// has no size and draws nothing, and start-up goes on. Made and deleted by
// the start-up sequence; GUI thread only.

#include "foundation/bitmap/KBitmap.h"
#include "foundation/values/KRect.h"
#include "shell/toolkit/window/KZWindow.h"

class KZSplash : public KZWindow
{
public:
    KZSplash();
    ~KZSplash() override;

    // Paints the picture and the texts.
    void Draw();
    using KZWindow::Redisplay;
    ZafEventType Redisplay(const ZafEventStruct &event, ZafEventType code) override;

    const KBitmap &Picture() const { return bitmap; }
    // Where the texts go, in window pixels.
    const KRect &TextRect() const { return textRect; }

private:
    void ReadPicture();
    void DrawPicture();

    KBitmap bitmap;
    KRect textRect;
};
