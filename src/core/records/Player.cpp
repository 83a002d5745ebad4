#include "core/records/Player.h"

namespace courtlog {

PersonalInfo PersonalInfo::blank() {
    PersonalInfo info;
    info.birthday = BirthDate::today();
    return info;
}

}  // namespace courtlog
