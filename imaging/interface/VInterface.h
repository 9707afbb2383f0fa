#pragma once
// VInterface: the base of an interface to an outside device or service: a
// list item that is also a message object. A concrete interface supplies the
// abstract operations; the capability questions answer no unless it says
// otherwise. The operations keep their order, since derived interfaces
// override them by position in the table. GUI thread.

#include <cstdint>

#include "foundation/containers/KList.h"
#include "foundation/messages/KMessageObject.h"

class KString;

class VInterface : public KListItem, public KMessageObject
{
public:
    VInterface(KMessageObject *parent, int32_t id) : KMessageObject(parent, id) {}
    ~VInterface() override = default;

    // ---- Connection and data (abstract) ----
    virtual bool Open() = 0;
    virtual void Close() = 0;
    virtual bool IsOpen() const = 0;
    virtual bool Reset() = 0;
    virtual bool Start() = 0;
    virtual void Stop() = 0;
    virtual int32_t Read(void *buffer, int32_t size) = 0;
    virtual int32_t Write(const void *data, int32_t size) = 0;
    virtual bool Configure() = 0;
    virtual int32_t Status() = 0;
    virtual void Name(KString &name) const = 0;
    virtual int32_t Version() const = 0;
    virtual int32_t LastError() const = 0;
    // ---- The device's clock ----
    virtual int32_t SupportsTiming() const { return 0; }
    // ---- Commands and parameters (abstract) ----
    virtual bool SendCommand(int32_t command, int32_t argument) = 0;
    virtual int32_t ReceiveReply(int32_t timeout) = 0;
    virtual bool SetParameter(int32_t number, int32_t value) = 0;
    virtual int32_t Parameter(int32_t number) const = 0;
    virtual bool Connect() = 0;
    virtual void Disconnect() = 0;
    virtual void Flush() = 0;
    virtual void Poll() = 0;
    virtual int32_t Identify() = 0;
    // ---- Capabilities: none unless the interface says so ----
    virtual int32_t HasCamera() const { return 0; }
    virtual int32_t HasClock() const { return 0; }
    virtual int32_t HasDisplay() const { return 0; }
    virtual int32_t HasPrinter() const { return 0; }
    virtual int32_t HasScoreboard() const { return 0; }
    virtual int32_t HasRemote() const { return 0; }
    virtual int32_t HasPhotocell() const { return 0; }
    virtual int32_t HasWindGauge() const { return 0; }
    virtual int32_t HasSerialLink() const { return 0; }
    virtual int32_t HasNetworkLink() const { return 0; }
    // ---- Description (abstract) ----
    virtual void Describe(KString &text) const = 0;

    KMessageObject *Parent() const { return GetParent(); }
    // Looks the parent up and answers 0: the base knows no answers.
    int32_t Query() const;
};
