#pragma once

// Helpers shared by the team, roster and game dialog tests: find controls
// by object name, act on the modal dialog a command opens, and make teams.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>

#include "RecordBuilders.h"
#include "core/records/Team.h"
#include "gui/ui/MessageBox.h"
#include "gui/ui/ProgramSettings.h"
#include "gui/ui/Sound.h"

namespace courtlog::testsupport {

template <class W>
W* control(QWidget* dialog, const char* objectName) {
    W* found = dialog->findChild<W*>(QString::fromLatin1(objectName));
    EXPECT_NE(found, nullptr) << "no control " << objectName;
    return found;
}

inline void click(QWidget* dialog, const char* buttonName) {
    auto* button = control<QAbstractButton>(dialog, buttonName);
    if (!button) return;
    // A radio button answers clicks on its circle and caption, not on the
    // empty rest of a stretched row.
    if (button->inherits("QRadioButton") || button->inherits("QCheckBox"))
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(button->height() / 2, button->height() / 2));
    else
        QTest::mouseClick(button, Qt::LeftButton);
}

inline void typeInto(QWidget* dialog, const char* editName, const QString& text) {
    auto* edit = control<QWidget>(dialog, editName);
    if (!edit) return;
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Delete);
    // QTest types ASCII only; other characters arrive as key events that
    // carry their text, as from a keyboard layout that has them.
    for (const QChar ch : text) {
        if (ch.unicode() < 128) {
            QTest::keyClick(edit, ch.toLatin1());
        } else {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
            QApplication::sendEvent(edit, &press);
            QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(ch));
            QApplication::sendEvent(edit, &release);
        }
    }
}

// Clicks a row of a list as a user would.
inline void clickRow(QListWidget* list, int row) {
    QListWidgetItem* item = list->item(row);
    ASSERT_NE(item, nullptr);
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
}

// Object names of the controls Tab visits, in order, starting after dialog.
inline QStringList tabOrder(QWidget* dialog) {
    QStringList names;
    QWidget* widget = dialog->nextInFocusChain();
    for (int i = 0; i < 200 && widget != dialog; ++i, widget = widget->nextInFocusChain())
        if ((widget->focusPolicy() & Qt::TabFocus) && !widget->objectName().isEmpty())
            names << widget->objectName();
    return names;
}

// Lets the event loop run until done() holds (an access key presses its
// button a moment later, as the button shows itself pressed first). False
// when it never does.
inline bool processUntil(const std::function<bool()>& done) {
    for (int turn = 0; turn < 400 && !done(); ++turn) QTest::qWait(5);
    return done();
}

// Runs action on the next modal dialog of type D once it is up. Gives up
// (and fails the test) when no such dialog appears within a few hundred turns
// of the event loop, so a missing dialog cannot hang the run.
template <class D>
void whenModal(std::function<void(D*)> action, const char* objectName = nullptr) {
    auto* timer = new QTimer;
    auto turns = std::make_shared<int>(0);
    const QString wanted = objectName ? QString::fromLatin1(objectName) : QString();
    QObject::connect(timer, &QTimer::timeout, [timer, turns, action, wanted] {
        auto* dialog = qobject_cast<D*>(QApplication::activeModalWidget());
        // The game console leaves the main window usable, so it is found by name.
        if (!dialog && !wanted.isEmpty()) {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w->isVisible() && w->objectName() == wanted) dialog = qobject_cast<D*>(w);
        }
        if (dialog && dialog->isVisible() && (wanted.isEmpty() || dialog->objectName() == wanted)) {
            timer->stop();
            timer->deleteLater();
            action(dialog);
        } else if (++*turns > 500) {
            timer->stop();
            timer->deleteLater();
            ADD_FAILURE() << "the expected dialog did not open";
            if (QWidget* other = QApplication::activeModalWidget()) other->close();
        }
    });
    timer->start(5);
}

// The shared record builders, under the names these tests have always used.
using courtlog::testing::player;
inline Team teamWithLineup(const std::string& name, int n) { return courtlog::testing::team(name, n); }

inline std::vector<QString> messageTexts() {
    std::vector<QString> texts;
    for (const auto& message : gui::ui::testing::shownMessages()) texts.push_back(message.text);
    return texts;
}

inline bool messageShown(const QString& text) {
    for (const auto& message : gui::ui::testing::shownMessages())
        if (message.text == text) return true;
    return false;
}

// Sounds on (so the test can hear them), no leftovers from other tests.
inline void freshHooks() {
    gui::ui::programSettings().soundOn = true;
    gui::ui::testing::clearShownMessages();
    gui::ui::testing::clearPlayedSounds();
}

}  // namespace courtlog::testsupport
