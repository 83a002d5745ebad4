#include "core/site/PageNames.h"

namespace courtlog::site {

namespace {

// Long enough to tell pages apart, short enough for any file system.
constexpr std::size_t kMaxSlug = 48;

}  // namespace

std::string slugOf(std::string_view text) {
    std::string slug;
    bool gap = false;
    for (const char c : text) {
        const unsigned char u = static_cast<unsigned char>(c);
        const bool letter = (u >= 'a' && u <= 'z') || (u >= '0' && u <= '9');
        const bool capital = u >= 'A' && u <= 'Z';
        if (!letter && !capital) {
            gap = !slug.empty();
            continue;
        }
        if (gap) slug += '-';
        if (slug.size() >= kMaxSlug) break;
        slug += capital ? static_cast<char>(u - 'A' + 'a') : c;
        gap = false;
    }
    while (!slug.empty() && slug.back() == '-') slug.pop_back();
    return slug;
}

std::string PageNames::nameFor(std::string_view text) {
    std::string slug = slugOf(text);
    if (slug.empty()) slug = "page";
    std::string name = prefix_ + slug + ".html";
    for (int n = 2; !taken_.insert(name).second; ++n) name = prefix_ + slug + "-" + std::to_string(n) + ".html";
    return name;
}

}  // namespace courtlog::site
