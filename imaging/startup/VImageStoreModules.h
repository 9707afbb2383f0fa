#pragma once
// The image store's module start-up (frames, then images) and shut-down
// (images, then frames), as one step of the program's start-up sequence.

void VImageStoreStartup();
void VImageStoreShutdown();
