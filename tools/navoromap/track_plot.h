// Draws the received track: every valid position as one polyline, the first
// as a ring, the latest as a dot, with a frame and a note of the scale.
#pragma once

#include <windows.h>

#include <vector>

#include "tools/navoromap/rmc_sentence.h"

void DrawTrackPlot(HDC dc, const RECT& area, const std::vector<GeoPoint>& track);
