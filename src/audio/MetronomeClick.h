// The metronome click: a short woodblock-like tick, one channel, 1024
// frames (23.2 ms at 44.1 kHz), peak 0.57, starting and ending at 0. The
// shell hands it to AudioPlayer::initBeep for both channels.
#pragma once

#include <array>

constexpr int metronomeClickFrames = 1024;
constexpr float metronomeClickPeak = 0.57f;

// Built on first use (any thread; C++ makes the first use thread-safe).
const std::array<float, metronomeClickFrames>& metronomeClick();
