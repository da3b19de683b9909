#pragma once
// soft, the colour-chart main window: an embedded browser above twelve chart buttons.
#include <memory>

#include "platform/browser.h"
#include "platform/form.h"

namespace app {

// The chart site's scheme and host, fixed when the program is built.
inline constexpr wchar_t ChartSiteBase[] = L"" TINTORA_BASE_ADDRESS;
// The start page, loaded when the window opens.
inline constexpr wchar_t StartPagePath[] = L"/b";

struct ChartButton {
  const wchar_t* name;
  const wchar_t* caption;
  const wchar_t* page;  // path on the chart site, blanks kept
  int left;             // twips
  int top;
  int width;
  int tabIndex;
};

// Command1 to Command12, in the order of their numbers.
extern const ChartButton ChartButtons[12];

class ChartForm : public platform::Form {
 public:
  ChartForm();
  ~ChartForm() override;

  platform::Browser* WebBrowser1() const { return webBrowser1_.get(); }

 protected:
  void CreateOtherControls() override;
  void Form_Load() override;
  void Control_Click(const platform::ControlDesign& control) override;

 private:
  void Navigate(const wchar_t* path);
  void Image1_Click();

  std::unique_ptr<platform::Browser> webBrowser1_;
};

}  // namespace app
