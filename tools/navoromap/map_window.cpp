#include "tools/navoromap/map_window.h"

#include "relay/map_api_protocol.h"
#include "tools/navoromap/map_api_io.h"
#include "tools/navoromap/status_text.h"
#include "tools/navoromap/track_plot.h"

namespace {

constexpr wchar_t kTitle[] = L"NavoroMap (stand-in)";
constexpr int kClientWidth = 480;
constexpr int kClientHeight = 600;
constexpr int kPadding = 8;
constexpr UINT_PTR kExitTimer = 1;
constexpr size_t kMaxTrackPoints = 100000;  // a day of fixes; the oldest half goes when full
constexpr COLORREF kText = RGB(0, 0, 0);
constexpr COLORREF kWarning = RGB(190, 0, 0);
constexpr COLORREF kGood = RGB(0, 120, 0);

void DrawLine(HDC dc, int x, int& y, int lineHeight, const std::wstring& text, COLORREF color = kText) {
  SetTextColor(dc, color);
  TextOutW(dc, x, y, text.c_str(), static_cast<int>(text.size()));
  y += lineHeight;
}

}  // namespace

bool MapWindow::RegisterClass(HINSTANCE instance) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.style = CS_HREDRAW | CS_VREDRAW;
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = instance;
  wc.hIcon = LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION));
  wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  wc.hbrBackground = nullptr;  // everything is painted in WM_PAINT, through a bitmap
  wc.lpszClassName = kMapWindowClass;
  return RegisterClassExW(&wc) != 0;
}

HWND MapWindow::Create(HINSTANCE instance) {
  constexpr DWORD kStyle = WS_OVERLAPPEDWINDOW;
  RECT frame{0, 0, kClientWidth, kClientHeight};
  AdjustWindowRectEx(&frame, kStyle, FALSE, 0);
  // Beside the launcher's small window at the top left, not over it, so
  // both show side by side on a desktop without a window manager.
  constexpr int kLeft = 280;
  return CreateWindowExW(0, kMapWindowClass, kTitle, kStyle, kLeft, 0, frame.right - frame.left,
                         frame.bottom - frame.top, nullptr, nullptr, instance, nullptr);
}

// The object is made at WM_NCCREATE, kept in the window's user data, and
// deleted after WM_NCDESTROY, the window's last message.
LRESULT CALLBACK MapWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<MapWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (message == WM_NCCREATE) {
    self = new MapWindow(hwnd);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
  const LRESULT result = self->HandleMessage(message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    delete self;
  }
  return result;
}

LRESULT MapWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      // Lets a test see the launcher react to the map going away.
      if (const UINT ms = ExitAfterMilliseconds()) SetTimer(hwnd_, kExitTimer, ms, nullptr);
      return 0;
    case WM_TIMER:
      if (wParam == kExitTimer) {
        KillTimer(hwnd_, kExitTimer);
        DestroyWindow(hwnd_);
      }
      return 0;
    case WM_MAPAPI:
      OnMapApi(wParam, lParam);
      return 0;
    case WM_ERASEBKGND:
      return 1;  // WM_PAINT covers every pixel; erasing first would flicker
    case WM_PAINT:
      OnPaint();
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(hwnd_, message, wParam, lParam);
  }
}

void MapWindow::OnMapApi(WPARAM launcher, LPARAM code) {
  ++requests_;
  const std::optional<std::string> content = ReadApiDataFile();
  JournalRequest(code, launcher, content.value_or(""));
  if (code == MAPAPI_START_GPS) {
    gpsMode_ = true;
  } else if (code == MAPAPI_DATA_READY) {
    haveSentence_ = true;
    sentence_ = content.value_or("");
    decoded_ = content ? DecodeRmc(*content) : RmcDecoding{std::nullopt, "no API data file"};
    if (decoded_.fix && decoded_.fix->valid && decoded_.fix->position) {
      if (track_.size() >= kMaxTrackPoints) track_.erase(track_.begin(), track_.begin() + kMaxTrackPoints / 2);
      track_.push_back(*decoded_.fix->position);
    }
  }
  InvalidateRect(hwnd_, nullptr, FALSE);
}

// Paints into a memory bitmap and copies it in one go, so nothing flickers.
void MapWindow::OnPaint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd_, &ps);
  RECT client;
  GetClientRect(hwnd_, &client);
  HDC memory = CreateCompatibleDC(dc);
  HBITMAP bitmap = CreateCompatibleBitmap(dc, client.right, client.bottom);
  HGDIOBJ oldBitmap = SelectObject(memory, bitmap);
  Paint(memory, client);
  BitBlt(dc, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
  SelectObject(memory, oldBitmap);
  DeleteObject(bitmap);
  DeleteDC(memory);
  EndPaint(hwnd_, &ps);
}

void MapWindow::Paint(HDC dc, const RECT& client) const {
  FillRect(dc, &client, GetSysColorBrush(COLOR_WINDOW));
  HGDIOBJ oldFont = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(dc, TRANSPARENT);
  const int plotTop = PaintStatus(dc, client) + kPadding;
  RECT plot{kPadding, plotTop, client.right - kPadding, client.bottom - kPadding};
  if (plot.bottom - plot.top > 2 * kPadding) DrawTrackPlot(dc, plot, track_);
  SelectObject(dc, oldFont);
}

int MapWindow::PaintStatus(HDC dc, const RECT& client) const {
  TEXTMETRICW metrics;
  GetTextMetricsW(dc, &metrics);
  const int line = metrics.tmHeight + metrics.tmExternalLeading + 2;
  int y = kPadding;

  DrawLine(dc, kPadding, y, line, gpsMode_ ? L"GPS mode: on" : L"GPS mode: off", gpsMode_ ? kGood : kText);
  DrawLine(dc, kPadding, y, line, L"Requests received: " + std::to_wstring(requests_));
  // The lines keep their places whatever arrived, so the plot below never jumps.
  if (!haveSentence_) {
    DrawLine(dc, kPadding, y, line, L"Latest sentence: none yet");
  } else if (decoded_.fix) {
    DrawLine(dc, kPadding, y, line, L"Latest sentence:");
  } else {
    const std::wstring problem(decoded_.problem.begin(), decoded_.problem.end());
    DrawLine(dc, kPadding, y, line, L"Latest sentence: unreadable (" + problem + L")", kWarning);
  }
  // The raw text gets two lines, wrapped; longer garbage is clipped.
  const std::wstring raw = PrintableBytes(sentence_);
  RECT rawArea{kPadding + 8, y, client.right - kPadding, y + 2 * line};
  SetTextColor(dc, RGB(60, 60, 60));
  DrawTextW(dc, raw.c_str(), static_cast<int>(raw.size()), &rawArea,
            DT_LEFT | DT_WORDBREAK | DT_EDITCONTROL | DT_NOPREFIX);
  y += 2 * line;
  if (decoded_.fix) {
    DrawLine(dc, kPadding, y, line, DescribeTimeAndStatus(*decoded_.fix), decoded_.fix->valid ? kText : kWarning);
    DrawLine(dc, kPadding, y, line, DescribePosition(*decoded_.fix));
    DrawLine(dc, kPadding, y, line, DescribeMotion(*decoded_.fix));
  } else {
    y += 3 * line;
  }
  DrawLine(dc, kPadding, y, line, L"Track: " + std::to_wstring(track_.size()) + L" valid positions");
  return y;
}
