#pragma once
// Time and peak memory of one run of a program's work in a fresh process.
// A benchmark binary starts itself again with "--child" and the work's
// arguments; the child does the work once, reports on its standard output
// (with its resident memory now and at its peak) and ends. The parent takes
// the wall time until the report, so neither the parent's sample data nor
// earlier iterations weigh on the figures.
#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

namespace tavo::measure {

struct ChildRun {
  bool ok = false;
  std::string error;           // why ok is false
  double untilDone = 0;        // seconds from the start of the process to the end of its work
  double span = 0;             // seconds of the work the child timed itself
  double heldMB = 0;           // the child's resident memory when it reported
  double peakMB = 0;           // the child's peak resident memory over its whole life
  std::uint64_t checksum = 0;  // what the child computed from its results
};

// True when argv asks for the child side ("--child" first); the work's
// arguments are then argv[2..].
bool isChild(int argc, char** argv);

// Runs this program again as a child with args after "--child".
ChildRun runChild(const std::vector<std::string>& args);

// Child side: one report line with the work's start and end, the child's
// resident memory now and at its peak, and a checksum of its results
// (worked out after the end of the work, so it costs the figures nothing).
using Clock = std::chrono::steady_clock;  // one clock for every process
void reportToParent(Clock::time_point workStarted, Clock::time_point workDone, std::uint64_t checksum);

// MB of a count of bytes, for counters.
inline double megabytes(double bytes) { return bytes / (1024.0 * 1024.0); }

// FNV-1a, to fold results into one figure that must not change.
class Checksum {
 public:
  void add(std::uint64_t v) {
    for (int i = 0; i < 8; ++i, v >>= 8) {
      h_ ^= v & 0xff;
      h_ *= 1099511628211ull;
    }
  }
  template <class Text>
  void addText(const Text& t) {
    for (const auto c : t) add(static_cast<std::uint64_t>(c.unicode()));
    add(0xfffful);
  }
  std::uint64_t value() const { return h_; }

 private:
  std::uint64_t h_ = 1469598103934665603ull;
};

}  // namespace tavo::measure
