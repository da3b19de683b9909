#pragma once
// Whether the system's web-browser control can show pages here, decided once per process.

namespace platform {

// True when both the control and the HTML document object it renders pages with can be
// created. Needs no network and shows nothing; the first call decides, later calls repeat it.
// Call on the GUI thread.
bool SystemBrowserCanShowPages();

}  // namespace platform
