#pragma once
// A settings group used as a list of numbered child groups ("1", "2", ...),
// as the serial ports and the scoreboards keep theirs: counting the children
// that belong to the list, finding one by its position among them, and the
// name a new one takes. A null parent is an empty list.

#include "foundation/strings/KString.h"

class KRGroup;
class KRNode;

// Whether a child of the parent belongs to the list.
using KRListMember = bool (*)(const KRNode *child);

int KRCountMembers(const KRNode *parent, KRListMember member);
// The member at index (from 0) in the parent's order; none out of range.
KRGroup *KRMemberAt(const KRNode *parent, int index, KRListMember member);
// The lowest number from 1 that no child of the parent is named.
KString KRFreeNumberName(const KRNode &parent);
