// Lists of the program's shapes, written with the builder from the values the program's windows
// use: the About box's timer, the calculator window, its Calculate button and its pretest field.
// Written here again, apart from the program's own, so that the format's tests stand on their own.
#pragma once

#include "framework/core/property_list.h"

namespace fw::samples {

inline constexpr std::int64_t kNoIndex = -2147483648LL;

inline constexpr auto kTimerList = MakePropertyList<[](auto& p) {
  p.Enum("RunMode", 1);
  p.Int("Period", 4000);
}>();

inline constexpr auto kCalculatorWindowList = MakePropertyList<[](auto& p) {
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

inline constexpr auto kCalculateButtonList = MakePropertyList<[](auto& p) {
  p.Bool("AllowAutoDeactivate", true);
  p.Str("Tooltip", "");
  p.Bool("Transparent", true);
  p.Str("Name", "computeBtn");
  p.Int("Index", kNoIndex);
  p.Int("Left", 40);
  p.Int("Top", 420);
  p.Int("Width", 100);
  p.Int("Height", 40);
  p.Bool("LockLeft", false);
  p.Bool("LockTop", false);
  p.Bool("LockRight", false);
  p.Bool("LockBottom", false);
  p.Int("TabPanelIndex", 0);
  p.Int("TabIndex", 6);
  p.Bool("TabStop", false);
  p.Str("InitialParent", "");
  p.Bool("Visible", true);
  p.Bool("Enabled", true);
  p.Str("Caption", "Calculate");
  p.Enum("CaptionAlignment", 3);
  p.Enum("CaptionPosition", 1);
  p.Int("CaptionDelta", 0);
  p.Enum("IconAlignment", 0);
  p.Int("IconDeltaX", 0);
  p.Int("IconDeltaY", 0);
  p.Enum("BevelStyle", 1);
  p.Enum("MenuStyle", 0);
  p.Bool("HasBackgroundColor", true);
  p.Colour("BackgroundColor", 0xB3, 0xB3, 0xB3, 0x00);
  p.Colour("TextColor", 0x02, 0x00, 0x80, 0x00);
  p.Bool("Value", false);
  p.Enum("ButtonStyle", 0);
  p.Bool("AllowFocus", false);
  p.Str("FontName", "System");
  p.Single("FontSize", 12.0F);
  p.FontUnit("FontUnit", 0);
  p.Bool("Bold", false);
  p.Bool("Italic", false);
  p.Bool("Underline", false);
}>();

inline constexpr auto kPretestFieldList = MakePropertyList<[](auto& p) {
  p.Str("Name", "PreFld");
  p.Int("Index", kNoIndex);
  p.Int("Left", 85);
  p.Int("Top", 267);
  p.Int("Width", 99);
  p.Int("Height", 22);
  p.Bool("LockLeft", false);
  p.Bool("LockTop", false);
  p.Bool("LockRight", false);
  p.Bool("LockBottom", false);
  p.Int("TabIndex", 0);
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
  p.Bool("Visible", true);
  p.Str("FontName", "System");
  p.Single("FontSize", 12.0F);
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
  p.Bool("ReadOnly", false);
  p.Str("DataSource", "");
  p.Str("DataField", "");
  p.Str("InitialParent", "RoundRectangle1");
}>();

}  // namespace fw::samples
