#include "gui/output/HtmlOptionsDialog.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "gui/output/ColourSwatch.h"
#include "gui/ui/ColourChooser.h"
#include "gui/ui/ProgramSettings.h"
#include "gui/ui/TextFields.h"

namespace courtlog::gui::output {

namespace {

using courtlog::output::HtmlStyle;

// Settings keep colours as 0x00BBGGRR.
QColor toQColor(std::uint32_t colour) {
    return QColor(static_cast<int>(colour & 0xFFu), static_cast<int>((colour >> 8) & 0xFFu),
                  static_cast<int>((colour >> 16) & 0xFFu));
}

std::uint32_t fromQColor(const QColor& colour) {
    return static_cast<std::uint32_t>(colour.red()) | static_cast<std::uint32_t>(colour.green()) << 8 |
           static_cast<std::uint32_t>(colour.blue()) << 16;
}

// The face line of the settings file holds 45 characters after its label.
constexpr std::size_t kMaxFaceLength = 45;

QSpinBox* sizeBox(QWidget* parent, const QString& objectName, int value) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(objectName);
    box->setRange(HtmlStyle::kMinFontSize, HtmlStyle::kMaxFontSize);
    box->setValue(value);
    return box;
}

QLabel* label(const QString& caption, QWidget* buddy) {
    auto* text = new QLabel(caption);
    text->setBuddy(buddy);
    return text;
}

}  // namespace

QStringList HtmlOptionsDialog::colourEntryNames() {
    return {QStringLiteral("Header Background Color"), QStringLiteral("Primary Row Background Color"),
            QStringLiteral("Alternate Row Background Color"), QStringLiteral("Font Color"),
            QStringLiteral("Header Font Color")};
}

HtmlOptionsDialog::HtmlOptionsDialog(QWidget* parent, HtmlStyle& style)
    : CourtlogDialog(parent), style_(style), copy_(style) {
    setObjectName(QStringLiteral("htmlOptionsDialog"));
    setWindowTitle(QStringLiteral("Select HTML Options"));
    setHelpTopic(QStringLiteral("html-options.html"));

    colourList_ = new QComboBox(this);
    colourList_->setObjectName(QStringLiteral("colourList"));
    colourList_->addItems(colourEntryNames());
    colourList_->setCurrentIndex(0);
    swatch_ = new ColourSwatch(this);
    swatch_->setObjectName(QStringLiteral("colourSwatch"));
    QPushButton* change = addClickButton(QStringLiteral("Change..."), QStringLiteral("changeColourButton"),
                                         [this] { changeSelectedColour(); });
    QPushButton* reset = addClickButton(QStringLiteral("Reset to defaults"), QStringLiteral("resetColoursButton"),
                                        [this] { resetColours(); });
    connect(colourList_, &QComboBox::currentIndexChanged, this, [this] { showSelectedColour(); });

    faceList_ = new QComboBox(this);
    faceList_->setObjectName(QStringLiteral("fontFaceList"));
    faceList_->setEditable(true);
    faceList_->setInsertPolicy(QComboBox::NoInsert);
    faceList_->addItem(QString::fromLatin1(HtmlStyle::kVariableWidth.data(), HtmlStyle::kVariableWidth.size()));
    faceList_->addItem(QString::fromLatin1(HtmlStyle::kFixedWidth.data(), HtmlStyle::kFixedWidth.size()));
    faceList_->addItems(QFontDatabase::families());
    faceList_->setCurrentText(ui::fromRecordText(copy_.fontFace));
    faceList_->lineEdit()->setMaxLength(static_cast<int>(kMaxFaceLength));

    bodySize_ = sizeBox(this, QStringLiteral("fontSizeBox"), copy_.bodyFontSize);
    headerSize_ = sizeBox(this, QStringLiteral("headerSizeBox"), copy_.headerFontSize);
    footLink_ = addRecordTextEdit(QStringLiteral("footLinkEdit"), static_cast<int>(Settings::kMaxFootLinkLength),
                                  copy_.footLink);
    footLink_->setPlaceholderText(QStringLiteral("none"));
    footLink_->setToolTip(QStringLiteral("The web address the program's name links to at the foot of every "
                                         "HTML page, also printed in the page footer. Empty: no link."));


    auto* grid = new QGridLayout;
    grid->addWidget(label(QStringLiteral("Colors:"), colourList_), 0, 0);
    grid->addWidget(colourList_, 0, 1, 1, 3);
    grid->addWidget(swatch_, 0, 4);
    grid->addWidget(change, 1, 1);
    grid->addWidget(reset, 1, 2, 1, 2);
    grid->addWidget(label(QStringLiteral("Font Face:"), faceList_), 2, 0);
    grid->addWidget(faceList_, 2, 1, 1, 4);
    grid->addWidget(label(QStringLiteral("Font Size:"), bodySize_), 3, 0);
    grid->addWidget(bodySize_, 3, 1);
    grid->addWidget(label(QStringLiteral("Header Size:"), headerSize_), 3, 2);
    grid->addWidget(headerSize_, 3, 3);
    grid->addWidget(label(QStringLiteral("Link in page foot:"), footLink_), 4, 0);
    grid->addWidget(footLink_, 4, 1, 1, 4);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(8);
    layout->addLayout(okCancelRow([this] { store(); }));
    layout->setSizeConstraint(QLayout::SetFixedSize);
    setMinimumWidth(460);

    showSelectedColour();
}

void HtmlOptionsDialog::showSelectedColour() {
    const int index = std::max(colourList_->currentIndex(), 0);
    swatch_->setColour(toQColor(copy_.colours[static_cast<std::size_t>(index)]));
}

void HtmlOptionsDialog::changeSelectedColour() {
    const auto index = static_cast<std::size_t>(std::max(colourList_->currentIndex(), 0));
    if (const auto chosen = ui::chooseColour(this, toQColor(copy_.colours[index]))) {
        copy_.colours[index] = fromQColor(*chosen);
        showSelectedColour();
    }
}

void HtmlOptionsDialog::resetColours() {
    copy_.colours = HtmlStyle::kDefaultColours;
    showSelectedColour();
}

void HtmlOptionsDialog::store() {
    // An emptied face box keeps the face there was.
    const QString face = faceList_->currentText().trimmed();
    if (!face.isEmpty()) copy_.fontFace = ui::toRecordText(face, kMaxFaceLength);
    copy_.bodyFontSize = bodySize_->value();
    copy_.headerFontSize = headerSize_->value();
    copy_.footLink = ui::toRecordText(footLink_->text().trimmed(), Settings::kMaxFootLinkLength);
    style_ = copy_;
}

void htmlOptionsCommand(QWidget* owner) {
    Settings& settings = ui::programSettings();
    HtmlStyle style = HtmlStyle::fromSettings(settings);
    HtmlOptionsDialog dialog(owner, style);
    if (dialog.run() == 1) style.storeIn(settings);
}

}  // namespace courtlog::gui::output
