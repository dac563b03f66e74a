// Fits a track into a rectangle of pixels: north up, the same ground distance
// per pixel on both axes. No Win32, so the arithmetic can be tested alone.
#pragma once

#include <vector>

#include "tools/navoromap/rmc_sentence.h"

struct PixelPoint {
  int x = 0;
  int y = 0;
};

struct PixelRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

class TrackProjection {
 public:
  // Fits every point of track into area less margin on each side, centred.
  // A track narrower than a few metres (a receiver standing still) is shown
  // at a fixed minimum span, so its jitter does not fill the plot.
  TrackProjection(const std::vector<GeoPoint>& track, PixelRect area, int margin);

  PixelPoint Project(GeoPoint point) const;

  // Ground distance that the full width of the area stands for.
  double MetresAcross() const { return areaWidth_ / pixelsPerDegree_ * kMetresPerDegree; }

  static constexpr double kMetresPerDegree = 111320;  // of latitude, and of longitude at the equator
  static constexpr double kMinimumSpanMetres = 20;

 private:
  double cosLatitude_ = 1;      // shrinks longitude to ground distance at the track's latitude
  double centreLatitude_ = 0;   // middle of the track's bounding box
  double centreEasting_ = 0;    // longitude times cosLatitude_
  double pixelsPerDegree_ = 1;  // of latitude
  double centreX_ = 0;
  double centreY_ = 0;
  int areaWidth_ = 0;
};
