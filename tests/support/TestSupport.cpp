// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestSupport.h"

// Qt
#include <QAbstractButton>
#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>

namespace tintrix::test {

void PrepareTestEnvironment()
{
    QStandardPaths::setTestModeEnabled(true);
    ClearSettings();
    // The per-user data folder (high scores saved there) starts empty too.
    QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).removeRecursively();
}

void ClearSettings()
{
    QSettings settings(QCoreApplication::applicationName(), QCoreApplication::applicationName());
    settings.clear();
    settings.sync();
}

ProgramFolder::ProgramFolder()
{
    // Media only: never a high score file from another run.
    const QDir built(QStringLiteral(TINTRIX_PROGRAM_DIR));
    for (const char* file : {"Change.wav", "DropPeg.wav", "Gling.wav", "redo.wav", "Airy.mid", "tintrix.hlp", "tintrix_de.hlp",
                             "tintrix_fr.hlp", "tintrix_es.hlp"}) {
        const QString name = QLatin1String(file);
        if (built.exists(name))
            QFile::copy(built.filePath(name), QDir(m_dir.path()).filePath(name));
    }
}

ModalAnswerer::ModalAnswerer(std::function<bool(QWidget*)> handler)
{
    m_timer.setInterval(5);
    QObject::connect(&m_timer, &QTimer::timeout, [this, handler = std::move(handler)] {
        QWidget* modal = QApplication::activeModalWidget();
        if (m_done || !modal || modal == m_last || !modal->isVisible())
            return;
        m_last = modal;
        m_done = handler(modal);
    });
    m_timer.start();
}

bool ClickButton(QWidget* window, const QString& text)
{
    for (QAbstractButton* b : window->findChildren<QAbstractButton*>()) {
        if (b->text().remove('&') == text) {
            QTimer::singleShot(0, b, &QAbstractButton::click);
            return true;
        }
    }
    return false;
}

bool WaitFor(const std::function<bool()>& condition, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QTest::qWait(5);
    }
    return true;
}

} // namespace tintrix::test
