// Initial property values of the help window and its one control, the text area that holds the
// help text. Applied in this order by the window's Layout and its control builder.
#pragma once

#include "framework/core/property_list.h"
#include "info_windows/help_text.h"

namespace quorvan::help_wnd_lists {

// Minimum and maximum equal the size, so the window cannot change size although Resizeable is set.
inline constexpr auto kHelpWnd = fw::MakePropertyList<[](auto& p) {
  p.Int("Width", 550);
  p.Int("Height", 480);
  p.Int("MinimumWidth", 550);
  p.Int("MinimumHeight", 480);
  p.Int("MaximumWidth", 550);
  p.Int("MaximumHeight", 480);
  p.Enum("Type", 0);
  p.Str("Title", "Info");
  p.Bool("HasCloseButton", true);
  p.Bool("HasMaximizeButton", false);
  p.Bool("HasMinimizeButton", false);
  p.Bool("HasFullScreenButton", false);
  p.Bool("Resizeable", true);
  p.Bool("Composite", false);
  p.Int("MacProcID", 0);
  p.Bool("FullScreen", false);
  p.Enum("DefaultLocation", 3);
  p.Bool("Visible", true);
  p.Bool("HasBackgroundColor", false);
  p.Colour("BackgroundColor", 0xFF, 0xFF, 0xFF, 0x00);
  p.Bool("MenuBarVisible", true);
  p.Bool("LiveResize", false);
}>();

// Starts one unit outside the window's left and top edges and is one unit wider than the window,
// so its border on those sides stays out of sight.
inline constexpr auto kEditField1 = fw::MakePropertyList<[](auto& p) {
  p.Str("Name", "EditField1");
  p.Int("Index", fw::kNoIndex);
  p.Int("Left", -1);
  p.Int("Top", -1);
  p.Int("Width", 551);
  p.Int("Height", 480);
  p.Bool("LockLeft", false);
  p.Bool("LockTop", false);
  p.Bool("LockRight", false);
  p.Bool("LockBottom", false);
  p.Int("TabIndex", 0);
  p.Int("TabPanelIndex", 0);
  p.Bool("TabStop", false);
  p.Bool("AllowAutoDeactivate", true);
  p.Colour("BackgroundColor", 0xFF, 0xFF, 0xFF, 0x00);
  p.Bool("HasBorder", true);
  p.Bool("Enabled", true);
  p.Str("Format", "");
  p.Str("Tooltip", "");
  p.Bool("HideSelection", true);
  p.Double("LineHeight", 0.0);
  p.Double("LineSpacing", 1.0);
  p.Bool("Multiline", true);
  p.Bool("HasHorizontalScrollbar", false);
  p.Bool("HasVerticalScrollbar", true);
  p.Bool("AllowStyledText", true);
  p.Colour("TextColor", 0x00, 0x00, 0x00, 0x00);
  p.Bool("Transparent", true);
  p.Bool("AllowFocusRing", true);
  p.Bool("Visible", true);
  p.Bool("Bold", false);
  p.Bool("Italic", false);
  p.Str("FontName", "System");
  p.Single("FontSize", 12.0f);
  p.FontUnit("FontUnit", 0);
  p.Bool("Underline", false);
  p.Str("Value", kHelpText);
  p.Bool("AllowTabs", false);
  p.Enum("TextAlignment", 0);
  p.Bool("AllowSpellChecking", false);
  p.Int("MaximumCharactersAllowed", 0);
  p.Str("ValidationMask", "");
  p.Bool("ReadOnly", false);
  p.Str("DataSource", "");
  p.Str("DataField", "");
  p.Str("InitialParent", "");
}>();

}  // namespace quorvan::help_wnd_lists
