#pragma once
// VZRemoteWindow: the module of the camera remote window. Its start-up and shut-down,
// called in the program's start-up and shut-down sequence, have nothing to do.

class VZRemoteWindow
{
public:
    static void Startup() {}
    static void Shutdown() {}
};
