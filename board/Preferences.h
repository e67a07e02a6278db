// SPDX-License-Identifier: GPL-3.0-or-later
// The preferences of the board, kept in the player's settings store.
#pragma once

#include <QString>

#include <optional>

namespace tintrix {

/** Style, sound, music, colour bar and the board's size, under the section "preferences" of
 *  the settings of the application name. Each value is written and flushed the moment it changes; a stored value
 *  the game cannot read counts as missing and gives the key's default. */
class Preferences {
public:
    explicit Preferences(QString applicationName);

    static constexpr int kDefaultStyle = 1;
    static constexpr bool kDefaultSound = true;
    static constexpr bool kDefaultMusic = true;
    static constexpr bool kDefaultColorBar = false;

    [[nodiscard]] int style() const;      ///< 1 Swirl, 2 Stone, 3 Ice, 4 Cocktail
    [[nodiscard]] bool sound() const;
    [[nodiscard]] bool music() const;
    [[nodiscard]] bool colorBar() const;
    /** The board's size factor, 1 (the normal size) when none or an unreadable one is stored. */
    [[nodiscard]] double zoom() const;

    void setStyle(int style);
    void setSound(bool on);
    void setMusic(bool on);
    void setColorBar(bool shown);
    void setZoom(double zoom);

    /** Reads a stored Boolean as the game always wrote it ("True"/"False"), also accepting other
     *  cases and whole numbers (0 false, anything else true). */
    [[nodiscard]] static std::optional<bool> ParseBoolean(const QString& text);
    /** Reads a stored style number 1..4. */
    [[nodiscard]] static std::optional<int> ParseStyle(const QString& text);

private:
    [[nodiscard]] QString read(const char* key) const;
    void write(const char* key, const QString& value);

    QString m_application;
};

} // namespace tintrix
