#include "gui/scoring/TeamSheetPair.h"

#include <QEvent>
#include <QMainWindow>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <optional>

#include "core/records/Game.h"
#include "gui/scoring/GameConsoleWindow.h"
#include "gui/ui/TextFields.h"

namespace courtlog::gui::scoring {

namespace {

// Where the scorekeeper last put the console (position and size); kept
// while the program runs.
std::optional<QRect>& keptConsolePlace() {
    static std::optional<QRect> place;
    return place;
}

// How long a console shown before the window manager framed it is watched
// for its frame: 40 times 25 ms.
constexpr int kFramedChecks = 40;
constexpr int kFramedCheckMs = 25;

// Console sizes tried when the full size loses rows: from the
// console's size down to its minimum in even steps.
constexpr int kShrinkSteps = 8;

// How much covering a sheet hurts. A row is lost as soon as its name or its
// figures are hidden (figures without a name are no use), and every lost row
// outweighs any amount of covered form; among places that lose as many rows,
// the one covering less of the forms wins.
constexpr long long kFormWeight = 1;
constexpr long long kRowWeight = ui::kHiddenRowWeight;
// The main window's title and menu bar stay usable beside the console (Save,
// Auto Save and the roster commands are used during the game); hiding them
// counts like losing four rows.
constexpr long long kMenuWeight = 4 * kRowWeight;

// The smallest a form is drawn beside the console: its smallest text (the
// foul boxes' and the blocks' captions) stays 10 pixels tall.
double readableFormScale() { return 10.0 / sheet::smallFont().pixelSize(); }

QPoint clampedTo(const QRect& screen, const QSize& frame, QPoint place) {
    const int maxX = std::max(screen.left(), screen.left() + screen.width() - frame.width());
    const int maxY = std::max(screen.top(), screen.top() + screen.height() - frame.height());
    return {std::clamp(place.x(), screen.left(), maxX), std::clamp(place.y(), screen.top(), maxY)};
}

}  // namespace

TeamSheetPair::TeamSheetPair(QWidget* area, const Game& game) : area_(area) {
    if (!area) return;
    const auto title = [](const std::string& name, const char* side) {
        return name.empty() ? QString::fromLatin1(side) : ui::fromRecordText(name);
    };
    home_ = new TeamWindow(area, title(game.home.name, "Home"), true);
    visitor_ = new TeamWindow(area, title(game.visitor.name, "Visitor"), false);
    home_->setGame(&game);
    visitor_->setGame(&game);
    layoutSheets();
    home_->show();
    visitor_->show();
    area->installEventFilter(this);
    area->window()->installEventFilter(this);
    makeRoomForForms();
}

TeamSheetPair::~TeamSheetPair() {
    if (area_) {
        area_->removeEventFilter(this);
        area_->window()->removeEventFilter(this);
    }
    if (maximisedMainWindow_ && area_ && area_->window()->isMaximized()) area_->window()->showNormal();
    // The home sheet goes first, then the visitor's.
    delete home_.data();
    delete visitor_.data();
}

QWidget* TeamSheetPair::clientAreaOf(QWidget* mainWindow) {
    auto* frame = qobject_cast<QMainWindow*>(mainWindow);
    return frame ? frame->centralWidget() : nullptr;
}

void TeamSheetPair::refresh() {
    if (home_) home_->figuresChanged();
    if (visitor_) visitor_->figuresChanged();
}

std::function<void()> TeamSheetPair::refreshCallback() {
    return [pair = QPointer<TeamSheetPair>(this)] {
        if (pair) pair->refresh();
    };
}

void TeamSheetPair::followConsole(GameConsoleWindow* console) {
    for (TeamWindow* sheet : {home_.data(), visitor_.data()})
        if (sheet) sheet->followConsole(&console->model(), console);
    console->setFiguresChangedCallback(refreshCallback());
}

void TeamSheetPair::layoutSheets() {
    if (!area_ || !home_ || !visitor_) return;
    const int width = area_->width();
    const int height = area_->height();
    int sheetWidth = width / 2;
    if (reservedMiddle_ > 0) {
        const int besideConsole = (width - reservedMiddle_) / 2;
        // Smaller than this the figures no longer read well; then the sheets
        // keep their halves and the console covers one of them instead.
        if (besideConsole < sheetWidth && besideConsole >= narrowestSheetWidth()) sheetWidth = besideConsole;
    }
    const bool besideConsole = sheetWidth < width / 2;
    home_->setFitToWidth(besideConsole);
    visitor_->setFitToWidth(besideConsole);
    home_->setGeometry(0, 0, sheetWidth, height);
    visitor_->setGeometry(width - sheetWidth, 0, sheetWidth, height);
}

int TeamSheetPair::scrollBarWidth() const {
    return home_ ? home_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, home_) : 0;
}

int TeamSheetPair::narrowestSheetWidth() const {
    return static_cast<int>(std::ceil(sheet::size(0).width() * readableFormScale())) + scrollBarWidth();
}

void TeamSheetPair::makeRoomForForms(int consoleWidth) {
    if (!area_ || !home_ || !visitor_) return;
    QWidget* mainWindow = area_->window();
    if (!mainWindow->isVisible() || mainWindow->isMaximized() || mainWindow->isFullScreen()) return;
    const int rows = static_cast<int>(std::max(home_->figures().rows.size(), visitor_->figures().rows.size()));
    const QSize form = sheet::size(rows);
    // Both forms side by side, each with room for its scroll bar; with the
    // console between them, both at least at their readable size.
    if (consoleWidth <= 0 && area_->width() >= 2 * (form.width() + scrollBarWidth()) &&
        area_->height() >= form.height())
        return;
    if (consoleWidth > 0 && area_->width() >= 2 * narrowestSheetWidth() + consoleWidth &&
        area_->height() >= static_cast<int>(std::ceil(form.height() * readableFormScale())))
        return;
    mainWindow->showMaximized();
    maximisedMainWindow_ = true;
    // The window manager answers a moment later; the console placed before
    // then is placed again when the area has grown (eventFilter).
}

void TeamSheetPair::placeOnceFramed() {
    if (framedChecks_ <= 0 || !console_ || !console_->isVisible()) return;
    if (console_->frameGeometry() != console_->geometry()) {
        framedChecks_ = 0;
        if (!movedByScorekeeper(console_)) placeConsole(console_);
        return;
    }
    if (--framedChecks_ > 0) QTimer::singleShot(kFramedCheckMs, this, [this] { placeOnceFramed(); });
}

bool TeamSheetPair::eventFilter(QObject* watched, QEvent* event) {
    const bool resized = watched == area_ && event->type() == QEvent::Resize;
    const bool moved = area_ && watched == area_->window() && event->type() == QEvent::Move;
    if (resized) layoutSheets();
    // The main window grew or moved (a window manager maximises it in
    // steps: its new size comes before its new place), or the scorekeeper
    // resized it: a console left where it was put is put again, with the
    // sheets beside it.
    if ((resized || moved) && console_ && placed_ && !movedByScorekeeper(console_)) placeConsole(console_);
    return QObject::eventFilter(watched, event);
}

std::vector<CoveredArea> TeamSheetPair::coveredAreas() const {
    std::vector<CoveredArea> areas;
    int group = 0;
    if (area_) {
        const QRect frame = area_->window()->frameGeometry();
        // A few pixels more: a window manager that maximises the main
        // window after the console is placed may move the menu down a little.
        constexpr int kMenuSpare = 6;
        const int areaTop = area_->mapToGlobal(QPoint(0, 0)).y();
        if (areaTop > frame.top())
            areas.push_back({QRect(frame.left(), frame.top(), frame.width(), areaTop - frame.top() + kMenuSpare),
                             kMenuWeight, group++});
    }
    for (const TeamWindow* window : {home_.data(), visitor_.data()}) {
        if (!window || !window->isVisible()) continue;
        const QPoint viewOrigin = window->viewport()->mapToGlobal(QPoint(0, 0));
        const QRect view(viewOrigin, window->viewport()->size());
        // Form coordinates, as drawn (scrolled, and smaller on a narrow sheet).
        const auto onScreen = [&](const QRect& formRect) { return window->toView(formRect).translated(viewOrigin); };
        const int rows = static_cast<int>(window->figures().rows.size());
        areas.push_back({onScreen(QRect(QPoint(0, 0), sheet::size(rows))).intersected(view), kFormWeight});
        for (int row = 0; row < rows; ++row) {
            const QRect name = onScreen(QRect(0, sheet::rowTop(row), sheet::kFoulLeft, sheet::kRowHeight));
            const QRect figures = onScreen(QRect(sheet::kPeriodBlockLeft, sheet::rowTop(row),
                                                 sheet::kWidth - sheet::kPeriodBlockLeft, sheet::kRowHeight));
            // Rows scrolled out of view are not the console's doing.
            if (!view.intersects(name) && !view.intersects(figures)) continue;
            areas.push_back({name.intersected(view), kRowWeight, group});
            areas.push_back({figures.intersected(view), kRowWeight, group});
            ++group;
        }
    }
    return areas;
}

void TeamSheetPair::placeConsole(QWidget* console) {
    if (!console) return;
    QWidget* mainWindow = area_ ? area_->window() : console->parentWidget();
    QScreen* screen = mainWindow ? mainWindow->screen() : console->screen();
    if (!screen) return;
    const QRect available = screen->availableGeometry();

    // Not yet shown, the console has no frame; the window manager will give
    // it one like the main window's.
    QSize decoration = console->frameGeometry().size() - console->size();
    if (!console->isVisible() && mainWindow && mainWindow->isVisible())
        decoration = mainWindow->frameGeometry().size() - mainWindow->size();
    // A maximised main window may have lost its borders; the console keeps
    // a title bar and borders of its own.
    decoration = decoration.expandedTo(QSize(8, 32));

    if (keptConsolePlace()) {
        // Where the scorekeeper put it, with the sheets laid out beside it
        // as for a console placed here.
        const QSize size = keptConsolePlace()->size().expandedTo(console->minimumSizeHint());
        console->resize(size);
        makeRoomForForms(size.width() + decoration.width());
        reservedMiddle_ = size.width() + decoration.width();
        layoutSheets();
        console->move(clampedTo(available, size + decoration, keptConsolePlace()->topLeft()));
    } else {
        const QRect around = mainWindow ? mainWindow->frameGeometry() : available;
        // Placed again (after the main window grew), it starts from the size
        // it came with, not from one it was shrunk to.
        const QSize full = placed_ && console == console_ ? consoleFullSize_ : console->size();
        consoleFullSize_ = full;
        QSize smallest = console->minimumSizeHint();
        if (!smallest.isValid()) smallest = full;
        smallest = smallest.expandedTo(console->minimumSize()).boundedTo(full);
        // A main window too small for both readable forms and the console
        // grows first (the sheets and the console follow once it has).
        makeRoomForForms(smallest.width() + decoration.width());
        // Room between the sheets for the console: what two whole forms
        // leave, but no less than its smallest size, so both forms stay in
        // view beside it, drawn smaller if need be.
        const int room = area_ ? area_->width() - 2 * (sheet::size(0).width() + scrollBarWidth()) : full.width();
        const int consoleWidth = std::clamp(room - decoration.width(), smallest.width(), full.width());
        reservedMiddle_ = consoleWidth + decoration.width();
        layoutSheets();
        const std::vector<CoveredArea> areas = coveredAreas();

        // The console keeps its size unless a smaller one loses fewer rows;
        // it starts as wide as the room between the sheets and no taller
        // than the screen.
        // Below the main window's menu bar, which stays usable, with a few
        // pixels to spare for a window manager whose frame differs from the
        // estimate.
        constexpr int kSpare = 6;
        const int top = area_ ? std::max(available.top(), area_->mapToGlobal(QPoint(0, 0)).y()) : available.top();
        const int roomBelowMenu = available.top() + available.height() - top - decoration.height() - kSpare;
        const QSize start(consoleWidth, std::clamp(roomBelowMenu, smallest.height(), full.height()));
        QSize chosenSize = start;
        QPoint chosenPlace;
        long long chosenRowsLost = -1;
        for (int step = 0; step <= kShrinkSteps; ++step) {
            const QSize size = start - (start - smallest) * step / kShrinkSteps;
            const QSize frame = size + decoration;
            // Low in the middle: the room left above it takes a viewer.
            const QPoint low(around.center().x() - frame.width() / 2, around.bottom() + 1 - frame.height());
            const QPoint place = leastCoveringPlace(available, frame, areas, clampedTo(available, frame, low));
            const long long rowsLost = coveredWeight(QRect(place, frame), areas) / kRowWeight;
            if (chosenRowsLost < 0 || rowsLost < chosenRowsLost) {
                chosenSize = size;
                chosenPlace = place;
                chosenRowsLost = rowsLost;
            }
            if (rowsLost == 0) break;
        }
        console->resize(chosenSize);
        console->move(chosenPlace);
    }
    console_ = console;
    placedAt_ = QRect(console->pos(), console->size());
    // A window shown but not yet framed by the window manager is put by
    // its inside, and its frame then lands a title bar higher: placed
    // again once the frame is there. Nothing tells when that is, so the
    // frame is looked for a few times a second, for a while.
    framedChecks_ = console->isVisible() && console->frameGeometry() == console->geometry() ? kFramedChecks : 0;
    if (framedChecks_ > 0) QTimer::singleShot(kFramedCheckMs, this, [this] { placeOnceFramed(); });
    placed_ = true;
}

bool TeamSheetPair::movedByScorekeeper(const QWidget* console) const {
    if (!console || !placed_) return false;
    // A window manager settles a new window a pixel or two from where it
    // was put; only a move or a resize beyond that is the scorekeeper's.
    constexpr int kScorekeepersMove = 24;
    const QPoint moved = console->pos() - placedAt_.topLeft();
    const QSize resized = console->size() - placedAt_.size();
    return moved.manhattanLength() > kScorekeepersMove || std::abs(resized.width()) > kScorekeepersMove ||
           std::abs(resized.height()) > kScorekeepersMove;
}

void TeamSheetPair::rememberConsolePlace(const QWidget* console) {
    if (movedByScorekeeper(console)) keptConsolePlace() = QRect(console->pos(), console->size());
}

void TeamSheetPair::forgetConsolePlace() { keptConsolePlace().reset(); }

}  // namespace courtlog::gui::scoring
