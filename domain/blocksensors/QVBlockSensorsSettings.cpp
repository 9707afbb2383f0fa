// The link's settings: read from the program's settings, sound names written back.
#include "domain/blocksensors/QVBlockSensors.h"

#include "domain/hardware/QVSerialPort.h"
#include "domain/ui/QVSettings.h"
#include "foundation/registry/KRValueOr.h"
#include "foundation/registry/KRegistry.h"

namespace
{
const wchar_t *const kStartTimeKey = L"\\Hardware\\BlockSensor\\StartTimeDL";
const wchar_t *const kEndTimeKey = L"\\Hardware\\BlockSensor\\EndTimeDL";
const wchar_t *const kLongTimeoutKey = L"\\Serial\\LongTimeout";
const wchar_t *const kSoundKeys[3] = {L"\\Hardware\\BlockSensor\\OnMarkFName", L"\\Hardware\\BlockSensor\\SetFName",
                                      L"\\Hardware\\BlockSensor\\GunFName"};
} // namespace

void QVBlockSensors::LoadSettings()
{
    KRegistry *settings = QVSettings();
    if (!settings)
        return;
    m_settings.startTimeDL = KRFloatOr(settings, kStartTimeKey, m_settings.startTimeDL);
    m_settings.endTimeDL = KRFloatOr(settings, kEndTimeKey, m_settings.endTimeDL);
    m_settings.longTimeout = KRIntOr(settings, kLongTimeoutKey, m_settings.longTimeout);
    for (int slot = 0; slot < 3; ++slot)
        if (settings->GetString(kSoundKeys[slot]))
            m_settings.soundNames[slot] = settings->GetText(kSoundKeys[slot]);
    if (KRGroup *group = QVSerialPort::GroupAt(0))
    {
        m_settings.portDescription = group->GetText(L"SerialPort");
        m_settings.unitName = group->GetText(L"Name");
    }
}

void QVBlockSensors::SaveSoundNames()
{
    KRegistry *settings = QVSettings();
    if (!settings)
        return;
    for (int slot = 0; slot < 3; ++slot)
    {
        if (KRString *name = settings->GetString(kSoundKeys[slot]))
        {
            name->SetValue(m_settings.soundNames[slot]);
            continue;
        }
        KString line(kSoundKeys[slot]);
        line.Append(L":String=").Append(m_settings.soundNames[slot]);
        settings->Parse(line);
    }
}
