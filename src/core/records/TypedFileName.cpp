#include "core/records/TypedFileName.h"

#include <algorithm>
#include <cctype>
#include <utility>

#include "core/records/FileNames.h"

namespace courtlog {

namespace {

// Typed extensions that ask for the same kind as an offered one.
constexpr std::pair<std::string_view, std::string_view> kLongForms[] = {{"htm", "html"}};

bool sameLetters(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

bool asksFor(std::string_view typed, std::string_view offered) {
    if (offered == "*" || sameLetters(typed, offered)) return true;
    return std::any_of(std::begin(kLongForms), std::end(kLongForms), [&](const auto& form) {
        return sameLetters(offered, form.first) && sameLetters(typed, form.second);
    });
}

}  // namespace

std::size_t kindNamedBy(std::string_view path, const OfferedKinds& kinds) {
    const std::string_view extension = fileExtension(path);
    if (extension.empty()) return 0;
    for (std::size_t kind = 0; kind < kinds.size(); ++kind)
        for (const std::string& offered : kinds[kind])
            if (asksFor(extension, offered)) return kind + 1;
    return 0;
}

TypedFileName typedFileName(std::string_view typed, const OfferedKinds& kinds, std::size_t selected,
                            std::string_view selectedExtension, bool saving) {
    TypedFileName result{std::string(typed), selected};
    if (typed.empty()) return result;
    if (const std::size_t named = kindNamedBy(typed, kinds)) {
        result.kind = named;
        return result;
    }
    const std::string_view name = bareFileName(typed);
    const bool hasDot = name.find('.') != std::string_view::npos;
    if (selectedExtension.empty() || name.empty() || (hasDot && !saving)) return result;
    // "roster." asked for no extension of its own: the dot is not doubled.
    if (result.path.back() != '.') result.path += '.';
    result.path += selectedExtension;
    return result;
}

}  // namespace courtlog
