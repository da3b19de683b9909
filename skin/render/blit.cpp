#include "skin/render/blit.h"

namespace skin {

int DrawSkinPart(HDC, int, int, int, int, HDC, int, int, int, int, int, int, int, int,
                 std::optional<COLORREF>) {
  return 0;
}

void DrawTransparent(HDC, int, int, int, int, HDC, int, int, COLORREF, HPALETTE) {}

short LoWord(LPARAM value) { return static_cast<short>(value & 0xFFFF); }
short HiWord(LPARAM value) { return static_cast<short>((value >> 16) & 0xFFFF); }

}  // namespace skin
