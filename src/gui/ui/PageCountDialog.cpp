#include "gui/ui/PageCountDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "gui/ui/CornerBitmap.h"
#include "gui/ui/Printing.h"

namespace courtlog::gui::ui {

PageCountDialog::PageCountDialog(QWidget* parent, int& pages, bool& halves)
    : CourtlogDialog(parent), pages_(pages), halves_(halves) {
    setObjectName(QStringLiteral("pageCountDialog"));
    setWindowTitle(QStringLiteral("Print Game"));

    auto* label = new QLabel(QStringLiteral("How many pages ? "), this);
    // The arrows keep the count within 1..9 and nothing else can be typed; a
    // number cut short by leaving the field goes back to the last whole
    // number it held rather than to the minimum.
    count_ = new QSpinBox(this);
    count_->setRange(1, 9);
    count_->setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    count_->setAlignment(Qt::AlignRight);
    count_->setObjectName(QStringLiteral("pageCountField"));
    count_->setValue(pages);
    // Room for the digit beside the arrows.
    count_->setMinimumWidth(count_->fontMetrics().horizontalAdvance(QStringLiteral("000")) + 40);
    label->setBuddy(count_);

    halvesButton_ = new QRadioButton(QStringLiteral("Game is Played with &Halves"), this);
    halvesButton_->setObjectName(QStringLiteral("halvesRadio"));
    quartersButton_ = new QRadioButton(QStringLiteral("Game is Played with &Quarters"), this);
    quartersButton_->setObjectName(QStringLiteral("quartersRadio"));
    (halves ? halvesButton_ : quartersButton_)->setChecked(true);

    QPushButton* print = addClickButton(QStringLiteral("&Print"), QStringLiteral("printButton"), [this] {
        pages_ = count_->value();
        halves_ = halvesButton_->isChecked();
        closeWith(1);
    });
    print->setDefault(true);
    QPushButton* setup = addClickButton(QStringLiteral("&Setup"), QStringLiteral("setupButton"),
                                        [this] { ui::printerSetup(this); });
    QPushButton* cancel =
        addClickButton(QStringLiteral("&Cancel"), QStringLiteral("cancelButton"), [this] { closeWith(2); });

    auto* countLine = new QHBoxLayout;
    countLine->addWidget(label);
    countLine->addWidget(count_);
    countLine->addStretch();
    auto* buttons = buttonRow({print, setup, cancel});
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(countLine);
    layout->addWidget(halvesButton_);
    layout->addWidget(quartersButton_);
    layout->addLayout(buttons);
    // A small fixed dialog: no resizing, no maximise button.
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace courtlog::gui::ui
