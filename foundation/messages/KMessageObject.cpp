#include "foundation/messages/KMessageObject.h"

KMessageObject::KMessageObject(KMessageObject *parent, int32_t id) : itsParent(nullptr), itsId(id)
{
    SetParent(parent);
}

bool KMessageObject::SetParent(KMessageObject *parent)
{
    for (KMessageObject *p = parent; p; p = p->itsParent)
        if (p == this)
            return false;
    itsParent = parent;
    return true;
}

KMessageObject *KMessageObject::Root()
{
    KMessageObject *root = this;
    while (root->itsParent)
        root = root->itsParent;
    return root;
}

void KMessageObject::SetId(int32_t id)
{
    if (itsParent)
        itsId = id;
}

int32_t KMessageObject::NewId()
{
    return Root()->itsNextId++;
}

KMessageObject *KMessageObject::Find(int32_t id)
{
    return id == itsId ? this : nullptr;
}

void KMessageObject::Send(KMessage message)
{
    if (!message.sender)
        message.sender = this;
    Root()->Handle(message);
}

void KMessageObject::Handle(const KMessage &)
{
}
