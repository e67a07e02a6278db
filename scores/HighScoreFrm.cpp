// SPDX-License-Identifier: GPL-3.0-or-later
#include "HighScoreFrm.h"

#include "Zoom.h"

// Qt
#include <QCoreApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>

// Std
#include <algorithm>
#include <cassert>

namespace tintrix {

namespace {

// Geometry in twips. Row i of the labels stands at kFirstRowTop + (i - 1) * kRowStep. Rows
// grow taller, and the score and level columns wider, when the font needs more room than this
// for a line or the widest number; the window grows with them.
// clang-format off
constexpr int kMinWidth      = 5400;
constexpr int kFirstRowTop   = 720;
constexpr int kRowStep       = 360;
constexpr int kRowHeight     = 300;
constexpr int kButtonsGap    = 120;  // from the last row to the buttons
constexpr int kButtonWidth   = 1215;
constexpr int kButtonHeight  = 375;
constexpr int kButtonGap     = 240;
constexpr int kBottomMargin  = 240;
constexpr int kNameLeft      = 240;
constexpr int kNameWidth     = 2520;
constexpr int kScoreLeft     = 2640;
constexpr int kScoreMinWidth = 1080;
constexpr int kLevelGap      = 360;  // from the scores to the levels
constexpr int kLevelMinWidth = 1200;
constexpr int kRightMargin   = 120;
// clang-format on
static_assert(kScoreLeft + kScoreMinWidth + kLevelGap + kLevelMinWidth + kRightMargin == kMinWidth);

// The room the widest text of a 32-bit number takes: a minus sign and ten of the widest digit.
QSize widestNumber(const QFontMetrics& metrics)
{
    QChar widest = QLatin1Char('0');
    for (char16_t digit = u'1'; digit <= u'9'; ++digit) {
        if (metrics.horizontalAdvance(QChar(digit)) > metrics.horizontalAdvance(widest))
            widest = QChar(digit);
    }
    return metrics.size(0, QLatin1Char('-') + QString(10, widest)) + QSize(2, 0); // 2: rounding of advances
}

// Labels of one column, in pixels: row i at top + (i - 1) * step.
struct Rows { int top; int step; int height; };
void placeLabels(QWidget* parent, PlaceLabels& labels, const QString& name, const Rows& rows, int left, int width,
                 Qt::Alignment align)
{
    for (int place = 1; place <= kHighScorePlaces; ++place) {
        auto* label = new QLabel(parent);
        label->setObjectName(name + QString::number(place));
        label->setTextFormat(Qt::PlainText); // a name like "<B>" is shown as typed
        label->setAlignment(align | Qt::AlignVCenter);
        label->setGeometry(left, rows.top + (place - 1) * rows.step, width, rows.height);
        labels[place] = label;
    }
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    return b;
}

} // namespace

QLabel*& PlaceLabels::operator[](int i)
{
    assert(i >= 1 && i <= kHighScorePlaces);
    return m_labels[i - 1];
}

QLabel* PlaceLabels::operator[](int i) const
{
    assert(i >= 1 && i <= kHighScorePlaces);
    return m_labels[i - 1];
}

HighScoreFrm::HighScoreFrm(const HighScoreTable& table, double zoom, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("HighScoreFrm"));
    setWindowTitle(QCoreApplication::translate("HighScores", "Top Scores"));
    // The window follows the board's size.
    setFont(ZoomedFont(font(), zoom));
    const auto px = [zoom](int twips) { return ZoomedTwips(twips, zoom); };

    const QFontMetrics metrics = fontMetrics();
    const QSize number = widestNumber(metrics);
    const int scoreWidth = std::max(px(kScoreMinWidth), number.width());
    const int levelLeft = px(kScoreLeft) + scoreWidth + px(kLevelGap);
    const QString levelPrefix = QCoreApplication::translate("HighScores", "LEVEL ");
    const int levelWidth = std::max(px(kLevelMinWidth), metrics.horizontalAdvance(levelPrefix) + number.width());
    const int width = std::max(px(kMinWidth), levelLeft + levelWidth + px(kRightMargin));
    const int rowHeight = std::max(px(kRowHeight), number.height());
    const int rowStep = std::max(px(kRowStep), rowHeight + px(kRowStep - kRowHeight));
    const Rows rows{px(kFirstRowTop), rowStep, rowHeight};
    const int buttonsTop = rows.top + (kHighScorePlaces - 1) * rows.step + rows.height + px(kButtonsGap);
    setFixedSize(width, buttonsTop + px(kButtonHeight) + px(kBottomMargin));

    auto* heading = new QLabel(QCoreApplication::translate("HighScores", "TOP PLAYERS"), this);
    heading->setObjectName(QStringLiteral("lblTitle"));
    heading->setAlignment(Qt::AlignCenter);
    QFont font = heading->font();
    font.setBold(true);
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * 1.5);
    heading->setFont(font);
    heading->setGeometry(0, px(180), width, px(420));

    placeLabels(this, NameLbl, QStringLiteral("NameLbl"), rows, px(kNameLeft), px(kNameWidth), Qt::AlignLeft);
    placeLabels(this, ScoreLbl, QStringLiteral("ScoreLbl"), rows, px(kScoreLeft), scoreWidth, Qt::AlignRight);
    placeLabels(this, LevelTxt, QStringLiteral("LevelTxt"), rows, levelLeft, levelWidth, Qt::AlignLeft);
    // Places beyond the filled ones stay blank.
    for (int i = 1; i <= table.HighScoreCount; ++i) {
        const HighScoreEntry& entry = table.place(i);
        NameLbl[i]->setText(entry.Name);
        ScoreLbl[i]->setText(QString::number(entry.Score));
        LevelTxt[i]->setText(levelPrefix + QString::number(entry.Level));
        // A screen reader reads each place as one line.
        NameLbl[i]->setAccessibleName(QCoreApplication::translate("ScreenReader", "Place %1: %2, score %3, level %4").arg(i).arg(entry.Name).arg(entry.Score).arg(entry.Level));
        ScoreLbl[i]->setAccessibleName(QCoreApplication::translate("ScreenReader", "score %1").arg(entry.Score));
        LevelTxt[i]->setAccessibleName(QCoreApplication::translate("ScreenReader", "level %1").arg(entry.Level));
    }
    setAccessibleDescription(table.HighScoreCount == 0   ? QCoreApplication::translate("ScreenReader", "No scores yet")
                             : table.HighScoreCount == 1 ? QCoreApplication::translate("ScreenReader", "One player")
                                                         : QCoreApplication::translate("ScreenReader", "%n players", nullptr, table.HighScoreCount));

    Command1 = button(this, "Command1", QCoreApplication::translate("HighScores", "OK"));
    Command2 = button(this, "Command2", QCoreApplication::translate("HighScores", "Cancel"));
    // Both buttons as wide as the wider caption needs, and never narrower than the design.
    const int buttonWidth = std::max({px(kButtonWidth), Command1->sizeHint().width(), Command2->sizeHint().width()});
    const int buttonsLeft = (width - 2 * buttonWidth - px(kButtonGap)) / 2;
    Command1->setGeometry(buttonsLeft, buttonsTop, buttonWidth, px(kButtonHeight));
    Command2->setGeometry(buttonsLeft + buttonWidth + px(kButtonGap), buttonsTop, buttonWidth, px(kButtonHeight));
    Command1->setDefault(true);
    connect(Command1, &QPushButton::clicked, this, &QDialog::accept);
    connect(Command2, &QPushButton::clicked, this, &QDialog::reject);
}

} // namespace tintrix
