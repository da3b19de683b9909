// The conversion tool: one line that takes any notation the colour engine reads; Enter
// (or the button) converts. The result lists every notation, the swatch and the nearest
// named colour; text that is no colour gets its reason in the result's place.
#include <windows.h>

#include <commctrl.h>

#include <optional>
#include <string>

#include "colour/notation.h"
#include "site/control_factory.h"
#include "site/page_builders.h"
#include "site/page_controls.h"
#include "site/pages/colour_facts.h"

namespace site {

namespace {

constexpr int InputId = 100;
constexpr int ConvertId = 101;
// The text box's subclass on top of its own procedure (and under the skin's).
constexpr UINT_PTR EnterSubclassId = 1;

constexpr SIZE Room{660, 26};
constexpr int InputWidth = 470;
constexpr int ButtonGap = 10;
constexpr int ButtonWidth = 96;
constexpr int RowHeight = 24;

constexpr size_t ResultsStart = 1;

// Enter in the text box converts, as the button does; without this a single-line text box
// only beeps. On the button too: outside a dialog a focused button ignores Enter.
LRESULT CALLBACK EnterConverts(HWND edit, UINT message, WPARAM wParam, LPARAM lParam,
                               UINT_PTR, DWORD_PTR) {
  switch (message) {
    case WM_KEYDOWN:
      if (wParam == VK_RETURN) {
        SendMessageW(GetParent(edit), WM_COMMAND, MAKEWPARAM(ConvertId, BN_CLICKED), 0);
        return 0;
      }
      break;
    case WM_CHAR:
      if (wParam == L'\r') return 0;
      break;
    case WM_NCDESTROY:
      RemoveWindowSubclass(edit, EnterConverts, EnterSubclassId);
      break;
    default:
      break;
  }
  return DefSubclassProc(edit, message, wParam, lParam);
}

class ConverterControls final : public PageControls {
 public:
  void Create(HWND pane, const Page& page, HFONT font) override {
    const RECT room = page.sections.front().layout.room;
    input_ = CreatePageControl(pane,
                               {L"Edit", L"", WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE,
                                {room.left, room.top, room.left + InputWidth, room.top + RowHeight},
                                InputId, EnterConverts, EnterSubclassId},
                               font);
    int left = room.left + InputWidth + ButtonGap;
    convert_ = CreatePageControl(pane,
                                 {L"Button", L"Convert", WS_TABSTOP | BS_PUSHBUTTON, 0,
                                  {left, room.top, left + ButtonWidth, room.top + RowHeight},
                                  ConvertId, EnterConverts, EnterSubclassId},
                                 font);
  }

  bool OnCommand(int id, int code) override {
    if (id != ConvertId || code != BN_CLICKED) return false;
    result_ = colour::ParseColour(WindowTextOf(input_));
    return true;
  }

  void Fill(Page& page) override {
    page.sections.resize(ResultsStart);
    if (!result_) {
      Section waiting;
      waiting.paragraphs = {L"Type a colour above and press Enter."};
      page.sections.push_back(std::move(waiting));
      return;
    }
    if (!*result_) {
      Section refused;
      refused.title = L"This is not a colour Tintora can read";
      refused.paragraphs = {result_->reason};
      page.sections.push_back(std::move(refused));
      return;
    }
    ColourFacts facts = FactsOf(*result_->colour);
    // The swatch and the nearest named colour side by side, the notations below.
    page.sections.push_back(SwatchSection(facts));
    page.sections.push_back(NearestNamedSection(facts));
    page.sections.push_back(NotationSection(facts));
  }

  HWND input() const { return input_; }

 private:
  OwnedWindow input_;
  OwnedWindow convert_;
  std::optional<colour::ParseResult> result_;
};

}  // namespace

Page BuildConverterPage() {
  Page page;
  page.id = PageId::Converter;
  page.title = L"颜色转换工具 · Colour conversion";
  page.subtitle =
      L"Type a colour in any notation and press Enter: every other notation, the swatch and "
      L"the nearest named colour follow. Print CMYK comes from the FOGRA39 characterisation.";
  Section input;
  input.title = L"Colour to convert";
  input.paragraphs = {
      L"For example: #663399, #639, rgb(102, 51, 153), 102 51 153, hsl(270, 50%, 40%), "
      L"hsv(270, 67%, 60%), cmyk(60%, 80%, 0%, 0%), lab(32.9 42.9 -47.7), 0x00993366, "
      L"&H00993366&, $00993366, 10040166, rebeccapurple or 丽贝卡紫."};
  input.room = Room;
  input.selectable = false;
  page.sections.push_back(std::move(input));
  return page;
}

std::unique_ptr<PageControls> MakeConverterControls() {
  return std::make_unique<ConverterControls>();
}

std::unique_ptr<PageControls> MakePageControls(PageId id) {
  switch (id) {
    case PageId::Mixer:
      return MakeMixerControls();
    case PageId::Converter:
      return MakeConverterControls();
    default:
      return nullptr;
  }
}

}  // namespace site
