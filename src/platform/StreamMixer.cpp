#include "StreamMixer.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <thread>

namespace {

constexpr int kSlotBits = 4; // handle = generation << 4 | (slot index + 1)
constexpr std::uint32_t kSlotMask = (1u << kSlotBits) - 1;
static_assert(StreamMixer::kMaxStreams < (1 << kSlotBits), "slot index must fit its bits");
static_assert((StreamMixer::kRingFrames & (StreamMixer::kRingFrames - 1)) == 0, "ring size is a power of two");

// A start never waits for more than most of the ring: a player keeps less
// queued than the ring holds (the feed loop stops at 100 000 frames), and a
// start amount beyond that would wait for ever.
constexpr double kMostStartFrames = double(StreamMixer::kRingFrames) * 3 / 4;

static_assert(std::atomic<std::int64_t>::is_always_lock_free, "queue counters must be lock-free");
static_assert(std::atomic<std::uint32_t>::is_always_lock_free, "handles must be lock-free");
static_assert(std::atomic<int>::is_always_lock_free, "state and user counts must be lock-free");
static_assert(std::atomic<std::uint64_t>::is_always_lock_free, "the render sequence must be lock-free");

// A render that takes longer than this is stuck; the control thread stops
// waiting for it.
constexpr auto kMaxRenderWait = std::chrono::milliseconds(200);

enum : int { kStopped = 0, kPlaying = 1, kPaused = 2 };

} // namespace

struct StreamMixer::Slot
{
    // Queue counters are monotonic frame counts; positions in the ring are
    // count & mask. `written` belongs to the producer, `read` to the
    // consumer (release after their data, acquire before reading the
    // other's); `discardMark` is written by stop() and moves `read` forward
    // at the consumer's next render.
    alignas(64) std::atomic<std::int64_t> written{0};
    alignas(64) std::atomic<std::int64_t> read{0};
    alignas(64) std::atomic<std::int64_t> discardMark{0};
    alignas(64) std::atomic<std::uint32_t> handle{0}; // 0: free
    std::atomic<int> users{0};
    std::atomic<int> state{kStopped};
    std::atomic<bool> ended{false}; // set by the producer's markEnd

    // Control-thread fields.
    std::uint32_t generation = 0;
    std::unique_ptr<float[]> ring;

    // Consumer fields, set up by create() before the handle is published.
    std::int64_t lastDiscardMark = 0;
    bool started = false; // has sounded since its creation or last stop
    bool dry = false;     // ran dry in the last render; counted once per episode
    Resampler resampler;
};

namespace {

// Reads a slot's queue for the resampler, on the consumer thread.
struct RingSource
{
    const float* ring;
    std::int64_t read;
    std::int64_t available;

    int pull(float* dst, int maxFrames)
    {
        const int n = static_cast<int>(std::min<std::int64_t>(maxFrames, available));
        const std::int64_t mask = StreamMixer::kRingFrames - 1;
        const std::int64_t pos = read & mask;
        const std::int64_t firstPart = std::min<std::int64_t>(n, StreamMixer::kRingFrames - pos);
        std::memcpy(dst, ring + 2 * pos, sizeof(float) * 2 * static_cast<size_t>(firstPart));
        std::memcpy(dst + 2 * firstPart, ring, sizeof(float) * 2 * static_cast<size_t>(n - firstPart));
        read += n;
        available -= n;
        return n;
    }
};

} // namespace

StreamMixer::StreamMixer()
{
    for (auto& slot : slots_)
        slot = std::make_unique<Slot>();
}

StreamMixer::~StreamMixer() = default;

StreamMixer::Slot* StreamMixer::enter(StreamHandle handle) const
{
    const std::uint32_t index = (handle & kSlotMask);
    if (index == 0 || index > static_cast<std::uint32_t>(kMaxStreams))
        return nullptr;
    Slot* slot = slots_[index - 1].get();
    // Sequentially consistent on purpose: pairs with create()'s check of
    // `users` after free() cleared the handle.
    slot->users.fetch_add(1);
    if (slot->handle.load() != handle) {
        slot->users.fetch_sub(1);
        return nullptr;
    }
    return slot;
}

void StreamMixer::leave(Slot* slot)
{
    slot->users.fetch_sub(1);
}

StreamHandle StreamMixer::create(int streamRateHz, int deviceRateHz)
{
    if (streamRateHz < kMinStreamRateHz || streamRateHz > kMaxStreamRateHz || deviceRateHz <= 0)
        return 0;
    for (int i = 0; i < kMaxStreams; ++i) {
        Slot& slot = *slots_[i];
        if (slot.handle.load() != 0 || slot.users.load() != 0)
            continue;
        // Nobody holds the slot and nobody can get in: whoever enters now
        // finds handle 0 and leaves without touching anything.
        if (!slot.ring)
            slot.ring = std::make_unique<float[]>(2 * static_cast<size_t>(kRingFrames));
        slot.written.store(0, std::memory_order_relaxed);
        slot.read.store(0, std::memory_order_relaxed);
        slot.discardMark.store(0, std::memory_order_relaxed);
        slot.state.store(kStopped, std::memory_order_relaxed);
        slot.ended.store(false, std::memory_order_relaxed);
        slot.lastDiscardMark = 0;
        slot.started = false;
        slot.dry = false;
        slot.resampler.configure(streamRateHz, deviceRateHz);
        slot.generation = (slot.generation + 1) & (0xffffffffu >> kSlotBits);
        if (slot.generation == 0)
            slot.generation = 1;
        const StreamHandle handle = (slot.generation << kSlotBits) | static_cast<std::uint32_t>(i + 1);
        slot.handle.store(handle); // publishes everything above
        return handle;
    }
    return 0;
}

void StreamMixer::waitForRender() const
{
    const std::uint64_t sequence = renderSequence_.load();
    if ((sequence & 1) == 0)
        return;
    const auto deadline = std::chrono::steady_clock::now() + kMaxRenderWait;
    while (renderSequence_.load() == sequence && std::chrono::steady_clock::now() < deadline)
        std::this_thread::yield();
}

bool StreamMixer::free(StreamHandle handle)
{
    Slot* slot = enter(handle);
    if (!slot)
        return false;
    slot->state.store(kStopped);
    slot->handle.store(0);
    leave(slot);
    waitForRender();
    return true;
}

void StreamMixer::freeAll()
{
    for (auto& slot : slots_) {
        slot->state.store(kStopped);
        slot->handle.store(0);
    }
}

bool StreamMixer::play(StreamHandle handle)
{
    Slot* slot = enter(handle);
    if (!slot)
        return false;
    slot->state.store(kPlaying, std::memory_order_release);
    leave(slot);
    return true;
}

bool StreamMixer::pause(StreamHandle handle)
{
    Slot* slot = enter(handle);
    if (!slot)
        return false;
    int expected = kPlaying;
    const bool paused = slot->state.compare_exchange_strong(expected, kPaused);
    leave(slot);
    waitForRender();
    return paused;
}

bool StreamMixer::stop(StreamHandle handle)
{
    Slot* slot = enter(handle);
    if (!slot)
        return false;
    slot->state.store(kStopped);
    // Everything pushed so far is dropped; the consumer skips it at its next
    // render (only it may move `read`).
    slot->discardMark.store(slot->written.load(std::memory_order_acquire), std::memory_order_release);
    leave(slot);
    waitForRender();
    return true;
}

StreamState StreamMixer::state(StreamHandle handle) const
{
    Slot* slot = enter(handle);
    if (!slot)
        return StreamState::Invalid;
    const int s = slot->state.load(std::memory_order_acquire);
    leave(slot);
    switch (s) {
    case kPlaying:
        return StreamState::Playing;
    case kPaused:
        return StreamState::Paused;
    default:
        return StreamState::Stopped;
    }
}

bool StreamMixer::push(StreamHandle handle, const float* interleaved, std::int64_t numFrames)
{
    if (numFrames < 0 || (numFrames > 0 && !interleaved))
        return false;
    Slot* slot = enter(handle);
    if (!slot)
        return false;
    const std::int64_t written = slot->written.load(std::memory_order_relaxed);
    const std::int64_t read = slot->read.load(std::memory_order_acquire);
    const bool fits = numFrames <= kRingFrames - (written - read);
    if (fits && numFrames > 0) {
        const std::int64_t pos = written & (kRingFrames - 1);
        const std::int64_t firstPart = std::min(numFrames, kRingFrames - pos);
        float* ring = slot->ring.get();
        std::memcpy(ring + 2 * pos, interleaved, sizeof(float) * 2 * static_cast<size_t>(firstPart));
        std::memcpy(ring, interleaved + 2 * firstPart,
                    sizeof(float) * 2 * static_cast<size_t>(numFrames - firstPart));
        slot->written.store(written + numFrames, std::memory_order_release);
    }
    leave(slot);
    return fits;
}

bool StreamMixer::markEnd(StreamHandle handle)
{
    Slot* slot = enter(handle);
    if (!slot)
        return false;
    slot->ended.store(true, std::memory_order_release);
    leave(slot);
    return true;
}

std::int64_t StreamMixer::queuedFrames(StreamHandle handle) const
{
    Slot* slot = enter(handle);
    if (!slot)
        return -1;
    const std::int64_t written = slot->written.load(std::memory_order_acquire);
    const std::int64_t consumed =
        std::max(slot->read.load(std::memory_order_acquire), slot->discardMark.load(std::memory_order_acquire));
    leave(slot);
    return std::max<std::int64_t>(0, written - consumed);
}

void StreamMixer::setStartFrames(std::int64_t deviceFrames)
{
    startFrames_.store(std::max<std::int64_t>(deviceFrames, 0), std::memory_order_relaxed);
}

void StreamMixer::noteDeviceUnderflow()
{
    if (sounded_.load(std::memory_order_relaxed))
        underruns_.fetch_add(1, std::memory_order_relaxed);
}

void StreamMixer::render(float* out, int numFrames)
{
    renderSequence_.fetch_add(1);
    std::fill(out, out + 2 * static_cast<size_t>(numFrames), 0.0f);
    bool sounded = false;
    for (auto& slotPtr : slots_) {
        Slot& slot = *slotPtr;
        slot.users.fetch_add(1);
        if (slot.handle.load() != 0)
            sounded = renderSlot(slot, out, numFrames) || sounded;
        slot.users.fetch_sub(1);
    }
    sounded_.store(sounded, std::memory_order_relaxed);
    renderSequence_.fetch_add(1);
}

bool StreamMixer::renderSlot(Slot& slot, float* out, int numFrames)
{
    std::int64_t read = slot.read.load(std::memory_order_relaxed);
    const std::int64_t mark = slot.discardMark.load(std::memory_order_acquire);
    if (mark != slot.lastDiscardMark) {
        // A stop: skip what was queued before it and forget the resampler's
        // history, so nothing of it sounds after the next play.
        slot.lastDiscardMark = mark;
        if (read < mark) {
            read = mark;
            slot.read.store(read, std::memory_order_release);
        }
        slot.resampler.reset();
        slot.started = false;
    }
    // Sequentially consistent: a pause or stop made before this render
    // began (by the render sequence) is seen here.
    if (slot.state.load() != kPlaying)
        return false;

    const std::int64_t written = slot.written.load(std::memory_order_acquire);
    if (!slot.started) {
        // Silence before the first push (or before startFrames are queued)
        // is the stream's start, not a shortage.
        const std::int64_t startFrames = startFrames_.load(std::memory_order_relaxed);
        const double needed = startFrames > 0
            ? std::min(double(startFrames) * slot.resampler.step() + 2.0 * slot.resampler.halfWidthFrames(),
                       kMostStartFrames)
            : 1.0;
        if (double(written - read) < needed && !slot.ended.load(std::memory_order_acquire))
            return false;
        slot.started = true;
    }
    RingSource source{slot.ring.get(), read, written - read};
    const int produced = slot.resampler.process(source, out, numFrames);
    if (source.read != read)
        slot.read.store(source.read, std::memory_order_release);
    // One run dry counts once, however many renders it lasts.
    const bool dry = produced < numFrames && !slot.ended.load(std::memory_order_relaxed);
    if (dry && !slot.dry)
        underruns_.fetch_add(1, std::memory_order_relaxed);
    slot.dry = dry;
    return produced > 0;
}
