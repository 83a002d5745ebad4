#include "core/output/AddressListTable.h"

#include <algorithm>
#include <numeric>

namespace courtlog::output {

namespace {

// Every column at its widest, capped at cap but never below its least.
AddressColumnWidths capped(const AddressColumnWidths& widest, const AddressColumnWidths& least, double cap) {
    AddressColumnWidths widths{};
    for (std::size_t i = 0; i < widths.size(); ++i) widths[i] = std::min(widest[i], std::max(cap, least[i]));
    return widths;
}

double total(const AddressColumnWidths& widths) { return std::accumulate(widths.begin(), widths.end(), 0.0); }

}  // namespace

AddressColumnWidths addressTableColumnWidths(const AddressColumnWidths& widest, const AddressColumnWidths& least,
                                             double available) {
    AddressColumnWidths natural{};
    for (std::size_t i = 0; i < natural.size(); ++i) natural[i] = std::max({widest[i], least[i], 0.0});
    const double wanted = total(natural);
    if (wanted <= available) {
        // Across the whole page: the room left shared out in proportion.
        if (wanted > 0)
            for (double& width : natural) width *= available / wanted;
        return natural;
    }
    // The largest cap that fits, found by halving.
    double low = 0;
    double high = *std::max_element(natural.begin(), natural.end());
    for (int step = 0; step < 60; ++step) {
        const double middle = (low + high) / 2;
        (total(capped(natural, least, middle)) <= available ? low : high) = middle;
    }
    return capped(natural, least, low);
}

std::vector<std::size_t> tablePageStarts(const std::vector<double>& rowHeights, double room) {
    std::vector<std::size_t> starts{0};
    double used = 0;
    for (std::size_t row = 0; row < rowHeights.size(); ++row) {
        if (used > 0 && used + rowHeights[row] > room) {
            starts.push_back(row);
            used = 0;
        }
        used += rowHeights[row];
    }
    return starts;
}

}  // namespace courtlog::output
