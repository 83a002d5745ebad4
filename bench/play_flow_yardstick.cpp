// The yardstick of the end-to-end benchmark (bench/play_flow.py): the same
// flow as a play at the game console, written as plain Qt would write it. A
// window with a button and a score; the button opens a dialog of 29
// choices in eight groups, made at the first click and shown again after,
// whose choice closes it; a "Free Throw" then raises the score, and the
// window repaints.

#include <QApplication>
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <QWidget>

namespace {

struct Group {
    const char* title;
    int column, row;
    std::vector<const char*> choices;
};

const std::vector<Group>& groups() {
    static const std::vector<Group> list{
        {"Shot Made", 0, 0, {"&2-Pointer", "&3-Pointer", "Free &Throw"}},
        {"Shot Missed", 0, 1, {"2&-Missed", "3-&Missed", "Free Thro&w"}},
        {"Foul", 0, 2, {"&Offensive", "&Defensive"}},
        {"Rebound", 0, 3, {"Offe&nsive", "D&efensive"}},
        {"Technical", 1, 0, {"On Pla&yer", "On Benc&h"}},
        {"Goal Tending", 1, 1, {"O&ffensive", "Defensi&ve"}},
        {"Other", 1, 2, {"&Steal", "&Assist", "&Jump Ball", "Bloc&ked Shot"}},
        {"Turnover", 2, 0,
         {"Travellin&g", "Do&uble Dribble", "Bad &Pass", "3 Secs in &Lane", "Shot &Clock Expired", "Palm&/Carry",
          "Back Cou&rt", "Lost Ball - &x", "&Inbound Violation", "Out of &Bounds", "Other  - &z"}},
    };
    return list;
}

class ChoiceDialog : public QDialog {
public:
    explicit ChoiceDialog(QWidget* parent) : QDialog(parent) {
        setObjectName(QStringLiteral("choiceDialog"));
        setWindowTitle(QStringLiteral("Event"));
        auto* grid = new QGridLayout;
        int index = 0;
        for (const Group& group : groups()) {
            auto* box = new QGroupBox(QString::fromLatin1(group.title), this);
            auto* column = new QVBoxLayout(box);
            for (const char* caption : group.choices) {
                auto* button = new QRadioButton(QString::fromLatin1(caption), box);
                button->setAutoExclusive(false);
                if (index == 2) button->setObjectName(QStringLiteral("freeThrowButton"));
                connect(button, &QRadioButton::clicked, this, [this, index] { done(100 + index); });
                column->addWidget(button);
                ++index;
            }
            column->addStretch(1);
            grid->addWidget(box, group.row, group.column, group.column == 2 ? 4 : 1, 1);
        }
        auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
        connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
        auto* layout = new QVBoxLayout(this);
        layout->addLayout(grid);
        layout->addWidget(cancel, 0, Qt::AlignHCenter);
    }

    int choose() {
        for (QRadioButton* button : findChildren<QRadioButton*>()) button->setChecked(false);
        return exec();
    }
};

class PlayWindow : public QWidget {
public:
    PlayWindow() {
        setObjectName(QStringLiteral("playWindow"));
        setWindowTitle(QStringLiteral("Yardstick"));
        auto* button = new QPushButton(QStringLiteral("&2  Guard"), this);
        button->setObjectName(QStringLiteral("playerButton"));
        score_ = new QLabel(QStringLiteral("0"), this);
        QFont big = score_->font();
        big.setPointSize(28);
        score_->setFont(big);
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(score_, 0, Qt::AlignHCenter);
        layout->addWidget(button, 0, Qt::AlignHCenter);
        layout->addStretch(1);
        connect(button, &QPushButton::clicked, this, [this] {
            if (!dialog_) dialog_ = new ChoiceDialog(this);
            if (dialog_->choose() == 102) score_->setNum(++points_);
        });
        resize(800, 600);
    }

private:
    QLabel* score_;
    ChoiceDialog* dialog_ = nullptr;
    int points_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    PlayWindow window;
    window.show();
    return app.exec();
}
