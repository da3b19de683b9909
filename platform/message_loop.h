#pragma once
// The application's message loop and the rule that ends the process: it runs while at
// least one form is loaded.
#include <windows.h>

namespace platform {

// Forms loaded (created and not yet destroyed) in this process.
int LoadedFormCount();

// Key messages go to a preview registered for the window they are aimed at (key_preview.h),
// then Tab, Enter, Esc and access keys to the form that holds the focus, before the usual
// translation and dispatch. True when the message was consumed.
bool PreTranslateFormMessage(const MSG& msg);

// Runs until the last form has been unloaded (or WM_QUIT arrives); returns the exit code.
int RunMessageLoop();

// Handles every message waiting for this thread as the loop would, then returns.
void ProcessPendingMessages();

namespace detail {
void NoteFormLoaded();
void NoteFormUnloaded();
}  // namespace detail

}  // namespace platform
