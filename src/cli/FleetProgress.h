#pragma once

#include <condition_variable>
#include <cstddef>
#include <map>
#include <mutex>
#include <ostream>
#include <stop_token>
#include <string>
#include <thread>
#include <vector>

// What a person sees while a fleet run goes on. On a terminal: a block redrawn in place, a
// count of the targets done and one line per running target with what it is doing, the line of
// each ended target printed above it for good; one thread draws, at most ten times a second,
// each redraw in one write. Elsewhere (a pipe, a file): one plain line as each target ends,
// nothing that redraws. Every member but the destructor may be called from any thread.
class CFleetProgress {
public:
    // `width` is the terminal's column count; lines are cut to fit so that none wraps and the
    // block can be found again.
    CFleetProgress(std::ostream& out, bool terminal, std::size_t total, int width = 80);
    ~CFleetProgress();
    CFleetProgress(const CFleetProgress&) = delete;
    CFleetProgress& operator=(const CFleetProgress&) = delete;

    void Started(std::size_t index, const std::string& target);
    // What the target is doing now ("Sending Maxdt 5").
    void Working(std::size_t index, const std::string& text);
    void Ended(std::size_t index, const std::string& line);
    // Writes what is still due and takes the block off the screen; later calls do nothing.
    void Finish();

    // The columns of the terminal on `fd`; 80 when it tells none.
    static int TerminalWidth(int fd);

private:
    struct CRunning {
        std::string target;
        std::string text;
    };
    void DrawLoop(std::stop_token stop);
    // Under the lock.
    void Draw();
    std::string Fit(const std::string& text) const;

    std::ostream& m_out;
    const bool m_bTerminal;
    const std::size_t m_nTotal;
    const int m_nWidth;
    std::mutex m_mutex;
    std::condition_variable_any m_wake;
    std::map<std::size_t, CRunning> m_running;
    std::vector<std::string> m_ended; // not yet drawn
    std::size_t m_nDone = 0;
    int m_nDrawnLines = 0;
    bool m_bDirty = false;
    bool m_bFinished = false;
    std::jthread m_drawer;
};
