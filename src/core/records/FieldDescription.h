#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <tuple>
#include <type_traits>

#include "core/records/JsonName.h"

namespace courtlog {

// The fields of a record, described once (RecordFields.h) and walked by
// every form the record takes: the desktop files, the JSON form and the
// handheld payload. A field is its name, its member, its width in the
// desktop file (texts), the values it may hold and how the handheld carries
// it; the order of the list is the order of every form.

// The values a number may hold.
struct ValueRange {
    long long lowest;
    long long highest;

    constexpr bool holds(long long value) const { return value >= lowest && value <= highest; }
    constexpr long long nearest(long long value) const {
        return value < lowest ? lowest : (value > highest ? highest : value);
    }
};

// The whole range of a stored number type.
template <class T>
constexpr ValueRange rangeOf() {
    return {std::numeric_limits<T>::min(), std::numeric_limits<T>::max()};
}

// How the handheld payload carries a field.
enum class PalmForm : std::uint8_t {
    None,        // not carried
    Text,        // the text in its 25 bytes
    Name,        // at most 24 characters, the 25th byte always NUL
    Byte,        // its low byte, read back unsigned
    SignedByte,  // its low byte, read back signed
    Word,        // 16 bits, high byte first, read back unsigned
    Flag,        // 1 when nonzero, else 0, read back unsigned
    SignedFlag,  // each value of a list: 1 when nonzero, else 0, read back signed
    Season,      // the season in two digits (see PalmPayload)
};

// Whether the team readers keep a number in its range today: the file
// reader moves it there and marks the team damaged, the JSON form refuses
// it. The other ranges say what the program writes, not yet what a reader
// checks.
enum class OnRead : std::uint8_t { Taken, HeldInRange };

template <class Record, class Value>
struct Field {
    using RecordType = Record;
    using ValueType = Value;

    JsonName name;
    Value Record::*member;
    std::size_t width;  // a text's bytes in the desktop file (its terminator included); 0 otherwise
    ValueRange valid;   // a number's values (each value of a list of numbers)
    PalmForm palm;
    OnRead onRead;

    constexpr Value& of(Record& record) const { return record.*member; }
    constexpr const Value& of(const Record& record) const { return record.*member; }
};

// A text field of width bytes (terminator included).
template <class Record>
constexpr Field<Record, std::string> textField(JsonName name, std::string Record::*member, std::size_t width,
                                               PalmForm palm = PalmForm::None) {
    return {name, member, width, {0, 0}, palm, OnRead::Taken};
}

// A number (or a fixed list of numbers) whose values lie in valid.
template <class Record, class Value>
constexpr Field<Record, Value> numberField(JsonName name, Value Record::*member, ValueRange valid,
                                           PalmForm palm = PalmForm::None, OnRead onRead = OnRead::Taken) {
    return {name, member, 0, valid, palm, onRead};
}

// A value of several parts kept together: a record held whole inside
// another (the player copied into a play) or a date.
template <class Record, class Inner>
constexpr Field<Record, Inner> compoundField(JsonName name, Inner Record::*member) {
    return {name, member, 0, {0, 0}, PalmForm::None, OnRead::Taken};
}

// FieldsOf<R>::list is the std::tuple of R's fields, in the order of its forms.
template <class Record>
struct FieldsOf;

template <class T>
concept DescribedRecord = requires { FieldsOf<T>::list; };

template <class T>
struct IsNumberList : std::false_type {};
template <class T, std::size_t N>
struct IsNumberList<std::array<T, N>> : std::is_integral<T> {};

// Calls visit(field) for each field of Record, in order.
template <class Record, class Visit>
constexpr void forEachField(Visit&& visit) {
    std::apply([&visit](const auto&... field) { (visit(field), ...); }, FieldsOf<Record>::list);
}

// The range the description gives member.
template <class Record, class Value>
constexpr ValueRange validRange(Value Record::*member) {
    ValueRange found{0, -1};
    forEachField<Record>([&](const auto& field) {
        if constexpr (std::is_same_v<typename std::decay_t<decltype(field)>::ValueType, Value>)
            if (field.member == member) found = field.valid;
    });
    return found;
}

// Brings every number of record that readers hold in range (OnRead::HeldInRange)
// into its range; true when any had to move.
template <class Record>
bool bringHeldFieldsIntoRange(Record& record) {
    bool moved = false;
    forEachField<Record>([&](const auto& field) {
        using Value = typename std::decay_t<decltype(field)>::ValueType;
        if constexpr (std::is_integral_v<Value>) {
            if (field.onRead != OnRead::HeldInRange) return;
            Value& value = field.of(record);
            const auto held = static_cast<Value>(field.valid.nearest(value));
            moved = moved || held != value;
            value = held;
        }
    });
    return moved;
}

}  // namespace courtlog
