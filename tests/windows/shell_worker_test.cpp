// The shell worker runs each call on its own thread, in order, and hands back at once even when
// a call hangs; a stopped worker refuses calls and does not wait for ever for one that hangs.

#include "platform/shell_worker.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <vector>

namespace {

TEST(ShellWorker, CallsRunInOrderOffTheCallingThreadWithoutWaitingForThem) {
  ShellWorker worker;
  ASSERT_TRUE(worker.Start());
  std::atomic<DWORD> callThread{0};
  std::vector<int> order;
  HANDLE done = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  const DWORD before = GetTickCount();
  ASSERT_TRUE(worker.Run([&](IShellDispatch*) {
    callThread = GetCurrentThreadId();
    Sleep(1500);  // a shell call that hangs for a while
    order.push_back(1);
  }));
  ASSERT_TRUE(worker.Run([&](IShellDispatch*) {
    order.push_back(2);
    SetEvent(done);
  }));
  EXPECT_LT(GetTickCount() - before, 500u) << "the caller waited for the call";
  ASSERT_EQ(WaitForSingleObject(done, 10000), static_cast<DWORD>(WAIT_OBJECT_0));
  EXPECT_NE(callThread.load(), GetCurrentThreadId());
  EXPECT_EQ(order, (std::vector<int>{1, 2}));
  CloseHandle(done);

  ASSERT_TRUE(worker.Run([](IShellDispatch*) { Sleep(30000); }));
  Sleep(100);
  const DWORD stopping = GetTickCount();
  worker.Stop();
  EXPECT_LT(GetTickCount() - stopping, 5000u) << "stop waited for a hanging call";
  EXPECT_FALSE(worker.Run([](IShellDispatch*) {}));
}

}  // namespace
