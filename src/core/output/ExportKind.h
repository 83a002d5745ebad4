#pragma once

#include <array>
#include <span>
#include <string_view>

namespace courtlog::output {

// What an export's save dialog can write.
enum class ExportKind { CommaDelimited, Html, TeamFile, Benchboss };

// True when a chosen file name asks for a web page whatever filter was
// chosen: longer than four characters, with "htm" (any case) among its
// last five ("roster.html", "ROSTER.HTM").
bool namesHtmlPage(std::string_view path);

// The kind a save dialog's answer makes, the one rule of every export: a
// web page when the name asks for one; otherwise the kind of the chosen
// filter (filterKinds lists them in the dialog's order, counted from 1);
// comma-delimited text for any other filter.
ExportKind exportKindChosen(std::string_view path, int filterIndex, std::span<const ExportKind> filterKinds);

// The exports' dialogs: their filters, and the kind of each in order.
inline constexpr std::string_view kTextOrPageFilters =
    "Comma Delimited Format (*.csv)|*.csv|HTML (Web Page) Format (*.htm)|*.htm|";
inline constexpr std::array kTextOrPageKinds{ExportKind::CommaDelimited, ExportKind::Html};

inline constexpr std::string_view kRosterSaveFilters =
    "Team File (*.tem)|*.tem|Comma Delimited Format (*.csv)|*.csv|HTML (Web Page) Format (*.htm)|*.htm|";
inline constexpr std::array kRosterSaveKinds{ExportKind::TeamFile, ExportKind::CommaDelimited, ExportKind::Html};

inline constexpr const char* kStatisticsExportFilters =
    "Comma Separated Value (*.csv)|*.csv|HTML (Web Page) Format (*.htm)|*.htm|"
    "Benchboss Import Format (*.txt)|*.txt|";
inline constexpr std::array kStatisticsExportKinds{ExportKind::CommaDelimited, ExportKind::Html,
                                                   ExportKind::Benchboss};

}  // namespace courtlog::output
