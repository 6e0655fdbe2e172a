#pragma once

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

// Jobs done on threads of their own and taken back in the order they were
// given: the caller gives a job, goes on with its own work, and takes the
// oldest job back once it is done. `work` runs on the threads: it may touch
// its job, and what nobody changes while jobs are out. Destroying the
// object waits for the jobs being worked on and drops the others.
template <typename Job>
class InOrderWork {
public:
    InOrderWork(int threads, std::function<void(Job&)> work) : work_(std::move(work)) {
        for (int i = 0; i < threads; ++i) threads_.emplace_back([this] { run(); });
    }
    ~InOrderWork() {
        {
            std::lock_guard lock(mutex_);
            stop_ = true;
        }
        waiting_.notify_all();
        for (std::thread& thread : threads_) thread.join();
    }
    InOrderWork(const InOrderWork&) = delete;
    InOrderWork& operator=(const InOrderWork&) = delete;

    void give(Job job) {
        auto slot = std::make_unique<Slot>();
        slot->job = std::move(job);
        {
            std::lock_guard lock(mutex_);
            slots_.push_back(std::move(slot));
        }
        waiting_.notify_one();
    }
    // The jobs given and not yet taken back.
    std::size_t given() const {
        std::lock_guard lock(mutex_);
        return slots_.size();
    }
    // The oldest job given, once done. Only while given() > 0.
    Job take() {
        std::unique_lock lock(mutex_);
        done_.wait(lock, [this] { return slots_.front()->state == State::Done; });
        Job job = std::move(slots_.front()->job);
        slots_.pop_front();
        return job;
    }

private:
    enum class State { Waiting, Working, Done };
    struct Slot {
        Job job;
        State state = State::Waiting;
    };

    void run() {
        std::unique_lock lock(mutex_);
        for (;;) {
            Slot* next = nullptr;
            waiting_.wait(lock, [&] {
                if (stop_) return true;
                for (const std::unique_ptr<Slot>& slot : slots_) {
                    if (slot->state == State::Waiting) {
                        next = slot.get();
                        return true;
                    }
                }
                return false;
            });
            if (stop_) return;
            // A slot being worked on is not taken back before it is done,
            // so it stays where it is.
            next->state = State::Working;
            lock.unlock();
            work_(next->job);
            lock.lock();
            next->state = State::Done;
            done_.notify_one();
        }
    }

    std::function<void(Job&)> work_;
    mutable std::mutex mutex_;
    std::condition_variable waiting_;
    std::condition_variable done_;
    std::deque<std::unique_ptr<Slot>> slots_;
    bool stop_ = false;
    std::vector<std::thread> threads_;
};
