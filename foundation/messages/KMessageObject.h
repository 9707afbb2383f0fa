#pragma once
// KMessageObject: an object with a message parent and an id. Send hands a
// message to the root of the parent chain, whose virtual Handle passes it
// down its own tree (a document to its views, a list to its items). The
// parent is not owned and must outlive its children. Messages are delivered
// synchronously on the sending thread; callers that send from a worker
// thread guard the receiving tree with its KMutex.

#include "foundation/messages/KMessage.h"

#include <cstdint>

class KMessageObject
{
public:
    explicit KMessageObject(KMessageObject *parent = nullptr, int32_t id = 0);
    virtual ~KMessageObject() = default;

    KMessageObject *GetParent() const { return itsParent; }
    // A parent that would make the chain a circle is refused (false).
    bool SetParent(KMessageObject *parent);
    // The top of the parent chain (this object when it has no parent).
    KMessageObject *Root();

    int32_t GetId() const { return itsId; }
    // Ignored on a root (an object without parent).
    void SetId(int32_t id);
    // A fresh id from the root's counter, unique within the tree.
    int32_t NewId();
    // This object when its id is id, else none; trees override it to search
    // their children.
    virtual KMessageObject *Find(int32_t id);

    // Delivers message to the root's Handle; a message without sender is
    // sent as coming from this object.
    void Send(KMessage message);
    void Send(uint32_t code, uint32_t data = 0) { Send(KMessage(code, data, this)); }

    // Receives messages sent within the tree (on the root) or passed down by
    // a parent. Does nothing by default.
    virtual void Handle(const KMessage &message);

private:
    KMessageObject *itsParent;
    int32_t itsId;
    int32_t itsNextId = 1;
};
