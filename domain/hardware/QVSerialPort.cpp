#include "domain/hardware/QVSerialPort.h"

#include "domain/ui/QVSettings.h"
#include "foundation/registry/KRGroupList.h"
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

bool IsPortGroup(const KRNode *node)
{
    return node->IsGroup();
}
}

int QVSerialPort::GroupCount()
{
    return KRCountMembers(Ports(), &IsPortGroup);
}

KRGroup *QVSerialPort::GroupAt(int index)
{
    return KRMemberAt(Ports(), index, &IsPortGroup);
}

KRGroup *QVSerialPort::AddGroup()
{
    Startup();
    KRegistry *settings = QVSettings();
    KRGroup *ports = Ports();
    if (!settings || !ports)
        return nullptr;
    const KString name = KRFreeNumberName(*ports);
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
