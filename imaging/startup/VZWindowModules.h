#pragma once
// Module start-ups and shut-downs of the image and hardware windows, called
// in the program's start-up and shut-down sequence. Nothing to prepare yet:
// each pair is empty.

class VZImageWindow
{
public:
    static void Startup() {}
    static void Shutdown() {}
};

class VZImagePane
{
public:
    static void Startup() {}    // the overlay pictures are not loaded with "-nooverlay"
    static void Shutdown() {}
};

class VZHardwareWindow
{
public:
    static void Startup() {}
    static void Shutdown() {}
};

class VZAlignWindow
{
public:
    static void Startup() {}
    static void Shutdown() {}
};

class VZRemoteWindow
{
public:
    static void Startup() {}
    static void Shutdown() {}
};

class VZRemotePane
{
public:
    static void Startup() {}
    static void Shutdown() {}
};

class VZHardwareBar
{
public:
    static void Startup() {}
    static void Shutdown() {}
};

class VZCameraDialog
{
public:
    static void Startup() {}
    static void Shutdown() {}
};
