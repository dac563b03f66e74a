// The launcher's side of the map application interface.
#pragma once

#include "relay/map_api_protocol.h"

// Starts the map application; TRUE when the process was created.
BOOL LaunchMapApplication();

// The map application's window, or null when it does not run.
HWND FindMapWindow();

// Replaces the API data file's content with the sentence's bytes, no line
// end added; TRUE when the file was written and closed.
BOOL RewriteApiFile(const char* sentence);

// Sends a WM_MAPAPI request and waits until the map has handled it, at
// most a few seconds.
void SendMapRequest(HWND mapWindow, HWND launcherWindow, LPARAM code);
