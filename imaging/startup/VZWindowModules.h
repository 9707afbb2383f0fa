#pragma once
// The image and hardware window modules whose start-ups and shut-downs the
// program's start-up and shut-down sequence calls.

#include "imaging/hardware/VZHardwareBar.h"
#include "imaging/windows/VZAlignWindow.h"
#include "imaging/windows/VZCameraDialog.h"
#include "imaging/windows/VZHardwareWindow.h"
#include "imaging/windows/VZImagePane.h"
#include "imaging/windows/VZImageWindow.h"
#include "imaging/windows/VZRemotePane.h"
#include "imaging/windows/VZRemoteWindow.h"
