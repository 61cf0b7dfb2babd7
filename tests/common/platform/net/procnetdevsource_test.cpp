// The Linux interface table reader: /proc/net/dev's text, kept open and
// read again at each reading.
#include "common/platform/net/procnetdevsource.h"
#include "tests/support/textfiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tavo::net {
namespace {

using tavo::testing::writeText;

const char kSample[] =
    "Inter-|   Receive                                                |  Transmit\n"
    " face |bytes    packets errs drop fifo frame compressed multicast|bytes    packets errs drop fifo colls carrier compressed\n"
    "    lo: 18446744073709551000  100    0    0    0     0          0         0 4294967296  100    0    0    0     0       0          0\n"
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

}  // namespace
}  // namespace tavo::net
