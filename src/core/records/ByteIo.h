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
    std::int8_t i8();
    std::int16_t i16();
    std::int32_t i32();
    std::uint32_t u32();
    // Fixed-width text field: the bytes up to the first NUL, or the whole
    // width when it holds none.
    std::string text(std::size_t width);

private:
    bool take(void* out, std::size_t n);

    std::span<const std::uint8_t> data_;
    std::size_t pos_ = 0;
    bool failed_ = false;
};

class ByteWriter {
public:
    void i8(std::int8_t v);
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

// Cuts a raw text to at most maxBytes bytes.
std::string cut(std::string_view s, std::size_t maxBytes);

}  // namespace courtlog
