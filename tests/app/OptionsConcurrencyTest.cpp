#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "ProjectFixture.h"

// The search thread and the workers read options while the main thread
// replaces the whole text (options editor, Open): no reader may ever see a
// half-changed list.
TEST(OptionsConcurrency, ReadersNeverSeeAHalfChangedList) {
    ProjectFixture f;
    TkdProject& p = f.Make();
    const std::string a = "Source=/a\r\nTarget=/ta/\r\nThreadsCount=1\r\nIsOverwrite=skip\r\n";
    const std::string b = "ThreadsCount=2\r\nSource=/b\r\nTarget=/tb/\r\nIsOverwrite=0\r\n";
    p.SetOptionsText(a);

    std::atomic<bool> done{false};
    std::atomic<int> torn{0};
    std::vector<std::thread> readers;
    for (int t = 0; t < 3; ++t)
        readers.emplace_back([&] {
            while (!done) {
                const std::string text = p.OptionsText();
                if (text != a && text != b) ++torn;
                const std::string source = p.Source();
                if (source != "/a" && source != "/b") ++torn;
                const int threads = p.ThreadsCount();
                if (threads != 1 && threads != 2) ++torn;
                const TkdOverwrite overwrite = p.Overwrite();
                if (overwrite == TkdOverwrite::Yes) ++torn;
            }
        });
    for (int i = 0; i < 20000; ++i) {
        p.SetOptionsText(i % 2 ? a : b);
    }
    done = true;
    for (auto& r : readers) r.join();
    EXPECT_EQ(torn, 0);
}
