#pragma once
// The toolkit's process-wide cache of the screen display's ten fonts: for each
// font number 0..9 the face name (8-bit, as the system reports it) and the
// character-cell height in pixels. Filled once at start-up after the screen
// display exists, emptied at exit, not refreshed when the display's fonts
// change. Written only at start-up and exit, read without locking (GUI
// thread).

// Fills the cache from the shared screen display (empty without one).
void KZInitFontCache();
void KZFreeFontCache();
// The face name of font n; null outside 0..9 or for an empty entry.
const char *KZFontFaceName(int n);
// The character-cell height of font n in pixels; 0 outside 0..9 or for an
// empty entry.
int KZFontHeight(int n);
