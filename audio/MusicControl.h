// SPDX-License-Identifier: GPL-3.0-or-later
// The board's music control: a MIDI device driven by text commands, as the game always drove it.
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

namespace tintrix {

class MidiEngine;

/** Commands: "open" (the file name set before), "next" (back to the start of the piece),
 *  "play"/"PLAY" (from the current position), "stop" (keeps the position). Commands to a
 *  device that is not open do nothing. While open, StatusUpdate is emitted every
 *  statusIntervalMs milliseconds. */
class MusicControl : public QObject {
    Q_OBJECT
public:
    MusicControl(MidiEngine& engine, int statusIntervalMs, QObject* parent = nullptr);

    void setFileName(const QString& fileName) { m_fileName = fileName; }
    [[nodiscard]] QString fileName() const { return m_fileName; }

    /** Executes a command; unknown commands are ignored. */
    void setCommand(const QString& command);

    [[nodiscard]] bool isOpen() const;
    [[nodiscard]] qint32 length() const;
    [[nodiscard]] qint32 position() const;

signals:
    void StatusUpdate();

private:
    MidiEngine& m_engine;
    QString m_fileName;
    QTimer m_status;
};

} // namespace tintrix
