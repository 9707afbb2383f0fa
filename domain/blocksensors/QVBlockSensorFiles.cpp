#include "domain/blocksensors/QVBlockSensorFiles.h"

namespace
{
QVBlockSensorFiles *g_files = nullptr;
}

QVBlockSensorFiles *QVBlockSensorFiles::Installed() { return g_files; }

void QVBlockSensorFiles::Install(QVBlockSensorFiles *files) { g_files = files; }
