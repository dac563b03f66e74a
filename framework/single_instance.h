// One running process per executable file.
#pragma once

#include <windows.h>

// When another process of this executable file runs, looks for a top-level
// window of it up to three times, one second apart, brings the first found
// to the front and returns TRUE (this process should end). FALSE otherwise.
BOOL AfxActivateRunningInstance();
