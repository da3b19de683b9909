#include "site/chart_view.h"

#include <windowsx.h>

#include "site/catalogue.h"
#include "site/control_factory.h"
#include "site/page_builders.h"
#include "site/page_colours.h"
#include "site/page_layout.h"

namespace site {

namespace {

constexpr DWORD FrameStyle = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
// The scroll bar stays, disabled when the page fits, so the page's width never changes.
constexpr DWORD PaneStyle = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_VSCROLL;
constexpr int OwnerSlot = 0;  // the ChartView in each window's extra bytes

bool RegisterClasses(WNDPROC frameProc, WNDPROC paneProc) {
  static const bool registered = [&] {
    WNDCLASSEXW frame{};
    frame.cbSize = sizeof(frame);
    frame.lpfnWndProc = frameProc;
    frame.cbWndExtra = sizeof(LONG_PTR);
    frame.hInstance = GetModuleHandleW(nullptr);
    frame.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    frame.lpszClassName = ChartViewClassName;
    WNDCLASSEXW pane = frame;
    // A double click copies. The pane keeps a device context of its own: a scroll step draws
    // on it directly, and taking and giving back a common one cost several microseconds.
    pane.style = CS_DBLCLKS | CS_OWNDC;
    pane.lpfnWndProc = paneProc;
    pane.lpszClassName = ChartPaneClassName;
    auto ok = [](const WNDCLASSEXW& c) {
      return RegisterClassExW(&c) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
    };
    return ok(frame) && ok(pane);
  }();
  return registered;
}

ChartView* OwnerOf(HWND hwnd) {
  return reinterpret_cast<ChartView*>(GetWindowLongPtrW(hwnd, OwnerSlot));
}

// Binds the window to its view on WM_NCCREATE; unbinds it on WM_NCDESTROY.
ChartView* Bind(HWND hwnd, UINT message, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(hwnd, OwnerSlot, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  return OwnerOf(hwnd);
}

POINT PointOf(LPARAM lParam) { return POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }

}  // namespace

ChartView::ChartView(HWND parent, const RECT& bounds) {
  if (!RegisterClasses(FrameProc, PaneProc)) return;
  const int width = bounds.right - bounds.left;
  const int height = bounds.bottom - bounds.top;
  HINSTANCE instance = GetModuleHandleW(nullptr);
  frame_ = CreateWindowExW(0, ChartViewClassName, L"", FrameStyle, bounds.left, bounds.top, width,
                           height, parent, nullptr, instance, this);
  if (!frame_) return;
  pane_ = CreateWindowExW(0, ChartPaneClassName, L"", PaneStyle, 0, 0, width,
                          height > StatusLineHeight ? height - StatusLineHeight : height, frame_,
                          nullptr, instance, this);
  MakeBackBuffer();
}

ChartView::~ChartView() {
  DropControls();
  if (frame_) DestroyWindow(frame_);
}

int ChartView::MaxScroll() const { return page_.height > BodyHeight() ? page_.height - BodyHeight() : 0; }

void ChartView::Navigate(const std::wstring& address) {
  if (!frame_) return;
  address_ = address;
  ++navigations_;
  SetWindowTextW(frame_, address.c_str());
  ClearPage();
  const PageId id = PageIdFor(address);
  page_ = BuildPage(id, address);
  controls_ = MakePageControls(id);
  if (controls_) controls_->Fill(page_);
  LayOut();
  if (controls_ && pane_) {
    controls_->Create(pane_, page_, fonts_.body());
    AttachPageControls(pane_);
  }
  UpdateScrollBar();
  RefreshStatus();
  if (pane_) InvalidateRect(pane_, nullptr, FALSE);
}

void ChartView::DropControls() {
  if (!controls_) return;
  DetachPageControls(pane_);
  controls_.reset();
}

void ChartView::ClearPage() {
  // The old page's controls go before the new page is laid out.
  DropControls();
  scroll_ = movedLow_ = movedHigh_ = 0;
  wheelRemainder_ = 0;
  hover_ = selected_ = pressed_ = SwatchRef{};
  message_.clear();
}

void ChartView::LayOut() {
  RECT client{};
  if (pane_) GetClientRect(pane_, &client);
  LayOutPage(page_, client.right - client.left, fonts_);
}

void ChartView::OnPageCommand(int id, int code) {
  if (!controls_ || !controls_->OnCommand(id, code)) return;
  // The results change below the controls; the controls and the scroll stay where they are.
  hover_ = selected_ = pressed_ = SwatchRef{};
  message_.clear();
  controls_->Fill(page_);
  LayOut();
  UpdateScrollBar();
  if (scroll_ > MaxScroll()) ScrollTo(MaxScroll());
  RefreshStatus();
  InvalidateRect(pane_, nullptr, FALSE);
}

RECT ChartView::CellOnScreen(SwatchRef ref) const {
  if (!SwatchAt(page_, ref)) return RECT{};
  RECT cell = CellRect(page_.sections[static_cast<size_t>(ref.section)], ref.index);
  OffsetRect(&cell, 0, -scroll_);
  return cell;
}

LRESULT CALLBACK ChartView::FrameProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  ChartView* view = Bind(hwnd, message, lParam);
  if (message == WM_NCCREATE && view) view->frame_ = hwnd;
  if (!view) return DefWindowProcW(hwnd, message, wParam, lParam);
  LRESULT result = view->OnFrameMessage(message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, OwnerSlot, 0);
    view->frame_ = nullptr;
  }
  return result;
}

LRESULT CALLBACK ChartView::PaneProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  ChartView* view = Bind(hwnd, message, lParam);
  if (message == WM_NCCREATE && view) view->pane_ = hwnd;
  if (!view) return DefWindowProcW(hwnd, message, wParam, lParam);
  LRESULT result = view->OnPaneMessage(message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, OwnerSlot, 0);
    view->pane_ = nullptr;
  }
  return result;
}

LRESULT ChartView::OnFrameMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SETFOCUS:
      if (pane_) SetFocus(pane_);
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT:
      PaintStatusLine();
      return 0;
    case WM_DESTROY:
      // The page's controls would die with the pane; they go first, in their own order.
      DropControls();
      break;
    default:
      break;
  }
  return DefWindowProcW(frame_, message, wParam, lParam);
}

LRESULT ChartView::OnPaneMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // WM_PAINT covers every pixel
    case WM_PAINT:
      PaintPane();
      return 0;
    case WM_SIZE:
      MakeBackBuffer();
      LayOut();
      UpdateScrollBar();
      if (scroll_ > MaxScroll()) ScrollTo(MaxScroll());
      return 0;
    case WM_VSCROLL:
      OnVScroll(LOWORD(wParam));
      return 0;
    case WM_TIMER:
      if (wParam != ThumbTimerId) break;
      DrawThumb();
      return 0;
    case WM_MOUSEWHEEL:
      OnMouseWheel(GET_WHEEL_DELTA_WPARAM(wParam));
      return 0;
    case WM_MOUSEMOVE:
      OnMouseMove(PointOf(lParam));
      return 0;
    case WM_MOUSELEAVE:
      OnMouseLeave();
      return 0;
    case WM_LBUTTONDOWN:
      OnLButtonDown(PointOf(lParam));
      return 0;
    case WM_LBUTTONUP:
      OnLButtonUp(PointOf(lParam));
      return 0;
    case WM_LBUTTONDBLCLK:
      OnLButtonDblClk(PointOf(lParam));
      return 0;
    case WM_KEYDOWN:
      OnKeyDown(wParam);
      return 0;
    case WM_GETDLGCODE:
      return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_COMMAND:
      OnPageCommand(LOWORD(wParam), HIWORD(wParam));
      return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: {
      // Labels and option buttons sit on the white page.
      HDC dc = reinterpret_cast<HDC>(wParam);
      SetBkColor(dc, PageBackground);
      SetTextColor(dc, Ink);
      SetDCBrushColor(dc, PageBackground);
      return reinterpret_cast<LRESULT>(GetStockObject(DC_BRUSH));
    }
    case WM_DESTROY:
      DropControls();
      back_.reset();
      break;
    default:
      break;
  }
  return DefWindowProcW(pane_, message, wParam, lParam);
}

std::unique_ptr<platform::Browser> CreateChartView(HWND parent, const RECT& bounds) {
  return std::make_unique<ChartView>(parent, bounds);
}

}  // namespace site
