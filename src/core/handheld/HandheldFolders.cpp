#include "core/handheld/HandheldFolders.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <optional>
#include <system_error>

#include "core/records/SafeSave.h"

namespace courtlog::handheld {

namespace {

constexpr std::string_view kPalmFolderLabel = "Palm Desktop Folder: ";
constexpr std::string_view kDeviceNameLabel = "Device Name: ";
constexpr std::string_view kDeviceFolderLabel = "Device Folder: ";

bool hasControlCharacter(std::string_view s) {
    return std::any_of(s.begin(), s.end(), [](unsigned char c) { return c < 0x20 || c == 0x7f; });
}

std::string trimmed(std::string_view s) {
    const auto blank = [](unsigned char c) { return c == ' ' || c == '\t'; };
    while (!s.empty() && blank(static_cast<unsigned char>(s.front()))) s.remove_prefix(1);
    while (!s.empty() && blank(static_cast<unsigned char>(s.back()))) s.remove_suffix(1);
    return std::string(s);
}

std::string lowered(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

bool startsWith(std::string_view line, std::string_view label) { return line.substr(0, label.size()) == label; }

}  // namespace

void HandheldFolders::parse(std::string_view text) {
    palmDesktopFolder.clear();
    partners.clear();
    std::optional<std::string> pendingName;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);

        if (startsWith(line, kPalmFolderLabel)) {
            palmDesktopFolder = std::string(line.substr(kPalmFolderLabel.size()));
        } else if (startsWith(line, kDeviceNameLabel)) {
            pendingName = std::string(line.substr(kDeviceNameLabel.size()));
        } else if (startsWith(line, kDeviceFolderLabel) && pendingName) {
            if (partners.size() < kMaxPartners)
                partners.push_back({*pendingName, std::string(line.substr(kDeviceFolderLabel.size()))});
            pendingName.reset();
        }
    }
}

std::string HandheldFolders::format() const {
    std::string text;
    text.append(kPalmFolderLabel).append(palmDesktopFolder).append("\n");
    for (const DevicePartner& partner : partners) {
        text.append(kDeviceNameLabel).append(partner.name).append("\n");
        text.append(kDeviceFolderLabel).append(partner.folder).append("\n");
    }
    return text;
}

bool HandheldFolders::read(const std::string& path) {
    const std::optional<std::vector<std::uint8_t>> bytes = readWholeFile(path, kMaxFileSize);
    if (!bytes) return false;
    parse(std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
    return true;
}

bool HandheldFolders::write(const std::string& path, std::string* error) const {
    return safeSave(path, std::string_view(format()), error);
}

std::string HandheldFolders::palmFolderProblem(const std::string& folder) {
    if (folder.empty()) return {};
    if (hasControlCharacter(folder)) return "A folder name with line breaks or control characters can't be kept.";
    std::error_code ec;
    if (!std::filesystem::is_directory(folder, ec)) return "The folder " + folder + " does not exist.";
    return {};
}

std::string HandheldFolders::partnerNameProblem(const std::string& name, int editedIndex) const {
    const std::string wanted = trimmed(name);
    if (wanted.empty()) return "Type the name of the device.";
    if (wanted.size() > kMaxPartnerName)
        return "A device name can have at most " + std::to_string(kMaxPartnerName) + " characters.";
    if (hasControlCharacter(wanted)) return "A device name can't hold line breaks or control characters.";
    for (std::size_t i = 0; i < partners.size(); ++i)
        if (static_cast<int>(i) != editedIndex && lowered(partners[i].name) == lowered(wanted))
            return "A device named " + partners[i].name + " is already in the list.";
    return {};
}

std::string HandheldFolders::partnerFolderProblem(const std::string& folder) {
    if (folder.empty()) return "Choose the folder the device synchronises with.";
    return palmFolderProblem(folder);
}

std::string HandheldFolders::addPartner(const std::string& name, const std::string& folder) {
    if (partners.size() >= kMaxPartners)
        return "No more than " + std::to_string(kMaxPartners) + " devices can be kept.";
    if (std::string problem = partnerNameProblem(name); !problem.empty()) return problem;
    if (std::string problem = partnerFolderProblem(folder); !problem.empty()) return problem;
    partners.push_back({trimmed(name), folder});
    return {};
}

std::string HandheldFolders::renamePartner(int index, const std::string& name) {
    if (index < 0 || static_cast<std::size_t>(index) >= partners.size()) return "Choose a device in the list.";
    if (std::string problem = partnerNameProblem(name, index); !problem.empty()) return problem;
    partners[static_cast<std::size_t>(index)].name = trimmed(name);
    return {};
}

std::string HandheldFolders::removePartner(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= partners.size()) return "Choose a device in the list.";
    partners.erase(partners.begin() + index);
    return {};
}

}  // namespace courtlog::handheld
