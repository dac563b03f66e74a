#include "tools/navoromap/track_plot.h"

#include <cwchar>

#include "tools/navoromap/track_projection.h"

namespace {

constexpr int kMargin = 16;
constexpr int kDotRadius = 4;
constexpr COLORREF kBackground = RGB(250, 250, 244);
constexpr COLORREF kFrame = RGB(160, 160, 160);
constexpr COLORREF kTrack = RGB(30, 90, 200);
constexpr COLORREF kPosition = RGB(210, 30, 30);

// Selects a GDI object for the lifetime of the scope and deletes it afterwards.
class ScopedSelect {
 public:
  ScopedSelect(HDC dc, HGDIOBJ object) : dc_(dc), object_(object), old_(SelectObject(dc, object)) {}
  ~ScopedSelect() {
    SelectObject(dc_, old_);
    DeleteObject(object_);
  }
  ScopedSelect(const ScopedSelect&) = delete;
  ScopedSelect& operator=(const ScopedSelect&) = delete;

 private:
  HDC dc_;
  HGDIOBJ object_;
  HGDIOBJ old_;
};

void DrawDot(HDC dc, POINT centre) {
  Ellipse(dc, centre.x - kDotRadius, centre.y - kDotRadius, centre.x + kDotRadius + 1, centre.y + kDotRadius + 1);
}

}  // namespace

void DrawTrackPlot(HDC dc, const RECT& area, const std::vector<GeoPoint>& track) {
  {
    ScopedSelect pen(dc, CreatePen(PS_SOLID, 1, kFrame));
    ScopedSelect brush(dc, CreateSolidBrush(kBackground));
    Rectangle(dc, area.left, area.top, area.right, area.bottom);
  }
  const TrackProjection projection(track, PixelRect{area.left, area.top, area.right, area.bottom}, kMargin);

  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, kFrame);
  if (track.empty()) {
    RECT middle = area;
    DrawTextW(dc, L"no valid position yet", -1, &middle, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    return;
  }
  wchar_t scale[64];
  const double metres = projection.MetresAcross();
  std::swprintf(scale, 64, metres < 10000 ? L"%.0f m across" : L"%.0f km across",
                metres < 10000 ? metres : metres / 1000);
  RECT scaleArea{area.left + 4, area.bottom - 20, area.right - 4, area.bottom - 2};
  DrawTextW(dc, scale, -1, &scaleArea, DT_RIGHT | DT_SINGLELINE | DT_NOPREFIX);

  std::vector<POINT> points;
  points.reserve(track.size());
  for (const GeoPoint& position : track) {
    const PixelPoint pixel = projection.Project(position);
    points.push_back(POINT{pixel.x, pixel.y});
  }
  if (points.size() > 1) {
    ScopedSelect pen(dc, CreatePen(PS_SOLID, 2, kTrack));
    Polyline(dc, points.data(), static_cast<int>(points.size()));
  }
  {
    // The start as a ring, so the direction of travel shows.
    ScopedSelect pen(dc, CreatePen(PS_SOLID, 2, kTrack));
    ScopedSelect brush(dc, CreateSolidBrush(kBackground));
    DrawDot(dc, points.front());
  }
  ScopedSelect pen(dc, CreatePen(PS_SOLID, 1, kPosition));
  ScopedSelect brush(dc, CreateSolidBrush(kPosition));
  DrawDot(dc, points.back());
}
