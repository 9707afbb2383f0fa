// The link's settings: read from the program's settings, sound names written back.
#include "domain/blocksensors/QVBlockSensors.h"

void QVBlockSensors::SaveSoundNames() {}
