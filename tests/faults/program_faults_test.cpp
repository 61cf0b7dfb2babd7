// The real Tavo program against what an earlier run or the machine may
// leave: a lock file of every kind that no live monitor holds (taken over,
// the monitor starts), a live monitor (the start ends silently with 0), a
// folder it cannot write in and a full disk (a message box, then a
// non-zero status). Tavo runs as an unprivileged user where the tests run
// as root, since root writes anywhere.
#include "tests/common/foldersnapshot.h"

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QSysInfo>
#include <QTemporaryDir>

#include <sys/stat.h>
#include <unistd.h>

namespace {

using tavo::testing::folderSnapshot;
using tavo::testing::waitUntil;

constexpr uid_t kNobody = 65534;
const QByteArray kBaseLine = "01/12/2026 10:00:00;01/12/2026 11:00:00;1;2;3;4\r\n";
const QByteArray kSessionLine = "07/12/2026 10:00:00;07/12/2026 12:00:00;10;20;30;40\r\n";

bool isRoot() { return ::geteuid() == 0; }

// An X server of its own for the message box, on a display it picks itself.
class PrivateX {
 public:
  PrivateX() {
    if (QStandardPaths::findExecutable("Xvfb").isEmpty() || QStandardPaths::findExecutable("xdotool").isEmpty()) return;
    const QString file = dir_.filePath("display");
    server_.start("bash", {"-c", "exec Xvfb -displayfd 3 -nolisten tcp -screen 0 1024x768x24 3>\"$0\"", file});
    if (!server_.waitForStarted(5000)) return;
    waitUntil(
        [&] {
          QFile f(file);
          if (!f.open(QIODevice::ReadOnly)) return false;
          const QByteArray n = f.readAll().trimmed();
          if (!n.isEmpty()) display_ = ":" + QString::fromLatin1(n);
          return !n.isEmpty();
        },
        10000);
  }
  ~PrivateX() {
    if (server_.state() == QProcess::NotRunning) return;
    server_.terminate();
    if (!server_.waitForFinished(5000)) server_.kill();
    server_.waitForFinished(5000);
  }
  QString display() const { return display_; }
  // The windows with exactly this title.
  QStringList windows(const QString& title) const {
    QProcess p;
    p.setProcessEnvironment(env());
    p.start("xdotool", {"search", "--name", "^" + title + "$"});
    p.waitForFinished(5000);
    return QString::fromLatin1(p.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
  }
  void pressReturn(const QString& window) const {
    QProcess p;
    p.setProcessEnvironment(env());
    p.start("xdotool", {"key", "--window", window, "Return"});
    p.waitForFinished(5000);
  }

 private:
  QProcessEnvironment env() const {
    QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
    e.insert("DISPLAY", display_);
    return e;
  }
  QTemporaryDir dir_;
  QProcess server_;
  QString display_;
};

class TavoFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(root.isValid());
    if (isRoot() && QStandardPaths::findExecutable("setpriv").isEmpty())
      GTEST_SKIP() << "running as root without setpriv: Tavo cannot be started as an unprivileged user";
    const QString suite = QString::fromLocal8Bit(qgetenv("TAVO_SUITE_DIR"));
    ASSERT_TRUE(QFileInfo::exists(suite + "/Tavo")) << "no Tavo in " << suite.toStdString();
    ::chmod(QFile::encodeName(root.path()).constData(), 0755);
    for (const char* sub : {"prog", "home", "run"}) {
      ASSERT_TRUE(QDir(root.path()).mkdir(sub));
      own(root.filePath(sub));
    }
    ::chmod(QFile::encodeName(root.filePath("run")).constData(), 0700);
    ASSERT_TRUE(QFile::copy(suite + "/Tavo", program()));
    ::chmod(QFile::encodeName(program()).constData(), 0755);
    writeFile("all_stats.csv", kBaseLine);
    writeFile("session_stats.csv", kSessionLine);
    if (isRoot()) {
      QProcess probe;
      probe.start("setpriv", {"--reuid=65534", "--regid=65534", "--clear-groups", "--", "test", "-x", program()});
      if (!probe.waitForFinished(10000) || probe.exitCode() != 0)
        GTEST_SKIP() << "the unprivileged user cannot reach " << root.path().toStdString();
    }
  }
  void TearDown() override {
    for (QProcess* p : {&tavo, &first}) {
      if (p->state() == QProcess::NotRunning) continue;
      p->kill();
      p->waitForFinished(5000);
    }
    ::chmod(QFile::encodeName(folder()).constData(), 0755);  // so that the folder can go
  }

  QString folder() const { return root.filePath("prog"); }
  QString program() const { return folder() + "/Tavo"; }
  QString file(const QString& name) const { return folder() + "/" + name; }
  // What Tavo writes must belong to the user it runs as.
  void own(const QString& path) const {
    if (isRoot()) (void)!::chown(QFile::encodeName(path).constData(), kNobody, kNobody);
  }
  void writeFile(const QString& name, const QByteArray& bytes) {
    QFile f(file(name));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
    f.close();
    own(file(name));
  }
  QByteArray read(const QString& name) const {
    QFile f(file(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }

  // Starts Tavo as the unprivileged user, on the given display or offscreen;
  // with a file-size limit of 0 bytes when diskFull.
  void start(QProcess& p, const QString& display = {}, bool diskFull = false) {
    QStringList command;
    if (diskFull)
      command << "prlimit"
              << "--fsize=0:unlimited"
              << "--";
    if (isRoot())
      command << "setpriv"
              << "--reuid=65534"
              << "--regid=65534"
              << "--clear-groups"
              << "--";
    command << program();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    const QString home = root.filePath("home");
    env.insert("HOME", home);
    for (const char* var : {"XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME"})
      env.insert(var, home + "/" + var);
    env.insert("XDG_RUNTIME_DIR", root.filePath("run"));
    env.insert("QT_QPA_PLATFORM", display.isEmpty() ? "offscreen" : "xcb");
    if (!display.isEmpty()) env.insert("DISPLAY", display);
    p.setProcessEnvironment(env);
    p.setWorkingDirectory(folder());
    p.start(command.takeFirst(), command);
    ASSERT_TRUE(p.waitForStarted(10000));
  }
  // Started and through its start-up: the waiting session line has moved.
  void expectRunning(QProcess& p) {
    EXPECT_TRUE(waitUntil(
        [&] { return !QFile::exists(file("session_stats.csv")) || p.state() == QProcess::NotRunning; }, 30000));
    EXPECT_EQ(p.state(), QProcess::Running) << "Tavo ended: " << p.readAllStandardError().toStdString();
    EXPECT_EQ(read("all_stats.csv"), kBaseLine + kSessionLine);
  }

  QTemporaryDir root;
  QProcess tavo, first;
};

// ---------------------------------------------------------------- locks

struct LockCase {
  const char* name;
  QByteArray lock;    // Tavo.lock as left; null: none
  QByteArray rmlock;  // Tavo.lock.rmlock as left; null: none
};
void PrintTo(const LockCase& c, std::ostream* os) { *os << c.name; }

// A live process of another program: this test itself.
QByteArray liveLock(const char* program) {
  return QByteArray::number(QCoreApplication::applicationPid()) + '\n' + program + '\n' +
         QSysInfo::machineHostName().toUtf8() + '\n';
}

class LeftOverLock : public TavoFolder, public ::testing::WithParamInterface<LockCase> {};

TEST_P(LeftOverLock, IsTakenOverAndTavoRuns) {
  const LockCase& c = GetParam();
  if (!c.lock.isNull()) writeFile("Tavo.lock", c.lock);
  if (!c.rmlock.isNull()) writeFile("Tavo.lock.rmlock", c.rmlock);
  start(tavo);
  expectRunning(tavo);
}

INSTANTIATE_TEST_SUITE_P(Tavo, LeftOverLock,
                         ::testing::Values(LockCase{"Empty", "", QByteArray()},
                                           LockCase{"Garbage", "\x01\xfe\r\nnot a lock\n", QByteArray()},
                                           LockCase{"LiveProcessOfAnotherProgram", liveLock("bash"), QByteArray()},
                                           LockCase{"LiveTavoOfAnotherFolder", liveLock("Tavo"), QByteArray()},
                                           LockCase{"EmptyRemovalMark", QByteArray(), ""},
                                           LockCase{"EmptyLockAndRemovalMark", "", ""}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(TavoFolder, LiveMonitorEndsTheSecondStartSilently) {
  start(first);
  expectRunning(first);
  QThread::msleep(300);
  const QStringList before = folderSnapshot(folder());
  start(tavo);
  ASSERT_TRUE(tavo.waitForFinished(20000)) << "the second Tavo kept running";
  EXPECT_EQ(tavo.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(tavo.exitCode(), 0);
  EXPECT_TRUE(tavo.readAllStandardError().isEmpty());
  EXPECT_EQ(first.state(), QProcess::Running);
  EXPECT_EQ(folderSnapshot(folder()), before);
}

// ------------------------------------------------------ unwritable folder

struct UnwritableCase {
  const char* name;
  const char* lang;      // the Lang line of Tavo.ini
  bool readOnly;         // the folder is r-x for the user Tavo runs as
  bool diskFull;         // no file may grow
  const char* expected;  // in the message
};
void PrintTo(const UnwritableCase& c, std::ostream* os) { *os << c.name; }

class UnwritableFolder : public TavoFolder, public ::testing::WithParamInterface<UnwritableCase> {};

TEST_P(UnwritableFolder, ShowsTheMessageAndEndsWithAnError) {
  const UnwritableCase& c = GetParam();
  PrivateX x;
  if (x.display().isEmpty()) GTEST_SKIP() << "no Xvfb and xdotool to show and close the message box";
  if (c.diskFull && QStandardPaths::findExecutable("prlimit").isEmpty()) GTEST_SKIP() << "no prlimit";
  writeFile("Tavo.ini", QByteArray("Lang=") + c.lang + "\r\n");
  if (c.readOnly) {
    // Root's, and not writable for anyone else.
    if (isRoot()) (void)!::chown(QFile::encodeName(folder()).constData(), 0, 0);
    ::chmod(QFile::encodeName(folder()).constData(), 0555);
  }
  const QStringList before = folderSnapshot(folder());
  start(tavo, x.display(), c.diskFull);
  QStringList boxes;
  ASSERT_TRUE(waitUntil(
      [&] { return !(boxes = x.windows("Tavo error")).isEmpty() || tavo.state() == QProcess::NotRunning; }, 30000));
  ASSERT_FALSE(boxes.isEmpty()) << "Tavo ended without its message: " << tavo.readAllStandardError().toStdString();
  EXPECT_EQ(tavo.state(), QProcess::Running) << "the box is modal: Tavo waits for it";
  x.pressReturn(boxes.first());
  ASSERT_TRUE(tavo.waitForFinished(20000)) << "the box's button did not end Tavo";
  EXPECT_EQ(tavo.exitStatus(), QProcess::NormalExit);
  EXPECT_NE(tavo.exitCode(), 0);
  const QString err = QString::fromLocal8Bit(tavo.readAllStandardError());
  EXPECT_TRUE(err.contains(folder())) << err.toStdString();
  EXPECT_TRUE(err.contains(QString::fromUtf8(c.expected))) << err.toStdString();
  EXPECT_EQ(folderSnapshot(folder()), before);
}

INSTANTIATE_TEST_SUITE_P(
    Tavo, UnwritableFolder,
    ::testing::Values(UnwritableCase{"ReadOnlyFolder", "EN", true, false, "Tavo cannot write in its folder"},
                      UnwritableCase{"ReadOnlyFolderFrench", "FR", true, false, "Tavo ne peut pas \u00e9crire"},
                      UnwritableCase{"DiskFull", "EN", false, true, "Tavo cannot write in its folder"}),
    [](const auto& info) { return std::string(info.param.name); });

// ------------------------------------------------------ unusable lock file

// A Tavo.lock the monitor cannot use in a folder it can write in: the
// message names the lock file and the true reason, never the folder; a
// named pipe is refused at once, not waited on.
struct UnusableLockCase {
  const char* name;
  void (*make)(const QString& path);
  const char* reason;  // in the message
};
void PrintTo(const UnusableLockCase& c, std::ostream* os) { *os << c.name; }

class UnusableLock : public TavoFolder, public ::testing::WithParamInterface<UnusableLockCase> {};

TEST_P(UnusableLock, ShowsTheLockFileAndItsReason) {
  const UnusableLockCase& c = GetParam();
  PrivateX x;
  if (x.display().isEmpty()) GTEST_SKIP() << "no Xvfb and xdotool to show and close the message box";
  writeFile("Tavo.ini", "Lang=EN\r\n");
  c.make(file("Tavo.lock"));
  const QStringList before = folderSnapshot(folder());
  start(tavo, x.display());
  QStringList boxes;
  ASSERT_TRUE(waitUntil(
      [&] { return !(boxes = x.windows("Tavo error")).isEmpty() || tavo.state() == QProcess::NotRunning; }, 30000));
  ASSERT_FALSE(boxes.isEmpty()) << "Tavo ended without its message: " << tavo.readAllStandardError().toStdString();
  x.pressReturn(boxes.first());
  ASSERT_TRUE(tavo.waitForFinished(20000)) << "the box's button did not end Tavo";
  EXPECT_NE(tavo.exitCode(), 0);
  const QString err = QString::fromLocal8Bit(tavo.readAllStandardError());
  EXPECT_TRUE(err.contains("Tavo cannot use its lock file")) << err.toStdString();
  EXPECT_TRUE(err.contains(file("Tavo.lock"))) << err.toStdString();
  EXPECT_TRUE(err.contains(QString::fromUtf8(c.reason))) << err.toStdString();
  EXPECT_FALSE(err.contains("cannot write in its folder")) << err.toStdString();
  EXPECT_EQ(folderSnapshot(folder()), before);  // what stands there is not ours to remove
  EXPECT_EQ(read("session_stats.csv"), kSessionLine);
}

INSTANTIATE_TEST_SUITE_P(
    Tavo, UnusableLock,
    ::testing::Values(UnusableLockCase{"LeftByRoot",
                                       [](const QString& path) {
                                         QFile f(path);
                                         ASSERT_TRUE(f.open(QIODevice::WriteOnly));
                                         f.close();
                                         // Root's with 0600 when the tests run as root, for
                                         // the unprivileged user Tavo then runs as; 000 else.
                                         ::chmod(QFile::encodeName(path).constData(), isRoot() ? 0600 : 0);
                                       },
                                       "open: Permission denied"},
                      UnusableLockCase{"Folder", [](const QString& path) { ASSERT_TRUE(QDir().mkdir(path)); },
                                       "Is a directory; it is a folder"},
                      UnusableLockCase{"DanglingLink",
                                       [](const QString& path) {
                                         ASSERT_EQ(::symlink("gone-away", QFile::encodeName(path).constData()), 0);
                                       },
                                       "open: No such file or directory; it is a link to a missing file"},
                      UnusableLockCase{"Fifo",
                                       [](const QString& path) {
                                         ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0666), 0);
                                       },
                                       "it is a named pipe (FIFO), not a file"}),
    [](const auto& info) { return std::string(info.param.name); });

// ------------------------------------------------- unusable session file

// A session_stats.csv that holds no session lines of ours: Tavo starts,
// keeps it aside under a new name beside it (never deletes it) and says so
// in a box that names the file and the reason, and on stderr.
struct ForeignSessionFileCase {
  const char* name;
  const char* lang;
  void (*make)(const QString& path);
  const char* reason;  // in the message
  const char* keptAs;  // in the message, before the new name
};
void PrintTo(const ForeignSessionFileCase& c, std::ostream* os) { *os << c.name; }

class ForeignSessionFile : public TavoFolder, public ::testing::WithParamInterface<ForeignSessionFileCase> {};

TEST_P(ForeignSessionFile, IsKeptAsideAndTheUserTold) {
  const ForeignSessionFileCase& c = GetParam();
  PrivateX x;
  if (x.display().isEmpty()) GTEST_SKIP() << "no Xvfb and xdotool to show and close the message box";
  writeFile("Tavo.ini", QByteArray("Lang=") + c.lang + "\r\n");
  ASSERT_TRUE(QFile::remove(file("session_stats.csv")));
  c.make(file("session_stats.csv"));
  own(file("session_stats.csv"));
  start(tavo, x.display());
  QStringList boxes;
  ASSERT_TRUE(waitUntil(
      [&] { return !(boxes = x.windows("Tavo error")).isEmpty() || tavo.state() == QProcess::NotRunning; }, 30000));
  ASSERT_FALSE(boxes.isEmpty()) << "no message: " << tavo.readAllStandardError().toStdString();
  EXPECT_EQ(tavo.state(), QProcess::Running) << "the monitor goes on while the box is up";
  QStringList aside;
  EXPECT_TRUE(waitUntil(
      [&] { return !(aside = QDir(folder()).entryList({"session_stats.csv.bad-*"}, QDir::AllEntries)).isEmpty(); },
      10000));
  ASSERT_EQ(aside.size(), 1) << aside.join(' ').toStdString();
  x.pressReturn(boxes.first());
  // What was there is kept whole under its new name, and the lines that
  // were already safe stay as they were.
  const QFileInfo kept(file(aside.first()));
  EXPECT_TRUE(kept.exists() || kept.isSymLink());
  EXPECT_EQ(read("all_stats.csv"), kBaseLine);
  tavo.kill();
  tavo.waitForFinished(5000);
  const QString err = QString::fromLocal8Bit(tavo.readAllStandardError());
  EXPECT_TRUE(err.contains(file("session_stats.csv"))) << err.toStdString();
  EXPECT_TRUE(err.contains(QString::fromUtf8(c.reason))) << err.toStdString();
  EXPECT_TRUE(err.contains(QString::fromUtf8(c.keptAs) + " " + file(aside.first()))) << err.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Tavo, ForeignSessionFile,
    ::testing::Values(ForeignSessionFileCase{"Folder", "EN",
                                             [](const QString& path) { ASSERT_TRUE(QDir().mkdir(path)); },
                                             "(Is a directory)", "Tavo kept it under the name:"},
                      ForeignSessionFileCase{"GarbageFrench", "FR",
                                             [](const QString& path) {
                                               QFile f(path);
                                               ASSERT_TRUE(f.open(QIODevice::WriteOnly));
                                               f.write(
                                                   "\x7f"
                                                   "ELF not a session\r\nsecond line of something else\r\n");
                                             },
                                             "(pas des lignes de session)", "Tavo l'a gard\u00e9 sous le nom :"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
