#include "tools/navoromap/track_projection.h"

#include <algorithm>
#include <cmath>
#include <numbers>

TrackProjection::TrackProjection(const std::vector<GeoPoint>& track, PixelRect area, int margin)
    : areaWidth_(std::max(area.right - area.left, 1)) {
  centreX_ = (area.left + area.right) / 2.0;
  centreY_ = (area.top + area.bottom) / 2.0;
  const double usableWidth = std::max(area.right - area.left - 2 * margin, 1);
  const double usableHeight = std::max(area.bottom - area.top - 2 * margin, 1);
  if (track.empty()) {
    pixelsPerDegree_ = std::min(usableWidth, usableHeight) / (kMinimumSpanMetres / kMetresPerDegree);
    return;
  }

  auto [minLat, maxLat] =
      std::minmax_element(track.begin(), track.end(), [](GeoPoint a, GeoPoint b) { return a.latitude < b.latitude; });
  centreLatitude_ = (minLat->latitude + maxLat->latitude) / 2;
  cosLatitude_ = std::max(std::cos(centreLatitude_ * std::numbers::pi / 180), 0.01);  // no blow-up at the poles
  auto [minLon, maxLon] =
      std::minmax_element(track.begin(), track.end(), [](GeoPoint a, GeoPoint b) { return a.longitude < b.longitude; });
  centreEasting_ = (minLon->longitude + maxLon->longitude) / 2 * cosLatitude_;

  const double minimumSpan = kMinimumSpanMetres / kMetresPerDegree;
  const double spanNorth = std::max(maxLat->latitude - minLat->latitude, minimumSpan);
  const double spanEast = std::max((maxLon->longitude - minLon->longitude) * cosLatitude_, minimumSpan);
  pixelsPerDegree_ = std::min(usableWidth / spanEast, usableHeight / spanNorth);
}

PixelPoint TrackProjection::Project(GeoPoint point) const {
  const double east = point.longitude * cosLatitude_ - centreEasting_;
  const double north = point.latitude - centreLatitude_;
  return PixelPoint{static_cast<int>(std::lround(centreX_ + east * pixelsPerDegree_)),
                    static_cast<int>(std::lround(centreY_ - north * pixelsPerDegree_))};
}
