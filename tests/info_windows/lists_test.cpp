// The help window's and the About box's property lists, read back with the declared types of the
// classes that receive them.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "framework/core/builtin_classes.h"
#include "info_windows/about_wnd_lists.h"
#include "info_windows/help_text.h"
#include "info_windows/help_wnd_lists.h"
#include "tests/support/list_table.h"

namespace {

namespace about = quorvan::about_wnd_lists;
namespace help = quorvan::help_wnd_lists;
using namespace quorvan::list_table;

const std::vector<ClassTable> kHelpWndLists = {
    {fw::classes::Window,
     {{"window", help::kHelpWnd}},
     {
         {"Width", kInteger, {550}},
         {"Height", kInteger, {480}},
         {"MinimumWidth", kInteger, {550}},
         {"MinimumHeight", kInteger, {480}},
         {"MaximumWidth", kInteger, {550}},
         {"MaximumHeight", kInteger, {480}},
         {"Type", kEnum, {0}},
         {"Title", kString, {"Info"}},
         {"HasCloseButton", kBoolean, {true}},
         {"HasMaximizeButton", kBoolean, {false}},
         {"HasMinimizeButton", kBoolean, {false}},
         {"HasFullScreenButton", kBoolean, {false}},
         {"Resizeable", kBoolean, {true}},
         {"Composite", kBoolean, {false}},
         {"MacProcID", kInteger, {0}},
         {"FullScreen", kBoolean, {false}},
         {"DefaultLocation", kEnum, {3}},
         {"Visible", kBoolean, {true}},
         {"HasBackgroundColor", kBoolean, {false}},
         {"BackgroundColor", kColour, {Bytes(0xFF, 0xFF, 0xFF, 0x00)}},
         {"MenuBarVisible", kBoolean, {true}},
         {"LiveResize", kBoolean, {false}},
     }},
    {fw::classes::TextArea,
     {{"EditField1", help::kEditField1}},
     {
         {"Name", kString, {"EditField1"}},
         {"Index", kInteger, {kNoIndex}},
         {"Left", kInteger, {-1}},
         {"Top", kInteger, {-1}},
         {"Width", kInteger, {551}},
         {"Height", kInteger, {480}},
         {"LockLeft", kBoolean, {false}},
         {"LockTop", kBoolean, {false}},
         {"LockRight", kBoolean, {false}},
         {"LockBottom", kBoolean, {false}},
         {"TabIndex", kInteger, {0}},
         {"TabPanelIndex", kInteger, {0}},
         {"TabStop", kBoolean, {false}},
         {"AllowAutoDeactivate", kBoolean, {true}},
         {"BackgroundColor", kColour, {Bytes(0xFF, 0xFF, 0xFF, 0x00)}},
         {"HasBorder", kBoolean, {true}},
         {"Enabled", kBoolean, {true}},
         {"Format", kString, {""}},
         {"Tooltip", kString, {""}},
         {"HideSelection", kBoolean, {true}},
         {"LineHeight", kDouble, {0.0}},
         {"LineSpacing", kDouble, {1.0}},
         {"Multiline", kBoolean, {true}},
         {"HasHorizontalScrollbar", kBoolean, {false}},
         {"HasVerticalScrollbar", kBoolean, {true}},
         {"AllowStyledText", kBoolean, {true}},
         {"TextColor", kColour, {Bytes(0x00, 0x00, 0x00, 0x00)}},
         {"Transparent", kBoolean, {true}},
         {"AllowFocusRing", kBoolean, {true}},
         {"Visible", kBoolean, {true}},
         {"Bold", kBoolean, {false}},
         {"Italic", kBoolean, {false}},
         {"FontName", kString, {"System"}},
         {"FontSize", kSingle, {12.0}},
         {"FontUnit", kFontUnit, {0}},
         {"Underline", kBoolean, {false}},
         {"Value", kString, {quorvan::kHelpText}},
         {"AllowTabs", kBoolean, {false}},
         {"TextAlignment", kEnum, {0}},
         {"AllowSpellChecking", kBoolean, {false}},
         {"MaximumCharactersAllowed", kInteger, {0}},
         {"ValidationMask", kString, {""}},
         {"ReadOnly", kBoolean, {false}},
         {"DataSource", kString, {""}},
         {"DataField", kString, {""}},
         {"InitialParent", kString, {""}},
     }},
};

// Where a class has two lists, a row's values stand in the order its lists are named.
const std::vector<ClassTable> kAboutWndLists = {
    {fw::classes::Window,
     {{"window", about::kAboutWnd}},
     {
         {"Width", kInteger, {473}},
         {"Height", kInteger, {303}},
         {"MinimumWidth", kInteger, {64}},
         {"MinimumHeight", kInteger, {64}},
         {"MaximumWidth", kInteger, {32000}},
         {"MaximumHeight", kInteger, {32000}},
         {"Type", kEnum, {2}},
         {"Title", kString, {""}},
         {"HasCloseButton", kBoolean, {false}},
         {"HasMaximizeButton", kBoolean, {false}},
         {"HasMinimizeButton", kBoolean, {false}},
         {"HasFullScreenButton", kBoolean, {false}},
         {"Resizeable", kBoolean, {false}},
         {"Composite", kBoolean, {false}},
         {"MacProcID", kInteger, {0}},
         {"FullScreen", kBoolean, {false}},
         {"DefaultLocation", kEnum, {0}},
         {"Visible", kBoolean, {true}},
         {"HasBackgroundColor", kBoolean, {true}},
         {"BackgroundColor", kColour, {Bytes(0xFF, 0xFF, 0xFF, 0x00)}},
         {"MenuBarVisible", kBoolean, {true}},
         {"LiveResize", kBoolean, {false}},
     }},
    {fw::classes::Label,
     {{"StaticText2", about::kStaticText2}, {"StaticText21", about::kStaticText21}},
     {
         {"Name", kString, {"StaticText2", "StaticText21"}},
         {"Index", kInteger, {kNoIndex}},
         {"Left", kInteger, {187, 178}},
         {"Top", kInteger, {135, 258}},
         {"Width", kInteger, {101, 120}},
         {"Height", kInteger, {15, 16}},
         {"LockLeft", kBoolean, {false}},
         {"LockTop", kBoolean, {false}},
         {"LockRight", kBoolean, {false}},
         {"LockBottom", kBoolean, {false}},
         {"TabIndex", kInteger, {3, 6}},
         {"TabPanelIndex", kInteger, {0}},
         {"TabStop", kBoolean, {false}},
         {"AllowAutoDeactivate", kBoolean, {true}},
         {"Enabled", kBoolean, {true}},
         {"Tooltip", kString, {""}},
         {"Multiline", kBoolean, {true}},
         {"Selectable", kBoolean, {false}},
         {"TextAlignment", kEnum, {2}},
         {"TextColor", kColour, {Bytes(0x00, 0x00, 0x80, 0x00)}},
         {"Transparent", kBoolean, {true, false}},
         // The rights notice, whose sign is its one two-byte character, and the author's name
         // below it; the wording is the program's own.
         {"Value", kString, {"\u00A9 2019-2026", "the Quorvan authors"}},
         {"Visible", kBoolean, {true}},
         {"Bold", kBoolean, {false}},
         {"Italic", kBoolean, {false}},
         {"FontName", kString, {"System"}},
         {"Underline", kBoolean, {false}},
         {"FontSize", kSingle, {10.0}},
         {"FontUnit", kFontUnit, {0}},
         {"DataSource", kString, {""}},
         {"DataField", kString, {""}},
         {"InitialParent", kString, {""}},
     }},
    {fw::classes::Canvas,
     {{"Canvas1", about::kCanvas1}, {"Canvas2", about::kCanvas2}},
     {
         {"Name", kString, {"Canvas1", "Canvas2"}},
         {"Index", kInteger, {kNoIndex}},
         {"Left", kInteger, {21, 187}},
         {"Top", kInteger, {30, 152}},
         {"Width", kInteger, {433, 101}},
         {"Height", kInteger, {67, 101}},
         {"LockLeft", kBoolean, {true}},
         {"LockTop", kBoolean, {true}},
         {"LockRight", kBoolean, {false, true}},
         {"LockBottom", kBoolean, {false, true}},
         {"TabIndex", kInteger, {4, 5}},
         {"TabPanelIndex", kInteger, {0}},
         {"TabStop", kBoolean, {false}},
         {"AllowAutoDeactivate", kBoolean, {true}},
         {"Enabled", kBoolean, {true}},
         {"Tooltip", kString, {""}},
         {"AllowFocusRing", kBoolean, {true, false}},
         {"Visible", kBoolean, {true}},
         {"AllowFocus", kBoolean, {false}},
         {"AllowTabs", kBoolean, {false}},
         {"Transparent", kBoolean, {true}},
         {"DoubleBuffer", kBoolean, {false}},
         {"Transparent", kBoolean, {true}},
         {"InitialParent", kString, {""}},
     }},
    {fw::classes::Timer,
     {{"Timer1", about::kTimer1}},
     {
         {"RunMode", kEnum, {1}},
         {"Period", kInteger, {4000}},
     }},
};

TEST(InfoWindowLists, EveryEntryHasItsNameTypeAndValue) {
  ExpectListsAsTabled("helpWnd", kHelpWndLists);
  ExpectListsAsTabled("AboutWnd", kAboutWndLists);
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

TEST(InfoWindowLists, HelpTextAreaStartsOutsideTheWindowInEightFfBytesEach) {
  const std::string list(help::kEditField1.List());
  EXPECT_NE(
      list.find(std::string("Left ") + std::string(8, '\xFF') + "Top " + std::string(8, '\xFF')),
      std::string::npos);
}

}  // namespace
