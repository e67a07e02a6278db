// SPDX-License-Identifier: GPL-3.0-or-later
// The player's language: the game's own translations and Qt's, chosen from the desktop's
// languages at start-up. English is built in and needs no file.
#pragma once

#include <QString>
#include <QStringList>

namespace tintrix {

/** The languages to look for, best first, from the desktop's list of languages ("de-DE" gives
 *  "de_DE" and then "de"). The list ends at the first English entry: whoever puts English
 *  before German wants English, which needs no file. */
[[nodiscard]] QStringList TranslationCandidates(const QStringList& uiLanguages);

/** Installs the game's translation from the folder (tintrix_<language>.qm) for the first
 *  candidate that has one, and Qt's own translation of its buttons and dialogs for that
 *  language. Returns the language installed ("de", "fr_CA"...), or an empty text for English.
 *  Without a uiLanguages list the system's (LANGUAGE, LC_ALL, LC_MESSAGES, LANG) is used. */
QString InstallTranslations(const QString& folder, const QStringList& uiLanguages = {});

/** The language InstallTranslations installed, empty for English. */
[[nodiscard]] QString InstalledLanguage();

/** The translated edition of a file in the folder for the installed language
 *  ("tintrix_de.hlp" for "tintrix.hlp"), or the file itself when there is none. */
[[nodiscard]] QString LocalizedFile(const QString& folder, const QString& fileName);

} // namespace tintrix
