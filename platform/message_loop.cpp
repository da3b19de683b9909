#include "platform/message_loop.h"

#include "platform/form.h"
#include "platform/key_preview.h"

namespace platform {

namespace {
int loadedForms = 0;

void Dispatch(MSG& msg) {
  if (PreTranslateFormMessage(msg)) return;
  TranslateMessage(&msg);
  DispatchMessageW(&msg);
}
}  // namespace

int LoadedFormCount() { return loadedForms; }

namespace detail {
void NoteFormLoaded() { ++loadedForms; }
void NoteFormUnloaded() { --loadedForms; }
}  // namespace detail

bool PreTranslateFormMessage(const MSG& msg) {
  // An embedded control with a keyboard of its own sees its keys before the form does.
  if (PreviewKeyMessage(msg)) return true;
  if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN) return false;
  Form* form = Form::FromWindow(GetAncestor(msg.hwnd, GA_ROOT));
  return form && form->HandleKey(msg);
}

int RunMessageLoop() {
  MSG msg{};
  // The count is checked after every message: a form unloaded while another is being
  // created (login to main window) does not end the process.
  while (loadedForms > 0) {
    BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got <= 0) return got == 0 ? static_cast<int>(msg.wParam) : 1;
    Dispatch(msg);
  }
  return 0;
}

void ProcessPendingMessages() {
  MSG msg{};
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) Dispatch(msg);
}

}  // namespace platform
