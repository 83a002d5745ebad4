#pragma once

#include <QListWidget>
#include <QStringList>
#include <string>
#include <vector>

namespace courtlog::gui::stats {

class LineListDelegate;

// A list of fixed-width text lines (the box score) that follows new text
// by changing only the lines that differ: it keeps where the user scrolled,
// and only those lines are laid out and drawn again.
class LineList : public QListWidget {
    Q_OBJECT
public:
    explicit LineList(QWidget* parent = nullptr);

    // Shows lines (UTF-8), one row each.
    void showLines(const std::vector<std::string>& lines);
    QStringList lines() const;

protected:
    // A list view lays out and draws all its rows again when one changes;
    // the rows here all have one size, so a changed row alone is drawn.
    void dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                     const QList<int>& roles = QList<int>()) override;
    // The list view draws every row from the first changed one to the
    // last; the parts to draw are drawn one by one.
    void paintEvent(QPaintEvent* event) override;

private:
    LineListDelegate* delegate_;
};

}  // namespace courtlog::gui::stats
