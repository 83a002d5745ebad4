#include "cli/CommandLineTool.h"

#include "core/ProgramInfo.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <functional>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

#include "core/output/ExportFile.h"
#include "core/records/Codes.h"
#include "core/records/FileKind.h"
#include "core/records/Game.h"
#include "core/records/GameFileJson.h"
#include "core/records/JsonForm.h"
#include "core/records/JsonStreamWriter.h"
#include "core/records/RosterExport.h"
#include "core/records/SafeSave.h"
#include "core/records/Schedule.h"
#include "core/records/Settings.h"
#include "core/records/Team.h"
#include "core/records/TeamDamage.h"
#include "cli/PalmFiles.h"
#include "cli/RecordDocument.h"
#include "cli/Verbs.h"
#include "cli/ExitStatus.h"

namespace courtlog::cli {

namespace {

using json = nlohmann::ordered_json;

// Larger than any team or game file this program writes.
constexpr std::size_t kMaxInputBytes = 64u << 20;

// ---- file kinds ----
//
// Every kind reads into a record and writes from the record's JSON form, so
// any reader can feed any writer of the same record kind. Later kinds
// (schedules) add a row to formats().

// A reader that read something but not a whole file returns true with out
// holding what it read and error saying what is wrong; the verbs print the
// error and end with a failure, so a damaged file never passes as whole.
using ReadFn = std::function<bool(const std::string& path, RecordDocument& out, std::string& error)>;
using WriteFn = std::function<bool(const json& doc, const std::string& path, std::string& error)>;
// Prints the file's JSON form while reading it; false with the message in
// error (nothing printed, unless the file failed part way).
using DumpFn = std::function<bool(const std::string& path, JsonStreamWriter& out, std::string& error)>;

struct FileFormat {
    FileKind fileKind;
    const char* description;  // for help
    const char* kind;         // record kind it holds: "team", "game", "settings"; empty: any
    ReadFn read;              // empty: cannot be read
    WriteFn write;            // empty: cannot be written
    DumpFn dump = nullptr;    // empty: dump reads the record whole, then prints it
};

bool requireKind(const json& doc, const char* kind, const char* what, std::string& error) {
    std::string have = jsonKind(doc);
    if (have == kind) return true;
    error = "Can't write " + (have.empty() ? std::string("this data") : "a " + have) + " as " + what;
    return false;
}

bool readTeamFile(const std::string& path, RecordDocument& out, std::string& error) {
    Team team;
    team.fileName = path;
    std::string reason;
    if (!team.load(&reason)) {
        error = "Can't load team ! " + path + (reason.empty() ? "" : ": " + reason);
        return false;
    }
    error = teamDamageText(team, path);
    out = std::move(team);
    return true;
}

bool writeTeamFile(const json& doc, const std::string& path, std::string& error) {
    if (!requireKind(doc, "team", "a team file", error)) return false;
    Team team;
    if (!teamFromJson(doc, team, &error)) return false;
    std::string reason;
    if (!team.saveTo(path, &reason)) {
        error = "Can't save team ! " + path + (reason.empty() ? "" : ": " + reason);
        return false;
    }
    return true;
}

std::string gameLoadFailure(const std::string& path, const std::string& reason) {
    return "Can't load game ! " + path + (reason.empty() ? "" : ": " + reason);
}

bool readGameFile(const std::string& path, RecordDocument& out, std::string& error) {
    Game game;
    std::string reason;
    if (!game.load(path, &reason)) {
        error = gameLoadFailure(path, reason);
        return false;
    }
    out = std::move(game);
    return true;
}

// A game file is printed as it is read, so a game of any length takes the
// same memory.
bool dumpGameFile(const std::string& path, JsonStreamWriter& out, std::string& error) {
    std::string reason;
    if (writeGameFileJson(path, out, &reason)) return true;
    error = gameLoadFailure(path, reason);
    return false;
}

bool writeGameFile(const json& doc, const std::string& path, std::string& error) {
    if (!requireKind(doc, "game", "a game file", error)) return false;
    Game game;
    if (!gameFromJson(doc, game, &error)) return false;
    std::string reason;
    if (!game.save(path, &reason)) {
        error = "Can't save game ! " + path + (reason.empty() ? "" : ": " + reason);
        return false;
    }
    return true;
}

bool readSettingsFile(const std::string& path, RecordDocument& out, std::string& error) {
    Settings settings;
    settings.setDefaults();
    if (!settings.readSettings(path, &error)) return false;
    out = settings;
    return true;
}

bool writeSettingsFile(const json& doc, const std::string& path, std::string& error) {
    if (!requireKind(doc, "settings", "a settings file", error)) return false;
    Settings settings;
    if (!settingsFromJson(doc, settings, &error)) return false;
    std::string reason;
    if (!settings.writeSettings(path, &reason)) {
        error = "Can't save settings ! " + path + (reason.empty() ? "" : ": " + reason);
        return false;
    }
    return true;
}

bool readScheduleFile(const std::string& path, RecordDocument& out, std::string& error) {
    Schedule schedule;
    const Schedule::LoadResult result = schedule.load(path);
    if (!result.ok()) {
        error = "Can't load schedule ! " + result.error;
        return false;
    }
    out = std::move(schedule);
    return true;
}

bool writeScheduleFile(const json& doc, const std::string& path, std::string& error) {
    if (!requireKind(doc, "schedule", "a schedule file", error)) return false;
    Schedule schedule;
    if (!scheduleFromJson(doc, schedule, &error)) return false;
    std::string reason;
    if (!schedule.save(path, &reason)) {
        error = "Can't save " + path + " !" + (reason.empty() ? "" : " " + reason);
        return false;
    }
    return true;
}

bool readJsonFile(const std::string& path, RecordDocument& document, std::string& error) {
    std::string reason;
    auto bytes = readWholeFile(path, kMaxInputBytes, &reason);
    if (!bytes) {
        error = "Can't read " + path + (reason.empty() ? "" : ": " + reason);
        return false;
    }
    json out;
    try {
        out = json::parse(bytes->begin(), bytes->end());
    } catch (const json::exception& e) {
        error = "Not valid JSON: " + path + ": " + e.what();
        return false;
    }
    std::string kind = jsonKind(out);
    if (kind != "team" && kind != "game" && kind != "settings" && kind != "schedule") {
        error = path + ": the JSON needs \"kind\": \"team\", \"game\", \"settings\" or \"schedule\"";
        return false;
    }
    // Read it as its record now, so a bad field is reported against the input
    // and what goes on is the complete form with every default filled in.
    bytes.reset();
    bool ok = true;
    if (kind == "team") {
        Team team;
        ok = teamFromJson(out, team, &reason);
        if (ok) document = std::move(team);
    } else if (kind == "game") {
        Game game;
        ok = gameFromJson(out, game, &reason);
        if (ok) document = std::move(game);
    } else if (kind == "schedule") {
        Schedule schedule;
        ok = scheduleFromJson(out, schedule, &reason);
        if (ok) document = std::move(schedule);
    } else {
        Settings settings;
        ok = settingsFromJson(out, settings, &reason);
        if (ok) document = settings;
    }
    if (!ok) error = path + ": " + reason;
    return ok;
}

std::string jsonText(const json& doc) { return doc.dump(2, ' ', false, json::error_handler_t::replace) + "\n"; }

bool writeJsonFile(const json& doc, const std::string& path, std::string& error) {
    std::string reason;
    if (!safeSave(path, std::string_view(jsonText(doc)), &reason)) {
        error = "Can't save " + path + (reason.empty() ? "" : ": " + reason);
        return false;
    }
    return true;
}

bool readTeamImport(const std::string& path, RecordDocument& out, std::string& error) {
    Team team;
    Team::ImportResult result = team.importFrom(path);
    if (!result.ok) {
        error = "Can't import team ! " + path + (result.error.empty() ? "" : ": " + result.error);
        return false;
    }
    out = std::move(team);
    return true;
}

bool writeTeamExport(const json& doc, const std::string& path, std::string& error) {
    if (!requireKind(doc, "team", "a comma-delimited roster", error)) return false;
    Team team;
    if (!teamFromJson(doc, team, &error)) return false;
    const std::string text = commaDelimitedRoster(team);
    std::string reason;
    // The same file as the team editor's export, in the same characters.
    if (!output::writeExportText(path, output::ExportMode::Overwrite, text,
                                 output::ExportEncoding::Utf8WithBom, &reason)) {
        error = "Can't save " + path + (reason.empty() ? "" : ": " + reason);
        return false;
    }
    return true;
}

const std::vector<FileFormat>& formats() {
    static const std::vector<FileFormat> table{
        {FileKind::Team, "team file", "team", readTeamFile, writeTeamFile},
        {FileKind::Game, "game file", "game", readGameFile, writeGameFile, dumpGameFile},
        {FileKind::Settings, "settings file (crtlog.ini)", "settings", readSettingsFile, writeSettingsFile},
        {FileKind::Schedule, "schedule file", "schedule", readScheduleFile, writeScheduleFile},
        {FileKind::Json, "JSON form of any of them", "", readJsonFile, writeJsonFile},
        {FileKind::CommaDelimited, "comma-delimited team roster", "team", readTeamImport, writeTeamExport},
        {FileKind::PlainText, "plain-text team roster (input only)", "team", readTeamImport, nullptr},
        {FileKind::PalmDatabase, "Palm database of a team or game", "",
         [](const std::string& path, RecordDocument& out, std::string& error) {
             return readPalmFile(path, "", out, error);
         },
         writePalmFile},
    };
    return table;
}

const FileFormat* formatOf(const std::string& path) {
    for (const FileFormat& f : formats())
        if (fileKindOf(path) == f.fileKind) return &f;
    return nullptr;
}

bool readAny(const std::string& path, RecordDocument& out, std::string& error) {
    const FileFormat* f = formatOf(path);
    if (!f || !f->read) {
        error = "Unknown input file kind: " + path;
        return false;
    }
    return f->read(path, out, error);
}

// ---- verbs ----

struct Verb {
    const char* name;
    const char* arguments;
    const char* summary;
    int argumentCount;  // after the verb; -1: the verb checks its own arguments
    std::function<int(const std::vector<std::string>& args)> run;
};

const std::vector<Verb>& verbs();

void printUsage(std::ostream& out) {
    out << kProgramTitle << " " << kProgramVersion << "\n\nUsage:\n";
    for (const Verb& v : verbs()) {
        std::string line = std::string("  courtlog ") + v.name + (*v.arguments ? " " : "") + v.arguments;
        out << line << std::string(line.size() < 32 ? 32 - line.size() : 1, ' ') << v.summary << "\n";
    }
    out << "\nFile kinds, by extension:\n";
    for (const FileFormat& f : formats()) out << "  " << extensionOf(f.fileKind) << std::string(8 - extensionOf(f.fileKind).size(), ' ')
                                              << f.description << "\n";
}

int fail(const std::string& message) {
    std::cerr << message << "\n";
    return kExitFailed;
}

int runConvert(const std::vector<std::string>& args) {
    const std::string& in = args[0];
    const std::string& out = args[1];
    const FileFormat* target = formatOf(out);
    if (!target || !target->write) return fail("Unknown output file kind: " + out);
    RecordDocument record;
    std::string error;
    // A Palm database is read as the kind the output wants (any kind for .json or .pdb).
    const bool palmInput = fileKindOf(in) == FileKind::PalmDatabase;
    if (!(palmInput ? readPalmFile(in, target->kind, record, error) : readAny(in, record, error)))
        return fail(error);
    // A damaged input is not carried into a file that would look whole.
    if (!error.empty()) return fail(error);
    if (!target->write(documentToJson(record), out, error)) return fail(error);
    return kExitDone;
}

// The JSON form is written as the file is read, without a tree.
int runDump(const std::vector<std::string>& args) {
    const std::string& path = args[0];
    const FileFormat* format = formatOf(path);
    JsonStreamWriter out(writeToStandardOutput);
    std::string error;
    if (format && format->dump) {
        if (!format->dump(path, out, error)) return fail(error);
    } else {
        RecordDocument record;
        if (!readAny(path, record, error)) return fail(error);
        // What a damaged file held is printed all the same, and the damage said.
        writeDocumentJson(out, record);
    }
    const bool written = out.finishDocument() && std::fflush(stdout) == 0;
    if (!written) return fail("Can't write to standard output");
    return error.empty() ? 0 : fail(error);
}

// Pages are drawn with the window program's painting, which this tool is
// built without; the full program handles "pdf" before it gets here.
int runPdfWithoutWindows(const std::vector<std::string>&) {
    std::cerr << "courtlog pdf: PDF printouts need the full program (courtlog), which draws the pages; "
                 "this build has no windows.\n";
    return kExitUsage;
}

int runHelp(const std::vector<std::string>&) {
    printUsage(std::cout);
    std::cout << std::flush;
    return kExitDone;
}

int runVersion(const std::vector<std::string>&) {
    std::cout << kProgramTitle << " " << kProgramVersion << "\n" << std::flush;
    return kExitDone;
}

const std::vector<Verb>& verbs() {
    static const std::vector<Verb> table{
        {"convert", "IN OUT", "convert a file to another kind", 2, runConvert},
        {"dump", "FILE", "print a file in its JSON form", 1, runDump},
        {"summary", "GAME [--settings FILE]", "print what the console shows for a saved game", -1,
         runSummaryVerb},
        {"stats", "(--team NAME [--opponents|--combined] | --all) GAME... [--csv|--html|--benchboss OUT]",
         "print or export statistics over saved games", -1,
         runStatsVerb},
        {"shots", "(--team NAME [--opponents] | --all) [--player NAME] [--period P] [--kind K] GAME...",
         "print the marks and zones of a shot chart", -1, runShotsVerb},
        {"schedule", "FILE (--csv OUT | --html OUT | --ics OUT) [--settings FILE]",
         "export a schedule (--ics: a calendar file)", -1, runScheduleVerb},
        {"site", "--out DIR [--title TEXT] [--schedule FILE] [--settings FILE] GAME...",
         "build the league's web site from saved games", -1, runSiteVerb},
        {"boxscore", "GAME [--html OUT] [--settings FILE]", "print the box score of a saved game, or write it as HTML",
         -1, runBoxScoreVerb},
        {"roster", "TEAM (--csv OUT | --html OUT) [--personal] [--settings FILE]",
         "write a team's roster as comma-delimited text or a web page", -1, runRosterVerb},
        {"addresses", "TEAM (--csv OUT | --html OUT) [--settings FILE]",
         "write the players' address list as comma-delimited text or a web page", -1, runAddressesVerb},
        {"pdf", "KIND ARGS... OUT.pdf", "write a printout as PDF (full program only)", -1, runPdfWithoutWindows},
        {"help", "", "show this help", 0, runHelp},
        {"--help", "", "show this help", 0, runHelp},
        {"--version", "", "show the program version", 0, runVersion},
    };
    return table;
}

const Verb* findVerb(int argc, char** argv) {
    if (argc < 2 || !argv || !argv[1]) return nullptr;
    for (const Verb& v : verbs())
        if (std::string_view(argv[1]) == v.name) return &v;
    return nullptr;
}

}  // namespace

bool writeToStandardOutput(std::string_view text) {
    return std::fwrite(text.data(), 1, text.size(), stdout) == text.size();
}

bool namesFileToOpen(int argc, char** argv) {
    if (argc != 2 || !argv || !argv[1] || argv[1][0] == '-' || findVerb(argc, argv)) return false;
    std::error_code error;
    return std::filesystem::is_regular_file(argv[1], error);
}

bool isCommandLineVerb(int argc, char** argv) {
    if (findVerb(argc, argv) != nullptr) return true;
    if (namesFileToOpen(argc, argv)) return false;
    // Anything else that is not an option for the window system is a
    // mistyped verb: it gets the usage, never a window that waits.
    return argc >= 2 && argv && argv[1] && argv[1][0] != '-';
}

int runCommandLine(int argc, char** argv) {
    const Verb* verb = findVerb(argc, argv);
    if (!verb) {
        if (argc >= 2 && argv && argv[1]) std::cerr << "Unknown command: " << argv[1] << "\n\n";
        printUsage(std::cerr);
        return kExitUsage;
    }
    std::vector<std::string> args;
    for (int i = 2; i < argc; ++i) args.emplace_back(argv[i] ? argv[i] : "");
    if (verb->argumentCount >= 0 && static_cast<int>(args.size()) != verb->argumentCount) {
        std::cerr << "Usage: courtlog " << verb->name << (*verb->arguments ? " " : "") << verb->arguments << "\n";
        return kExitUsage;
    }
    try {
        return verb->run(args);
    } catch (const std::exception& e) {
        return fail(std::string("Unexpected error: ") + e.what());
    }
}

}  // namespace courtlog::cli
