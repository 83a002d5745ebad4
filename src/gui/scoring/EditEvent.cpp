#include "gui/scoring/EditEvent.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/records/Game.h"
#include "core/scoring/EventEditing.h"
#include "core/scoring/GameConsole.h"
#include "gui/scoring/ShotSpotDialog.h"
#include "gui/ui/MessageBox.h"
#include "gui/ui/Sound.h"
#include "gui/ui/TextFields.h"

namespace courtlog::gui::scoring {

// The scoring core's rules used here.
using courtlog::scoring::CourtPoint;
using courtlog::scoring::EventChoice;
using courtlog::scoring::GameConsole;
using courtlog::scoring::UpdateResult;
using courtlog::scoring::eventKindNames;
using courtlog::scoring::periodNames;
using courtlog::scoring::subKindNames;
using courtlog::scoring::choiceShowing;
using courtlog::scoring::eventLine;
using courtlog::scoring::rosterLine;
using courtlog::scoring::shotSpotOf;
using courtlog::scoring::storeShotSpot;

namespace {

QComboBox* dropDown(QWidget* parent, const char* objectName) {
    auto* list = new QComboBox(parent);
    list->setObjectName(QString::fromLatin1(objectName));
    list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return list;
}

void fill(QComboBox* list, const std::vector<std::string>& lines) {
    list->clear();
    for (const std::string& line : lines) list->addItem(ui::fromRecordText(line));
    list->setCurrentIndex(-1);
}

}  // namespace

EditEvent::EditEvent(QWidget* parent, GameConsole& console, bool home)
    : CourtlogDialog(parent), console_(console), session_(console.game(), home), home_(home) {
    setObjectName(QStringLiteral("editEvent"));
    setWindowTitle(QStringLiteral("Select an Event to Edit or Delete"));

    eventList_ = dropDown(this, "eventList");
    eventList_->setMinimumContentsLength(34);
    eventList_->setMaxVisibleItems(20);
    playerList_ = dropDown(this, "playerList");
    playerList_->setMinimumContentsLength(22);
    kindList_ = dropDown(this, "eventTypeList");
    subKindList_ = dropDown(this, "subTypeList");
    subKindList_->setMinimumContentsLength(18);
    periodList_ = dropDown(this, "quarterList");

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Event:"), eventList_);
    form->addRow(QStringLiteral("Player:"), playerList_);
    form->addRow(QStringLiteral("Event Type:"), kindList_);
    form->addRow(QStringLiteral("Sub Type:"), subKindList_);
    form->addRow(QStringLiteral("Quarter:"), periodList_);
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);

    auto* ok = addPlainButton(QStringLiteral("&OK"), QStringLiteral("okButton"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [this] { pressOk(); });
    auto* cancel = addPlainButton(QStringLiteral("&Cancel"), QStringLiteral("cancelButton"));
    connect(cancel, &QPushButton::clicked, this, [this] { pressCancel(); });
    auto* remove = addClickButton(QStringLiteral("&Delete Event"), QStringLiteral("deleteEventButton"),
                                  [this] { deleteSelectedEvent(); });
    auto* update = addClickButton(QStringLiteral("&Update Event"), QStringLiteral("updateEventButton"),
                                  [this] { updateSelectedEvent(); });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addSpacing(6);
    layout->addLayout(buttonRow({ok, cancel, remove, update}));

    fill(kindList_, eventKindNames());
    fill(periodList_, periodNames(session_.halves()));
    std::vector<std::string> players;
    for (const Player& player : team().players) players.push_back(rosterLine(player));
    fill(playerList_, players);
    fillEventList();

    connect(eventList_, &QComboBox::currentIndexChanged, this, [this] {
        if (!filling_) showSelectedEvent();
    });
    connect(kindList_, &QComboBox::currentIndexChanged, this, [this](int kind) {
        if (!filling_) fillSubTypes(kind);
    });

    // The most recent play is the one most often corrected.
    if (eventList_->count() > 0) {
        eventList_->setCurrentIndex(eventList_->count() - 1);
        showSelectedEvent();
    }
}

void EditEvent::fillEventList() {
    filling_ = true;
    std::vector<std::string> lines;
    for (const PlayEvent& event : events()) lines.push_back(eventLine(event, session_.halves()));
    fill(eventList_, lines);
    filling_ = false;
}

void EditEvent::fillSubTypes(int kind) {
    const bool wasFilling = filling_;
    filling_ = true;
    fill(subKindList_, subKindNames(kind));
    subKindList_->setEnabled(subKindList_->count() > 0);
    filling_ = wasFilling;
}

void EditEvent::clearSelections() {
    filling_ = true;
    for (QComboBox* list : {eventList_, playerList_, kindList_, subKindList_, periodList_})
        list->setCurrentIndex(-1);
    fillSubTypes(-1);
    filling_ = false;
}

void EditEvent::showSelectedEvent() {
    const int row = eventList_->currentIndex();
    if (row < 0 || row >= static_cast<int>(events().size())) return;
    const PlayEvent& event = events()[static_cast<std::size_t>(row)];
    const EventChoice choice = choiceShowing(event, team(), playerList_->currentIndex());
    filling_ = true;
    playerList_->setCurrentIndex(choice.player);
    kindList_->setCurrentIndex(choice.kind);
    fillSubTypes(choice.kind);
    subKindList_->setCurrentIndex(choice.subKind);
    periodList_->setCurrentIndex(choice.period);
    filling_ = false;
}

bool EditEvent::updateSelectedEvent() {
    const int row = eventList_->currentIndex();
    if (row < 0 || row >= static_cast<int>(events().size())) return true;
    const EventChoice choice{playerList_->currentIndex(), kindList_->currentIndex(), subKindList_->currentIndex(),
                             periodList_->currentIndex()};
    const UpdateResult result = session_.update(row, choice);
    if (!result.updated) {
        ui::showWarning(this, QString::fromStdString(result.message), QStringLiteral("Update Event"));
        return false;
    }
    PlayEvent& event = *session_.editablePlay(row);
    if (result.askShotPoint &&
        ui::showMessage(this, QStringLiteral("Do you want to update the shot point?"),
                        QStringLiteral("Update Shot Point?"), ui::MessageButtons::YesNo,
                        ui::MessageIcon::Question) == ui::ResultYes) {
        CourtPoint spot = shotSpotOf(event);
        if (ShotSpotDialog::askShotSpot(this, spot, home_)) storeShotSpot(event, spot);
    }
    fillEventList();
    clearSelections();
    return true;
}

void EditEvent::deleteSelectedEvent() {
    if (!session_.remove(eventList_->currentIndex())) return;
    fillEventList();
    clearSelections();
}

void EditEvent::pressOk() {
    // A choice that cannot be stored keeps the dialog open to be completed.
    if (updateSelectedEvent()) closeWith(1);
}

void EditEvent::pressCancel() {
    ui::playSoundEffect(ui::SoundClick);
    closeWith(2);
}

void EditEvent::done(int result) {
    // Whichever way the dialog closes, what was updated or deleted goes into
    // the game, plays marked "No Event" leaving both lists.
    if (!closed_) {
        closed_ = true;
        changed_ = static_cast<bool>(console_.perform(session_.finish()));
    }
    CourtlogDialog::done(result);
}

}  // namespace courtlog::gui::scoring
