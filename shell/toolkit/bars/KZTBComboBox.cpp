#include "shell/toolkit/bars/KZTBComboBox.h"

KZTBComboBox::KZTBComboBox(int width, int height, bool editable) : KZComboBox(0, 0, width, height, editable) {}
