#pragma once
// Resource ids of the executable (shared by the .rc file and the code).
#define IDI_TINTORA 1
#define IDB_BACKDROP 101
#define IDB_MORE 102
