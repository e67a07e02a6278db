// SPDX-License-Identifier: GPL-3.0-or-later
#include "PulseMusicOutput.h"

// FluidSynth, PulseAudio
#include <fluidsynth.h>
#include <pulse/pulseaudio.h>

namespace tintrix {

namespace {

constexpr std::size_t kFrameBytes = 2 * sizeof(float); // interleaved stereo

void signalLoop(pa_threaded_mainloop* loop) { pa_threaded_mainloop_signal(loop, 0); }

// Waits, with the loop locked, until a connection is settled one way or the other.
template <typename State>
bool settle(pa_threaded_mainloop* loop, State state, int ready, int failed, int terminated)
{
    for (;;) {
        const int now = state();
        if (now == ready)
            return true;
        if (now == failed || now == terminated)
            return false;
        pa_threaded_mainloop_wait(loop);
    }
}

// The server asks for bytes: the synthesizer renders them straight into its buffer.
void render(pa_stream* stream, std::size_t bytes, void* synth)
{
    while (bytes >= kFrameBytes) {
        void* data = nullptr;
        std::size_t size = bytes;
        if (pa_stream_begin_write(stream, &data, &size) < 0 || size < kFrameBytes)
            return;
        size -= size % kFrameBytes;
        const int frames = int(size / kFrameBytes);
        if (fluid_synth_write_float(static_cast<fluid_synth_t*>(synth), frames, data, 0, 2, data, 1, 2) != FLUID_OK) {
            pa_stream_cancel_write(stream);
            return;
        }
        pa_stream_write(stream, data, size, nullptr, 0, PA_SEEK_RELATIVE);
        bytes -= size;
    }
}

} // namespace

std::unique_ptr<PulseMusicOutput> PulseMusicOutput::Start(_fluid_synth_t* synth, int sampleRate)
{
    std::unique_ptr<PulseMusicOutput> output(new PulseMusicOutput);
    if (!output->connect(synth, sampleRate))
        return nullptr;
    return output;
}

bool PulseMusicOutput::connect(_fluid_synth_t* synth, int sampleRate)
{
    m_synth = synth;
    m_loop = pa_threaded_mainloop_new();
    if (!m_loop)
        return false;
    m_context = pa_context_new(pa_threaded_mainloop_get_api(m_loop), "Tintrix");
    if (!m_context)
        return false;
    pa_context_set_state_callback(
        m_context, [](pa_context*, void* loop) { signalLoop(static_cast<pa_threaded_mainloop*>(loop)); }, m_loop);
    if (pa_context_connect(m_context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0 || pa_threaded_mainloop_start(m_loop) < 0)
        return false;

    lock();
    bool ok = settle(
        m_loop, [this] { return int(pa_context_get_state(m_context)); }, PA_CONTEXT_READY, PA_CONTEXT_FAILED,
        PA_CONTEXT_TERMINATED);
    if (ok) {
        const pa_sample_spec spec{PA_SAMPLE_FLOAT32NE, std::uint32_t(sampleRate), 2};
        pa_proplist* properties = pa_proplist_new();
        pa_proplist_sets(properties, PA_PROP_MEDIA_ROLE, "game");
        m_stream = pa_stream_new_with_proplist(m_context, "Music", &spec, nullptr, properties);
        pa_proplist_free(properties);
        ok = m_stream != nullptr;
    }
    if (ok) {
        const auto bytes = std::uint32_t(std::size_t(sampleRate) * kBufferMs / 1000 * kFrameBytes);
        pa_buffer_attr buffer{};
        buffer.maxlength = std::uint32_t(-1);
        buffer.tlength = bytes;
        buffer.prebuf = std::uint32_t(-1);
        buffer.minreq = bytes / 4;
        buffer.fragsize = std::uint32_t(-1);
        pa_stream_set_state_callback(
            m_stream, [](pa_stream*, void* loop) { signalLoop(static_cast<pa_threaded_mainloop*>(loop)); }, m_loop);
        pa_stream_set_write_callback(m_stream, render, m_synth);
        ok = pa_stream_connect_playback(m_stream, nullptr, &buffer, PA_STREAM_ADJUST_LATENCY, nullptr, nullptr) == 0
            && settle(
                m_loop, [this] { return int(pa_stream_get_state(m_stream)); }, PA_STREAM_READY, PA_STREAM_FAILED,
                PA_STREAM_TERMINATED);
    }
    unlock();
    return ok;
}

PulseMusicOutput::~PulseMusicOutput()
{
    if (m_loop)
        pa_threaded_mainloop_stop(m_loop); // the stream's thread renders no more
    if (m_stream) {
        pa_stream_set_write_callback(m_stream, nullptr, nullptr);
        pa_stream_set_state_callback(m_stream, nullptr, nullptr);
        pa_stream_disconnect(m_stream);
        pa_stream_unref(m_stream);
    }
    if (m_context) {
        pa_context_set_state_callback(m_context, nullptr, nullptr);
        pa_context_disconnect(m_context);
        pa_context_unref(m_context);
    }
    if (m_loop)
        pa_threaded_mainloop_free(m_loop);
}

void PulseMusicOutput::lock() { pa_threaded_mainloop_lock(m_loop); }
void PulseMusicOutput::unlock() { pa_threaded_mainloop_unlock(m_loop); }

} // namespace tintrix
