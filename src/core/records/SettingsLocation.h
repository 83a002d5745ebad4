#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace courtlog {

// Where the program keeps crtlog.ini and the files that live beside it (the
// handheld folders). The window program and every verb find it the same way.
struct SettingsLocation {
    std::string folder;
    // The start folder's own crtlog.ini: a portable setup, or where earlier
    // versions of the program kept it.
    bool portable = false;

    std::string settingsFile() const;
    std::string fileBeside(std::string_view name) const;
};

// Reads an environment variable as std::getenv does (nullptr when unset).
using EnvironmentLookup = std::function<const char*(const char*)>;
const char* processEnvironment(const char* name);

// A crtlog.ini in startFolder wins. Otherwise the folder "courtlog" in
// $XDG_CONFIG_HOME, or in $HOME/.config when that variable is unset, empty
// or not an absolute path; with no usable home either, the start folder.
SettingsLocation findSettingsLocation(const std::string& startFolder,
                                      const EnvironmentLookup& environment = processEnvironment);

// The settings file a verb reads when none is named with --settings: the
// one found from the current folder.
std::string verbSettingsFile();

// Creates the location's folder with the missing folders above it (readable
// by the user alone, as configuration folders are), so that files can be
// saved there. False with the reason when it cannot be made.
bool makeSettingsFolder(const SettingsLocation& location, std::string* error = nullptr);

}  // namespace courtlog
