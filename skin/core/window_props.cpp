#include "skin/core/window_props.h"

namespace skin {

namespace {
constexpr const wchar_t* FaceDcNames[FaceCount] = {L"0HDC", L"1HDC", L"2HDC", L"3HDC"};
constexpr const wchar_t* FaceBitmapNames[FaceCount] = {L"0BMP", L"1BMP", L"2BMP", L"3BMP"};
unsigned long long propertyReads = 0;
}  // namespace

unsigned long long PropertyReadCount() { return propertyReads; }

const wchar_t* FaceDcPropName(int n) { return n >= 0 && n < FaceCount ? FaceDcNames[n] : nullptr; }
const wchar_t* FaceBitmapPropName(int n) {
  return n >= 0 && n < FaceCount ? FaceBitmapNames[n] : nullptr;
}

LONG_PTR ReadProp(HWND hwnd, const wchar_t* name) {
  if (!name) return 0;
  ++propertyReads;
  return reinterpret_cast<LONG_PTR>(GetPropW(hwnd, name));
}

void WriteProp(HWND hwnd, const wchar_t* name, LONG_PTR value) {
  SetPropW(hwnd, name, reinterpret_cast<HANDLE>(value));
}

void DeleteProp(HWND hwnd, const wchar_t* name) {
  if (name) RemovePropW(hwnd, name);
}

}  // namespace skin
