// The help pages of the build's data tree: one page per topic the program opens.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

namespace {

const QString kHelpDir = QStringLiteral(SKIM_BUILD_DATA_DIR "/help");

// Every context number a Help command or button of the program asks for.
const int kTopics[] = {2,  4,  10, 16, 18, 19, 21, 26, 27, 29, 30, 31, 32,
                       33, 34, 35, 37, 38, 39, 40, 42, 43, 44, 45, 46, 47};

QString readText(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(f.readAll());
}

// Targets of the page's links, without their #fragments.
QStringList links(const QString& html) {
    static const QRegularExpression href(QStringLiteral("href\\s*=\\s*[\"']([^\"']*)[\"']"),
                                         QRegularExpression::CaseInsensitiveOption);
    QStringList out;
    for (auto it = href.globalMatch(html); it.hasNext();)
        out << it.next().captured(1).section('#', 0, 0);
    return out;
}

bool isLocal(const QString& target) {
    return !target.isEmpty() && !target.contains(':');
}

} // namespace

TEST(ContentHelp, EveryTopicTheProgramOpensHasAPage) {
    for (int topic : kTopics) {
        const QString page = kHelpDir + QStringLiteral("/topic%1.html").arg(topic);
        EXPECT_FALSE(readText(page).trimmed().isEmpty())
            << page.toStdString() << " is missing or empty";
    }
}

TEST(ContentHelp, ContentsLinksEveryTopic) {
    const QString contents = readText(kHelpDir + "/contents.html");
    ASSERT_FALSE(contents.isEmpty()) << "help/contents.html is missing";
    QSet<QString> targets;
    for (const QString& t : links(contents))
        targets.insert(t);
    for (int topic : kTopics)
        EXPECT_TRUE(targets.contains(QStringLiteral("topic%1.html").arg(topic)))
            << "contents does not link topic " << topic;
}

TEST(ContentHelp, LinksBetweenPagesLeadToExistingPages) {
    const QStringList pages = QDir(kHelpDir).entryList({"*.html"}, QDir::Files);
    ASSERT_FALSE(pages.isEmpty());
    for (const QString& page : pages) {
        for (const QString& target : links(readText(kHelpDir + "/" + page))) {
            if (!isLocal(target))
                continue;
            EXPECT_TRUE(QFileInfo::exists(kHelpDir + "/" + target))
                << page.toStdString() << " links to missing " << target.toStdString();
        }
    }
}
