// Measures what the skin costs while the user works, each figure as a ratio to the same
// work without the skin measured in the same run:
//   - one fade step of a main-window button (113 x 33) against one plain AlphaBlend of
//     that size into the window;
//   - one tick with all twelve main-window buttons fading, against twelve such blends, and
//     as a share of the fade's 15 ms interval;
//   - one message the skin does not route, sent to a skinned and to a plain button;
// and how many window-property calls (GetPropW, SetPropW, RemovePropW) each makes, counted
// where they leave the executable.
#include <windows.h>

#include <cstdio>

#include "platform/form_class.h"
#include "skin/core/visual_state.h"
#include "skin/core/window_props.h"
#include "skin/engine/attach.h"
#include "skin/interaction/fade.h"
#include "skin/render/gdi_guard.h"
#include "tests/support/property_calls.h"

namespace {

constexpr int ButtonWidth = 113;  // Command1 of the main window
constexpr int ButtonHeight = 33;
constexpr int ChartButtons = 12;
constexpr int MidFadeLevel = 120;  // a step that blends and does not end the fade
constexpr UINT UnroutedMessage = WM_USER + 1;
constexpr double MinimumSeconds = 0.3;
constexpr int FirstBatch = 8;

double Now() {
  LARGE_INTEGER frequency{};
  LARGE_INTEGER counter{};
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&counter);
  return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Seconds per call.
template <typename Op>
double Time(Op op) {
  for (int batch = FirstBatch;; batch *= 2) {
    double start = Now();
    for (int i = 0; i < batch; ++i) op();
    GdiFlush();
    double elapsed = Now() - start;
    if (elapsed >= MinimumSeconds) return elapsed / batch;
  }
}

// The property calls of one call of op.
template <typename Op>
test::PropertyCalls CallsOf(Op op) {
  test::PropertyCallCounter counter;
  if (!counter.active()) std::printf("  (property calls cannot be counted in this executable)\n");
  op();
  return counter.calls();
}

void Row(const char* what, double skinned, double plain, const test::PropertyCalls& calls) {
  std::printf("  %-36s %9.1f us  %9.1f us  %6.2f x  %4ld / %4ld / %4ld\n", what, skinned * 1e6,
              plain * 1e6, skinned / plain, calls.reads, calls.writes, calls.removals);
}

HWND MakeButton(HWND parent, int index) {
  HWND button = CreateWindowExW(0, L"Button", L"PANTONE CU", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON,
                                8 + (index % 6) * (ButtonWidth + 7), 8 + (index / 6) * 40,
                                ButtonWidth, ButtonHeight, parent, nullptr, nullptr, nullptr);
  SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), 0);
  return button;
}

void Pump() {
  MSG msg{};
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
}

}  // namespace

int main() {
  WNDCLASSEXW formClass{};
  formClass.cbSize = sizeof(formClass);
  formClass.lpfnWndProc = DefWindowProcW;
  formClass.hInstance = GetModuleHandleW(nullptr);
  formClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  formClass.lpszClassName = platform::FormClassName;
  RegisterClassExW(&formClass);
  HWND form = CreateWindowExW(0, platform::FormClassName, L"bench", WS_POPUP | WS_VISIBLE, 20, 20,
                              760, 100, nullptr, nullptr, nullptr, nullptr);
  HWND plainForm = CreateWindowExW(0, platform::FormClassName, L"plain", WS_POPUP | WS_VISIBLE, 20,
                                   140, 760, 100, nullptr, nullptr, nullptr, nullptr);
  HWND buttons[ChartButtons];
  HWND plainButtons[ChartButtons];
  for (int i = 0; i < ChartButtons; ++i) {
    buttons[i] = MakeButton(form, i);
    plainButtons[i] = MakeButton(plainForm, i);
  }
  skin::SkinWindow(form);
  Pump();
  for (HWND b : buttons) skin::WriteProp(b, skin::PropOldState, skin::StateHover);

  // The unskinned reference: the blend a fade step makes, into the window's own DC.
  skin::MemorySurface face(ButtonWidth, ButtonHeight);
  BLENDFUNCTION blend{AC_SRC_OVER, 0, MidFadeLevel, 0};
  auto plainBlend = [&](HWND target) {
    skin::WindowDc dc(target);
    AlphaBlend(dc, 0, 0, ButtonWidth, ButtonHeight, face, 0, 0, ButtonWidth, ButtonHeight, blend);
  };
  // Steps as the timer makes them: the level climbs by the step and, past full opacity, the
  // fade ends at rest and the next step starts it again from 0, so a long run averages over
  // whole fades and the bench writes no property of its own in between.
  for (HWND b : buttons) skin::WriteProp(b, skin::PropAlphaLevel, MidFadeLevel);
  auto fadeStep = [](HWND button) { SendMessageW(button, WM_TIMER, skin::FadeTimerId, 0); };

  double step = Time([&] { fadeStep(buttons[0]); });
  double plainStep = Time([&] { plainBlend(plainButtons[0]); });
  double tick = Time([&] {
    for (HWND b : buttons) fadeStep(b);
  });
  double plainTick = Time([&] {
    for (HWND b : plainButtons) plainBlend(b);
  });
  double unrouted = Time([&] { SendMessageW(buttons[0], UnroutedMessage, 0, 0); });
  double plainUnrouted = Time([&] { SendMessageW(plainButtons[0], UnroutedMessage, 0, 0); });
  // What each property read the skin no longer makes would cost: one round trip.
  double propertyRead = Time([&] { GetPropW(buttons[0], skin::PropProcAddr); });
  // The calls of one step in the middle of a fade (the step that ends it also stops the timer).
  for (HWND b : buttons) skin::WriteProp(b, skin::PropAlphaLevel, MidFadeLevel);
  test::PropertyCalls stepCalls = CallsOf([&] { fadeStep(buttons[0]); });
  test::PropertyCalls tickCalls = CallsOf([&] {
    for (HWND b : buttons) fadeStep(b);
  });
  test::PropertyCalls unroutedCalls =
      CallsOf([&] { SendMessageW(buttons[0], UnroutedMessage, 0, 0); });

  std::printf("Skin interaction costs (main-window buttons, %d x %d)\n", ButtonWidth, ButtonHeight);
  std::printf("  %-36s %12s  %12s  %8s  %s\n", "", "skinned", "plain", "ratio",
              "property get / set / remove");
  Row("one fade step (WM_TIMER)", step, plainStep, stepCalls);
  Row("one tick, twelve buttons fading", tick, plainTick, tickCalls);
  Row("one unrouted message (SendMessage)", unrouted, plainUnrouted, unroutedCalls);
  std::printf("  one tick is %.1f %% of the %u ms fade interval\n",
              tick * 1e5 / skin::FadeIntervalMs, skin::FadeIntervalMs);
  std::printf("  one property read from the platform (GetPropW) takes %.1f us\n",
              propertyRead * 1e6);

  DestroyWindow(form);
  DestroyWindow(plainForm);
  return 0;
}
