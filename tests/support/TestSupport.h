// SPDX-License-Identifier: GPL-3.0-or-later
// Shared set-up for the tests: isolated settings, fast timers, answering modal windows.
#pragma once

#include <QFile>
#include <QPointer>
#include <QString>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace tintrix::test {

/** The time scale the tests hand to the program: its timers run 50 times faster. */
inline constexpr double kTestTimeScale = 0.02;

/** Settings and data in Qt's test mode (never the player's own), emptied. Call first in
 *  initTestCase. */
void PrepareTestEnvironment();

/** Empties this test program's settings store. */
void ClearSettings();

/** A fresh program folder with the built game's media copied in. */
class ProgramFolder {
public:
    ProgramFolder();
    [[nodiscard]] QString path() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
};

/** Answers modal windows as they open. The handler gets each new modal window; it returns
 *  true once it has answered the last window it expects. Stops by itself when the object
 *  goes out of scope. */
class ModalAnswerer {
public:
    explicit ModalAnswerer(std::function<bool(QWidget*)> handler);
    ModalAnswerer(const ModalAnswerer&) = delete;
    ModalAnswerer& operator=(const ModalAnswerer&) = delete;

private:
    QTimer m_timer;
    QPointer<QWidget> m_last;
    bool m_done = false;
};

/** Clicks the button with the given text in a message box or dialog. Returns false when
 *  there is no such button. */
bool ClickButton(QWidget* window, const QString& text);

inline QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool WriteAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

/** Waits for the condition while processing events, up to timeoutMs. */
bool WaitFor(const std::function<bool()>& condition, int timeoutMs = 5000);

} // namespace tintrix::test
