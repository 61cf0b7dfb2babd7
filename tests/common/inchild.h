#pragma once
// Test helpers that run a piece of a test in a forked child process, for
// faults that must not touch the test process itself: a file-size limit
// (a disk that fills up), or an unprivileged user where the tests run as
// root (root writes anywhere). The child's failed expectations are printed
// as usual and make the child fail; the parent expects it to pass.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>

#include <grp.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <csignal>

namespace tavo::testing {

// Runs body in a child and expects it to pass.
inline void inChild(const std::function<void()>& body) {
  std::fflush(stdout);
  std::fflush(stderr);
  const pid_t pid = ::fork();
  ASSERT_GE(pid, 0);
  if (pid == 0) {
    body();
    std::fflush(stdout);
    std::fflush(stderr);
    ::_exit(::testing::Test::HasFailure() ? 1 : 0);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(pid, &status, 0), pid);
  ASSERT_TRUE(WIFEXITED(status)) << "the child ended by signal " << (WIFSIGNALED(status) ? WTERMSIG(status) : 0);
  EXPECT_EQ(WEXITSTATUS(status), 0) << "expectations failed in the child (see above)";
}

// Within a child: no file may grow beyond `bytes` from now on; the write
// that would cross it fails with EFBIG, as on a disk that has just filled
// up. The hard limit stays open, so fileSizeLimit(RLIM_INFINITY) lifts it.
inline void fileSizeLimit(rlim_t bytes) {
  std::signal(SIGXFSZ, SIG_IGN);
  struct rlimit lim {};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &lim), 0);
  lim.rlim_cur = bytes;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &lim), 0);
}

// Within a child: the rest runs as the user "nobody" when the tests run as
// root; false when that is not possible. Any user other than root needs
// nothing.
inline bool becomeUnprivileged() {
  if (::geteuid() != 0) return true;
  const gid_t nogroup = 65534;
  const uid_t nobody = 65534;
  return ::setgroups(0, nullptr) == 0 && ::setgid(nogroup) == 0 && ::setuid(nobody) == 0;
}

}  // namespace tavo::testing
