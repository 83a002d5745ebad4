#pragma once

#include <string>
#include <string_view>
#include <unordered_set>

namespace courtlog::site {

// Page names that work on any web host and any disk: lower-case ASCII
// letters and digits with hyphens between words, so that two names never
// differ by letter case alone (a USB stick or a Windows host would take
// them for one file). "Harbor Hawks" gives "harbor-hawks"; a name with no
// ASCII letter or digit gives an empty slug.
std::string slugOf(std::string_view text);

// Hands out unique page names of one kind: prefix, the slug of the text
// ("page" when it is empty) and ".html"; a slug given before gets "-2",
// "-3" and so on. The first text to ask keeps the plain name, so names are
// stable as long as the order of asking is.
class PageNames {
public:
    explicit PageNames(std::string prefix) : prefix_(std::move(prefix)) {}
    std::string nameFor(std::string_view text);

private:
    std::string prefix_;
    std::unordered_set<std::string> taken_;
};

}  // namespace courtlog::site
