#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/records/Settings.h"

namespace courtlog::output {

// The look every HTML page of the program shares: five colours, a font face
// and two font sizes, plus the address the page foot links to. The running
// program keeps them in its settings (and so in crtlog.ini); a writer gets a
// copy made with fromSettings().
//
// Colours are 0x00BBGGRR values (red in the low byte), as the settings file
// stores them.
struct HtmlStyle {
    // The five colours, in the order of the settings file and of the
    // "Colors:" list of the HTML Options dialog.
    enum Colour { HeaderBackground, PrimaryRow, AlternateRow, Font, HeaderFont, kColourCount };

    // The built-in colours, which "Reset to defaults" brings back: header
    // F9FAD6, rows FFFFFF and EEEEEE, both fonts black.
    static constexpr std::array<std::uint32_t, kColourCount> kDefaultColours = Settings::kDefaultHtmlColors;
    // The two faces that are no font name: no face attribute, and teletype.
    static constexpr std::string_view kVariableWidth = "Variable Width";
    static constexpr std::string_view kFixedWidth = "Fixed Width";
    static constexpr int kMinFontSize = 1;
    static constexpr int kMaxFontSize = 20;

    std::array<std::uint32_t, kColourCount> colours = kDefaultColours;
    std::string fontFace{kFixedWidth};
    int bodyFontSize = 3;
    int headerFontSize = 3;
    std::string footLink;  // empty: the foot names the program without a link

    bool operator==(const HtmlStyle&) const = default;

    std::uint32_t colour(Colour which) const { return colours[which]; }

    // The style kept in settings, and back.
    static HtmlStyle fromSettings(const Settings& settings);
    void storeIn(Settings& settings) const;
};

// Six uppercase hexadecimal digits, red, green, blue, without a leading '#'
// (pages write bgcolor=F9FAD6): colorText(0x00FFC805) is "05C8FF".
std::string colorText(std::uint32_t colour);

}  // namespace courtlog::output
