// The screenshot gallery: opens every dialog with sample data, saves a PNG of each and an
// index page that shows them with their export, template and the settings each one wrote.

#include <windows.h>
#include <wincodec.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "host_app.h"

namespace {

struct Shot {
  const DemoEntry* entry = nullptr;
  std::wstring file;
  bool captured = false;
};
Shot* g_shot = nullptr;
std::wstring g_dir;

HWND FindOpenDialog() {
  HWND found = nullptr;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND w, LPARAM p) -> BOOL {
        wchar_t cls[16] = {};
        GetClassNameW(w, cls, 16);
        if (IsWindowVisible(w) && wcscmp(cls, L"#32770") == 0) {
          *reinterpret_cast<HWND*>(p) = w;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

void Pump(int ms) {
  DWORD end = GetTickCount() + static_cast<DWORD>(ms);
  MSG msg;
  while (GetTickCount() < end) {
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    Sleep(5);
  }
}

void CALLBACK ShotTick(HWND, UINT, UINT_PTR timer, DWORD) {
  Shot* s = g_shot;
  HWND dlg = FindOpenDialog();
  if (!s || !dlg || s->captured) return;
  KillTimer(nullptr, timer);
  s->captured = true;
  if (s->entry->prepare) s->entry->prepare(dlg);
  RedrawWindow(dlg, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Pump(150);
  RECT area = s->entry->area ? s->entry->area(dlg) : RECT{};
  if (!CaptureWindowPng(dlg, g_dir + s->file, s->entry->area ? &area : nullptr)) s->file.clear();
  PostMessageW(dlg, WM_COMMAND, IDCANCEL, 0);
}

// Every value below the product key, as "key\name" -> a printable form of the data.
std::map<std::wstring, std::wstring> SnapshotSettings() {
  std::map<std::wstring, std::wstring> out;
  HKEY root;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Korvan\\Scrivlet v3\\Common", 0, KEY_READ,
                    &root) != ERROR_SUCCESS)
    return out;
  for (DWORD i = 0;; ++i) {
    wchar_t name[256];
    DWORD nameLen = 256, type = 0, size = 4096;
    BYTE data[4096];
    if (RegEnumValueW(root, i, name, &nameLen, nullptr, &type, data, &size) != ERROR_SUCCESS) break;
    std::wstring v;
    for (DWORD b = 0; b < size && b < 32; ++b) {
      wchar_t hex[4];
      swprintf(hex, 4, L"%02X", data[b]);
      v += hex;
    }
    out[std::wstring(L"Common\\") + name] = std::to_wstring(type) + L":" + v;
  }
  RegCloseKey(root);
  return out;
}

std::string Utf8(const std::wstring& w) {
  int n = WideCharToMultiByte(CP_UTF8, 0, w.c_str(), static_cast<int>(w.size()), nullptr, 0,
                              nullptr, nullptr);
  std::string s(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, w.c_str(), static_cast<int>(w.size()), s.data(), n, nullptr,
                      nullptr);
  return s;
}

}  // namespace

bool CaptureWindowPng(HWND hwnd, const std::wstring& path, const RECT* area) {
  RECT r;
  if (area)
    r = *area;
  else
    GetWindowRect(hwnd, &r);
  int w = r.right - r.left, h = r.bottom - r.top;
  if (w <= 0 || h <= 0) return false;
  HDC screen = GetDC(nullptr);
  HDC mem = CreateCompatibleDC(screen);
  BITMAPINFO bi = {};
  bi.bmiHeader.biSize = sizeof bi.bmiHeader;
  bi.bmiHeader.biWidth = w;
  bi.bmiHeader.biHeight = -h;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HBITMAP bmp = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(mem, bmp);
  BitBlt(mem, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
  SelectObject(mem, old);
  DeleteDC(mem);
  ReleaseDC(nullptr, screen);

  bool ok = false;
  IWICImagingFactory* factory = nullptr;
  IWICStream* stream = nullptr;
  IWICBitmapEncoder* encoder = nullptr;
  IWICBitmapFrameEncode* frame = nullptr;
  if (SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                 IID_IWICImagingFactory, reinterpret_cast<void**>(&factory))) &&
      SUCCEEDED(factory->CreateStream(&stream)) &&
      SUCCEEDED(stream->InitializeFromFilename(path.c_str(), GENERIC_WRITE)) &&
      SUCCEEDED(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, &encoder)) &&
      SUCCEEDED(encoder->Initialize(stream, WICBitmapEncoderNoCache)) &&
      SUCCEEDED(encoder->CreateNewFrame(&frame, nullptr)) &&
      SUCCEEDED(frame->Initialize(nullptr)) &&
      SUCCEEDED(frame->SetSize(static_cast<UINT>(w), static_cast<UINT>(h)))) {
    WICPixelFormatGUID format = GUID_WICPixelFormat32bppBGR;
    if (SUCCEEDED(frame->SetPixelFormat(&format)) &&
        SUCCEEDED(frame->WritePixels(static_cast<UINT>(h), static_cast<UINT>(w) * 4,
                                     static_cast<UINT>(w * h * 4), static_cast<BYTE*>(bits))) &&
        SUCCEEDED(frame->Commit()) && SUCCEEDED(encoder->Commit()))
      ok = true;
  }
  if (frame) frame->Release();
  if (encoder) encoder->Release();
  if (stream) stream->Release();
  if (factory) factory->Release();
  DeleteObject(bmp);
  return ok;
}

int RunGallery(HWND owner, const std::wstring& dir, const std::wstring& filter) {
  g_dir = dir;
  if (!g_dir.empty() && g_dir.back() != L'\\') g_dir += L'\\';
  CreateDirectoryW(g_dir.c_str(), nullptr);
  std::string rows;
  int written = 0, n = 0;
  for (const DemoEntry& e : DemoEntries()) {
    if (!filter.empty() && std::wstring(e.title).find(filter) == std::wstring::npos) continue;
    Shot shot;
    shot.entry = &e;
    wchar_t file[64];
    swprintf(file, 64, L"%02d-%ls.png", ++n, e.exportName);
    shot.file = file;
    auto before = SnapshotSettings();
    g_shot = &shot;
    SetTimer(nullptr, 0, 50, ShotTick);
    std::wstring logLine = e.open(owner);
    g_shot = nullptr;
    HostLog(std::wstring(L"gallery: ") + e.exportName + L": " + logLine);
    auto after = SnapshotSettings();
    std::wstring written_settings;
    for (const auto& [k, v] : after)
      if (!before.count(k) || before[k] != v) written_settings += k + L" ";
    if (!shot.file.empty() && shot.captured) ++written;
    rows += "<figure><img src=\"" + Utf8(shot.file) + "\" alt=\"" + Utf8(e.title) +
            "\"><figcaption><b>" + Utf8(e.title) + "</b><br><code>" + Utf8(e.exportName) +
            "</code>, template " + std::to_string(e.templateId) + "<br>returned " + Utf8(logLine) +
            "<br>settings written: " +
            (written_settings.empty() ? std::string("none") : Utf8(written_settings)) +
            "</figcaption></figure>\n";
  }
  std::ofstream html(std::filesystem::path(g_dir + L"index.html"), std::ios::binary);
  html << "<!doctype html><meta charset=\"utf-8\"><title>Scrivlet dialogs gallery</title>\n"
          "<style>body{font-family:sans-serif;background:#f4f4f4}figure{display:inline-block;"
          "vertical-align:top;margin:12px;padding:8px;background:#fff;border:1px solid #ccc}"
          "figcaption{font-size:13px;margin-top:6px}</style>\n<h1>Scrivlet dialogs</h1>\n"
       << rows;
  return written;
}
