// The one-monitor-per-folder lock against live holders and what earlier
// runs left behind.
#include "common/platform/instance/singleinstance.h"
#include "tests/support/textfiles.h"

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>

#include <functional>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>
#include <csignal>

namespace tavo::platform {
namespace {

using tavo::testing::writeText;

TEST(SingleInstanceLock, OneHolderPerFolder) {
  QTemporaryDir dir;
  {
    SingleInstance first(dir.path());
    ASSERT_TRUE(first.tryAcquire());
    SingleInstance second(dir.path());
    EXPECT_FALSE(second.tryAcquire());
    QTemporaryDir other;
    SingleInstance elsewhere(other.path());
    EXPECT_TRUE(elsewhere.tryAcquire());
  }
  SingleInstance later(dir.path());
  EXPECT_TRUE(later.tryAcquire());
}

TEST(SingleInstanceLock, LockOfAVanishedProcessIsTakenOver) {
  QProcess gone;
  gone.start(QStringLiteral("true"));
  ASSERT_TRUE(gone.waitForStarted());
  const qint64 pid = gone.processId();
  ASSERT_TRUE(gone.waitForFinished());
  QTemporaryDir dir;
  writeText(dir.filePath("Tavo.lock"), QByteArray::number(pid) + '\n' + QCoreApplication::applicationName().toUtf8() +
                                           '\n' + QSysInfo::machineHostName().toUtf8() + '\n');
  SingleInstance instance(dir.path());
  EXPECT_TRUE(instance.tryAcquire());
}

// ------------------------------------------------------ left-over locks

// A process that holds the lock on `path` as a running monitor would, until
// it is killed.
class LockHolder {
 public:
  explicit LockHolder(const QString& path) {
    int ready[2];
    if (::pipe(ready) != 0) return;
    const QByteArray name = QFile::encodeName(path);
    pid_ = ::fork();
    if (pid_ == 0) {
      ::close(ready[0]);
      const int fd = ::open(name.constData(), O_RDWR | O_CREAT, 0644);
      const char ok = fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) == 0 ? 'y' : 'n';
      (void)!::write(ready[1], &ok, 1);
      for (;;) ::pause();
    }
    ::close(ready[1]);
    char ok = 0;
    holding_ = pid_ > 0 && ::read(ready[0], &ok, 1) == 1 && ok == 'y';
    ::close(ready[0]);
  }
  ~LockHolder() { kill(); }
  bool holding() const { return holding_; }
  void kill() {
    if (pid_ <= 0) return;
    ::kill(pid_, SIGKILL);
    ::waitpid(pid_, nullptr, 0);
    pid_ = -1;
  }

 private:
  pid_t pid_ = -1;
  bool holding_ = false;
};

QByteArray fileBytes(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

struct LeftOverLock {
  const char* name;
  std::function<void(const QDir&)> leave;  // what an earlier run left in the folder
};
void PrintTo(const LeftOverLock& c, std::ostream* os) { *os << c.name; }

// A live process of another program, for the locks that name one.
qint64 livePid() { return QCoreApplication::applicationPid(); }

const LeftOverLock kLeftOverLocks[] = {
    {"EmptyLock", [](const QDir& d) { writeText(d.filePath("Tavo.lock"), ""); }},
    {"GarbageLock", [](const QDir& d) { writeText(d.filePath("Tavo.lock"), "\x01\xff garbage\n\n\n"); }},
    {"LiveProcessOfAnotherProgram",
     [](const QDir& d) {
       writeText(d.filePath("Tavo.lock"),
                 QByteArray::number(livePid()) + "\nbash\n" + QSysInfo::machineHostName().toUtf8() + '\n');
     }},
    {"LiveMonitorOfAnotherFolder",
     [](const QDir& d) {
       writeText(d.filePath("Tavo.lock"),
                 QByteArray::number(livePid()) + "\nTavo\n" + QSysInfo::machineHostName().toUtf8() + '\n');
     }},
    {"EmptyRemovalMark", [](const QDir& d) { writeText(d.filePath("Tavo.lock.rmlock"), ""); }},
    {"EmptyLockAndRemovalMark",
     [](const QDir& d) {
       writeText(d.filePath("Tavo.lock"), "");
       writeText(d.filePath("Tavo.lock.rmlock"), "");
     }},
    {"ReadOnlyLock",
     [](const QDir& d) {
       writeText(d.filePath("Tavo.lock"), "12\n");
       QFile::setPermissions(d.filePath("Tavo.lock"),
                             QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
     }},
};

class LeftOverLockTest : public ::testing::TestWithParam<LeftOverLock> {};

// Only a live holder keeps a start out: whatever an earlier run left is
// taken over at once, and the new holder keeps the next start out.
TEST_P(LeftOverLockTest, IsTakenOverAtOnce) {
  QTemporaryDir dir;
  GetParam().leave(QDir(dir.path()));
  SingleInstance instance(dir.path());
  EXPECT_EQ(instance.acquire(), SingleInstance::Outcome::Held) << instance.error().toStdString();
  SingleInstance second(dir.path());
  EXPECT_EQ(second.acquire(), SingleInstance::Outcome::HeldByAnother);
}

INSTANTIATE_TEST_SUITE_P(SingleInstanceLock, LeftOverLockTest, ::testing::ValuesIn(kLeftOverLocks),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SingleInstanceLock, LiveHolderKeepsOutUntilItIsKilled) {
  QTemporaryDir dir;
  const QString path = dir.filePath("Tavo.lock");
  LockHolder holder(path);
  ASSERT_TRUE(holder.holding());
  const QByteArray before = fileBytes(path);
  SingleInstance instance(dir.path());
  EXPECT_EQ(instance.acquire(), SingleInstance::Outcome::HeldByAnother);
  EXPECT_EQ(fileBytes(path), before);
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"Tavo.lock"});
  holder.kill();  // kill -9: nothing runs to clean up
  EXPECT_EQ(instance.acquire(), SingleInstance::Outcome::Held);
}

TEST(SingleInstanceLock, LockFileThatCannotBeOpenedFails) {
  QTemporaryDir dir;
  ASSERT_TRUE(QDir(dir.path()).mkdir("Tavo.lock"));
  const QString paths[] = {dir.path(), dir.filePath("missing")};
  for (const QString& folder : paths) {
    SingleInstance instance(folder);
    EXPECT_EQ(instance.acquire(), SingleInstance::Outcome::Failed) << folder.toStdString();
    EXPECT_FALSE(instance.error().isEmpty());
    EXPECT_FALSE(instance.held());
  }
}

TEST(SingleInstanceLock, ForgetRemovesOnlyALockFileItCreated) {
  QTemporaryDir dir;
  {
    SingleInstance created(dir.path());
    ASSERT_TRUE(created.tryAcquire());
    created.release(/*forget=*/true);
    EXPECT_FALSE(QFile::exists(created.lockPath()));
  }
  writeText(dir.filePath("Tavo.lock"), "");
  SingleInstance found(dir.path());
  ASSERT_TRUE(found.tryAcquire());
  found.release(/*forget=*/true);
  EXPECT_TRUE(QFile::exists(found.lockPath()));
}

}  // namespace
}  // namespace tavo::platform
