#include "support/GuiTestGame.h"

#include <array>

#include "app/GameStateManager.h"
#include "graphics/SdlGraphics.h"
#include "gui/GameGUI.h"
#include "platform/InputStateSource.h"
#include "platform/SdlTimer.h"
#include "support/HeadlessServices.h"

using HeadlessServices::itemsOf;

namespace {
constexpr int32_t SCREEN_WIDTH = 1024;
constexpr int32_t SCREEN_HEIGHT = 768;

}  // namespace

class GuiTestGame::ScriptedInput : public InputStateSource {
 public:
  explicit ScriptedInput(GuiTestGame& owner) : owner(owner) {}
  void readKeys(std::array<bool, KeyCodes::COUNT>& down) override {
    down.fill(false);
    down[KeyCodes::LEFT_BUTTON] = owner.currentStep().leftDown;
  }
  MousePoint readMouse() override { return {owner.currentStep().x, owner.currentStep().y}; }
  bool isLeftButtonDown() override { return owner.currentStep().leftDown; }

 private:
  GuiTestGame& owner;
};

void GuiTestGame::LoggingHandler::handleButtonEvents(Game& game, const std::wstring& command) {
  vexmoor.handleButtonEvents(game, command);
  log.push_back({command, game.getStateManager()->getCurrentState()});
}

GuiTestGame::GuiTestGame() : theGame(std::make_unique<Game>()) {
  Game& owner = *theGame;
  auto timer = std::make_unique<SdlTimer>([this] { return clockMillis; }, [this](uint32_t millis) { clockMillis += millis; });
  HeadlessServices::install(owner, SCREEN_WIDTH, SCREEN_HEIGHT, std::make_unique<ScriptedInput>(*this), std::move(timer))
      .setColorKey(255, 0, 255);
  owner.setDataLoader(&dataLoader);
  owner.setInitCallback([](Game&) {});
  owner.setFrameCallback([this](Game& game) { onFrame(game); });
}

GuiTestGame::~GuiTestGame() {
  theGame->releaseServices();
  theGame.reset();
  if (!previousDirectory.empty()) std::filesystem::current_path(previousDirectory);
}

void GuiTestGame::loadShippedContent() {
  previousDirectory = std::filesystem::current_path();
  std::filesystem::current_path(VEXMOOR_ASSETS_DIR);
  dataLoader.loadLevelList(game(), L"data/levels/VexmoorGameLEVELSInit.txt");
  dataLoader.loadGUI(game(), L"data/GUI/VexmoorGameGUIInit.txt");
  registerHandler();
}

void GuiTestGame::registerHandler() { game().getGUI()->registerButtonEventHandler(&handler); }

void GuiTestGame::play(std::vector<Step> script) {
  steps = std::move(script);
  stepIndex = 0;
  game().runGameLoop();
}

const GuiTestGame::Step& GuiTestGame::currentStep() const {
  static const Step idle;
  return stepIndex < steps.size() ? steps[stepIndex] : idle;
}

void GuiTestGame::onFrame(Game& game) {
  recordedFrames.push_back({game.getStateManager()->getCurrentState(), itemsOf(*game.getGraphics()->getGUIRenderList())});
  if (const auto& afterFrame = currentStep().afterFrame) afterFrame(game);
  if (++stepIndex >= steps.size() && game.getStateManager()->isAppActive()) game.shutdown();
}

std::vector<RenderItem> GuiTestGame::guiItemsNow() {
  RenderList& list = *game().getGraphics()->getGUIRenderList();
  list.clear();
  game().getGUI()->addRenderItemsToRenderList(game());
  std::vector<RenderItem> items = itemsOf(list);
  list.clear();
  return items;
}
