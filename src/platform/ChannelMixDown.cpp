#include "ChannelMixDown.h"

#include <algorithm>
#include <bitset>
#include <cmath>
#include <cstdint>
#include <utility>

extern "C" {
#include <libavutil/channel_layout.h>
#include <libswresample/swresample.h>
}

namespace {

using Rows = std::vector<double>; // the left row, then the right row

enum class Side { Left, Right, Both };

Side sideOf(int speaker)
{
    switch (static_cast<AVChannel>(speaker)) {
    case AV_CHAN_FRONT_LEFT:
    case AV_CHAN_BACK_LEFT:
    case AV_CHAN_FRONT_LEFT_OF_CENTER:
    case AV_CHAN_SIDE_LEFT:
    case AV_CHAN_TOP_FRONT_LEFT:
    case AV_CHAN_TOP_BACK_LEFT:
    case AV_CHAN_STEREO_LEFT:
    case AV_CHAN_WIDE_LEFT:
    case AV_CHAN_SURROUND_DIRECT_LEFT:
    case AV_CHAN_TOP_SIDE_LEFT:
    case AV_CHAN_BOTTOM_FRONT_LEFT:
        return Side::Left;
    case AV_CHAN_FRONT_RIGHT:
    case AV_CHAN_BACK_RIGHT:
    case AV_CHAN_FRONT_RIGHT_OF_CENTER:
    case AV_CHAN_SIDE_RIGHT:
    case AV_CHAN_TOP_FRONT_RIGHT:
    case AV_CHAN_TOP_BACK_RIGHT:
    case AV_CHAN_STEREO_RIGHT:
    case AV_CHAN_WIDE_RIGHT:
    case AV_CHAN_SURROUND_DIRECT_RIGHT:
    case AV_CHAN_TOP_SIDE_RIGHT:
    case AV_CHAN_BOTTOM_FRONT_RIGHT:
        return Side::Right;
    default: // centres, LFEs and the bits no speaker has
        return Side::Both;
    }
}

// FFmpeg's rule for these speakers; false when they are not distinct
// speakers, when it has no rule (a layout without a front speaker, or with
// one side of a pair only) or when its rule leaves a channel out.
bool ffmpegRule(const std::vector<ChannelPlace>& in, Rows& rows)
{
    const size_t n = in.size();
    std::uint64_t mask = 0;
    for (const ChannelPlace& place : in) {
        const std::uint64_t bit = std::uint64_t{1} << (place.index & 63);
        if (place.kind != ChannelPlace::Kind::Speaker || place.index < 0 || place.index > 63 || (mask & bit) != 0)
            return false;
        mask |= bit;
    }
    AVChannelLayout layout{};
    AVChannelLayout stereo{};
    av_channel_layout_default(&stereo, 2);
    // FFmpeg fills a whole square of its channels, not just two rows.
    std::vector<double> square(static_cast<size_t>(kMaxMixChannels) * kMaxMixChannels, 0.0);
    if (av_channel_layout_from_mask(&layout, mask) < 0
        || swr_build_matrix2(&layout, &stereo, M_SQRT1_2, M_SQRT1_2, 1.0, 1.0, 1.0, square.data(), kMaxMixChannels,
                             AV_MATRIX_ENCODING_NONE, nullptr)
            < 0)
        return false;
    // Its columns follow the mask's bits upwards; a file may name its
    // speakers in another order.
    rows.assign(2 * n, 0.0);
    for (size_t c = 0; c < n; ++c) {
        const std::uint64_t below = (std::uint64_t{1} << in[c].index) - 1;
        const size_t column = std::bitset<64>(mask & below).count();
        rows[c] = square[column];
        rows[n + c] = square[kMaxMixChannels + column];
        if (rows[c] == 0.0 && rows[n + c] == 0.0)
            return false;
    }
    return true;
}

// Each channel by its place, the rows then scaled to sum to at most 1.
Rows byPlace(const std::vector<ChannelPlace>& in)
{
    const size_t n = in.size();
    Rows rows(2 * n, 0.0);
    int unknown = 0;
    for (size_t c = 0; c < n; ++c) {
        double& left = rows[c];
        double& right = rows[n + c];
        switch (in[c].kind) {
        case ChannelPlace::Kind::Speaker:
            switch (sideOf(in[c].index)) {
            case Side::Left:
                left = 1.0;
                break;
            case Side::Right:
                right = 1.0;
                break;
            case Side::Both:
                left = right = M_SQRT1_2;
                break;
            }
            break;
        case ChannelPlace::Kind::Ambisonic:
            // Two cardioids facing left and right: (W + Y) / 2, (W - Y) / 2.
            if (in[c].index == 0)
                left = right = 1.0;
            else if (in[c].index == 1) {
                left = 1.0;
                right = -1.0;
            }
            break;
        case ChannelPlace::Kind::Unknown:
            (unknown++ % 2 == 0 ? left : right) = 1.0;
            break;
        }
    }
    // A channel on both sides stays in the middle only when both rows are
    // scaled alike; with none, each side takes its full level.
    double sum[2] = {0.0, 0.0};
    bool shared = false;
    for (size_t c = 0; c < n; ++c) {
        sum[0] += std::fabs(rows[c]);
        sum[1] += std::fabs(rows[n + c]);
        shared = shared || (rows[c] != 0.0 && rows[n + c] != 0.0);
    }
    for (size_t row = 0; row < 2; ++row) {
        const double scale = shared ? std::max(sum[0], sum[1]) : sum[row];
        for (size_t c = 0; scale > 1.0 && c < n; ++c)
            rows[row * n + c] /= scale;
    }
    return rows;
}

} // namespace

bool channelMixDown(const std::vector<ChannelPlace>& in, int outChannels, std::vector<double>& gains)
{
    gains.clear();
    const size_t n = in.size();
    if (n < 1 || n > static_cast<size_t>(kMaxMixChannels) || (outChannels != 1 && outChannels != 2))
        return false;
    if (n == static_cast<size_t>(outChannels))
        return true;
    Rows stereo;
    if (n == 1)
        stereo = {1.0, 1.0};
    else if (n == 2)
        stereo = {1.0, 0.0, 0.0, 1.0};
    else if (!ffmpegRule(in, stereo))
        stereo = byPlace(in);
    if (outChannels == 2) {
        gains = std::move(stereo);
        return true;
    }
    gains.resize(n);
    for (size_t c = 0; c < n; ++c)
        gains[c] = 0.5 * (stereo[c] + stereo[n + c]);
    return true;
}
