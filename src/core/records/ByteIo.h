#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace courtlog {

// Little-endian reader over a block of bytes. It never reads past the end:
// once a read runs short the reader is marked failed, and further reads give
// zeros/empty texts.
class ByteReader {
public:
    explicit ByteReader(std::span<const std::uint8_t> data) : data_(data) {}

    std::size_t position() const { return pos_; }
    std::size_t remaining() const { return data_.size() - pos_; }
    std::size_t size() const { return data_.size(); }
    bool failed() const { return failed_; }
    bool atEnd() const { return pos_ >= data_.size(); }

    bool skip(std::size_t n);
    bool seek(std::size_t offset);
    // The fixed-width reads are inline: a game file is tens of thousands of
    // them, and statistics read whole seasons of game files.
    std::int8_t i8() {
        if (!failed_ && remaining() >= 1) return static_cast<std::int8_t>(data_[pos_++]);
        std::uint8_t b[1];
        take(b, 1);
        return 0;
    }
    std::int16_t i16() {
        if (!failed_ && remaining() >= 2) {
            const auto v = static_cast<std::uint16_t>(data_[pos_] | (data_[pos_ + 1] << 8));
            pos_ += 2;
            return static_cast<std::int16_t>(v);
        }
        std::uint8_t b[2];
        take(b, 2);
        return 0;
    }
    std::uint32_t u32() {
        if (!failed_ && remaining() >= 4) {
            const std::uint32_t v = static_cast<std::uint32_t>(data_[pos_]) |
                                    (static_cast<std::uint32_t>(data_[pos_ + 1]) << 8) |
                                    (static_cast<std::uint32_t>(data_[pos_ + 2]) << 16) |
                                    (static_cast<std::uint32_t>(data_[pos_ + 3]) << 24);
            pos_ += 4;
            return v;
        }
        std::uint8_t b[4];
        take(b, 4);
        return 0;
    }
    std::int32_t i32() { return static_cast<std::int32_t>(u32()); }
    // The next n bytes, stepped over, for decoding a whole record at once;
    // null when the reader has failed or fewer than n remain, and then the
    // reader is left as it was.
    const std::uint8_t* takeBlock(std::size_t n) {
        if (failed_ || remaining() < n) return nullptr;
        const std::uint8_t* block = data_.data() + pos_;
        pos_ += n;
        return block;
    }
    // Fixed-width text field: the bytes up to the first NUL, or the whole
    // width when it holds none.
    std::string text(std::size_t width);

private:
    bool take(void* out, std::size_t n);

    std::span<const std::uint8_t> data_;
    std::size_t pos_ = 0;
    bool failed_ = false;
};

// Little-endian writer into one growing buffer. Writers that know the size
// of what they write reserve it once and encode whole records straight into
// the buffer (extend), instead of growing it a byte at a time.
class ByteWriter {
public:
    void reserve(std::size_t totalBytes) { data_.reserve(totalBytes); }
    // The next n bytes of the buffer, for the caller to fill completely.
    std::uint8_t* extend(std::size_t n) {
        const std::size_t old = data_.size();
        data_.resize(old + n);
        return data_.data() + old;
    }
    void i8(std::int8_t v) { *extend(1) = static_cast<std::uint8_t>(v); }
    void i16(std::int16_t v);
    void i32(std::int32_t v);
    void u32(std::uint32_t v);
    // Writes exactly width bytes: the text cut to width, NUL padded.
    void text(std::string_view s, std::size_t width);
    void bytes(std::span<const std::uint8_t> b);

    const std::vector<std::uint8_t>& data() const { return data_; }
    std::vector<std::uint8_t> take() { return std::move(data_); }

private:
    std::vector<std::uint8_t> data_;
};

// Encoders into a record being filled; each returns the byte after what it
// wrote.
inline std::uint8_t* putLe16(std::uint8_t* p, std::int16_t v) {
    const auto u = static_cast<std::uint16_t>(v);
    p[0] = static_cast<std::uint8_t>(u & 0xff);
    p[1] = static_cast<std::uint8_t>(u >> 8);
    return p + 2;
}
inline std::uint8_t* putLe32(std::uint8_t* p, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) p[i] = static_cast<std::uint8_t>((v >> (8 * i)) & 0xff);
    return p + 4;
}
// Exactly width bytes: the text cut to width, NUL padded.
std::uint8_t* putText(std::uint8_t* p, std::string_view s, std::size_t width);

// A little-endian 16-bit value inside a block from takeBlock.
inline std::int16_t le16At(const std::uint8_t* p) {
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(p[0] | (p[1] << 8)));
}

// Cuts a raw text to at most maxBytes bytes.
std::string cut(std::string_view s, std::size_t maxBytes);

}  // namespace courtlog
