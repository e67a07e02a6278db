// SPDX-License-Identifier: GPL-3.0-or-later
// The high score file's layout: exact bytes written, files of earlier versions, awkward names,
// and damaged files that must load as the best table they hold.
#include "HighScoreCodec.h"

#include <QTest>

#include <limits>

using namespace tintrix;

using Places = QList<QPair<qint32, QString>>; // score and name, best first

namespace {

Places placesOf(const HighScoreTable& table)
{
    Places places;
    for (int i = 1; i <= table.HighScoreCount; ++i)
        places.append({table.place(i).Score, table.place(i).Name});
    return places;
}

// Whatever was parsed is a proper table and survives a save and a load unchanged.
bool isSoundTable(const HighScoreTable& table)
{
    for (int i = 2; i <= table.HighScoreCount; ++i) {
        if (table.place(i).Score > table.place(i - 1).Score)
            return false;
    }
    for (int i = table.HighScoreCount + 1; i <= kHighScorePlaces; ++i) {
        if (table.place(i) != HighScoreEntry{})
            return false;
    }
    return table.HighScoreCount >= 0 && table.HighScoreCount <= kHighScorePlaces
        && ParseHighScores(SerializeHighScores(table)) == table;
}

} // namespace

class ScoreFileTest : public QObject {
    Q_OBJECT
private slots:
    // Three CR LF lines per entry; numbers as blank, digits, blank, or minus instead of the blank.
    void savedBytesFollowTheLayout()
    {
        const qint32 max = std::numeric_limits<qint32>::max(), min = std::numeric_limits<qint32>::min();
        const HighScoreTable table =
            RankedTable({{150, "ALICE", 7}, {-5, "", -2}, {max, "MAX", 0}, {min, "MIN", 36}});
        QCOMPARE(SerializeHighScores(table), QByteArray("MAX\r\n 2147483647 \r\n 0 \r\n"
                                                        "ALICE\r\n 150 \r\n 7 \r\n"
                                                        "\r\n-5 \r\n-2 \r\n"
                                                        "MIN\r\n-2147483648 \r\n 36 \r\n"));
        QCOMPARE(SerializeHighScores(HighScoreTable{}), QByteArray());
    }

    // A file of an earlier version, in the Windows 8-bit character set (Windows-1252), loads as
    // written, 0x80 to 0x9F included; a UTF-8 line beside it is read as UTF-8.
    void filesOfEarlierVersionsLoad()
    {
        const HighScoreTable table =
            ParseHighScores("JOS\xc9\r\n 900 \r\n 30 \r\nSMITH, J\r\n 800 \r\n 12 \r\n\xc3\x89LODIE\r\n 10 \r\n 1 \r\n"
                            "\x80\x8a\x8c\x8e\x9a\x9c\x9e\x9f \x93Q\x94\x85 \x81\x8d\x8f\x90\x9d\xa0\xff\r\n 5 \r\n 1 \r\n");
        QCOMPARE(placesOf(table), (Places{{900, u"JOS\u00c9"_qs}, {800, "SMITH, J"}, {10, u"\u00c9LODIE"_qs},
                                          {5, u"\u20ac\u0160\u0152\u017d\u0161\u0153\u017e\u0178 \u201cQ\u201d\u2026 "
                                              u"\u0081\u008d\u008f\u0090\u009d\u00a0\u00ff"_qs}}));
        QCOMPARE(table.place(2).Level, 12);
    }

    // Names the old comma-separated reading could not give back come back exactly.
    void awkwardNamesRoundTrip_data()
    {
        QTest::addColumn<QString>("name");
        for (const char* name : {"", "SMITH, JOHN", "\"QUOTED", "SAID \"HI\"", "  LEADING", "TRAILING  ", "   ",
                                 "123", "-5", "\t TAB", "<B>BOLD</B>", "\xc3\x86\xc3\x98\xc3\x85 \xc3\x89", "\xe6\x97\xa5\xe6\x9c\xac",
                                 "\xf0\x9f\x98\x80\xf0\x9f\x98\x80", "\xef\xbb\xbf" "BOM", "#1,2,3"})
            QTest::newRow(name) << QString::fromUtf8(name);
        QTest::newRow("36 characters, a 12-letter name in upper case") << QString::fromUtf8("\u0390").repeated(12).toUpper();
    }
    void awkwardNamesRoundTrip()
    {
        QFETCH(QString, name);
        // Among other entries, so that a name eating a line would shift its neighbours.
        const HighScoreTable table = RankedTable({{50, "FIRST", 1}, {40, name, 2}, {30, "LAST", 3}});
        QCOMPARE(ParseHighScores(SerializeHighScores(table)), table);
    }

    // A damaged file gives the sound entries it holds, best first, at most five.
    void damagedFilesLoadWhatIsSound_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<Places>("expected");
        const QByteArray a = "A\r\n 100 \r\n 5 \r\n", b = "B\r\n 90 \r\n 4 \r\n";
        const Places ab{{100, "A"}, {90, "B"}};
        QTest::newRow("empty") << QByteArray() << Places{};
        QTest::newRow("blank lines only") << QByteArray("\r\n\r\n\r\n\r\n") << Places{};
        QTest::newRow("ends inside an entry") << a + "B\r\n 90 \r\n" << Places{{100, "A"}};
        QTest::newRow("last line without line end") << a + "B\r\n 90 \r\n 4 " << ab;
        QTest::newRow("LF line ends") << QByteArray("A\n 100 \n 5 \nB\n 90 \n 4 \n") << ab;
        QTest::newRow("junk line between entries") << a + "JUNK\r\n" + b << ab;
        QTest::newRow("missing level line") << "X\r\n 500 \r\n" + a + b << ab;
        QTest::newRow("score not a number") << "X\r\n ten \r\n 3 \r\n" + a << Places{{100, "A"}};
        QTest::newRow("number with junk after it") << "X\r\n 12x \r\n 3 \r\nY\r\n 1 2 \r\n 3 \r\n" + b << Places{{90, "B"}};
        QTest::newRow("beyond 32 bits") << "X\r\n 2147483648 \r\n 3 \r\nY\r\n 1 \r\n-99999999999999999999999 \r\n" + b << Places{{90, "B"}};
        QTest::newRow("carriage return inside a name") << "X\rY\r\n 7 \r\n 3 \r\n" + b << Places{{90, "B"}};
        QTest::newRow("overlong name") << QByteArray(49, 'X') + "\r\n 7 \r\n 3 \r\n" + b << Places{{90, "B"}};
        QTest::newRow("binary junk") << QByteArray("\x00\xff\x1b[2J\r\x00\n\n\xfe", 10) + a << Places{{100, "A"}};
        QTest::newRow("out of order, seven entries")
            << "C\r\n 1 \r\n 1 \r\n" + b + "D\r\n 90 \r\n 1 \r\nE\r\n 3 \r\n 1 \r\n" + a + "F\r\n 2 \r\n 1 \r\nG\r\n-1 \r\n 1 \r\n"
            << Places{{100, "A"}, {90, "B"}, {90, "D"}, {3, "E"}, {2, "F"}};
        // The read stops at the size limit; a number cut there must not read as a smaller one.
        const QByteArray tail = "\r\nA\r\n 5 \r\n 12";
        QTest::newRow("cut at the size limit")
            << QByteArray(kHighScoreFileMaxBytes - tail.size(), 'Z') + tail + "345 \r\n" + b << Places{};
    }
    void damagedFilesLoadWhatIsSound()
    {
        QFETCH(QByteArray, bytes);
        const HighScoreTable table = ParseHighScores(bytes);
        QFETCH(Places, expected);
        QCOMPARE(placesOf(table), expected);
        QVERIFY(isSoundTable(table));
    }
};

QTEST_GUILESS_MAIN(ScoreFileTest)
#include "test_score_file.moc"
