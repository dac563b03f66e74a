// Reads the launcher's windows from outside, as an operator's tools would,
// and prints what it finds as UTF-8 lines. Used by the end-to-end tests.
//
//   navoro-probe windows   top-level windows: title, class, process id, visible, screen rectangle
//   navoro-probe log       the text of the launcher's log pane
//   navoro-probe foreground  the title of the foreground window
//   navoro-probe buttons   the command bar's buttons: index, command id, screen rectangle
//   navoro-probe dialog TITLE  the controls of a dialog: class, text, screen rectangle
//   navoro-probe close CLASS   posts WM_CLOSE to every top-level window of that class
//   navoro-probe close-title TITLE  posts WM_CLOSE to the top-level window with that title
//   navoro-probe activate CLASS     brings the top-level window of that class to the front
//   navoro-probe clipboard [TEXT]   prints the clipboard's text, or sets it to TEXT
#include <windows.h>
//
#include <commctrl.h>

#include <cstring>
#include <string>

#include "res/resource.h"

namespace {

constexpr wchar_t kLauncherTitle[] = L"navoroLauncher";
constexpr int kLogPaneId = IDC_LOGPANE;
constexpr int kCommandBarId = AFX_IDW_TOOLBAR;

void Print(const std::wstring& text) {
  const int size =
      WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), bytes.data(), size, nullptr, nullptr);
  DWORD written = 0;
  WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

std::wstring Text(HWND hwnd) {
  const LRESULT length = SendMessageW(hwnd, WM_GETTEXTLENGTH, 0, 0);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  SendMessageW(hwnd, WM_GETTEXT, static_cast<WPARAM>(length + 1), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<size_t>(length));
  return text;
}

std::wstring Rect(const RECT& r) {
  return std::to_wstring(r.left) + L" " + std::to_wstring(r.top) + L" " + std::to_wstring(r.right - r.left) + L" " +
         std::to_wstring(r.bottom - r.top);
}

std::wstring ClassOf(HWND hwnd) {
  wchar_t name[128] = {};
  GetClassNameW(hwnd, name, 128);
  return name;
}

BOOL CALLBACK PrintTopLevel(HWND hwnd, LPARAM) {
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  RECT r{};
  GetWindowRect(hwnd, &r);
  Print(Text(hwnd) + L"\t" + ClassOf(hwnd) + L"\t" + std::to_wstring(pid) + L"\t" +
        (IsWindowVisible(hwnd) ? L"visible" : L"hidden") + L"\t" + Rect(r) + L"\n");
  return TRUE;
}

BOOL CALLBACK PrintChild(HWND hwnd, LPARAM) {
  RECT r{};
  GetWindowRect(hwnd, &r);
  Print(ClassOf(hwnd) + L"\t" + std::to_wstring(GetDlgCtrlID(hwnd)) + L"\t" + Text(hwnd) + L"\t" + Rect(r) + L"\n");
  return TRUE;
}

// The toolbar control inside the command bar, whichever child level it sits at.
HWND FindToolbar(HWND frame) {
  HWND bar = GetDlgItem(frame, kCommandBarId);
  if (!bar) return nullptr;
  if (ClassOf(bar) == L"ToolbarWindow32") return bar;
  return FindWindowExW(bar, nullptr, L"ToolbarWindow32", nullptr);
}

// Button rectangles live in the launcher's process: ask there and copy back.
int PrintButtons(HWND frame) {
  HWND toolbar = FindToolbar(frame);
  if (!toolbar) return 2;
  DWORD pid = 0;
  GetWindowThreadProcessId(toolbar, &pid);
  HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
  if (!process) return 3;
  void* remote = VirtualAllocEx(process, nullptr, 4096, MEM_COMMIT, PAGE_READWRITE);
  const LRESULT count = SendMessageW(toolbar, TB_BUTTONCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    TBBUTTON button{};
    RECT r{};
    SIZE_T read = 0;
    SendMessageW(toolbar, TB_GETBUTTON, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(remote));
    ReadProcessMemory(process, remote, &button, sizeof(button), &read);
    SendMessageW(toolbar, TB_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(remote));
    ReadProcessMemory(process, remote, &r, sizeof(r), &read);
    MapWindowPoints(toolbar, nullptr, reinterpret_cast<POINT*>(&r), 2);
    Print(std::to_wstring(i) + L"\t" + std::to_wstring(button.idCommand) + L"\t" + Rect(r) + L"\n");
  }
  VirtualFreeEx(process, remote, 0, MEM_RELEASE);
  CloseHandle(process);
  return 0;
}

int PrintClipboard() {
  if (!OpenClipboard(nullptr)) return 3;
  HANDLE data = GetClipboardData(CF_UNICODETEXT);
  const auto* text = static_cast<const wchar_t*>(data ? GlobalLock(data) : nullptr);
  if (text) {
    Print(text);
    GlobalUnlock(data);
  }
  CloseClipboard();
  return 0;
}

int SetClipboard(const std::wstring& text) {
  if (!OpenClipboard(nullptr)) return 3;
  EmptyClipboard();
  const size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes);
  if (block) {
    std::memcpy(GlobalLock(block), text.c_str(), bytes);
    GlobalUnlock(block);
    if (!SetClipboardData(CF_UNICODETEXT, block)) GlobalFree(block);
  }
  CloseClipboard();
  return block ? 0 : 3;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const std::wstring command = argc > 1 ? argv[1] : L"";
  if (command == L"windows") {
    EnumWindows(&PrintTopLevel, 0);
    return 0;
  }
  if (command == L"foreground") {
    Print(Text(GetForegroundWindow()) + L"\n");
    return 0;
  }
  if (command == L"dialog" && argc > 2) {
    HWND dialog = FindWindowW(nullptr, argv[2]);
    if (!dialog) return 1;
    EnumChildWindows(dialog, &PrintChild, 0);
    return 0;
  }
  if (command == L"close" && argc > 2) {
    bool found = false;
    for (HWND w = FindWindowExW(nullptr, nullptr, argv[2], nullptr); w; w = FindWindowExW(nullptr, w, argv[2], nullptr))
      found = PostMessageW(w, WM_CLOSE, 0, 0) || found;
    return found ? 0 : 1;
  }
  if (command == L"activate" && argc > 2) {
    HWND window = FindWindowW(argv[2], nullptr);
    return window && SetForegroundWindow(window) ? 0 : 1;
  }
  if (command == L"clipboard") return argc > 2 ? SetClipboard(argv[2]) : PrintClipboard();
  if (command == L"close-title" && argc > 2) {
    HWND window = FindWindowW(nullptr, argv[2]);
    return window && PostMessageW(window, WM_CLOSE, 0, 0) ? 0 : 1;
  }
  HWND frame = FindWindowW(nullptr, kLauncherTitle);
  if (!frame) return 1;
  if (command == L"log") {
    Print(Text(GetDlgItem(frame, kLogPaneId)));
    return 0;
  }
  if (command == L"buttons") return PrintButtons(frame);
  return 2;
}
