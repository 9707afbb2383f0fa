// The system header first: the leech's header then drops its DrawText macro.
#include <windows.h>

#include "shell/app/KZSplash.h"

#include <cstring>

#include "foundation/app/KApplicationHooks.h"
#include "foundation/errors/KX.h"
#include "foundation/streams/KBufferedFile.h"
#include "foundation/strings/KString.h"
#include "framework/core/display/ZafDisplay.h"
#include "framework/core/objects/ZafWindowManager.h"
#include "framework/windows/ZafDibHeader.h"
#include "framework/windows/ZafGdiDisplay.h"
#include "shell/app/VZApplication.h"
#include "shell/toolkit/window/KZFontCache.h"
#include "shell/toolkit/KZToolkitCodes.h"

namespace {

constexpr int kFileBuffer = 4096;
// The text block over the picture's lower part, from its left and bottom.
constexpr int kTextLeft = 58;
constexpr int kTextRight = 311;
constexpr int kTextTopFromBottom = 68;
constexpr int kTextBottomFromBottom = 39;

} // namespace

KZSplash::KZSplash()
    : KZWindow(0, 0, 0, 0), bitmap(KBitmap::kFormatDisplay | KBitmap::kFormat32Bit, KBitmap::kMemoryHeap)
{
    SetCoordinateType(kCoordPixels);
    // The window paints itself: the framework hands it every paint.
    SetSystemDrawn(false);
    ReadPicture();
    const int width = bitmap.Width(), height = bitmap.Height();
    SetRegion(KZMakeRegion(KRect(0, 0, width - 1, height - 1), kCoordPixels));
    if (ZafWindowManager *manager = ZafWindowManager::Shared())
        manager->Center(this);
    textRect = KRect(kTextLeft, height - kTextTopFromBottom, kTextRight, height - kTextBottomFromBottom);
}

KZSplash::~KZSplash() = default;

void KZSplash::ReadPicture()
{
    KString path;
    KProgramPath(path);
    if (path.IsEmpty())
        return;
    KBufferedFile file(kFileBuffer);
    file.SetFullName(path);
    file.SetExtension(KString(L"tgs"));
    if (!file.Exists())
        return;
    try {
        file.Open(KFile::kModeRead);
        bitmap.ImportTarga(file);
    } catch (const KX &) {
        // An unreadable picture leaves the splash empty; start-up goes on.
    }
}

ZafEventType KZSplash::Redisplay(const ZafEventStruct &, ZafEventType code)
{
    Draw();
    return code;
}

void KZSplash::Draw()
{
    auto *display = dynamic_cast<ZafGdiDisplay *>(ZafDisplay::Shared());
    if (!bitmap.HasPixels() || !display || !HasOSWindow())
        return;
    BeginDraw();
    DrawPicture();
    const VZApplication *application = VZApplication::Instance();
    const int font = application ? application->SplashFont() : -1;
    ZafPaletteStruct palette = display->Palette();
    if (font >= 0)
        palette.font = ZafInt8(font);
    display->SetPalette(palette);

    KString version(L"Version: ");
    version.Append(VZApplication::VersionString()).Append(VZApplication::VersionSuffixString());
    KString released(L"Released: ");
    released.Append(VZApplication::ReleaseDateString());
    const KString &notice = VZApplication::NoticeString();
    int lineHeight = font >= 0 ? KZFontHeight(font) : 0;
    if (lineHeight <= 0)
        lineHeight = TextExtent(notice.CStr()).y;

    DrawText(textRect.left, textRect.top, version.CStr(), -1, false);
    DrawText(textRect.right - TextWidth(released.CStr()), textRect.top, released.CStr(), -1, false);
    DrawText(textRect.left, textRect.bottom - lineHeight, notice.CStr(), -1, false);
    EndDraw();
}

void KZSplash::DrawPicture()
{
    auto *display = dynamic_cast<ZafGdiDisplay *>(ZafDisplay::Shared());
    HDC dc = display->DeviceContext();
    if (!dc)
        return;
    const int width = bitmap.Width(), height = bitmap.Height();
    const bool bottomUp = (bitmap.FormatFlags() & KBitmap::kFormatBottomUp) != 0;
    BITMAPINFO info;
    std::memset(&info, 0, sizeof info);
    info.bmiHeader = ZafDibHeader(width, bottomUp ? height : -height, 32);
    KPoint origin(0, 0);
    ClientToOS(origin);
    StretchDIBits(dc, origin.x, origin.y, width, height, 0, 0, width, height, bitmap.RowPointer(0), &info,
        DIB_RGB_COLORS, SRCCOPY);
}
