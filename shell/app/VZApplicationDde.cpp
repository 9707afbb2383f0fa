// The DDE command server: service "Quorvane Training", topic "System", one
// execute command ("OpenEvent,<file>") at a time, carried out by the main
// loop's idle step.
#include "shell/app/VZApplication.h"

#include <windows.h>
#include <ddeml.h>
// The system's OpenEvent macro would rename the main window's operation.
#undef OpenEvent

#include <cstring>

#include "domain/event/QVEvent.h"
#include "domain/timing/VLeg.h"
#include "foundation/comm/KZOSText.h"
#include "foundation/values/KHelpers.h"
#include "shell/app/KZAppCodes.h"
#include "ui/event/QVZEventMDI.h"
#include "ui/main/QVZControl.h"

namespace {

const wchar_t *const kTopic = L"System";
const wchar_t *const kVerbOpenEvent = L"OpenEvent";
constexpr DWORD kServerFlags = APPCLASS_STANDARD | CBF_FAIL_SELFCONNECTIONS | CBF_FAIL_ADVISES | CBF_FAIL_POKES
                               | CBF_FAIL_REQUESTS | CBF_SKIP_ALLNOTIFICATIONS;
constexpr int32_t kMaxCommandBytes = 511;

// The server's own names, as the callback compares them.
HSZ gService = nullptr;
HSZ gTopic = nullptr;

HSZ MakeName(DWORD instance, const wchar_t *name)
{
    if (!KUseAnsiApi())
        return DdeCreateStringHandleW(instance, name, CP_WINUNICODE);
    KZOSText text{ KString(name) };
    return DdeCreateStringHandleA(instance, text.GetText(), CP_WINANSI);
}

HSZ Handle(void *name) { return static_cast<HSZ>(name); }

HDDEDATA Answer(uint32_t flags) { return reinterpret_cast<HDDEDATA>(uintptr_t(flags)); }

HDDEDATA Execute(VZApplication &application, HDDEDATA data)
{
    // The data arrive in a zeroed buffer, so that a text without a NUL of
    // its own still ends inside it; a buffer of wide characters, so that a
    // wide text is read from aligned memory.
    wchar_t buffer[kMaxCommandBytes / 2 + 2] = {};
    const DWORD count = data ? DdeGetData(data, reinterpret_cast<LPBYTE>(buffer), kMaxCommandBytes, 0) : 0;
    return Answer(application.AcceptCommand(buffer, int32_t(count), !KUseAnsiApi()));
}

HDDEDATA CALLBACK DdeCallback(UINT type, UINT, HCONV, HSZ topic, HSZ service, HDDEDATA data, ULONG_PTR, ULONG_PTR)
{
    VZApplication *application = VZApplication::Instance();
    if (!application)
        return nullptr;
    try {
        switch (type) {
        case XTYP_CONNECT:
            return Answer(DdeCmpStringHandles(topic, gTopic) == 0 && DdeCmpStringHandles(service, gService) == 0);
        case XTYP_EXECUTE:
            if (DdeCmpStringHandles(topic, gTopic) != 0)
                return Answer(DDE_FNOTPROCESSED);
            return Execute(*application, data);
        default:
            return nullptr;
        }
    } catch (...) {
        // Nothing may unwind through the system's callback.
        return Answer(DDE_FNOTPROCESSED);
    }
}

} // namespace

bool VZApplication::StartDdeServer()
{
    if (FindOption(L"-noddeserver") || InstanceNumber() != 1 || ddeInstance)
        return true;
    DWORD instance = 0;
    const UINT error = KUseAnsiApi() ? DdeInitializeA(&instance, &DdeCallback, kServerFlags, 0)
                                     : DdeInitializeW(&instance, &DdeCallback, kServerFlags, 0);
    if (error != DMLERR_NO_ERROR)
        return false;
    ddeInstance = instance;
    gService = MakeName(instance, kProgramTitle);
    gTopic = MakeName(instance, kTopic);
    serviceName = gService;
    topicName = gTopic;
    DdeNameService(instance, gService, nullptr, DNS_REGISTER);
    return true;
}

void VZApplication::StopDdeServer()
{
    if (!ddeInstance)
        return;
    DdeNameService(ddeInstance, Handle(serviceName), nullptr, DNS_UNREGISTER);
    if (serviceName)
        DdeFreeStringHandle(ddeInstance, Handle(serviceName));
    if (topicName)
        DdeFreeStringHandle(ddeInstance, Handle(topicName));
    DdeUninitialize(ddeInstance);
    ddeInstance = 0;
    serviceName = topicName = nullptr;
    gService = gTopic = nullptr;
}

uint32_t VZApplication::AcceptCommand(const void *data, int32_t count, bool wide)
{
    if (!pendingCommand.IsEmpty())
        return DDE_FBUSY;
    if (count <= 0 || !data)
        return DDE_FACK;
    if (count > kMaxCommandBytes)
        count = kMaxCommandBytes;
    KString text;
    if (wide) {
        const auto *characters = static_cast<const wchar_t *>(data);
        int32_t length = 0;
        while (length < count / 2 && characters[length])
            ++length;
        text.Append(characters, length);
    } else {
        const auto *bytes = static_cast<const char *>(data);
        const int32_t length = int32_t(strnlen(bytes, size_t(count)));
        text.AppendAnsi(bytes, length);
    }
    pendingCommand = text;
    return DDE_FACK;
}

void VZApplication::ServePendingCommand()
{
    if (pendingCommand.IsEmpty() || !MainControl())
        return;
    KString verb;
    if (pendingCommand.GetField(verb, 0)) {
        SetMousePointer(kPointerBusy);
        KString file;
        if (verb == kVerbOpenEvent && pendingCommand.GetField(file, 1, L',', L'"')) {
            pendingCommand.Clear();
            if (QVZEventMDI *window = MainControl()->OpenEvent(&file))
                if (QVEvent *event = window->Event())
                    if (VLeg *leg = event->Leg(0))
                        leg->SelectNone();
        }
        SetMousePointer(kPointerArrow);
    }
    pendingCommand.Clear();
}
