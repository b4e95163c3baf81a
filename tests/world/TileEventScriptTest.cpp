#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "world/TileEventScript.h"

namespace {

namespace fs = std::filesystem;

class TileEventScriptTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = fs::temp_directory_path() / ("vexmoor_tile_events_" + std::to_string(::getpid()));
    fs::create_directories(folder);
  }
  void TearDown() override { fs::remove_all(folder); }

  std::string writeScript(const std::string& name, const std::string& source) {
    const fs::path path = folder / name;
    std::ofstream(path, std::ios::binary) << source;
    return path.string();
  }

  void expectMarkerAt(int32_t x, int32_t y) {
    EXPECT_EQ(script.getEventMarker()->x, x);
    EXPECT_EQ(script.getEventMarker()->y, y);
  }

  fs::path folder;
  TileEventScript script;
};

// Uses the libraries a level script may need, so the sandbox is shown not to get in the way.
const char* const levelScript = R"(
xCoors = {5, 12, 20}
yCoors = {3, 3, math.floor(9.5)}
paths = {}
for i = 1, 3 do table.insert(paths, string.format("textures/gui/objective%d.png", i)) end
)";

TEST_F(TileEventScriptTest, EventsMoveTheMarkerAndTheFourthRunEndsTheLevel) {
  const std::string path = writeScript("level.lua", levelScript);
  EXPECT_EQ(script.getObjectivePath(), L"");
  const struct {
    int32_t x, y;
  } expected[] = {{160, 96}, {384, 96}, {640, 288}};
  for (int32_t event = 1; event <= 3; ++event) {
    ASSERT_EQ(script.runScript(path), event);
    expectMarkerAt(expected[event - 1].x, expected[event - 1].y);
    EXPECT_EQ(script.getObjectivePath(), L"textures/gui/objective" + std::to_wstring(event) + L".png");
  }
  EXPECT_EQ(script.runScript(path), 4);
  expectMarkerAt(640, 288);
  EXPECT_EQ(script.getObjectivePath(), L"textures/gui/objective3.png");
  EXPECT_EQ(script.getEventMarker()->width, 32);
  EXPECT_EQ(script.getEventMarker()->alpha, 255);
}

TEST_F(TileEventScriptTest, GlobalsLastWithinALevelAndResetStartsAfresh) {
  const std::string path = writeScript("count.lua", R"(
runs = (runs or 0) + 1
xCoors = {runs, runs, runs}
yCoors = {0, 0, 0}
paths = {"a", "b", "c"}
)");
  OverlayImage* overlay = script.getObjectiveOverlay();
  script.runScript(path);
  script.runScript(path);
  expectMarkerAt(64, 0);
  OverlayImage* oldMarker = script.getEventMarker();

  script.reset();
  EXPECT_EQ(script.getEventCounter(), 0);
  EXPECT_EQ(script.getObjectivePath(), L"");
  EXPECT_NE(script.getEventMarker(), oldMarker);
  EXPECT_EQ(script.getObjectiveOverlay(), overlay);
  expectMarkerAt(0, 0);
  EXPECT_EQ(script.runScript(path), 1);
  expectMarkerAt(32, 0);
}

TEST_F(TileEventScriptTest, PathBytesAbove127AreWidenedUnchanged) {
  const std::string path = writeScript("bytes.lua", "xCoors={0,0,0} yCoors={0,0,0} paths={'\\128\\233\\255.png','',''}");
  script.runScript(path);
  EXPECT_EQ(script.getObjectivePath(), std::wstring(L"\x80\xE9\xFF.png"));
}

// Each broken script runs as the second event after a good first one: it must print one line
// naming the script, leave the marker and path of event 1 and still count as a run.
TEST_F(TileEventScriptTest, BrokenOrForbiddenScriptsFailSafely) {
  const std::string good = writeScript("good.lua", levelScript);
  const std::vector<std::pair<std::string, std::string>> broken = {
      {"endless.lua", "while true do end"},
      {"caught_endless.lua", "while true do pcall(function() while true do end end) end"},
      {"syntax.lua", "xCoors = {5, 12,"},
      {"runtime.lua", "local t = nil; t.x = 1"},
      {"os.lua", "os.execute('touch " + (folder / "escaped").string() + "')"},
      {"io.lua", "io.open('x', 'w')"},
      {"require.lua", "require('socket')"},
      {"dofile.lua", "dofile('good.lua')"},
      {"loadstring.lua", "loadstring(string.dump(print))()"},
      {"bytecode.lua", "\x1bLuaQ garbage"},
      {"no_tables.lua", "xCoors = nil; yCoors = nil; paths = nil"},
      {"wrong_types.lua", "xCoors = {1, 'far'} yCoors = {1, 2} paths = {'a', 'b'}"},
      {"huge.lua", "xCoors = {1, 1e300} yCoors = {1, 2} paths = {'a', 'b'}"},
      {"path_not_text.lua", "xCoors = {1, 2} yCoors = {1, 2} paths = {'a', {}}"},
      {"memory.lua", "hoard = {} for i = 1, 1e6 do hoard[i] = string.rep('x', 1e6) .. i end"},
  };
  for (const auto& [name, source] : broken) {
    SCOPED_TRACE(name);
    script.reset();
    script.runScript(good);
    const std::string path = writeScript(name, source);
    testing::internal::CaptureStderr();
    EXPECT_EQ(script.runScript(path), 2);
    const std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_NE(errors.find(path), std::string::npos) << errors;
    EXPECT_EQ(std::count(errors.begin(), errors.end(), '\n'), 1) << errors;
    expectMarkerAt(160, 96);
    EXPECT_EQ(script.getObjectivePath(), L"textures/gui/objective1.png");
  }
  EXPECT_FALSE(fs::exists(folder / "escaped"));
  // The state that ran out of memory is still usable for the level's next event.
  EXPECT_EQ(script.runScript(good), 3);
}

TEST_F(TileEventScriptTest, AMissingScriptCountsAsAFailedRun) {
  testing::internal::CaptureStderr();
  EXPECT_EQ(script.runScript((folder / "absent.lua").string()), 1);
  EXPECT_NE(testing::internal::GetCapturedStderr().find("absent.lua"), std::string::npos);
  expectMarkerAt(0, 0);
  EXPECT_EQ(script.getObjectivePath(), L"");
}

}  // namespace
