// The smoothed play position the views poll: it advances on a 10 ms GUI
// timer by the mean tick period × sample rate × tempo factor, and snaps to
// the chain's read position when the two drift more than 4096 frames
// apart (a seek, a loop jump). The read position runs ahead of what is
// heard by the queued audio; the estimate follows it, not the speaker.
#pragma once

#include <cstdint>

class PlayPositionEstimate
{
public:
    // Largest drift from the read position that is kept, in frames.
    static constexpr float snapFrames = 4096.0f;

    // A start of playback: the next tick takes the read position as it is.
    void restart(float position)
    {
        m_position = position;
        m_tickCount = 0;
    }
    // A resume: the estimate goes on from where it is.
    void restartTicks() { m_tickCount = 0; }

    // One tick. elapsedMs: time since the start of playback; readPosition:
    // the chain's read position in frames; tempoFactor: output/input tempo.
    float tick(std::int64_t elapsedMs, bool playing, int readPosition, int sampleRateHz, float tempoFactor);

    float position() const { return m_position; }

private:
    float m_position = 0.0f;
    int m_tickCount = 0;
};
