#include "core/handheld/PalmDatabase.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "core/handheld/PalmPayload.h"
#include "RecordBuilders.h"

using namespace courtlog;
using Bytes = std::vector<std::uint8_t>;

namespace {

std::uint32_t be32(const Bytes& b, std::size_t at) {
    return (std::uint32_t(b[at]) << 24) | (std::uint32_t(b[at + 1]) << 16) | (std::uint32_t(b[at + 2]) << 8) | b[at + 3];
}
unsigned be16(const Bytes& b, std::size_t at) { return (unsigned(b[at]) << 8) | b[at + 1]; }
std::string chars(const Bytes& b, std::size_t at, std::size_t n) { return std::string(b.begin() + at, b.begin() + at + n); }

Bytes patterned(std::size_t size, int seed = 0) {
    Bytes b(size);
    for (std::size_t i = 0; i < size; ++i) b[i] = static_cast<std::uint8_t>((i * 7 + seed) & 0xff);
    return b;
}

// A block as the database holds it: "DBLK", the length, the bytes.
void appendBlock(Bytes& image, const Bytes& part) {
    for (char c : std::string("DBLK")) image.push_back(static_cast<std::uint8_t>(c));
    const auto n = static_cast<std::uint32_t>(part.size());
    for (int shift = 24; shift >= 0; shift -= 8) image.push_back(static_cast<std::uint8_t>(n >> shift));
    image.insert(image.end(), part.begin(), part.end());
}

}  // namespace

TEST(PalmDatabase, TwentyPlayerTeamGives801ByteFirstBlockIn897ByteFile) {
    const Bytes payload = PalmPayload::team(courtlog::testing::variedTeam(20));
    ASSERT_EQ(payload.size(), 801u);  // 3 + 2 + 75 + 1 + 20 * 36
    const std::uint32_t when = 3'000'000'000u;
    const Bytes image = PalmDatabase::build(payload, "/some/folder/Hawks.pdb", when);
    ASSERT_EQ(image.size(), 897u);  // 80 + 8 + 8 + 801

    EXPECT_EQ(std::string(reinterpret_cast<const char*>(image.data())), "Hawks");
    for (std::size_t i = 5; i < 32; ++i) EXPECT_EQ(image[i], 0) << i;
    EXPECT_EQ(be16(image, 32), 0x0088u);
    EXPECT_EQ(be16(image, 34), 0u);
    EXPECT_EQ(be32(image, 36), when);
    EXPECT_EQ(be32(image, 40), when);
    for (std::size_t i = 44; i < 60; ++i) EXPECT_EQ(image[i], 0) << i;
    EXPECT_EQ(chars(image, 60, 4), "strm");
    EXPECT_EQ(chars(image, 64, 4), "KRTL");
    EXPECT_EQ(be32(image, 68), 0u);
    EXPECT_EQ(be32(image, 72), 0u);
    EXPECT_EQ(be16(image, 76), 1u);
    EXPECT_EQ(be32(image, 78), 88u);  // the block's offset
    EXPECT_EQ(be32(image, 82), 0x40000000u);  // attribute 0x40, unique ID 0
    EXPECT_EQ(image[86], 0x5A);
    EXPECT_EQ(image[87], 0x5A);
    EXPECT_EQ(chars(image, 88, 4), "DBLK");
    EXPECT_EQ(be32(image, 92), 801u);
    EXPECT_EQ(Bytes(image.begin() + 96, image.end()), payload);
}

TEST(PalmDatabase, CutsPayloadsIntoBlocksOf4096Bytes) {
    const Bytes full = patterned(4096);
    const Bytes one = PalmDatabase::build(full, "x", 0);
    EXPECT_EQ(be16(one, 76), 1u);
    EXPECT_EQ(be32(one, 88 + 4), 4096u);
    EXPECT_EQ(one.size(), 88u + 8u + 4096u);

    const Bytes over = patterned(4097);
    const Bytes two = PalmDatabase::build(over, "x", 0);
    ASSERT_EQ(be16(two, 76), 2u);
    const std::size_t first = 80 + 16, second = first + 4104;
    EXPECT_EQ(be32(two, 78), first);
    EXPECT_EQ(be32(two, 86), second);
    EXPECT_EQ(PalmDatabase::blockOffset(2, 1), second);
    EXPECT_EQ(chars(two, first, 4), "DBLK");
    EXPECT_EQ(be32(two, first + 4), 4096u);
    EXPECT_EQ(chars(two, second, 4), "DBLK");
    EXPECT_EQ(be32(two, second + 4), 1u);
    EXPECT_EQ(two[second + 8], over.back());
    EXPECT_EQ(two.size(), second + 9);

    Bytes back;
    ASSERT_TRUE(PalmDatabase::extract(two, back));
    EXPECT_EQ(back, over);
}

TEST(PalmDatabase, ExtractsThreeBlocksInFileOrder) {
    // Three full-size blocks written by this program.
    const Bytes payload = patterned(2 * 4096 + 100);
    Bytes back;
    ASSERT_TRUE(PalmDatabase::extract(PalmDatabase::build(payload, "x", 0), back));
    EXPECT_EQ(back, payload);

    // Three blocks of a foreign writer, of any lengths: the record list is not
    // consulted, the parts are joined in the order they appear.
    Bytes image = PalmDatabase::build({}, "foreign", 0);
    image.resize(PalmDatabase::blockOffset(3, 0), 0);
    const Bytes a = patterned(13, 1), b = patterned(4096, 2), c = patterned(31, 3);
    appendBlock(image, a);
    appendBlock(image, b);
    // The scan resumes right after each block (here at an odd offset) and
    // goes on in steps of four from there.
    image.insert(image.end(), {0, 0, 0, 0});
    appendBlock(image, c);
    ASSERT_TRUE(PalmDatabase::extract(image, back));
    Bytes joined = a;
    joined.insert(joined.end(), b.begin(), b.end());
    joined.insert(joined.end(), c.begin(), c.end());
    EXPECT_EQ(back, joined);
}

TEST(PalmDatabase, RefusesOversizedAndOverrunningBlocks) {
    Bytes image = PalmDatabase::build({}, "x", 0);
    image.resize(PalmDatabase::blockOffset(1, 0), 0);
    Bytes tooLong = image;
    appendBlock(tooLong, patterned(4097));
    Bytes payload{1, 2, 3};
    PalmResult r = PalmDatabase::extract(tooLong, payload);
    EXPECT_FALSE(r);
    EXPECT_EQ(r.message, "The Palm database is damaged: a block is longer than 4096 bytes");
    EXPECT_EQ(r.caption, "Load Error");
    EXPECT_TRUE(payload.empty());

    Bytes overrun = image;
    appendBlock(overrun, patterned(100));
    overrun.resize(overrun.size() - 1);
    r = PalmDatabase::extract(overrun, payload);
    EXPECT_FALSE(r);
    EXPECT_EQ(r.message, "The Palm database is damaged: a block runs past the end of the file");

    Bytes cutLength = image;
    appendBlock(cutLength, patterned(100));
    cutLength.resize(image.size() + 6);  // "DBLK" and half its length
    EXPECT_FALSE(PalmDatabase::extract(cutLength, payload));
}

TEST(PalmDatabase, NamesTheDatabaseAfterTheDestinationFile) {
    EXPECT_EQ(PalmDatabase::nameFor("/home/coach/Hawks.pdb"), "Hawks");
    EXPECT_EQ(PalmDatabase::nameFor("C:\\Palm\\Game 1.pdb"), "Game 1");
    EXPECT_EQ(PalmDatabase::nameFor("two.pdb.old.pdb"), "two");
    EXPECT_EQ(PalmDatabase::nameFor("plain"), "plain");
    EXPECT_EQ(PalmDatabase::nameFor(std::string(40, 'n') + ".pdb"), std::string(31, 'n'));
    // A name that spells the block tag is part of the fixed header and never read as a block.
    const Bytes payload = PalmPayload::team(courtlog::testing::variedTeam(3));
    Bytes back;
    ASSERT_TRUE(PalmDatabase::extract(PalmDatabase::build(payload, "DBLKDBLK\xff\xff\xff\xff.pdb", 0), back));
    EXPECT_EQ(back, payload);
}

TEST(PalmDatabase, StampsTheTimeInSecondsSince1904) {
    const std::uint32_t now = PalmDatabase::timeNow();
    // Later than 2020-01-01 (1577836800 since 1970) in the handheld's epoch.
    EXPECT_GT(now, 1577836800u + PalmDatabase::kEpochOffset);
}
