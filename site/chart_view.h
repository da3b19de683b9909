#pragma once
// The chart view: the built-in chart site, drawn in the browser's place. It shows one page
// at a time in a scrolling pane, with a status line under it; Navigate is its only
// operation and its window text is the address last asked for.
#include <windows.h>

#include <memory>
#include <string>

#include "platform/browser.h"
#include "site/grid_painter.h"
#include "site/page.h"
#include "site/page_controls.h"
#include "site/view_fonts.h"
#include "skin/render/gdi_guard.h"

namespace site {

inline constexpr wchar_t ChartViewClassName[] = L"TintoraChartView";
inline constexpr wchar_t ChartPaneClassName[] = L"TintoraChartPage";
inline constexpr int StatusLineHeight = 22;  // pixels, at the bottom of the view
// The pane's one timer: the scroll bar catching up with a burst of scroll steps.
inline constexpr UINT_PTR ThumbTimerId = 1;

class ChartView final : public platform::Browser {
 public:
  ChartView(HWND parent, const RECT& bounds);
  ~ChartView() override;
  ChartView(const ChartView&) = delete;
  ChartView& operator=(const ChartView&) = delete;

  // Shows the page of the address (a page naming the address when there is none).
  void Navigate(const std::wstring& address) override;
  HWND Window() const override { return frame_; }

  // What the view shows now.
  HWND Pane() const { return pane_; }
  const Page& CurrentPage() const { return page_; }
  int ScrollPosition() const { return scroll_; }
  int MaxScroll() const;
  SwatchRef Selection() const { return selected_; }
  SwatchRef Hover() const { return hover_; }
  const std::wstring& StatusText() const { return status_; }
  // A swatch's cell in pane client pixels, where it is on screen now.
  RECT CellOnScreen(SwatchRef ref) const;
  // Selects a swatch as a click does, scrolling it into view.
  void Select(SwatchRef ref);

 private:
  static LRESULT CALLBACK FrameProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK PaneProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnFrameMessage(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnPaneMessage(UINT message, WPARAM wParam, LPARAM lParam);

  // view_paint.cpp
  void PaintPane();
  // Composes a part of the pane (client pixels) in the back buffer and copies it to target.
  void ShowPart(HDC target, const RECT& part);
  void PaintStatusLine();
  void MakeBackBuffer();
  // view_scroll.cpp
  void ScrollTo(int position);
  bool MovePixels(int dy);  // moves what is on screen and paints what it uncovers
  void UpdateScrollBar();
  void OnVScroll(WORD request);
  void OnMouseWheel(short delta);
  bool OnScrollKey(WPARAM key);
  void ScrollIntoView(SwatchRef ref);
  void DrawThumb();
  int BodyHeight() const;
  // view_input.cpp
  void OnMouseMove(POINT client);
  void OnMouseLeave();
  void OnLButtonDown(POINT client);
  void OnLButtonUp(POINT client);
  void OnLButtonDblClk(POINT client);
  void OnKeyDown(WPARAM key);
  bool MoveSelection(WPARAM key);
  void SetHover(SwatchRef ref);
  void CopySelection();
  void OpenCard(SwatchRef ref);
  SwatchRef HitAt(POINT client) const;
  void InvalidateSwatch(SwatchRef ref);
  void RefreshStatus();
  // chart_view.cpp
  void OnPageCommand(int id, int code);
  void LayOut();
  void ClearPage();
  void DropControls();

  HWND frame_ = nullptr;
  HWND pane_ = nullptr;
  ViewFonts fonts_;
  // The pane's size in pixels, where each exposed strip is composed before it is shown;
  // made with the pane and again when its size changes.
  std::unique_ptr<skin::MemorySurface> back_;
  std::wstring address_;
  Page page_;
  std::unique_ptr<PageControls> controls_;
  int scroll_ = 0;
  // The lowest and highest scroll positions since the pane was last painted, the present
  // one included: what waited to be painted may have been carried anywhere in between.
  int movedLow_ = 0;
  int movedHigh_ = 0;
  int wheelRemainder_ = 0;
  SwatchRef hover_;
  SwatchRef selected_;
  SwatchRef pressed_;       // the card the left button went down on
  unsigned navigations_ = 0;  // pages shown so far
  unsigned downAt_ = 0;       // the page the left button last went down on
  bool trackingLeave_ = false;
  bool thumbPending_ = false;  // the scroll bar is yet to show the scroll position
  std::wstring message_;    // said until the pointer moves to another swatch
  std::wstring status_;
};

// The chart view as the main window's browser.
std::unique_ptr<platform::Browser> CreateChartView(HWND parent, const RECT& bounds);

}  // namespace site
