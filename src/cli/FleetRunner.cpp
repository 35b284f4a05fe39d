#include "cli/FleetRunner.h"

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

void RunSideBySide(std::size_t count, int jobs, const std::function<void(std::size_t)>& work) {
    std::atomic<std::size_t> next{0};
    auto worker = [&] {
        for (std::size_t index = next++; index < count; index = next++)
            work(index);
    };
    const std::size_t threads = std::min(count, static_cast<std::size_t>(std::max(1, jobs)));
    std::vector<std::jthread> pool;
    pool.reserve(threads);
    for (std::size_t i = 0; i < threads; ++i)
        pool.emplace_back(worker);
}
