#include "core/handheld/PalmByteIo.h"

#include <algorithm>

namespace courtlog {

bool PalmReader::take(std::size_t n) {
    if (failed_ || n > remaining()) {
        failed_ = true;
        pos_ = data_.size();
        return false;
    }
    return true;
}

std::uint8_t PalmReader::byte() {
    if (!take(1)) return 0;
    return data_[pos_++];
}

std::uint16_t PalmReader::word() {
    if (!take(2)) return 0;
    const auto v = static_cast<std::uint16_t>((data_[pos_] << 8) | data_[pos_ + 1]);
    pos_ += 2;
    return v;
}

std::string PalmReader::text(std::size_t width) {
    if (!take(width)) return {};
    const auto* begin = reinterpret_cast<const char*>(data_.data() + pos_);
    const auto* end = std::find(begin, begin + width, '\0');
    pos_ += width;
    return std::string(begin, end);
}

bool PalmReader::expect(std::string_view chars) {
    if (!take(chars.size())) return false;
    const bool same = std::equal(chars.begin(), chars.end(), data_.begin() + static_cast<std::ptrdiff_t>(pos_),
                                 [](char c, std::uint8_t b) { return static_cast<std::uint8_t>(c) == b; });
    pos_ += chars.size();
    return same;
}

bool PalmReader::skip(std::size_t n) {
    if (!take(n)) return false;
    pos_ += n;
    return true;
}

void PalmWriter::word(int v) {
    byte(v >> 8);
    byte(v);
}

void PalmWriter::longWord(std::uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) data_.push_back(static_cast<std::uint8_t>((v >> shift) & 0xff));
}

void PalmWriter::text(std::string_view s, std::size_t width) {
    const std::size_t n = std::min(s.size(), width);
    data_.insert(data_.end(), s.begin(), s.begin() + static_cast<std::ptrdiff_t>(n));
    zeros(width - n);
}

void PalmWriter::chars(std::string_view s) { data_.insert(data_.end(), s.begin(), s.end()); }

void PalmWriter::bytes(std::span<const std::uint8_t> b) { data_.insert(data_.end(), b.begin(), b.end()); }

}  // namespace courtlog
