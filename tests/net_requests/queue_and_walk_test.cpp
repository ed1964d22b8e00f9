// The print-queue reply and the item walk every reply goes through.
#include "link/reply_walk.h"
#include "net_fixture.h"

namespace orvan::test {
namespace {

Bytes record(const std::string& owner, const std::string& document) {
    Bytes r(link::kQueueRecordSize, 0);
    for (std::size_t i = 0; i < owner.size() && i < 16; ++i) r[2 * i] = owner[i];
    for (std::size_t i = 0; i < document.size() && i < 32; ++i) r[32 + 2 * i] = document[i];
    return r;
}

Bytes queueReply(std::uint8_t n, std::initializer_list<Bytes> records) {
    Bytes reply{n, 0, 0, 0};
    for (const auto& r : records) reply.insert(reply.end(), r.begin(), r.end());
    return reply;
}

TEST(QueueReply, DocumentsFollowTheHeaderAsRecords) {
    link::JobList jobs;
    link::decodeQueueReply(jobs, queueReply(2, {record("ann", "a.doc"), record("bob", "b.pdf")}));
    EXPECT_EQ(jobs.count, 2);
    EXPECT_EQ(jobs.owners, (std::vector<std::string>{"ann", "bob"}));
    EXPECT_EQ(jobs.documents, (std::vector<std::string>{"a.doc", "b.pdf"}));
}

TEST(QueueReply, AtMostFiveRecordsAreRead) {
    link::JobList jobs;
    const Bytes r = record("o", "d");
    link::decodeQueueReply(jobs, queueReply(7, {r, r, r, r, r, r, r}));
    EXPECT_EQ(jobs.count, 5);
    EXPECT_EQ(jobs.owners.size(), 5u);
}

TEST(QueueReply, ClaimingMoreDocumentsThanReceivedUsesOnlyThosePresent) {
    link::JobList jobs;
    Bytes reply = queueReply(3, {record("ann", "a"), record("bob", "b")});
    reply.resize(reply.size() - 1);  // the second record is cut short
    link::decodeQueueReply(jobs, reply);
    EXPECT_EQ(jobs.count, 1);
    EXPECT_EQ(jobs.owners, std::vector<std::string>{"ann"});
    EXPECT_EQ(jobs.documents.size(), 1u);
}

TEST(QueueReply, EmptyQueueLeavesOneEmptyEntry) {
    link::JobList jobs{3, {"x", "y", "z"}, {"1", "2", "3"}};
    link::decodeQueueReply(jobs, queueReply(0, {}));
    EXPECT_EQ(jobs, (link::JobList{0, {""}, {""}}));
    link::decodeQueueReply(jobs, {});
    EXPECT_EQ(jobs, (link::JobList{0, {""}, {""}}));
}

TEST_F(NetTest, StatusReadFillsTheJobListFromTheQueueReply) {
    link.settings.queueReply({});
    link.settings.queueReply({});
    link.settings.queueReply(queueReply(1, {record("carol", "card.prn")}));
    ASSERT_EQ(net.statusTabRead(), 0);
    EXPECT_EQ(data.jobs, (link::JobList{1, {"carol"}, {"card.prn"}}));
    EXPECT_EQ(link.settings.sent[2].kind, "queue");
}

TEST_F(NetTest, FailedQueueReplyLeavesNoStaleDocuments) {
    data.jobs = {3, {"x", "y", "z"}, {"1", "2", "3"}};
    link.settings.results.push("P_CheckReply", {0, 0, -5});
    EXPECT_EQ(net.statusTabRead(), -5);
    EXPECT_EQ(data.jobs, (link::JobList{0, {""}, {""}}));
}

struct Seen {
    std::uint8_t id;
    std::size_t size;
};

std::vector<Seen> walk(const Bytes& reply) {
    std::vector<Seen> seen;
    link::walkReplyItems(reply, [&](std::uint8_t id, std::span<const std::uint8_t> item) {
        seen.push_back({id, item.size()});
    });
    return seen;
}

TEST(ReplyWalk, NextItemStartsLengthPlusTwoBytesOn) {
    const auto seen = walk({1, 2, 0, 9, 2, 0, 3, 1, 0});
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[0].id, 1);
    EXPECT_EQ(seen[0].size, 4u);
    EXPECT_EQ(seen[1].id, 2);
    EXPECT_EQ(seen[1].size, 2u);
    EXPECT_EQ(seen[2].id, 3);
    EXPECT_EQ(seen[2].size, 3u);
}

TEST(ReplyWalk, OverlongItemIsCutAtTheEndAndIsTheLast) {
    const auto seen = walk({1, 1, 0, 5, 200, 0, 1});
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[1].id, 5);
    EXPECT_EQ(seen[1].size, 4u);  // id, length and the two data bytes received
}

TEST(ReplyWalk, LoneIdByteAtTheEndIsNotAnItem) {
    EXPECT_EQ(walk({1, 0, 7}).size(), 1u);
    EXPECT_TRUE(walk({}).empty());
}

TEST(ReplyWalk, ValuesReadOnlyTheBytesPresent) {
    const Bytes counter{30, 5, 0, 0x00, 0x00, 0x03, 0xE8};
    EXPECT_EQ(link::valueBigEndian32(counter), 1000);
    const Bytes shortCounter{30, 3, 0, 0x03, 0xE8};
    EXPECT_EQ(link::valueBigEndian32(shortCounter), 0x03E80000);  // missing bytes count as 0
    EXPECT_EQ(link::valueBigEndian32(Bytes{0xFF, 5, 0, 0xFF, 0xFF, 0xFF, 0xFE}), -2);
    EXPECT_EQ(link::valueByte(Bytes{1, 1, 0}), 0);
    EXPECT_EQ(link::valueText(Bytes{1, 4, 0, 'a', 'b', 'c'}, 2), "ab");
    EXPECT_EQ(link::valueText(Bytes{1, 4, 0, 'a', 0, 'c'}, 10), "a");
    EXPECT_EQ(link::valueBlock(Bytes{1, 17, 0, 1, 2}, 16).size(), 2u);
    EXPECT_EQ(link::textFromCodes16(Bytes{'a', 0, 0x00, 0xD8, 'b', 0}, 8), "a?b");
    EXPECT_EQ(link::textFromCodes16(Bytes{'a', 0, 'b'}, 8), "a");  // half a code is no code
}

}  // namespace
}  // namespace orvan::test
