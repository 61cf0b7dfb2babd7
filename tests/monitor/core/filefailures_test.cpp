// The files the monitor cannot use: a waiting queue of any length is
// never lost, what is not ours is kept aside, and every failure is told
// once per file and cause.
#include "tests/monitor/core/engine_fixture.h"

#include "monitor/core/filefailures.h"

#include <QDirIterator>

#include <functional>
#include <vector>

#include <unistd.h>

namespace tavo::monitor::testing {
namespace {

using Action = FileFailure::Action;

const QString kSession = QStringLiteral("session_stats.csv");
const QString kAll = QStringLiteral("all_stats.csv");
const QByteArray kBase = "01/12/2026 10:00:00;01/12/2026 11:00:00;1;2;3;4\r\n";

class FileFailureTest : public EngineTest {
 protected:
  // Started with every told failure recorded, start-up's included.
  void startWatching() {
    make();
    QObject::connect(engine.get(), &MonitorEngine::fileFailed, [this](const FileFailure& f) { told.append(f); });
    ASSERT_TRUE(engine->Main());
  }
  int toldOf(Action action) const {
    return int(std::count_if(told.begin(), told.end(), [&](const FileFailure& f) { return f.action == action; }));
  }
  // 2,000 waiting lines, about 110 KB: a monitor whose all_stats.csv
  // stayed unwritable for some weeks.
  static QByteArray longQueue(int count = 2000) {
    QByteArray queue;
    for (int i = 0; i < count; ++i)
      queue += QByteArray("07/12/2026 10:00:00;07/12/2026 12:00:00;") + QByteArray::number(i) + ";20;30;40\r\n";
    return queue;
  }
  QStringList asideNames() const {
    return QDir(dir.path())
        .entryList({kSession + ".bad-*"}, QDir::AllEntries | QDir::System | QDir::Hidden, QDir::Name);
  }
  QList<FileFailure> told;
};

TEST_F(FileFailureTest, LongQueueMovesWholeAtStartUp) {
  writeFile(kAll, kBase);
  writeFile(kSession, longQueue());
  ASSERT_GT(QFileInfo(path(kSession)).size(), 64 * 1024);
  startWatching();
  EXPECT_FALSE(exists(kSession));
  EXPECT_EQ(bytes(kAll), kBase + longQueue());
  EXPECT_TRUE(told.isEmpty());
}

TEST_F(FileFailureTest, LongQueueIsKeptWholeThroughAQuitWhileAllStatsIsUnwritable) {
  ASSERT_TRUE(QDir(dir.path()).mkdir(kAll));  // all_stats.csv cannot take a line
  writeFile(kSession, longQueue());
  startWatching();
  EXPECT_TRUE(engine->sessionLineWaiting());
  EXPECT_EQ(bytes(kSession), longQueue());
  ticks(300, 1048576, 0);  // five minute writes retry the move
  EXPECT_EQ(bytes(kSession), longQueue());
  EXPECT_EQ(toldOf(Action::MoveSessionLines), 1) << "told once, not each minute";
  ASSERT_FALSE(told.isEmpty());
  EXPECT_EQ(told.first().path, path(kAll));
  EXPECT_EQ(told.first().reason, QString::fromLocal8Bit(strerror(EISDIR)));

  const QList<FileFailure> atQuit = engine->quitSave();
  // The quit says what happened to the lines, though it was told before.
  ASSERT_EQ(atQuit.size(), 1);
  EXPECT_EQ(atQuit.first().action, Action::MoveSessionLines);
  const QStringList queued = lines(kSession);
  ASSERT_EQ(queued.size(), 2001);
  EXPECT_EQ(bytes(kSession).left(longQueue().size()), longQueue());
  EXPECT_TRUE(queued.last().endsWith(";8192;0;300;0"));

  // Once all_stats.csv works again, the next start moves all of them.
  ASSERT_TRUE(QDir(dir.path()).rmdir(kAll));
  engine.reset();
  told.clear();
  startWatching();
  EXPECT_FALSE(exists(kSession));
  EXPECT_EQ(lines(kAll), queued);
}

TEST_F(FileFailureTest, FolderInPlaceOfTheSessionFileIsKeptAsideAndTold) {
  ASSERT_TRUE(QDir(dir.path()).mkpath(kSession + "/inside"));
  writeFile(kSession + "/inside/note.txt", "mine");
  startWatching();
  ASSERT_EQ(asideNames(), QStringList{kSession + ".bad-20261208-140530"});
  EXPECT_EQ(bytes(asideNames().first() + "/inside/note.txt"), QByteArray("mine"));
  ASSERT_EQ(toldOf(Action::KeptAside), 1);
  EXPECT_EQ(told.first().path, path(kSession));
  EXPECT_EQ(told.first().newPath, path(asideNames().first()));
  // The sessions are kept as usual from then on.
  ticks(60, 1024, 0);
  EXPECT_EQ(lines(kSession).size(), 1);
  const QStringList line = lines(kSession);
  EXPECT_TRUE(engine->quitSave().isEmpty());
  EXPECT_EQ(lines(kAll), line);
}

TEST_F(FileFailureTest, GarbageIsKeptAsideUnderANewNameAndTold) {
  const QByteArray cases[] = {
      "hello\r\nthis is not a session file\r\n", QByteArray(100000, 'a'),
      "07/12/2026 10:00:00;07/12/2026 12:00:00;10;20\r\n",  // four fields
  };
  for (const QByteArray& garbage : cases) {
    SCOPED_TRACE(garbage.left(40).constData());
    for (const QString& name : asideNames()) ASSERT_TRUE(QFile::remove(path(name)));
    writeFile(kAll, kBase);
    // An earlier one of the same second is never written over.
    writeFile(kSession + ".bad-20261208-140530", "earlier");
    writeFile(kSession, garbage);
    told.clear();
    startWatching();
    EXPECT_FALSE(exists(kSession));
    EXPECT_EQ(bytes(kAll), kBase);
    EXPECT_EQ(bytes(kSession + ".bad-20261208-140530"), QByteArray("earlier"));
    EXPECT_EQ(bytes(kSession + ".bad-20261208-140530-2"), garbage);
    ASSERT_EQ(toldOf(Action::KeptAside), 1);
    EXPECT_EQ(told.first().newPath, path(kSession + ".bad-20261208-140530-2"));
    engine.reset();
  }
}

TEST_F(FileFailureTest, WholeLinesBesideForeignOnesMoveAndTheFileIsKeptAside) {
  const QByteArray line = "07/12/2026 10:00:00;07/12/2026 12:00:00;10;20;30;40\r\n";
  writeFile(kAll, kBase);
  writeFile(kSession, line + "a note of the user\r\n");
  startWatching();
  EXPECT_EQ(bytes(kAll), kBase + line);
  ASSERT_EQ(asideNames().size(), 1);
  EXPECT_EQ(bytes(asideNames().first()), line + "a note of the user\r\n");
}

// A failing minute write is told once, its line kept in memory and filed
// by the quit; after the file works again a new failure is told anew.
TEST_F(FileFailureTest, MinuteWriteFailureIsToldOnceAndTheLineStillReachesAllStats) {
  writeFile(kAll, kBase);
  startWatching();
  ASSERT_TRUE(QDir(dir.path()).mkdir(kSession));
  ticks(300, 1048576, 0);
  EXPECT_EQ(toldOf(Action::WriteSessionLine), 1);
  EXPECT_EQ(told.first().path, path(kSession));
  EXPECT_EQ(told.first().reason, QString::fromLocal8Bit(strerror(EISDIR)));
  ASSERT_TRUE(QDir(dir.path()).rmdir(kSession));
  ticks(60, 1048576, 0);  // works again
  EXPECT_EQ(lines(kSession).size(), 1);
  EXPECT_TRUE(engine->fileFailures().isEmpty());
  ASSERT_TRUE(QFile::remove(path(kSession)));
  ASSERT_TRUE(QDir(dir.path()).mkdir(kSession));
  ticks(60, 1048576, 0);
  EXPECT_EQ(toldOf(Action::WriteSessionLine), 2) << "a failure after a recovery is told again";
  EXPECT_TRUE(engine->quitSave().isEmpty());  // the line went to all_stats.csv straight
  const QStringList all = lines(kAll);
  ASSERT_EQ(all.size(), 2);
  EXPECT_TRUE(all.last().endsWith(";8192;0;420;0"));
}

TEST_F(FileFailureTest, QuitSaysWhenTheSessionLineHasNoPlace) {
  startWatching();
  ASSERT_TRUE(QDir(dir.path()).mkdir(kSession));
  ASSERT_TRUE(QDir(dir.path()).mkdir(kAll));
  ticks(60, 1024, 0);
  const QList<FileFailure> atQuit = engine->quitSave();
  const bool lost = std::any_of(atQuit.begin(), atQuit.end(),
                                [](const FileFailure& f) { return f.action == Action::SessionLineLost; });
  EXPECT_TRUE(lost);
}

TEST_F(FileFailureTest, SettingsSaveFailureIsToldWithFileAndReason) {
  startWatching();
  ASSERT_TRUE(QFile::remove(path("Tavo.ini")) || !exists("Tavo.ini"));
  ASSERT_TRUE(QDir(dir.path()).mkdir("Tavo.ini"));
  EXPECT_FALSE(engine->SaveSettings());
  EXPECT_FALSE(engine->SaveSettings());
  ASSERT_EQ(toldOf(Action::SaveSettings), 1);
  EXPECT_EQ(told.last().path, engine->settingsPath());
  EXPECT_FALSE(told.last().reason.isEmpty());
  const QList<FileFailure> atQuit = engine->quitSave();
  ASSERT_EQ(atQuit.size(), 1);
  EXPECT_EQ(atQuit.first().action, Action::SaveSettings);
}

TEST_F(FileFailureTest, RateLogFailuresAreToldOnce) {
  writeFile("logs", "a file where the folder goes");
  writeIni({QStringLiteral("DetailedLog=1")});
  startWatching();
  EXPECT_EQ(toldOf(Action::MakeLogsFolder), 1);
  ticks(180);
  EXPECT_EQ(toldOf(Action::AppendLogLine), 1);
  EXPECT_TRUE(told.last().path.startsWith(path("logs") + "/"));
  EXPECT_FALSE(told.last().reason.isEmpty());
}

// What each write returns says what it did: a failure is never reported
// to its caller as a success, and a write that works says so.
struct WriteCase {
  const char* name;
  // Put in the way before the write: "name/" a folder under that name,
  // "name!" a plain file; empty: nothing in the way.
  const char* inTheWay;
  std::function<bool(FileFailureTest&)> write;
};

void PrintTo(const WriteCase& c, std::ostream* os) { *os << c.name; }

class WriteResultTest : public FileFailureTest, public ::testing::WithParamInterface<WriteCase> {
 public:
  using FileFailureTest::rateLog;
  using FileFailureTest::sessions;
  MonitorEngine& theEngine() { return *engine; }
};

TEST_P(WriteResultTest, EachWriteSaysWhetherItWorked) {
  const WriteCase& c = GetParam();
  startWatching();
  const QString inTheWay = QString::fromLatin1(c.inTheWay);
  if (inTheWay.endsWith(u'!')) {
    writeFile(inTheWay.chopped(1), "in the way");
  } else if (inTheWay.endsWith(u'/')) {
    QFile::remove(path(inTheWay.chopped(1)));
    ASSERT_TRUE(QDir(dir.path()).mkdir(inTheWay.chopped(1)));
  }
  const bool failing = !inTheWay.isEmpty();
  EXPECT_EQ(c.write(*this), !failing);
  EXPECT_EQ(told.isEmpty(), !failing) << "a failure is told, a success is not";
}

INSTANTIATE_TEST_SUITE_P(
    Writes, WriteResultTest,
    ::testing::Values(
        WriteCase{"logs_folder", "",
                  [](FileFailureTest& t) { return static_cast<WriteResultTest&>(t).rateLog().EnsureLogsFolder(); }},
        WriteCase{"logs_folder_over_a_file", "logs!",
                  [](FileFailureTest& t) { return static_cast<WriteResultTest&>(t).rateLog().EnsureLogsFolder(); }},
        WriteCase{"log_line", "",
                  [](FileFailureTest& t) {
                    RateLog& log = static_cast<WriteResultTest&>(t).rateLog();
                    log.StartNewLogFile(true);
                    return log.EnsureLogsFolder() && log.AppendLogLine(1, 2);
                  }},
        WriteCase{"log_line_without_its_folder", "logs!",
                  [](FileFailureTest& t) {
                    RateLog& log = static_cast<WriteResultTest&>(t).rateLog();
                    log.StartNewLogFile(true);
                    return log.AppendLogLine(1, 2);
                  }},
        WriteCase{"minute_write", "",
                  [](FileFailureTest& t) { return static_cast<WriteResultTest&>(t).sessions().WriteSessionStats(); }},
        WriteCase{"minute_write_over_a_folder", "session_stats.csv/",
                  [](FileFailureTest& t) { return static_cast<WriteResultTest&>(t).sessions().WriteSessionStats(); }},
        WriteCase{"settings", "",
                  [](FileFailureTest& t) { return static_cast<WriteResultTest&>(t).theEngine().SaveSettings(); }},
        WriteCase{"settings_over_a_folder", "Tavo.ini/",
                  [](FileFailureTest& t) { return static_cast<WriteResultTest&>(t).theEngine().SaveSettings(); }}),
    [](const ::testing::TestParamInfo<WriteCase>& info) { return std::string(info.param.name); });

TEST(FileFailureText, NamesTheFileAndTheReasonInTheLanguage) {
  const FileFailure f{Action::MoveSessionLines, "/opt/tavo/all_stats.csv", "Permission denied", {}};
  const QString en = fileFailureText(f, false);
  const QString fr = fileFailureText(f, true);
  for (const QString& text : {en, fr}) {
    EXPECT_TRUE(text.contains("/opt/tavo/all_stats.csv")) << text.toStdString();
    EXPECT_TRUE(text.contains("(Permission denied)")) << text.toStdString();
  }
  EXPECT_TRUE(en.contains("cannot add the closed sessions"));
  EXPECT_TRUE(fr.contains("ne peut pas ajouter les sessions"));
  const FileFailure aside{Action::KeptAside, "/opt/tavo/session_stats.csv", kNotSessionLines,
                          "/opt/tavo/session_stats.csv.bad-20261208-140530"};
  EXPECT_TRUE(fileFailureText(aside, false).contains("/opt/tavo/session_stats.csv.bad-20261208-140530"));
  EXPECT_TRUE(fileFailureText(aside, true).contains("(pas des lignes de session)"));
}

// What a kill left between the replacement's write and its rename goes at
// the next start; nothing else of that look does.
TEST_F(FileFailureTest, LeftOverTemporariesOfTheReplacementGoAtStartUp) {
  const QStringList leftOvers = {kSession + ".AbCdEf", kSession + ".qwerty", kSession + ".a1B2c3"};
  const QStringList others = {kSession + ".abcdefg", kSession + ".abcde", kSession + ".bad-20261208-140530",
                              "other.csv.AbCdEf",    "Tavo.ini.AbCdEf",   "x" + kSession + ".AbCdEf"};
  for (const QString& name : leftOvers + others) writeFile(name, "07/12/2026 10:00:00;07/12");
  ASSERT_TRUE(QDir(dir.path()).mkdir(kSession + ".FoLdEr"));
  ASSERT_EQ(::symlink("other.csv.AbCdEf", QFile::encodeName(path(kSession + ".LiNkEd")).constData()), 0);
  startWatching();
  for (const QString& name : leftOvers) EXPECT_FALSE(exists(name)) << name.toStdString();
  for (const QString& name : others) EXPECT_TRUE(exists(name)) << name.toStdString();
  EXPECT_TRUE(QFileInfo(path(kSession + ".FoLdEr")).isDir());
  EXPECT_TRUE(QFileInfo(path(kSession + ".LiNkEd")).isSymLink());
}

TEST_F(FileFailureTest, NothingIsRemovedWhenAnotherMonitorHoldsTheFolder) {
  writeFile(kSession + ".AbCdEf", "a replacement in progress");
  start();
  MonitorEngine second({dir.path(), &src, &clock, /*runTimer=*/false});
  writeFile(kSession + ".XyZxYz", "the first monitor's");
  EXPECT_FALSE(second.Main());
  EXPECT_TRUE(exists(kSession + ".XyZxYz"));
}

}  // namespace
}  // namespace tavo::monitor::testing
