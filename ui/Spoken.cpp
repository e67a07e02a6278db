// SPDX-License-Identifier: GPL-3.0-or-later
#include "Spoken.h"

#include "Describe.h"

// Qt
#include <QCoreApplication>

namespace tintrix {

namespace {

QString said(const char* text)
{
    return QCoreApplication::translate("ScreenReader", text);
}

/** A number of pegs in words ("two"), translated; a number beyond six in digits. */
QString countWord(int n)
{
    const char* word = CountWordOrNull(n);
    return word ? said(word) : QString::number(n);
}

/** "two black", "one grey", "no black": the noun left out is a peg, so other languages
 *  inflect the colour by the count and have their own word for none. */
QString kindCount(int n, bool black)
{
    if (n == 0)
        return black ? QCoreApplication::translate("ScreenReader", "no black") : QCoreApplication::translate("ScreenReader", "no grey");
    return (black ? QCoreApplication::translate("ScreenReader", "%1 black", nullptr, n)
                  : QCoreApplication::translate("ScreenReader", "%1 grey", nullptr, n))
        .arg(countWord(n));
}

} // namespace

QString SpokenColour(int colour)
{
    return said(ColourWord(colour));
}

QString SpokenHole(const GameState& s, int row, int hole)
{
    return said(ColourPegWord(s.GuessPieces(row, hole).Color));
}

QString SpokenPeg(Peg peg)
{
    return said(PegWord(peg));
}

QString SpokenFeedback(const GameState& s, int row)
{
    const FeedbackCount count = CountFeedback(s, row);
    if (count.hidden == 1)
        return QCoreApplication::translate("ScreenReader", "one peg, feedback hidden");
    if (count.hidden > 1)
        return QCoreApplication::translate("ScreenReader", "%1 pegs, feedback hidden", nullptr, count.hidden)
            .arg(countWord(count.hidden));
    if (count.black + count.grey == 0)
        return QCoreApplication::translate("ScreenReader", "no pegs");
    return QCoreApplication::translate("ScreenReader", "%1, %2")
        .arg(kindCount(count.black, true), kindCount(count.grey, false));
}

QString SpokenColours(const std::vector<int>& colours)
{
    QStringList words;
    for (const int c : colours)
        words << SpokenColour(c);
    return words.join(QStringLiteral(", "));
}

} // namespace tintrix
