#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/Game.h"
#include "text/GameText.h"
#include "text/TextGenerator.h"

namespace {

// The named-text operations are the base's; the game's generator adds only the HUD.
class PlainGenerator : public TextGenerator {
 public:
  void initText(Game&) override {}
  void updateText(Game&) override {}
  void advanceTextLines(Game&, const std::wstring&, float) override {}
};

class TextGeneratorTest : public ::testing::Test {
 protected:
  TextEntry& entryOf(const std::wstring& name) {
    return game.getText()->getTextEntry(static_cast<size_t>(generator.getNamedTextEntry(name)));
  }

  Game game;
  PlainGenerator generator;
};

TEST_F(TextGeneratorTest, PlaceCreatesA600By25EntryOnceThenOnlyMoves) {
  generator.placeNamedText(game, L"hp", 23, 23);
  EXPECT_EQ(game.getText()->getNumberOfTextEntries(), 1u);
  TextEntry& entry = entryOf(L"hp");
  EXPECT_EQ(entry.width, 600);
  EXPECT_EQ(entry.height, 25);
  EXPECT_EQ(entry.red, TextEntry::FONT_COLOR);
  EXPECT_EQ(entry.alpha, 255);
  EXPECT_TRUE(entry.fading);
  generator.placeNamedText(game, L"hp", 5, 6);
  EXPECT_EQ(game.getText()->getNumberOfTextEntries(), 1u);
  EXPECT_EQ(entry.x, 5);
  EXPECT_EQ(entry.y, 6);
  EXPECT_EQ(entry.width, 600);
  // The entry shows the name's string: a change of content is seen through the entry.
  generator.setNamedTextContent(game, L"hp", L"HP: 3");
  EXPECT_EQ(*entry.text, L"HP: 3");
}

TEST_F(TextGeneratorTest, SettersShapeTheRectangleFromTheCharacterCount) {
  generator.addNamedText(game, L"t", 0, 0, 1, 1);
  generator.setNamedText(game, L"t", L"1234567", 10, 20, 30, 40);
  TextEntry& entry = entryOf(L"t");
  EXPECT_EQ(entry.width, 140);
  EXPECT_EQ(entry.height, 30);
  EXPECT_TRUE(entry.largeFont);
  EXPECT_EQ(entry.alpha, 40);
  generator.setNamedTextSmall(game, L"t", L"12345", 300, -4, 30, 999);
  EXPECT_EQ(entry.width, 80);
  EXPECT_EQ(entry.height, 20);
  EXPECT_FALSE(entry.largeFont);
  // Colours and alpha from the setters are clamped into 0..255.
  EXPECT_EQ(entry.red, 255);
  EXPECT_EQ(entry.green, 0);
  EXPECT_EQ(entry.alpha, 255);
  EXPECT_EQ(generator.getNamedText(L"t"), L"12345");
}

TEST_F(TextGeneratorTest, LineRestartsFadingOnlyWhenTheTextChanges) {
  generator.addNamedText(game, L"warn", 0, 0, 1, 1);
  generator.setNamedTextLine(game, L"warn", L"Reload!", 200, 0, 0);
  TextEntry& entry = entryOf(L"warn");
  entry.alpha = 100;  // as if it had been fading for a while
  generator.setNamedTextLine(game, L"warn", L"Reload!", 0, 200, 0);
  EXPECT_EQ(entry.alpha, 100);
  EXPECT_EQ(entry.green, 200);
  generator.setNamedTextLine(game, L"warn", L"Empty!", 0, 0, 200);
  EXPECT_EQ(entry.alpha, 255);
  EXPECT_EQ(entry.blue, 200);
  EXPECT_EQ(entry.width, 16 * 6);
  EXPECT_EQ(entry.height, 20);
}

TEST_F(TextGeneratorTest, At256NamesFurtherNamesAreNotCreatedAndTheirSettersDoNothing) {
  for (int i = 0; i < TextGenerator::MAX_NAMED_TEXTS; ++i) generator.addNamedText(game, std::to_wstring(i), 0, 0, 1, 1);
  generator.placeNamedText(game, L"extra", 1, 1);
  generator.setNamedText(game, L"extra", L"x", 1, 1, 1, 1);
  generator.setNamedTextContent(game, L"unknown", L"x");
  EXPECT_FALSE(generator.hasNamedText(L"extra"));
  EXPECT_EQ(generator.getNamedTextEntry(L"extra"), -1);
  EXPECT_EQ(game.getText()->getNumberOfTextEntries(), 256u);
  // Earlier names keep their own strings.
  generator.setNamedTextContent(game, L"0", L"first");
  generator.setNamedTextContent(game, L"255", L"last");
  EXPECT_EQ(*entryOf(L"0").text, L"first");
  EXPECT_EQ(*entryOf(L"255").text, L"last");
}

TEST(GameTextTest, ColouredTextKeepsItsValuesAndSettersIgnoreBadIndexes) {
  GameText text;
  const std::wstring line = L"x";
  const size_t index = text.addColoredText(&line, 1, 2, 3, 4, 300, -1, 999);
  EXPECT_EQ(text.getTextEntry(index).green, -1);
  EXPECT_EQ(text.getTextEntry(index).blue, 999);
  text.setTextColor(-1, 0, 0, 0);
  text.setTextColorAndAlpha(1, 0, 0, 0, 0);
  EXPECT_EQ(text.getTextEntry(index).red, 300);
  EXPECT_THROW(text.getTextEntry(1), std::out_of_range);
}

TEST(GameTextTest, DebugFileIsCreatedAnewAndTakesTextUnchanged) {
  const std::filesystem::path path = std::filesystem::temp_directory_path() / "vexmoor-debug-output-test.txt";
  std::ofstream(path) << "from an earlier run";
  {
    GameText text;
    text.initDebugFile(path.string());
    text.writeDebugOutput("SUCCEEDED");
    text.writeDebugOutput("\nspriteHandler->Draw: FAILED");
  }
  std::ifstream file(path);
  std::stringstream content;
  content << file.rdbuf();
  EXPECT_EQ(content.str(), "SUCCEEDED\nspriteHandler->Draw: FAILED");
  std::filesystem::remove(path);
}

}  // namespace
