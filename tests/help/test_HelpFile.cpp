// SPDX-License-Identifier: GPL-3.0-or-later
// The help file tells players the same rules the game plays by: its level table, its score
// formula and examples, and its feedback example are checked against the rules themselves,
// so a change to either side that leaves the other behind fails here.
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

/** The data rows (rows with <td> cells) of the table with the given id, as plain cell texts. */
QList<QStringList> tableRows(const QString& html, const QString& id)
{
    const QRegularExpression tableRe(QString::fromLatin1(R"re(<table\b[^>]*\bid="%1"[^>]*>(.*?)</table>)re").arg(id), kFind);
    const QRegularExpression rowRe(QStringLiteral("<tr[^>]*>(.*?)</tr>"), kFind);
    const QRegularExpression cellRe(QStringLiteral("<t([dh])[^>]*>(.*?)</t[dh]>"), kFind);
    QList<QStringList> rows;
    const auto table = tableRe.match(html);
    for (auto r = rowRe.globalMatch(table.captured(1)); r.hasNext();) {
        QStringList cells;
        bool hasData = false;
        for (auto c = cellRe.globalMatch(r.next().captured(1)); c.hasNext();) {
            const auto cell = c.next();
            hasData = hasData || cell.captured(1).compare(QLatin1String("d"), Qt::CaseInsensitive) == 0;
            cells << stripTags(cell.captured(2));
        }
        if (hasData)
            rows << cells;
    }
    return rows;
}

int toInt(const QString& text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok)
        qWarning() << "not a number in the help:" << text;
    return ok ? value : -1;
}

} // namespace

class HelpFileTest : public QObject {
    Q_OBJECT

private:
    QString m_html;
    QString m_text; ///< the whole file as plain text

private slots:
    void initTestCase()
    {
        QFile file(QStringLiteral(TINTRIX_PROGRAM_DIR "/tintrix.hlp"));
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
        // Comments are for whoever edits the file, not for players.
        m_html = QString::fromUtf8(file.readAll()).remove(QRegularExpression(QStringLiteral("<!--.*?-->"), kFind));
        m_text = stripTags(m_html);
    }

    // The level table lists every catalogue row in order, with the level it plays again as,
    // and the same holes, colours, duplicates and rows as the catalogue.
    void levelTableMatchesTheCatalogue()
    {
        const auto rows = tableRows(m_html, QStringLiteral("level-table"));
        QCOMPARE(rows.size(), kCatalogueRows);
        for (int i = 0; i < kCatalogueRows; ++i) {
            const LevelSpec& spec = kLevelCatalogue[std::size_t(i)];
            const QStringList& row = rows[i];
            QCOMPARE(row.size(), 5);
            QCOMPARE(row[0], QStringLiteral("%1 and %2").arg(spec.Level).arg(spec.Level + kCatalogueRows));
            QCOMPARE(CatalogueRowForLevel(spec.Level + kCatalogueRows), spec.Level);
            QCOMPARE(toInt(row[1]), spec.Holes);
            QCOMPARE(toInt(row[2]), spec.ColorCount);
            QCOMPARE(row[3], spec.DuplicatesAllowed ? QStringLiteral("yes") : QStringLiteral("no"));
            QCOMPARE(toInt(row[4]), spec.RowLimit + 1);
        }
    }

    // The tournament length and the start of the second round are stated as the game plays them.
    void tournamentLengthIsStated()
    {
        QVERIFY(m_text.contains(QStringLiteral("%1 levels").arg(kTournamentLevels)));
        QVERIFY(m_text.contains(QStringLiteral("levels %1 to %2").arg(kCatalogueRows + 1).arg(kTournamentLevels)));
        QVERIFY(m_text.contains(QStringLiteral("From level %1 on").arg(kCatalogueRows + 1)));
    }

    // The formula as written gives the game's score for every level and every winning row.
    void scoreFormulaMatchesTheGame()
    {
        const QRegularExpression formulaRe(
            QString::fromLatin1(R"re(points = (\d+) x level \+ (\d+) x level x rows left)re"));
        const auto formula = formulaRe.match(m_text);
        QVERIFY2(formula.hasMatch(), "the score formula is missing from the help");
        const int perLevel = formula.captured(1).toInt();
        const int perRowLeft = formula.captured(2).toInt();
        for (int level = 1; level <= kTournamentLevels; ++level) {
            const LevelSpec& spec = *FetchLevel(CatalogueRowForLevel(level));
            for (int turn = 1; turn <= spec.RowLimit + 1; ++turn) {
                const int rowsLeft = spec.RowLimit + 1 - turn;
                QCOMPARE(ScoreAfterWin(0, level, spec.RowLimit, turn), perLevel * level + perRowLeft * level * rowsLeft);
            }
        }
    }

    // Every worked example is right, and the well-known ones are all there.
    void scoreExamplesMatchTheGame()
    {
        const auto rows = tableRows(m_html, QStringLiteral("score-examples"));
        QVERIFY(rows.size() >= 3);
        QSet<QString> shown;
        for (const QStringList& row : rows) {
            QCOMPARE(row.size(), 5);
            const int level = toInt(row[0]), levelRows = toInt(row[1]), wonOn = toInt(row[2]);
            const int rowsLeft = toInt(row[3]), points = toInt(row[4]);
            const LevelSpec& spec = *FetchLevel(CatalogueRowForLevel(level));
            QCOMPARE(levelRows, spec.RowLimit + 1);
            QCOMPARE(rowsLeft, levelRows - wonOn);
            QCOMPARE(ScoreAfterWin(0, level, spec.RowLimit, wonOn), points);
            shown << QStringLiteral("%1/%2=%3").arg(level).arg(wonOn).arg(points);
        }
        for (const char* example : {"1/1=425", "1/8=250", "16/3=7600"})
            QVERIFY2(shown.contains(QLatin1String(example)), example);
        // The sums written out in the text come to the same points.
        QVERIFY(m_text.contains(QStringLiteral("250 + 7 x 25 = 425")));
        QVERIFY(m_text.contains(QStringLiteral("16 x 250 + 9 x 16 x 25 = 7600")));
    }

    // The feedback example's answer is what the game would answer.
    void feedbackExampleMatchesTheScoring()
    {
        const auto rows = tableRows(m_html, QStringLiteral("feedback-example"));
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows[0].value(0), QStringLiteral("Secret"));
        QCOMPARE(rows[1].value(0), QStringLiteral("Guess"));
        // Colour names become numbers in order of appearance; the counts don't depend on which.
        QHash<QString, int> numbers;
        auto colours = [&numbers](const QStringList& row) {
            std::vector<int> result;
            for (const QString& name : row.mid(1))
                result.push_back(numbers.contains(name) ? numbers[name] : (numbers[name] = numbers.size() + 1));
            return result;
        };
        const std::vector<int> secret = colours(rows[0]);
        const std::vector<int> guess = colours(rows[1]);
        QCOMPARE(secret.size(), guess.size());
        const MatchCounts counts = CountMatches(guess, secret);
        QVERIFY2(m_text.contains(QStringLiteral("(%1 black, %2 grey)").arg(counts.exact).arg(counts.colourOnly)),
                 qPrintable(QStringLiteral("expected %1 black, %2 grey").arg(counts.exact).arg(counts.colourOnly)));
    }

    // Every topic has an id and a title, ids are unique, and every link leads to a topic.
    void topicsAndLinksAreWhole()
    {
        const QRegularExpression sectionRe(QString::fromLatin1(R"re(<section id="([^"]+)">\s*<h2>[^<]+</h2>)re"));
        QSet<QString> ids;
        for (auto it = sectionRe.globalMatch(m_html); it.hasNext();) {
            const QString id = it.next().captured(1);
            QVERIFY2(!ids.contains(id), qPrintable(id));
            ids << id;
        }
        QCOMPARE(ids.size(), int(m_html.count(QStringLiteral("<section"))));
        QVERIFY(ids.size() >= 6);
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
