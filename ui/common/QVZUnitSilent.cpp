// The alert text of a silent unit.
#include "ui/common/QVZUnitSilent.h"

#include "domain/blocksensors/QVLinkTexts.h"

KString QVZUnitSilentText(const KString &firstLine, int32_t port, const KString &name)
{
    KString about, why;
    QVSilentUnitText(port, name, about, why);
    KString text(firstLine);
    text.Append(L"\r\n").Append(about).Append(L"\r\n").Append(why);
    return text;
}
