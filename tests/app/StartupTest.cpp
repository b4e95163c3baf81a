#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/ContentFolder.h"
#include "data/VexmoorDataLoader.h"

namespace {

namespace fs = std::filesystem;

struct StartupTest : testing::Test {
  // One folder per test: CTest runs tests in parallel processes.
  fs::path folder = fs::temp_directory_path() /
                    (std::string("vexmoor_startup_") + testing::UnitTest::GetInstance()->current_test_info()->name());
  fs::path previous = fs::current_path();
  void SetUp() override {
    fs::remove_all(folder);
    fs::create_directories(folder / "data");
  }
  void TearDown() override {
    fs::current_path(previous);
    fs::remove_all(folder);
  }
  void writeConfiguration(const std::string& content) { std::ofstream(folder / "data/VexmoorGameInit.txt") << content; }
  bool check() {
    testing::internal::CaptureStderr();
    const bool usable = VexmoorDataLoader::checkGameConfiguration((folder / "data/VexmoorGameInit.txt").wstring());
    error = testing::internal::GetCapturedStderr();
    return usable;
  }
  std::string error;
};

TEST_F(StartupTest, AConfigurationNeedsAPositiveScreenSize) {
  struct Case {
    std::string content;
    bool usable;
  };
  const std::vector<Case> cases = {{"SCREEN_WIDTH:640\nSCREEN_HEIGHT:480\n", true},
                                   {"SCREEN_WIDTH:0\nSCREEN_HEIGHT:480\n", false},
                                   {"SCREEN_WIDTH:640\n", false},
                                   {"SCREEN_WIDTH:-640\nSCREEN_HEIGHT:480\n", false}};
  for (const Case& c : cases) {
    writeConfiguration(c.content);
    EXPECT_EQ(check(), c.usable) << c.content;
    if (!c.usable) {
      EXPECT_NE(error.find("VexmoorGameInit.txt"), std::string::npos);
      EXPECT_EQ(std::count(error.begin(), error.end(), '\n'), 1);
    }
  }
}

TEST_F(StartupTest, AMissingConfigurationIsOneLineNamingIt) {
  EXPECT_FALSE(check());
  EXPECT_NE(error.find("VexmoorGameInit.txt"), std::string::npos);
  EXPECT_EQ(std::count(error.begin(), error.end(), '\n'), 1);
}

TEST_F(StartupTest, TheWorkingDirectoryWinsOverTheBuiltInContent) {
  writeConfiguration("SCREEN_WIDTH:640\nSCREEN_HEIGHT:480\n");
  fs::current_path(folder);
  EXPECT_TRUE(ContentFolder::enter("data/VexmoorGameInit.txt", "/nonexistent"));
  EXPECT_EQ(fs::current_path(), fs::canonical(folder));
}

TEST_F(StartupTest, WithoutLocalContentTheGameEntersItsContentFolder) {
  writeConfiguration("SCREEN_WIDTH:640\nSCREEN_HEIGHT:480\n");
  fs::current_path(fs::temp_directory_path());
  EXPECT_TRUE(ContentFolder::enter("data/VexmoorGameInit.txt", folder.string()));
  EXPECT_EQ(fs::current_path(), fs::canonical(folder));

  fs::current_path(fs::temp_directory_path());
  testing::internal::CaptureStderr();
  EXPECT_FALSE(ContentFolder::enter("data/VexmoorGameInit.txt", "/nonexistent/vexmoor"));
  EXPECT_NE(testing::internal::GetCapturedStderr().find("/nonexistent/vexmoor"), std::string::npos);
}

}  // namespace
