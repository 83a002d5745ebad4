#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "core/records/PersonalInfoEntry.h"
#include "core/records/Team.h"

namespace courtlog {

// How two record texts compare: negative, zero or positive. The dialog
// passes the desktop's locale-aware, case-sensitive comparison; the default
// compares bytes.
using TextOrder = std::function<int(const std::string&, const std::string&)>;

// Sorts the roster by one address-list column: the name, the birthday (year,
// then month, then day) or one of the personal texts. Each player moves
// together with his personal information, so the order chosen becomes the
// roster order. Players with equal keys keep their order. Returns, for each
// new place, the place the player held before, so a selection can follow him.
std::vector<std::size_t> sortRosterByAddressColumn(Roster& roster, AddressColumn column, bool descending,
                                                   const TextOrder& order = {});

// The address list's column headings sort by their column: the first click
// on a heading sorts descending, the next click on the same heading
// ascending, and so on, each heading keeping its own direction.
class AddressListOrder {
public:
    std::vector<std::size_t> sortBy(Roster& roster, AddressColumn column, const TextOrder& order = {});
    bool nextIsDescending(AddressColumn column) const {
        return descending_[static_cast<std::size_t>(column)];
    }

private:
    std::array<bool, kAddressColumnCount> descending_{true, true, true, true, true, true, true, true, true};
};

}  // namespace courtlog
