// Start-up refusals: another monitor of this folder ends a start silently;
// a folder the monitor cannot write in ends it with a message; nothing of
// the folder changes either way.
#include "tests/common/foldersnapshot.h"
#include "tests/common/inchild.h"
#include "tests/monitor/core/engine_fixture.h"

#include <QTemporaryDir>

#include <sys/stat.h>
#include <unistd.h>

namespace tavo::monitor::testing {
namespace {

using Refusal = MonitorEngine::StartRefusal;

const QByteArray kSessionLine = "07/12/2026 10:00:00;07/12/2026 12:00:00;10;20;30;40\r\n";

class StartupTest : public EngineTest {
 protected:
  QStringList snapshot() const { return tavo::testing::folderSnapshot(dir.path()); }
};

TEST_F(StartupTest, AnotherMonitorOfThisFolderEndsTheStartSilently) {
  writeFile("session_stats.csv", kSessionLine);
  start();
  ticks(5);
  const QStringList before = snapshot();
  MonitorEngine second({dir.path(), &src, &clock, /*runTimer=*/false});
  EXPECT_FALSE(second.Main());
  EXPECT_EQ(second.startRefusal(), Refusal::AnotherMonitor);
  EXPECT_EQ(snapshot(), before);
}

TEST_F(StartupTest, LockLeftByAnEarlierRunIsTakenOver) {
  writeFile("Tavo.lock", "");
  writeFile("session_stats.csv", kSessionLine);
  start();
  EXPECT_EQ(engine->startRefusal(), Refusal::None);
  EXPECT_EQ(bytes("all_stats.csv"), kSessionLine);
}

struct Unwritable {
  const char* name;
  bool inChild;
  std::function<void(const QString& folder)> make;  // in the child when inChild
  Refusal refusal = Refusal::FolderNotWritable;
};
void PrintTo(const Unwritable& c, std::ostream* os) { *os << c.name; }

const Unwritable kUnwritable[] = {
    // The lock file's own trouble, told as such (the folder is writable).
    {"LockIsAFolder", false, [](const QString& folder) { ASSERT_TRUE(QDir(folder).mkdir("Tavo.lock")); },
     Refusal::LockUnusable},
    {"DiskFull", true, [](const QString&) { tavo::testing::fileSizeLimit(0); }},
    {"ReadOnlyFolder", true,
     [](const QString& folder) {
       QFile::setPermissions(folder, QFileDevice::Permissions(0x5555));
       ASSERT_TRUE(tavo::testing::becomeUnprivileged());
     }},
    {"ReadOnlyFolderWithALock", true,
     [](const QString& folder) {
       QFile f(folder + "/Tavo.lock");
       ASSERT_TRUE(f.open(QIODevice::WriteOnly));
       f.close();
       f.setPermissions(QFileDevice::Permissions(0x6666));
       QFile::setPermissions(folder, QFileDevice::Permissions(0x5555));
       ASSERT_TRUE(tavo::testing::becomeUnprivileged());
     }},
};

class UnwritableFolderTest : public StartupTest, public ::testing::WithParamInterface<Unwritable> {};

TEST_P(UnwritableFolderTest, RefusesWithAMessageAndChangesNothing) {
  // Reachable for an unprivileged user: the temporary folder is only ours.
  QFile::setPermissions(dir.path(), QFileDevice::Permissions(0x7755));
  writeFile("session_stats.csv", kSessionLine);
  writeFile("all_stats.csv", kSessionLine);
  writeIni({QStringLiteral("Lang=EN")});
  auto body = [&] {
    GetParam().make(dir.path());
    const QStringList before = snapshot();
    make();
    EXPECT_FALSE(engine->Main());
    EXPECT_EQ(engine->startRefusal(), GetParam().refusal);
    EXPECT_TRUE(engine->startRefusalText().contains(dir.path())) << engine->startRefusalText().toStdString();
    engine.reset();
    EXPECT_EQ(snapshot(), before);
  };
  if (GetParam().inChild) tavo::testing::inChild(body);
  else body();
  QFile::setPermissions(dir.path(), QFileDevice::Permissions(0x7700));
}

INSTANTIATE_TEST_SUITE_P(Startup, UnwritableFolderTest, ::testing::ValuesIn(kUnwritable),
                         [](const auto& info) { return std::string(info.param.name); });

// The message speaks the language of Tavo.ini when the file can be read
// (French without a Lang line, as the monitor itself), English otherwise.
TEST_F(StartupTest, RefusalMessageInTheLanguageOfTheSettings) {
  ASSERT_TRUE(QDir(dir.path()).mkdir("Tavo.lock"));
  struct {
    const char* name;
    QStringList ini;  // empty: no Tavo.ini
    bool french;
  } const cases[] = {
      {"no settings file", {}, false},         {"Lang=EN", {"Lang=EN"}, false}, {"Lang=FR", {"Lang=FR"}, true},
      {"no Lang line", {"Interface=0"}, true}, {"Lang=fr", {"Lang=fr"}, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    QFile::remove(path("Tavo.ini"));
    if (!c.ini.isEmpty()) writeIni(c.ini);
    make();
    ASSERT_FALSE(engine->Main());
    const QString text = engine->startRefusalText();
    EXPECT_EQ(text.contains(QStringLiteral("Tavo ne peut pas utiliser son fichier de verrou")), c.french)
        << text.toStdString();
    EXPECT_EQ(text.contains(QStringLiteral("Tavo cannot use its lock file")), !c.french) << text.toStdString();
    EXPECT_EQ(text.contains(c.french ? QStringLiteral("c'est un dossier") : QStringLiteral("it is a folder")), true)
        << text.toStdString();
    EXPECT_EQ(engine->startRefusalIsFrench(), c.french);
    EXPECT_TRUE(text.startsWith(' ') && text.endsWith(' '));
  }
  EXPECT_EQ(MonitorEngine::errorTitle(), QStringLiteral("Tavo error"));
}

// A Tavo.lock that cannot serve, in a writable folder: the message names
// the lock file and the reason of the call that failed, never the folder's
// writability; a named pipe is refused at once instead of holding the start.
TEST_F(StartupTest, UnusableLockFileIsNamedWithItsTrueReason) {
  struct {
    const char* name;
    std::function<void(const QString& lock)> make;
    const char* reason;
  } const cases[] = {
      {"Fifo", [](const QString& lock) { ASSERT_EQ(::mkfifo(QFile::encodeName(lock).constData(), 0600), 0); },
       "(fstat: not a regular file; it is a named pipe (FIFO), not a file)"},
      {"DanglingLink",
       [](const QString& lock) { ASSERT_EQ(::symlink("gone", QFile::encodeName(lock).constData()), 0); },
       "(open: No such file or directory; it is a link to a missing file)"},
      {"Folder", [](const QString& lock) { ASSERT_TRUE(QDir().mkdir(lock)); },
       "(open: Is a directory; it is a folder)"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    QTemporaryDir folder;
    const QString lock = folder.filePath("Tavo.lock");
    c.make(lock);
    MonitorEngine engine({folder.path(), &src, &clock, /*runTimer=*/false});
    EXPECT_FALSE(engine.Main());
    EXPECT_EQ(engine.startRefusal(), Refusal::LockUnusable);
    const QString text = engine.startRefusalText();
    EXPECT_TRUE(text.contains(QStringLiteral("Tavo cannot use its lock file"))) << text.toStdString();
    EXPECT_TRUE(text.contains(lock)) << text.toStdString();
    EXPECT_TRUE(text.contains(QString::fromUtf8(c.reason))) << text.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("cannot write in its folder"))) << text.toStdString();
    EXPECT_TRUE(QFileInfo(lock).isSymLink() || QFileInfo::exists(lock)) << "what stands there is not ours to remove";
  }
}

}  // namespace
}  // namespace tavo::monitor::testing
