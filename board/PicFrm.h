// SPDX-License-Identifier: GPL-3.0-or-later
// The picture store: every bitmap of the board, loaded on first use.
#pragma once

#include <QHash>
#include <QObject>
#include <QPixmap>
#include <QString>

#include <array>

namespace tintrix {

/** Holds the pegs, the feedback pegs, the X mark, the undo and redo faces and the four style
 *  textures. Controls are given copies of these pictures (shared, not duplicated). */
class PicFrm : public QObject {
    Q_OBJECT
public:
    explicit PicFrm(QObject* parent = nullptr);

    /** The picture with the store name (for example "imgRed" or "SwirlPic"), loaded on first
     *  use at the screen's pixel ratio and grown by the board's size: at the normal size the
     *  bundled drawing, at any other the same drawing made afresh at the pixels it needs. */
    [[nodiscard]] QPixmap picture(const QString& name);

    /** The peg picture of colour number 1..8. */
    [[nodiscard]] QPixmap pegPicture(int colour);

    /** The style texture of style 1..4 (Swirl, Stone, Ice, Cocktail). */
    [[nodiscard]] QPixmap stylePicture(int style);

    /** Releases the loaded bitmaps; pictures already handed out stay valid. */
    void Unload();
    /** Draws every picture from now on grown by zoom (1 is the normal size). */
    void setZoom(double zoom);

    static constexpr std::array<const char*, 8> kPegNames{"imgPink",   "imgBlue",      "imgPurple",   "imgGreen",
                                                          "imgOrange", "imgLightBlue", "imgDarkBlue", "imgRed"};
    static constexpr std::array<const char*, 4> kStyleNames{"SwirlPic", "StonePic", "IcePic", "CocktailPic"};

private:
    [[nodiscard]] QPixmap draw(const QString& name) const;

    QHash<QString, QPixmap> m_loaded;
    double m_zoom = 1.0;
};

} // namespace tintrix
