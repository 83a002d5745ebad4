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
    QStyle* style = item.widget ? item.widget->style() : QApplication::style();
    // A row that is neither selected, current nor under the mouse has no
    // background of its own: only its text is drawn, where the style put
    // it the last time it laid out a row of this size. The style draws the
    // background, selection and focus of the others.
    const bool plain = !(item.state & (QStyle::State_Selected | QStyle::State_HasFocus | QStyle::State_MouseOver));
    QRect area;
    if (plain && plainRowSize_ == item.rect.size()) {
        area = plainTextArea_.translated(item.rect.topLeft());
    } else {
        item.text.clear();
        style->drawControl(QStyle::CE_ItemViewItem, &item, painter, item.widget);
        area = style->subElementRect(QStyle::SE_ItemViewItemText, &item, item.widget);
        if (plain) {
            plainRowSize_ = item.rect.size();
            plainTextArea_ = area.translated(-item.rect.topLeft());
        }
    }
    if (text.isEmpty()) return;

    const QStaticText& line = laidOut(index.row(), text, item.font);
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
