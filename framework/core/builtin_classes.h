// The framework's own classes as the registry knows them: names, bases, declared properties and
// control events. They live here, without Qt, so that property lists can be read (and fuzzed)
// without a display; the Qt-backed classes return these from their StaticClass().
//
// Declared properties (the 86 names that property lists use), by the class that declares them:
//   Control         Name, Index
//   RectControl     Left Top Width Height LockLeft LockTop LockRight LockBottom TabIndex
//                   TabPanelIndex TabStop AllowAutoDeactivate Enabled Tooltip Visible InitialParent
//                   Transparent
//   TextEdit        BackgroundColor HasBorder Format TextColor AllowFocusRing FontName FontSize
//                   FontUnit Bold Italic Underline Value(string) AllowTabs TextAlignment
//                   AllowSpellChecking MaximumCharactersAllowed ValidationMask ReadOnly DataSource
//                   DataField
//   TextField       Password Hint
//   TextArea        HideSelection LineHeight LineSpacing MultiLine HasHorizontalScrollbar
//                   HasVerticalScrollbar AllowStyledText
//   Label           MultiLine Selectable TextAlignment TextColor Value(string) Bold Italic FontName
//                   Underline FontSize FontUnit DataSource DataField
//   BevelButton     Caption CaptionAlignment CaptionPosition CaptionDelta IconAlignment IconDeltaX
//                   IconDeltaY BevelStyle MenuStyle HasBackgroundColor BackgroundColor TextColor
//                   Value(boolean) ButtonStyle AllowFocus FontName FontSize FontUnit Bold Italic
//                   Underline
//   Canvas          AllowFocusRing AllowFocus AllowTabs DoubleBuffer
//   RoundRectangle  BorderColor BorderThickness FillColor CornerHeight CornerWidth
//   Timer           RunMode Period Enabled Index
//   Window          Width Height MinimumWidth MinimumHeight MaximumWidth MaximumHeight Type Title
//                   HasCloseButton HasMaximizeButton HasMinimizeButton HasFullScreenButton
//                   Resizeable Composite MacProcId FullScreen DefaultLocation Visible
//                   HasBackgroundColor BackgroundColor MenuBarVisible LiveResize
//
// Control events, numbered with the bases' first:
//   Control      0 Close, 1 CreatePane, 2 Open
//   RectControl  3 ConstructContextualMenu ... 9 KeyDown, 10 KeyUp, 11 MouseEnter, 12 MouseExit,
//                13 MouseMove, 14 MouseWheel
//   TextField    15 EnableMenuItems, 16 GotFocus, 17 LostFocus, 18 MouseDown, 19 MouseUp,
//                20 SelChange, 21 TextChange, 22 ValidationError
//   BevelButton  15 MouseUp, 16 MouseDown, 17 Action, 18 GotFocus, 19 LostFocus, 20 MenuSelected
//   Timer        0 Action
//
// Factories: the core cannot make Qt-backed objects, so a builtin class starts without a factory
// and the Qt layer installs one with SetFactory (BevelButton's at plug-in start-up). Until then
// RuntimeNewObject raises for that class.
#pragma once

#include <functional>
#include <span>

#include "framework/core/class_info.h"

namespace fw::classes {

const ClassInfo& Control();
const ClassInfo& RectControl();
const ClassInfo& TextEdit();
const ClassInfo& TextField();
const ClassInfo& TextArea();
const ClassInfo& Label();
const ClassInfo& BevelButton();
const ClassInfo& Canvas();
const ClassInfo& RoundRectangle();
const ClassInfo& Timer();
const ClassInfo& Window();
const ClassInfo& Picture();

// Every class above, in the order above.
std::span<const ClassInfo* const> All();

// Installs (or, with an empty function, removes) the factory of one of the classes above; any
// other class raises InvalidArgumentException.
void SetFactory(const ClassInfo& builtin, std::function<Ref<Object>()> factory);

}  // namespace fw::classes

namespace fw {
// Event numbers the program binds.
inline constexpr int kKeyDownEvent = 9;
inline constexpr int kMouseEnterEvent = 11;
inline constexpr int kMouseExitEvent = 12;
inline constexpr int kBevelButtonMouseDownEvent = 16;
inline constexpr int kBevelButtonActionEvent = 17;
inline constexpr int kTextChangeEvent = 21;
inline constexpr int kTimerActionEvent = 0;
}  // namespace fw
