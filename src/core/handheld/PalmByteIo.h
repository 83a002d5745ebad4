#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace courtlog {

// Big-endian reader over a handheld payload or database image. Like the
// desktop file reader it never reads past the end: a read that runs short
// marks the reader failed and gives zeros or an empty text from then on, so
// a caller checks failed() once after a group of fields.
class PalmReader {
public:
    explicit PalmReader(std::span<const std::uint8_t> data) : data_(data) {}

    std::size_t position() const { return pos_; }
    std::size_t remaining() const { return data_.size() - pos_; }
    bool failed() const { return failed_; }

    std::uint8_t byte();
    std::int8_t signedByte() { return static_cast<std::int8_t>(byte()); }
    std::uint16_t word();
    // Fixed-width text: the bytes up to the first NUL, or the whole width.
    std::string text(std::size_t width);
    // True when the next n bytes equal chars (and steps over them).
    bool expect(std::string_view chars);
    bool skip(std::size_t n);

private:
    bool take(std::size_t n);

    std::span<const std::uint8_t> data_;
    std::size_t pos_ = 0;
    bool failed_ = false;
};

class PalmWriter {
public:
    // The low byte of v, whatever its sign.
    void byte(int v) { data_.push_back(static_cast<std::uint8_t>(v & 0xff)); }
    // The low 16 bits of v, high byte first.
    void word(int v);
    void longWord(std::uint32_t v);
    // Exactly width bytes: the text cut to width, NUL padded.
    void text(std::string_view s, std::size_t width);
    // The characters as they are, no terminator.
    void chars(std::string_view s);
    void bytes(std::span<const std::uint8_t> b);
    void zeros(std::size_t n) { data_.insert(data_.end(), n, 0); }

    std::size_t size() const { return data_.size(); }
    const std::vector<std::uint8_t>& data() const { return data_; }
    std::vector<std::uint8_t> take() { return std::move(data_); }

private:
    std::vector<std::uint8_t> data_;
};

}  // namespace courtlog
