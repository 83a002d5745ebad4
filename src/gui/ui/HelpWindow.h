#pragma once

#include <QUrl>
#include <QWidget>

class QLineEdit;
class QListWidget;
class QTabWidget;
class QTextBrowser;
class QTreeWidget;
class QTreeWidgetItem;

namespace courtlog::gui::ui {

// The user's manual, shown inside the program: the contents beside the
// page, links followed in place (web addresses go to the browser), back and
// forward, and a search over every page of the manual.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    // manualFolder is the folder URL holding crhelp.html and its pages (a
    // local folder or the copy built into the program).
    explicit HelpWindow(const QUrl& manualFolder, QWidget* parent = nullptr);

    // Shows url (a page of the manual, with or without an anchor).
    void showPage(const QUrl& url);
    QUrl currentPage() const;

    // Lists the pages holding every word of text, most hits first, in the
    // search tab; returns how many pages were found.
    int search(const QString& text);

    // The one help window: made for owner's window (so that it can be used
    // beside a modal dialog there), or reused when it is already up for it.
    static HelpWindow* showFor(QWidget* owner, const QUrl& manualFolder, const QUrl& page);

private:
    void fillContents();
    void openSearchResult();
    QString pageText(const QString& fileName) const;
    QStringList pageNames() const;

    QUrl folder_;
    QTextBrowser* browser_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    QTreeWidget* contents_ = nullptr;
    QLineEdit* searchEdit_ = nullptr;
    QListWidget* results_ = nullptr;
};

}  // namespace courtlog::gui::ui
