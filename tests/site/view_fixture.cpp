#include "tests/site/view_fixture.h"

namespace test {

namespace {
constexpr int ChipInside = 2;  // past the chip's one-pixel edge
}  // namespace

void ChartViewTest::SetUp() {
  SkinTest::SetUp();  // the pointer off the view: a real hover would change what tests read
  view_ = std::make_unique<site::ChartView>(form({ViewBounds.right, ViewBounds.bottom}), ViewBounds);
  ASSERT_NE(view_->Pane(), nullptr);
  Skin();
}

void ChartViewTest::TearDown() {
  view_.reset();
  SkinTest::TearDown();
}

void ChartViewTest::Open(std::wstring_view path) {
  view_->Navigate(std::wstring(site::BuiltInOrigin) + std::wstring(path));
  Settle();
  UpdateWindow(view_->Pane());
}

site::SwatchRef ChartViewTest::Find(const std::function<bool(const site::Swatch&)>& test) const {
  const site::Page& page = Page();
  for (size_t s = 0; s < page.sections.size(); ++s) {
    const auto& swatches = page.sections[s].swatches;
    for (size_t i = 0; i < swatches.size(); ++i)
      if (test(swatches[i])) return {static_cast<int>(s), static_cast<int>(i)};
  }
  return {};
}

site::SwatchRef ChartViewTest::Find(std::wstring_view text, size_t line) const {
  return Find([&](const site::Swatch& s) { return s.lines.size() > line && s.lines[line] == text; });
}

site::SwatchRef ChartViewTest::FindCopy(std::wstring_view copy) const {
  return Find([&](const site::Swatch& s) { return s.copy == copy; });
}

site::SwatchRef ChartViewTest::EndOfAShortRow() const {
  const site::Page& page = Page();
  for (size_t s = 0; s < page.sections.size(); ++s) {
    const site::Section& section = page.sections[s];
    if (section.swatches.size() % static_cast<size_t>(section.columns) != 0)
      return {static_cast<int>(s), static_cast<int>(section.swatches.size()) - 1};
  }
  return {};
}

COLORREF ChartViewTest::ChipOnScreen(site::SwatchRef ref) {
  view_->Select(ref);
  Settle();
  UpdateWindow(view_->Pane());
  const site::Section& section = Page().sections[static_cast<size_t>(ref.section)];
  RECT cell = view_->CellOnScreen(ref);
  Pixels pixels = PanePixels();
  int x = cell.left + section.style->chip.left + ChipInside;
  int y = cell.top + section.style->chip.top + ChipInside;
  if (x < 0 || y < 0 || x >= pixels.width() || y >= pixels.height()) return CLR_INVALID;
  return pixels.at(x, y);
}

void ChartViewTest::Key(HWND target, WPARAM key, bool control) {
  BYTE keys[256] = {};
  GetKeyboardState(keys);
  BYTE saved = keys[VK_CONTROL];
  keys[VK_CONTROL] = control ? 0x80 : 0;
  SetKeyboardState(keys);
  SendMessageW(target, WM_KEYDOWN, key, 1);
  SendMessageW(target, WM_KEYUP, key, 1);
  keys[VK_CONTROL] = saved;
  SetKeyboardState(keys);
  Settle();
}

LPARAM ChartViewTest::CellCentre(site::SwatchRef ref) const {
  const RECT cell = view_->CellOnScreen(ref);
  return At((cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2);
}

void ChartViewTest::Point(site::SwatchRef ref) {
  SendMessageW(view_->Pane(), WM_MOUSEMOVE, 0, CellCentre(ref));
}

void ChartViewTest::Click(site::SwatchRef ref, bool twice) {
  const LPARAM at = CellCentre(ref);
  SendMessageW(view_->Pane(), WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageW(view_->Pane(), WM_LBUTTONUP, 0, at);
  if (!twice) return;
  SendMessageW(view_->Pane(), WM_LBUTTONDBLCLK, MK_LBUTTON, at);
  SendMessageW(view_->Pane(), WM_LBUTTONUP, 0, at);
}

std::wstring ClipboardText() {
  std::wstring text;
  if (!OpenClipboard(nullptr)) return text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
      text = chars;
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

UINT StaleClipboard() {
  const UINT stale = RegisterClipboardFormatW(L"Tintora test: stale");
  if (!OpenClipboard(nullptr)) return stale;
  EmptyClipboard();
  SetClipboardData(stale, GlobalAlloc(GMEM_MOVEABLE, 1));
  CloseClipboard();
  return stale;
}

}  // namespace test
