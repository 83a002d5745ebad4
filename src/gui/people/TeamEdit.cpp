#include "gui/people/TeamEdit.h"

#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/people/RosterEdit.h"
#include "gui/people/LogoPreview.h"
#include "core/records/LogoFade.h"
#include "core/records/LogoPath.h"
#include "core/records/PlayerEntry.h"
#include "core/records/Team.h"
#include "gui/ui/CornerBitmap.h"
#include "gui/ui/FileDialogs.h"
#include "gui/ui/MessageBox.h"
#include "gui/ui/RecordPaths.h"
#include "gui/ui/Printing.h"
#include "gui/ui/Sound.h"
#include "gui/ui/TextFields.h"

namespace courtlog::gui::people {

namespace {

constexpr int kTeamTextChars = 24;

}  // namespace

TeamEdit::TeamEdit(Team& team, QWidget* parent) : ui::CourtlogDialog(parent), team_(team) {
    setObjectName(QStringLiteral("teamEdit"));
    setWindowTitle(QStringLiteral("Edit Team"));
    setHelpTopic(QStringLiteral("team-editor.html"));

    // Widgets are made in reading order, which is also the tab order.
    auto* nameLabel = new QLabel(QStringLiteral("Team Name:"), this);
    nameEdit_ = addRecordTextEdit(QStringLiteral("teamNameEdit"), kTeamTextChars, team_.name);
    auto* coachLabel = new QLabel(QStringLiteral("Coach Name:"), this);
    coachEdit_ = addRecordTextEdit(QStringLiteral("coachEdit"), kTeamTextChars, team_.coach);
    auto* assistantLabel = new QLabel(QStringLiteral("Assistant:"), this);
    assistantEdit_ = addRecordTextEdit(QStringLiteral("assistantEdit"), kTeamTextChars, team_.assistant);
    nameLabel->setBuddy(nameEdit_);
    coachLabel->setBuddy(coachEdit_);
    assistantLabel->setBuddy(assistantEdit_);

    auto* logoLabel = new QLabel(QStringLiteral("Team Logo:"), this);
    logo_ = new LogoPreview(this);
    logo_->setMinimumSize(100, 58);
    logo_->setToolTip(QStringLiteral("The team logo as the team sheets show it"));
    auto* changeButton =
        addPlainButton(QStringLiteral("Change ..."), QStringLiteral("changeLogoButton"));
    layoutList_ = new QComboBox(this);
    layoutList_->setObjectName(QStringLiteral("layoutList"));
    layoutList_->addItems(
        {QStringLiteral("Fit to Window"), QStringLiteral("Tile"), QStringLiteral("Center")});
    layoutList_->setCurrentIndex(team_.logoLayout >= 0 && team_.logoLayout <= 2 ? team_.logoLayout : -1);
    auto* fadeCaption = new QLabel(QStringLiteral("Fade:"), this);
    fadeLabel_ = new QLabel(this);
    fadeLabel_->setObjectName(QStringLiteral("fadeLabel"));
    fadeLabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    fadeLabel_->setMinimumWidth(fadeLabel_->fontMetrics().horizontalAdvance(QStringLiteral("-100%")) + 4);
    auto* upButton = addPlainButton(QStringLiteral("Up"), QStringLiteral("fadeUpButton"));
    auto* downButton = addPlainButton(QStringLiteral("Down"), QStringLiteral("fadeDownButton"));

    auto* okButton = addClickButton(QStringLiteral("&OK"), QStringLiteral("okButton"), [this] {
        applyTypedTexts(team_, typedTexts());
        closeWith(1);
    });
    okButton->setDefault(true);
    cancelButton_ =
        addClickButton(QStringLiteral("&Cancel"), QStringLiteral("cancelButton"), [this] { closeWith(2); });
    auto* rosterButton =
        addPlainButton(QStringLiteral("&Edit Roster"), QStringLiteral("editRosterButton"));
    auto* saveAsButton = addPlainButton(QStringLiteral("S&ave As"), QStringLiteral("saveAsButton"));
    auto* printButton = addPlainButton(QStringLiteral("&Print"), QStringLiteral("printButton"));
    auto* setupButton = addPlainButton(QStringLiteral("&Setup"), QStringLiteral("setupButton"));

    connect(changeButton, &QPushButton::clicked, this, &TeamEdit::changeLogo);
    connect(upButton, &QPushButton::clicked, this, [this] { stepFade(true); });
    connect(downButton, &QPushButton::clicked, this, [this] { stepFade(false); });
    connect(layoutList_, &QComboBox::currentIndexChanged, this,
            [this](int index) { team_.logoLayout = static_cast<std::int16_t>(index); });
    connect(rosterButton, &QPushButton::clicked, this, &TeamEdit::editRoster);
    connect(saveAsButton, &QPushButton::clicked, this, [this] { saveRosterAs(this, team_, typedTexts()); });
    connect(printButton, &QPushButton::clicked, this, [this] { printRoster(this, team_, typedTexts()); });
    connect(setupButton, &QPushButton::clicked, this, [this] { ui::printerSetup(this); });

    // Left: the three names. Right: the logo and its settings.
    auto* names = new QGridLayout;
    names->addWidget(nameLabel, 0, 0);
    names->addWidget(nameEdit_, 0, 1);
    names->addWidget(coachLabel, 1, 0);
    names->addWidget(coachEdit_, 1, 1);
    names->addWidget(assistantLabel, 2, 0);
    names->addWidget(assistantEdit_, 2, 1);
    names->setRowStretch(3, 1);
    names->setColumnMinimumWidth(1, nameEdit_->fontMetrics().horizontalAdvance(QLatin1Char('M')) * 14);

    auto* fadeRow = new QHBoxLayout;
    fadeRow->addWidget(fadeCaption);
    fadeRow->addWidget(fadeLabel_);
    fadeRow->addStretch(1);
    fadeRow->addWidget(upButton);
    fadeRow->addWidget(downButton);

    auto* logoColumn = new QVBoxLayout;
    logoColumn->addWidget(logoLabel);
    logoColumn->addWidget(logo_, 1);
    logoColumn->addWidget(changeButton);
    logoColumn->addWidget(layoutList_);
    logoColumn->addLayout(fadeRow);

    auto* top = new QHBoxLayout;
    top->addLayout(names, 3);
    top->addSpacing(12);
    top->addLayout(logoColumn, 2);

    auto* bottom = buttonRow({okButton, cancelButton_, rosterButton, saveAsButton, printButton, setupButton});

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addSpacing(6);
    layout->addLayout(bottom);

    logo_->setTeamFile(ui::fromRecordPath(team_.fileName));
    logo_->loadLogo(ui::fromRecordText(team_.logoFile), team_.logoFade);
    showFade();
    nameEdit_->setFocus();
}

TeamEditorTexts TeamEdit::typedTexts() const {
    return {nameEdit_->text(), coachEdit_->text(), assistantEdit_->text()};
}

void TeamEdit::done(int result) {
    // Every way out keeps the layout chosen in the list.
    team_.logoLayout = static_cast<std::int16_t>(layoutList_->currentIndex());
    ui::CourtlogDialog::done(result);
}

void TeamEdit::reject() { cancelButton_->click(); }

void TeamEdit::changeLogo() {
    ui::FileDialogOptions options;
    options.filters = QStringLiteral("Bitmap (*.bmp)|*.bmp|");
    options.defaultExtension = QStringLiteral("bmp");
    options.folder = FileFolder::Pictures;
    const std::optional<ui::FileChoice> choice = ui::getOpenFile(this, options);
    if (!choice || choice->path.isEmpty()) return;
    // The team file keeps 79 Windows-1252 characters of the path; a path it
    // cannot hold would be cut or mangled and the logo lost at once.
    const std::optional<std::string> field = logoFieldFor(ui::toRecordPath(choice->path), team_.fileName);
    if (!field) {
        ui::showWarning(this,
                        QStringLiteral("The team file cannot hold the path of this picture:\n%1\n\n"
                                       "Paths of at most 79 characters of the Western European "
                                       "character set can be stored. Put the picture beside the team "
                                       "file or in a folder with a shorter name. The team keeps its "
                                       "previous logo.")
                            .arg(QDir::toNativeSeparators(choice->path)),
                        QStringLiteral("Team Logo"));
        return;
    }
    team_.logoFile = *field;
    logo_->loadLogo(ui::fromRecordText(team_.logoFile), team_.logoFade);
}

void TeamEdit::stepFade(bool up) {
    const std::int16_t fade = steppedFade(team_.logoFade, up);
    if (fade == team_.logoFade) return;
    team_.logoFade = fade;
    showFade();
    logo_->setFade(team_.logoFade);
}

void TeamEdit::showFade() { fadeLabel_->setText(QString::fromStdString(fadeText(team_.logoFade))); }

void TeamEdit::editRoster() {
    Team working;
    team_.appendTo(working);
    working.noPersonalInfo = team_.noPersonalInfo;
    working.name = trimmedName(ui::toRecordText(nameEdit_->text(), std::string::npos), kTeamTextChars);
    ui::playSoundEffect(ui::SoundClick);
    RosterEdit editor(working, this);
    if (editor.run() == 1) team_.assignFrom(working);
}

}  // namespace courtlog::gui::people
