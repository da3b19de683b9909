#pragma once
// The message handlers of SkinWndProc's routing table. Each has the one handler shape
// (skin/core/skin_handler.h), looks the window's kind up in the kind table and calls that
// kind's behaviour for the message, or lets the previous procedure have the message when
// the kind has none.
#include <windows.h>

namespace skin {

LRESULT OnPaint(WNDPROC previous, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT OnNcPaint(WNDPROC previous, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT OnSize(WNDPROC previous, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

LRESULT OnMouseMove(WNDPROC previous, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT OnLButtonDown(WNDPROC previous, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT OnLButtonUp(WNDPROC previous, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT OnLButtonDblClk(WNDPROC previous, HWND hwnd, UINT message, WPARAM wParam,
                        LPARAM lParam);
LRESULT OnKeyDown(WNDPROC previous, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT OnKeyUp(WNDPROC previous, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT OnMouseLeave(WNDPROC previous, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

LRESULT OnTimer(WNDPROC previous, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

LRESULT OnActivate(WNDPROC previous, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT OnEnable(WNDPROC previous, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT OnSetFocus(WNDPROC previous, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT OnKillFocus(WNDPROC previous, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT OnWindowPosChanged(WNDPROC previous, HWND hwnd, UINT message, WPARAM wParam,
                           LPARAM lParam);

}  // namespace skin
