// The calculator window's twelve controls, made in stacking order (each lies above those before
// it: the frame below its six controls, the credit line above the banner's lower edge), each
// given its list and then its bindings.
#include "calculator/control_wnd.h"
#include "calculator/control_wnd_lists.h"
#include "framework/core/builtin_classes.h"
#include "framework/core/property_list.h"
#include "shell/pictures.h"

namespace quorvan {

namespace lists = control_wnd_lists;

namespace {
constexpr std::string_view kKeyDownSignature = "( TextField, String ) as Boolean";
constexpr std::string_view kTextChangeSignature = "( TextField )";
constexpr std::string_view kMouseDownSignature = "( BevelButton, Integer, Integer ) as Boolean";
}  // namespace

void ControlWnd::CreateControls0() {
  fw::SetProperties(fw::Must(NewControl<fw::RoundRectangle>(*this, "RoundRectangle1")),
                    lists::kRoundRectangle1);

  fw::SetProperties(fw::Must(NewControl<fw::TextField>(*this, "PostFld")), lists::kPostFld);
  BindControlEvent<fw::TextField>(*this, "PostFld", fw::kKeyDownEvent, &ControlWnd::PostFld_KeyDown,
                                  std::string(kKeyDownSignature));

  fw::SetProperties(fw::Must(NewControl<fw::TextField>(*this, "LikeFld")), lists::kLikeFld);
  BindControlEvent<fw::TextField>(*this, "LikeFld", fw::kKeyDownEvent, &ControlWnd::LikeFld_KeyDown,
                                  std::string(kKeyDownSignature));
  BindControlEvent<fw::TextField>(*this, "LikeFld", fw::kTextChangeEvent,
                                  &ControlWnd::LikeFld_TextChange,
                                  std::string(kTextChangeSignature));

  fw::SetProperties(fw::Must(NewControl<fw::TextField>(*this, "PreFld")), lists::kPreFld);
  BindControlEvent<fw::TextField>(*this, "PreFld", fw::kKeyDownEvent, &ControlWnd::PreFld_KeyDown,
                                  std::string(kKeyDownSignature));
  BindControlEvent<fw::TextField>(*this, "PreFld", fw::kTextChangeEvent,
                                  &ControlWnd::PreFld_TextChange,
                                  std::string(kTextChangeSignature));

  fw::SetProperties(fw::Must(NewControl<fw::Label>(*this, "PostText")), lists::kPostText);
  fw::SetProperties(fw::Must(NewControl<fw::Label>(*this, "LikeText")), lists::kLikeText);
  fw::SetProperties(fw::Must(NewControl<fw::Label>(*this, "PreText")), lists::kPreText);

  fw::SetProperties(fw::Must(NewControl<fw::BevelButton>(*this, "ClearBtn")), lists::kClearBtn);
  BindControlEvent<fw::BevelButton>(*this, "ClearBtn", fw::kBevelButtonMouseDownEvent,
                                    &ControlWnd::ClearBtn_MouseDown,
                                    std::string(kMouseDownSignature));

  fw::SetProperties(fw::Must(NewControl<fw::BevelButton>(*this, "helpBtn")), lists::kHelpBtn);
  BindControlEvent<fw::BevelButton>(*this, "helpBtn", fw::kBevelButtonMouseDownEvent,
                                    &ControlWnd::helpBtn_MouseDown,
                                    std::string(kMouseDownSignature));

  fw::SetProperties(fw::Must(NewControl<fw::BevelButton>(*this, "computeBtn")), lists::kComputeBtn);
  BindControlEvent<fw::BevelButton>(*this, "computeBtn", fw::kBevelButtonActionEvent,
                                    &ControlWnd::computeBtn_Action, "( BevelButton )");

  fw::SetProperties(fw::Must(NewCanvas(*this, "Canvas1", KTR8())), lists::kCanvas1);
  BindControlEvent<fw::Canvas>(*this, "Canvas1", fw::kMouseEnterEvent,
                               &ControlWnd::Canvas1_MouseEnter, "( Canvas )");
  BindControlEvent<fw::Canvas>(*this, "Canvas1", fw::kMouseExitEvent,
                               &ControlWnd::Canvas1_MouseExit, "( Canvas )");

  fw::SetProperties(fw::Must(NewControl<fw::TextArea>(*this, "Copyright")), lists::kCopyright);
}

}  // namespace quorvan
