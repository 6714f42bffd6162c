// Initial property values of the About box and its five members, in the order the box applies
// them: the window in Layout, then each member right after the builder registered it.
#pragma once

#include <cstdint>
#include <string_view>

#include "framework/core/property_list.h"

namespace quorvan::about_wnd_lists {

inline constexpr auto kAboutWnd = fw::MakePropertyList<[](auto& p) {
  p.Int("Width", 473);
  p.Int("Height", 303);
  p.Int("MinimumWidth", 64);
  p.Int("MinimumHeight", 64);
  p.Int("MaximumWidth", 32000);
  p.Int("MaximumHeight", 32000);
  p.Enum("Type", 2);
  p.Str("Title", "");
  p.Bool("HasCloseButton", false);
  p.Bool("HasMaximizeButton", false);
  p.Bool("HasMinimizeButton", false);
  p.Bool("HasFullScreenButton", false);
  p.Bool("Resizeable", false);
  p.Bool("Composite", false);
  p.Int("MacProcID", 0);
  p.Bool("FullScreen", false);
  p.Enum("DefaultLocation", 0);
  p.Bool("Visible", true);
  p.Bool("HasBackgroundColor", true);
  p.Colour("BackgroundColor", 0xFF, 0xFF, 0xFF, 0x00);
  p.Bool("MenuBarVisible", true);
  p.Bool("LiveResize", false);
}>();

// The two labels share one entry sequence; only the values that differ are passed in.
struct LabelValues {
  std::string_view name;
  std::int64_t left;
  std::int64_t top;
  std::int64_t width;
  std::int64_t height;
  std::int64_t tabIndex;
  bool transparent;
  std::string_view value;
};

constexpr void LabelEntries(auto& p, const LabelValues& v) {
  p.Str("Name", v.name);
  p.Int("Index", fw::kNoIndex);
  p.Int("Left", v.left);
  p.Int("Top", v.top);
  p.Int("Width", v.width);
  p.Int("Height", v.height);
  p.Bool("LockLeft", false);
  p.Bool("LockTop", false);
  p.Bool("LockRight", false);
  p.Bool("LockBottom", false);
  p.Int("TabIndex", v.tabIndex);
  p.Int("TabPanelIndex", 0);
  p.Bool("TabStop", false);
  p.Bool("AllowAutoDeactivate", true);
  p.Bool("Enabled", true);
  p.Str("Tooltip", "");
  p.Bool("Multiline", true);
  p.Bool("Selectable", false);
  p.Enum("TextAlignment", 2);
  p.Colour("TextColor", 0x00, 0x00, 0x80, 0x00);
  p.Bool("Transparent", v.transparent);
  p.Str("Value", v.value);
  p.Bool("Visible", true);
  p.Bool("Bold", false);
  p.Bool("Italic", false);
  p.Str("FontName", "System");
  p.Bool("Underline", false);
  p.Single("FontSize", 10.0f);
  p.FontUnit("FontUnit", 0);
  p.Str("DataSource", "");
  p.Str("DataField", "");
  p.Str("InitialParent", "");
}

// The two canvases likewise; their pictures are set in code before the list is applied.
struct CanvasValues {
  std::string_view name;
  std::int64_t left;
  std::int64_t top;
  std::int64_t width;
  std::int64_t height;
  bool lockRightAndBottom;
  std::int64_t tabIndex;
  bool allowFocusRing;
};

constexpr void CanvasEntries(auto& p, const CanvasValues& v) {
  p.Str("Name", v.name);
  p.Int("Index", fw::kNoIndex);
  p.Int("Left", v.left);
  p.Int("Top", v.top);
  p.Int("Width", v.width);
  p.Int("Height", v.height);
  p.Bool("LockLeft", true);
  p.Bool("LockTop", true);
  p.Bool("LockRight", v.lockRightAndBottom);
  p.Bool("LockBottom", v.lockRightAndBottom);
  p.Int("TabIndex", v.tabIndex);
  p.Int("TabPanelIndex", 0);
  p.Bool("TabStop", false);
  p.Bool("AllowAutoDeactivate", true);
  p.Bool("Enabled", true);
  p.Str("Tooltip", "");
  p.Bool("AllowFocusRing", v.allowFocusRing);
  p.Bool("Visible", true);
  p.Bool("AllowFocus", false);
  p.Bool("AllowTabs", false);
  p.Bool("Transparent", true);
  p.Bool("DoubleBuffer", false);
  p.Bool("Transparent", true);
  p.Str("InitialParent", "");
}

// The rights notice: one short line whose one non-ASCII character, the sign, takes two bytes.
inline constexpr auto kStaticText2 = fw::MakePropertyList<[](auto& p) {
  LabelEntries(p, {"StaticText2", 187, 135, 101, 15, 3, true, "\u00A9 2019-2026"});
}>();
inline constexpr auto kCanvas1 = fw::MakePropertyList<[](auto& p) {
  CanvasEntries(p, {"Canvas1", 21, 30, 433, 67, false, 4, true});
}>();
inline constexpr auto kCanvas2 = fw::MakePropertyList<[](auto& p) {
  CanvasEntries(p, {"Canvas2", 187, 152, 101, 101, true, 5, false});
}>();
// The author's name, completing the rights notice above it.
inline constexpr auto kStaticText21 = fw::MakePropertyList<[](auto& p) {
  LabelEntries(p, {"StaticText21", 178, 258, 120, 16, 6, false, "the Quorvan authors"});
}>();

// Fires once, 4000 ms after it is set up; it starts without an Enabled entry.
inline constexpr auto kTimer1 = fw::MakePropertyList<[](auto& p) {
  p.Enum("RunMode", 1);
  p.Int("Period", 4000);
}>();

}  // namespace quorvan::about_wnd_lists
