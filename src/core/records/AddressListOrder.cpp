#include "core/records/AddressListOrder.h"

#include <algorithm>
#include <numeric>
#include <tuple>
#include <vector>

namespace courtlog {

namespace {

int byteOrder(const std::string& a, const std::string& b) { return a.compare(b); }

const std::string& textOf(const Roster& roster, std::size_t i, AddressColumn column) {
    const PersonalInfo& info = roster.personalInfo[i];
    switch (column) {
        case AddressColumn::Phone:
            return info.phone;
        case AddressColumn::Address:
            return info.address;
        case AddressColumn::City:
            return info.city;
        case AddressColumn::State:
            return info.state;
        case AddressColumn::Zip:
            return info.zip;
        case AddressColumn::Email:
            return info.email;
        case AddressColumn::Note:
            return info.note;
        case AddressColumn::Name:
        case AddressColumn::Birthday:
            break;
    }
    return roster.players[i].name;
}

}  // namespace

std::vector<std::size_t> sortRosterByAddressColumn(Roster& roster, AddressColumn column, bool descending,
                                                   const TextOrder& order) {
    if (roster.personalInfo.size() < roster.players.size()) roster.personalInfo.resize(roster.players.size());
    const TextOrder& compareTexts = order ? order : TextOrder(byteOrder);
    auto compare = [&](std::size_t a, std::size_t b) {
        if (column == AddressColumn::Birthday) {
            const BirthDate& x = roster.personalInfo[a].birthday;
            const BirthDate& y = roster.personalInfo[b].birthday;
            const auto kx = std::make_tuple(x.year, x.month, x.day),
                       ky = std::make_tuple(y.year, y.month, y.day);
            return kx < ky ? -1 : (ky < kx ? 1 : 0);
        }
        return compareTexts(textOf(roster, a, column), textOf(roster, b, column));
    };
    std::vector<std::size_t> sequence(roster.players.size());
    std::iota(sequence.begin(), sequence.end(), std::size_t{0});
    std::stable_sort(sequence.begin(), sequence.end(), [&](std::size_t a, std::size_t b) {
        const int c = compare(a, b);
        return descending ? c > 0 : c < 0;
    });
    std::vector<Player> players;
    std::vector<PersonalInfo> info;
    players.reserve(sequence.size());
    info.reserve(sequence.size());
    for (std::size_t i : sequence) {
        players.push_back(roster.players[i]);
        info.push_back(roster.personalInfo[i]);
    }
    roster.players = std::move(players);
    roster.personalInfo = std::move(info);
    return sequence;
}

std::vector<std::size_t> AddressListOrder::sortBy(Roster& roster, AddressColumn column,
                                                  const TextOrder& order) {
    const auto i = static_cast<std::size_t>(column);
    if (i >= descending_.size()) return {};
    std::vector<std::size_t> sequence = sortRosterByAddressColumn(roster, column, descending_[i], order);
    descending_[i] = !descending_[i];
    return sequence;
}

}  // namespace courtlog
