// Initial property values of the calculator window and its twelve controls, in stored order. The
// three fields, the three captions and the three buttons share one entry sequence per kind; only
// the values that differ are passed in.
#pragma once

#include <cstdint>
#include <string_view>

#include "framework/core/property_list.h"

namespace quorvan::control_wnd_lists {

inline constexpr auto kControlWnd = fw::MakePropertyList<[](auto& p) {
  p.Int("Width", 620);
  p.Int("Height", 480);
  p.Int("MinimumWidth", 610);
  p.Int("MinimumHeight", 64);
  p.Int("MaximumWidth", 610);
  p.Int("MaximumHeight", 32000);
  p.Enum("Type", 0);
  p.Str("Title", "Quorvan");
  p.Bool("HasCloseButton", true);
  p.Bool("HasMaximizeButton", false);
  p.Bool("HasMinimizeButton", true);
  p.Bool("HasFullScreenButton", false);
  p.Bool("Resizeable", true);
  p.Bool("Composite", false);
  p.Int("MacProcID", 0);
  p.Bool("FullScreen", false);
  p.Enum("DefaultLocation", 0);
  p.Bool("Visible", true);
  p.Bool("HasBackgroundColor", true);
  p.Colour("BackgroundColor", 0xFF, 0xFF, 0xFF, 0x00);
  p.Bool("MenuBarVisible", true);
  p.Bool("LiveResize", true);
}>();

inline constexpr auto kRoundRectangle1 = fw::MakePropertyList<[](auto& p) {
  p.Str("Name", "RoundRectangle1");
  p.Int("Index", fw::kNoIndex);
  p.Int("Left", 40);
  p.Int("Top", 185);
  p.Int("Width", 540);
  p.Int("Height", 142);
  p.Bool("LockLeft", true);
  p.Bool("LockTop", true);
  p.Bool("LockRight", true);
  p.Bool("LockBottom", true);
  p.Int("TabIndex", 13);
  p.Int("TabPanelIndex", 0);
  p.Bool("AllowAutoDeactivate", true);
  p.Colour("BorderColor", 0x00, 0x00, 0x99, 0x00);
  p.Double("BorderThickness", 2.0);
  p.Bool("Enabled", true);
  p.Colour("FillColor", 0xEA, 0xFF, 0xFF, 0x00);
  p.Str("Tooltip", "");
  p.Double("CornerHeight", 16.0);
  p.Double("CornerWidth", 16.0);
  p.Bool("Transparent", true);
  p.Bool("Visible", true);
  p.Str("InitialParent", "");
}>();

struct FieldValues {
  std::string_view name;
  std::int64_t left;
  std::int64_t top;
  std::int64_t tabIndex;
  bool visible;
  bool readOnly;
};

constexpr void FieldEntries(auto& p, const FieldValues& v) {
  p.Str("Name", v.name);
  p.Int("Index", fw::kNoIndex);
  p.Int("Left", v.left);
  p.Int("Top", v.top);
  p.Int("Width", 99);
  p.Int("Height", 22);
  p.Bool("LockLeft", false);
  p.Bool("LockTop", false);
  p.Bool("LockRight", false);
  p.Bool("LockBottom", false);
  p.Int("TabIndex", v.tabIndex);
  p.Int("TabPanelIndex", 0);
  p.Bool("TabStop", true);
  p.Bool("AllowAutoDeactivate", true);
  p.Colour("BackgroundColor", 0xFF, 0xFF, 0xFF, 0x00);
  p.Bool("HasBorder", true);
  p.Bool("Enabled", true);
  p.Str("Format", "");
  p.Str("Tooltip", "");
  p.Bool("Password", false);
  p.Colour("TextColor", 0x00, 0x00, 0x00, 0x00);
  p.Bool("Transparent", true);
  p.Bool("AllowFocusRing", true);
  p.Bool("Visible", v.visible);
  p.Str("FontName", "System");
  p.Single("FontSize", 12.0f);
  p.FontUnit("FontUnit", 0);
  p.Bool("Bold", false);
  p.Bool("Italic", false);
  p.Bool("Underline", false);
  p.Str("Hint", "");
  p.Str("Value", "");
  p.Bool("AllowTabs", false);
  p.Enum("TextAlignment", 2);
  p.Bool("AllowSpellChecking", false);
  p.Int("MaximumCharactersAllowed", 5);
  p.Str("ValidationMask", "");
  p.Bool("ReadOnly", v.readOnly);
  p.Str("DataSource", "");
  p.Str("DataField", "");
  p.Str("InitialParent", "RoundRectangle1");
}

inline constexpr auto kPostFld = fw::MakePropertyList<[](auto& p) {
  FieldEntries(p, {"PostFld", 438, 267, 3, false, true});
}>();
inline constexpr auto kLikeFld = fw::MakePropertyList<[](auto& p) {
  FieldEntries(p, {"LikeFld", 274, 266, 1, true, false});
}>();
inline constexpr auto kPreFld = fw::MakePropertyList<[](auto& p) {
  FieldEntries(p, {"PreFld", 85, 267, 0, true, false});
}>();

struct CaptionValues {
  std::string_view name;
  std::int64_t left;
  std::int64_t top;
  std::int64_t height;
  std::int64_t tabIndex;
  std::string_view value;
  bool visible;
};

constexpr void CaptionEntries(auto& p, const CaptionValues& v) {
  p.Str("Name", v.name);
  p.Int("Index", fw::kNoIndex);
  p.Int("Left", v.left);
  p.Int("Top", v.top);
  p.Int("Width", 101);
  p.Int("Height", v.height);
  p.Bool("LockLeft", true);
  p.Bool("LockTop", true);
  p.Bool("LockRight", true);
  p.Bool("LockBottom", true);
  p.Int("TabIndex", v.tabIndex);
  p.Int("TabPanelIndex", 0);
  p.Bool("TabStop", false);
  p.Bool("AllowAutoDeactivate", true);
  p.Bool("Enabled", true);
  p.Str("Tooltip", "");
  p.Bool("Multiline", true);
  p.Bool("Selectable", false);
  p.Enum("TextAlignment", 2);
  p.Colour("TextColor", 0x00, 0x00, 0x00, 0x00);
  p.Bool("Transparent", false);
  p.Str("Value", v.value);
  p.Bool("Visible", v.visible);
  p.Bool("Bold", true);
  p.Bool("Italic", false);
  p.Str("FontName", "System");
  p.Bool("Underline", false);
  p.Single("FontSize", 14.0f);
  p.FontUnit("FontUnit", 0);
  p.Str("DataSource", "");
  p.Str("DataField", "");
  p.Str("InitialParent", "RoundRectangle1");
}

inline constexpr auto kPostText = fw::MakePropertyList<[](auto& p) {
  CaptionEntries(p, {"PostText", 438, 222, 36, 3, "Posttest\r\nProbability", false});
}>();
inline constexpr auto kLikeText = fw::MakePropertyList<[](auto& p) {
  CaptionEntries(p, {"LikeText", 274, 222, 36, 4, "Likelihood\r\nRatio", true});
}>();
inline constexpr auto kPreText = fw::MakePropertyList<[](auto& p) {
  CaptionEntries(p, {"PreText", 85, 223, 35, 5, "Pretest\r\nProbability", true});
}>();

struct ButtonValues {
  std::string_view name;
  std::int64_t left;
  bool locked;
  std::int64_t tabIndex;
  std::string_view caption;
  bool hasBackgroundColor;
  std::uint8_t textRed;
  std::uint8_t textBlue;
  float fontSize;
  bool bold;
};

constexpr void ButtonEntries(auto& p, const ButtonValues& v) {
  p.Bool("AllowAutoDeactivate", true);
  p.Str("Tooltip", "");
  p.Bool("Transparent", true);
  p.Str("Name", v.name);
  p.Int("Index", fw::kNoIndex);
  p.Int("Left", v.left);
  p.Int("Top", 420);
  p.Int("Width", 100);
  p.Int("Height", 40);
  p.Bool("LockLeft", v.locked);
  p.Bool("LockTop", v.locked);
  p.Bool("LockRight", v.locked);
  p.Bool("LockBottom", v.locked);
  p.Int("TabPanelIndex", 0);
  p.Int("TabIndex", v.tabIndex);
  p.Bool("TabStop", false);
  p.Str("InitialParent", "");
  p.Bool("Visible", true);
  p.Bool("Enabled", true);
  p.Str("Caption", v.caption);
  p.Enum("CaptionAlignment", 3);
  p.Enum("CaptionPosition", 1);
  p.Int("CaptionDelta", 0);
  p.Enum("IconAlignment", 0);
  p.Int("IconDeltaX", 0);
  p.Int("IconDeltaY", 0);
  p.Enum("BevelStyle", 1);
  p.Enum("MenuStyle", 0);
  p.Bool("HasBackgroundColor", v.hasBackgroundColor);
  p.Colour("BackgroundColor", 0xB3, 0xB3, 0xB3, 0x00);
  p.Colour("TextColor", v.textRed, 0x00, v.textBlue, 0x00);
  p.Bool("Value", false);
  p.Enum("ButtonStyle", 0);
  p.Bool("AllowFocus", false);
  p.Str("FontName", "System");
  p.Single("FontSize", v.fontSize);
  p.FontUnit("FontUnit", 0);
  p.Bool("Bold", v.bold);
  p.Bool("Italic", false);
  p.Bool("Underline", false);
}

inline constexpr auto kClearBtn = fw::MakePropertyList<[](auto& p) {
  ButtonEntries(p, {"ClearBtn", 260, false, 4, "Clear", false, 0x02, 0x80, 12.0f, false});
}>();
inline constexpr auto kHelpBtn = fw::MakePropertyList<[](auto& p) {
  ButtonEntries(p, {"helpBtn", 480, true, 5, "?", false, 0x00, 0xA1, 32.0f, true});
}>();
inline constexpr auto kComputeBtn = fw::MakePropertyList<[](auto& p) {
  ButtonEntries(p, {"computeBtn", 40, false, 6, "Calculate", true, 0x02, 0x80, 12.0f, false});
}>();

inline constexpr auto kCanvas1 = fw::MakePropertyList<[](auto& p) {
  p.Str("Name", "Canvas1");
  p.Int("Index", fw::kNoIndex);
  p.Int("Left", 20);
  p.Int("Top", 3);
  p.Int("Width", 580);
  p.Int("Height", 97);
  p.Bool("LockLeft", true);
  p.Bool("LockTop", true);
  p.Bool("LockRight", true);
  p.Bool("LockBottom", true);
  p.Int("TabIndex", 9);
  p.Int("TabPanelIndex", 0);
  p.Bool("TabStop", false);
  p.Bool("AllowAutoDeactivate", true);
  p.Bool("Enabled", true);
  p.Str("Tooltip", "");
  p.Bool("AllowFocusRing", true);
  p.Bool("Visible", true);
  p.Bool("AllowFocus", false);
  p.Bool("AllowTabs", false);
  p.Bool("Transparent", true);
  p.Bool("DoubleBuffer", false);
  p.Bool("Transparent", true);
  p.Str("InitialParent", "");
}>();

inline constexpr auto kCopyright = fw::MakePropertyList<[](auto& p) {
  p.Str("Name", "Copyright");
  p.Int("Index", fw::kNoIndex);
  p.Int("Left", 20);
  p.Int("Top", 85);
  p.Int("Width", 580);
  p.Int("Height", 17);
  p.Bool("LockLeft", true);
  p.Bool("LockTop", true);
  p.Bool("LockRight", true);
  p.Bool("LockBottom", true);
  p.Int("TabIndex", 10);
  p.Int("TabPanelIndex", 0);
  p.Bool("TabStop", false);
  p.Bool("AllowAutoDeactivate", true);
  p.Colour("BackgroundColor", 0xFF, 0xFF, 0xFF, 0x00);
  p.Bool("HasBorder", false);
  p.Bool("Enabled", false);
  p.Str("Format", "");
  p.Str("Tooltip", "");
  p.Bool("HideSelection", true);
  p.Double("LineHeight", 0.0);
  p.Double("LineSpacing", 1.0);
  p.Bool("Multiline", false);
  p.Bool("HasHorizontalScrollbar", false);
  p.Bool("HasVerticalScrollbar", false);
  p.Bool("AllowStyledText", false);
  p.Colour("TextColor", 0x00, 0x00, 0x00, 0x00);
  p.Bool("Transparent", true);
  p.Bool("AllowFocusRing", false);
  p.Bool("Visible", true);
  p.Bool("Bold", false);
  p.Bool("Italic", false);
  p.Str("FontName", "System");
  p.Single("FontSize", 10.0f);
  p.FontUnit("FontUnit", 0);
  p.Bool("Underline", false);
  p.Str("Value", "Quorvan 2.0, a posttest probability calculator by the Quorvan authors");
  p.Bool("AllowTabs", false);
  p.Enum("TextAlignment", 2);
  p.Bool("AllowSpellChecking", false);
  p.Int("MaximumCharactersAllowed", 0);
  p.Str("ValidationMask", "");
  p.Bool("ReadOnly", true);
  p.Str("DataSource", "");
  p.Str("DataField", "");
  p.Str("InitialParent", "");
}>();

}  // namespace quorvan::control_wnd_lists
