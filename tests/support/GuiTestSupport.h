#pragma once

// Helpers shared by the team, roster and game dialog tests: find controls
// by object name, act on the modal dialog a command opens, and make teams.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QKeyEvent>
#include <QListWidget>
#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QScreen>
#include <QRegularExpression>
#include <QSizeF>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <memory>
#include <string>

#include "RecordBuilders.h"
#include "core/records/Team.h"
#include "gui/ui/AppState.h"
#include "gui/ui/GameConsoleLink.h"
#include "gui/ui/MessageBox.h"
#include "gui/ui/ProgramSettings.h"
#include "gui/ui/Sound.h"

namespace courtlog::testsupport {

// The layout checks of the screen tests need a laptop's screen or larger.
inline bool laptopOrLarger(const QRect& screen) { return screen.width() >= 1366 && screen.height() >= 738; }

// Ends a screen test: the main window closed, the program's settings and
// state as they were at start, and the test reported skipped when the
// screen was too small for its layout checks.
template <class Window>
void endScreenTest(std::unique_ptr<Window>& window, const QRect& screen) {
    window->close();
    window.reset();
    gui::ui::programSettings().setDefaults();
    gui::ui::appState() = gui::ui::AppState{};
    if (!laptopOrLarger(screen))
        GTEST_SKIP() << "the layout checks need a screen of at least 1366 x 738 pixels, this one is "
                     << screen.width() << " x " << screen.height() << " (scripts/test runs them under Xvfb)";
}

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

// The entries of a drop-down list, as the user sees them when it opens.
inline QStringList comboItems(QWidget* dialog, const char* listName) {
    QStringList items;
    if (auto* list = control<QComboBox>(dialog, listName))
        for (int i = 0; i < list->count(); ++i) items << list->itemText(i);
    return items;
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
// when it never does. This is the way to wait in these tests: QTRY_VERIFY,
// QTRY_COMPARE and QVERIFY report to QtTest, not to GoogleTest, so a failed
// one only returns from the function it is in and the test still passes.
// Wait with EXPECT_TRUE(processUntil(...)) or ASSERT_TRUE(processUntil(...)).
inline bool processUntil(const std::function<bool()>& done) {
    for (int turn = 0; turn < 400 && !done(); ++turn) QTest::qWait(5);
    return done();
}

// What the screen shows of a widget: its window's backing store as the last
// paints left it, not a fresh drawing (which widget->grab() would make). A
// widget that redraws only what changed must show what a fresh drawing
// shows.
inline QImage onScreen(QWidget& widget) {
    const QImage window = QGuiApplication::primaryScreen()->grabWindow(widget.window()->winId()).toImage();
    return window.copy(QRect(widget.mapTo(widget.window(), QPoint()), widget.size()))
        .convertToFormat(QImage::Format_RGB32);
}
inline QImage freshDrawing(QWidget& widget) { return widget.grab().toImage().convertToFormat(QImage::Format_RGB32); }

// Closes the modal dialogs and the game console that are still open. A
// QDialog is ended through QDialog::done itself, so no override (a console
// asking to save, say) can keep it up.
inline void closeStrayWindows() {
    for (int i = 0; i < 8; ++i) {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) break;
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->QDialog::done(QDialog::Rejected);
        else
            modal->close();
    }
    if (gui::ui::GameConsoleLink* console = gui::ui::appState().console)
        if (auto* dialog = qobject_cast<QDialog*>(console->consoleWidget())) dialog->QDialog::done(QDialog::Rejected);
}

// Runs steps inside an event-loop callback (a timer, a dialog hook). An
// ASSERT there only leaves the callback, and the dialog the steps were to
// close would then wait for ever; after a fatal failure in steps the windows
// left open are closed, so the test fails instead of hanging.
inline void closingStrayWindowsOnFailure(const std::function<void()>& steps) {
    const bool failedBefore = ::testing::Test::HasFatalFailure();
    steps();
    if (!failedBefore && ::testing::Test::HasFatalFailure()) closeStrayWindows();
}

// Runs action on the next modal dialog of type D once it is up. Gives up
// (and fails the test) when no such dialog appears within a few hundred turns
// of the event loop, so a missing dialog cannot hang the run; a fatal failure
// inside action closes what is left open.
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
            closingStrayWindowsOnFailure([&] { action(dialog); });
        } else if (++*turns > 500) {
            timer->stop();
            timer->deleteLater();
            ADD_FAILURE() << "the expected dialog did not open";
            if (QWidget* other = QApplication::activeModalWidget()) other->close();
        }
    });
    timer->start(5);
}

// Runs action once the game console is open: starting a game may run the
// event loop (the team sheets settle) before the console exists. Fails the
// test when the console does not open; a fatal failure inside action stops
// the game, so startGameConsole returns.
inline void whenConsoleOpen(std::function<void()> action) {
    auto* timer = new QTimer;
    auto turns = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, turns, action] {
        gui::ui::GameConsoleLink* console = gui::ui::appState().console;
        const bool open = console && console->consoleWidget()->isVisible();
        if (!open && ++*turns < 400) return;
        timer->stop();
        timer->deleteLater();
        if (!open) {
            ADD_FAILURE() << "the game console did not open";
            closeStrayWindows();
            return;
        }
        closingStrayWindowsOnFailure(action);
    });
    timer->start(5);
}

// The shared record builders, under the names these tests have always used.
using courtlog::testing::play;
using courtlog::testing::playBy;
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

// The text of a PDF file as pdftotext reads it (poppler-utils), with the
// page layout kept when layout is set; pages end in a form feed. Empty
// when the file cannot be read.
inline QString pdfText(const QString& pdfPath, bool layout = false) {
    QProcess process;
    QStringList arguments;
    if (layout) arguments << QStringLiteral("-layout");
    arguments << pdfPath << QStringLiteral("-");
    process.start(QStringLiteral("pdftotext"), arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0) {
        ADD_FAILURE() << "pdftotext could not read " << pdfPath.toStdString() << " (is poppler-utils installed?)";
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

// A word of a PDF page with its box (points from the page's top left), as
// pdftotext -bbox reads it; pdfWords gives them in reading order (page,
// top, left to right).
struct PdfWord {
    int page = 0;  // 1-based
    double left = 0, top = 0, right = 0, bottom = 0;
    QString text;
    double centreX() const { return (left + right) / 2; }
};

inline std::vector<PdfWord> pdfWords(const QString& pdfPath) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdfPath, QStringLiteral("-")});
    if (!process.waitForFinished(60000) || process.exitCode() != 0) {
        ADD_FAILURE() << "pdftotext -bbox could not read " << pdfPath.toStdString();
        return {};
    }
    const QString html = QString::fromUtf8(process.readAllStandardOutput());
    static const QRegularExpression tag(QStringLiteral(
        R"re(<page |<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    std::vector<PdfWord> words;
    int page = 0;
    for (auto it = tag.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        if (m.captured(0).startsWith(QLatin1String("<page"))) {
            ++page;
            continue;
        }
        QString text = m.captured(5);
        text.replace(QLatin1String("&amp;"), QLatin1String("&")).replace(QLatin1String("&lt;"), QLatin1String("<"));
        text.replace(QLatin1String("&gt;"), QLatin1String(">")).replace(QLatin1String("&quot;"), QLatin1String("\""));
        text.replace(QLatin1String("&apos;"), QLatin1String("'"));
        words.push_back({page, m.captured(1).toDouble(), m.captured(2).toDouble(), m.captured(3).toDouble(),
                         m.captured(4).toDouble(), text});
    }
    // Words of one font on one line share their top to a fraction of a point.
    std::stable_sort(words.begin(), words.end(), [](const PdfWord& a, const PdfWord& b) {
        const auto line = [](const PdfWord& w) { return std::pair(w.page, std::lround(w.top)); };
        return line(a) != line(b) ? line(a) < line(b) : a.left < b.left;
    });
    return words;
}

// The size in points of the first page of a PDF file, as pdftotext -bbox
// reads it; empty when the file cannot be read.
inline QSizeF pdfPageSize(const QString& pdfPath) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-bbox"), QStringLiteral("-l"), QStringLiteral("1"), pdfPath, QStringLiteral("-")});
    if (!process.waitForFinished(60000) || process.exitCode() != 0) return {};
    const QRegularExpressionMatch size =
        QRegularExpression(QStringLiteral(R"re(<page width="([\d.]+)" height="([\d.]+)")re"))
            .match(QString::fromUtf8(process.readAllStandardOutput()));
    return size.hasMatch() ? QSizeF(size.captured(1).toDouble(), size.captured(2).toDouble()) : QSizeF();
}

// Sounds on (so the test can hear them), no leftovers from other tests.
inline void freshHooks() {
    gui::ui::programSettings().soundOn = true;
    gui::ui::testing::clearShownMessages();
    gui::ui::testing::clearPlayedSounds();
}

}  // namespace courtlog::testsupport
