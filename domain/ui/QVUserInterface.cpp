#include "domain/ui/QVUserInterface.h"

namespace
{
QVUserInterface *g_installed = nullptr;
}

QVUserInterface *QVUserInterface::Installed() { return g_installed; }

void QVUserInterface::Install(QVUserInterface *ui) { g_installed = ui; }
