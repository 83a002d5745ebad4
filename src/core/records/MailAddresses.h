#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/records/Team.h"

namespace courtlog {

// The players' e-mail addresses as the address list hands them on: to the
// desktop's mail program as a mailto: link, or to the clipboard. Addresses
// come back in UTF-8.

// The addresses in one e-mail field. A field may hold more than one (a
// family's two addresses), separated by commas, semicolons or blanks; a
// word in angle brackets counts without them ("Mom <mom@x.org>"), and a
// word without an '@' between other characters ("none", "-") is no address.
std::vector<std::string> mailAddressesIn(std::string_view recordText);

// Every player's addresses in roster order, each only once (the same
// address in other letter case included), as the first player gave it.
std::vector<std::string> teamMailAddresses(const Team& team);

// "mailto:" and the addresses joined by commas, one message to all. Every
// character a mailto: address may not hold as it is (a '%', '?', '&' or
// '#', blanks, letters beyond ASCII as their UTF-8 bytes) is
// percent-encoded, so no address adds a subject or a second recipient.
// "mailto:" alone, for no address, opens an empty message.
std::string mailtoLink(const std::vector<std::string>& addresses);

// The addresses as they paste into a mail program's "To" field, joined by
// a comma and a blank: "a@x.org, b@y.org".
std::string addressesForClipboard(const std::vector<std::string>& addresses);

}  // namespace courtlog
