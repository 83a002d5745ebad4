// A Qt plugin for the end-to-end benchmark (bench/play_flow.py): loaded into
// an unchanged program through QT_QPA_GENERIC_PLUGINS=widgetprobe, it tells
// the benchmark where the widgets it is to click are, so the clicks can be
// sent through the X server like a user's.
//
// WIDGET_PROBE_NAMES lists object names, comma-separated; each time a widget
// of one of those names is painted somewhere new, one line goes to the file
// WIDGET_PROBE_FILE: "name window x y width height title", with window the X
// window of its top-level and x, y its place within that window. Once every
// name has been seen and a second has passed without news, the probe stops
// watching, so it costs the program nothing while it is being timed. The
// line ends with the window's title, by which a window made anew (a dialog
// shown again) is found.

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QGenericPlugin>
#include <QHash>
#include <QTimer>
#include <QWidget>

namespace {

class WidgetProbe : public QObject {
public:
    WidgetProbe() : file_(qEnvironmentVariable("WIDGET_PROBE_FILE")) {
        for (const QString& name : qEnvironmentVariable("WIDGET_PROBE_NAMES").split(QLatin1Char(','), Qt::SkipEmptyParts))
            places_.insert(name, QString());
        if (places_.isEmpty() || !file_.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)) return;
        QCoreApplication::instance()->installEventFilter(this);
        quiet_.setSingleShot(true);
        quiet_.setInterval(1000);
        QObject::connect(&quiet_, &QTimer::timeout, this,
                         [this] { QCoreApplication::instance()->removeEventFilter(this); });
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Paint || !watched->isWidgetType()) return false;
        const auto found = places_.find(watched->objectName());
        if (found == places_.end()) return false;
        auto* widget = static_cast<QWidget*>(watched);
        QWidget* top = widget->window();
        const QPoint at = widget->mapTo(top, QPoint(0, 0));
        const QString place = QStringLiteral("%1 %2 %3 %4 %5 %6 %7\n")
                                  .arg(found.key())
                                  .arg(static_cast<qulonglong>(top->winId()))
                                  .arg(at.x())
                                  .arg(at.y())
                                  .arg(widget->width())
                                  .arg(widget->height())
                                  .arg(top->windowTitle());
        if (place != found.value()) {
            found.value() = place;
            file_.write(place.toUtf8());
            bool all = true;
            for (const QString& known : std::as_const(places_)) all = all && !known.isEmpty();
            if (all) quiet_.start();
        }
        return false;
    }

private:
    QFile file_;
    QHash<QString, QString> places_;  // name -> the line last written
    QTimer quiet_;
};

class WidgetProbePlugin : public QGenericPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "widget_probe.json")
public:
    QObject* create(const QString&, const QString&) override { return new WidgetProbe; }
};

}  // namespace

#include "WidgetProbe.moc"
