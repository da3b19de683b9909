#include "platform/form.h"

#include <windowsx.h>

#include <algorithm>

#include "platform/message_loop.h"
#include "platform/twips.h"
#include "platform/window_class.h"

namespace platform {

namespace {

// Child-window ids: the control's position in the table plus this base.
constexpr int ControlIdBase = 1000;
// Transparent pixels of a control's picture.
constexpr COLORREF PictureKeyColor = RGB(255, 0, 255);
constexpr int PointsPerInch = 72;

HINSTANCE Instance() { return GetModuleHandleW(nullptr); }

DWORD StyleFor(BorderStyle border) {
  switch (border) {
    case BorderStyle::None:
      return WS_POPUP | WS_CLIPCHILDREN;
    case BorderStyle::FixedSingle:
      return WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    case BorderStyle::Sizable:
      return WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
  }
  return WS_OVERLAPPEDWINDOW;
}

int ShiftState(WPARAM keys) {
  int shift = 0;
  if (keys & MK_SHIFT) shift |= ShiftMask;
  if (keys & MK_CONTROL) shift |= CtrlMask;
  if (GetKeyState(VK_MENU) < 0) shift |= AltMask;
  return shift;
}

bool IsWindowed(ControlKind kind) {
  return kind == ControlKind::TextBox || kind == ControlKind::CommandButton;
}

// The access key of a caption: the character after a single '&'.
wchar_t AccessKey(const std::wstring& caption) {
  for (size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != L'&') continue;
    if (caption[i + 1] == L'&') {
      ++i;
      continue;
    }
    return static_cast<wchar_t>(towupper(caption[i + 1]));
  }
  return 0;
}

// EnumChildWindows callback: adds the window to the list when it is a tab stop.
BOOL CALLBACK CollectTabStop(HWND child, LPARAM list) {
  if (GetWindowLongPtrW(child, GWL_STYLE) & WS_TABSTOP)
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
  return TRUE;
}

}  // namespace

Form::Form(const FormDesign& design, std::vector<ControlDesign> controls)
    : design_(design), backColor_(ResolveColor(design.backColor)) {
  controls_.reserve(controls.size());
  for (const ControlDesign& control : controls) {
    ControlState state;
    state.design = control;
    controls_.push_back(state);
  }
}

Form::~Form() {
  if (hwnd_) DestroyWindow(hwnd_);
}

void Form::Load() {
  if (hwnd_) return;
  EnsureWindowClass();
  DWORD style = StyleFor(design_.border);
  DWORD exStyle = design_.taskbarButton ? WS_EX_APPWINDOW : 0;
  RECT frame{0, 0, TwipsToPixels(design_.clientWidth), TwipsToPixels(design_.clientHeight)};
  AdjustWindowRectEx(&frame, style, FALSE, exStyle);
  int width = frame.right - frame.left;
  int height = frame.bottom - frame.top;
  int x = CW_USEDEFAULT;
  int y = CW_USEDEFAULT;
  if (design_.centred) {
    x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
  } else if (design_.border == BorderStyle::None) {
    x = y = 0;  // pop-up windows have no default position
  }
  backColor_ = ResolveColor(design_.backColor);
  CreateWindowExW(exStyle, WindowClass, design_.caption, style, x, y, width, height, nullptr,
                  nullptr, Instance(), this);
  if (!hwnd_) return;

  backBrush_ = CreateSolidBrush(backColor_);
  if (design_.pictureId) {
    picture_ = static_cast<HBITMAP>(LoadImageW(Instance(), MAKEINTRESOURCEW(design_.pictureId),
                                               IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  }
  if (design_.iconId) {
    bigIcon_ = static_cast<HICON>(LoadImageW(Instance(), MAKEINTRESOURCEW(design_.iconId),
                                             IMAGE_ICON, GetSystemMetrics(SM_CXICON),
                                             GetSystemMetrics(SM_CYICON), 0));
    smallIcon_ = static_cast<HICON>(LoadImageW(Instance(), MAKEINTRESOURCEW(design_.iconId),
                                               IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                               GetSystemMetrics(SM_CYSMICON), 0));
    SendMessageW(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_));
    SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_));
  }
  CreateControls();
  CreateOtherControls();
  Form_Load();
}

void Form::Show() {
  Load();
  if (!hwnd_) return;
  ShowWindow(hwnd_, SW_SHOW);
  UpdateWindow(hwnd_);
}

void Form::Unload() {
  if (hwnd_) DestroyWindow(hwnd_);
}

HFONT Form::FontFor(const FontSpec* font) {
  if (!font) font = design_.font ? design_.font : &DefaultFormFont;
  for (const auto& [design, handle] : fonts_)
    if (design == font) return handle;
  HDC screen = GetDC(nullptr);
  int height = -MulDiv(font->points, GetDeviceCaps(screen, LOGPIXELSY), PointsPerInch);
  ReleaseDC(nullptr, screen);
  LOGFONTW logFont{};
  logFont.lfHeight = height;
  logFont.lfWeight = font->weight;
  logFont.lfCharSet = font->charset;
  // The Song face is drawn crisp at these sizes, as its embedded bitmaps draw it on
  // Windows; smoothed, its one-pixel Latin strokes come out a pale grey.
  logFont.lfQuality = NONANTIALIASED_QUALITY;
  lstrcpynW(logFont.lfFaceName, font->face, LF_FACESIZE);
  HFONT handle = CreateFontIndirectW(&logFont);
  fonts_.emplace_back(font, handle);
  return handle;
}

void Form::CreateControls() {
  // Windows are created in tab order, so that their z-order follows it too.
  std::vector<size_t> order(controls_.size());
  for (size_t i = 0; i < order.size(); ++i) order[i] = i;
  std::stable_sort(order.begin(), order.end(), [this](size_t a, size_t b) {
    return controls_[a].design.tabIndex < controls_[b].design.tabIndex;
  });
  for (size_t i : order) {
    ControlState& control = controls_[i];
    const ControlDesign& design = control.design;
    control.rect = RECT{TwipsToPixels(design.left), TwipsToPixels(design.top),
                        TwipsToPixels(design.left + design.width),
                        TwipsToPixels(design.top + design.height)};
    control.text = design.text;
    if (design.backColor != DefaultColor)
      control.backBrush = CreateSolidBrush(ResolveColor(design.backColor));
    if (design.pictureId) {
      control.picture = static_cast<HBITMAP>(
          LoadImageW(Instance(), MAKEINTRESOURCEW(design.pictureId), IMAGE_BITMAP, 0, 0,
                     LR_CREATEDIBSECTION));
    }
    if (!IsWindowed(design.kind)) continue;

    const RECT& r = control.rect;
    auto id = reinterpret_cast<HMENU>(static_cast<INT_PTR>(ControlIdBase + i));
    if (design.kind == ControlKind::TextBox) {
      DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL |
                    (design.password ? ES_PASSWORD : 0);
      control.hwnd = CreateWindowExW(WS_EX_CLIENTEDGE, L"Edit", design.text, style, r.left,
                                     r.top, r.right - r.left, r.bottom - r.top, hwnd_, id,
                                     Instance(), nullptr);
      if (design.password) SendMessageW(control.hwnd, EM_SETPASSWORDCHAR, L'*', 0);
    } else {
      DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP |
                    (design.isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
      control.hwnd = CreateWindowExW(0, L"Button", design.text, style, r.left, r.top,
                                     r.right - r.left, r.bottom - r.top, hwnd_, id, Instance(),
                                     nullptr);
    }
    // Fonts go in before anything else sees the control: the skin renders button faces
    // from WM_GETFONT when it attaches.
    SendMessageW(control.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(FontFor(design.font)), FALSE);
  }
}

void Form::ReleaseResources() {
  for (ControlState& control : controls_) {
    if (control.backBrush) DeleteObject(control.backBrush);
    if (control.picture) DeleteObject(control.picture);
    control.backBrush = nullptr;
    control.picture = nullptr;
    control.hwnd = nullptr;
  }
  for (auto& [design, handle] : fonts_) DeleteObject(handle);
  fonts_.clear();
  if (backBrush_) DeleteObject(backBrush_);
  if (picture_) DeleteObject(picture_);
  if (bigIcon_) DestroyIcon(bigIcon_);
  if (smallIcon_) DestroyIcon(smallIcon_);
  backBrush_ = nullptr;
  picture_ = nullptr;
  bigIcon_ = smallIcon_ = nullptr;
  lastFocus_ = nullptr;
  otherTabStops_.clear();
  pressedControl_ = -1;
  surfacePressed_ = false;
}

int Form::FindIndex(std::wstring_view name, int index) const {
  for (size_t i = 0; i < controls_.size(); ++i)
    if (controls_[i].design.name == name && controls_[i].design.index == index)
      return static_cast<int>(i);
  return -1;
}

HWND Form::Control(std::wstring_view name, int index) const {
  int i = FindIndex(name, index);
  return i < 0 ? nullptr : controls_[static_cast<size_t>(i)].hwnd;
}

RECT Form::ControlRect(std::wstring_view name, int index) const {
  int i = FindIndex(name, index);
  return i < 0 ? RECT{} : controls_[static_cast<size_t>(i)].rect;
}

std::wstring Form::Text(std::wstring_view name, int index) const {
  int i = FindIndex(name, index);
  if (i < 0) return std::wstring();
  const ControlState& control = controls_[static_cast<size_t>(i)];
  if (!control.hwnd) return control.text;
  int length = GetWindowTextLengthW(control.hwnd);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  int copied = GetWindowTextW(control.hwnd, text.data(), length + 1);
  text.resize(static_cast<size_t>(std::max(copied, 0)));
  return text;
}

void Form::SetText(std::wstring_view name, const std::wstring& text, int index) {
  int i = FindIndex(name, index);
  if (i < 0) return;
  ControlState& control = controls_[static_cast<size_t>(i)];
  control.text = text;
  if (control.hwnd) {
    SetWindowTextW(control.hwnd, text.c_str());
  } else if (hwnd_) {
    InvalidateRect(hwnd_, &control.rect, FALSE);
  }
}

void Form::SetFocusTo(std::wstring_view name, int index) {
  HWND control = Control(name, index);
  if (!control) return;
  // Remembered too, so that a form not yet active focuses it when it is activated.
  lastFocus_ = control;
  SetFocus(control);
}

void Form::SetBackColor(COLORREF colour) {
  backColor_ = ResolveColor(colour);
  if (backBrush_) DeleteObject(backBrush_);
  backBrush_ = hwnd_ ? CreateSolidBrush(backColor_) : nullptr;
  if (hwnd_) InvalidateRect(hwnd_, nullptr, TRUE);
}

float Form::Top() const {
  RECT r{};
  GetWindowRect(hwnd_, &r);
  return static_cast<float>(PixelsToTwips(r.top));
}

float Form::Left() const {
  RECT r{};
  GetWindowRect(hwnd_, &r);
  return static_cast<float>(PixelsToTwips(r.left));
}

void Form::SetTop(float twips) {
  RECT r{};
  GetWindowRect(hwnd_, &r);
  SetWindowPos(hwnd_, nullptr, r.left, TwipsToPixels(twips), 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::SetLeft(float twips) {
  RECT r{};
  GetWindowRect(hwnd_, &r);
  SetWindowPos(hwnd_, nullptr, TwipsToPixels(twips), r.top, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::Minimize() {
  if (hwnd_) ShowWindow(hwnd_, SW_MINIMIZE);
}

void Form::ClickControl(std::wstring_view name, int index) {
  int i = FindIndex(name, index);
  if (i < 0 || !hwnd_) return;
  const ControlState& control = controls_[static_cast<size_t>(i)];
  if (control.design.kind == ControlKind::CommandButton && control.hwnd) {
    // The same notification a click of the button sends.
    SendMessageW(hwnd_, WM_COMMAND, MAKEWPARAM(ControlIdBase + i, BN_CLICKED),
                 reinterpret_cast<LPARAM>(control.hwnd));
  } else {
    Control_Click(control.design);
  }
}

Form* Form::FromWindow(HWND hwnd) {
  if (!hwnd) return nullptr;
  wchar_t name[16] = {};
  if (GetClassNameW(hwnd, name, static_cast<int>(std::size(name))) <= 0) return nullptr;
  if (lstrcmpW(name, WindowClass) != 0) return nullptr;
  if (GetWindowThreadProcessId(hwnd, nullptr) != GetCurrentThreadId()) return nullptr;
  return reinterpret_cast<Form*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

LRESULT CALLBACK Form::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
    auto* form = static_cast<Form*>(create->lpCreateParams);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
    form->hwnd_ = hwnd;
    // Counted from here, as WM_NCDESTROY uncounts it: a creation that fails after this
    // point still ends with WM_NCDESTROY, and the count must not go below the forms alive.
    detail::NoteFormLoaded();
  }
  auto* form = reinterpret_cast<Form*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!form) return DefWindowProcW(hwnd, message, wParam, lParam);
  LRESULT result = form->HandleMessage(message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    bool wasLoaded = form->hwnd_ != nullptr;
    form->ReleaseResources();
    form->hwnd_ = nullptr;
    if (wasLoaded) detail::NoteFormUnloaded();
  }
  return result;
}

void Form::EnsureWindowClass() {
  static const bool registered = RegisterWindowClass(WindowClass, &Form::WindowProc);
  (void)registered;
}

LRESULT Form::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // WM_PAINT draws the whole client area
    case WM_PAINT:
      Paint();
      return 0;
    case WM_LBUTTONDOWN:
      OnButtonDown(LeftButton, wParam, lParam);
      return 0;
    case WM_RBUTTONDOWN:
      OnButtonDown(RightButton, wParam, lParam);
      return 0;
    case WM_MBUTTONDOWN:
      OnButtonDown(MiddleButton, wParam, lParam);
      return 0;
    case WM_LBUTTONUP:
      OnButtonUp(LeftButton, wParam, lParam);
      return 0;
    case WM_CAPTURECHANGED:
      // Another window took the mouse in the middle of a press: the press is over, and no
      // release of it will come here.
      if (reinterpret_cast<HWND>(lParam) != hwnd_) {
        pressedControl_ = -1;
        surfacePressed_ = false;
      }
      return 0;
    case WM_RBUTTONUP:
      OnButtonUp(RightButton, wParam, lParam);
      return 0;
    case WM_MBUTTONUP:
      OnButtonUp(MiddleButton, wParam, lParam);
      return 0;
    case WM_COMMAND:
      OnCommand(wParam, lParam);
      return 0;
    case WM_ACTIVATE:
      OnActivate(wParam);
      return 0;
    case WM_SETFOCUS:
      if (HWND target = FocusTarget()) SetFocus(target);
      return 0;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC: {
      int i = ControlFromWindow(reinterpret_cast<HWND>(lParam));
      if (i >= 0 && controls_[static_cast<size_t>(i)].backBrush) {
        const ControlDesign& design = controls_[static_cast<size_t>(i)].design;
        HDC dc = reinterpret_cast<HDC>(wParam);
        SetBkColor(dc, ResolveColor(design.backColor));
        if (design.foreColor != DefaultColor) SetTextColor(dc, ResolveColor(design.foreColor));
        return reinterpret_cast<LRESULT>(controls_[static_cast<size_t>(i)].backBrush);
      }
      break;
    }
    default:
      break;
  }
  return DefWindowProcW(hwnd_, message, wParam, lParam);
}

void Form::Paint() {
  PAINTSTRUCT ps{};
  HDC dc = BeginPaint(hwnd_, &ps);
  RECT client{};
  GetClientRect(hwnd_, &client);
  // Composed off screen and copied once, so labels never flicker over the backdrop.
  HDC buffer = CreateCompatibleDC(dc);
  HBITMAP bitmap = CreateCompatibleBitmap(dc, client.right, client.bottom);
  HGDIOBJ oldBitmap = SelectObject(buffer, bitmap);
  FillRect(buffer, &client, backBrush_);
  if (picture_) {
    BITMAP info{};
    GetObjectW(picture_, sizeof(info), &info);
    HDC source = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(source, picture_);
    BitBlt(buffer, 0, 0, info.bmWidth, info.bmHeight, source, 0, 0, SRCCOPY);
    SelectObject(source, old);
    DeleteDC(source);
  }
  SetBkMode(buffer, TRANSPARENT);
  for (ControlState& control : controls_) {
    const ControlDesign& design = control.design;
    RECT r = control.rect;
    if (design.kind == ControlKind::Label && !control.text.empty()) {
      HGDIOBJ oldFont = SelectObject(buffer, FontFor(design.font));
      SetTextColor(buffer, design.foreColor != DefaultColor ? ResolveColor(design.foreColor)
                                                          : GetSysColor(COLOR_BTNTEXT));
      // Labels wrap at their width and are cut off at their rectangle.
      DrawTextW(buffer, control.text.c_str(), -1, &r, DT_LEFT | DT_WORDBREAK);
      SelectObject(buffer, oldFont);
    } else if (design.kind == ControlKind::Image && control.picture) {
      BITMAP info{};
      GetObjectW(control.picture, sizeof(info), &info);
      HDC source = CreateCompatibleDC(dc);
      HGDIOBJ old = SelectObject(source, control.picture);
      TransparentBlt(buffer, r.left, r.top, r.right - r.left, r.bottom - r.top, source, 0, 0,
                     info.bmWidth, info.bmHeight, PictureKeyColor);
      SelectObject(source, old);
      DeleteDC(source);
    }
  }
  BitBlt(dc, 0, 0, client.right, client.bottom, buffer, 0, 0, SRCCOPY);
  SelectObject(buffer, oldBitmap);
  DeleteObject(bitmap);
  DeleteDC(buffer);
  EndPaint(hwnd_, &ps);
}

int Form::ControlAt(POINT point) const {
  // Later controls lie on top of earlier ones.
  for (size_t i = controls_.size(); i-- > 0;) {
    const ControlState& control = controls_[i];
    if (IsWindowed(control.design.kind)) continue;
    if (PtInRect(&control.rect, point)) return static_cast<int>(i);
  }
  return -1;
}

int Form::ControlFromWindow(HWND hwnd) const {
  if (!hwnd) return -1;
  for (size_t i = 0; i < controls_.size(); ++i)
    if (controls_[i].hwnd == hwnd) return static_cast<int>(i);
  return -1;
}

void Form::OnButtonDown(int button, WPARAM wParam, LPARAM lParam) {
  POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  SetCapture(hwnd_);
  int hit = ControlAt(point);
  if (hit >= 0) {
    // Presses on a label or picture are that control's, not the form's.
    pressedControl_ = hit;
    return;
  }
  surfacePressed_ = true;
  Form_MouseDown(button, ShiftState(wParam), static_cast<float>(PixelsToTwips(point.x)),
                 static_cast<float>(PixelsToTwips(point.y)));
}

void Form::OnButtonUp(int button, WPARAM wParam, LPARAM lParam) {
  POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  // The press is taken before the capture goes, whose WM_CAPTURECHANGED would end it.
  const int pressedControl = pressedControl_;
  const bool surfacePressed = surfacePressed_;
  pressedControl_ = -1;
  surfacePressed_ = false;
  if (GetCapture() == hwnd_) ReleaseCapture();
  if (pressedControl >= 0) {
    auto pressed = static_cast<size_t>(pressedControl);
    if (PtInRect(&controls_[pressed].rect, point)) Control_Click(controls_[pressed].design);
    return;
  }
  // A release without a press on the surface before it (one that began elsewhere, or
  // whose press lost the mouse) is no event of the form's.
  if (!surfacePressed) return;
  Form_MouseUp(button, ShiftState(wParam), static_cast<float>(PixelsToTwips(point.x)),
               static_cast<float>(PixelsToTwips(point.y)));
}

void Form::OnCommand(WPARAM wParam, LPARAM) {
  int i = LOWORD(wParam) - ControlIdBase;
  if (i < 0 || i >= static_cast<int>(controls_.size())) return;
  const ControlState& control = controls_[static_cast<size_t>(i)];
  if (control.design.kind != ControlKind::CommandButton) return;
  // An owner-drawn button reports a quick second click as a double click: a click too.
  WORD code = HIWORD(wParam);
  if (code == BN_CLICKED || code == BN_DOUBLECLICKED) Control_Click(control.design);
}

void Form::OnActivate(WPARAM wParam) {
  if (LOWORD(wParam) == WA_INACTIVE) {
    HWND focus = GetFocus();
    if (focus && IsChild(hwnd_, focus)) lastFocus_ = focus;
    return;
  }
  if (HIWORD(wParam)) return;  // minimised
  if (HWND target = FocusTarget()) SetFocus(target);
}

void Form::AddTabStop(HWND window, int tabIndex) {
  if (window) otherTabStops_.emplace_back(window, tabIndex);
}

std::vector<HWND> Form::TabOrder() const {
  struct Stop {
    int tabIndex;
    HWND window;
    bool other;  // made outside the table: its own tab stops follow it
  };
  std::vector<Stop> stops;
  for (const ControlState& control : controls_)
    if (control.hwnd) stops.push_back({control.design.tabIndex, control.hwnd, false});
  for (const auto& [window, tabIndex] : otherTabStops_)
    if (IsWindow(window)) stops.push_back({tabIndex, window, true});
  std::stable_sort(stops.begin(), stops.end(),
                   [](const Stop& a, const Stop& b) { return a.tabIndex < b.tabIndex; });
  std::vector<HWND> order;
  for (const Stop& stop : stops) {
    order.push_back(stop.window);
    if (!stop.other) continue;
    EnumChildWindows(stop.window, CollectTabStop, reinterpret_cast<LPARAM>(&order));
  }
  return order;
}

HWND Form::FocusTarget() const {
  if (lastFocus_ && IsWindow(lastFocus_) && IsChild(hwnd_, lastFocus_) &&
      IsWindowEnabled(lastFocus_) && IsWindowVisible(lastFocus_))
    return lastFocus_;
  for (HWND candidate : TabOrder())
    if (IsWindowEnabled(candidate) && IsWindowVisible(candidate)) return candidate;
  return nullptr;
}

void Form::MoveFocus(bool forward) {
  std::vector<HWND> order = TabOrder();
  if (order.empty()) return;
  // The focus may be in a window inside a tab stop (the inner window of a browser): the
  // nearest stop around it counts.
  int current = -1;
  for (HWND w = GetFocus(); w && w != hwnd_ && current < 0; w = GetParent(w)) {
    auto at = std::find(order.begin(), order.end(), w);
    if (at != order.end()) current = static_cast<int>(at - order.begin());
  }
  int n = static_cast<int>(order.size());
  int start = current < 0 ? (forward ? -1 : 0) : current;
  for (int step = 1; step <= n; ++step) {
    int position = ((start + (forward ? step : -step)) % n + n) % n;
    HWND candidate = order[static_cast<size_t>(position)];
    if (IsWindowEnabled(candidate) && IsWindowVisible(candidate)) {
      SetFocus(candidate);
      wchar_t className[8] = {};
      GetClassNameW(candidate, className, static_cast<int>(std::size(className)));
      if (lstrcmpiW(className, L"Edit") == 0)
        SendMessageW(candidate, EM_SETSEL, 0, -1);  // tabbing into a text box selects it
      return;
    }
  }
}

bool Form::HandleKey(const MSG& msg) {
  bool ctrl = GetKeyState(VK_CONTROL) < 0;
  bool alt = GetKeyState(VK_MENU) < 0;
  if (msg.message == WM_KEYDOWN) {
    switch (msg.wParam) {
      case VK_TAB:
        if (ctrl || alt) return false;
        MoveFocus(GetKeyState(VK_SHIFT) >= 0);
        return true;
      case VK_RETURN: {
        // Enter clicks the focused command button, otherwise the default button.
        int focused = ControlFromWindow(GetFocus());
        if (focused >= 0 &&
            controls_[static_cast<size_t>(focused)].design.kind == ControlKind::CommandButton) {
          ClickControl(controls_[static_cast<size_t>(focused)].design.name,
                       controls_[static_cast<size_t>(focused)].design.index);
          return true;
        }
        for (const ControlState& control : controls_) {
          if (control.design.isDefault && control.hwnd && IsWindowEnabled(control.hwnd)) {
            ClickControl(control.design.name, control.design.index);
            return true;
          }
        }
        return false;
      }
      case VK_ESCAPE:
        for (const ControlState& control : controls_) {
          if (control.design.isCancel && control.hwnd && IsWindowEnabled(control.hwnd)) {
            ClickControl(control.design.name, control.design.index);
            return true;
          }
        }
        return false;
      default:
        return false;
    }
  }
  // Alt + a label's access key focuses the control the label names.
  if (msg.message == WM_SYSKEYDOWN && msg.wParam >= 'A' && msg.wParam <= 'Z') {
    for (const ControlState& control : controls_) {
      if (!control.design.mnemonicTarget) continue;
      if (AccessKey(control.text) != static_cast<wchar_t>(msg.wParam)) continue;
      SetFocusTo(control.design.mnemonicTarget);
      return true;
    }
  }
  return false;
}

}  // namespace platform
