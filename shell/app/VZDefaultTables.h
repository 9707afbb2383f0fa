#pragma once
// The parts of the built-in defaults table (VZApplication::DefaultsTable):
// the program's settings, the settings of the image windows, and the
// English texts under "Strings\". Each part is a run of settings lines.

struct VZDefaultLines
{
    const wchar_t *const *lines;
    int count;
};

VZDefaultLines VZDefaultSettings();
VZDefaultLines VZDefaultImagingSettings();
VZDefaultLines VZDefaultTexts();
