#include "platform/io/whole_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace marevisk {
namespace {

namespace fs = std::filesystem;

class WholeFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("marevisk-file-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }
    std::string path(const char* name) const { return (dir_ / name).string(); }
    int filesInDir() const {
        int n = 0;
        for ([[maybe_unused]] auto& e : fs::directory_iterator(dir_)) ++n;
        return n;
    }
    fs::path dir_;
};

TEST_F(WholeFileTest, WritesAndReadsBack) {
    const std::string bytes("a\0b\xff", 4);
    ASSERT_TRUE(WriteWholeFile(path("x.jpg"), bytes));
    EXPECT_EQ(ReadWholeFile(path("x.jpg")), bytes);
    EXPECT_EQ(filesInDir(), 1) << "no temporary file left behind";
}

TEST_F(WholeFileTest, ReadingNothingGivesNothingAndSaysWhy) {
    std::string reason;
    EXPECT_EQ(ReadWholeFile(path("missing"), &reason), "");
    EXPECT_FALSE(reason.empty());
    EXPECT_EQ(ReadWholeFile("", &reason), "");
    EXPECT_EQ(ReadWholeFile(dir_.string(), &reason), "") << "a folder";
    std::ofstream(path("empty")).close();
    EXPECT_EQ(ReadWholeFile(path("empty"), &reason), "");
}

TEST_F(WholeFileTest, AFailedWriteCreatesNothingAndKeepsTheOldFile) {
    std::string reason;
    EXPECT_FALSE(WriteWholeFile(path("no/such/folder/x.jpg"), "data", &reason));
    EXPECT_FALSE(reason.empty());
    EXPECT_FALSE(fs::exists(path("no")));
    EXPECT_FALSE(WriteWholeFile("", "data"));

    ASSERT_TRUE(WriteWholeFile(path("keep.jpg"), "old content"));
    fs::create_directory(path("keep.jpg.dir"));
    // Renaming over a folder fails: the old file must be untouched and no temporary file stay.
    EXPECT_FALSE(WriteWholeFile(path("keep.jpg.dir"), "new content"));
    EXPECT_EQ(ReadWholeFile(path("keep.jpg")), "old content");
    EXPECT_EQ(filesInDir(), 2);
}

TEST_F(WholeFileTest, ReplacingSwapsTheWholeFileAtOnce) {
    ASSERT_TRUE(WriteWholeFile(path("p.jpg"), std::string(1000, 'o')));
    ASSERT_TRUE(WriteWholeFile(path("p.jpg"), "new"));
    EXPECT_EQ(ReadWholeFile(path("p.jpg")), "new");
}

}  // namespace
}  // namespace marevisk
