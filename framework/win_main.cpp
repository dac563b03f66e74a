// The program's entry point: one instance per executable, then the
// application object's InitInstance and message loop.
#include "framework/single_instance.h"
#include "framework/win_app.h"

int AfxWinMain(HINSTANCE, HINSTANCE, LPWSTR, int nCmdShow) {
  CWinApp* app = AfxGetApp();
  if (!app) return -1;
  app->m_nCmdShow = nCmdShow;
  if (!app->InitApplication()) return -1;
  if (AfxActivateRunningInstance()) return 0;
  if (!app->InitInstance()) return app->ExitInstance();
  return app->Run();
}

int WINAPI wWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPWSTR lpCmdLine, int nCmdShow) {
  return AfxWinMain(hInstance, hPrevInstance, lpCmdLine, nCmdShow);
}
