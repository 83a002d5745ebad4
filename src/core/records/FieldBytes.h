#pragma once

#include <cstring>
#include <type_traits>

#include "core/records/ByteIo.h"
#include "core/records/RecordFields.h"

namespace courtlog {

// The desktop files' form of the described records: each field in list
// order, packed, little-endian; a text in its fixed width, NUL-terminated
// within it; a date as a 32-bit year, a day byte and a month byte. Records
// are encoded into and decoded from whole blocks of their stored size.

namespace fieldbytes {

template <class Field>
using ValueOf = typename std::decay_t<Field>::ValueType;

template <class Record>
constexpr std::size_t recordSize();

template <class Value>
constexpr std::size_t valueSize(std::size_t width) {
    if constexpr (DescribedRecord<Value>) return recordSize<Value>();
    else if constexpr (std::is_same_v<Value, std::string>) return width;
    else if constexpr (std::is_same_v<Value, BirthDate>) return 6;
    else if constexpr (IsNumberList<Value>::value) return std::tuple_size_v<Value> * sizeof(typename Value::value_type);
    else return sizeof(Value);
}

template <class Record>
constexpr std::size_t recordSize() {
    std::size_t size = 0;
    forEachField<Record>([&size](const auto& field) { size += valueSize<ValueOf<decltype(field)>>(field.width); });
    return size;
}

template <class Record>
std::uint8_t* encode(std::uint8_t* p, const Record& record);
template <class Record>
void decode(const std::uint8_t* b, Record& record);

template <class Value>
std::uint8_t* encodeValue(std::uint8_t* p, const Value& value, std::size_t width) {
    if constexpr (DescribedRecord<Value>) {
        return encode(p, value);
    } else if constexpr (std::is_same_v<Value, std::string>) {
        return putText(p, value, width);
    } else if constexpr (std::is_same_v<Value, BirthDate>) {
        p = putLe32(p, static_cast<std::uint32_t>(value.year));
        *p++ = static_cast<std::uint8_t>(value.day);
        *p++ = static_cast<std::uint8_t>(value.month);
        return p;
    } else if constexpr (IsNumberList<Value>::value) {
        for (const auto number : value) p = encodeValue(p, number, 0);
        return p;
    } else if constexpr (sizeof(Value) == 1) {
        *p = static_cast<std::uint8_t>(value);
        return p + 1;
    } else if constexpr (sizeof(Value) == 2) {
        return putLe16(p, value);
    } else {
        static_assert(sizeof(Value) == 4);
        return putLe32(p, static_cast<std::uint32_t>(value));
    }
}

inline std::int32_t le32At(const std::uint8_t* b) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(b[0]) | (static_cast<std::uint32_t>(b[1]) << 8) |
                                     (static_cast<std::uint32_t>(b[2]) << 16) |
                                     (static_cast<std::uint32_t>(b[3]) << 24));
}

template <class Value>
void decodeValue(const std::uint8_t* b, Value& value, std::size_t width) {
    if constexpr (DescribedRecord<Value>) {
        decode(b, value);
    } else if constexpr (std::is_same_v<Value, std::string>) {
        const char* text = reinterpret_cast<const char*>(b);
        value.assign(text, strnlen(text, width));
    } else if constexpr (std::is_same_v<Value, BirthDate>) {
        value.year = le32At(b);
        value.day = static_cast<std::int8_t>(b[4]);
        value.month = static_cast<std::int8_t>(b[5]);
    } else if constexpr (IsNumberList<Value>::value) {
        constexpr std::size_t step = sizeof(typename Value::value_type);
        for (auto& number : value) {
            decodeValue(b, number, 0);
            b += step;
        }
    } else if constexpr (sizeof(Value) == 1) {
        value = static_cast<Value>(b[0]);
    } else if constexpr (sizeof(Value) == 2) {
        value = le16At(b);
    } else {
        static_assert(sizeof(Value) == 4);
        value = static_cast<Value>(le32At(b));
    }
}

template <class Record>
std::uint8_t* encode(std::uint8_t* p, const Record& record) {
    forEachField<Record>([&](const auto& field) { p = encodeValue(p, field.of(record), field.width); });
    return p;
}

template <class Record>
void decode(const std::uint8_t* b, Record& record) {
    forEachField<Record>([&](const auto& field) {
        decodeValue(b, field.of(record), field.width);
        b += valueSize<ValueOf<decltype(field)>>(field.width);
    });
}

}  // namespace fieldbytes

// Bytes a record of Record takes in a desktop file.
template <class Record>
inline constexpr std::size_t kStoredSize = fieldbytes::recordSize<Record>();

// Where member starts in a stored record of Record.
template <class Record, class Value>
constexpr std::size_t storedOffsetOf(Value Record::*member) {
    std::size_t offset = 0;
    bool found = false;
    forEachField<Record>([&](const auto& field) {
        using FieldValue = fieldbytes::ValueOf<decltype(field)>;
        if constexpr (std::is_same_v<FieldValue, Value>)
            if (field.member == member) found = true;
        if (!found) offset += fieldbytes::valueSize<FieldValue>(field.width);
    });
    return offset;
}

// Fills exactly kStoredSize<Record> bytes at p; returns the byte after them.
template <class Record>
std::uint8_t* encodeRecord(std::uint8_t* p, const Record& record) {
    return fieldbytes::encode(p, record);
}

// Reads the kStoredSize<Record> bytes at b into record.
template <class Record>
void decodeRecord(const std::uint8_t* b, Record& record) {
    fieldbytes::decode(b, record);
}

// Reads the next record; when fewer bytes than a record remain, the reader
// is marked failed and a fresh record comes back.
template <class Record>
Record readRecord(ByteReader& in) {
    Record record;
    if (const std::uint8_t* b = in.takeBlock(kStoredSize<Record>)) {
        decodeRecord(b, record);
    } else {
        in.skip(in.remaining() + 1);
    }
    return record;
}

// Reads the fields of record one by one, each only when the data holds all
// of it: a record cut short keeps the values it had for the fields it lacks
// (and the reader is marked failed).
template <class Record>
void readFieldsWhole(ByteReader& in, Record& record) {
    forEachField<Record>([&](const auto& field) {
        const std::size_t size = fieldbytes::valueSize<fieldbytes::ValueOf<decltype(field)>>(field.width);
        if (const std::uint8_t* b = in.takeBlock(size)) {
            fieldbytes::decodeValue(b, field.of(record), field.width);
        } else {
            in.skip(size);
        }
    });
}

}  // namespace courtlog
