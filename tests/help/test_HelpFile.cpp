// SPDX-License-Identifier: GPL-3.0-or-later
// The help file tells players the rules the game plays by: its level table, score formula,
// score examples and feedback example are checked against the rules themselves, so a change
// on either side that leaves the other behind fails here.
#include "LevelCatalogue.h"
#include "Score.h"
#include "Scoring.h"

// Qt
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QTest>

// Std
#include <vector>

using namespace tintrix;

namespace {

constexpr auto kFind = QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption;

QString stripTags(QString html)
{
    html.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
    return html.replace(QStringLiteral("&times;"), QStringLiteral("x")).simplified();
}

/** The rows holding <td> cells of the table with the given id, as plain cell texts. */
QList<QStringList> tableRows(const QString& html, const QString& id)
{
    const QRegularExpression tableRe(QString::fromLatin1(R"re(<table\b[^>]*\bid="%1"[^>]*>(.*?)</table>)re").arg(id), kFind);
    const QRegularExpression rowRe(QStringLiteral("<tr[^>]*>(.*?)</tr>"), kFind);
    const QRegularExpression cellRe(QStringLiteral("<t[dh][^>]*>(.*?)</t[dh]>"), kFind);
    QList<QStringList> rows;
    for (auto r = rowRe.globalMatch(tableRe.match(html).captured(1)); r.hasNext();) {
        const QString row = r.next().captured(1);
        QStringList cells;
        for (auto c = cellRe.globalMatch(row); c.hasNext();)
            cells << stripTags(c.next().captured(1));
        if (row.contains(QLatin1String("<td")))
            rows << cells;
    }
    return rows;
}

} // namespace

class HelpFileTest : public QObject {
    Q_OBJECT

    QString m_html; ///< the file without its comments, which are for editors, not players
    QString m_text; ///< the same as plain text

private slots:
    void initTestCase()
    {
        QFile file(QStringLiteral(TINTRIX_PROGRAM_DIR "/tintrix.hlp"));
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
        m_html = QString::fromUtf8(file.readAll()).remove(QRegularExpression(QStringLiteral("<!--.*?-->"), kFind));
        m_text = stripTags(m_html);
    }

    // The level table lists every catalogue row in order, with the level that replays it, and
    // the catalogue's holes, colours, duplicates and rows; the tournament length is as played.
    void levelsMatchTheCatalogue()
    {
        const auto rows = tableRows(m_html, QStringLiteral("level-table"));
        QCOMPARE(rows.size(), kCatalogueRows);
        for (const LevelSpec& entry : kLevelCatalogue) {
            const QStringList& row = rows[entry.Level - 1];
            const int replay = entry.Level + kCatalogueRows;
            QCOMPARE(CatalogueRowForLevel(replay), entry.Level);
            QCOMPARE(row, (QStringList{QStringLiteral("%1 and %2").arg(entry.Level).arg(replay),
                                       QString::number(entry.Holes), QString::number(entry.ColorCount),
                                       QLatin1String(entry.DuplicatesAllowed ? "yes" : "no"),
                                       QString::number(entry.RowLimit + 1)}));
        }
        QVERIFY(m_text.contains(QStringLiteral("%1 levels").arg(kTournamentLevels)));
        QVERIFY(m_text.contains(QStringLiteral("levels %1 to %2").arg(kCatalogueRows + 1).arg(kTournamentLevels)));
        QVERIFY(m_text.contains(QStringLiteral("From level %1 on").arg(kCatalogueRows + 1)));
    }

    // The formula as written gives the game's score for every level and every winning row;
    // every worked example is right, and the well-known ones are all there with their sums.
    void scoringMatchesTheGame()
    {
        const auto formula = QRegularExpression(QStringLiteral("points = (\\d+) x level \\+ (\\d+) x level x rows left"))
                                 .match(m_text);
        QVERIFY2(formula.hasMatch(), "the score formula is missing");
        const int perLevel = formula.captured(1).toInt(), perRowLeft = formula.captured(2).toInt();
        for (int level = 1; level <= kTournamentLevels; ++level) {
            const int rowLimit = FetchLevel(CatalogueRowForLevel(level))->RowLimit;
            for (int turn = 1; turn <= rowLimit + 1; ++turn)
                QCOMPARE(ScoreAfterWin(0, level, rowLimit, turn), perLevel * level + perRowLeft * level * (rowLimit + 1 - turn));
        }

        QSet<QString> shown;
        for (const QStringList& row : tableRows(m_html, QStringLiteral("score-examples"))) {
            QCOMPARE(row.size(), 5); // level, rows, won on row, rows left, points
            const int rowLimit = FetchLevel(CatalogueRowForLevel(row[0].toInt()))->RowLimit;
            QCOMPARE(row[1].toInt(), rowLimit + 1);
            QCOMPARE(row[3].toInt(), rowLimit + 1 - row[2].toInt());
            QCOMPARE(ScoreAfterWin(0, row[0].toInt(), rowLimit, row[2].toInt()), row[4].toInt());
            shown << row[0] + QLatin1Char('/') + row[2] + QLatin1Char('=') + row[4];
        }
        for (const char* example : {"1/1=425", "1/8=250", "16/3=7600"})
            QVERIFY2(shown.contains(QLatin1String(example)), example);
        QVERIFY(m_text.contains(QStringLiteral("250 + 7 x 25 = 425")));
        QVERIFY(m_text.contains(QStringLiteral("16 x 250 + 9 x 16 x 25 = 7600")));
    }

    // The feedback example's answer is the one the game gives.
    void feedbackExampleMatchesTheScoring()
    {
        const auto rows = tableRows(m_html, QStringLiteral("feedback-example"));
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows[0].value(0) + rows[1].value(0), QStringLiteral("SecretGuess"));
        // Colour names become numbers in order of appearance; the counts don't depend on which.
        QHash<QString, int> numbers;
        auto colours = [&numbers](const QStringList& row) {
            std::vector<int> result;
            for (const QString& name : row.mid(1)) {
                if (!numbers.contains(name))
                    numbers.insert(name, int(numbers.size()) + 1);
                result.push_back(numbers.value(name));
            }
            return result;
        };
        const std::vector<int> secret = colours(rows[0]), guess = colours(rows[1]);
        QCOMPARE(secret.size(), guess.size());
        const MatchCounts counts = CountMatches(guess, secret);
        const QString answer = QStringLiteral("(%1 black, %2 grey)").arg(counts.exact).arg(counts.colourOnly);
        QVERIFY2(m_text.contains(answer), qPrintable(answer));
    }

    // Every topic has a unique id and a title, and every link leads to a topic.
    void topicsAndLinksAreWhole()
    {
        QSet<QString> ids;
        const QRegularExpression sectionRe(QString::fromLatin1(R"re(<section id="([^"]+)">\s*<h2>[^<]+</h2>)re"));
        for (auto it = sectionRe.globalMatch(m_html); it.hasNext();)
            ids << it.next().captured(1);
        QCOMPARE(ids.size(), int(m_html.count(QStringLiteral("<section"))));
        const QRegularExpression linkRe(QString::fromLatin1(R"re(href="#([^"]*)")re"));
        int links = 0;
        for (auto it = linkRe.globalMatch(m_html); it.hasNext(); ++links) {
            const QString target = it.next().captured(1);
            QVERIFY2(ids.contains(target), qPrintable(target));
        }
        QVERIFY(links > 0);
    }
};

QTEST_GUILESS_MAIN(HelpFileTest)
#include "test_HelpFile.moc"
