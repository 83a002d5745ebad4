#include "gui/people/PersonalInfoDialog.h"

#include <QClipboard>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QToolTip>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>

#include "core/records/MailAddresses.h"
#include "core/records/PlayerEntry.h"
#include "gui/people/AddressListOutput.h"
#include "gui/ui/CalendarDialog.h"
#include "gui/ui/DesktopLinks.h"
#include "gui/ui/EntryMessages.h"
#include "gui/ui/MessageBox.h"
#include "gui/ui/Printing.h"
#include "gui/ui/ProgramSettings.h"
#include "gui/ui/TextFields.h"

namespace courtlog::gui::people {

namespace {

using Limits = PersonalInfoTypedLimits;

const QString kCaption = QStringLiteral("Players Personal Info");
// The buttons of a row stand this far apart.
constexpr int kButtonGap = 20;

QString shown(const std::string& recordText) { return ui::fromRecordText(recordText); }

int compareLocaleAware(const std::string& a, const std::string& b) {
    return QString::localeAwareCompare(ui::fromRecordText(a), ui::fromRecordText(b));
}

}  // namespace

PersonalInfoDialog::PersonalInfoDialog(Team& team, QWidget* parent)
    : ui::CourtlogDialog(parent), team_(team), working_(team) {
    setObjectName(QStringLiteral("personalInfoDialog"));
    setWindowTitle(kCaption);
    setHelpTopic(QStringLiteral("personal-info.html"));
    setSizeGripEnabled(true);

    // The entry of one player, in reading order (also the tab order).
    auto* entryBox = new QGroupBox(this);
    auto* entry = new QGridLayout(entryBox);
    nameEdit_ = addEntryEdit("nameEdit", Limits::kName);
    auto* birthdayButton = addClickButton(QStringLiteral("&Birthday:"), QStringLiteral("birthdayButton"),
                                          [this] { pickBirthday(); });
    birthdayEdit_ = addEntryEdit("birthdayEdit", Limits::kBirthday);
    phoneEdit_ = addEntryEdit("phoneEdit", Limits::kPhone);
    addressEdit_ = addEntryEdit("addressEdit", Limits::kAddress);
    cityEdit_ = addEntryEdit("cityEdit", Limits::kCity);
    stateEdit_ = addEntryEdit("stateEdit", Limits::kState);
    zipEdit_ = addEntryEdit("zipEdit", Limits::kZip);
    auto* emailButton = addPlainButton(QStringLiteral("e&mail"), QStringLiteral("emailButton"));
    emailButton->setToolTip(QStringLiteral("Write to this address with your mail program"));
    emailEdit_ = addEntryEdit("emailEdit", Limits::kEmail);
    noteEdit_ = addEntryEdit("noteEdit", Limits::kNote);
    auto label = [this](const QString& text, QLineEdit* buddy) {
        auto* l = new QLabel(text, this);
        l->setBuddy(buddy);
        return l;
    };
    entry->addWidget(label(QStringLiteral("Name:"), nameEdit_), 0, 0);
    entry->addWidget(nameEdit_, 0, 1);
    entry->addWidget(birthdayButton, 0, 2);
    entry->addWidget(birthdayEdit_, 0, 3);
    entry->addWidget(label(QStringLiteral("Phone:"), phoneEdit_), 1, 0);
    entry->addWidget(phoneEdit_, 1, 1);
    entry->addWidget(label(QStringLiteral("Address:"), addressEdit_), 1, 2);
    entry->addWidget(addressEdit_, 1, 3);
    entry->addWidget(label(QStringLiteral("City:"), cityEdit_), 2, 0);
    entry->addWidget(cityEdit_, 2, 1);
    entry->addWidget(label(QStringLiteral("State:"), stateEdit_), 2, 2);
    entry->addWidget(stateEdit_, 2, 3);
    entry->addWidget(label(QStringLiteral("Zip:"), zipEdit_), 3, 0);
    entry->addWidget(zipEdit_, 3, 1);
    entry->addWidget(emailButton, 3, 2);
    entry->addWidget(emailEdit_, 3, 3);
    entry->addWidget(label(QStringLiteral("Note:"), noteEdit_), 4, 0);
    entry->addWidget(noteEdit_, 4, 1, 1, 3);
    entry->setColumnStretch(1, 2);
    entry->setColumnStretch(3, 3);

    // The address list: grid lines, whole rows selected, one at a time.
    list_ = new QTableWidget(0, static_cast<int>(kAddressColumnCount), this);
    list_->setObjectName(QStringLiteral("addressList"));
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setShowGrid(true);
    list_->setWordWrap(false);
    list_->verticalHeader()->hide();
    list_->verticalHeader()->setDefaultSectionSize(list_->fontMetrics().height() + 6);
    QStringList headings;
    for (std::size_t c = 0; c < kAddressColumnCount; ++c)
        headings << QString::fromLatin1(addressColumnHeading(static_cast<AddressColumn>(c)).data());
    list_->setHorizontalHeaderLabels(headings);
    QHeaderView* header = list_->horizontalHeader();
    header->setSectionsClickable(true);
    header->setHighlightSections(false);
    header->setStretchLastSection(false);
    list_->setToolTip(
        QStringLiteral("Click a column heading to sort by it; click it again to reverse the order"));

    auto* updateButton = addPlainButton(QStringLiteral("&Update Info"), QStringLiteral("updateInfoButton"));
    auto* clearButton = addPlainButton(QStringLiteral("C&lear Boxes"), QStringLiteral("clearBoxesButton"));
    // Enter in the fields stores the entry; OK is a button of its own.
    updateButton->setDefault(true);
    auto* mailTeamButton = addClickButton(QStringLiteral("E-mail the &whole team"),
                                          QStringLiteral("mailTeamButton"), [this] { writeEmailToTeam(); });
    mailTeamButton->setToolTip(QStringLiteral("One message to every player's e-mail address"));
    copyButton_ = addClickButton(QStringLiteral("Copy &addresses"), QStringLiteral("copyAddressesButton"),
                                 [this] { copyAddresses(); });
    copyButton_->setToolTip(QStringLiteral("Put every player's e-mail address on the clipboard"));

    auto* okButton = addPlainButton(QStringLiteral("&OK"), QStringLiteral("okButton"));
    auto* exportButton = addPlainButton(QStringLiteral("&E"), QStringLiteral("exportButton"));
    exportButton->setToolTip(QStringLiteral("Export the address list as comma-delimited text or a web page"));
    auto* printButton = addPlainButton(QStringLiteral("&P"), QStringLiteral("printButton"));
    printButton->setToolTip(QStringLiteral("Print the address list"));
    auto* setupButton = addClickButton(QStringLiteral("&S"), QStringLiteral("setupButton"),
                                       [this] { ui::printerSetup(this); });
    setupButton->setToolTip(QStringLiteral("Printer setup"));
    auto* cancelButton =
        addClickButton(QStringLiteral("&Cancel"), QStringLiteral("cancelButton"), [this] { closeWith(2); });
    for (QPushButton* small : {exportButton, printButton, setupButton})
        small->setMaximumWidth(small->fontMetrics().horizontalAdvance(QStringLiteral("MMM")) + 16);

    connect(list_, &QTableWidget::itemSelectionChanged, this, [this] {
        const QList<QTableWidgetSelectionRange> ranges = list_->selectedRanges();
        current_ = ranges.isEmpty() ? -1 : ranges.first().topRow();
        showEntry();
    });
    connect(header, &QHeaderView::sectionClicked, this, &PersonalInfoDialog::sortByColumn);
    connect(updateButton, &QPushButton::clicked, this, &PersonalInfoDialog::updateInfo);
    connect(clearButton, &QPushButton::clicked, this, &PersonalInfoDialog::clearBoxes);
    connect(emailButton, &QPushButton::clicked, this, &PersonalInfoDialog::writeEmail);
    connect(okButton, &QPushButton::clicked, this, [this] { closeWith(1); });
    connect(exportButton, &QPushButton::clicked, this, [this] { exportAddressList(this, working_); });
    connect(printButton, &QPushButton::clicked, this, [this] { printAddressList(this, working_); });

    auto* entryButtons = new QHBoxLayout;
    entryButtons->addStretch(1);
    entryButtons->addWidget(updateButton);
    entryButtons->addSpacing(kButtonGap);
    entryButtons->addWidget(clearButton);
    entryButtons->addStretch(1);

    // What goes to the whole list stands above it, at its right.
    auto* teamMail = new QHBoxLayout;
    teamMail->addStretch(1);
    teamMail->addWidget(mailTeamButton);
    teamMail->addWidget(copyButton_);

    auto* bottom = buttonRow({okButton, exportButton, printButton, setupButton, cancelButton});
    bottom->setSpacing(kButtonGap);
    auto* bottomFrame = new QFrame(this);
    bottomFrame->setFrameShape(QFrame::StyledPanel);
    bottomFrame->setLayout(bottom);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(entryBox);
    layout->addLayout(teamMail);
    layout->addWidget(list_, 1);
    // Tab goes from the entry to the team's buttons and on to the list, as they stand.
    setTabOrder(noteEdit_, mailTeamButton);
    setTabOrder(mailTeamButton, copyButton_);
    setTabOrder(copyButton_, list_);
    layout->addLayout(entryButtons);
    layout->addWidget(bottomFrame);

    fillList();
    showEntry();
    // The widths kept in the settings, each widened (up to twice) when the
    // texts of its column or its heading need more in this font.
    const auto& widths = ui::programSettings().personalInfoColumnWidths;
    for (std::size_t c = 0; c < widths.size(); ++c) {
        const int column = static_cast<int>(c);
        const int kept = std::max(widths[c], 10);
        const int needed = std::max(static_cast<QAbstractItemView*>(list_)->sizeHintForColumn(column),
                                    header->sectionSizeHint(column));
        header->resizeSection(column, std::max(kept, std::min(needed, 2 * kept)));
    }
    // Resizable, but never smaller than it opens.
    resize(std::max(sizeHint().width(), 640), std::max(sizeHint().height(), 440));
    setMinimumSize(size());
    nameEdit_->setFocus();
}

QLineEdit* PersonalInfoDialog::addEntryEdit(const char* objectName, int maxChars) {
    return addRecordTextEdit(QString::fromLatin1(objectName), maxChars, {});
}

void PersonalInfoDialog::fillList() {
    const QSignalBlocker block(list_);
    list_->clearSelection();
    list_->setRowCount(working_.playerCount());
    for (int row = 0; row < working_.playerCount(); ++row) {
        const auto cells = addressListCells(working_, static_cast<std::size_t>(row));
        for (std::size_t c = 0; c < cells.size(); ++c) {
            auto* item = new QTableWidgetItem(shown(cells[c]));
            const bool centred = c == static_cast<std::size_t>(AddressColumn::Phone) ||
                                 c == static_cast<std::size_t>(AddressColumn::Birthday);
            item->setTextAlignment((centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter);
            list_->setItem(row, static_cast<int>(c), item);
        }
    }
}

void PersonalInfoDialog::selectRow(int row) {
    {
        const QSignalBlocker block(list_);
        list_->clearSelection();
        if (row >= 0 && row < list_->rowCount()) {
            list_->selectRow(row);
            list_->scrollToItem(list_->item(row, 0));
        }
    }
    current_ = row >= 0 && row < list_->rowCount() ? row : -1;
    showEntry();
}

void PersonalInfoDialog::showEntry() {
    const PersonalInfoEntry entry = shownPersonalInfoEntry(working_, current_, BirthDate::today());
    const std::pair<QLineEdit*, const std::string*> fields[] = {
        {nameEdit_, &entry.name},       {birthdayEdit_, &entry.birthday}, {phoneEdit_, &entry.phone},
        {addressEdit_, &entry.address}, {cityEdit_, &entry.city},         {stateEdit_, &entry.state},
        {zipEdit_, &entry.zip},         {emailEdit_, &entry.email},       {noteEdit_, &entry.note}};
    for (const auto& [edit, text] : fields) {
        edit->setText(shown(*text));
        edit->setCursorPosition(0);
    }
}

PersonalInfoEntry PersonalInfoDialog::typedEntry() const {
    auto typed = [](const QLineEdit* edit) {
        return ui::toRecordText(edit->text(), static_cast<std::size_t>(edit->maxLength()));
    };
    return {typed(nameEdit_),  typed(birthdayEdit_), typed(phoneEdit_), typed(addressEdit_), typed(cityEdit_),
            typed(stateEdit_), typed(zipEdit_),      typed(emailEdit_), typed(noteEdit_)};
}

void PersonalInfoDialog::updateInfo() {
    // Only a player selected in the list can be updated.
    if (working_.playerCount() == 0 || current_ < 0 || current_ >= working_.playerCount()) return;
    const PersonalInfoEntry typed = typedEntry();
    // Players are told apart by name everywhere: no player goes nameless
    // or takes another's name.
    const std::string name = typed.name.substr(0, Player::kNameWidth - 1);
    const PlayerNameProblem problem = checkPlayerName(working_.players, name, current_);
    if (problem != PlayerNameProblem::None) {
        ui::showWarning(this, ui::playerNameProblemText(problem, name, working_.name), kCaption);
        nameEdit_->setFocus();
        nameEdit_->selectAll();
        return;
    }
    storePersonalInfoEntry(working_, current_, typed, BirthDate::today());
    // The updated player stays selected and shown, so that pressing the
    // button again stores the same entry again.
    const int row = current_;
    fillList();
    selectRow(row);
}

void PersonalInfoDialog::clearBoxes() {
    for (QLineEdit* edit : {nameEdit_, birthdayEdit_, phoneEdit_, addressEdit_, cityEdit_, stateEdit_,
                            zipEdit_, emailEdit_, noteEdit_})
        edit->clear();
}

void PersonalInfoDialog::pickBirthday() {
    const BirthDate start =
        readBirthday(ui::toRecordText(birthdayEdit_->text(), Limits::kBirthday), BirthDate::today());
    ui::CalendarDialog picker(this, start.year, start.day, start.month, 0, 3000);
    if (picker.run() != 1) return;
    BirthDate picked;
    picked.year = picker.year();
    picked.day = static_cast<std::int8_t>(picker.day());
    picked.month = static_cast<std::int8_t>(picker.month());
    birthdayEdit_->setText(shown(birthdayText(picked)));
}

void PersonalInfoDialog::writeEmail() {
    // A field without an address opens an empty message.
    const std::string typed =
        ui::toRecordText(emailEdit_->text(), static_cast<std::size_t>(emailEdit_->maxLength()));
    openMail(mailAddressesIn(typed));
}

void PersonalInfoDialog::writeEmailToTeam() {
    const std::vector<std::string> addresses = teamMailAddresses(working_);
    if (addresses.empty()) {
        sayNoAddresses();
        return;
    }
    openMail(addresses);
}

void PersonalInfoDialog::copyAddresses() {
    const std::vector<std::string> addresses = teamMailAddresses(working_);
    if (addresses.empty()) {
        sayNoAddresses();
        return;
    }
    QGuiApplication::clipboard()->setText(QString::fromStdString(addressesForClipboard(addresses)));
    const QString copied = addresses.size() == 1
                               ? QStringLiteral("1 address copied")
                               : QStringLiteral("%1 addresses copied").arg(addresses.size());
    QToolTip::showText(copyButton_->mapToGlobal(QPoint(0, copyButton_->height())), copied, copyButton_);
}

void PersonalInfoDialog::openMail(const std::vector<std::string>& addresses) {
    const QUrl link = QUrl::fromEncoded(QByteArray::fromStdString(mailtoLink(addresses)), QUrl::StrictMode);
    if (ui::openWithDesktop(link)) return;
    ui::showMessage(
        this,
        QStringLiteral("No mail program could be opened: the desktop has none set up for e-mail.\n\n"
                       "Install one, or choose yours as the desktop's program for e-mail. Until "
                       "then, \"Copy addresses\" puts the team's addresses on the clipboard, to "
                       "paste where you write mail."),
        kCaption, ui::MessageButtons::Ok, ui::MessageIcon::Exclamation, true);
}

void PersonalInfoDialog::sayNoAddresses() {
    ui::showMessage(this,
                    QStringLiteral("No player of %1 has an e-mail address. Type one into a player's e-mail "
                                   "field and press \"Update Info\".")
                        .arg(shown(working_.name)),
                    kCaption, ui::MessageButtons::Ok, ui::MessageIcon::Information);
}

void PersonalInfoDialog::sortByColumn(int column) {
    if (column < 0 || column >= static_cast<int>(kAddressColumnCount)) return;
    const auto c = static_cast<AddressColumn>(column);
    const bool descending = order_.nextIsDescending(c);
    const std::vector<std::size_t> from = order_.sortBy(working_, c, compareLocaleAware);
    list_->horizontalHeader()->setSortIndicatorShown(true);
    list_->horizontalHeader()->setSortIndicator(column,
                                                descending ? Qt::DescendingOrder : Qt::AscendingOrder);
    // The selected player stays selected in his new place.
    int row = -1;
    for (std::size_t i = 0; i < from.size(); ++i)
        if (current_ >= 0 && from[i] == static_cast<std::size_t>(current_)) row = static_cast<int>(i);
    fillList();
    selectRow(row);
}

void PersonalInfoDialog::done(int result) {
    // The column widths are kept for the next time, however the dialog closes.
    auto& widths = ui::programSettings().personalInfoColumnWidths;
    for (std::size_t c = 0; c < widths.size(); ++c)
        widths[c] = list_->horizontalHeader()->sectionSize(static_cast<int>(c));
    if (result == 1) team_.assignFrom(working_);
    ui::CourtlogDialog::done(result);
}

}  // namespace courtlog::gui::people
