// The Linux interface table reader: /proc/net/dev's text, kept open and
// read again at each reading.
#include "common/platform/net/procnetdevsource.h"
#include "tests/support/textfiles.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QTemporaryDir>

namespace tavo::net {
namespace {

using tavo::testing::writeText;

const char kSample[] =
    "Inter-|   Receive                                                |  Transmit\n"
    " face |bytes    packets errs drop fifo frame compressed multicast|bytes    packets errs drop fifo colls carrier "
    "compressed\n"
    "    lo: 18446744073709551000  100    0    0    0     0          0         0 4294967296  100    0    0    0     0  "
    "     0          0\n"
    "  eth0:12345 7 0 0 0 0 0 0 67890 8 0 0 0 0 0 0\n"
    "garbage line without colon\n"
    "  bad0: 1 2 3\n"
    "wlp2s0: 5000000000 1 0 0 0 0 0 0 6000000000 1 0 0 0 0 0 0\n";

TEST(ProcNetDev, ParsesRowsInKernelOrderWithFullCounters) {
  std::vector<InterfaceRow> rows;
  ProcNetDevSource::parse(kSample, sizeof kSample - 1, rows);
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0].name, QStringLiteral("lo"));
  EXPECT_EQ(rows[0].rxBytes, 18446744073709551000ull);
  EXPECT_EQ(rows[0].txBytes, 4294967296ull);
  EXPECT_EQ(rows[1].name, QStringLiteral("eth0"));
  EXPECT_EQ(rows[1].rxBytes, 12345u);
  EXPECT_EQ(rows[1].txBytes, 67890u);
  EXPECT_EQ(rows[2].name, QStringLiteral("wlp2s0"));
  EXPECT_EQ(rows[2].txBytes, 6000000000ull);
}

TEST(ProcNetDev, ReReadsTheOpenFile) {
  QTemporaryDir dir;
  const QString dev = dir.filePath("dev");
  writeText(dev, kSample);
  ProcNetDevSource source(dev);
  std::vector<InterfaceRow> rows;
  ASSERT_EQ(source.read(rows), ReadStatus::Ok);
  ASSERT_EQ(rows.size(), 3u);
  writeText(dev, QByteArray("h1\nh2\n  eth0: 99 0 0 0 0 0 0 0 77 0 0 0 0 0 0 0\n"));
  ASSERT_EQ(source.read(rows), ReadStatus::Ok);
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].rxBytes, 99u);
  EXPECT_EQ(rows[0].txBytes, 77u);
}

TEST(ProcNetDev, MissingTableIsNotSupported) {
  QTemporaryDir dir;
  ProcNetDevSource source(dir.filePath("nothing/dev"));
  std::vector<InterfaceRow> rows;
  EXPECT_EQ(source.read(rows), ReadStatus::NotSupported);
  EXPECT_EQ(source.read(rows), ReadStatus::NotSupported);
}

TEST(ProcNetDev, EmptyTableFails) {
  QTemporaryDir dir;
  writeText(dir.filePath("dev"), "");
  ProcNetDevSource source(dir.filePath("dev"));
  std::vector<InterfaceRow> rows;
  EXPECT_EQ(source.read(rows), ReadStatus::Failed);
}

// ------------------------------------------- a host with many containers

// The table of a host running `containers` containers: lo, the uplink and
// one veth pair end per container, each row printed as the kernel prints
// it (fixed widths, 16 counters) and written on its own, so the text runs
// far past the reader's first 16 KiB buffer and rows straddle its end.
struct BigTable {
  QByteArray text;
  std::vector<InterfaceRow> rows;
};

BigTable bigTable(int containers, std::uint64_t salt) {
  BigTable t;
  t.text =
      "Inter-|   Receive                                                |  Transmit\n"
      " face |bytes    packets errs drop fifo frame compressed multicast|bytes    packets errs drop fifo colls carrier "
      "compressed\n";
  const auto add = [&](const QString& name, std::uint64_t rx, std::uint64_t tx) {
    t.text += QString::asprintf(
                  "%6s: %7llu %7llu %4llu %4llu %4llu %5llu %10llu %9llu %8llu %7llu %4llu %4llu %4llu "
                  "%5llu %7llu %10llu\n",
                  qPrintable(name), static_cast<unsigned long long>(rx), 1234567ull, 0ull, 3ull, 0ull, 0ull, 0ull,
                  42ull, static_cast<unsigned long long>(tx), 7654321ull, 0ull, 0ull, 0ull, 0ull, 0ull, 0ull)
                  .toLatin1();
    t.rows.push_back(InterfaceRow{name, rx, tx});
  };
  add(QStringLiteral("lo"), 987654321 + salt, 987654321 + salt);
  // Years of a 10 Gbit/s uplink: counters far above 32 bits.
  add(QStringLiteral("enp5s0"), 18446744073709551615ull - salt, 400000000000000ull + salt);
  for (int i = 0; i < containers; ++i) {
    const auto n = static_cast<std::uint64_t>(i);
    add(QStringLiteral("veth%1").arg(0x10000000u + 7919u * unsigned(i), 0, 16), 1000000007ull * (n + 1) + salt,
        3000000019ull * (n + 1) + salt);
  }
  return t;
}

void expectRows(const std::vector<InterfaceRow>& got, const std::vector<InterfaceRow>& want) {
  ASSERT_EQ(got.size(), want.size());
  for (std::size_t i = 0; i < want.size(); ++i) {
    EXPECT_EQ(got[i].name, want[i].name) << "row " << i;
    EXPECT_EQ(got[i].rxBytes, want[i].rxBytes) << "row " << i;
    EXPECT_EQ(got[i].txBytes, want[i].txBytes) << "row " << i;
  }
}

TEST(ProcNetDev, ReadsEveryRowOfATableFarLargerThanItsBuffer) {
  QTemporaryDir dir;
  const QString dev = dir.filePath("dev");
  const BigTable many = bigTable(300, 0);
  ASSERT_GT(many.text.size(), 16 * 1024 * 2);
  {
    QFile f(dev);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    for (const QByteArray& line : many.text.split('\n')) {
      if (!line.isEmpty()) {
        ASSERT_EQ(f.write(line + '\n'), line.size() + 1);
      }
    }
  }
  ProcNetDevSource source(dev);
  std::vector<InterfaceRow> rows;
  ASSERT_EQ(source.read(rows), ReadStatus::Ok);
  expectRows(rows, many.rows);

  // Containers come and go between two readings: the grown buffer holds
  // no row of the longer table once the shorter one is read.
  const BigTable fewer = bigTable(120, 5);
  writeText(dev, fewer.text);
  ASSERT_EQ(source.read(rows), ReadStatus::Ok);
  expectRows(rows, fewer.rows);

  const BigTable more = bigTable(300, 9);
  writeText(dev, more.text);
  ASSERT_EQ(source.read(rows), ReadStatus::Ok);
  expectRows(rows, more.rows);
}

}  // namespace
}  // namespace tavo::net
