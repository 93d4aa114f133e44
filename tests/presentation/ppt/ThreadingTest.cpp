// Workers read presentations on several threads at once: the compound-file
// library is set up once and every read is independent.
#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "PptBuilder.h"
#include "PptTestSupport.h"

namespace sw::test::ppt {
namespace {

TEST(PptThreads, ParallelReadsGiveTheSameOutline) {
    const std::string good = examplePresentation();
    const std::string broken = good.substr(0, good.size() / 2);
    const std::string expected = readBytes(good).trace;
    constexpr int threads = 4, rounds = 25;
    std::vector<int> mismatches(threads, 0);
    std::vector<std::thread> pool;
    for (int t = 0; t < threads; ++t) {
        pool.emplace_back([&, t] {
            for (int i = 0; i < rounds; ++i) {
                if (readBytes(good).trace != expected) ++mismatches[t];
                if (!failureOf(broken)) ++mismatches[t];
            }
        });
    }
    for (auto& th : pool) th.join();
    for (int t = 0; t < threads; ++t) EXPECT_EQ(mismatches[t], 0) << "thread " << t;
}

}  // namespace
}  // namespace sw::test::ppt
