// The alert text of a port that cannot be opened.
#include "ui/common/QVZPortNotOpen.h"

#include "foundation/comm/KSerialPort.h"
#include "ui/common/QVZResultsKeys.h"

KString QVZPortNotOpenText(const KString &settingText, int32_t port, const KString &name)
{
    KString text(settingText.IsEmpty() ? KString(kEnglishPortNotOpen) : settingText);
    text.Append(L": ");
    KSerialPort::PortName(port, text);
    text.Append(L" (").Append(name).AppendChar(L')');
    return text;
}
