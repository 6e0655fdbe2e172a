#include "base/InOrderWork.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

namespace {

struct Job {
    int number = 0;
    int result = 0;
};

// The first jobs take longest, so the later ones are done before them; they
// still come back in the order they were given, each with its own result.
TEST(InOrderWork, JobsComeBackInTheOrderTheyWereGivenWhateverOrderTheyEnd) {
    for (const int threads : {1, 2, 4}) {
        SCOPED_TRACE(threads);
        InOrderWork<Job> work(threads, [](Job& job) {
            if (job.number < 3) std::this_thread::sleep_for(std::chrono::milliseconds(20));
            job.result = job.number * job.number;
        });
        std::vector<int> taken;
        int next = 0;
        while (next < 50 || work.given() > 0) {
            while (next < 50 && work.given() < 6) work.give(Job{next++, 0});
            const Job job = work.take();
            EXPECT_EQ(job.result, job.number * job.number);
            taken.push_back(job.number);
        }
        std::vector<int> expected(50);
        for (int i = 0; i < 50; ++i) expected[std::size_t(i)] = i;
        EXPECT_EQ(taken, expected);
    }
}

// Destroyed with jobs still out (a cancelled import): it waits for the jobs
// being worked on, drops the others, and returns.
TEST(InOrderWork, DestroyedWithJobsOutFinishesThoseStartedAndDropsTheRest) {
    std::atomic<int> started{0};
    std::atomic<int> ended{0};
    {
        InOrderWork<Job> work(2, [&](Job&) {
            ++started;
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            ++ended;
        });
        for (int i = 0; i < 40; ++i) work.give(Job{i, 0});
        (void)work.take();
    }
    EXPECT_EQ(started.load(), ended.load());
    EXPECT_LT(started.load(), 40);
}

}  // namespace
