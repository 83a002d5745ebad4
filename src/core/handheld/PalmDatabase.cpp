#include "core/handheld/PalmDatabase.h"
#include "core/records/Clock.h"

#include <algorithm>
#include <chrono>

#include "core/handheld/PalmByteIo.h"
#include "core/records/FileNames.h"
#include "core/records/SafeSave.h"

namespace courtlog {

namespace {

constexpr std::uint16_t kAttributes = 0x0088;  // backup and stream flags
constexpr std::uint8_t kRecordAttributes = 0x40;
constexpr std::uint8_t kGapByte = 0x5A;
constexpr std::string_view kBlockTag = "DBLK";

std::uint32_t bigEndian32(std::span<const std::uint8_t> b, std::size_t at) {
    return (static_cast<std::uint32_t>(b[at]) << 24) | (static_cast<std::uint32_t>(b[at + 1]) << 16) |
           (static_cast<std::uint32_t>(b[at + 2]) << 8) | static_cast<std::uint32_t>(b[at + 3]);
}

bool isBlockTag(std::span<const std::uint8_t> b, std::size_t at) {
    return std::equal(kBlockTag.begin(), kBlockTag.end(), b.begin() + static_cast<std::ptrdiff_t>(at),
                      [](char c, std::uint8_t x) { return static_cast<std::uint8_t>(c) == x; });
}

PalmResult damaged(std::vector<std::uint8_t>& payload, const char* what) {
    payload.clear();
    return PalmResult::failure(std::string("The Palm database is damaged: ") + what, kPalmLoadErrorCaption);
}

}  // namespace

std::string PalmDatabase::nameFor(const std::string& destination) {
    std::string name(bareFileName(destination));
    if (const auto ext = name.find(".pdb"); ext != std::string::npos) name.erase(ext);
    if (const auto nul = name.find('\0'); nul != std::string::npos) name.erase(nul);
    if (name.size() > kNameWidth - 1) name.resize(kNameWidth - 1);
    return name;
}

std::uint32_t PalmDatabase::timeNow() {
    const auto seconds = clockNow();
    return static_cast<std::uint32_t>(static_cast<std::uint64_t>(seconds) + kEpochOffset);
}

std::vector<std::uint8_t> PalmDatabase::build(std::span<const std::uint8_t> payload, const std::string& name,
                                              std::uint32_t palmTime) {
    const std::size_t n = blockCount(payload.size());
    if (n > kMaxBlocks) return {};

    PalmWriter out;
    out.text(nameFor(name), kNameWidth);  // at most 31 characters: always NUL-terminated
    out.word(kAttributes);
    out.word(0);           // version
    out.longWord(palmTime);  // creation
    out.longWord(palmTime);  // modification
    out.zeros(16);         // last backup, modification number, application and sort info
    out.chars("strm");
    out.chars("KRTL");
    out.longWord(0);  // unique-ID seed
    out.longWord(0);  // next record list
    out.word(static_cast<int>(n));
    for (std::size_t i = 0; i < n; ++i) {
        out.longWord(static_cast<std::uint32_t>(blockOffset(n, i)));
        out.byte(kRecordAttributes);
        out.zeros(3);  // unique ID
    }
    out.byte(kGapByte);
    out.byte(kGapByte);
    for (std::size_t i = 0; i < n; ++i) {
        const std::size_t begin = i * kBlockSize;
        const std::size_t length = std::min(kBlockSize, payload.size() - begin);
        out.chars(kBlockTag);
        out.longWord(static_cast<std::uint32_t>(length));
        out.bytes(payload.subspan(begin, length));
    }
    return out.take();
}

PalmResult PalmDatabase::extract(std::span<const std::uint8_t> image, std::vector<std::uint8_t>& payload) {
    payload.clear();
    // The first four-byte step past the fixed header.
    std::size_t pos = kHeaderSize + 2;
    while (pos + kBlockTag.size() <= image.size()) {
        if (!isBlockTag(image, pos)) {
            pos += 4;
            continue;
        }
        if (image.size() - pos < kBlockHeaderSize) return damaged(payload, "a block runs past the end of the file");
        const std::uint32_t length = bigEndian32(image, pos + 4);
        if (length > kBlockSize) return damaged(payload, "a block is longer than 4096 bytes");
        pos += kBlockHeaderSize;
        if (image.size() - pos < length) return damaged(payload, "a block runs past the end of the file");
        payload.insert(payload.end(), image.begin() + static_cast<std::ptrdiff_t>(pos),
                       image.begin() + static_cast<std::ptrdiff_t>(pos + length));
        pos += length;
    }
    return PalmResult::success();
}

PalmResult writeDatabase(std::span<const std::uint8_t> payload, const std::string& destination) {
    const auto image = PalmDatabase::build(payload, destination, PalmDatabase::timeNow());
    if (image.empty()) return PalmResult::failure("Could not Open Output File", kPalmErrorCaption, "too much data");
    std::string reason;
    if (!safeSave(destination, image, &reason))
        return PalmResult::failure("Could not Open Output File", kPalmErrorCaption, destination + ": " + reason);
    return PalmResult::success();
}

PalmResult extractDatabase(const std::string& source, std::vector<std::uint8_t>& payload) {
    payload.clear();
    std::string reason;
    const auto image = readWholeFile(source, PalmDatabase::kMaxFileSize, &reason);
    if (!image) return PalmResult::failure("Could not Open Input File", kPalmErrorCaption, source + ": " + reason);
    return PalmDatabase::extract(*image, payload);
}

}  // namespace courtlog
