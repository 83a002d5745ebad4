#include "core/records/MailAddresses.h"

#include <algorithm>
#include <cctype>

#include "core/records/Cp1252.h"

namespace courtlog {

namespace {

bool isSeparator(char c) { return c == ',' || c == ';' || c == ' ' || c == '\t'; }

bool isAddress(std::string_view word) {
    const std::size_t at = word.find('@');
    return at != std::string_view::npos && at > 0 && at + 1 < word.size();
}

bool sameAddress(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

// Characters an address keeps as they are in a mailto: link: the unreserved
// ones and the delimiters the link's address part allows, but the comma
// that separates addresses.
bool keptInLink(unsigned char c) {
    if (std::isalnum(c) && c < 0x80) return true;
    return std::string_view("-._~!$'()*+:@").find(static_cast<char>(c)) != std::string_view::npos;
}

}  // namespace

std::vector<std::string> mailAddressesIn(std::string_view recordText) {
    std::vector<std::string> addresses;
    std::size_t i = 0;
    while (i < recordText.size()) {
        while (i < recordText.size() && isSeparator(recordText[i])) ++i;
        std::size_t end = i;
        while (end < recordText.size() && !isSeparator(recordText[end])) ++end;
        std::string_view word = recordText.substr(i, end - i);
        if (word.size() >= 2 && word.front() == '<' && word.back() == '>')
            word = word.substr(1, word.size() - 2);
        if (isAddress(word)) addresses.push_back(cp1252ToUtf8(word));
        i = end;
    }
    return addresses;
}

std::vector<std::string> teamMailAddresses(const Team& team) {
    std::vector<std::string> addresses;
    for (const PersonalInfo& info : team.personalInfo) {
        for (std::string& address : mailAddressesIn(info.email)) {
            const bool known = std::any_of(addresses.begin(), addresses.end(),
                                           [&](const std::string& a) { return sameAddress(a, address); });
            if (!known) addresses.push_back(std::move(address));
        }
    }
    return addresses;
}

std::string mailtoLink(const std::vector<std::string>& addresses) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string link = "mailto:";
    for (std::size_t n = 0; n < addresses.size(); ++n) {
        if (n > 0) link += ',';
        for (const char ch : addresses[n]) {
            const auto c = static_cast<unsigned char>(ch);
            if (keptInLink(c)) {
                link += ch;
            } else {
                link += '%';
                link += kHex[c >> 4];
                link += kHex[c & 0xF];
            }
        }
    }
    return link;
}

std::string addressesForClipboard(const std::vector<std::string>& addresses) {
    std::string text;
    for (const std::string& address : addresses) {
        if (!text.empty()) text += ", ";
        text += address;
    }
    return text;
}

}  // namespace courtlog
