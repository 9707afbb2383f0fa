// The DDE command server: service "Quorvane Training", topic "System", one
// execute command ("OpenEvent,<file>") at a time, carried out by the main
// loop's idle step.
#include "shell/app/VZApplication.h"
#include "shell/app/VZProgramParts.h"

#include <windows.h>
#include <ddeml.h>
// The system's OpenEvent macro would rename the main window's operation.
#undef OpenEvent

#include <cstring>

#include "foundation/comm/KZOSText.h"
#include "foundation/log/KLog.h"
#include "foundation/values/KHelpers.h"
#include "shell/app/KZAppCodes.h"

namespace {

const wchar_t *const kTopic = L"System";
const wchar_t *const kVerbOpenEvent = L"OpenEvent";
constexpr DWORD kServerFlags = APPCLASS_STANDARD | CBF_FAIL_SELFCONNECTIONS | CBF_FAIL_ADVISES | CBF_FAIL_POKES
                               | CBF_FAIL_REQUESTS | CBF_SKIP_ALLNOTIFICATIONS;
// Read a little past the limit, so that a text over it is seen whole enough
// to be refused (an even count: wide texts are read whole characters).
constexpr int32_t kReadBytes = kDdeCommandLimit + 3;

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
    // A buffer of wide characters, so that a wide text is read from aligned
    // memory; the count read tells where a text without a NUL ends.
    wchar_t buffer[kReadBytes / 2 + 1] = {};
    const DWORD count = data ? DdeGetData(data, reinterpret_cast<LPBYTE>(buffer), kReadBytes, 0) : 0;
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
                return Answer(kDdeRefused);
            return Execute(*application, data);
        default:
            return nullptr;
        }
    } catch (...) {
        // Nothing may unwind through the system's callback.
        return Answer(kDdeRefused);
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

uint32_t VZApplication::RefuseCommand(const KString &why)
{
    if (KLog *log = KProgramLog())
        log->Warning(KString(L"DDE command refused: ").Append(why));
    return kDdeRefused;
}

uint32_t VZApplication::AcceptCommand(const void *data, int32_t count, bool wide)
{
    if (!pendingCommand.IsEmpty())
        return kDdeBusy;
    if (count <= 0 || !data)
        return kDdeTaken;
    // The text ends at its first NUL or with the data.
    const auto *characters = static_cast<const wchar_t *>(data);
    const auto *narrow = static_cast<const char *>(data);
    int32_t length = 0;
    if (wide) {
        while (length < count / 2 && characters[length])
            ++length;
    } else {
        length = int32_t(strnlen(narrow, size_t(count)));
    }
    // A cut command could name another file than its sender did.
    if ((wide ? length * int32_t(sizeof(wchar_t)) : length) > kDdeCommandLimit)
        return RefuseCommand(KString(L"longer than ").AppendInt(kDdeCommandLimit).Append(L" bytes"));
    KString text;
    if (wide)
        text.Append(characters, length);
    else
        text.AppendAnsi(narrow, length);
    KString verb, file;
    if (text.GetField(verb, 0) && verb == kVerbOpenEvent && text.GetField(file, 1, L',', L'"')
        && file.Length() > kDdeLongestPath)
        return RefuseCommand(KString(L"OpenEvent file name of ").AppendInt(file.Length())
                                 .Append(L" characters, longer than a path may be"));
    pendingCommand = text;
    return kDdeTaken;
}

void VZApplication::ServePendingCommand()
{
    if (pendingCommand.IsEmpty() || !MainControl())
        return;
    // Taken before it runs: a failed open shows its error box, whose loop
    // lets the next command in, and that one must wait for its own turn.
    const KString command(pendingCommand);
    pendingCommand.Clear();
    KString verb;
    if (!command.GetField(verb, 0))
        return;
    SetMousePointer(kPointerBusy);
    KString file;
    if (verb == kVerbOpenEvent && command.GetField(file, 1, L',', L'"') && parts)
        parts->OpenEventFile(file);
    SetMousePointer(kPointerArrow);
}
