// SPDX-License-Identifier: GPL-3.0-or-later
// The rules alone: scoring a guess, drawing a secret, the score, the catalogue and the turn flow.
#include "LevelCatalogue.h"
#include "Score.h"
#include "Scoring.h"
#include "Secret.h"
#include "TurnFlow.h"

#include <QTest>

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <random>
#include <set>

using namespace tintrix;

namespace {

// A reference written the other way round: per colour, the smaller count on either side.
MatchCounts referenceCounts(const std::vector<int>& guess, const std::vector<int>& secret)
{
    int exact = 0;
    std::map<int, int> inGuess, inSecret;
    for (std::size_t i = 0; i < guess.size(); ++i) {
        exact += guess[i] == secret[i];
        ++inGuess[guess[i]];
        ++inSecret[secret[i]];
    }
    int common = 0;
    for (const auto& [colour, n] : inGuess)
        common += std::min(n, inSecret[colour]);
    return {exact, common - exact};
}

std::function<float()> sequence(std::vector<float> values)
{
    auto shared = std::make_shared<std::vector<float>>(std::move(values));
    auto next = std::make_shared<std::size_t>(0);
    return [shared, next] { return (*shared)[(*next)++ % shared->size()]; };
}

} // namespace

class RulesTest : public QObject {
    Q_OBJECT
private slots:
    // The worked examples: black pegs first, then grey, each peg counted once.
    void scoringExamples_data()
    {
        QTest::addColumn<QList<int>>("secret");
        QTest::addColumn<QList<int>>("guess");
        QTest::addColumn<int>("exact");
        QTest::addColumn<int>("colourOnly");
        QTest::newRow("repeated guess colour") << QList<int>{1, 1, 2, 3} << QList<int>{1, 2, 1, 1} << 1 << 2;
        QTest::newRow("pairs") << QList<int>{2, 2, 5, 5} << QList<int>{5, 2, 2, 6} << 1 << 2;
        QTest::newRow("reversed") << QList<int>{1, 2, 3, 4} << QList<int>{4, 3, 2, 1} << 0 << 4;
        QTest::newRow("one colour everywhere") << QList<int>{1, 2, 3, 4} << QList<int>{1, 1, 1, 1} << 1 << 0;
        QTest::newRow("no colour in common") << QList<int>{1, 2, 3, 4} << QList<int>{5, 6, 5, 6} << 0 << 0;
        QTest::newRow("six exact") << QList<int>{8, 7, 6, 5, 4, 3} << QList<int>{8, 7, 6, 5, 4, 3} << 6 << 0;
    }
    void scoringExamples()
    {
        QFETCH(QList<int>, secret);
        QFETCH(QList<int>, guess);
        const std::vector<int> s(secret.begin(), secret.end()), g(guess.begin(), guess.end());
        QFETCH(int, exact);
        QFETCH(int, colourOnly);
        const MatchCounts c = CountMatches(g, s);
        QCOMPARE(c.exact, exact);
        QCOMPARE(c.colourOnly, colourOnly);
    }

    // Every secret and guess of a 4-hole, 6-colour game agrees with the colour-count rule.
    void countMatchesAgreesWithReferenceExhaustively()
    {
        std::vector<int> g(4), s(4);
        auto decode = [](int n, std::vector<int>& out) {
            for (int& v : out) {
                v = n % 6 + 1;
                n /= 6;
            }
        };
        for (int a = 0; a < 1296; ++a) {
            decode(a, s);
            for (int b = 0; b < 1296; ++b) {
                decode(b, g);
                const MatchCounts got = CountMatches(g, s);
                const MatchCounts want = referenceCounts(g, s);
                if (got.exact != want.exact || got.colourOnly != want.colourOnly)
                    QFAIL(qPrintable(QStringLiteral("secret %1 guess %2").arg(a).arg(b)));
            }
        }
    }

    // Large levels, sampled with a printed seed that replays a failure.
    void countMatchesAgreesWithReferenceOnRandomLargeRows()
    {
        const unsigned seed = std::random_device{}();
        qInfo("seed %u", seed);
        std::mt19937 rng(seed);
        for (int n = 0; n < 200000; ++n) {
            const int holes = 5 + n % 2;
            std::uniform_int_distribution<int> colour(1, 8);
            std::vector<int> g(static_cast<std::size_t>(holes)), s(static_cast<std::size_t>(holes));
            for (int i = 0; i < holes; ++i) {
                g[std::size_t(i)] = colour(rng);
                s[std::size_t(i)] = colour(rng);
            }
            const MatchCounts got = CountMatches(g, s);
            const MatchCounts want = referenceCounts(g, s);
            QVERIFY2(got.exact == want.exact && got.colourOnly == want.colourOnly, qPrintable(QString::number(seed)));
            QVERIFY(got.exact + got.colourOnly <= holes);
        }
    }

    // The pieces' marks: exactly the paired guess and secret holes end up marked.
    void markMatchesMarksPairedPieces()
    {
        std::vector<Piece> guess(4), secret(4);
        const int g[] = {1, 2, 1, 1}, s[] = {1, 1, 2, 3};
        for (int i = 0; i < 4; ++i) {
            guess[std::size_t(i)].Color = g[i];
            secret[std::size_t(i)].Color = s[i];
        }
        const MatchCounts c = MarkMatches(guess, secret);
        QCOMPARE(c.exact, 1);
        QCOMPARE(c.colourOnly, 2);
        QCOMPARE(std::count_if(guess.begin(), guess.end(), [](const Piece& p) { return p.Matched; }), 3);
        // Secret hole 3 (colour 3) was never paired.
        QVERIFY(secret[0].Matched && secret[1].Matched && secret[2].Matched && !secret[3].Matched);
        QVERIFY(!guess[3].Matched);
    }

    // A colour from r: the full range, and never beyond the colour count even just below 1.
    void drawColourStaysInRange()
    {
        for (int colours : {6, 7, 8}) {
            QCOMPARE(DrawColour(0.0f, colours), 1);
            float r = std::nextafter(1.0f, 0.0f);
            for (int step = 0; step < 100000; ++step) {
                const int c = DrawColour(r, colours);
                QVERIFY(c >= 1 && c <= colours);
                r = std::nextafter(r, 0.0f);
            }
            QCOMPARE(DrawColour(std::nextafter(1.0f, 0.0f), colours), colours);
        }
    }

    void generatorNeverReachesOne()
    {
        RandomGenerator gen(12345);
        float highest = 0;
        for (int i = 0; i < 2000000; ++i) {
            const float r = gen.next();
            QVERIFY(r >= 0.0f && r < 1.0f);
            highest = std::max(highest, r);
        }
        QVERIFY(highest > 0.99f);
    }

    // Secrets follow their level's rule for every catalogue row.
    void secretsFollowTheLevelRules()
    {
        RandomGenerator gen(7);
        auto next = [&gen] { return gen.next(); };
        for (const LevelSpec& level : kLevelCatalogue) {
            bool sawRepeat = false;
            std::set<int> seen;
            for (int n = 0; n < 3000; ++n) {
                const std::vector<int> secret = DrawSecret(level.Holes, level.ColorCount, level.DuplicatesAllowed, next);
                QCOMPARE(int(secret.size()), level.Holes);
                for (int c : secret) {
                    QVERIFY(c >= 1 && c <= level.ColorCount);
                    seen.insert(c);
                }
                const bool repeat = std::set<int>(secret.begin(), secret.end()).size() != secret.size();
                QVERIFY(level.DuplicatesAllowed || !repeat);
                sawRepeat |= repeat;
                if (level.Level == 13)
                    QCOMPARE(std::set<int>(secret.begin(), secret.end()), (std::set<int>{1, 2, 3, 4, 5, 6}));
            }
            QCOMPARE(int(seen.size()), level.ColorCount);
            QCOMPARE(sawRepeat, level.DuplicatesAllowed);
        }
    }

    // Without duplicates a repeated draw is redrawn in place; earlier holes never change.
    void redrawKeepsEarlierHoles()
    {
        // r values: 0.0 -> 1, 0.0 -> 1 again (rejected), 0.2 -> 2, 0.2 -> 2 rejected, 0.99 -> 6, 0.5 -> 4
        const std::vector<int> secret = DrawSecret(4, 6, false, sequence({0.0f, 0.0f, 0.2f, 0.2f, 0.99f, 0.5f}));
        QCOMPARE(secret, (std::vector<int>{1, 2, 6, 4}));
        const std::vector<int> same = DrawSecret(4, 6, true, sequence({0.5f}));
        QCOMPARE(same, (std::vector<int>{4, 4, 4, 4}));
    }

    // Draws are roughly uniform over the colours.
    void drawsAreRoughlyUniform()
    {
        RandomGenerator gen(99);
        std::map<int, int> counts;
        const int draws = 80000;
        for (int i = 0; i < draws / 4; ++i)
            for (int c : DrawSecret(4, 8, true, [&gen] { return gen.next(); }))
                ++counts[c];
        for (int c = 1; c <= 8; ++c)
            QVERIFY2(std::abs(counts[c] - draws / 8) < draws / 8 / 10, qPrintable(QString::number(counts[c])));
    }

    void sameSeedSameSecret()
    {
        RandomGenerator a(42), b(42);
        QCOMPARE(DrawSecret(6, 8, true, [&] { return a.next(); }), DrawSecret(6, 8, true, [&] { return b.next(); }));
    }

    // The score of a won level, from the worked examples and the boundaries.
    void scoreAfterWin_data()
    {
        QTest::addColumn<int>("score");
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("rowLimit");
        QTest::addColumn<int>("turn");
        QTest::addColumn<int>("expected");
        QTest::newRow("level 1, first row") << 0 << 1 << 7 << 1 << 425;
        QTest::newRow("level 1, last row") << 0 << 1 << 7 << 8 << 250;
        QTest::newRow("level 16, third row") << 0 << 16 << 11 << 3 << 7600;
        QTest::newRow("adds to the score") << 425 << 2 << 7 << 8 << 925;
        QTest::newRow("beyond 16 bits") << 32000 << 16 << 11 << 12 << 36000;
        QTest::newRow("level 36 first of 12 rows") << 300000 << 36 << 11 << 1 << 300000 + 9000 + 11 * 900;
        QTest::newRow("stops at the 32-bit limit") << std::numeric_limits<int>::max() - 10 << 36 << 11 << 1
                                                   << std::numeric_limits<int>::max();
    }
    void scoreAfterWin()
    {
        QFETCH(int, score);
        QFETCH(int, level);
        QFETCH(int, rowLimit);
        QFETCH(int, turn);
        QFETCH(int, expected);
        QCOMPARE(ScoreAfterWin(score, level, rowLimit, turn), expected);
    }

    // A best-play tournament fits the score comfortably.
    void wholeTournamentFits()
    {
        std::int64_t total = 0;
        std::int32_t score = 0;
        for (int level = 1; level <= kTournamentLevels; ++level) {
            const LevelSpec& spec = *FetchLevel(CatalogueRowForLevel(level));
            score = ScoreAfterWin(score, level, spec.RowLimit, 1);
            total += std::int64_t(level) * 250 + std::int64_t(spec.RowLimit) * level * 25;
        }
        QCOMPARE(std::int64_t(score), total);
        QVERIFY(total > 300000);
    }

    // The catalogue walks twice through its rows; nothing follows level 36.
    void tournamentWalksTheCatalogueTwice()
    {
        QCOMPARE(NextLevelRow(0), std::optional<int>(1));
        QCOMPARE(NextLevelRow(17), std::optional<int>(18));
        QCOMPARE(NextLevelRow(18), std::optional<int>(1));
        QCOMPARE(NextLevelRow(35), std::optional<int>(18));
        QCOMPARE(NextLevelRow(36), std::nullopt);
        QCOMPARE(NextLevelRow(-1), std::nullopt);
        QCOMPARE(CatalogueRowForLevel(19), 1);
        QCOMPARE(CatalogueRowForLevel(36), 18);
        QVERIFY(FetchLevel(0) == nullptr && FetchLevel(19) == nullptr);
        QCOMPARE(FetchLevel(1)->LevelDescription, std::string_view("4 SPACES, 6 COLORS, NO DUPLICATES"));
        QCOMPARE(FetchLevel(18)->LevelDescription, std::string_view("6 SPACES, 8 COLORS, DUPLICATES"));
    }

    void outcomeOfACheck()
    {
        QCOMPARE(OutcomeOfCheck(1, 7, false), CheckOutcome::NextRow);
        QCOMPARE(OutcomeOfCheck(7, 7, false), CheckOutcome::NextRow);
        QCOMPARE(OutcomeOfCheck(8, 7, false), CheckOutcome::LevelLost);
        QCOMPARE(OutcomeOfCheck(8, 7, true), CheckOutcome::LevelWon); // a match on the last row wins
        QCOMPARE(RowToCover(18, 5), std::nullopt);
        QCOMPARE(RowToCover(19, 1), std::nullopt);
        QCOMPARE(RowToCover(19, 2), std::optional<int>(0));
        QCOMPARE(RowToCover(36, 11), std::optional<int>(9));
    }
};

QTEST_GUILESS_MAIN(RulesTest)
#include "test_rules.moc"
