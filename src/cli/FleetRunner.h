#pragma once

#include <cstddef>
#include <functional>

// Runs `work(index)` for every index below `count`, at most `jobs` at a time, each on a thread
// of its own: a worker takes the next index as soon as its last one ends, so one slow target
// holds one worker and no other. Returns when every index is done. `work` must be safe to
// call from several threads at once.
void RunSideBySide(std::size_t count, int jobs, const std::function<void(std::size_t)>& work);
