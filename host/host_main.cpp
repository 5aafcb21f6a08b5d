#include <windows.h>
#include <commctrl.h>

#include <string>

#include "host_app.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  InitCommonControls();
  OleInitialize(nullptr);  // COM, and the drag and drop of the library's lists
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  HWND main = CreateHostWindow(instance);
  if (!main) return 1;
  if (argc >= 3 && std::wstring(argv[1]) == L"--gallery") {
    ShowWindow(main, SW_SHOWNOACTIVATE);
    int shots = RunGallery(main, argv[2], argc >= 4 ? argv[3] : L"");
    DestroyWindow(main);
    OleUninitialize();
    return shots > 0 ? 0 : 1;
  }
  ShowWindow(main, show);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  OleUninitialize();
  return 0;
}
