// SPDX-License-Identifier: GPL-3.0-or-later
#include "Translations.h"

// Qt
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace tintrix {

namespace {

QString g_language;

// The translators live as long as the program; installing again replaces them.
QTranslator& gameTranslator()
{
    static QTranslator translator;
    return translator;
}

QTranslator& qtTranslator()
{
    static QTranslator translator;
    return translator;
}

} // namespace

QStringList TranslationCandidates(const QStringList& uiLanguages)
{
    QStringList candidates;
    for (QString language : uiLanguages) {
        language.replace(QLatin1Char('-'), QLatin1Char('_'));
        const QString base = language.section(QLatin1Char('_'), 0, 0).toLower();
        if (base.isEmpty() || base == QLatin1String("c") || base == QLatin1String("posix") || base == QLatin1String("en"))
            break;
        for (const QString& name : {language, base})
            if (!candidates.contains(name))
                candidates << name;
    }
    return candidates;
}

QString InstallTranslations(const QString& folder, const QStringList& uiLanguages)
{
    QCoreApplication::removeTranslator(&gameTranslator());
    QCoreApplication::removeTranslator(&qtTranslator());
    g_language.clear();
    const QStringList candidates =
        TranslationCandidates(uiLanguages.isEmpty() ? QLocale::system().uiLanguages() : uiLanguages);
    for (const QString& language : candidates) {
        // Exactly this language's file: the loader would otherwise fall back from "de_DE" to
        // "de" by itself, and the language reported would not be the one loaded.
        const QString file = QDir(folder).filePath(QStringLiteral("tintrix_%1.qm").arg(language));
        if (!QFileInfo::exists(file) || !gameTranslator().load(file))
            continue;
        QCoreApplication::installTranslator(&gameTranslator());
        // Qt's standard buttons and dialogs in the same language, when Qt has it.
        const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
        if (qtTranslator().load(QStringLiteral("qtbase_") + language, qtFolder)
            || qtTranslator().load(QStringLiteral("qtbase_") + language.section(QLatin1Char('_'), 0, 0), qtFolder))
            QCoreApplication::installTranslator(&qtTranslator());
        g_language = language;
        break;
    }
    return g_language;
}

QString InstalledLanguage()
{
    return g_language;
}

QString LocalizedFile(const QString& folder, const QString& fileName)
{
    const QDir dir(folder);
    if (!g_language.isEmpty()) {
        const QFileInfo file(fileName);
        const QString suffix = file.suffix().isEmpty() ? QString() : QLatin1Char('.') + file.suffix();
        const QString translated = dir.filePath(file.completeBaseName() + QLatin1Char('_') + g_language + suffix);
        if (QFileInfo::exists(translated))
            return translated;
    }
    return dir.filePath(fileName);
}

} // namespace tintrix
