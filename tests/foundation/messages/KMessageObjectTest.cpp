#include "foundation/messages/KMessageObject.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace {

// A node that records the messages handed to it.
struct RecordingNode : KMessageObject {
    using KMessageObject::KMessageObject;
    void Handle(const KMessage &message) override { received.push_back(message); }
    std::vector<KMessage> received;
};

} // namespace

TEST(KMessageObject, ChildMessageReachesTheRootWithTheChildAsSender)
{
    RecordingNode root;
    RecordingNode middle(&root, 1);
    RecordingNode leaf(&middle, 2);
    leaf.Send(KMessage(kMsgAfter | 12, 77));
    ASSERT_EQ(root.received.size(), 1u);
    EXPECT_EQ(root.received[0].sender, &leaf);
    EXPECT_EQ(root.received[0].Topic(), 12u);
    EXPECT_EQ(root.received[0].Phase(), kMsgAfter);
    EXPECT_EQ(root.received[0].data, 77u);
    EXPECT_TRUE(middle.received.empty()); // only the root is called directly
}

TEST(KMessageObject, NewIdsComeUniqueFromTheRoot)
{
    RecordingNode root;
    RecordingNode a(&root), b(&a);
    std::set<int32_t> ids;
    for (int i = 0; i < 5; ++i) {
        ids.insert(a.NewId());
        ids.insert(b.NewId());
        ids.insert(root.NewId());
    }
    EXPECT_EQ(ids.size(), 15u);
}

TEST(KMessageObject, IdsParentsAndFind)
{
    RecordingNode root(nullptr, 4);
    root.SetId(9); // ignored on the root
    EXPECT_EQ(root.GetId(), 4);
    RecordingNode child(&root, 1);
    child.SetId(6);
    EXPECT_EQ(child.Find(6), &child);
    EXPECT_EQ(child.Find(1), nullptr);
    EXPECT_EQ(child.GetParent(), &root);
    EXPECT_EQ(child.Root(), &root);
    // A circle would send messages round for ever: refused.
    EXPECT_FALSE(root.SetParent(&child));
    EXPECT_EQ(root.GetParent(), nullptr);
}
