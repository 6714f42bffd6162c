// The help window's and the About box's property lists, read back with the declared types of the
// classes that receive them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "framework/core/builtin_classes.h"
#include "framework/core/property_list.h"
#include "info_windows/about_wnd_lists.h"
#include "info_windows/help_text.h"
#include "info_windows/help_wnd_lists.h"
#include "tests/support/list_names.h"

namespace {

namespace about = quorvan::about_wnd_lists;
namespace help = quorvan::help_wnd_lists;

using quorvan::list_names::kCanvasNames;
using quorvan::list_names::kLabelNames;
using quorvan::list_names::kTextAreaNames;
using quorvan::list_names::kTimerNames;
using quorvan::list_names::kWindowNames;

struct ListCase {
  const char* name;
  std::string_view stored;
  const fw::ClassInfo& (*receiver)();
  const std::vector<std::string>* names;
};

const ListCase kLists[] = {
    {"helpWnd", help::kHelpWnd, fw::classes::Window, &kWindowNames},
    {"EditField1", help::kEditField1, fw::classes::TextArea, &kTextAreaNames},
    {"AboutWnd", about::kAboutWnd, fw::classes::Window, &kWindowNames},
    {"StaticText2", about::kStaticText2, fw::classes::Label, &kLabelNames},
    {"Canvas1", about::kCanvas1, fw::classes::Canvas, &kCanvasNames},
    {"Canvas2", about::kCanvas2, fw::classes::Canvas, &kCanvasNames},
    {"StaticText21", about::kStaticText21, fw::classes::Label, &kLabelNames},
    {"Timer1", about::kTimer1, fw::classes::Timer, &kTimerNames},
};

std::vector<fw::PropertyEntry> Read(const ListCase& list) {
  return fw::ReadPropertyList(list.receiver(), list.stored);
}

const fw::PropertyValue& ValueOf(const std::vector<fw::PropertyEntry>& entries,
                                 std::string_view name) {
  auto it = std::find_if(entries.begin(), entries.end(),
                         [&](const fw::PropertyEntry& e) { return e.name == name; });
  if (it == entries.end()) throw std::out_of_range(std::string(name));
  return it->value;
}

std::vector<std::string> NamesOf(const std::vector<fw::PropertyEntry>& entries) {
  std::vector<std::string> names;
  for (const auto& e : entries) names.emplace_back(e.name);
  return names;
}

TEST(InfoWindowLists, EachReadsToItsEndWithTheReceiverTypesInTheSharedNameOrder) {
  for (const auto& list : kLists) {
    SCOPED_TRACE(list.name);
    std::vector<fw::PropertyEntry> entries;
    ASSERT_NO_THROW(entries = Read(list));
    EXPECT_EQ(NamesOf(entries), *list.names);
    const std::size_t length = list.stored.size() - 1;
    const char lead = length < 32 ? static_cast<char>(length) : static_cast<char>(0xFF);
    EXPECT_EQ(list.stored.front(), lead);
  }
}

TEST(InfoWindowLists, TimerListIsExactlyRunModeOneAndPeriod4000) {
  const std::string expected = std::string(
                                   "\x1F"
                                   "RunMode ") +
                               std::string("\x01\0\0\0\0\0\0\0", 8) + "Period " +
                               std::string("\xA0\x0F\0\0\0\0\0\0", 8);
  EXPECT_EQ(std::string(about::kTimer1.Stored()), expected);
  EXPECT_EQ(about::kTimer1.Stored().size(), 32u);
}

TEST(InfoWindowLists, HelpTextAreaStartsOutsideTheWindowAndHoldsTheHelpText) {
  const auto entries = Read(kLists[1]);
  EXPECT_EQ(std::get<std::string>(ValueOf(entries, "Value")), quorvan::kHelpText);
  const std::string list(help::kEditField1.List());
  EXPECT_NE(
      list.find(std::string("Left ") + std::string(8, '\xFF') + "Top " + std::string(8, '\xFF')),
      std::string::npos);
  EXPECT_EQ(std::get<std::int64_t>(ValueOf(entries, "Width")), 551);
  EXPECT_FALSE(std::get<bool>(ValueOf(entries, "ReadOnly")));
  EXPECT_TRUE(std::get<bool>(ValueOf(entries, "Enabled")));
}

// Entries (by position) in which two lists of one class differ.
std::set<std::string> Differences(const ListCase& a, const ListCase& b) {
  const auto ea = Read(a);
  const auto eb = Read(b);
  std::set<std::string> differ;
  for (std::size_t k = 0; k < std::min(ea.size(), eb.size()); ++k) {
    if (ea[k].value != eb[k].value) differ.emplace(ea[k].name);
  }
  return differ;
}

TEST(InfoWindowLists, SiblingListsDifferOnlyWhereTheBoxNeedsThemTo) {
  EXPECT_EQ(Differences(kLists[3], kLists[6]),
            (std::set<std::string>{"Name", "Left", "Top", "Width", "Height", "TabIndex",
                                   "Transparent", "Value"}));
  EXPECT_EQ(Differences(kLists[4], kLists[5]),
            (std::set<std::string>{"Name", "Left", "Top", "Width", "Height", "LockRight",
                                   "LockBottom", "TabIndex", "AllowFocusRing"}));
}

TEST(InfoWindowLists, RightsNoticeHoldsExactlyOneTwoByteCharacterTheSign) {
  const auto notice = std::get<std::string>(ValueOf(Read(kLists[3]), "Value"));
  std::size_t nonAscii = 0;
  for (char c : notice) nonAscii += static_cast<unsigned char>(c) >= 0x80;
  EXPECT_EQ(nonAscii, 2u);
  EXPECT_NE(notice.find("\xC2\xA9"), std::string::npos);
  const auto author = std::get<std::string>(ValueOf(Read(kLists[6]), "Value"));
  EXPECT_EQ(author, "the Quorvan authors");
}

}  // namespace
