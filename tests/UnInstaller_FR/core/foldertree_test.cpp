// Removing a folder tree on real temporary folders: order of the log,
// links, hidden entries, folders that stay, and the folders that are
// never removed.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <QFile>

#include "UnInstaller_FR/core/foldertree.h"
#include "tests/UnInstaller_FR/uninstall_test_util.h"

using namespace tavo::uninstall;
using namespace tavo::uninstall::testing;

namespace {

class FolderTreeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(user.isValid());
    tree = user.home() + "/Programmes/Tavo 3";
    ASSERT_TRUE(QDir().mkpath(tree));
    ops.log = [this](const QString& line) { log << line; };
    ops.letEventsRun = [this] { return ++eventRuns <= eventBudget; };
  }
  bool deleteTree(const QString& folder) { return DeleteFolderTree(folder, ops, ProtectedFolders::forCurrentUser()); }

  FakeUser user;
  QString tree;
  TreeOps ops;
  QStringList log;
  int eventRuns = 0;
  int eventBudget = 1 << 30;
};

TEST_F(FolderTreeTest, SubfoldersFirstThenEveryFileThenTheFolder) {
  writeFile(tree + "/a.txt");
  QFile::setPermissions(tree + "/a.txt", QFile::ReadOwner);
  writeFile(tree + "/.hidden");
  writeFile(tree + "/sub/x");
  writeFile(tree + "/sub/deeper/y");
  ASSERT_EQ(0, ::mkfifo(QFile::encodeName(tree + "/pipe").constData(), 0600));

  EXPECT_TRUE(deleteTree(tree));
  EXPECT_FALSE(QFileInfo::exists(tree));
  EXPECT_TRUE(QFileInfo(QFileInfo(tree).path()).isDir());
  EXPECT_EQ(
      log, QStringList({"delete : " + tree + "/sub/deeper/y", "*** remove : " + tree + "/sub/deeper",
                        "delete : " + tree + "/sub/x", "*** remove : " + tree + "/sub", "delete : " + tree + "/.hidden",
                        "delete : " + tree + "/a.txt", "delete : " + tree + "/pipe", "*** remove : " + tree}));
}

TEST_F(FolderTreeTest, ATrailingSlashGivesTheSameResult) {
  writeFile(tree + "/sub/x");
  EXPECT_TRUE(deleteTree(tree + "/"));
  EXPECT_FALSE(QFileInfo::exists(tree));
  EXPECT_EQ(log, QStringList({"delete : " + tree + "/sub/x", "*** remove : " + tree + "/sub", "*** remove : " + tree}));
}

TEST_F(FolderTreeTest, LinksAreRemovedAsLinksAtAnyDepth) {
  const QString outside = user.root() + "/outside";
  writeFile(outside + "/precious/file", "keep");
  writeFile(outside + "/single", "keep");
  const auto before = snapshot(outside);
  ASSERT_TRUE(QDir().mkpath(tree + "/sub/deep"));
  ASSERT_TRUE(QFile::link(outside, tree + "/to-folder"));
  ASSERT_TRUE(QFile::link(outside + "/precious", tree + "/sub/deep/to-folder"));
  ASSERT_TRUE(QFile::link(outside + "/single", tree + "/sub/to-file"));
  ASSERT_TRUE(QFile::link(outside + "/nothing-here", tree + "/dangling"));
  ASSERT_TRUE(QFile::link(user.home(), tree + "/.home"));

  EXPECT_TRUE(deleteTree(tree));
  EXPECT_FALSE(QFileInfo::exists(tree));
  EXPECT_EQ(snapshot(outside), before);
  EXPECT_TRUE(QFileInfo(user.home() + "/Programmes").isDir());
  EXPECT_TRUE(log.contains("delete : " + tree + "/sub/deep/to-folder"));
  EXPECT_TRUE(log.contains("delete : " + tree + "/dangling"));
}

TEST_F(FolderTreeTest, AHiddenSubfolderIsNotEnteredAndKeepsItsFolder) {
  writeFile(tree + "/.cache/kept");
  writeFile(tree + "/file");
  EXPECT_TRUE(deleteTree(tree));
  EXPECT_TRUE(QFileInfo::exists(tree + "/.cache/kept"));
  EXPECT_FALSE(QFileInfo::exists(tree + "/file"));
  // The folder stays, and the log says so rather than "*** remove".
  EXPECT_EQ(log, QStringList({"delete : " + tree + "/file", "*** conservé : " + tree}));
}

TEST_F(FolderTreeTest, AFolderThatStaysIsPassedOnceAndTheNextOneGoes) {
  writeFile(tree + "/a/.keep/x");
  writeFile(tree + "/b/y");
  writeFile(tree + "/c/z");
  EXPECT_TRUE(deleteTree(tree));
  EXPECT_TRUE(QFileInfo::exists(tree + "/a/.keep/x"));
  EXPECT_FALSE(QFileInfo::exists(tree + "/b"));
  EXPECT_FALSE(QFileInfo::exists(tree + "/c"));
  EXPECT_EQ(log,
            QStringList({"*** conservé : " + tree + "/a", "delete : " + tree + "/b/y", "*** remove : " + tree + "/b",
                         "delete : " + tree + "/c/z", "*** remove : " + tree + "/c", "*** conservé : " + tree}));
}

TEST_F(FolderTreeTest, AFolderThatDoesNotExistDeletesNothing) {
  EXPECT_TRUE(deleteTree(user.home() + "/.local/share/applications/Tavo"));
  EXPECT_TRUE(log.isEmpty()) << log.join(" | ").toStdString();
}

TEST_F(FolderTreeTest, AStandardFolderInsideTheTreeStays) {
  writeFile(user.home() + "/.local/share/mine", "keep");
  writeFile(user.home() + "/.local/lib/x");
  EXPECT_TRUE(deleteTree(user.home() + "/.local"));
  EXPECT_TRUE(QFileInfo::exists(user.home() + "/.local/share/mine"));
  EXPECT_FALSE(QFileInfo::exists(user.home() + "/.local/lib"));
  EXPECT_TRUE(log.contains("*** refusé : " + user.home() + "/.local/share (dossier protégé)"));
}

TEST_F(FolderTreeTest, StopsWhereTheProgramEnded) {
  writeFile(tree + "/a");
  writeFile(tree + "/b");
  eventBudget = 2;  // the first file, then the end
  EXPECT_FALSE(deleteTree(tree));
  EXPECT_FALSE(QFileInfo::exists(tree + "/a"));
  EXPECT_TRUE(QFileInfo::exists(tree + "/b"));
  EXPECT_EQ(log, QStringList{"delete : " + tree + "/a"});
}

// Folders a record may name but that are never deleted, however written.
struct RefusalCase {
  const char* name;
  QString (*folder)(const FakeUser& user);
  const char* reason;  // the end of the log line
};
void PrintTo(const RefusalCase& c, std::ostream* os) { *os << c.name; }

class RefusedFolders : public FolderTreeTest, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(RefusedFolders, NothingIsDeletedAndOneLineSaysSo) {
  const RefusalCase& c = GetParam();
  for (const char* path : {"Desktop/Tavo.desktop", "Documents/letter.txt", "Downloads/file", "Music/song",
                           "Pictures/photo", "Videos/film", ".local/share/data", ".config/settings", "notes"})
    writeFile(user.home() + '/' + path, "mine");
  ASSERT_TRUE(QFile::link(user.home(), user.root() + "/link-to-home"));
  const auto before = snapshot(user.root());
  const QString folder = c.folder(user);

  EXPECT_TRUE(deleteTree(folder));
  EXPECT_EQ(snapshot(user.root()), before);
  ASSERT_EQ(log.size(), 1) << log.join(" | ").toStdString();
  EXPECT_TRUE(log.first().startsWith("*** refusé : " + folder)) << log.first().toStdString();
  EXPECT_TRUE(log.first().endsWith(QString::fromUtf8(c.reason))) << log.first().toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Records, RefusedFolders,
    ::testing::Values(
        RefusalCase{"Empty", [](const FakeUser&) { return QString(); }, "aucun dossier indiqué"},
        RefusalCase{"Relative", [](const FakeUser&) { return QString("Programmes/Tavo 3"); }, "(chemin relatif)"},
        RefusalCase{"Root", [](const FakeUser&) { return QString("/"); }, "(dossier protégé)"},
        RefusalCase{"RootTwice", [](const FakeUser&) { return QString("//"); }, "(dossier protégé)"},
        RefusalCase{"Home", [](const FakeUser& u) { return u.home(); }, "(dossier protégé)"},
        RefusalCase{"HomeWithASlash", [](const FakeUser& u) { return u.home() + "/"; }, "(dossier protégé)"},
        RefusalCase{"AboveHome", [](const FakeUser& u) { return u.root(); }, "(dossier protégé)"},
        RefusalCase{"HomeThroughALink", [](const FakeUser& u) { return u.root() + "/link-to-home"; },
                    "(dossier protégé)"},
        RefusalCase{"HomeByADetour", [](const FakeUser& u) { return u.home() + "/Documents/.."; }, "(dossier protégé)"},
        RefusalCase{"Desktop", [](const FakeUser& u) { return u.home() + "/Desktop"; }, "(dossier protégé)"},
        RefusalCase{"Documents", [](const FakeUser& u) { return u.home() + "/Documents"; }, "(dossier protégé)"},
        RefusalCase{"Downloads", [](const FakeUser& u) { return u.home() + "/Downloads"; }, "(dossier protégé)"},
        RefusalCase{"Music", [](const FakeUser& u) { return u.home() + "/Music"; }, "(dossier protégé)"},
        RefusalCase{"Pictures", [](const FakeUser& u) { return u.home() + "/Pictures"; }, "(dossier protégé)"},
        RefusalCase{"Videos", [](const FakeUser& u) { return u.home() + "/Videos"; }, "(dossier protégé)"},
        RefusalCase{"Data", [](const FakeUser& u) { return u.home() + "/.local/share"; }, "(dossier protégé)"},
        RefusalCase{"Config", [](const FakeUser& u) { return u.home() + "/.config/"; }, "(dossier protégé)"},
        RefusalCase{"Applications", [](const FakeUser& u) { return u.home() + "/.local/share/applications"; },
                    "(dossier protégé)"},
        RefusalCase{"Autostart", [](const FakeUser& u) { return u.home() + "/.config/autostart"; },
                    "(dossier protégé)"},
        RefusalCase{"ALinkToAFolder", [](const FakeUser& u) { return u.root() + "/link-to-home/Documents"; },
                    "(dossier protégé)"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FolderTreeTest, ALinkNamedAsTheTreeIsRefused) {
  writeFile(user.root() + "/elsewhere/file", "keep");
  ASSERT_TRUE(QFile::link(user.root() + "/elsewhere", user.home() + "/Programmes/Linked"));
  EXPECT_TRUE(deleteTree(user.home() + "/Programmes/Linked"));
  EXPECT_TRUE(QFileInfo::exists(user.root() + "/elsewhere/file"));
  EXPECT_TRUE(QFileInfo(user.home() + "/Programmes/Linked").isSymbolicLink());
  EXPECT_EQ(log, QStringList{"*** refusé : " + user.home() + "/Programmes/Linked (lien symbolique)"});
}

}  // namespace
