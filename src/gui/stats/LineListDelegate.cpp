#include "gui/stats/LineListDelegate.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>

namespace courtlog::gui::stats {

const QStaticText& LineListDelegate::laidOut(int row, const QString& text, const QFont& font) const {
    if (row >= static_cast<int>(rows_.size())) rows_.resize(static_cast<std::size_t>(row) + 1);
    Row& cached = rows_[static_cast<std::size_t>(row)];
    if (cached.text != text || cached.laidOut.text().isNull()) {
        cached.text = text;
        cached.laidOut = QStaticText(text);
        cached.laidOut.setTextFormat(Qt::PlainText);
        cached.laidOut.setPerformanceHint(QStaticText::AggressiveCaching);
        cached.laidOut.prepare(QTransform(), font);
    }
    return cached.laidOut;
}

void LineListDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    const QString text = item.text;
    // The style draws the row's background, selection and focus; the text
    // comes from the cache.
    item.text.clear();
    QStyle* style = item.widget ? item.widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &item, painter, item.widget);
    if (text.isEmpty()) return;

    const QStaticText& line = laidOut(index.row(), text, item.font);
    const QRect area = style->subElementRect(QStyle::SE_ItemViewItemText, &item, item.widget);
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, item.widget) + 1;
    const bool selected = item.state & QStyle::State_Selected;
    painter->save();
    painter->setFont(item.font);
    painter->setPen(
        item.palette.color(QPalette::Normal, selected ? QPalette::HighlightedText : QPalette::Text));
    painter->setClipRect(area);
    const int top = area.top() + (area.height() - qRound(line.size().height())) / 2;
    painter->drawStaticText(QPoint(area.left() + margin, top), line);
    painter->restore();
}

void LineListDelegate::keepRows(int count) {
    if (count < static_cast<int>(rows_.size())) rows_.resize(static_cast<std::size_t>(std::max(count, 0)));
}

}  // namespace courtlog::gui::stats
