// A small pool of worker threads for splitting one computation over the
// cores: parallelFor hands out the index range in chunks to the workers
// and to the calling thread, which works along and returns once every
// chunk is done. The analysis uses it; the playback thread never does.
//
// Results do not depend on the number of threads or on which thread runs
// which chunk as long as each chunk writes only its own part of the output.
//
// Any thread may call parallelFor, also several at once and from inside a
// chunk (the caller always works on its own range, so nothing waits on a
// busy pool). An exception thrown by a chunk stops the handing out of
// further chunks of that call and is rethrown by parallelFor.
#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace base {

class WorkerPool
{
public:
    // workers: threads besides the callers; 0 runs everything on the caller.
    explicit WorkerPool(int workers);
    ~WorkerPool();

    WorkerPool(const WorkerPool&) = delete;
    WorkerPool& operator=(const WorkerPool&) = delete;

    // The process's pool: one worker per hardware thread but one, made on
    // first use and kept until the process ends.
    static WorkerPool& shared();

    // Workers plus the calling thread.
    int threadCount() const { return int(m_threads.size()) + 1; }

    // Calls body(begin, end) for consecutive chunks of at most `grain`
    // indexes covering [0, count), concurrently.
    void parallelFor(int count, int grain, const std::function<void(int begin, int end)>& body);

private:
    struct Job;

    void workerLoop();
    static void work(Job& job);

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<std::shared_ptr<Job>> m_jobs;
    bool m_stopping = false;
    std::vector<std::thread> m_threads;
};

} // namespace base
