#pragma once
// Constants of the image store: the message topics images and views send
// and handle, the settings keys the imaging code reads with their built-in
// values, and the version words of its records.

#include <cstdint>

// Topics (the camera's topics 22-24 stand in VCamera.h, the zoom's topic
// 39 is the domain's kMsgZoomChanged).
constexpr uint32_t kMsgTopicImage = 31;        // the image's frames or display map changed
constexpr uint32_t kMsgImageRedraw = 32;       // redraw the image's views
constexpr uint32_t kMsgImageExtent = 33;       // the image's extent changed
constexpr uint32_t kMsgImageBlockAdded = 34;   // a captured block was added
constexpr uint32_t kMsgViewRedraw = 35;        // redraw this view fully
constexpr uint32_t kMsgTimeTrack = 36;         // time track moved; data = the race time
constexpr uint32_t kMsgFollow = 37;            // windows of the same owner follow a value
constexpr uint32_t kMsgShowLines = 38;         // show or hide the hash lines; data = on

// Settings keys read by the image store and their built-in values (a
// missing node reads as its built-in value).
constexpr const wchar_t *kKeyPrintLineColor = L"\\Event\\Image\\Selection\\PrintLineColor";
constexpr int32_t kDefaultPrintLineColor = 1;
constexpr const wchar_t *kKeyAutoCrop = L"\\Event\\Image\\AutoCrop";
constexpr int32_t kDefaultAutoCrop = 5;
constexpr const wchar_t *kKeyHashTimeTrack = L"\\Event\\Image\\Hash\\TimeTrack";
constexpr int32_t kDefaultHashTimeTrack = 1;
constexpr const wchar_t *kKeyHashShowLines = L"\\Event\\Image\\Hash\\ShowLines";
constexpr int32_t kDefaultHashShowLines = 1;

// Command-line switch that keeps the overlay pictures from being looked for.
constexpr const wchar_t *kOptionNoOverlay = L"-nooverlay";
