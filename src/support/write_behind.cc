/*
** src/support/write_behind.cc
** Writes behind: the large blocks of the generated files are written by a
** second thread while the next block is being made.
**
** Writing a large driver's source into the page cache took a fifth of
** the run; on a machine with a second core it now overlaps the making of
** the source.  Blocks are written in the order they are handed over, at
** most two wait at a time (the memory they hold stays bounded), and their
** buffers come back for the next blocks.  The thread only writes: a
** failure is noted and reported by the stream's owner at its next call,
** at the latest when it closes the stream.  At exit the thread writes
** what is left and stops; without a thread the writes are made at once.
*/
#include "support.h"

#include <condition_variable>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <mutex>
#include <pthread.h>
#include <thread>

namespace {

const size_t WAITING_LIMIT = 2;

struct Block {
    FILE *out;
    std::vector<char> data;
    size_t length;
};

struct WriteBehind {
    std::mutex lock;
    std::condition_variable changed;
    std::deque<Block> queue;       /* the front one is being written */
    std::vector<std::vector<char>> spare;
    std::vector<FILE *> failed;    /* streams with a failed write, unreported */
    std::thread *worker = nullptr;
    bool started = false;
    bool stopped = false;          /* at exit: writes are made at once */
};

/* Never destroyed: the run may end at any point, and the thread must find
** its state whole until it is joined at exit.  A forked child (the tests'
** death tests) has no thread: it starts over with a state of its own, and
** leaves its parent's blocks to the parent. */
WriteBehind *state = new WriteBehind;

void lock_for_fork()
{
    state->lock.lock();
}

void unlock_after_fork()
{
    state->lock.unlock();
}

WriteBehind *left_by_parent = nullptr;   /* still reachable, for leak checks */

void start_over_in_child()
{
    left_by_parent = state;
    state = new WriteBehind;
}

void work()
{
    WriteBehind &s = *state;
    std::unique_lock<std::mutex> hold(s.lock);
    for (;;) {
        s.changed.wait(hold, [&] { return !s.queue.empty() || s.stopped; });
        if (s.queue.empty())
            return;
        Block &block = s.queue.front();
        hold.unlock();
        bool written = fwrite(block.data.data(), 1, block.length, block.out) == block.length;
        hold.lock();
        if (!written)
            s.failed.push_back(block.out);
        s.spare.push_back(std::move(block.data));
        s.queue.pop_front();
        s.changed.notify_all();
    }
}

/* At exit: what waits is written, then the thread ends. */
void stop()
{
    WriteBehind &s = *state;
    {
        std::lock_guard<std::mutex> hold(s.lock);
        s.stopped = true;
    }
    s.changed.notify_all();
    if (s.worker && s.worker->joinable())
        s.worker->join();
}

/* The thread, started at the first block; false when none could be.
** The lock is held. */
bool running()
{
    WriteBehind &s = *state;
    if (!s.started) {
        s.started = true;
        static bool registered = false;
        if (!registered) {
            registered = true;
            std::atexit(stop);
            pthread_atfork(lock_for_fork, unlock_after_fork, start_over_in_child);
        }
        try {
            s.worker = new std::thread(work);
        } catch (const std::exception &) {
            s.stopped = true;
        }
    }
    return !s.stopped;
}

/* Reports a failed write of the stream, once; the lock is held. */
void report_failure(std::unique_lock<std::mutex> &hold, FILE *out)
{
    std::vector<FILE *> &failed = state->failed;
    for (size_t i = 0; i < failed.size(); i++)
        if (failed[i] == out) {
            failed.erase(failed.begin() + long(i));
            hold.unlock();
            fatal_system_error("fwrite");
        }
}

bool pending(FILE *out)
{
    for (const Block &block : state->queue)
        if (block.out == out)
            return true;
    return false;
}

} // namespace

void write_behind(FILE *out, std::vector<char> &buffer, size_t length, size_t used)
{
    WriteBehind &s = *state;
    std::unique_lock<std::mutex> hold(s.lock);
    report_failure(hold, out);
    if (!running()) {
        hold.unlock();
        checked_fwrite(out, buffer.data(), length);
        memmove(buffer.data(), buffer.data() + length, used - length);
        return;
    }
    s.changed.wait(hold, [&] { return s.queue.size() < WAITING_LIMIT; });
    std::vector<char> next;
    if (!s.spare.empty()) {
        next = std::move(s.spare.back());
        s.spare.pop_back();
    }
    hold.unlock();
    next.resize(buffer.size());
    memcpy(next.data(), buffer.data() + length, used - length);
    hold.lock();
    s.queue.push_back(Block{out, std::move(buffer), length});
    buffer = std::move(next);
    hold.unlock();
    s.changed.notify_all();
}

void write_behind_finish(FILE *out)
{
    WriteBehind &s = *state;
    std::unique_lock<std::mutex> hold(s.lock);
    if (!s.started)
        return;
    s.changed.wait(hold, [&] { return !pending(out); });
    report_failure(hold, out);
}
