#include "bench/Stats/childrun.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>

extern char** environ;

namespace tavo::measure {

namespace {

// A kB figure of this process's /proc status ("VmRSS:", "VmHWM:"), 0 when
// it is not there.
long statusKb(const char* field) {
  std::ifstream status("/proc/self/status");
  std::string line;
  const std::size_t length = std::strlen(field);
  while (std::getline(status, line))
    if (line.compare(0, length, field) == 0) return std::strtol(line.c_str() + length, nullptr, 10);
  return 0;
}

}  // namespace

bool isChild(int argc, char** argv) { return argc >= 2 && std::strcmp(argv[1], "--child") == 0; }

ChildRun runChild(const std::vector<std::string>& args) {
  ChildRun run;
  int out[2];
  if (pipe(out) != 0) {
    run.error = "no pipe";
    return run;
  }
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, out[0]);
  posix_spawn_file_actions_addclose(&actions, out[1]);

  std::vector<std::string> all{"bench-child", "--child"};
  all.insert(all.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& a : all) argv.push_back(a.data());
  argv.push_back(nullptr);

  const Clock::time_point started = Clock::now();
  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, "/proc/self/exe", &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(out[1]);
  if (spawned != 0) {
    close(out[0]);
    run.error = std::string("cannot start the child: ") + std::strerror(spawned);
    return run;
  }

  std::string report;
  char buffer[256];
  for (;;) {
    const ssize_t n = read(out[0], buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    report.append(buffer, static_cast<std::size_t>(n));
    if (report.find('\n') != std::string::npos) break;
  }
  close(out[0]);

  int status = 0;
  while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  double heldKb = 0, peakKb = 0;
  long long doneNs = 0;
  std::istringstream fields(report);
  if (!(fields >> run.span >> doneNs >> heldKb >> peakKb >> run.checksum)) {
    run.error = "the child gave no report";
    return run;
  }
  run.untilDone = std::chrono::duration<double>(Clock::time_point(std::chrono::nanoseconds(doneNs)) - started).count();
  run.heldMB = heldKb / 1024.0;
  run.peakMB = peakKb / 1024.0;
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    run.error = "the child did not end well";
    return run;
  }
  run.ok = true;
  return run;
}

void reportToParent(Clock::time_point workStarted, Clock::time_point workDone, std::uint64_t checksum) {
  // The child's own high-water mark: the kernel's figure for a child (wait4)
  // also counts the memory of the process that started it.
  const double span = std::chrono::duration<double>(workDone - workStarted).count();
  const long long doneNs = std::chrono::duration_cast<std::chrono::nanoseconds>(workDone.time_since_epoch()).count();
  std::printf("%.6f %lld %ld %ld %llu\n", span, doneNs, statusKb("VmRSS:"), statusKb("VmHWM:"),
              static_cast<unsigned long long>(checksum));
  std::fflush(stdout);
}

}  // namespace tavo::measure
