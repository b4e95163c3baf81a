#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/Game.h"
#include "graphics/RenderList.h"
#include "gui/Button.h"
#include "gui/ButtonEventHandler.h"
#include "gui/ScreenGUI.h"

namespace {

struct RecordingHandler : ButtonEventHandler {
  void handleButtonEvents(Game&, const std::wstring& command) override { commands.push_back(command); }
  std::vector<std::wstring> commands;
};

std::unique_ptr<Button> newButton(int32_t x, int32_t y, int32_t width, int32_t height, const std::wstring& command,
                                  uint32_t normalId = 1, uint32_t mouseOverId = 2) {
  auto button = std::make_unique<Button>();
  button->initButton(normalId, mouseOverId, x, y, 3, 200, width, height, false, command);
  return button;
}

TEST(Button, BothEdgesOfTheRectangleCountAsInside) {
  struct Case {
    int32_t x, y;
    bool over;
  };
  // x 100 width 50, y 200 height 40.
  const std::vector<Case> cases = {{100, 200, true}, {150, 240, true},  {125, 220, true}, {151, 220, false},
                                   {99, 220, false}, {125, 241, false}, {125, 199, false}, {151, 241, false}};
  auto button = newButton(100, 200, 50, 40, L"Start");
  for (const Case& c : cases) {
    button->updateMouseOver(c.x, c.y);
    EXPECT_EQ(button->isMouseOver(), c.over) << c.x << "," << c.y;
  }
}

TEST(Button, FiresItsCommandOnlyWithAHandler) {
  Game game;
  RecordingHandler handler;
  auto button = newButton(0, 0, 10, 10, L"Go To About Menu");
  button->fireEvent(game);
  EXPECT_TRUE(handler.commands.empty());
  button->setEventHandler(&handler);
  button->fireEvent(game);
  EXPECT_EQ(handler.commands, std::vector<std::wstring>{L"Go To About Menu"});
}

TEST(ScreenGUI, OnlyTheFirstButtonUnderTheMouseFires) {
  Game game;
  RecordingHandler handler;
  ScreenGUI screen;
  screen.addButton(newButton(500, 500, 20, 20, L"Elsewhere"));
  screen.addButton(newButton(100, 100, 50, 50, L"First"));
  screen.addButton(newButton(120, 120, 50, 50, L"Second"));
  screen.registerButtonEventHandler(&handler);

  screen.updateMouseOver(130, 130);
  EXPECT_TRUE(screen.fireButtonCommand(game));
  EXPECT_EQ(handler.commands, std::vector<std::wstring>{L"First"});

  screen.updateMouseOver(160, 160);
  EXPECT_TRUE(screen.fireButtonCommand(game));
  EXPECT_EQ(handler.commands.back(), L"Second");
}

TEST(ScreenGUI, AClickOnEmptySpaceFiresNothing) {
  Game game;
  RecordingHandler handler;
  ScreenGUI screen;
  screen.addButton(newButton(100, 100, 50, 50, L"Start"));
  screen.registerButtonEventHandler(&handler);
  screen.updateMouseOver(10, 10);
  EXPECT_FALSE(screen.fireButtonCommand(game));
  EXPECT_TRUE(handler.commands.empty());
}

TEST(ScreenGUI, DrawsImagesThenButtonsWithTheMouseOverImageUnderTheMouse) {
  ScreenGUI screen;
  auto owned = std::make_unique<OverlayImage>(OverlayImage{7, 1, 2, 3, 255, 40, 30});
  OverlayImage shared{8, 0, 0, 0, 128, 10, 10};
  screen.addButton(newButton(100, 100, 50, 50, L"A", 11, 12));
  screen.addOverlayImage(std::move(owned));
  screen.addButton(newButton(300, 100, 50, 50, L"B", 21, 22));
  screen.addOverlayImage(shared);
  screen.updateMouseOver(320, 120);
  // A shared image shows what its owner puts into it later.
  shared.imageId = 9;
  shared.x = 44;

  RenderList list(10);
  screen.addRenderItemsToRenderList(list);
  std::vector<uint32_t> ids;
  list.resetIterator();
  while (list.hasNext()) ids.push_back(list.next().textureId);
  EXPECT_EQ(ids, (std::vector<uint32_t>{7, 9, 11, 22}));

  list.resetIterator();
  const RenderItem first = list.next();
  EXPECT_EQ(first.x, 1);
  EXPECT_EQ(first.y, 2);
  EXPECT_EQ(first.z, 3);
  EXPECT_EQ(first.width, 40);
  EXPECT_EQ(first.height, 30);
  EXPECT_EQ(list.next().x, 44);
  const RenderItem button = list.next();
  EXPECT_EQ(button.z, 3);
  EXPECT_EQ(button.alpha, 200);
  EXPECT_EQ(button.width, 50);
}

}  // namespace
