#include "gui/scoring/PlayChoiceDialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <map>

#include "core/scoring/PlayChoice.h"
#include "gui/scoring/AccessKeys.h"

namespace courtlog::gui::scoring {

// The scoring core's rules used here.
using courtlog::scoring::PlayChoice;
using courtlog::scoring::playChoices;
using courtlog::scoring::kPlayChoiceCount;

namespace {

// "Shot Made" + "&2-Pointer" -> "shotMade2PointerButton".
QString camelName(const QString& words) {
    QString name;
    bool upper = false;
    for (const QChar ch : words) {
        if (ch == QLatin1Char('&')) continue;  // the access key mark is not a word break
        if (!ch.isLetterOrNumber()) {
            upper = !name.isEmpty();
            continue;
        }
        name += upper ? ch.toUpper() : (name.isEmpty() ? ch.toLower() : ch);
        upper = false;
    }
    return name;
}

QString latin(std::string_view text) { return QString::fromLatin1(text.data(), static_cast<int>(text.size())); }

}  // namespace

QString PlayChoiceDialog::choiceObjectName(int index) {
    const PlayChoice& choice = playChoices()[static_cast<std::size_t>(index)];
    return camelName(latin(choice.group) + QLatin1Char(' ') + latin(choice.caption)) + QStringLiteral("Button");
}

PlayChoiceDialog::PlayChoiceDialog(QWidget* parent) : CourtlogDialog(parent) {
    setObjectName(QStringLiteral("eventDialog"));
    setWindowTitle(QStringLiteral("Event"));

    // Groups in three columns, in the order of the choice table.
    const std::map<std::string_view, std::pair<int, int>> placeOf{
        {"Shot Made", {0, 0}},  {"Shot Missed", {0, 1}}, {"Foul", {0, 2}}, {"Rebound", {0, 3}},
        {"Technical", {1, 0}},  {"Goal Tending", {1, 1}}, {"Other", {1, 2}}, {"Turnover", {2, 0}},
    };
    auto* grid = new QGridLayout;
    std::map<std::string_view, QVBoxLayout*> groups;
    for (int i = 0; i < kPlayChoiceCount; ++i) {
        const PlayChoice& choice = playChoices()[static_cast<std::size_t>(i)];
        QVBoxLayout*& column = groups[choice.group];
        if (!column) {
            auto* box = new QGroupBox(latin(choice.group), this);
            box->setObjectName(camelName(latin(choice.group)) + QStringLiteral("Group"));
            column = new QVBoxLayout(box);
            column->setSpacing(2);
            const auto [col, row] = placeOf.at(choice.group);
            // The turnovers fill the third column from top to bottom.
            grid->addWidget(box, row, col, col == 2 ? 4 : 1, 1);
        }
        auto* button = new QRadioButton(latin(choice.caption), this);
        button->setObjectName(choiceObjectName(i));
        button->setAutoExclusive(false);
        connect(button, &QRadioButton::clicked, this, [this, i] { closeWith(kChoiceResultBase + i); });
        column->addWidget(button);
    }
    for (auto& [name, column] : groups) column->addStretch(1);

    auto* cancel = addClickButton(QStringLiteral("Cancel"), QStringLiteral("cancelButton"), [this] { closeWith(2); });
    forWhom_ = new QLabel(this);
    forWhom_->setObjectName(QStringLiteral("playerLabel"));
    QFont bold = forWhom_->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    forWhom_->setFont(bold);
    forWhom_->setAlignment(Qt::AlignCenter);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(forWhom_);
    layout->addLayout(grid);
    layout->addLayout(buttonRow({cancel}));
}

std::optional<int> PlayChoiceDialog::choose(const QString& forWhom) {
    forWhom_->setText(forWhom);
    forWhom_->setVisible(!forWhom.isEmpty());
    // Shown again as the first time: nothing chosen, the focus where a new
    // dialog puts it.
    for (QRadioButton* button : findChildren<QRadioButton*>()) button->setChecked(false);
    if (QWidget* focused = focusWidget()) focused->clearFocus();
    const int result = run();
    if (result >= kChoiceResultBase && result < kChoiceResultBase + kPlayChoiceCount) return result - kChoiceResultBase;
    return std::nullopt;
}

void PlayChoiceDialog::keyPressEvent(QKeyEvent* event) {
    if (clickButtonForKey(this, event)) return;
    CourtlogDialog::keyPressEvent(event);
}

}  // namespace courtlog::gui::scoring
