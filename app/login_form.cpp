#include "app/login_form.h"

#include <cmath>
#include <string_view>

#include "app/forms.h"
#include "app/resource_ids.h"
#include "platform/message_box.h"
#include "platform/send_keys.h"
#include "skin/engine/attach.h"

namespace app {

namespace {

using platform::ControlKind;
using platform::ControlDesign;
using platform::FontSpec;

constexpr COLORREF TextBoxBackColor = 0x808080;
constexpr COLORREF LabelTextColor = 0xCFCC4E;
constexpr FontSpec TextBoxFont{platform::SongFace, 12, FW_NORMAL, GB2312_CHARSET};
constexpr FontSpec TitleFont{platform::SongFace, 15, FW_BOLD, GB2312_CHARSET};

const platform::FormDesign LoginDesign{
    .caption = L"Tintora",
    .border = platform::BorderStyle::None,
    .clientWidth = 3885,
    .clientHeight = 6480,
    .centred = true,
    .iconId = IDI_TINTORA,
    .pictureId = IDB_BACKDROP,
    .taskbarButton = true,  // so the dialog can be restored after Label3 minimises it
};

std::vector<ControlDesign> LoginControls() {
  return {
      {.name = L"txtUserName", .kind = ControlKind::TextBox, .text = L"",
       .left = 1320, .top = 4320, .width = 2325, .height = 345, .tabIndex = 0,
       .backColor = TextBoxBackColor, .font = &TextBoxFont},
      {.name = L"txtPassword", .kind = ControlKind::TextBox, .text = L"",
       .left = 1320, .top = 4800, .width = 2325, .height = 345, .tabIndex = 1,
       .backColor = TextBoxBackColor, .font = &TextBoxFont, .password = true},
      {.name = L"cmdOK", .kind = ControlKind::CommandButton, .text = L"Login\r\n",
       .left = 1440, .top = 5400, .width = 1020, .height = 390, .tabIndex = 2,
       .isDefault = true},
      {.name = L"cmdCancel", .kind = ControlKind::CommandButton, .text = L"Exit",
       .left = 2640, .top = 5400, .width = 1020, .height = 390, .tabIndex = 3,
       .isCancel = true},
      {.name = L"lblLabels", .index = 0, .kind = ControlKind::Label, .text = L"Users(&U):",
       .left = 240, .top = 4335, .width = 840, .height = 270, .tabIndex = 4,
       .foreColor = LabelTextColor, .mnemonicTarget = L"txtUserName"},
      // One line high: the second line of the caption is cut off.
      {.name = L"lblLabels", .index = 1, .kind = ControlKind::Label,
       .text = L"Password(&P)\r\n:", .left = 240, .top = 4845, .width = 1200, .height = 210,
       .tabIndex = 5, .foreColor = LabelTextColor, .mnemonicTarget = L"txtPassword"},
      {.name = L"Label1", .kind = ControlKind::Label,
       .text = L"(C) Halvek. All rights reserved.", .left = 360, .top = 6000, .width = 3255,
       .height = 255, .tabIndex = 6, .foreColor = LabelTextColor},
      {.name = L"Label2", .kind = ControlKind::Label, .text = L"Tintora 色卡", .left = 720,
       .top = 3720, .width = 2535, .height = 495, .tabIndex = 7,
       .foreColor = LabelTextColor, .font = &TitleFont},
      // A transparent hot spot over the tip of the emblem: a click minimises the dialog.
      {.name = L"Label3", .kind = ControlKind::Label, .text = L"", .left = 1680, .top = 0,
       .width = 495, .height = 375, .tabIndex = 8},
  };
}

short RoundToShort(float twips) { return static_cast<short>(std::nearbyint(twips)); }

}  // namespace

LoginForm::LoginForm() : platform::Form(LoginDesign, LoginControls()) {}

void LoginForm::Form_Load() {
  SetBackColor(LoginKeyColor);
  LONG_PTR exStyle = GetWindowLongPtrW(hwnd(), GWL_EXSTYLE);
  SetWindowLongPtrW(hwnd(), GWL_EXSTYLE, exStyle | WS_EX_LAYERED);
  // Every pixel of exactly the key colour is neither drawn nor hit by the mouse.
  SetLayeredWindowAttributes(hwnd(), LoginKeyColor, 0, LWA_COLORKEY);
  skin::SkinWindow(hwnd());
}

void LoginForm::Form_MouseDown(int, int, float x, float y) {
  MouseDownY = RoundToShort(y);
  MouseDownX = RoundToShort(x);
}

// The window jumps once, at release, by the distance between press and release. The form
// reports a release only after a press on its surface that kept the mouse until then.
void LoginForm::Form_MouseUp(int, int, float x, float y) {
  SetTop(Top() - (static_cast<float>(MouseDownY) - y));
  SetLeft(Left() - (static_cast<float>(MouseDownX) - x));
}

void LoginForm::Control_Click(const platform::ControlDesign& control) {
  std::wstring_view name = control.name;
  if (name == L"cmdOK") {
    cmdOK_Click();
  } else if (name == L"cmdCancel") {
    cmdCancel_Click();
  } else if (name == L"Label3") {
    Label3_Click();
  }
}

void LoginForm::cmdOK_Click() {
  if (Text(L"txtPassword") == LoginPassword) {
    Unload();
    soft().Show();
    return;
  }
  platform::MsgBox(hwnd(), WrongPasswordText, WrongPasswordTitle, MB_OK);
  SetFocusTo(L"txtPassword");
  // Selects the whole password, so the next character typed replaces it.
  platform::SendKeys(L"{Home}+{End}");
}

void LoginForm::cmdCancel_Click() { Unload(); }

void LoginForm::Label3_Click() { Minimize(); }

}  // namespace app
