// Fitting the track into the map's plot area.
#include "tools/navoromap/track_projection.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

constexpr PixelRect kArea{10, 20, 410, 320};  // 400 x 300 pixels
constexpr int kMargin = 16;

// A square of side metres, south-west corner at (latitude, longitude).
std::vector<GeoPoint> Square(double latitude, double longitude, double metres) {
  const double north = metres / TrackProjection::kMetresPerDegree;
  const double east = north / std::cos(latitude * std::numbers::pi / 180);
  return {{latitude, longitude},
          {latitude, longitude + east},
          {latitude + north, longitude + east},
          {latitude + north, longitude},
          {latitude, longitude}};
}

TEST(TrackProjectionTest, KeepsASquareSquareAtEveryLatitude) {
  for (double latitude : {0.0, -27.2, 52.2, 70.0}) {
    SCOPED_TRACE(latitude);
    const std::vector<GeoPoint> track = Square(latitude, 153.05, 100);
    const TrackProjection projection(track, kArea, kMargin);
    const PixelPoint southWest = projection.Project(track[0]);
    const PixelPoint northEast = projection.Project(track[2]);
    const int width = northEast.x - southWest.x;
    const int height = southWest.y - northEast.y;  // north is up
    EXPECT_NEAR(width, height, 1);
    // The height limits the fit: it fills the area less the margins, centred.
    EXPECT_NEAR(height, 300 - 2 * kMargin, 1);
    EXPECT_NEAR((southWest.x + northEast.x) / 2.0, 210, 1);
    EXPECT_NEAR((southWest.y + northEast.y) / 2.0, 170, 1);
    EXPECT_NEAR(projection.MetresAcross(), 100.0 * 400 / (300 - 2 * kMargin), 0.5);
  }
}

TEST(TrackProjectionTest, FitsAWideTrackByItsWidth) {
  // 500 m west to east, 10 m north to south.
  const std::vector<GeoPoint> track{{-27.21, 153.05}, {-27.21 + 10 / TrackProjection::kMetresPerDegree, 153.055}};
  const TrackProjection projection(track, kArea, kMargin);
  const PixelPoint west = projection.Project(track[0]);
  const PixelPoint east = projection.Project(track[1]);
  EXPECT_EQ(west.x, kArea.left + kMargin);
  EXPECT_EQ(east.x, kArea.right - kMargin);
  EXPECT_LT(east.y, west.y);
}

TEST(TrackProjectionTest, ShowsAStandingReceiverInTheMiddleAtTheMinimumSpan) {
  const std::vector<GeoPoint> track{{-27.2107, 153.0520}, {-27.2107, 153.0520}};
  const TrackProjection projection(track, kArea, kMargin);
  const PixelPoint point = projection.Project(track[0]);
  EXPECT_EQ(point.x, 210);
  EXPECT_EQ(point.y, 170);
  EXPECT_NEAR(projection.MetresAcross(), TrackProjection::kMinimumSpanMetres * 400 / (300 - 2 * kMargin), 0.01);
}

}  // namespace
