#include "SoundTries.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <algorithm>
#include <iostream>
#include <sstream>

namespace sound_tries {

namespace {

// Where an underrun the server logged lies, against where a gap starts or
// an empty queue was found: the log's clock runs from the recording
// stream's creation, a little before its first frame (8 to 55 ms seen),
// and a busy server logs late.
constexpr double kEarliestS = -0.1;
constexpr double kLatestS = 0.4;

// A process stall that can have emptied the player's queue: with the
// queue thin as a stream starts, tens of ms do it; more than the wake-up
// noise of a loaded machine.
constexpr double kProcessStallMs = 10.0;
// How long before the empty queue was found the stall may have ended: the
// feed loop wakes every 10 ms, then renders its blocks.
constexpr auto kStallBeforeEmpty = std::chrono::milliseconds(300);
// Wake-ups later than this are noted.
constexpr auto kNotedLateness = std::chrono::milliseconds(2);

const char* const kQueueRanEmpty = "the player's queue ran empty: the feed loop was late or lost frames";

// The first two lines of a failure's message: what was checked, and how.
std::string summary(const char* text)
{
    std::string s = text ? text : "";
    const std::size_t first = s.find('\n');
    s = s.substr(0, first == std::string::npos ? first : s.find('\n', first + 1));
    std::replace(s.begin(), s.end(), '\n', ' ');
    return s;
}

std::string ms(double seconds)
{
    std::ostringstream out;
    out << std::int64_t(seconds * 1000.0 + (seconds < 0 ? -0.5 : 0.5)) << " ms";
    return out.str();
}

// Each task's time waiting for a processor, by "pid/tid", added to delays.
void readRunDelays(qint64 pid, std::map<QString, std::int64_t>& delays)
{
    // TASK/schedstat: time on a processor, time waiting for one, slices
    // (nanoseconds).
    const QString tasks = QStringLiteral("/proc/%1/task").arg(pid);
    for (const QString& task : QDir(tasks).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile f(tasks + "/" + task + QStringLiteral("/schedstat"));
        if (!f.open(QIODevice::ReadOnly))
            continue;
        const QList<QByteArray> fields = f.readAll().simplified().split(' ');
        if (fields.size() >= 2)
            delays[QString::number(pid) + "/" + task] = fields[1].toLongLong();
    }
}

} // namespace

bool Try::failedFatally() const
{
    for (int i = 0; i < results_->size(); ++i) {
        if (results_->GetTestPartResult(i).fatally_failed())
            return true;
    }
    return false;
}

const Try::Prone* Try::proneAt(int index) const
{
    for (const Prone& p : prone_) {
        if (index >= p.from && index < p.to)
            return &p;
    }
    return nullptr;
}

void runTries(const std::function<void(Try&)>& attempt)
{
    for (int n = 1;; ++n) {
        ::testing::TestPartResultArray results;
        Try t(results);
        {
            ::testing::ScopedFakeTestPartResultReporter intercept(
                ::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &results);
            attempt(t);
        }
        // The try is the machine's when every failure is explained by a
        // stall its evidence shows; the first that is not says why not.
        std::vector<int> failed;
        std::string machineWhy;
        std::string playerWhy;
        for (int i = 0; i < results.size(); ++i) {
            if (!results.GetTestPartResult(i).failed())
                continue;
            failed.push_back(i);
            const Try::Prone* p = t.proneAt(i);
            if (!playerWhy.empty())
                continue;
            if (!p)
                playerWhy = "a check no stall of the machine can fail";
            else if (!p->stall.shown)
                playerWhy = p->stall.why;
            else if (machineWhy.find(p->stall.why) == std::string::npos)
                machineWhy += (machineWhy.empty() ? "" : "; ") + p->stall.why;
        }
        if (failed.empty()) {
            if (n > 1)
                std::cout << "[ tries    ] passed on try " << n << " of " << kMostTries << "\n";
            return;
        }
        const bool machine = playerWhy.empty();
        if (machine && n < kMostTries) {
            std::cout << "[ retry    ] try " << n << " of " << kMostTries
                      << " failed of the machine's kind: " << machineWhy << "; failed:";
            for (int i : failed)
                std::cout << " [" << summary(results.GetTestPartResult(i).message()) << "]";
            std::cout << "\n";
            continue;
        }
        const std::string kind = machine
            ? "machine's kind, on all " + std::to_string(kMostTries) + " tries: " + machineWhy
            : "player's kind, not retried: " + playerWhy;
        for (int i : failed) {
            const ::testing::TestPartResult& r = results.GetTestPartResult(i);
            ADD_FAILURE_AT(r.file_name() ? r.file_name() : "(unknown)", r.line_number())
                << r.message() << "\n[try " << n << " of " << kMostTries << ": " << kind << "]";
        }
        return;
    }
}

Stall judgeGaps(const Evidence& e)
{
    Stall s;
    // An empty queue right after the process stalled may leave a gap the
    // server logs nothing for.
    std::size_t unloggedGapsAllowed = 0;
    std::string queue;
    for (const Evidence::Empty& empty : e.empties) {
        if (empty.stallBeforeMs < kProcessStallMs && !empty.onServerUnderrun) {
            s.why = std::string(kQueueRanEmpty) + " (the process stalled no more than "
                + ms(empty.stallBeforeMs / 1000.0) + " before, and the server logged no underrun then)";
            return s;
        }
        if (empty.stallBeforeMs >= kProcessStallMs)
            ++unloggedGapsAllowed;
        queue += (queue.empty() ? "the player's queue ran empty " : ", ")
            + (empty.onServerUnderrun ? std::string("as the device recovered from running dry")
                                      : "right after the process stalled for " + ms(empty.stallBeforeMs / 1000.0));
    }
    if (queue.empty())
        queue = e.lowestQueuedFrames < 0
            ? std::string("all was queued before it played")
            : "the player's queue held at least " + std::to_string(e.lowestQueuedFrames) + " frames";
    if (e.gaps.empty()) {
        if (e.layerUnderruns > 0) {
            s.shown = true;
            s.why = "the device ran dry " + std::to_string(e.layerUnderruns) + " times while " + queue;
        } else {
            s.why = "no gap and no underrun to show a stall";
        }
        return s;
    }
    if (e.log.captureStartS < 0 && e.gaps.size() > unloggedGapsAllowed) {
        s.why = "the server's log does not tell when the recording began";
        return s;
    }
    // Each gap on an underrun of its own, in order.
    const double rate = SoundServer::kRateHz;
    size_t next = 0;
    std::string placed;
    for (const capture::Span& gap : e.gaps) {
        const double gapS = e.log.captureStartS + double(gap.first) / rate;
        while (next < e.log.underruns.size() && e.log.underruns[next].startS - gapS < kEarliestS)
            ++next;
        if (next == e.log.underruns.size() || e.log.underruns[next].startS - gapS > kLatestS) {
            if (unloggedGapsAllowed > 0) {
                --unloggedGapsAllowed;
                placed += (placed.empty() ? "" : ", ") + ms(double(gap.frames()) / rate) + " at "
                    + ms(double(gap.first) / rate) + " (the queue's)";
                continue;
            }
            s.why = "a gap of " + ms(double(gap.frames()) / rate) + " at " + ms(double(gap.first) / rate)
                + " into the recording lies on no underrun the server logged (" + queue + ")";
            return s;
        }
        placed += (placed.empty() ? "" : ", ") + ms(double(gap.frames()) / rate) + " at "
            + ms(double(gap.first) / rate) + " (logged " + ms(e.log.underruns[next].startS - gapS) + " after)";
        ++next;
    }
    s.shown = true;
    s.why = "every gap lies on an underrun of the stream in the server or on the queue: " + placed + "; " + queue
        + ", " + std::to_string(e.layerUnderruns) + " counted by the output layer";
    return s;
}

Stall judgeSkips(const Evidence& e, const std::vector<capture::Jump>& jumps, double bufferFrames)
{
    Stall s;
    if (jumps.empty())
        return s;
    // The gap right before each jump, which the machine must have made.
    Evidence before = e;
    before.gaps.clear();
    for (const capture::Jump& jump : jumps) {
        const auto gap = std::find_if(e.gaps.begin(), e.gaps.end(),
                                      [&](const capture::Span& g) { return g.last + 1 == jump.frame; });
        const double skipped = jump.to - jump.from - 1.0;
        if (gap == e.gaps.end() || skipped < 0.0 || skipped > bufferFrames || e.layerUnderruns == 0) {
            s.why = "a jump from frame " + std::to_string(jump.from) + " to " + std::to_string(jump.to)
                + " is no loss of what the device held when it ran dry ("
                + std::to_string(std::int64_t(bufferFrames))
                + " frames at most, right after a gap, the device's underrun counted)";
            return s;
        }
        before.gaps.push_back(*gap);
    }
    const Stall gaps = judgeGaps(before);
    if (!gaps.shown)
        return gaps;
    s.shown = true;
    s.why = "after a gap the machine made, the device's recovery dropped what it held ("
        + std::to_string(jumps.size()) + " jumps forward; " + gaps.why + ")";
    return s;
}

Stall judgeDelay(double shortMs, double waitedMs, const std::string& what)
{
    Stall s;
    s.shown = waitedMs >= 0 && waitedMs >= shortMs;
    s.why = what + " by " + ms(shortMs / 1000.0) + "; the threads of the player and the server waited "
        + (waitedMs < 0 ? std::string("an unknown time") : ms(waitedMs / 1000.0)) + " for a processor meanwhile";
    return s;
}

Stall judgeStreamGone(const Evidence& e, double sinceS)
{
    Stall s;
    for (const Evidence::Empty& empty : e.empties) {
        if (empty.stallBeforeMs < kProcessStallMs && !empty.onServerUnderrun) {
            s.why = kQueueRanEmpty;
            return s;
        }
    }
    for (const ServerLog::Underrun& u : e.log.underruns) {
        if (u.resumed || u.endS < 0 || u.startS < sinceS)
            continue;
        for (double made : e.log.streamsMadeS) {
            if (made >= u.endS) {
                s.shown = true;
                s.why = "the client dropped its stream in an underrun " + ms(u.startS)
                    + " after the server started and made it again " + ms(made - u.endS) + " later";
                return s;
            }
        }
    }
    s.why = "the server logged no stream dropped in an underrun and made again";
    return s;
}

StallWatch::StallWatch()
    : thread_([this] {
          while (running_.load(std::memory_order_relaxed)) {
              const Clock::time_point asleep = Clock::now();
              std::this_thread::sleep_for(std::chrono::milliseconds(1));
              const Clock::time_point woke = Clock::now();
              const Clock::duration late = woke - asleep - std::chrono::milliseconds(1);
              const int n = count_.load(std::memory_order_relaxed);
              if (late >= kNotedLateness && n < kMostLates) {
                  lates_[size_t(n)] = {woke, late};
                  count_.store(n + 1, std::memory_order_release);
              }
          }
      })
{
}

StallWatch::~StallWatch()
{
    running_.store(false, std::memory_order_relaxed);
    thread_.join();
}

double StallWatch::longestStallMs(Clock::time_point from, Clock::time_point to) const
{
    Clock::duration longest{0};
    const int n = count_.load(std::memory_order_acquire);
    for (int i = 0; i < n; ++i) {
        if (lates_[size_t(i)].woke >= from && lates_[size_t(i)].woke <= to)
            longest = std::max(longest, lates_[size_t(i)].late);
    }
    return std::chrono::duration<double, std::milli>(longest).count();
}

std::vector<Evidence::Empty> empties(const WatchedOutput& output, const StallWatch& watch,
                                     const SoundServer& server, const ServerLog& log)
{
    std::vector<Evidence::Empty> found;
    for (const Clock::time_point empty : output.emptyTimes()) {
        const double atS = std::chrono::duration<double>(empty - server.startedAt()).count();
        const bool onUnderrun =
            std::any_of(log.underruns.begin(), log.underruns.end(), [&](const ServerLog::Underrun& u) {
                return atS >= u.startS + kEarliestS && atS <= std::max(u.startS, u.endS) + kLatestS;
            });
        found.push_back({watch.longestStallMs(empty - kStallBeforeEmpty, empty), onUnderrun});
    }
    return found;
}

DelayClock::DelayClock(const SoundServer& server) : server_(server), startNs_(runDelaysNs()) { }

double DelayClock::waitedMs() const
{
    const std::map<QString, std::int64_t> now = runDelaysNs();
    if (now.empty())
        return -1.0;
    std::int64_t waited = 0;
    for (const auto& [task, ns] : now) {
        const auto before = startNs_.find(task);
        waited += ns - (before == startNs_.end() ? 0 : before->second);
    }
    return double(waited) / 1e6;
}

std::map<QString, std::int64_t> DelayClock::runDelaysNs() const
{
    std::map<QString, std::int64_t> delays;
    readRunDelays(QCoreApplication::applicationPid(), delays);
    if (server_.processId() > 0)
        readRunDelays(server_.processId(), delays);
    return delays;
}

} // namespace sound_tries
