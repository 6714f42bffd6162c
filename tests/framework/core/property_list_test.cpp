#include "framework/core/property_list.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "framework/core/builtin_classes.h"
#include "framework/core/exceptions.h"
#include "tests/framework/core/probe.h"
#include "tests/framework/core/sample_lists.h"

namespace fw {
namespace {

using testing_core::Probe;

std::string Bytes(std::initializer_list<int> bytes) {
  std::string out;
  for (int b : bytes) out.push_back(static_cast<char>(b));
  return out;
}

struct ByteCase {
  const char* name;
  std::string_view built;
  std::string expected;
};

TEST(PropertyListBuilder, WritesTheStoredBytes) {
  constexpr auto left = MakePropertyList<[](auto& p) { p.Int("Left", -1); }>();
  constexpr auto index = MakePropertyList<[](auto& p) { p.Int("Index", samples::kNoIndex); }>();
  constexpr auto fontSize = MakePropertyList<[](auto& p) { p.Single("FontSize", 12.0F); }>();
  constexpr auto spacing = MakePropertyList<[](auto& p) { p.Double("LineSpacing", 1.0); }>();
  constexpr auto empty = MakePropertyList<[](auto& p) { p.Str("Tooltip", ""); }>();
  constexpr auto colour = MakePropertyList<[](auto& p) { p.Colour("TextColor", 2, 0, 0x80); }>();
  constexpr auto unit = MakePropertyList<[](auto& p) { p.FontUnit("FontUnit", 0); }>();
  const std::vector<ByteCase> cases = {
      {"timer list, lead byte included", samples::kTimerList,
       Bytes({0x1F}) + "RunMode " + Bytes({1, 0, 0, 0, 0, 0, 0, 0}) + "Period " +
           Bytes({0xA0, 0x0F, 0, 0, 0, 0, 0, 0})},
      {"-1 is eight FF bytes", left,
       Bytes({13}) + "Left " + Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF})},
      {"no control index", index,
       Bytes({14}) + "Index " + Bytes({0, 0, 0, 0x80, 0xFF, 0xFF, 0xFF, 0xFF})},
      {"FontSize 12.0", fontSize, Bytes({13}) + "FontSize " + Bytes({0, 0, 0x40, 0x41})},
      {"LineSpacing 1.0", spacing,
       Bytes({20}) + "LineSpacing " + Bytes({0, 0, 0, 0, 0, 0, 0xF0, 0x3F})},
      {"empty string is a zero count", empty, Bytes({12}) + "Tooltip " + Bytes({0, 0, 0, 0})},
      {"colour bytes in stored order", colour, Bytes({14}) + "TextColor " + Bytes({2, 0, 0x80, 0})},
      {"font unit is one byte", unit, Bytes({10}) + "FontUnit " + Bytes({0})},
  };
  for (const auto& c : cases) EXPECT_EQ(c.built, c.expected) << c.name;
  EXPECT_EQ(samples::kTimerList.Stored().size(), 32u);
}

TEST(PropertyListBuilder, CalculatorWindowListStartsWithItsSizeAndIs374Bytes) {
  const std::string_view list = samples::kCalculatorWindowList.List();
  EXPECT_EQ(list.size(), 374u);
  EXPECT_EQ(samples::kCalculatorWindowList.Stored()[0], '\xFF');
  EXPECT_EQ(list.substr(0, 29), "Width " + Bytes({0x6C, 0x02, 0, 0, 0, 0, 0, 0}) + "Height " +
                                    Bytes({0xE0, 0x01, 0, 0, 0, 0, 0, 0}));
}

TEST(PropertyListBuilder, LeadByteIsTheLengthOnlyBelow32) {
  constexpr auto list31 =
      MakePropertyList<[](auto& p) { p.Str("Title", "123456789012345678901"); }>();
  constexpr auto list32 =
      MakePropertyList<[](auto& p) { p.Str("Title", "1234567890123456789012"); }>();
  EXPECT_EQ(list31.List().size(), 31u);
  EXPECT_EQ(list31.Stored()[0], '\x1F');
  EXPECT_EQ(list32.List().size(), 32u);
  EXPECT_EQ(list32.Stored()[0], '\xFF');
}

// Each list of the program's shapes reads with the declared types of its class to its very end.
TEST(PropertyListReader, ReadsEachSampleListToItsEnd) {
  struct Case {
    const char* name;
    const ClassInfo& cls;
    std::string_view stored;
    std::size_t entries;
  };
  const Case cases[] = {
      {"timer", classes::Timer(), samples::kTimerList, 2},
      {"window", classes::Window(), samples::kCalculatorWindowList, 22},
      {"bevel button", classes::BevelButton(), samples::kCalculateButtonList, 40},
      {"text field", classes::TextField(), samples::kPretestFieldList, 41},
  };
  for (const auto& c : cases) {
    const auto entries = ReadPropertyList(c.cls, c.stored);
    ASSERT_EQ(entries.size(), c.entries) << c.name;
    EXPECT_EQ(entries.front().offset, 0u) << c.name;
  }
}

TEST(PropertyListReader, BevelButtonValueIsOneByteAndButtonStyleFollowsDirectly) {
  const auto entries = ReadPropertyList(classes::BevelButton(), samples::kCalculateButtonList);
  const PropertyEntry& value = entries[31];
  const PropertyEntry& style = entries[32];
  ASSERT_EQ(value.name, "Value");
  EXPECT_EQ(value.decl->type, PropType::Boolean);
  EXPECT_EQ(value.value, PropertyValue(false));
  EXPECT_EQ(style.name, "ButtonStyle");
  EXPECT_EQ(style.offset, value.offset + std::string_view("Value ").size() + 1);
}

TEST(PropertyListReader, DecodesEachTypeAsDeclared) {
  const auto window = ReadPropertyList(classes::Window(), samples::kCalculatorWindowList);
  EXPECT_EQ(window[0].value, PropertyValue(std::int64_t{620}));
  EXPECT_EQ(window[7].value, PropertyValue(std::string("Quorvan")));
  EXPECT_EQ(window[19].value, PropertyValue(Color{0xFF, 0xFF, 0xFF, 0}));
  EXPECT_EQ(window[14].name, "MacProcID");
  EXPECT_EQ(window[14].decl->name, "MacProcId");

  const auto field = ReadPropertyList(classes::TextField(), samples::kPretestFieldList);
  EXPECT_EQ(field[1].value, PropertyValue(samples::kNoIndex));
  EXPECT_EQ(field[25].value, PropertyValue(12.0F));
  EXPECT_EQ(field[26].value, PropertyValue(std::int64_t{0}));
  EXPECT_EQ(field[31].name, "Value");
  EXPECT_EQ(field[31].value, PropertyValue(std::string()));
  EXPECT_EQ(field[40].value, PropertyValue(std::string("RoundRectangle1")));
}

constexpr std::array<char, 2225> kLongText = [] {
  std::array<char, 2225> text{};
  for (std::size_t i = 0; i < text.size(); ++i) text[i] = static_cast<char>('a' + i % 26);
  return text;
}();

// Every type, a string past 255 bytes, UTF-8 and a CR LF, written and read back.
TEST(PropertyListReader, RoundTripsEveryType) {
  constexpr auto list = MakePropertyList<[](auto& p) {
    p.Int("Left", -1);
    p.Bool("Multiline", true);
    p.Enum("TextAlignment", 2);
    p.FontUnit("FontUnit", 3);
    p.Single("FontSize", 14.5F);
    p.Double("LineSpacing", 1.0);
    p.Double("LineHeight", 0.0);
    p.Colour("BackgroundColor", 0xEA, 0xFF, 0xFF, 0x7F);
    p.Str("Value", std::string_view(kLongText.data(), kLongText.size()));
    p.Str("Tooltip", "\xC2\xA9 2019\r\nnext");
    p.Str("Format", "");
  }>();
  Probe area(classes::TextArea());
  SetProperties(area, list);

  EXPECT_EQ(area.IntProperty("Left"), -1);
  EXPECT_TRUE(area.BoolProperty("MultiLine"));
  EXPECT_EQ(area.IntProperty("TextAlignment"), 2);
  EXPECT_EQ(area.IntProperty("FontUnit"), 3);
  EXPECT_EQ(area.NumberProperty("FontSize"), 14.5);
  EXPECT_EQ(area.NumberProperty("LineSpacing"), 1.0);
  EXPECT_EQ(area.NumberProperty("LineHeight", 9.0), 0.0);
  EXPECT_EQ(area.ColorProperty("BackgroundColor"), (Color{0xEA, 0xFF, 0xFF, 0x7F}));
  EXPECT_EQ(area.StringProperty("Value"), std::string(kLongText.data(), kLongText.size()));
  EXPECT_EQ(area.StringProperty("Tooltip"), "\xC2\xA9 2019\r\nnext");
  EXPECT_EQ(area.StringProperty("Format", "unset"), "");
  ASSERT_EQ(area.changes.size(), 11u);
  EXPECT_EQ(area.changes[1].first, "MultiLine") << "the object hears the declared spelling";
}

TEST(SetProperties, LaterEntryOfTheSameNameWins) {
  constexpr auto list = MakePropertyList<[](auto& p) {
    p.Bool("Transparent", true);
    p.Bool("transparent", false);
  }>();
  Probe canvas(classes::Canvas());
  SetProperties(canvas, list);
  EXPECT_FALSE(canvas.BoolProperty("Transparent", true));
  EXPECT_EQ(canvas.changes.size(), 2u);
}

TEST(SetProperties, ObjectRefusesUndeclaredNamesAndWrongTypes) {
  Probe timer(classes::Timer());
  EXPECT_THROW(timer.SetProperty("Title", std::string("x")), PropertyListException);
  EXPECT_THROW(timer.SetProperty("Period", 4000.0), PropertyListException);
  EXPECT_THROW(timer.SetProperty("RunMode", true), PropertyListException);
  timer.SetProperty("period", std::int64_t{10});
  EXPECT_EQ(timer.IntProperty("Period"), 10);
  EXPECT_TRUE(timer.changes.size() == 1 && timer.changes[0].first == "Period");
}

struct MalformedCase {
  const char* name;
  const ClassInfo& cls;
  std::string stored;
  std::size_t appliedBefore;
  std::vector<std::string> inMessage;
};

TEST(SetProperties, MalformedListsRaiseNamingEntryAndOffset) {
  const std::string runMode = "RunMode " + Bytes({1, 0, 0, 0, 0, 0, 0, 0});
  const std::vector<MalformedCase> cases = {
      {"unknown name",
       classes::Timer(),
       Bytes({0xFF}) + runMode + "Colour " + Bytes({0, 0, 0, 0}),
       1,
       {"entry 2 (\"Colour\") at byte 16", "declares no such property"}},
      {"name of another class",
       classes::Timer(),
       Bytes({0xFF}) + "Title " + Bytes({0, 0, 0, 0}),
       0,
       {"entry 1 (\"Title\") at byte 0", "Timer"}},
      {"empty name",
       classes::Timer(),
       Bytes({0xFF}) + " " + Bytes({1}),
       0,
       {"entry 1 (\"\") at byte 0"}},
      {"truncated integer",
       classes::Timer(),
       Bytes({0xFF}) + runMode + "Period " + Bytes({0xA0, 0x0F}),
       1,
       {"entry 2 (\"Period\") at byte 16", "needs 8 bytes", "2 bytes further on"}},
      {"truncated string count",
       classes::Window(),
       Bytes({0xFF}) + "Title " + Bytes({7, 0}),
       0,
       {"entry 1 (\"Title\") at byte 0", "needs 4 bytes"}},
      {"truncated string body",
       classes::Window(),
       Bytes({0xFF}) + "Title " + Bytes({7, 0, 0, 0}) + "Quo",
       0,
       {"entry 1 (\"Title\") at byte 0", "needs 7 bytes", "3 bytes further on"}},
      {"string count far past the end",
       classes::Window(),
       Bytes({0xFF}) + "Title " + Bytes({0xFF, 0xFF, 0xFF, 0xFF}) + "Q",
       0,
       {"needs 4294967295 bytes"}},
      {"missing separator",
       classes::Timer(),
       Bytes({0xFF}) + runMode + "Period",
       1,
       {"entry 2 (\"Period\") at byte 16", "no separator"}},
      {"boolean neither 0 nor 1",
       classes::Window(),
       Bytes({0xFF}) + "Visible " + Bytes({2}),
       0,
       {"entry 1 (\"Visible\") at byte 0", "not 2"}},
      {"no lead byte", classes::Timer(), "", 0, {"no lead byte"}},
  };
  for (const auto& c : cases) {
    // An exact-size heap copy, so that a read past the end shows under AddressSanitizer.
    const std::vector<char> bytes(c.stored.begin(), c.stored.end());
    Probe object(c.cls);
    try {
      SetProperties(object, std::string_view(bytes.data(), bytes.size()));
      ADD_FAILURE() << c.name << ": no exception";
    } catch (const PropertyListException& e) {
      for (const auto& part : c.inMessage) {
        EXPECT_NE(e.Message().find(part), std::string::npos) << c.name << ": " << e.Message();
      }
    }
    EXPECT_EQ(object.changes.size(), c.appliedBefore) << c.name;
    EXPECT_THROW(ReadPropertyList(c.cls, std::string_view(bytes.data(), bytes.size())),
                 PropertyListException)
        << c.name;
  }
}

TEST(SetProperties, AnEmptyListSetsNothing) {
  Probe timer(classes::Timer());
  SetProperties(timer, std::string_view("\0", 1));
  EXPECT_TRUE(timer.changes.empty());
}

}  // namespace
}  // namespace fw
