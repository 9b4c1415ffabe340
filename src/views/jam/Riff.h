// The pitch of each step of one riff, read by the player while the riff
// plays. The step context menus and the session loader write it.
#pragma once

#include <QObject>

#include <atomic>

class Riff : public QObject
{
    Q_OBJECT

public:
    static constexpr int stepCount = 16;
    // The range of the step pitch boxes: −12 … +12 semitones.
    static constexpr float lowestFactor = 0.5f;
    static constexpr float highestFactor = 2.0f;

    explicit Riff(QObject* parent = nullptr);

    // GUI thread. Factor = output/input frequency of the step. A factor
    // that is no number or not above 0 (a damaged session) reads as 1.0;
    // others are kept within lowestFactor … highestFactor. Steps outside
    // 0 … 15 are ignored.
    void setInterpFactor(float factor, int step);

    // Any thread, lock-free; 1.0 for a step outside 0 … 15.
    float interpFactor(int step) const;

private:
    // Relaxed: each factor is a value of its own; the player takes it when
    // the step next starts.
    std::atomic<float> factors[stepCount];

    static_assert(std::atomic<float>::is_always_lock_free);
};
