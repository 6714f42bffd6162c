// The calculator window's lists, read back with the receiving classes' declared types.
#include "calculator/control_wnd_lists.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "framework/core/builtin_classes.h"
#include "tests/support/list_names.h"

namespace quorvan {
namespace {

namespace lists = control_wnd_lists;

std::vector<fw::PropertyEntry> Read(const fw::ClassInfo& cls, std::string_view stored) {
  return fw::ReadPropertyList(cls, stored);
}

const fw::PropertyValue* Find(const std::vector<fw::PropertyEntry>& entries,
                              std::string_view name) {
  for (const auto& e : entries)
    if (e.name == name) return &e.value;
  return nullptr;
}

TEST(ControlWndLists, EachListReadsToItsEndWithTheNamesOfItsClassInOrder) {
  struct Case {
    const char* name;  // the Name entry; empty for the window
    const fw::ClassInfo& cls;
    std::string_view stored;
    const std::vector<std::string>& names;
  } cases[] = {
      {"", fw::classes::Window(), lists::kControlWnd, list_names::kWindowNames},
      {"RoundRectangle1", fw::classes::RoundRectangle(), lists::kRoundRectangle1,
       list_names::kRoundRectangleNames},
      {"PostFld", fw::classes::TextField(), lists::kPostFld, list_names::kTextFieldNames},
      {"LikeFld", fw::classes::TextField(), lists::kLikeFld, list_names::kTextFieldNames},
      {"PreFld", fw::classes::TextField(), lists::kPreFld, list_names::kTextFieldNames},
      {"PostText", fw::classes::Label(), lists::kPostText, list_names::kLabelNames},
      {"LikeText", fw::classes::Label(), lists::kLikeText, list_names::kLabelNames},
      {"PreText", fw::classes::Label(), lists::kPreText, list_names::kLabelNames},
      {"ClearBtn", fw::classes::BevelButton(), lists::kClearBtn, list_names::kBevelButtonNames},
      {"helpBtn", fw::classes::BevelButton(), lists::kHelpBtn, list_names::kBevelButtonNames},
      {"computeBtn", fw::classes::BevelButton(), lists::kComputeBtn, list_names::kBevelButtonNames},
      {"Canvas1", fw::classes::Canvas(), lists::kCanvas1, list_names::kCanvasNames},
      {"Copyright", fw::classes::TextArea(), lists::kCopyright, list_names::kTextAreaNames},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.cls.name + " " + c.name);
    ASSERT_EQ(static_cast<unsigned char>(c.stored[0]), 0xFF);
    const auto entries = Read(c.cls, c.stored);
    std::vector<std::string> names;
    for (const auto& e : entries) names.emplace_back(e.name);
    EXPECT_EQ(names, c.names);
    if (!std::string_view(c.name).empty()) {
      const auto* name = Find(entries, "Name");
      ASSERT_NE(name, nullptr);
      EXPECT_EQ(std::get<std::string>(*name), c.name);
    }
  }
}

TEST(ControlWndLists, WindowListStartsWithItsSizeAndAsksForMoreThanItsMaximumWidth) {
  const std::string_view list = lists::kControlWnd.List();
  EXPECT_EQ(list.size(), 374u);
  EXPECT_EQ(list.substr(0, 14), std::string_view("Width \x6C\x02\0\0\0\0\0\0", 14));
  EXPECT_EQ(list.substr(14, 15), std::string_view("Height \xE0\x01\0\0\0\0\0\0", 15));
  const auto entries = Read(fw::classes::Window(), lists::kControlWnd);
  EXPECT_EQ(std::get<std::int64_t>(*Find(entries, "Width")), 620);
  EXPECT_EQ(std::get<std::int64_t>(*Find(entries, "MinimumWidth")), 610);
  EXPECT_EQ(std::get<std::int64_t>(*Find(entries, "MaximumWidth")), 610);
  EXPECT_EQ(std::get<std::string>(*Find(entries, "Title")), "Quorvan");
}

TEST(ControlWndLists, FieldsDifferOnlyWhereTheResultFieldMustAndTakeFiveCharacters) {
  struct Case {
    std::string_view stored;
    std::int64_t left, top, tabIndex;
    bool visible, readOnly;
  } cases[] = {
      {lists::kPostFld, 438, 267, 3, false, true},
      {lists::kLikeFld, 274, 266, 1, true, false},
      {lists::kPreFld, 85, 267, 0, true, false},
  };
  for (const Case& c : cases) {
    const auto e = Read(fw::classes::TextField(), c.stored);
    EXPECT_EQ(std::get<std::int64_t>(*Find(e, "Left")), c.left);
    EXPECT_EQ(std::get<std::int64_t>(*Find(e, "Top")), c.top);
    EXPECT_EQ(std::get<std::int64_t>(*Find(e, "TabIndex")), c.tabIndex);
    EXPECT_EQ(std::get<bool>(*Find(e, "Visible")), c.visible);
    EXPECT_EQ(std::get<bool>(*Find(e, "ReadOnly")), c.readOnly);
    EXPECT_EQ(std::get<std::int64_t>(*Find(e, "MaximumCharactersAllowed")), 5);
    EXPECT_EQ(std::get<std::int64_t>(*Find(e, "Index")), -2147483648LL);
    EXPECT_EQ(std::get<std::string>(*Find(e, "InitialParent")), "RoundRectangle1");
  }
}

TEST(ControlWndLists, CaptionsAreTwoLinesJoinedByCrLf) {
  struct Case {
    std::string_view stored;
    const char* value;
    bool visible;
  } cases[] = {
      {lists::kPostText, "Posttest\r\nProbability", false},
      {lists::kLikeText, "Likelihood\r\nRatio", true},
      {lists::kPreText, "Pretest\r\nProbability", true},
  };
  for (const Case& c : cases) {
    const auto e = Read(fw::classes::Label(), c.stored);
    EXPECT_EQ(std::get<std::string>(*Find(e, "Value")), c.value);
    EXPECT_EQ(std::get<bool>(*Find(e, "Visible")), c.visible);
  }
}

TEST(ControlWndLists, ButtonsCarryTheirCaptionsAndTakeNoFocus) {
  struct Case {
    std::string_view stored;
    const char* caption;
    float fontSize;
  } cases[] = {
      {lists::kClearBtn, "Clear", 12.0f},
      {lists::kHelpBtn, "?", 32.0f},
      {lists::kComputeBtn, "Calculate", 12.0f},
  };
  for (const Case& c : cases) {
    const auto e = Read(fw::classes::BevelButton(), c.stored);
    EXPECT_EQ(std::get<std::string>(*Find(e, "Caption")), c.caption);
    EXPECT_EQ(std::get<float>(*Find(e, "FontSize")), c.fontSize);
    EXPECT_FALSE(std::get<bool>(*Find(e, "Value")));
    EXPECT_FALSE(std::get<bool>(*Find(e, "AllowFocus")));
    EXPECT_FALSE(std::get<bool>(*Find(e, "TabStop")));
  }
}

}  // namespace
}  // namespace quorvan
