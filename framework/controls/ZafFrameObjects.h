#pragma once
// The framework's frame-object factory, installed in ZafWindow for
// AddFrameObjects: adds to the window, in this order, a border, the
// maximize, minimize and system buttons (where the framework has them) and
// a title holding the given title data (the title takes it over).

class ZafWindow;
class ZafStringData;

void ZafAddStandardFrameObjects(ZafWindow *window, ZafStringData *title);
