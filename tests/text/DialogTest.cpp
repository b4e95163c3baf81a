#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "support/HeadlessGame.h"
#include "app/GameStateManager.h"
#include "gui/GameGUI.h"
#include "sprites/AnimatedSprite.h"
#include "sprites/SpriteManager.h"
#include "text/Dialog.h"
#include "text/GameText.h"
#include "text/TextGenerator.h"

namespace {

namespace fs = std::filesystem;

class DialogTest : public ::testing::Test {
 protected:
  void TearDown() override { fs::remove(chatPath); }

  void loadChat(const std::string& content) {
    std::ofstream(chatPath, std::ios::binary) << content;
    dialog().loadChatLines(headless.game, chatPath.wstring());
  }
  Dialog& dialog() { return headless.game.getText()->getDialog(); }
  TextGenerator& generator() { return *headless.game.getText()->getTextGenerator(); }
  TextEntry& entry(const std::wstring& name) {
    return headless.game.getText()->getTextEntry(static_cast<size_t>(generator().getNamedTextEntry(name)));
  }
  std::wstring boxLine(int line) { return generator().getNamedText(L"dialog" + std::to_wstring(line)); }
  void expectBox(const std::wstring (&lines)[4]) {
    for (int line = 0; line < 4; ++line) EXPECT_EQ(boxLine(line), lines[line]) << "box line " << line;
  }
  void fadeAll(const std::wstring& prefix, int count) {
    for (int line = 0; line < count; ++line) entry(prefix + std::to_wstring(line)).alpha = 10;
  }

  HeadlessGame headless{800, 600};
  fs::path chatPath = fs::temp_directory_path() / ("vexmoor_chat_" + std::to_string(::getpid()) + ".txt");
};

TEST_F(DialogTest, ChatLinesSkipTheFirstLineAndStartAgainAfterTheLast) {
  loadChat("A\nB\nC");
  EXPECT_EQ(dialog().getChatLines(), (std::vector<std::wstring>{L"B", L"C"}));
  dialog().sayNextChatLine(headless.game);
  expectBox({L"", L"", L"", L"B"});
  dialog().sayNextChatLine(headless.game);
  expectBox({L"", L"", L"B", L"C"});
  dialog().sayNextChatLine(headless.game);
  expectBox({L"", L"B", L"C", L"B"});
}

TEST_F(DialogTest, TheBoxSitsAtItsPlaceInChatColourAndTheFifthLinePushesOutTheOldest) {
  loadChat("header\r\n");
  for (int line = 0; line < 4; ++line) {
    const TextEntry& box = entry(L"dialog" + std::to_wstring(line));
    EXPECT_EQ(box.x, 300);
    EXPECT_EQ(box.y, 33 + 20 * line);
  }
  for (const wchar_t* text : {L"one", L"two", L"three", L"four"}) dialog().addDialogLine(headless.game, text);
  expectBox({L"one", L"two", L"three", L"four"});
  fadeAll(L"dialog", 4);
  dialog().addDialogLine(headless.game, L"five");
  expectBox({L"two", L"three", L"four", L"five"});
  for (int line = 0; line < 4; ++line) {
    const TextEntry& box = entry(L"dialog" + std::to_wstring(line));
    EXPECT_EQ(box.alpha, 255) << "a line that moved lights up again";
    EXPECT_EQ(box.red, 255);
    EXPECT_EQ(box.green, 76);
    EXPECT_EQ(box.blue, 80);
  }
}

TEST_F(DialogTest, LinesThatStayTheSameKeepFading) {
  loadChat("header");
  for (int i = 0; i < 4; ++i) dialog().addDialogLine(headless.game, L"same");
  fadeAll(L"dialog", 4);
  dialog().addDialogLine(headless.game, L"same");
  for (int line = 0; line < 4; ++line) EXPECT_EQ(entry(L"dialog" + std::to_wstring(line)).alpha, 10);
}

TEST_F(DialogTest, AFinalLineBreakGivesAnEmptyChatLine) {
  loadChat("header\nfirst\n");
  EXPECT_EQ(dialog().getChatLines(), (std::vector<std::wstring>{L"first", L""}));
}

TEST_F(DialogTest, AChatLineEqualToTheEndMarkerStopsTheBoxForGood) {
  loadChat("header\nfirst\n" + std::string(Dialog::END_MARKER.begin(), Dialog::END_MARKER.end()) + "\nlast");
  for (int i = 0; i < 4; ++i) dialog().sayNextChatLine(headless.game);
  expectBox({L"", L"", L"", L"first"});
}

TEST_F(DialogTest, AMissingChatFileSaysNothingAndTheBoxStillExists) {
  testing::internal::CaptureStderr();
  dialog().loadChatLines(headless.game, L"no/such/ZombieChat.txt");
  EXPECT_NE(testing::internal::GetCapturedStderr().find("no/such/ZombieChat.txt"), std::string::npos);
  dialog().sayNextChatLine(headless.game);
  EXPECT_TRUE(dialog().getChatLines().empty());
  EXPECT_TRUE(generator().hasNamedText(L"dialog3"));
  expectBox({L"", L"", L"", L""});
}

TEST_F(DialogTest, PlayerMessageSitsAboveThePlayerAndLightsUpEachTime) {
  SpriteProperties& player = headless.game.getStateManager()->getSpriteManager()->getPlayer().getProperties();
  player.x = 500.0f;
  player.y = 400.0f;
  Viewport& viewport = headless.game.getGUI()->getViewport();
  viewport.setViewportX(100);
  viewport.setViewportY(50);
  dialog().showPlayerDialog(headless.game, L"Out of ammo!!", 255, 255, 255, 255);
  TextEntry& message = entry(L"playerDialog");
  EXPECT_EQ(generator().getNamedText(L"playerDialog"), L"Out of ammo!!");
  EXPECT_EQ(message.x, 280);
  EXPECT_EQ(message.y, 300);
  EXPECT_EQ(message.width, 208);
  EXPECT_EQ(message.height, 20);
  message.alpha = 40;
  dialog().showPlayerDialog(headless.game, L"Out of ammo!!", 255, 255, 255, 255);
  EXPECT_EQ(message.alpha, 255);
}

TEST_F(DialogTest, SpriteMessagePositionIsTruncatedTowardZero) {
  AnimatedSprite bot;
  bot.getProperties().x = 10.5f;
  bot.getProperties().y = 40.0f;
  dialog().showSpriteDialog(headless.game, bot, L"Argh......", 255, 50, 40, 255);
  const TextEntry& message = entry(L"spriteDialog");
  EXPECT_EQ(message.x, -19);  // 10.5 - 3 * 10 = -19.5
  EXPECT_EQ(message.y, 10);
  EXPECT_EQ(message.green, 50);
}

}  // namespace
