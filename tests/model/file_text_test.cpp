#include "model/file_text.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>

namespace wavora {
namespace {

namespace fs = std::filesystem;

// A fresh folder for each test, removed afterwards.
class FileText : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ =
        fs::path(::testing::TempDir()) / ("wavora_file_text_" + std::to_string(::getpid()) + "_" +
                                          ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder_);
    fs::create_directories(folder_ / "lessons");
    fs::create_directories(folder_ / "links");
  }
  void TearDown() override { fs::remove_all(folder_); }
  std::string Path(const std::string& name) const { return (folder_ / name).string(); }

  fs::path folder_;
};

mode_t Mode(const std::string& path) {
  struct stat info {};
  EXPECT_EQ(::stat(path.c_str(), &info), 0);
  return info.st_mode & 07777;
}

TEST_F(FileText, SavingThroughLinksChangesTheLinkedFileAndKeepsLinksAndPermissions) {
  const std::string lesson = Path("lessons/waves.wvr");
  WriteFileText(lesson, "old");
  ASSERT_EQ(::chmod(lesson.c_str(), 0640), 0);
  // A relative link to a relative link: each counts from its own folder.
  fs::create_symlink("../lessons/waves.wvr", Path("links/inner.wvr"));
  fs::create_symlink("inner.wvr", Path("links/outer.wvr"));

  WriteFileText(Path("links/outer.wvr"), "new");
  EXPECT_EQ(ReadFileText(lesson), "new");
  EXPECT_TRUE(fs::is_symlink(Path("links/outer.wvr")));
  EXPECT_TRUE(fs::is_symlink(Path("links/inner.wvr")));
  EXPECT_EQ(Mode(lesson), 0640u);
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_ / "lessons"), fs::directory_iterator()), 1);

  // A link to a file not made yet makes it.
  fs::create_symlink("../lessons/later.wvr", Path("links/later.wvr"));
  WriteFileText(Path("links/later.wvr"), "made");
  EXPECT_EQ(ReadFileText(Path("lessons/later.wvr")), "made");
  EXPECT_TRUE(fs::is_symlink(Path("links/later.wvr")));

  fs::create_symlink("loop.wvr", Path("links/loop.wvr"));
  EXPECT_THROW(WriteFileText(Path("links/loop.wvr"), "x"), TFileError);
}

// A name so long that the temporary name beside it cannot be made stands for a folder without write
// permission (which the tests, perhaps run as root, cannot rely on): the file is written in place.
TEST_F(FileText, WithoutRoomForATemporaryFileTheFileIsWrittenInPlace) {
  const std::string lesson = Path("lessons/" + std::string(250, 'w'));
  WriteFileText(lesson, "first version, longer");
  ASSERT_EQ(::chmod(lesson.c_str(), 0604), 0);
  WriteFileText(lesson, "second");
  EXPECT_EQ(ReadFileText(lesson), "second");
  EXPECT_EQ(Mode(lesson), 0604u);
}

// With a file-size limit below the new text, both ways of saving fail, say so, and leave the old text.
TEST_F(FileText, ASaveThatDoesNotFitFailsAndKeepsTheOldText) {
  for (const std::string& name : {std::string("lessons/short.wvr"), "lessons/" + std::string(250, 'w')}) {
    const std::string lesson = Path(name);
    WriteFileText(lesson, "the old lesson");
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 1000;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    EXPECT_THROW(WriteFileText(lesson, std::string(5000, 'n')), TFileError) << name;
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_EQ(ReadFileText(lesson), "the old lesson") << name;
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_ / "lessons"), fs::directory_iterator()), 1);
    fs::remove(lesson);
  }
}

}  // namespace
}  // namespace wavora
