// How the channels of a decoded file become the one or two the shell
// keeps: a gain for each file channel in each output channel, from where
// the file says its channels sit. The decoder reads that from FFmpeg and
// hands it over in these terms.
//
// - As many channels in as out, a mono recording or a stereo pair: as they
//   are, whatever speakers the file names (recorders label a pair by its
//   position: sides, backs, left and centre).
// - One channel into two: the same on both sides. Into one: the mean of
//   the two sides of the stereo mix-down.
// - Three or more into two: FFmpeg's own rule for the speakers named
//   (centre and surrounds at -3 dB, the LFE as loud as the centre so the
//   bass stays) when it has one that hears every channel. Otherwise each
//   channel by its place: a left speaker on the left, a right one on the
//   right, a centre one on both at -3 dB; an ambisonic recording by its
//   omnidirectional and left-right components (up-down and front-back
//   have no place in two channels); channels of unknown place in turns
//   left and right.
// Each output's gains sum (as magnitudes) to at most 1, so nothing clips.
#pragma once

#include <vector>

// The most channels the resampler mixes (FFmpeg's SWR_CH_MAX); a file with
// more is no recording we can play.
constexpr int kMaxMixChannels = 64;

// Where one channel of a file sits.
struct ChannelPlace
{
    enum class Kind { Unknown, Speaker, Ambisonic };
    Kind kind = Kind::Unknown;
    // Speaker: its bit in a channel mask, 0 to 63 (0 front left, 1 front
    // right, 2 centre, 3 LFE, 4/5 back pair, 9/10 side pair; the bits of a
    // WAV header's mask and FFmpeg's channel numbers). Ambisonic: the
    // component's number in ACN order (0 omnidirectional, 1 left-right,
    // 2 up-down, 3 front-back, ...).
    int index = 0;
};

// The gains of the channels `in` in outChannels outputs (1 or 2):
// gains[o * in.size() + c] is channel c's gain in output o; empty when the
// channels go through as they are. False when they cannot be mixed: no
// channel, or more than kMaxMixChannels.
bool channelMixDown(const std::vector<ChannelPlace>& in, int outChannels, std::vector<double>& gains);
