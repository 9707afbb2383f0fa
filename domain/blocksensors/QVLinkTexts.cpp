#include "domain/blocksensors/QVLinkTexts.h"

#include "domain/ui/QVSettings.h"
#include "foundation/comm/KSerialPort.h"
#include "foundation/registry/KRegistry.h"
#include "foundation/strings/KString.h"

void QVLinkText(const QVLinkTextKey &key, KString &out)
{
    if (KRegistry *settings = QVSettings())
    {
        KString path(L"\\Strings\\");
        path.Append(key.path);
        const KString &text = settings->GetText(path);
        if (!text.IsEmpty())
        {
            out.Append(text);
            return;
        }
    }
    out.Append(key.english);
}

void QVSilentUnitText(int32_t port, const KString &group, KString &about, KString &why)
{
    KSerialPort::PortName(port, about);
    if (!group.IsEmpty())
        about.Append(L" (").Append(group).AppendChar(L')');
    QVLinkText(kTextUnitSilent, why);
}
