// SPDX-License-Identifier: GPL-3.0-or-later
#include "HighScoreFrm.h"

#include "Twips.h"

// Qt
#include <QLabel>
#include <QPushButton>

// Std
#include <cassert>

namespace tintrix {

namespace {

// Geometry in twips. Row i of the labels stands at kFirstRowTop + (i - 1) * kRowStep.
// clang-format off
constexpr int kWidth        = 5400;
constexpr int kFirstRowTop  = 720;
constexpr int kRowStep      = 360;
constexpr int kRowHeight    = 300;
constexpr int kButtonsTop   = kFirstRowTop + kHighScorePlaces * kRowStep + 120;
constexpr int kButtonWidth  = 1215;
constexpr int kButtonHeight = 375;
constexpr int kHeight       = kButtonsTop + kButtonHeight + 240;

struct Column { int left; int width; Qt::Alignment align; };
constexpr Column kNameColumn  {240,  2520, Qt::AlignLeft  | Qt::AlignVCenter};
constexpr Column kScoreColumn {2640, 1080, Qt::AlignRight | Qt::AlignVCenter};
constexpr Column kLevelColumn {4080, 1200, Qt::AlignLeft  | Qt::AlignVCenter};
// clang-format on
static_assert(kLevelColumn.left + kLevelColumn.width <= kWidth);

QRect twipsRect(int left, int top, int width, int height)
{
    return {Twips(left), Twips(top), Twips(width), Twips(height)};
}

QLabel* placeLabel(QWidget* parent, const Column& column, const QString& name, int place)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name + QString::number(place));
    label->setTextFormat(Qt::PlainText); // a name like "<B>" is shown as typed
    label->setAlignment(column.align);
    label->setGeometry(twipsRect(column.left, kFirstRowTop + (place - 1) * kRowStep, column.width, kRowHeight));
    return label;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption, int left)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    b->setGeometry(twipsRect(left, kButtonsTop, kButtonWidth, kButtonHeight));
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

HighScoreFrm::HighScoreFrm(const HighScoreTable& table, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("HighScoreFrm"));
    setWindowTitle(QStringLiteral("Top Scores"));
    setFixedSize(Twips(kWidth), Twips(kHeight));

    auto* heading = new QLabel(QStringLiteral("TOP PLAYERS"), this);
    heading->setObjectName(QStringLiteral("lblTitle"));
    heading->setAlignment(Qt::AlignCenter);
    QFont font = heading->font();
    font.setBold(true);
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * 1.5);
    heading->setFont(font);
    heading->setGeometry(twipsRect(0, 180, kWidth, 420));

    for (int i = 1; i <= kHighScorePlaces; ++i) {
        NameLbl[i] = placeLabel(this, kNameColumn, QStringLiteral("NameLbl"), i);
        ScoreLbl[i] = placeLabel(this, kScoreColumn, QStringLiteral("ScoreLbl"), i);
        LevelTxt[i] = placeLabel(this, kLevelColumn, QStringLiteral("LevelTxt"), i);
    }
    // Places beyond the filled ones stay blank.
    for (int i = 1; i <= table.HighScoreCount; ++i) {
        const HighScoreEntry& entry = table.place(i);
        NameLbl[i]->setText(entry.Name);
        ScoreLbl[i]->setText(QString::number(entry.Score));
        LevelTxt[i]->setText(QStringLiteral("LEVEL ") + QString::number(entry.Level));
        // A screen reader reads each place as one line.
        NameLbl[i]->setAccessibleName(QStringLiteral("Place %1: %2, score %3, level %4").arg(i).arg(entry.Name).arg(entry.Score).arg(entry.Level));
        ScoreLbl[i]->setAccessibleName(QStringLiteral("score %1").arg(entry.Score));
        LevelTxt[i]->setAccessibleName(QStringLiteral("level %1").arg(entry.Level));
    }
    setAccessibleDescription(table.HighScoreCount == 0   ? QStringLiteral("No scores yet")
                             : table.HighScoreCount == 1 ? QStringLiteral("One player")
                                                         : QStringLiteral("%1 players").arg(table.HighScoreCount));

    const int buttonsLeft = (kWidth - 2 * kButtonWidth - 240) / 2;
    Command1 = button(this, "Command1", QStringLiteral("OK"), buttonsLeft);
    Command2 = button(this, "Command2", QStringLiteral("Cancel"), buttonsLeft + kButtonWidth + 240);
    Command1->setDefault(true);
    connect(Command1, &QPushButton::clicked, this, &QDialog::accept);
    connect(Command2, &QPushButton::clicked, this, &QDialog::reject);
}

} // namespace tintrix
