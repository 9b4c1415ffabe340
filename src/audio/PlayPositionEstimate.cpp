#include "PlayPositionEstimate.h"

#include <cmath>

float PlayPositionEstimate::tick(std::int64_t elapsedMs, bool playing, int readPosition, int sampleRateHz,
                                 float tempoFactor)
{
    const float read = float(readPosition);
    if (playing) {
        if (m_tickCount == 0) {
            m_position = read;
        } else {
            // The mean tick period in whole ms, so that one late tick does
            // not make the marker jump.
            const auto periodMs = float(elapsedMs / m_tickCount);
            m_position += float(sampleRateHz) * periodMs / 1000.0f * tempoFactor;
        }
    }
    if (std::fabs(m_position - read) > snapFrames)
        m_position = read;
    ++m_tickCount;
    return m_position;
}
