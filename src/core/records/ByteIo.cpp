#include "core/records/ByteIo.h"

#include <algorithm>
#include <cstring>

namespace courtlog {

bool ByteReader::take(void* out, std::size_t n) {
    if (failed_ || n > remaining()) {
        failed_ = true;
        pos_ = data_.size();
        std::memset(out, 0, n);
        return false;
    }
    std::memcpy(out, data_.data() + pos_, n);
    pos_ += n;
    return true;
}

bool ByteReader::skip(std::size_t n) {
    if (failed_ || n > remaining()) {
        failed_ = true;
        pos_ = data_.size();
        return false;
    }
    pos_ += n;
    return true;
}

bool ByteReader::seek(std::size_t offset) {
    if (offset > data_.size()) {
        failed_ = true;
        pos_ = data_.size();
        return false;
    }
    pos_ = offset;
    return true;
}

std::string ByteReader::text(std::size_t width) {
    if (failed_ || width > remaining()) {
        // Keep what the short field holds, then mark the reader failed.
        std::size_t n = failed_ ? 0 : remaining();
        const char* p = reinterpret_cast<const char*>(data_.data() + pos_);
        std::string s(p, strnlen(p, n));
        failed_ = true;
        pos_ = data_.size();
        return s;
    }
    const char* p = reinterpret_cast<const char*>(data_.data() + pos_);
    std::string s(p, strnlen(p, width));
    pos_ += width;
    return s;
}

void ByteWriter::i16(std::int16_t v) { putLe16(extend(2), v); }

void ByteWriter::u32(std::uint32_t v) { putLe32(extend(4), v); }

void ByteWriter::i32(std::int32_t v) { u32(static_cast<std::uint32_t>(v)); }

void ByteWriter::text(std::string_view s, std::size_t width) { putText(extend(width), s, width); }

void ByteWriter::bytes(std::span<const std::uint8_t> b) {
    if (!b.empty()) std::memcpy(extend(b.size()), b.data(), b.size());
}

std::uint8_t* putText(std::uint8_t* p, std::string_view s, std::size_t width) {
    const std::size_t n = std::min(s.size(), width);
    if (n > 0) std::memcpy(p, s.data(), n);
    std::memset(p + n, 0, width - n);
    return p + width;
}

std::string cut(std::string_view s, std::size_t maxBytes) {
    return std::string(s.substr(0, std::min(s.size(), maxBytes)));
}

}  // namespace courtlog
