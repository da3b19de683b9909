#pragma once
// OLE on the calling thread for the lifetime of the holder. OleInitialize counts nested
// calls, so each successful one (S_OK or S_FALSE) is matched by exactly one OleUninitialize.
#include <ole2.h>

namespace platform {

class OleSession {
 public:
  OleSession() : result_(OleInitialize(nullptr)) {}
  ~OleSession() {
    if (SUCCEEDED(result_)) OleUninitialize();
  }
  OleSession(const OleSession&) = delete;
  OleSession& operator=(const OleSession&) = delete;

  // False when the thread cannot host OLE controls, e.g. it already joined the
  // multithreaded apartment (RPC_E_CHANGED_MODE).
  bool ok() const { return SUCCEEDED(result_); }

 private:
  HRESULT result_;
};

}  // namespace platform
