// SPDX-License-Identifier: GPL-3.0-or-later
// The music's way to the sound server.
#pragma once

// Std
#include <memory>

struct _fluid_synth_t;
struct pa_context;
struct pa_stream;
struct pa_threaded_mainloop;

namespace tintrix {

/** A PulseAudio playback stream (PipeWire serves it as well) that the synthesizer renders
 *  into, on the stream's own thread, whenever the server asks for more. The server holds
 *  kBufferMs of music and asks for a quarter of it at a time: one thread wakes ten times a
 *  second, where FluidSynth's own PulseAudio driver wakes two threads some fifty times, at a
 *  cost of a third of what the synthesis itself costs. */
class PulseMusicOutput {
public:
    static constexpr int kBufferMs = 400;

    /** Connects to the server and starts rendering synth at sampleRate frames a second; empty
     *  when there is no server or it refuses the stream. Never starts a server. */
    [[nodiscard]] static std::unique_ptr<PulseMusicOutput> Start(_fluid_synth_t* synth, int sampleRate);

    /** Stops rendering and lets the server go; what it still holds is dropped. */
    ~PulseMusicOutput();
    PulseMusicOutput(const PulseMusicOutput&) = delete;
    PulseMusicOutput& operator=(const PulseMusicOutput&) = delete;

    /** Runs change while nothing renders, for replacing what the synthesizer plays without
     *  stopping the stream. */
    template <typename Change>
    void whileQuiet(Change&& change)
    {
        lock();
        change();
        unlock();
    }

private:
    PulseMusicOutput() = default;
    bool connect(_fluid_synth_t* synth, int sampleRate);
    void lock();
    void unlock();

    pa_threaded_mainloop* m_loop = nullptr;
    pa_context* m_context = nullptr;
    pa_stream* m_stream = nullptr;
    _fluid_synth_t* m_synth = nullptr;
};

} // namespace tintrix
