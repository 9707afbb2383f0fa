#include "domain/ui/QVSettings.h"

namespace
{
KRegistry *g_settings = nullptr;
}

KRegistry *QVSettings() { return g_settings; }

void QVSetSettings(KRegistry *settings) { g_settings = settings; }
