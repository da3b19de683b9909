// The chart view switching pages a thousand times in the skinned main window: GDI objects
// and heap memory come back to where they started.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "app/forms.h"
#include "platform/message_loop.h"
#include "site/catalogue.h"
#include "site/chart_view.h"
#include "skin/core/skin_state.h"
#include "tests/stress/stress_settings.h"
#include "tests/support/gdi_capacity.h"
#include "tests/support/heap_usage.h"

namespace {

// Wine's own bookkeeping moves by a few bytes between runs; a page's worth of anything
// left behind a thousand times over is far more.
constexpr long long HeapNoiseBytes = 2048;

std::vector<std::wstring> EveryPage() {
  const std::wstring base = app::ChartSiteBase;
  std::vector<std::wstring> addresses{base + site::StartPagePath, base + L"/soft/qovu/none.htm"};
  for (const site::ChartEntry& chart : site::Charts()) addresses.push_back(base + chart.path);
  return addresses;
}

TEST(SiteStress, AThousandPageSwitchesLeaveNothingBehind) {
  app::soft().Show();
  auto* view = dynamic_cast<site::ChartView*>(app::soft().WebBrowser1());
  ASSERT_NE(view, nullptr);
  const std::vector<std::wstring> pages = EveryPage();
  auto visit = [&](size_t i) {
    view->Navigate(pages[i % pages.size()]);
    UpdateWindow(view->Pane());
    UpdateWindow(view->Window());
  };
  for (size_t i = 0; i <= pages.size(); ++i) visit(i);  // warm-up, ending on the first page
  platform::ProcessPendingMessages();
  const LONG skinned = skin::SkinnedWindowCount;

  const int switches = stress::Scaled(1000);
  size_t heapBefore = 0;
  size_t heapAfter = 0;
  int leaked = test::GdiObjectsLeakedBy([&] {
    heapBefore = test::HeapBytesInUse();
    for (int i = 0; i < switches; ++i) visit(static_cast<size_t>(i));
    // Back on the page the run started from.
    visit(0);
    platform::ProcessPendingMessages();
    heapAfter = test::HeapBytesInUse();
  });
  const long long heapGrowth = static_cast<long long>(heapAfter) - static_cast<long long>(heapBefore);
  std::printf("[ figures ] page switches: %d, GDI objects leaked: %d, heap bytes in use: %zu -> %zu (%+lld)\n",
              switches, leaked, heapBefore, heapAfter, heapGrowth);
  EXPECT_EQ(leaked, 0);
  EXPECT_LE(heapGrowth, HeapNoiseBytes);
  EXPECT_EQ(skin::SkinnedWindowCount, skinned);
  app::soft().Unload();
  platform::ProcessPendingMessages();
  EXPECT_EQ(skin::SkinnedWindowCount, 0);
}

}  // namespace
