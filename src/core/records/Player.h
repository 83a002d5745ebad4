#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/records/CalendarDate.h"
#include "core/records/UniformNumber.h"

namespace courtlog {

// One roster entry. Texts are raw single-byte (Windows-1252) strings; the
// file layer cuts them to the field width when writing.
struct Player {
    static constexpr std::size_t kNameWidth = 25;
    static constexpr std::size_t kRecordSize = 47;
    static constexpr int kPeriodSlots = 8;

    std::string name;
    std::int16_t number = kUniformDoubleZero;
    std::array<std::int16_t, kPeriodSlots> playedInPeriod{};
    std::int16_t position = 0;   // 0 Bench, 1 Guard, 2 Center, 3 Forward
    std::int16_t courtSlot = 0;  // 0 not on court, 1..5 Guard 1 .. Forward 2

    bool operator==(const Player&) const = default;
};

// Stored birthday: year, day of month, month (1..12), in file order.
using BirthDate = CalendarDate;

struct PersonalInfo {
    static constexpr std::size_t kRecordSize = 331;
    static constexpr std::size_t kPhoneWidth = 25, kAddressWidth = 100, kCityWidth = 40,
                                 kStateWidth = 40, kZipWidth = 20, kEmailWidth = 50,
                                 kNoteWidth = 50;

    std::string phone;
    std::string address;
    std::string city;
    std::string state;
    std::string zip;
    BirthDate birthday;
    std::string email;
    std::string note;

    bool operator==(const PersonalInfo&) const = default;

    // Empty texts and today's date as birthday, as a freshly made record.
    static PersonalInfo blank();
};

}  // namespace courtlog
