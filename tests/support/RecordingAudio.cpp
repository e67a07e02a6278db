// SPDX-License-Identifier: GPL-3.0-or-later
#include "RecordingAudio.h"

#include <QFileInfo>

namespace tintrix::test {

bool FakeMidi::open(const QString& path)
{
    calls << "open " + QFileInfo(path).fileName();
    m_open = openSucceeds;
    m_playing = false;
    m_position = 0;
    return m_open;
}

void FakeMidi::rewind()
{
    calls << "rewind";
    m_position = 0;
}

void FakeMidi::play()
{
    calls << "play";
    m_playing = true;
}

void FakeMidi::stop()
{
    calls << "stop";
    m_playing = false;
}

void RecordingAudio::playEffect(const QString& path)
{
    effects << QFileInfo(path).fileName();
}

} // namespace tintrix::test
