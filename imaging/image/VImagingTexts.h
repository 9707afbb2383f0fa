#pragma once
// The user-visible texts of the image store, looked up under "\Strings\" in
// the program's settings (empty when missing).

class KString;

constexpr const wchar_t *kTextCalculating = L"\\Strings\\Event\\Image\\Calculating";
constexpr const wchar_t *kTextSaving = L"\\Strings\\Event\\Image\\Saving";
constexpr const wchar_t *kTextNextObject = L"\\Strings\\Event\\Image\\NextObject";
constexpr const wchar_t *kTextAutoCrop = L"\\Strings\\Event\\Image\\AutoCrop";
constexpr const wchar_t *kTextUserAborted = L"\\Strings\\Alerts\\UserAborted";

// Appends the text of key to out.
void VImagingText(const wchar_t *key, KString &out);
// The text of key.
KString VImagingText(const wchar_t *key);
