// The single-instance lock: only a running copy keeps another from starting.

#include "shell/instance_lock.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "temp_dir.h"

namespace quorvel::shell {
namespace {

using testing::TempDir;

TEST(InstanceLock, WhatALockFileHoldsNeverKeepsTheProgramFromStarting) {
  char host[256] = {};
  ::gethostname(host, sizeof host - 1);
  const struct {
    const char* what;
    std::string content;
  } cases[] = {
      {"empty", ""},
      {"garbage", std::string("\x00\x01\xff garbage\n\n=", 14)},
      {"another host", "4242\nquorvel-calculator\nother-host\n"},
      // A process of this host that is alive, but is no copy of the program.
      {"a live process", "1\nquorvel-calculator\n" + std::string(host) + "\n"},
  };
  for (const auto& c : cases) {
    TempDir dir;
    const std::string path = dir / "quorvel-calculator.lock";
    TempDir::Write(path, c.content);
    InstanceLock lock;
    EXPECT_TRUE(lock.Take(path)) << c.what;
    EXPECT_TRUE(lock.Held()) << c.what;
    // And it then keeps a second copy out.
    InstanceLock second;
    EXPECT_FALSE(second.Take(path)) << c.what;
  }
}

TEST(InstanceLock, ARunningCopyRefusesASecondUntilItDies) {
  TempDir dir;
  const std::string path = dir / "quorvel-calculator.lock";
  int ready[2];
  int stop[2];
  ASSERT_EQ(::pipe(ready), 0);
  ASSERT_EQ(::pipe(stop), 0);
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    // The running copy: takes the lock, says so, and waits to be killed.
    InstanceLock running;
    const char taken = running.Take(path) ? 'y' : 'n';
    if (::write(ready[1], &taken, 1) != 1) ::_exit(2);
    char never;
    while (::read(stop[0], &never, 1) != 0) {
    }
    ::_exit(0);
  }
  ::close(ready[1]);
  ::close(stop[0]);
  char taken = 0;
  ASSERT_EQ(::read(ready[0], &taken, 1), 1);
  EXPECT_EQ(taken, 'y');

  InstanceLock second;
  EXPECT_FALSE(second.Take(path));
  EXPECT_FALSE(second.Held());
  EXPECT_FALSE(second.Take(path));  // as often as it is tried

  // kill -9: the copy leaves its lock file behind, with no chance to tidy.
  ::kill(child, SIGKILL);
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFSIGNALED(status));
  EXPECT_TRUE(std::filesystem::exists(path));
  InstanceLock after;
  EXPECT_TRUE(after.Take(path));
  ::close(ready[0]);
  ::close(stop[1]);
}

TEST(InstanceLock, AnEndedCopyLetsTheNextOneStart) {
  TempDir dir;
  const std::string path = dir / "quorvel-calculator.lock";
  {
    InstanceLock first;
    ASSERT_TRUE(first.Take(path));
  }
  InstanceLock next;
  EXPECT_TRUE(next.Take(path));
}

TEST(InstanceLock, ALinkInThePlaceOfTheLockFileIsNotFollowed) {
  TempDir dir;
  const std::string path = dir / "quorvel-calculator.lock";
  const std::string elsewhere = dir / "elsewhere";
  std::filesystem::create_symlink(elsewhere, path);
  InstanceLock lock;
  EXPECT_TRUE(lock.Take(path));  // the program starts all the same
  EXPECT_FALSE(std::filesystem::exists(elsewhere));
}

}  // namespace
}  // namespace quorvel::shell
