// SPDX-License-Identifier: GPL-3.0-or-later
// Ranking a finished game into the five places, and what is done with the typed name.
#include "HighScoreTable.h"

#include <QTest>

#include <limits>

using namespace tintrix;

namespace {

// Entries named A, B, C... in the order given, ranked as a loaded file would be.
HighScoreTable tableOf(const QList<qint32>& scores)
{
    QList<HighScoreEntry> entries;
    for (qsizetype i = 0; i < scores.size(); ++i)
        entries.append({scores[i], QString(QChar(char16_t('A' + i))), 1});
    return RankedTable(entries);
}

QString namesOf(const HighScoreTable& table)
{
    QString names;
    for (int i = 1; i <= table.HighScoreCount; ++i)
        names += table.place(i).Name;
    return names;
}

} // namespace

class ScoreRulesTest : public QObject {
    Q_OBJECT
private slots:
    // A new score takes the first place it reaches; ties rank above older entries in places 1-4
    // but not at place 5; unfilled places count as 0.
    void newScoreIsRankedByPlaceRules_data()
    {
        QTest::addColumn<QList<qint32>>("before"); // named A, B, C... in this order
        QTest::addColumn<qint32>("score");         // named N
        QTest::addColumn<int>("place");
        QTest::addColumn<QString>("namesAfter");
        using Scores = QList<qint32>;
        const Scores full{500, 400, 300, 200, 100}, four{500, 400, 300, 200};
        const qint32 max = std::numeric_limits<qint32>::max();
        // clang-format off
        QTest::newRow("empty table")                          << Scores{}         << 50  << 1 << "N";
        QTest::newRow("score 0 never enters")                 << Scores{}         << 0   << 0 << "";
        QTest::newRow("negative never fills an empty place")  << Scores{10}       << -1  << 0 << "A";
        QTest::newRow("negative ties a negative entry")       << Scores{10, -3}   << -3  << 2 << "ANB";
        QTest::newRow("not full: lands above empty places")   << Scores{300, 100} << 200 << 2 << "ANB";
        QTest::newRow("not full: below every entry")          << Scores{300, 100} << 50  << 3 << "ABN";
        QTest::newRow("four: tie at place 4 ranks above")     << four             << 200 << 4 << "ABCND";
        QTest::newRow("four: any positive fills place 5")     << four             << 1   << 5 << "ABCDN";
        QTest::newRow("full: tie with place 5 stays out")     << full             << 100 << 0 << "ABCDE";
        QTest::newRow("full: 101 replaces place 5")           << full             << 101 << 5 << "ABCDN";
        QTest::newRow("full: 300 above old 300, 100 drops")   << full             << 300 << 3 << "ABNCD";
        QTest::newRow("full: new best")                       << full             << 501 << 1 << "NABCD";
        QTest::newRow("32-bit maximum ties")                  << Scores{max}      << max << 1 << "NA";
        // clang-format on
    }
    void newScoreIsRankedByPlaceRules()
    {
        QFETCH(QList<qint32>, before);
        QFETCH(qint32, score);
        QFETCH(int, place);
        QFETCH(QString, namesAfter);
        const HighScoreTable table = tableOf(before);
        QCOMPARE(PlaceForScore(table, score), place);
        const HighScoreTable after = WithScore(table, {score, "N", 9});
        QCOMPARE(namesOf(after), namesAfter);
        for (int i = 1; i <= after.HighScoreCount; ++i) {
            const QChar name = namesAfter[i - 1];
            QCOMPARE(after.place(i).Score, name == 'N' ? score : before[name.unicode() - 'A']);
        }
        for (int i = after.HighScoreCount + 1; i <= kHighScorePlaces; ++i)
            QCOMPARE(after.place(i), HighScoreEntry{});
    }

    // A loaded list in any order becomes the best five, equal scores in their listed order.
    void rankedTableSortsStablyAndKeepsFive()
    {
        const HighScoreTable table = RankedTable(
            {{100, "A", 1}, {300, "B", 2}, {100, "C", 3}, {300, "D", 4}, {200, "E", 5}, {50, "F", 6}, {400, "G", 7}});
        QCOMPARE(namesOf(table), QStringLiteral("GBDEA"));
        QCOMPARE(table.place(2), (HighScoreEntry{300, "B", 2}));
        QCOMPARE(RankedTable({}), HighScoreTable{});
    }

    // Entries saved by another copy and this run's entries rank together; one that no longer
    // reaches the table is dropped, the others keep their tie order (newer above older).
    void mergedTableRanksNewEntriesIntoTheOther()
    {
        const HighScoreTable other = tableOf({500, 400, 300, 200, 100});
        const HighScoreTable merged = MergedTable(other, {{300, "X", 1}, {50, "Y", 1}, {300, "Z", 1}});
        QCOMPARE(namesOf(merged), QStringLiteral("ABZXC"));
    }

    // Up to 12 characters are taken (as the player counts them); the name is kept in upper
    // case on one line, blanks, commas and quotes untouched.
    void typedNameRules_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("fits");
        QTest::addColumn<QString>("stored");
        QTest::newRow("12 letters") << "abcdefghijkl" << true << "ABCDEFGHIJKL";
        QTest::newRow("13 letters") << "abcdefghijklm" << false << "ABCDEFGHIJKLM";
        QTest::newRow("empty") << "" << true << "";
        const QString smile = QString::fromUtf8("\U0001F600");
        QTest::newRow("12 emoji, 24 UTF-16 units") << smile.repeated(12) << true << smile.repeated(12);
        QTest::newRow("13 emoji") << smile.repeated(13) << false << smile.repeated(13);
        QTest::newRow("sharp s grows in upper case") << QString::fromUtf8("stra\u00dfe") << true << "STRASSE";
        QTest::newRow("7 sharp s, 14 letters in upper case") << QString::fromUtf8("\u00df").repeated(7) << false << QString(14, 'S');
        QTest::newRow("line breaks become blanks") << "a\nb\r\nc" << true << "A B  C";
        QTest::newRow("punctuation kept") << " \"a, b\" " << true << " \"A, B\" ";
    }
    void typedNameRules()
    {
        QFETCH(QString, answer);
        QFETCH(bool, fits);
        QFETCH(QString, stored);
        QCOMPARE(NameFits(answer), fits);
        QCOMPARE(TableName(answer), stored);
    }
};

QTEST_GUILESS_MAIN(ScoreRulesTest)
#include "test_score_rules.moc"
