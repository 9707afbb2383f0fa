#include "domain/ui/QVUserInterface.h"

#include "foundation/strings/KString.h"

namespace
{
QVUserInterface *g_installed = nullptr;
}

QVUserInterface *QVUserInterface::Installed() { return g_installed; }

void QVUserInterface::Install(QVUserInterface *ui) { g_installed = ui; }

void QVUserInterface::ShowErrorAbout(int32_t code, int32_t extra, const KString &, const KString &)
{
    ShowError(code, extra);
}

void QVUserInterface::ShowFileError(int32_t code, int32_t extra, const KString &file)
{
    ShowErrorAbout(code, extra, file, KString());
}

void QVUserInterface::BeginWork(const KString &text) { StatusText(text); }

void QVUserInterface::WorkText(const KString &text) { StatusText(text); }

bool QVUserInterface::Work(int) { return true; }

void QVUserInterface::EndWork() { StatusText(KString()); }
