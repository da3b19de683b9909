#include "skin/render/painters.h"

namespace skin {

void RenderButtonFaces(HWND) {}
int PaintCheckBox(HWND, int, bool) { return 0; }
int PaintOptionButton(HWND, int, bool) { return 0; }
void PaintComboButton(HWND, HDC, int&, bool) {}
void PaintHeaderItem(HWND, HDC, int, int) {}

}  // namespace skin
