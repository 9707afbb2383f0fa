#pragma once
// KMessage: the record a KMessageObject sends to announce a change: a code,
// a data word and the sender. The code holds phase bits in its high 16 bits
// and a topic in its low 16 bits. Every before-message is paired with an
// after-message. The topic numbers belong to the layers that send them.

#include <cstdint>

class KMessageObject;

// Phase bits of a message code.
constexpr uint32_t kMsgNoModify = 0x10000;   // the change does not mark the document modified
constexpr uint32_t kMsgBefore = 0x20000;     // sent just before a change
constexpr uint32_t kMsgAfter = 0x40000;      // sent just after a change
constexpr uint32_t kMsgListBefore = 0x80000; // sent just before a list changes
constexpr uint32_t kMsgListAfter = 0x100000; // sent just after a list changed
constexpr uint32_t kMsgTopicMask = 0xFFFF;   // the topic part of a code

struct KMessage {
    KMessage() = default;
    KMessage(uint32_t c, uint32_t d = 0, KMessageObject *s = nullptr) : code(c), data(d), sender(s) {}

    uint32_t Topic() const { return code & kMsgTopicMask; }
    uint32_t Phase() const { return code & ~kMsgTopicMask; }
    bool HasPhase(uint32_t bits) const { return (code & bits) != 0; }

    uint32_t code = 0;
    uint32_t data = 0;
    KMessageObject *sender = nullptr; // none: Send fills in the sending object
};
