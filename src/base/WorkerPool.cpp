#include "WorkerPool.h"

#include <algorithm>
#include <atomic>
#include <exception>

namespace base {

// One parallelFor call: its chunks are claimed through `next`; the caller
// waits until `done` counts all of them.
struct WorkerPool::Job
{
    const std::function<void(int, int)>* body = nullptr;
    int count = 0;
    int grain = 1;
    int chunks = 0;
    std::atomic<int> next{0};
    std::atomic<int> done{0};
    std::atomic<bool> failed{false};
    std::mutex mutex;
    std::condition_variable finished;
    std::exception_ptr error; // guarded by mutex
};

WorkerPool::WorkerPool(int workers)
{
    m_threads.reserve(size_t(std::max(workers, 0)));
    for (int i = 0; i < workers; ++i)
        m_threads.emplace_back([this] { workerLoop(); });
}

WorkerPool::~WorkerPool()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_stopping = true;
    }
    m_wake.notify_all();
    for (std::thread& t : m_threads)
        t.join();
}

WorkerPool& WorkerPool::shared()
{
    // Never destroyed: a thread still analysing while the process ends
    // must not find the pool gone.
    static WorkerPool* const pool = [] {
        const int hardware = int(std::thread::hardware_concurrency());
        return new WorkerPool(std::clamp(hardware - 1, 0, 31));
    }();
    return *pool;
}

void WorkerPool::work(Job& job)
{
    for (;;) {
        const int chunk = job.next.fetch_add(1, std::memory_order_relaxed);
        if (chunk >= job.chunks)
            return;
        if (!job.failed.load(std::memory_order_relaxed)) {
            const int begin = chunk * job.grain;
            const int end = std::min(job.count, begin + job.grain);
            try {
                (*job.body)(begin, end);
            } catch (...) {
                std::lock_guard<std::mutex> lock(job.mutex);
                if (!job.error)
                    job.error = std::current_exception();
                job.failed.store(true, std::memory_order_relaxed);
            }
        }
        // The release orders this chunk's writes before the caller's return.
        if (job.done.fetch_add(1, std::memory_order_acq_rel) + 1 == job.chunks) {
            std::lock_guard<std::mutex> lock(job.mutex);
            job.finished.notify_all();
        }
    }
}

void WorkerPool::workerLoop()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_stopping || !m_jobs.empty(); });
        if (m_stopping)
            return;
        std::shared_ptr<Job> job = m_jobs.front();
        if (job->next.load(std::memory_order_relaxed) >= job->chunks) {
            // Every chunk is taken: nothing left here for anyone.
            m_jobs.pop_front();
            continue;
        }
        lock.unlock();
        work(*job);
        lock.lock();
    }
}

void WorkerPool::parallelFor(int count, int grain, const std::function<void(int begin, int end)>& body)
{
    if (count <= 0)
        return;
    grain = std::max(grain, 1);
    const int chunks = (count - 1) / grain + 1;
    if (chunks == 1 || m_threads.empty()) {
        for (int begin = 0; begin < count; begin += grain)
            body(begin, std::min(count, begin + grain));
        return;
    }

    auto job = std::make_shared<Job>();
    job->body = &body;
    job->count = count;
    job->grain = grain;
    job->chunks = chunks;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_jobs.push_back(job);
    }
    m_wake.notify_all();

    work(*job);
    {
        std::unique_lock<std::mutex> lock(job->mutex);
        job->finished.wait(lock, [&] { return job->done.load(std::memory_order_acquire) == chunks; });
    }
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        const auto it = std::find(m_jobs.begin(), m_jobs.end(), job);
        if (it != m_jobs.end())
            m_jobs.erase(it);
    }
    if (job->error)
        std::rethrow_exception(job->error);
}

} // namespace base
