#include <set>
#include <thread>

#include "BatchFixture.h"

// Workers take entries while the search is still adding them.
class BatchHandOut : public BatchFixture, public ::testing::WithParamInterface<int> {};

TEST_P(BatchHandOut, EveryEntryGoesToExactlyOneWorkerInListOrder) {
    constexpr int Folders = 30, PerFolder = 100;
    for (int f = 0; f < Folders; ++f)
        for (int i = 0; i < PerFolder; ++i) File("d" + std::to_string(f) + "/f" + std::to_string(i) + ".ppt");

    TkdBatch batch(project, &matcher);
    const int workers = GetParam();
    std::vector<std::vector<int>> taken(workers);
    std::vector<std::thread> threads;
    for (int w = 0; w < workers; ++w)
        threads.emplace_back([&, w] {
            while (TkdNode* node = batch.NextEntry()) taken[w].push_back(node->Index);
        });
    batch.StartSearch(In() + "*.ppt", Out(), true);
    for (auto& t : threads) t.join();

    ASSERT_EQ(batch.Count(), Folders * PerFolder);
    std::vector<int> seen(batch.Count(), 0);
    for (const auto& indexes : taken) {
        EXPECT_TRUE(std::is_sorted(indexes.begin(), indexes.end()));  // each worker sees list order
        for (int index : indexes) ++seen[index];
    }
    EXPECT_EQ(std::count(seen.begin(), seen.end(), 1), batch.Count());
    EXPECT_TRUE(batch.IsExhausted());
    for (int w = 0; w < 3; ++w) EXPECT_EQ(batch.NextEntry(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Workers, BatchHandOut, ::testing::Values(1, 3, 8));
