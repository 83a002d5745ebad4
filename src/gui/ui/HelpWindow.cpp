#include "gui/ui/HelpWindow.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTextDocumentFragment>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>
#include <algorithm>

#include "core/ProgramInfo.h"

namespace courtlog::gui::ui {

namespace {

constexpr auto kContentsPage = "crhelp.html";

// "Basketball Courtlog Help": the window's own title, and the prefix of
// every page's title.
QString helpTitle() { return QString::fromLatin1(kShortTitle) + QStringLiteral(" Help"); }

QString titleOf(const QString& html, const QString& fallback) {
    static const QRegularExpression title(QStringLiteral("<title>(.*?)</title>"),
                                          QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch match = title.match(html);
    if (!match.hasMatch()) return fallback;
    QString text = QTextDocumentFragment::fromHtml(match.captured(1)).toPlainText().simplified();
    text.remove(QRegularExpression(QStringLiteral("^") + QRegularExpression::escape(helpTitle()) +
                                   QStringLiteral(":\\s*")));
    return text.isEmpty() ? fallback : text;
}

QString localPath(const QUrl& url) {
    if (url.scheme() == QStringLiteral("qrc")) return QLatin1Char(':') + url.path();
    return url.toLocalFile();
}

}  // namespace

HelpWindow::HelpWindow(const QUrl& manualFolder, QWidget* parent)
    : QWidget(parent, Qt::Window), folder_(manualFolder) {
    setObjectName(QStringLiteral("helpWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(helpTitle());

    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("helpBrowser"));
    browser_->setOpenExternalLinks(true);

    contents_ = new QTreeWidget(this);
    contents_->setObjectName(QStringLiteral("helpContents"));
    contents_->setHeaderHidden(true);
    contents_->setRootIsDecorated(true);

    searchEdit_ = new QLineEdit(this);
    searchEdit_->setObjectName(QStringLiteral("helpSearchEdit"));
    searchEdit_->setPlaceholderText(QStringLiteral("Words to find"));
    searchEdit_->setClearButtonEnabled(true);
    auto* searchButton = new QPushButton(QStringLiteral("&Search"), this);
    searchButton->setObjectName(QStringLiteral("helpSearchButton"));
    results_ = new QListWidget(this);
    results_->setObjectName(QStringLiteral("helpSearchResults"));

    auto* searchPage = new QWidget(this);
    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(searchEdit_, 1);
    searchRow->addWidget(searchButton);
    auto* searchBox = new QVBoxLayout(searchPage);
    searchBox->setContentsMargins(4, 4, 4, 4);
    searchBox->addLayout(searchRow);
    searchBox->addWidget(results_, 1);

    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("helpTabs"));
    tabs_->addTab(contents_, QStringLiteral("C&ontents"));
    tabs_->addTab(searchPage, QStringLiteral("Searc&h"));

    auto* backButton = new QPushButton(QStringLiteral("< &Back"), this);
    backButton->setObjectName(QStringLiteral("helpBackButton"));
    backButton->setEnabled(false);
    auto* forwardButton = new QPushButton(QStringLiteral("&Forward >"), this);
    forwardButton->setObjectName(QStringLiteral("helpForwardButton"));
    forwardButton->setEnabled(false);
    auto* homeButton = new QPushButton(QStringLiteral("&Contents"), this);
    homeButton->setObjectName(QStringLiteral("helpHomeButton"));
    auto* closeButton = new QPushButton(QStringLiteral("C&lose"), this);
    closeButton->setObjectName(QStringLiteral("helpCloseButton"));

    connect(backButton, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forwardButton, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, backButton, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forwardButton, &QPushButton::setEnabled);
    connect(homeButton, &QPushButton::clicked, this,
            [this] { showPage(folder_.resolved(QUrl(QLatin1String(kContentsPage)))); });
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    connect(browser_, &QTextBrowser::sourceChanged, this, [this] {
        const QString title = browser_->documentTitle();
        setWindowTitle(title.isEmpty() ? helpTitle() : title);
    });
    connect(contents_, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
        const QString target = item->data(0, Qt::UserRole).toString();
        if (!target.isEmpty()) showPage(folder_.resolved(QUrl(target)));
    });
    connect(contents_, &QTreeWidget::itemClicked, contents_, &QTreeWidget::itemActivated);
    connect(searchEdit_, &QLineEdit::returnPressed, this, [this] { search(searchEdit_->text()); });
    connect(searchButton, &QPushButton::clicked, this, [this] { search(searchEdit_->text()); });
    connect(results_, &QListWidget::itemActivated, this, &HelpWindow::openSearchResult);
    connect(results_, &QListWidget::itemClicked, this, &HelpWindow::openSearchResult);

    auto* splitter = new QSplitter(this);
    splitter->addWidget(tabs_);
    splitter->addWidget(browser_);
    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({260, 640});

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(backButton);
    buttons->addWidget(forwardButton);
    buttons->addWidget(homeButton);
    buttons->addStretch(1);
    buttons->addWidget(closeButton);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(splitter, 1);

    QSize size(920, 640);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableSize() * 9 / 10);
    resize(size);
    fillContents();
}

QString HelpWindow::pageText(const QString& fileName) const {
    QFile file(localPath(folder_.resolved(QUrl(fileName))));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll());
}

QStringList HelpWindow::pageNames() const {
    return QDir(localPath(folder_)).entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name);
}

void HelpWindow::fillContents() {
    // The contents page's own headings and links, as a tree: it stays right
    // whenever a page is added to the manual.
    const QString html = pageText(QLatin1String(kContentsPage));
    static const QRegularExpression piece(
        // "<li" followed by a blank or ">", so the head's "<link" is no item.
        QStringLiteral("<h2(?:\\s[^>]*)?>(.*?)</h2>|<li(\\s[^>]*)?>(.*?)</li>"),
        QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression link(QStringLiteral("<a href=\"([^\"]*)\">(.*?)</a>"),
                                         QRegularExpression::DotMatchesEverythingOption);
    auto plain = [](const QString& fragment) {
        return QTextDocumentFragment::fromHtml(fragment).toPlainText().simplified();
    };
    auto* top = new QTreeWidgetItem(contents_, {QStringLiteral("Contents")});
    top->setData(0, Qt::UserRole, QLatin1String(kContentsPage));
    QTreeWidgetItem* section = top;
    for (auto it = piece.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        if (!match.captured(1).isEmpty()) {
            section = new QTreeWidgetItem(contents_, {plain(match.captured(1))});
            continue;
        }
        const QString item = match.captured(3);
        const QRegularExpressionMatch target = link.match(item);
        auto* entry = new QTreeWidgetItem(section, {plain(target.hasMatch() ? target.captured(2) : item)});
        entry->setToolTip(0, plain(item));
        if (target.hasMatch())
            entry->setData(0, Qt::UserRole, target.captured(1));
        else
            entry->setDisabled(true);  // described, not in this version yet
    }
    contents_->expandAll();
}

void HelpWindow::showPage(const QUrl& url) {
    browser_->setSource(url);
    // Select the contents entry of the page, when it has one.
    const QString fileName = url.fileName();
    for (QTreeWidgetItemIterator it(contents_); *it; ++it) {
        if ((*it)->data(0, Qt::UserRole).toString().section(QLatin1Char('#'), 0, 0) == fileName) {
            contents_->setCurrentItem(*it);
            break;
        }
    }
}

QUrl HelpWindow::currentPage() const { return browser_->source(); }

int HelpWindow::search(const QString& text) {
    results_->clear();
    tabs_->setCurrentIndex(1);
    const QStringList words = text.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.isEmpty()) return 0;
    struct Hit {
        QString page, title;
        qsizetype count = 0;
    };
    std::vector<Hit> hits;
    for (const QString& name : pageNames()) {
        const QString html = pageText(name);
        const QString body = QTextDocumentFragment::fromHtml(html).toPlainText();
        qsizetype count = 0;
        bool all = true;
        for (const QString& word : words) {
            const qsizetype n = body.count(word, Qt::CaseInsensitive);
            if (n == 0) all = false;
            count += n;
        }
        if (all) hits.push_back({name, titleOf(html, name), count});
    }
    std::stable_sort(hits.begin(), hits.end(), [](const Hit& a, const Hit& b) { return a.count > b.count; });
    for (const Hit& hit : hits) {
        auto* item = new QListWidgetItem(QStringLiteral("%1 (%2)").arg(hit.title).arg(hit.count), results_);
        item->setData(Qt::UserRole, hit.page);
    }
    if (hits.empty()) {
        auto* none = new QListWidgetItem(QStringLiteral("No page holds all of these words."), results_);
        none->setFlags(Qt::NoItemFlags);
    }
    return static_cast<int>(hits.size());
}

void HelpWindow::openSearchResult() {
    const QListWidgetItem* item = results_->currentItem();
    if (!item || item->data(Qt::UserRole).toString().isEmpty()) return;
    showPage(folder_.resolved(QUrl(item->data(Qt::UserRole).toString())));
    // Show the first place the words are found.
    const QStringList words = searchEdit_->text().simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (!words.isEmpty()) browser_->find(words.first());
}

HelpWindow* HelpWindow::showFor(QWidget* owner, const QUrl& manualFolder, const QUrl& page) {
    static QPointer<HelpWindow> instance;
    QWidget* ownerWindow = owner ? owner->window() : nullptr;
    // A window of a modal dialog's own can be used while the dialog runs;
    // one made for another window could not.
    if (instance && (instance->parentWidget() != ownerWindow || instance->folder_ != manualFolder)) {
        instance->close();
        instance = nullptr;
    }
    if (!instance) instance = new HelpWindow(manualFolder, ownerWindow);
    instance->showPage(page);
    instance->show();
    instance->raise();
    instance->activateWindow();
    return instance;
}

}  // namespace courtlog::gui::ui
