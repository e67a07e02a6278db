// SPDX-License-Identifier: GPL-3.0-or-later
// The high score table and its file: ranking a score into the five places, the typed name,
// the exact bytes saved, files of earlier versions, awkward names and damaged files.
#include "HighScoreCodec.h"

#include <QTest>

#include <limits>

using namespace tintrix;
using Scores = QList<qint32>;

namespace {

// Entries named A, B, C... in the order given, ranked as a loaded file would be.
HighScoreTable tableOf(const Scores& scores)
{
    QList<HighScoreEntry> entries;
    for (qsizetype i = 0; i < scores.size(); ++i)
        entries.append({scores[i], QString(QChar(char16_t('A' + i))), 1});
    return RankedTable(entries);
}

// "A100 B90 ": names and scores, best first; and the table must be sound: ranked, unused
// places empty, and saved and loaded back unchanged.
QString placesOf(const HighScoreTable& table)
{
    QString text;
    for (int i = 1; i <= table.HighScoreCount; ++i) {
        text += table.place(i).Name + QString::number(table.place(i).Score) + ' ';
        if (i > 1 && table.place(i).Score > table.place(i - 1).Score)
            return "unranked";
    }
    for (int i = table.HighScoreCount + 1; i <= kHighScorePlaces; ++i)
        if (table.place(i) != HighScoreEntry{})
            return "unused place filled";
    return ParseHighScores(SerializeHighScores(table)) == table ? text : "changed by a save";
}

} // namespace

class ScoreFileTest : public QObject {
    Q_OBJECT
private slots:
    // A new score takes the first place it reaches; ties rank above older entries in places
    // 1-4 but not at place 5; unfilled places count as 0; score 0 never enters.
    void newScoreIsRanked_data()
    {
        QTest::addColumn<Scores>("before"); // named A, B, C... in this order
        QTest::addColumn<qint32>("score");  // named N
        QTest::addColumn<int>("place");
        QTest::addColumn<QString>("after");
        const Scores full{500, 400, 300, 200, 100}, four{500, 400, 300, 200};
        const qint32 max = std::numeric_limits<qint32>::max();
        QTest::newRow("empty table") << Scores{} << 50 << 1 << "N50 ";
        QTest::newRow("score 0 never enters") << Scores{} << 0 << 0 << "";
        QTest::newRow("negative never fills an empty place") << Scores{10} << -1 << 0 << "A10 ";
        QTest::newRow("negative ties a negative entry") << Scores{10, -3} << -3 << 2 << "A10 N-3 B-3 ";
        QTest::newRow("lands above a lower entry") << Scores{300, 100} << 200 << 2 << "A300 N200 B100 ";
        QTest::newRow("four: tie at place 4 ranks above") << four << 200 << 4 << "A500 B400 C300 N200 D200 ";
        QTest::newRow("four: any positive fills place 5") << four << 1 << 5 << "A500 B400 C300 D200 N1 ";
        QTest::newRow("full: tie with place 5 stays out") << full << 100 << 0 << "A500 B400 C300 D200 E100 ";
        QTest::newRow("full: 101 replaces place 5") << full << 101 << 5 << "A500 B400 C300 D200 N101 ";
        QTest::newRow("full: 300 above old 300") << full << 300 << 3 << "A500 B400 N300 C300 D200 ";
        QTest::newRow("full: new best") << full << 501 << 1 << "N501 A500 B400 C300 D200 ";
        QTest::newRow("32-bit maximum ties") << Scores{max} << max << 1 << "N2147483647 A2147483647 ";
    }
    void newScoreIsRanked()
    {
        QFETCH(Scores, before);
        QFETCH(qint32, score);
        const HighScoreTable table = tableOf(before);
        QTEST(PlaceForScore(table, score), "place");
        QTEST(placesOf(WithScore(table, {score, "N", 9})), "after");
    }

    // A loaded list in any order becomes the best five, equal scores in their listed order;
    // entries saved meanwhile by another copy rank together with this run's (newer above).
    void listsAreRankedStably()
    {
        QCOMPARE(placesOf(RankedTable({{100, "A", 1}, {300, "B", 2}, {100, "C", 3}, {300, "D", 4}, {200, "E", 5},
                                       {50, "F", 6}, {400, "G", 7}})),
                 "G400 B300 D300 E200 A100 ");
        QCOMPARE(placesOf(MergedTable(tableOf({500, 400, 300, 200, 100}), {{300, "X", 1}, {50, "Y", 1}, {300, "Z", 1}})),
                 "A500 B400 Z300 X300 C300 ");
    }

    // Up to 12 characters as the player counts them; kept in upper case on one line.
    void typedName_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("fits");
        QTest::addColumn<QString>("stored");
        const QString smile = QString::fromUtf8("\U0001F600");
        QTest::newRow("12 letters") << "abcdefghijkl" << true << "ABCDEFGHIJKL";
        QTest::newRow("13 letters") << "abcdefghijklm" << false << "ABCDEFGHIJKLM";
        QTest::newRow("12 emoji, 24 UTF-16 units") << smile.repeated(12) << true << smile.repeated(12);
        QTest::newRow("7 sharp s, 14 letters in upper case") << QString::fromUtf8("\u00df").repeated(7) << false << QString(14, 'S');
        QTest::newRow("line breaks become blanks") << "a\nb\r\nc" << true << "A B  C";
    }
    void typedName()
    {
        QFETCH(QString, answer);
        QTEST(NameFits(answer), "fits");
        QTEST(TableName(answer), "stored");
    }

    // Three CR LF lines per entry; numbers as blank, digits, blank, or minus instead of the
    // blank. A file of an earlier version in Windows-1252 (0x80 to 0x9F included) loads as
    // written; a UTF-8 line beside it is read as UTF-8.
    void fileLayout()
    {
        const qint32 max = std::numeric_limits<qint32>::max(), min = std::numeric_limits<qint32>::min();
        const HighScoreTable table = RankedTable({{150, "ALICE", 7}, {-5, "", -2}, {max, "MAX", 0}, {min, "MIN", 36}});
        QCOMPARE(SerializeHighScores(table),
                 "MAX\r\n 2147483647 \r\n 0 \r\nALICE\r\n 150 \r\n 7 \r\n\r\n-5 \r\n-2 \r\nMIN\r\n-2147483648 \r\n 36 \r\n");
        QCOMPARE(SerializeHighScores(HighScoreTable{}), QByteArray());
        const HighScoreTable old =
            ParseHighScores("JOS\xc9\r\n 900 \r\n 30 \r\n\xc3\x89LODIE\r\n 10 \r\n 1 \r\n"
                            "\x80\x8a\x8c\x8e\x9a\x9c\x9e\x9f \x93Q\x94\x85 \x81\x8d\x8f\x90\x9d\xa0\xff\r\n 5 \r\n 1 \r\n");
        QCOMPARE(placesOf(old), u"JOS\u00c9900 \u00c9LODIE10 \u20ac\u0160\u0152\u017d\u0161\u0153\u017e\u0178 "
                                u"\u201cQ\u201d\u2026 \u0081\u008d\u008f\u0090\u009d\u00a0\u00ff5 "_qs);
        QCOMPARE(old.place(1).Level, 30);
    }

    // Names a comma-separated reading could not give back come back exactly, among other
    // entries so that a name eating a line would shift its neighbours.
    void awkwardNamesRoundTrip_data()
    {
        QTest::addColumn<QString>("name");
        for (const char* name : {"", "SMITH, JOHN", "SAID \"HI\"", "  LEADING", "TRAILING  ", "-5", "\t TAB",
                                 "\xe6\x97\xa5\xe6\x9c\xac", "\xf0\x9f\x98\x80", "\xef\xbb\xbf" "BOM"})
            QTest::newRow(name) << QString::fromUtf8(name);
        QTest::newRow("36 UTF-8 bytes") << QString::fromUtf8("\u0390").repeated(12).toUpper();
    }
    void awkwardNamesRoundTrip()
    {
        QFETCH(QString, name);
        const HighScoreTable table = RankedTable({{50, "FIRST", 1}, {40, name, 2}, {30, "LAST", 3}});
        QCOMPARE(ParseHighScores(SerializeHighScores(table)), table);
    }

    // A damaged file gives the sound entries it holds, best first, at most five.
    void damagedFilesLoadWhatIsSound_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("places");
        const QByteArray a = "A\r\n 100 \r\n 5 \r\n", b = "B\r\n 90 \r\n 4 \r\n";
        QTest::newRow("blank lines only") << QByteArray("\r\n\r\n\r\n\r\n") << "";
        QTest::newRow("ends inside an entry") << a + "B\r\n 90 \r\n" << "A100 ";
        QTest::newRow("last line without line end") << a + "B\r\n 90 \r\n 4 " << "A100 B90 ";
        QTest::newRow("LF line ends") << QByteArray("A\n 100 \n 5 \nB\n 90 \n+4\n") << "A100 B90 ";
        QTest::newRow("junk line between entries") << a + "JUNK\r\n" + b << "A100 B90 ";
        QTest::newRow("missing level line") << "X\r\n 500 \r\n" + a + b << "A100 B90 ";
        QTest::newRow("numbers not numbers") << "X\r\n ten \r\n 3 \r\nY\r\n 1 2 \r\n 3 \r\nZ\r\n - \r\n 3 \r\n" + b << "B90 ";
        QTest::newRow("beyond 32 bits") << "X\r\n 2147483648 \r\n 3 \r\nY\r\n 1 \r\n-99999999999999999999 \r\n" + b << "B90 ";
        QTest::newRow("carriage return inside a name") << "X\rY\r\n 7 \r\n 3 \r\n" + b << "B90 ";
        QTest::newRow("overlong name") << QByteArray(49, 'X') + "\r\n 7 \r\n 3 \r\n" + b << "B90 ";
        QTest::newRow("binary junk") << QByteArray("\x00\xff\x1b[2J\r\x00\n\n\xfe", 10) + a << "A100 ";
        QTest::newRow("out of order, seven entries")
            << "C\r\n 1 \r\n 1 \r\n" + b + "D\r\n 90 \r\n 1 \r\nE\r\n 3 \r\n 1 \r\n" + a + "F\r\n 2 \r\n 1 \r\nG\r\n-1 \r\n 1 \r\n"
            << "A100 B90 D90 E3 F2 ";
        // The read stops at the size limit; a number cut there must not read as a smaller one.
        const QByteArray tail = "\r\nA\r\n 5 \r\n 12";
        QTest::newRow("cut at the size limit") << QByteArray(kHighScoreFileMaxBytes - tail.size(), 'Z') + tail + "345 \r\n" + b << "";
        // A file of exactly the limit is read whole; a longer one keeps its last whole line.
        const QByteArray last = "\nA\n 5 \n7";
        QTest::newRow("exactly the size limit") << QByteArray(kHighScoreFileMaxBytes - last.size(), 'Z') + last << "A5 ";
        QTest::newRow("over the limit, line feeds only") << "A\n 5 \n7\n" + QByteArray(kHighScoreFileMaxBytes, 'Z') << "A5 ";
    }
    void damagedFilesLoadWhatIsSound()
    {
        QFETCH(QByteArray, bytes);
        QTEST(placesOf(ParseHighScores(bytes)), "places");
    }
};

QTEST_GUILESS_MAIN(ScoreFileTest)
#include "test_score_file.moc"
