#include "gui/ui/DeferredIconStyle.h"

#include <QIconEngine>
#include <QPainter>
#include <QPointer>
#include <QWidget>

namespace courtlog::gui::ui {

namespace {

// Stands for one standard icon of a style and fetches it at the first
// question about its looks. The widget is watched, as it may go away before
// the icon is drawn; the option is not kept (no standard icon of the styles
// in use depends on it).
class DeferredStandardIcon : public QIconEngine {
public:
    DeferredStandardIcon(const QStyle* style, QStyle::StandardPixmap which, const QWidget* widget)
        : style_(style), which_(which), widget_(widget) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override {
        return icon().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return icon().availableSizes(mode, state);
    }
    // Asked when a widget takes the icon; the style's icons are never empty,
    // and answering from the icon itself would fetch it at once.
    bool isNull() override { return fetched_ ? icon_.isNull() : false; }
    QString key() const override { return QStringLiteral("DeferredStandardIcon"); }
    QIconEngine* clone() const override { return new DeferredStandardIcon(*this); }

private:
    const QIcon& icon() {
        if (!fetched_) {
            fetched_ = true;
            if (style_) icon_ = style_->standardIcon(which_, nullptr, widget_.data());
        }
        return icon_;
    }

    QPointer<const QStyle> style_;
    QStyle::StandardPixmap which_;
    QPointer<const QWidget> widget_;
    bool fetched_ = false;
    QIcon icon_;
};

}  // namespace

DeferredIconStyle::DeferredIconStyle() = default;

QIcon DeferredIconStyle::standardIcon(StandardPixmap which, const QStyleOption*, const QWidget* widget) const {
    return QIcon(new DeferredStandardIcon(baseStyle(), which, widget));
}

}  // namespace courtlog::gui::ui
