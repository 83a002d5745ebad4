#pragma once

#include <QRect>
#include <QSize>
#include <QStaticText>
#include <QString>
#include <QStyledItemDelegate>
#include <vector>

namespace courtlog::gui::stats {

// Paints the rows of a list of fixed-width text lines from laid-out text
// kept per row, so a repaint does not lay out every line's glyphs again:
// the box score beside the console repaints after every play, and only the
// rows whose text changed are laid out anew. Selection and focus are drawn
// by the style as for any list.
class LineListDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

    // Forgets the rows from count on (the list got shorter).
    void keepRows(int count);

private:
    struct Row {
        QString text;
        QStaticText laidOut;
    };
    const QStaticText& laidOut(int row, const QString& text, const QFont& font) const;

    mutable std::vector<Row> rows_;
    // Where the style puts the text of a plain row of this size.
    mutable QSize plainRowSize_;
    mutable QRect plainTextArea_;
};

}  // namespace courtlog::gui::stats
