#include "skin/core/window_props.h"

#include <cstdint>
#include <cwchar>
#include <iterator>
#include <unordered_map>

namespace skin {

namespace {

constexpr const wchar_t* FaceDcNames[FaceCount] = {L"0HDC", L"1HDC", L"2HDC", L"3HDC"};
constexpr const wchar_t* FaceBitmapNames[FaceCount] = {L"0BMP", L"1BMP", L"2BMP", L"3BMP"};

// Every property the skin writes has a slot in a window's mirror entry.
constexpr const wchar_t* MirroredNames[] = {
    PropProcAddr,       PropAttaching,      PropOldStyle,       PropMouseFlag,
    PropTimerId,        PropOldState,       PropAlphaLevel,     PropHdIndex,
    PropHmIndex,        FaceDcNames[0],     FaceDcNames[1],     FaceDcNames[2],
    FaceDcNames[3],     FaceBitmapNames[0], FaceBitmapNames[1], FaceBitmapNames[2],
    FaceBitmapNames[3]};
constexpr int SlotCount = static_cast<int>(std::size(MirroredNames));
constexpr int NoSlot = -1;
// The two marks of an attachment, the only writes that bring a window into the mirror.
constexpr int ProcAddrSlot = 0;
constexpr int AttachingSlot = 1;
static_assert(MirroredNames[ProcAddrSlot] == PropProcAddr);
static_assert(MirroredNames[AttachingSlot] == PropAttaching);
static_assert(SlotCount <= 32, "one presence bit per slot");

struct MirrorEntry {
  LONG_PTR values[SlotCount]{};  // 0 where absent
  std::uint32_t present = 0;     // one bit per slot
};
using Mirror = std::unordered_map<HWND, MirrorEntry>;

// This thread's windows. A pointer to a map made by the first attachment and deleted when
// the thread holds no window any more: a thread_local map object would be destroyed at
// thread exit, and that destructor crashed under MinGW. A thread that ends with windows
// still skinned leaves its map behind, as it leaves their face buffers.
thread_local Mirror* threadMirror = nullptr;

constexpr std::uint32_t Bit(int slot) { return std::uint32_t{1} << slot; }

// The names are the constants above; a caller's own copy of a name is found by its text.
int SlotOf(const wchar_t* name) {
  for (int slot = 0; slot < SlotCount; ++slot)
    if (MirroredNames[slot] == name) return slot;
  for (int slot = 0; slot < SlotCount; ++slot)
    if (std::wcscmp(MirroredNames[slot], name) == 0) return slot;
  return NoSlot;
}

MirrorEntry* Find(HWND hwnd) {
  if (!threadMirror) return nullptr;
  auto found = threadMirror->find(hwnd);
  return found == threadMirror->end() ? nullptr : &found->second;
}

MirrorEntry& Hold(HWND hwnd) {
  if (!threadMirror) threadMirror = new Mirror;
  return (*threadMirror)[hwnd];
}

// Drops a window the mirror holds; the map goes with the thread's last window.
void Forget(HWND hwnd) {
  threadMirror->erase(hwnd);
  if (threadMirror->empty()) {
    delete threadMirror;
    threadMirror = nullptr;
  }
}

bool Agrees(HWND hwnd, const MirrorEntry& entry) {
  for (int slot = 0; slot < SlotCount; ++slot) {
    if (reinterpret_cast<LONG_PTR>(GetPropW(hwnd, MirroredNames[slot])) != entry.values[slot])
      return false;
  }
  return true;
}

}  // namespace

const wchar_t* FaceDcPropName(int n) { return n >= 0 && n < FaceCount ? FaceDcNames[n] : nullptr; }
const wchar_t* FaceBitmapPropName(int n) {
  return n >= 0 && n < FaceCount ? FaceBitmapNames[n] : nullptr;
}

LONG_PTR ReadProp(HWND hwnd, const wchar_t* name) {
  if (!name) return 0;
  const int slot = SlotOf(name);
  if (slot == NoSlot) return reinterpret_cast<LONG_PTR>(GetPropW(hwnd, name));
  const MirrorEntry* entry = Find(hwnd);
  return entry ? entry->values[slot] : 0;
}

void WriteProp(HWND hwnd, const wchar_t* name, LONG_PTR value) {
  if (!name || !SetPropW(hwnd, name, reinterpret_cast<HANDLE>(value))) return;
  const int slot = SlotOf(name);
  if (slot == NoSlot) return;
  MirrorEntry* entry = Find(hwnd);
  if (!entry) {
    if (slot != ProcAddrSlot && slot != AttachingSlot) return;
    entry = &Hold(hwnd);
  }
  entry->values[slot] = value;
  entry->present |= Bit(slot);
}

void DeleteProp(HWND hwnd, const wchar_t* name) {
  if (!name) return;
  RemovePropW(hwnd, name);
  const int slot = SlotOf(name);
  MirrorEntry* entry = slot == NoSlot ? nullptr : Find(hwnd);
  if (!entry) return;
  entry->values[slot] = 0;
  entry->present &= ~Bit(slot);
  if (entry->present == 0) Forget(hwnd);
}

void ReleaseWindowProps(HWND hwnd) {
  const MirrorEntry* entry = Find(hwnd);
  if (!entry) return;
  for (int slot = 0; slot < SlotCount; ++slot)
    if (entry->present & Bit(slot)) RemovePropW(hwnd, MirroredNames[slot]);
  Forget(hwnd);
}

bool IsSkinned(HWND hwnd) {
  if (const MirrorEntry* entry = Find(hwnd)) return (entry->present & Bit(ProcAddrSlot)) != 0;
  return GetPropW(hwnd, PropProcAddr) != nullptr;
}

bool MirrorAgrees(HWND hwnd) {
  if (hwnd) {
    if (const MirrorEntry* entry = Find(hwnd)) return Agrees(hwnd, *entry);
    return GetWindowThreadProcessId(hwnd, nullptr) != GetCurrentThreadId() ||
           GetPropW(hwnd, PropProcAddr) == nullptr;
  }
  if (!threadMirror) return true;
  for (const auto& [window, entry] : *threadMirror)
    if (!Agrees(window, entry)) return false;
  return true;
}

}  // namespace skin
