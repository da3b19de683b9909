#pragma once
// Form1, the login dialog: a shaped, borderless window that asks for a password.
#include "platform/form.h"

namespace app {

// The one password that unlocks the program, compared whole and exactly.
inline constexpr wchar_t LoginPassword[] = L"583172946";
// Back colour of the dialog and its transparency key: COLORREF 0xFF0000 is pure blue.
inline constexpr COLORREF LoginKeyColor = 0xFF0000;
inline constexpr wchar_t WrongPasswordText[] = L"无效的密码，请重试!";
inline constexpr wchar_t WrongPasswordTitle[] = L"登录";

class LoginForm : public platform::Form {
 public:
  LoginForm();

 protected:
  void Form_Load() override;
  void Form_MouseDown(int button, int shift, float x, float y) override;
  void Form_MouseUp(int button, int shift, float x, float y) override;
  void Control_Click(const platform::ControlDesign& control) override;

 private:
  void cmdOK_Click();
  void cmdCancel_Click();
  void Label3_Click();

  // Where the last press on the dialog's surface was, in twips.
  short MouseDownX = 0;
  short MouseDownY = 0;
};

}  // namespace app
