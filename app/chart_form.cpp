#include "app/chart_form.h"

#include <string>
#include <string_view>

#include "app/forms.h"
#include "app/resource_ids.h"
#include "platform/twips.h"
#include "site/chart_view.h"
#include "site/site_address.h"
#include "skin/engine/attach.h"

namespace app {

const ChartButton ChartButtons[12] = {
    {L"Command1", L"CMYK 颜色表", L"/soft/qovu/cmyk-color.html", 240, 8640, 1695, 1},
    {L"Command2", L"RGB 颜色表", L"/soft/qovu/rgb-color.html", 2040, 8640, 1575, 2},
    {L"Command3", L"PANTONE CU", L"/soft/qovu/PANTONE CU.htm", 7080, 8640, 1695, 3},
    {L"Command4", L"PANTONE U", L"/soft/qovu/PANTONE U.htm", 5400, 8640, 1575, 4},
    {L"Command5", L"PANTONE C", L"/soft/qovu/PANTONE C.htm", 3720, 8640, 1575, 5},
    {L"Command6", L"RAL 国际色卡", L"/soft/qovu/new_page_RAL.htm", 8880, 8640, 1575, 6},
    {L"Command7", L"512 颜色表", L"/soft/qovu/new_page_512.htm", 240, 9240, 1695, 7},
    {L"Command8", L"常用颜色表", L"/soft/qovu/jdcolor.html", 2040, 9240, 1575, 8},
    {L"Command9", L"中文对照颜色表", L"/soft/qovu/zywdzcolor.html", 3720, 9240, 1575, 9},
    {L"Command10", L"自定调色", L"/soft/qovu/txonlecolor.html", 5400, 9240, 1575, 10},
    {L"Command11", L"颜色代码表", L"/soft/qovu/ysdmcolor.html", 7080, 9240, 1695, 11},
    {L"Command12", L"颜色转换工具", L"/soft/qovu/fool.htm", 8880, 9240, 1575, 12},
};

namespace {

constexpr int ChartButtonHeight = 495;  // twips
// WebBrowser1: 30 twips wider than the client area, so its rightmost 2 pixels are hidden.
constexpr int BrowserLeft = 0;
constexpr int BrowserTop = 0;
constexpr int BrowserWidth = 10695;
constexpr int BrowserHeight = 8535;
constexpr int BrowserTabIndex = 0;

// Built against the built-in chart site, Tintora draws the pages itself; against any other
// site, the system's web browser shows them.
std::unique_ptr<platform::Browser> ChartSiteBrowser(HWND parent, const RECT& bounds) {
  if (site::IsBuiltInSite(ChartSiteBase)) return site::CreateChartView(parent, bounds);
  return platform::CreateSystemBrowser(parent, bounds);
}

const platform::FormDesign ChartDesign{
    .caption = L"Tintora - Halvek",
    .border = platform::BorderStyle::FixedSingle,
    .clientWidth = 10665,
    .clientHeight = 9825,
    .centred = true,
    .backColor = 0xCA8E28,
    .iconId = IDI_TINTORA,
};

std::vector<platform::ControlDesign> ChartControls() {
  std::vector<platform::ControlDesign> controls;
  for (const ChartButton& button : ChartButtons) {
    controls.push_back({.name = button.name, .kind = platform::ControlKind::CommandButton,
                        .text = button.caption, .left = button.left, .top = button.top,
                        .width = button.width, .height = ChartButtonHeight,
                        .tabIndex = button.tabIndex});
  }
  // Lies right of the designed client area: at the designed size it is not visible.
  controls.push_back({.name = L"Image1", .kind = platform::ControlKind::Image, .left = 11040,
                      .top = 8520, .width = 660, .height = 195, .pictureId = IDB_MORE});
  return controls;
}

}  // namespace

ChartForm::ChartForm() : platform::Form(ChartDesign, ChartControls()) {}

ChartForm::~ChartForm() {
  // The browser's window goes with the form's; the object itself goes here.
  Unload();
  webBrowser1_.reset();
}

void ChartForm::CreateOtherControls() {
  RECT bounds{platform::TwipsToPixels(BrowserLeft), platform::TwipsToPixels(BrowserTop),
              platform::TwipsToPixels(BrowserLeft + BrowserWidth),
              platform::TwipsToPixels(BrowserTop + BrowserHeight)};
  webBrowser1_ = platform::CreateBrowser(hwnd(), bounds, ChartSiteBrowser);
  if (webBrowser1_) AddTabStop(webBrowser1_->Window(), BrowserTabIndex);
}

void ChartForm::Form_Load() {
  // The start page is asked for before the skin is attached.
  Navigate(StartPagePath);
  skin::SkinWindow(hwnd());
}

void ChartForm::Navigate(const wchar_t* path) {
  if (webBrowser1_) webBrowser1_->Navigate(std::wstring(ChartSiteBase) + path);
}

void ChartForm::Control_Click(const platform::ControlDesign& control) {
  std::wstring_view name = control.name;
  if (name == L"Image1") {
    Image1_Click();
    return;
  }
  for (const ChartButton& button : ChartButtons) {
    if (name == button.name) {
      Navigate(button.page);
      return;
    }
  }
}

void ChartForm::Image1_Click() { Form2().Show(); }

}  // namespace app
