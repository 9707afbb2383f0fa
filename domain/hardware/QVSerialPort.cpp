#include "domain/hardware/QVSerialPort.h"

#include "domain/ui/QVSettings.h"
#include "foundation/registry/KRegistry.h"

namespace
{
const wchar_t *const kPortsKey = L"\\SerialPorts";
const wchar_t *const kDefaultNameKey = L"\\Strings\\SerialPort\\DefaultName";
const wchar_t *const kDefaultName = L"SerialPort";
const wchar_t *const kDefaultDescription = L"0,19200,8,N,1.0";

KRGroup *Ports()
{
    KRegistry *settings = QVSettings();
    return settings ? settings->GetGroup(kPortsKey) : nullptr;
}
}

int QVSerialPort::GroupCount()
{
    KRGroup *ports = Ports();
    int count = 0;
    for (KRNode *n = ports ? ports->NextChild() : nullptr; n; n = ports->NextChild(n))
        if (n->IsGroup())
            ++count;
    return count;
}

KRGroup *QVSerialPort::GroupAt(int index)
{
    KRGroup *ports = Ports();
    if (!ports || index < 0)
        return nullptr;
    for (KRNode *n = ports->NextChild(); n; n = ports->NextChild(n))
        if (n->IsGroup() && index-- == 0)
            return static_cast<KRGroup *>(n);
    return nullptr;
}

KRGroup *QVSerialPort::AddGroup()
{
    Startup();
    KRegistry *settings = QVSettings();
    KRGroup *ports = Ports();
    if (!settings || !ports)
        return nullptr;
    int number = 1;
    KString name;
    for (;; ++number) {
        name.Clear();
        name.AppendInt(number);
        if (!ports->FindChild(name.CStr()))
            break;
    }
    KString line(kPortsKey);
    line.AppendChar(L'\\').Append(name).Append(L"\\Name:String=");
    const KString &defaultName = settings->GetText(kDefaultNameKey);
    line.Append(defaultName.IsEmpty() ? KString(kDefaultName) : defaultName);
    settings->Parse(line);
    line = kPortsKey;
    line.AppendChar(L'\\').Append(name).Append(L"\\SerialPort:String=").Append(kDefaultDescription);
    settings->Parse(line);
    return ports->GetGroup(name.CStr());
}

void QVSerialPort::Startup()
{
    KRegistry *settings = QVSettings();
    if (settings && !settings->GetGroup(kPortsKey))
        settings->Parse(L"\\SerialPorts\\:=");
}

void QVSerialPort::Shutdown() {}
