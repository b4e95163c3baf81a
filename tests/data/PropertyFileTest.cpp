#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "data/GameDataLoader.h"
#include "data/PropertyValues.h"
#include "data/TextFileReader.h"

namespace {

std::string writeTempFile(const std::string& name, const std::string& content) {
  const auto path = std::filesystem::temp_directory_path() / ("vexmoor_" + name);
  std::ofstream(path, std::ios::binary) << content;
  return path.string();
}

std::wstring wide(const std::string& text) { return std::wstring(text.begin(), text.end()); }

TEST(PropertyLine, SplitsAtTheFirstColonAndTrimsNothing) {
  struct Case {
    std::wstring line, key, value;
  };
  const std::vector<Case> cases = {
      {L"TITLE:My Game", L"TITLE", L"My Game"}, {L"TITLE: My Game", L"TITLE", L" My Game"},
      {L"PATH:a:b", L"PATH", L"a:b"},           {L"KEY:", L"KEY", L""},
      {L"KEY", L"KEY", L"KEY"},                 {L"", L"", L""},
      {L" KEY :x", L" KEY ", L"x"},
  };
  for (const Case& c : cases) {
    PropertyMap properties;
    GameDataLoader::parsePropertyLine(c.line, properties);
    ASSERT_EQ(properties.size(), 1u);
    EXPECT_EQ(properties.begin()->first, c.key);
    EXPECT_EQ(properties.begin()->second, c.value);
  }
}

TEST(PropertyFile, LaterKeysWinAndAFinalLineBreakAddsOnlyAnEmptyEntry) {
  const std::string path = writeTempFile("props.txt", "A:1\r\nB:2\nA:3\n");
  PropertyMap properties;
  GameDataLoader::loadProperties(properties, wide(path));
  EXPECT_EQ(properties.size(), 3u);
  EXPECT_EQ(properties[L"A"], L"3");
  EXPECT_EQ(properties[L"B"], L"2");
  EXPECT_EQ(properties[L""], L"");
}

TEST(PropertyValues, MissingKeysAreEmptyAndRecorded) {
  PropertyMap properties;
  EXPECT_EQ(PropertyValues::text(properties, L"MISSING"), L"");
  EXPECT_EQ(properties.count(L"MISSING"), 1u);
  EXPECT_EQ(PropertyValues::integer(properties, L"ALSO_MISSING"), 0);
  EXPECT_FALSE(PropertyValues::flag(properties, L"FLAG", L"true"));
}

TEST(PropertyValues, NumbersReadLikeStreamExtraction) {
  struct Case {
    std::wstring text;
    int32_t value;
  };
  const std::vector<Case> cases = {{L"12", 12},     {L"12px", 12}, {L"  -7", -7}, {L"+5", 5},
                                   {L"", 0},        {L"abc", 0},   {L"-", 0},     {L"99999999999", 2147483647},
                                   {L"-99999999999", -2147483647 - 1}};
  for (const Case& c : cases) EXPECT_EQ(PropertyValues::parseInteger(c.text), c.value) << std::string(c.text.begin(), c.text.end());
  EXPECT_FLOAT_EQ(PropertyValues::parseReal(L" 2.5x"), 2.5f);
  EXPECT_FLOAT_EQ(PropertyValues::parseReal(L"none"), 0.0f);
}

TEST(PropertyValues, FlagsCompareExactly) {
  PropertyMap properties{{L"A", L"true"}, {L"B", L"TRUE"}, {L"C", L"yes"}};
  EXPECT_TRUE(PropertyValues::flag(properties, L"A", L"true"));
  EXPECT_FALSE(PropertyValues::flag(properties, L"B", L"true"));
  EXPECT_FALSE(PropertyValues::flag(properties, L"C", L"true"));
  EXPECT_TRUE(PropertyValues::flag(properties, L"B", L"TRUE"));
}

TEST(GridScan, FollowsTheTwoCharacterCellRule) {
  struct Case {
    std::wstring line;
    std::vector<uint32_t> values;
  };
  const std::vector<Case> cases = {
      {L"1,2,3", {1, 2, 3}}, {L"10,20,5", {10, 20, 5}}, {L"1,,2", {1, 2}}, {L"123", {12, 3}},
      {L"", {}},             {L"5, 6", {5, 6}},         {L"5 ,6", {5, 6}}, {L" 10", {1, 0}},
      {L"x", {0}},           {L"7,", {7}},
  };
  for (const Case& c : cases) {
    std::vector<uint32_t> values;
    GameDataLoader::scanGridLine(c.line, values);
    EXPECT_EQ(values, c.values) << std::string(c.line.begin(), c.line.end());
  }
}

TEST(GridFile, AppendsAllLinesAfterExistingValues) {
  const std::string path = writeTempFile("grid.txt", "1,2\r\n3,4\n");
  std::vector<uint32_t> values{9};
  GameDataLoader::loadIntegerGrid(values, wide(path));
  EXPECT_EQ(values, (std::vector<uint32_t>{9, 1, 2, 3, 4}));
}

TEST(TextFileReader, HandsOutLinesThenEmptyStrings) {
  const std::string path = writeTempFile("three.txt", "a\nb\r\nc");
  TextFileReader reader;
  EXPECT_FALSE(reader.hasMoreLines());
  reader.openFile(wide(path));
  EXPECT_EQ(reader.getNextLine(), L"a");
  EXPECT_EQ(reader.getNextLine(), L"b");
  EXPECT_TRUE(reader.hasMoreLines());
  EXPECT_EQ(reader.getNextLine(), L"c");
  EXPECT_FALSE(reader.hasMoreLines());
  EXPECT_EQ(reader.getNextLine(), L"");
  EXPECT_EQ(reader.getNextLine(L"END"), L"END");
}

TEST(TextFileReader, EmptyFileHasOneEmptyLine) {
  const std::string path = writeTempFile("empty.txt", "");
  TextFileReader reader;
  reader.openFile(wide(path));
  ASSERT_TRUE(reader.hasMoreLines());
  EXPECT_EQ(reader.getNextLine(), L"");
  EXPECT_FALSE(reader.hasMoreLines());
}

TEST(TextFileReader, BytesWidenWithoutDecoding) {
  const std::string path = writeTempFile("latin.txt", "caf\xE9");
  TextFileReader reader;
  reader.openFile(wide(path));
  const std::wstring line = reader.getNextLine();
  ASSERT_EQ(line.size(), 4u);
  EXPECT_EQ(static_cast<unsigned>(line[3]), 0xE9u);
}

TEST(TextFileReader, MissingFileYieldsNoLinesAndNamesTheFile) {
  testing::internal::CaptureStderr();
  TextFileReader reader;
  reader.openFile(L"/nonexistent/vexmoor/missing.txt");
  const std::string error = testing::internal::GetCapturedStderr();
  EXPECT_FALSE(reader.hasMoreLines());
  EXPECT_NE(error.find("/nonexistent/vexmoor/missing.txt"), std::string::npos);
  EXPECT_EQ(std::count(error.begin(), error.end(), '\n'), 1);

  PropertyMap properties;
  testing::internal::CaptureStderr();
  GameDataLoader::loadProperties(properties, std::filesystem::temp_directory_path().wstring());
  testing::internal::GetCapturedStderr();
  EXPECT_TRUE(properties.empty());
}

}  // namespace
