#include "core/output/ExportFileName.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "core/records/Cp1252.h"
#include "core/records/Game.h"
#include "core/records/Schedule.h"
#include "core/records/Team.h"

namespace courtlog::output {

namespace {

constexpr std::size_t kMaxNameBytes = 120;

bool refusedInFileNames(unsigned char c) {
    return c < 0x20 || c == 0x7F ||
           std::string_view("/\\:*?\"<>|").find(static_cast<char>(c)) != std::string_view::npos;
}

bool endsWithNoCase(std::string_view text, std::string_view ending) {
    return text.size() >= ending.size() &&
           std::equal(ending.begin(), ending.end(), text.end() - static_cast<std::ptrdiff_t>(ending.size()),
                      [](char a, char b) {
                          return std::tolower(static_cast<unsigned char>(a)) ==
                                 std::tolower(static_cast<unsigned char>(b));
                      });
}

// The text with refused characters replaced and blanks collapsed and trimmed.
std::string cleaned(std::string_view text) {
    std::string out;
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (c == ' ' || c == '\t') {
            if (!out.empty() && out.back() != ' ') out += ' ';
        } else {
            out += refusedInFileNames(u) ? '-' : c;
        }
    }
    while (!out.empty() && out.back() == ' ') out.pop_back();
    return out;
}

}  // namespace

std::string exportFileName(std::string_view subject, std::string_view contents) {
    std::string name = cleaned(subject);
    const std::string what = cleaned(contents);
    if (name.empty()) {
        name = what;
        if (!name.empty()) name[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
    } else if (!what.empty() && !endsWithNoCase(name, what)) {
        name += ' ' + what;
    }
    if (name.size() > kMaxNameBytes) {
        std::size_t cut = kMaxNameBytes;
        // Back to the first byte of a character.
        while (cut > 0 && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80) --cut;
        name.resize(cut);
    }
    const std::size_t first = name.find_first_not_of(". ");
    name.erase(0, first == std::string::npos ? name.size() : first);
    while (!name.empty() && (name.back() == '.' || name.back() == ' ')) name.pop_back();
    return name;
}

std::string teamExportName(const Team& team, std::string_view contents) {
    return exportFileName(cp1252ToUtf8(team.name), contents);
}

std::string gameExportName(const Game& game, std::string_view contents) {
    const std::string visitor = cp1252ToUtf8(game.visitorName);
    const std::string home = cp1252ToUtf8(game.homeName);
    const std::string subject = visitor.empty() || home.empty() ? visitor + home : visitor + " at " + home;
    return exportFileName(subject, contents);
}

std::string scheduleExportName(const Schedule& schedule) {
    return exportFileName(std::filesystem::path(schedule.fileName).stem().string(), "schedule");
}

}  // namespace courtlog::output
