#pragma once

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace gridtally {

// Makes `count` results on `threads` threads (0: every core; 1: each in its turn on this
// thread) and hands them to `use` on this thread in index order, so that what is built
// from them never depends on timing. When `use` answers false, nothing more is handed on
// and the threads stop after the result each is making.
template <typename Result>
void MakeInOrder(std::size_t count, unsigned threads,
                 const std::function<Result(std::size_t)>& make,
                 const std::function<bool(std::size_t, Result&)>& use) {
    if (threads == 0) threads = std::max(1u, std::thread::hardware_concurrency());
    threads =
        static_cast<unsigned>(std::min<std::size_t>(threads, std::max<std::size_t>(count, 1)));
    if (threads == 1) {
        for (std::size_t i = 0; i < count; ++i) {
            Result result = make(i);
            if (!use(i, result)) return;
        }
        return;
    }
    std::vector<std::optional<Result>> made(count);
    std::mutex mutex;
    std::condition_variable ready;
    std::atomic<std::size_t> next{0};
    std::atomic<bool> stop{false};
    std::vector<std::thread> workers;
    for (unsigned t = 0; t < threads; ++t) {
        workers.emplace_back([&] {
            for (std::size_t i = next++; i < count && !stop; i = next++) {
                Result result = make(i);
                std::lock_guard lock(mutex);
                made[i] = std::move(result);
                ready.notify_all();
            }
        });
    }
    for (std::size_t i = 0; i < count; ++i) {
        std::optional<Result> result;
        {
            std::unique_lock lock(mutex);
            ready.wait(lock, [&] { return made[i].has_value(); });
            result = std::move(made[i]);
            made[i].reset();
        }
        if (!use(i, *result)) break;
    }
    stop = true;
    for (std::thread& worker : workers) worker.join();
}

}  // namespace gridtally
