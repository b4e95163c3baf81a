#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "support/RenderTestGame.h"
#include "graphics/SdlTextureManager.h"
#include "graphics/WStringTable.h"
#include "data/WideText.h"

namespace {

TEST(WStringTableTest, IdsAreFirstRegistrationPositionsAndClearStartsAgain) {
  WStringTable table;
  EXPECT_EQ(table.putStringInTable(L"a"), 0u);
  EXPECT_EQ(table.putStringInTable(L"b"), 1u);
  EXPECT_EQ(table.putStringInTable(L"a"), 0u);
  EXPECT_EQ(table.indexOf(L"A"), WStringTable::NOT_FOUND);  // case-sensitive
  EXPECT_FALSE(table.isInTable(L"A"));
  EXPECT_TRUE(table.isInTable(L"b"));
  EXPECT_EQ(table.getStringFromIndex(1), L"b");
  table.clear();
  EXPECT_FALSE(table.isInTable(L"a"));
  EXPECT_EQ(table.putStringInTable(L"b"), 0u);
}

class TextureManagerTest : public ::testing::Test {
 protected:
  SdlTextureManager& world() { return static_cast<SdlTextureManager&>(*scene.graphics().getWorldTextureManager()); }
  SdlTextureManager& gui() { return static_cast<SdlTextureManager&>(*scene.graphics().getGUITextureManager()); }

  RenderTestGame scene;
};

TEST_F(TextureManagerTest, IdsFollowFirstLoadAndRestartAfterClear) {
  const std::wstring a = scene.writeImage("a.png", 4, 4, 0xFFFF0000);
  const std::wstring b = scene.writeImage("b.png", 4, 4, 0xFF00FF00);
  EXPECT_EQ(world().loadTexture(a), 0u);
  EXPECT_EQ(world().loadTexture(b), 1u);
  EXPECT_EQ(world().loadTexture(a), 0u);
  // The two managers count independently.
  EXPECT_EQ(gui().loadTexture(b), 0u);
  world().clearAllTextures();
  EXPECT_EQ(world().getTexture(0), nullptr);
  EXPECT_EQ(world().loadTexture(b), 0u);
  EXPECT_NE(world().getTexture(0), nullptr);
}

TEST_F(TextureManagerTest, BadImagesFailWithOneLineAndRegisterNothing) {
  const std::wstring good = scene.writeImage("good.png", 4, 4, 0xFFFF0000);
  const std::filesystem::path notImage = scene.folder() / "notes.png";
  std::ofstream(notImage) << "not an image";
  for (const std::wstring& bad : {std::wstring(L"/nonexistent/missing.png"), notImage.wstring()}) {
    testing::internal::CaptureStderr();
    EXPECT_EQ(world().loadTexture(bad), TextureManager::FAILED_LOAD);
    const std::string message = testing::internal::GetCapturedStderr();
    EXPECT_NE(message.find(WideText::narrow(bad)), std::string::npos) << message;
    EXPECT_EQ(std::count(message.begin(), message.end(), '\n'), 1) << message;
  }
  EXPECT_EQ(world().getPathTable().size(), 0u);
  EXPECT_EQ(world().loadTexture(good), 0u);
  EXPECT_EQ(world().getTexture(TextureManager::FAILED_LOAD), nullptr);
}

TEST_F(TextureManagerTest, ReloadMakesNewTexturesUnderTheSameIds) {
  const std::wstring z = scene.writeImage("z.png", 4, 4, 0xFFFF0000);
  const std::wstring a = scene.writeImage("a.png", 4, 4, 0xFF00FF00);
  ASSERT_EQ(world().loadTexture(z), 0u);
  ASSERT_EQ(world().loadTexture(a), 1u);
  world().reloadAllTextures();
  EXPECT_EQ(world().getPathTable().getStringFromIndex(0), z);
  EXPECT_EQ(world().getPathTable().getStringFromIndex(1), a);
  EXPECT_EQ(world().getPathTable().size(), 2u);
  EXPECT_NE(world().getTexture(0), nullptr);
  EXPECT_NE(world().getTexture(1), nullptr);
}

}  // namespace
