// Measures the chart view on this machine:
//   - navigate to a page until it is fully painted, for every page of the site (the CMYK
//     chart, the one with the most swatches, and the start page are the ones to watch;
//     target: 50 ms for the largest);
//   - one scroll step (an arrow's worth: the pixels moved and the uncovered strip painted)
//     against one BitBlt of the whole view's area, as a ratio (target: 3 x or less); with
//     the scroll bar's redraw after a burst of steps, and a repaint of the whole view, for
//     comparison; and what each part of a step costs when done alone: moving the pixels,
//     painting the uncovered strip off screen, copying it to the pane, the paint message.
// The view sits in a visible pop-up of the main window's browser size, as in the program.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "site/catalogue.h"
#include "site/chart_view.h"
#include "site/grid_painter.h"
#include "site/site_address.h"
#include "skin/engine/attach.h"
#include "skin/render/gdi_guard.h"

namespace {

constexpr RECT ViewBounds{0, 0, 713, 569};  // the browser's rectangle in the main window
constexpr int NavigateRuns = 15;
constexpr int ScrollSteps = 60;
constexpr int LineStep = 40;  // an arrow's worth of scrolling, as the view has it
constexpr int BlitRuns = 60;
constexpr double LargestPageTargetMs = 50;
constexpr double ScrollTargetRatio = 3;
constexpr wchar_t HostClass[] = L"TintoraSiteBenchHost";

double Now() {
  LARGE_INTEGER frequency{};
  LARGE_INTEGER counter{};
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&counter);
  return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

void Pump() {
  MSG msg{};
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
}

HWND CreateHost() {
  WNDCLASSEXW host{};
  host.cbSize = sizeof(host);
  host.lpfnWndProc = DefWindowProcW;
  host.hInstance = GetModuleHandleW(nullptr);
  host.lpszClassName = HostClass;
  RegisterClassExW(&host);
  return CreateWindowExW(0, HostClass, L"", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0,
                         ViewBounds.right, ViewBounds.bottom, nullptr, nullptr,
                         GetModuleHandleW(nullptr), nullptr);
}

// Milliseconds from Navigate until everything is painted.
double NavigateMs(site::ChartView& view, const std::wstring& address) {
  std::vector<double> runs;
  for (int i = 0; i < NavigateRuns; ++i) {
    double start = Now();
    view.Navigate(address);
    UpdateWindow(view.Pane());
    UpdateWindow(view.Window());
    GdiFlush();
    runs.push_back((Now() - start) * 1e3);
    Pump();
  }
  return Median(runs);
}

// Microseconds a call takes, the median of runs, each finished with GdiFlush.
template <typename Call>
double MedianUs(int runs, Call call) {
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    double start = Now();
    call(i);
    GdiFlush();
    times.push_back((Now() - start) * 1e6);
  }
  return Median(times);
}

// The parts of one scroll step, each done alone on the pane at its present scroll position:
// those of the step as the view makes it, and those it made before, for comparison.
struct StepParts {
  double dc = 0;            // the pane's device context taken and given back
  double scrollDc = 0;      // ScrollDC moving the pixels on it
  double strip = 0;         // the page painted into the strip, off screen
  double copy = 0;          // the strip copied from the buffer to the pane
  double scrollWindow = 0;  // ScrollWindowEx moving the pixels and invalidating the strip
  double paint = 0;         // the strip invalidated and painted by the view's WM_PAINT
  double idle = 0;          // UpdateWindow when nothing is invalid: a server round trip
};

StepParts MeasureStepParts(site::ChartView& view) {
  HWND pane = view.Pane();
  RECT client{};
  GetClientRect(pane, &client);
  const RECT strip{0, client.bottom - LineStep, client.right, client.bottom};
  StepParts parts;
  parts.dc = MedianUs(ScrollSteps, [&](int) { skin::ClientDc dc(pane); });
  parts.scrollWindow = MedianUs(ScrollSteps, [&](int) {
    ScrollWindowEx(pane, 0, -LineStep, nullptr, nullptr, nullptr, nullptr,
                   SW_INVALIDATE | SW_SCROLLCHILDREN);
    ValidateRect(pane, nullptr);
  });
  {
    skin::ClientDc dc(pane);
    parts.scrollDc = MedianUs(ScrollSteps, [&](int) {
      RECT uncovered{};
      ScrollDC(dc, 0, -LineStep, &client, &client, nullptr, &uncovered);
    });
  }
  {
    // The strips a run of steps down the page uncovers, painted where the view paints them.
    site::ViewFonts fonts;
    skin::MemorySurface buffer(client.right, client.bottom);
    const int start = view.ScrollPosition();
    parts.strip = MedianUs(ScrollSteps, [&](int i) {
      const int scroll = std::min(start + i * LineStep, view.MaxScroll());
      SetViewportOrgEx(buffer, 0, -scroll, nullptr);
      RECT page = strip;
      OffsetRect(&page, 0, scroll);
      site::PaintPage(buffer, view.CurrentPage(), page, fonts, site::Highlight{});
      SetViewportOrgEx(buffer, 0, 0, nullptr);
    });
    skin::ClientDc dc(pane);
    parts.copy = MedianUs(ScrollSteps, [&](int) {
      BitBlt(dc, strip.left, strip.top, strip.right, LineStep, buffer, 0, strip.top, SRCCOPY);
    });
  }
  parts.paint = MedianUs(ScrollSteps, [&](int) {
    InvalidateRect(pane, &strip, FALSE);
    UpdateWindow(pane);
  });
  parts.idle = MedianUs(ScrollSteps, [&](int) { UpdateWindow(pane); });
  // What the parts left on screen goes; the view paints its page again.
  InvalidateRect(pane, nullptr, FALSE);
  UpdateWindow(pane);
  return parts;
}

}  // namespace

int main() {
  HWND host = CreateHost();
  site::ChartView view(host, ViewBounds);
  // Skinned as in the program: the form's windows carry the skin's procedure.
  skin::SkinWindow(host);
  Pump();
  const std::wstring origin = site::BuiltInOrigin;

  std::printf("Navigate until painted (median of %d), view %ld x %ld:\n", NavigateRuns,
              ViewBounds.right, ViewBounds.bottom);
  std::vector<std::pair<std::wstring, const wchar_t*>> pages{{origin + site::StartPagePath, site::StartPagePath}};
  for (const site::ChartEntry& chart : site::Charts()) pages.emplace_back(origin + chart.path, chart.path);
  double largest = 0;
  size_t largestSwatches = 0;
  for (const auto& [address, name] : pages) {
    double ms = NavigateMs(view, address);
    size_t swatches = 0;
    for (const site::Section& section : view.CurrentPage().sections) swatches += section.swatches.size();
    std::printf("  %-32ls %7.2f ms  %5zu swatches  %6d px tall\n", name, ms, swatches,
                view.CurrentPage().height);
    if (swatches > largestSwatches) {
      largestSwatches = swatches;
      largest = ms;
    }
  }
  std::printf("  largest page: %.2f ms (target <= %.0f ms)\n", largest, LargestPageTargetMs);

  // Scroll steps down the CMYK chart against copying the view's area once.
  view.Navigate(origin + L"/soft/qovu/cmyk-color.html");
  UpdateWindow(view.Pane());
  Pump();
  std::vector<double> steps;
  for (int i = 0; i < ScrollSteps; ++i) {
    double start = Now();
    SendMessageW(view.Pane(), WM_VSCROLL, SB_LINEDOWN, 0);
    GdiFlush();
    steps.push_back((Now() - start) * 1e6);
  }
  RECT client{};
  GetClientRect(view.Pane(), &client);
  std::vector<double> blits;
  {
    skin::MemorySurface source(client.right, client.bottom);
    skin::ClientDc target(view.Pane());
    for (int i = 0; i < BlitRuns; ++i) {
      double start = Now();
      BitBlt(target, 0, 0, client.right, client.bottom, source, 0, 0, SRCCOPY);
      GdiFlush();
      blits.push_back((Now() - start) * 1e6);
    }
  }
  // The scroll bar catching up after a burst of steps, as its timer has it drawn.
  std::vector<double> thumbs;
  for (int i = 0; i < ScrollSteps; ++i) {
    double start = Now();
    SendMessageW(view.Pane(), WM_NCPAINT, 1, 0);
    GdiFlush();
    thumbs.push_back((Now() - start) * 1e6);
  }
  const StepParts parts = MeasureStepParts(view);
  std::vector<double> repaints;
  for (int i = 0; i < BlitRuns / 4; ++i) {
    double start = Now();
    InvalidateRect(view.Pane(), nullptr, FALSE);
    UpdateWindow(view.Pane());
    GdiFlush();
    repaints.push_back((Now() - start) * 1e6);
  }
  const double step = Median(steps);
  const double blit = Median(blits);
  const double thumb = Median(thumbs);
  std::printf("One BitBlt of the view's area (%ld x %ld): %.1f us (median of %d)\n", client.right,
              client.bottom, blit, BlitRuns);
  std::printf("Scroll step (median of %d): %.1f us = %.2f x the BitBlt (target <= %.0f x)\n",
              ScrollSteps, step, step / blit, ScrollTargetRatio);
  std::printf("  the scroll bar following a burst of steps, once: %.1f us = %.2f x\n", thumb,
              thumb / blit);
  std::printf("  its parts, each alone (median of %d):\n", ScrollSteps);
  const struct {
    const char* what;
    double us;
  } rows[] = {
      {"taking the pane's device context", parts.dc},
      {"moving the pixels with ScrollDC", parts.scrollDc},
      {"painting the uncovered strip off screen", parts.strip},
      {"copying the strip to the pane", parts.copy},
      {nullptr, 0},
      {"moving the pixels with ScrollWindowEx", parts.scrollWindow},
      {"invalidating the strip, UpdateWindow", parts.paint},
      {"UpdateWindow with nothing to paint", parts.idle},
  };
  for (const auto& row : rows) {
    if (!row.what) {
      std::printf("  what a step no longer does, for comparison:\n");
      continue;
    }
    std::printf("    %-44s %7.1f us = %5.2f x\n", row.what, row.us, row.us / blit);
  }
  std::printf("Repainting the whole view instead: %.1f us = %.2f x\n", Median(repaints),
              Median(repaints) / blit);
  DestroyWindow(host);
  return 0;
}
