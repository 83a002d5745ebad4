#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>

namespace {

const QDir kHelp(QStringLiteral(COURTLOG_RESOURCES "/help"));

QString readPage(const QString& name) {
    QFile file(kHelp.filePath(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
    return QString::fromUtf8(file.readAll());
}

// The pages and style sheets a page links to, without anchors.
QStringList localLinks(const QString& page) {
    static const QRegularExpression link(QStringLiteral("(?:href|src)=\"([^\"]*)\""));
    QStringList links;
    for (auto match = link.globalMatch(page); match.hasNext();) {
        QString target = match.next().captured(1);
        if (target.contains(QStringLiteral("://")) || target.startsWith(QStringLiteral("mailto:"))) continue;
        target = target.section(QLatin1Char('#'), 0, 0);
        if (!target.isEmpty()) links << target;
    }
    return links;
}

TEST(HelpManual, EveryLinkLeadsToAPageOfTheManual) {
    const QStringList pages = kHelp.entryList({QStringLiteral("*.html")}, QDir::Files);
    ASSERT_TRUE(pages.contains(QStringLiteral("crhelp.html")));
    for (const QString& name : pages)
        for (const QString& target : localLinks(readPage(name)))
            EXPECT_TRUE(QFile::exists(kHelp.filePath(target)))
                << name.toStdString() << " links to the missing " << target.toStdString();
}

TEST(HelpManual, EveryPageIsReachableFromTheContents) {
    QSet<QString> reached{QStringLiteral("crhelp.html")};
    QStringList toVisit{QStringLiteral("crhelp.html")};
    while (!toVisit.isEmpty()) {
        const QString name = toVisit.takeFirst();
        if (!QFile::exists(kHelp.filePath(name))) continue;
        for (const QString& target : localLinks(readPage(name)))
            if (target.endsWith(QStringLiteral(".html")) && !reached.contains(target)) {
                reached.insert(target);
                toVisit << target;
            }
    }
    for (const QString& name : kHelp.entryList({QStringLiteral("*.html")}, QDir::Files))
        EXPECT_TRUE(reached.contains(name)) << name.toStdString() << " cannot be reached from the contents";
}

// Every feature the contents lists is built now: no page may still call
// one "(coming)".
TEST(HelpManual, NoPageSaysAFeatureIsStillToCome) {
    const QStringList pages = kHelp.entryList({QStringLiteral("*.html")}, QDir::Files);
    ASSERT_FALSE(pages.isEmpty());
    for (const QString& name : pages)
        EXPECT_FALSE(readPage(name).contains(QStringLiteral("class=\"coming\""))) << name.toStdString();
}

}  // namespace

namespace {

// The console page says which keys belong to which team after Swap Sides,
// and the first-game walk-through leads to it instead of promising it.
TEST(HelpManual, TheConsolePageNamesTheKeysByTeamAndTheWalkThroughLinksToIt) {
    const QString console = readPage(QStringLiteral("game-console.html"));
    EXPECT_FALSE(console.contains(QStringLiteral("for the team on the left")));
    EXPECT_TRUE(console.contains(QStringLiteral("for the home team")));
    const QString walkThrough = readPage(QStringLiteral("quick-start.html"));
    EXPECT_FALSE(walkThrough.contains(QStringLiteral("description of the console is coming")));
    EXPECT_TRUE(localLinks(walkThrough).contains(QStringLiteral("game-console.html")));
}

}  // namespace
