// SPDX-License-Identifier: GPL-3.0-or-later
// The controls of the board window, built once and shared by the parts that show and feed it.
#pragma once

// Qt
#include <QPixmap>
#include <QString>

#include <array>
#include <optional>

class QLabel;
class QMainWindow;
class QStatusBar;
class QWidget;

namespace tintrix {

class ImageControl;

class BoardSize;
class Masterfrm;
class PicFrm;
struct GameState;

/** The pictures the holes show: an empty hole, the feedback pegs and the pegs by colour. */
struct HolePictures {
    const QPixmap& empty;
    const QPixmap& black;
    const QPixmap& grey;
    const QPixmap& x;
    PicFrm& pegs;
};

/** A hole of a guess row: model row (0 is the top row) and hole. */
struct HoleAt {
    int row = 0;
    int hole = 0;
};

/** Every control of the board. Rows are indexed as the game numbers them, 0 at the top; only
 *  the object names count the other way, from Row1 at the bottom to Row12 at the top. */
struct BoardControls {
    QWidget* board = nullptr;      // the wooden board, the window's central widget
    QWidget* FieldBox1 = nullptr;  // guess rows
    QWidget* FieldBox2 = nullptr;  // clue rows
    QWidget* ColorBox1 = nullptr;  // upper colour bar
    QWidget* ColorBox2 = nullptr;  // lower colour bar, inside the 600 twips the preference shows
    QWidget* DoBox1 = nullptr;     // upper undo and redo
    QWidget* DoBox2 = nullptr;     // lower undo and redo
    std::array<std::array<ImageControl*, 6>, 12> Row{};   // guess holes by model row
    std::array<std::array<ImageControl*, 6>, 12> Check{}; // clue holes beside them
    std::array<ImageControl*, 8> ColSelect{};  // upper colour bar
    std::array<ImageControl*, 8> ColSelect2{}; // lower colour bar
    ImageControl* Redo1 = nullptr;
    ImageControl* Undo1 = nullptr;
    ImageControl* Redo2 = nullptr;
    ImageControl* Undo2 = nullptr;
    ImageControl* Image2 = nullptr;            // check button
    QStatusBar* StatusBar1 = nullptr;
    std::array<QLabel*, 5> Panels{};           // status-bar panels 1..4 (index 0 unused)
    Masterfrm* MasterWindow = nullptr;         // reveal window of the secret combination

    [[nodiscard]] ImageControl* guessHole(int row, int hole) const { return Row.at(std::size_t(row)).at(std::size_t(hole)); }
    [[nodiscard]] ImageControl* clueHole(int row, int hole) const { return Check.at(std::size_t(row)).at(std::size_t(hole)); }
    /** The guess hole a widget is, if it is one. */
    [[nodiscard]] std::optional<HoleAt> holeOf(const QWidget* w) const;
    /** The colour-bar entry index a widget is, if it is one of either bar. */
    [[nodiscard]] std::optional<int> barEntryOf(const QWidget* w) const;

    /** Builds the board into window: containers, holes, bars, buttons, status bar and the reveal
     *  window, placed at the normal layout. */
    static BoardControls Build(QMainWindow& window, BoardSize& size);
    /** Lays the containers out for catalogue row 1..18; returns the window's height in twips
     *  from the layout table (without the status bar). */
    [[nodiscard]] int LayOut(BoardSize& size, int catalogueRow, bool colorBarShown) const;
    /** Shows every hole, colour-bar drag and the reveal window as the game state holds them;
     *  the cursor frame only once the keyboard has played. */
    void renderHoles(const GameState& s, bool playing, bool cursorShown, const HolePictures& pictures) const;
};

} // namespace tintrix
