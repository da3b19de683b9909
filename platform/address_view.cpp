#include "platform/address_view.h"

#include <string>

#include "platform/paint_scope.h"
#include "platform/window_class.h"

namespace platform {

namespace {

constexpr DWORD ViewStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
constexpr int TextMargin = 4;  // pixels between the view's edge and the address
constexpr COLORREF TextColor = RGB(0, 0, 0);
// Addresses carry '&' in their queries, which must show as itself; long addresses
// without blanks still break at the view's width.
constexpr UINT TextFormat = DT_LEFT | DT_TOP | DT_NOPREFIX | DT_WORDBREAK | DT_EDITCONTROL;
// Offset of the owning AddressView in the window's extra bytes.
constexpr int OwnerSlot = 0;

std::wstring WindowText(HWND hwnd) {
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
  int length = GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()));
  text.resize(length > 0 ? static_cast<size_t>(length) : 0);
  return text;
}

void PaintAddress(HWND hwnd) {
  PaintScope paint(hwnd);
  if (!paint.dc()) return;
  FillRect(paint.dc(), &paint.dirty(), static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));

  RECT text{};
  GetClientRect(hwnd, &text);
  InflateRect(&text, -TextMargin, -TextMargin);
  SelectScope font(paint.dc(), GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(paint.dc(), TRANSPARENT);
  SetTextColor(paint.dc(), TextColor);
  std::wstring address = WindowText(hwnd);
  DrawTextW(paint.dc(), address.c_str(), static_cast<int>(address.size()), &text, TextFormat);
}

class AddressView final : public Browser {
 public:
  AddressView(HWND parent, const RECT& bounds) {
    if (!RegisterViewClass()) return;
    // hwnd_ is set on WM_NCCREATE, so it is cleared again if creation fails later on.
    CreateWindowExW(0, AddressViewClassName, L"", ViewStyle, bounds.left, bounds.top,
                    bounds.right - bounds.left, bounds.bottom - bounds.top, parent, nullptr,
                    GetModuleHandleW(nullptr), this);
  }

  ~AddressView() override {
    if (hwnd_) DestroyWindow(hwnd_);
  }

  AddressView(const AddressView&) = delete;
  AddressView& operator=(const AddressView&) = delete;

  void Navigate(const std::wstring& address) override {
    // WM_SETTEXT to a window of this thread: stored and repainted, nothing to wait for.
    if (hwnd_) SetWindowTextW(hwnd_, address.c_str());
  }

  HWND Window() const override { return hwnd_; }

 private:
  static bool RegisterViewClass() {
    static const bool registered =
        RegisterWindowClass(AddressViewClassName, WindowProc, sizeof(LONG_PTR));
    return registered;
  }

  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
      case WM_NCCREATE: {
        auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        auto* owner = static_cast<AddressView*>(create->lpCreateParams);
        SetWindowLongPtrW(hwnd, OwnerSlot, reinterpret_cast<LONG_PTR>(owner));
        if (owner) owner->hwnd_ = hwnd;
        break;
      }
      case WM_SETTEXT: {
        // The default procedure stores the text but repaints only a caption, which a
        // child without one does not have.
        LRESULT result = DefWindowProcW(hwnd, message, wParam, lParam);
        InvalidateRect(hwnd, nullptr, FALSE);
        return result;
      }
      case WM_ERASEBKGND:
        return 1;  // WM_PAINT fills the background with the text, without flicker
      case WM_PAINT:
        PaintAddress(hwnd);
        return 0;
      case WM_NCDESTROY: {
        // The window goes (with its parent, or by itself): the owner must not touch it again.
        auto* owner = reinterpret_cast<AddressView*>(GetWindowLongPtrW(hwnd, OwnerSlot));
        if (owner) owner->hwnd_ = nullptr;
        SetWindowLongPtrW(hwnd, OwnerSlot, 0);
        break;
      }
      default:
        break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }

  HWND hwnd_ = nullptr;
};

}  // namespace

std::unique_ptr<Browser> CreateAddressView(HWND parent, const RECT& bounds) {
  return std::make_unique<AddressView>(parent, bounds);
}

}  // namespace platform
