#pragma once

// Shared by the window benchmarks. Paints as the program draws them: the
// benchmarks let the event loop draw what a step asked to redraw before they
// stop the clock.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QEvent>
#include <QObject>

namespace courtlog::bench {

// Counts the paints of every widget while it lives.
class PaintCounter : public QObject {
public:
    PaintCounter() { qApp->installEventFilter(this); }
    ~PaintCounter() override { qApp->removeEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};

// Lets the program draw what it has asked to redraw, until a pass of the
// event loop draws nothing more.
inline void drawPendingPaints(PaintCounter& counter) {
    for (int pass = 0; pass < 5; ++pass) {
        const int before = counter.paints;
        QApplication::processEvents();
        if (counter.paints == before) return;
    }
}

// main() of a window benchmark: offscreen unless a platform is named.
inline int runWindowBenchmarks(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

}  // namespace courtlog::bench
