// Posted handlers run from the thread's message loop, later and in order; one that throws stops nothing.
#include "platform/win32/win32_handler_queue.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "win32/ui_test_support.h"

namespace orv::win32 {
namespace {

TEST(Win32HandlerQueue, RunsEachHandlerAfterThePostingHandlerInOrderPastOneThatThrows) {
    Win32HandlerQueue queue;
    std::vector<int> ran;
    queue.Post([&] { ran.push_back(1); });
    queue.Post([] { throw std::runtime_error("the room went away"); });
    queue.Post([&] {
        ran.push_back(3);
        queue.Post([&] { ran.push_back(4); });
    });
    EXPECT_TRUE(ran.empty());
    ASSERT_TRUE(testing::PumpUntil([&] { return ran.size() == 3; }));
    EXPECT_EQ(ran, (std::vector<int>{1, 3, 4}));
}

}  // namespace
}  // namespace orv::win32
