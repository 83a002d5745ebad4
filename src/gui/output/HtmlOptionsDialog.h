#pragma once

#include "core/output/HtmlStyle.h"
#include "gui/ui/CourtlogDialog.h"

class QComboBox;
class QLineEdit;
class QSpinBox;

namespace courtlog::gui::output {

class ColourSwatch;

// "HTML Options" (title "Select HTML Options"): the five colours of every
// HTML page with a swatch, the colour chooser and "Reset to defaults"; the
// font face and the two font sizes; and the link in the page foot. It edits
// a copy; OK stores the copy into the style, Cancel leaves the style as it
// was.
class HtmlOptionsDialog : public ui::CourtlogDialog {
    Q_OBJECT
public:
    HtmlOptionsDialog(QWidget* parent, courtlog::output::HtmlStyle& style);

    // The five entries of the "Colors:" list, in the style's colour order.
    static QStringList colourEntryNames();

private:
    void showSelectedColour();
    void changeSelectedColour();
    void resetColours();
    void store();

    courtlog::output::HtmlStyle& style_;
    courtlog::output::HtmlStyle copy_;
    QComboBox* colourList_ = nullptr;
    ColourSwatch* swatch_ = nullptr;
    QComboBox* faceList_ = nullptr;
    QSpinBox* bodySize_ = nullptr;
    QSpinBox* headerSize_ = nullptr;
    QLineEdit* footLink_ = nullptr;
};

// Options > HTML Options: the dialog over the program's settings.
void htmlOptionsCommand(QWidget* owner);

}  // namespace courtlog::gui::output
