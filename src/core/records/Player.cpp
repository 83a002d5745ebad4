#include "core/records/Player.h"
#include "core/records/Clock.h"

#include <ctime>


namespace courtlog {

BirthDate BirthDate::today() {
    const std::tm local = localClockNow();
    BirthDate d;
    d.year = local.tm_year + 1900;
    d.day = static_cast<std::int8_t>(local.tm_mday);
    d.month = static_cast<std::int8_t>(local.tm_mon + 1);
    return d;
}

PersonalInfo PersonalInfo::blank() {
    PersonalInfo info;
    info.birthday = BirthDate::today();
    return info;
}

}  // namespace courtlog
