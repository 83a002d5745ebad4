#include "gui/ui/PickTeam.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/records/Game.h"
#include "gui/ui/CornerBitmap.h"
#include "gui/ui/TextFields.h"

namespace courtlog::gui::ui {

PickTeam::PickTeam(QWidget* parent, const Game& game) : CourtlogDialog(parent) {
    setObjectName(QStringLiteral("pickTeamDialog"));
    setWindowTitle(QStringLiteral("Current Game Stats"));

    auto* frame = new QGroupBox(this);
    frame->setObjectName(QStringLiteral("teamFrame"));
    home_ = new QRadioButton(ui::fromRecordText(game.homeName), frame);
    home_->setObjectName(QStringLiteral("homeRadio"));
    visitor_ = new QRadioButton(ui::fromRecordText(game.visitorName), frame);
    visitor_->setObjectName(QStringLiteral("visitorRadio"));
    home_->setChecked(true);
    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->addWidget(home_);
    frameLayout->addWidget(visitor_);

    QPushButton* ok = addClickButton(QStringLiteral("&OK"), QStringLiteral("okButton"),
                                     [this] { closeWith(home_->isChecked() ? HomeTeam : VisitingTeam); });
    ok->setDefault(true);
    QPushButton* cancel =
        addClickButton(QStringLiteral("&Cancel"), QStringLiteral("cancelButton"), [this] { closeWith(2); });

    auto* buttons = buttonRow({ok, cancel});
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addLayout(buttons);
    // A small fixed dialog: no resizing, no maximise button.
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace courtlog::gui::ui
