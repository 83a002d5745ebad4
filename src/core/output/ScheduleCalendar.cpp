#include "core/output/ScheduleCalendar.h"

#include <cstdint>
#include <cstdio>
#include <ctime>
#include <map>
#include <tuple>

#include "core/records/Calendar.h"
#include "core/records/Cp1252.h"
#include "core/records/PlayerEntry.h"
#include "core/records/ScheduleForm.h"

namespace courtlog::output {

namespace {

constexpr std::size_t kMaxLineOctets = 75;

// Record text without the blanks around it, as UTF-8.
std::string utf8(std::string_view recordText) { return cp1252ToUtf8(trimmedName(recordText)); }

bool dateExists(const ScheduleEntry& entry) {
    return calendar::existsInGregorianCalendar(entry.date.year, entry.date.month, entry.date.day);
}

bool timeExists(const ScheduleEntry& entry) {
    return entry.hour >= 0 && entry.hour <= 24 && entry.minute >= 0 && entry.minute <= 59;
}

std::string dateTimeValue(const WallClockStart& at, bool utc) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d%02d%02dT%02d%02d00%s", at.year, at.month, at.day, at.hour, at.minute,
                  utc ? "Z" : "");
    return text;
}

std::string stampValue(const ClockReading& at) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d%02d%02dT%02d%02d%02dZ", at.year, at.month, at.day, at.hour, at.minute,
                  at.second);
    return text;
}

// 64-bit FNV-1a: the same on every machine and every run, unlike std::hash.
std::uint64_t stableHash(std::string_view bytes) {
    std::uint64_t hash = 0xcbf29ce484222325ull;
    for (const char c : bytes) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 0x100000001b3ull;
    }
    return hash;
}

// What makes an entry the same event from one export to the next.
std::string identityOf(const ScheduleEntry& entry) {
    std::string key = std::to_string(entry.kind) + '\n' + dateFieldText(entry.date) + '\n';
    key += entry.homeName + '\n' + entry.visitorName;
    return key;
}

void addProperty(std::string& out, std::string_view name, std::string_view value) {
    out += foldedLine(std::string(name) + ":" + std::string(value));
}

}  // namespace

std::optional<WallClockStart> entryStart(const ScheduleEntry& entry) {
    if (!dateExists(entry) || !timeExists(entry)) return std::nullopt;
    WallClockStart at{entry.date.year, entry.date.month, entry.date.day, entry.hour, entry.minute};
    if (at.hour == 24) {
        at.hour = 0;
        if (++at.day > calendar::daysInMonth(at.month, at.year) ||
            !calendar::existsInGregorianCalendar(at.year, at.month, at.day)) {
            at.day = 1;
            if (++at.month > 12) {
                at.month = 1;
                ++at.year;
            }
        }
        if (!calendar::existsInGregorianCalendar(at.year, at.month, at.day)) return std::nullopt;
    }
    return at;
}

std::string entrySummary(const ScheduleEntry& entry) {
    const std::string home = utf8(entry.homeName);
    const std::string visitor = utf8(entry.visitorName);
    std::string teams = home;
    if (!home.empty() && !visitor.empty()) teams += " vs ";
    teams += visitor;
    std::string summary(scheduleEventKindText(entry.kind));
    return teams.empty() ? summary : summary + " - " + teams;
}

std::string entryLabel(const ScheduleEntry& entry, std::size_t index) {
    return "entry " + std::to_string(index + 1) + " (" + dateFieldText(entry.date) + " " +
           timeFieldText(entry.hour, entry.minute) + ", " + entrySummary(entry) + ")";
}

std::string calendarText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            out += "\\n";
        } else if (c == '\\' || c == ';' || c == ',') {
            out += '\\';
            out += c;
        } else if ((static_cast<unsigned char>(c) < 0x20 && c != '\t') || c == 0x7f) {
            continue;
        } else {
            out += c;
        }
    }
    return out;
}

std::string foldedLine(std::string_view line) {
    std::string out;
    std::size_t room = kMaxLineOctets;
    std::size_t i = 0;
    while (line.size() - i > room) {
        std::size_t cut = i + room;
        // Back off to the start of a character: continuation bytes are 10xxxxxx.
        while (cut > i && (static_cast<unsigned char>(line[cut]) & 0xC0) == 0x80) --cut;
        if (cut == i) cut = i + room;  // not UTF-8 at all: cut where the octets run out
        out.append(line.substr(i, cut - i));
        out += "\r\n ";
        i = cut;
        room = kMaxLineOctets - 1;  // the blank that starts the line counts
    }
    out.append(line.substr(i));
    out += "\r\n";
    return out;
}

ScheduleCalendar scheduleCalendar(const Schedule& schedule, const ClockReading& stampUtc) {
    ScheduleCalendar calendar;
    std::string& out = calendar.text;
    addProperty(out, "BEGIN", "VCALENDAR");
    addProperty(out, "VERSION", "2.0");
    addProperty(out, "PRODID", "-//Brenvik//Basketball Courtlog//EN");
    addProperty(out, "CALSCALE", "GREGORIAN");
    addProperty(out, "METHOD", "PUBLISH");
    std::map<std::string, int> seen;
    const std::string stamp = stampValue(stampUtc);
    for (std::size_t i = 0; i < schedule.entries.size(); ++i) {
        const ScheduleEntry& entry = schedule.entries[i];
        const std::optional<WallClockStart> start = entryStart(entry);
        if (!start) {
            calendar.warnings.push_back("Left out of the calendar: " + entryLabel(entry, i) +
                                        (dateExists(entry) ? ": no such time of day" : ": no such date"));
            continue;
        }
        const std::string identity = identityOf(entry);
        const int occurrence = ++seen[identity];
        char uid[64];
        std::snprintf(uid, sizeof uid, "%016llx-%d@courtlog",
                      static_cast<unsigned long long>(stableHash(identity)), occurrence);
        addProperty(out, "BEGIN", "VEVENT");
        addProperty(out, "UID", uid);
        addProperty(out, "DTSTAMP", stamp);
        addProperty(out, "DTSTART", dateTimeValue(*start, false));
        addProperty(out, "SUMMARY", calendarText(entrySummary(entry)));
        if (const std::string court = utf8(entry.court); !court.empty())
            addProperty(out, "LOCATION", calendarText(court));
        if (const std::string note = utf8(entry.note); !note.empty())
            addProperty(out, "DESCRIPTION", calendarText(note));
        addProperty(out, "END", "VEVENT");
        ++calendar.events;
    }
    addProperty(out, "END", "VCALENDAR");
    return calendar;
}

ClockReading utcTimeNow() {
    const std::time_t now = std::time(nullptr);
    std::tm utc{};
    gmtime_r(&now, &utc);
    return {utc.tm_year + 1900, utc.tm_mon + 1, utc.tm_mday, utc.tm_hour, utc.tm_min, utc.tm_sec};
}

}  // namespace courtlog::output
