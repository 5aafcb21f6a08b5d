// The screenshot gallery: opens every dialog with sample data, saves a PNG of each and an
// index page that shows them with their export, template and the settings each one wrote.

#include <windows.h>
#include <wincodec.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "host_app.h"

namespace {

struct Shot {
  const DemoEntry* entry = nullptr;
  std::wstring file;
  HWND dialog = nullptr;  // the entry's dialog, once it showed
  int ticks = 0;          // timer ticks since the dialog was prepared
  bool captured = false;
};
Shot* g_shot = nullptr;
std::wstring g_dir;

// The topmost visible dialog box of this thread other than `except`: the dialog itself, or a
// message box it opened.
HWND FindOpenDialog(HWND except = nullptr) {
  struct Ctx {
    HWND except, found;
  } ctx{except, nullptr};
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND w, LPARAM p) -> BOOL {
        auto* c = reinterpret_cast<Ctx*>(p);
        wchar_t cls[16] = {};
        GetClassNameW(w, cls, 16);
        if (w != c->except && IsWindowVisible(w) && wcscmp(cls, L"#32770") == 0) {
          c->found = w;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&ctx));
  return ctx.found;
}

// Captures `dialog` with whatever box it opened over itself.
bool CaptureWithBox(HWND dialog, HWND box, const std::wstring& path) {
  RECT r, b;
  GetWindowRect(dialog, &r);
  if (box && GetWindowRect(box, &b)) UnionRect(&r, &r, &b);
  return CaptureScreenPng(r, path);
}

// Runs in every modal loop of the thread, the dialog's and any message box's: prepares the
// dialog once it shows, lets a few ticks pass for painting (and for a box the preparation
// opened), captures, then closes the topmost box until the dialog itself is closed.
void CALLBACK ShotTick(HWND, UINT, UINT_PTR, DWORD) {
  Shot* s = g_shot;
  if (!s) return;
  if (!s->dialog) {
    s->dialog = FindOpenDialog();
    if (!s->dialog) return;
    if (s->entry->prepare) s->entry->prepare(s->dialog);
    return;
  }
  if (!s->captured) {
    if (++s->ticks < 4) return;
    HWND box = FindOpenDialog(s->dialog);
    RedrawWindow(s->dialog, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    if (box) RedrawWindow(box, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    s->captured = true;
    // An entry may show more than its dialog (a bar of the host's window beside it).
    const bool shot = s->entry->area ? CaptureScreenPng(s->entry->area(s->dialog), g_dir + s->file)
                                     : CaptureWithBox(s->dialog, box, g_dir + s->file);
    if (!shot) s->file.clear();
  }
  // A box over the dialog closes by its Cancel or, when it has only OK, by OK.
  HWND top = FindOpenDialog(s->dialog);
  PostMessageW(top ? top : s->dialog, WM_COMMAND, IDCANCEL, 0);
  if (top) PostMessageW(top, WM_COMMAND, IDOK, 0);
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

bool CaptureWindowPng(HWND hwnd, const std::wstring& path) {
  RECT r;
  GetWindowRect(hwnd, &r);
  return CaptureScreenPng(r, path);
}

bool CaptureScreenPng(const RECT& r, const std::wstring& path) {
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

namespace {

constexpr wchar_t kCommonKey[] = L"Software\\Korvan\\Scrivlet v3\\Common";

// The application theme for the dialogs opened next: "AppTheme" 2 (dark), or the user's own
// value back again.
class ThemeSwitch {
 public:
  ThemeSwitch() {
    DWORD size = sizeof saved_;
    had_ = RegGetValueW(HKEY_CURRENT_USER, kCommonKey, L"AppTheme", RRF_RT_REG_DWORD, nullptr,
                        &saved_, &size) == ERROR_SUCCESS;
  }
  ~ThemeSwitch() { Dark(false); }
  void Dark(bool on) {
    if (on) {
      DWORD dark = 2;
      RegSetKeyValueW(HKEY_CURRENT_USER, kCommonKey, L"AppTheme", REG_DWORD, &dark, sizeof dark);
    } else if (had_) {
      RegSetKeyValueW(HKEY_CURRENT_USER, kCommonKey, L"AppTheme", REG_DWORD, &saved_,
                      sizeof saved_);
    } else {
      RegDeleteKeyValueW(HKEY_CURRENT_USER, kCommonKey, L"AppTheme");
    }
  }

 private:
  DWORD saved_ = 0;
  bool had_ = false;
};

UINT ScreenDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
  if (screen) ReleaseDC(nullptr, screen);
  return dpi > 0 ? static_cast<UINT>(dpi) : 96;
}

struct Opened {
  std::wstring file;  // empty when no screenshot was taken
  std::wstring log;
  std::wstring settings;
};

Opened OpenForShot(HWND owner, const DemoEntry& e, const std::wstring& file) {
  Shot shot;
  shot.entry = &e;
  shot.file = file;
  auto before = SnapshotSettings();
  g_shot = &shot;
  const UINT_PTR timer = SetTimer(nullptr, 0, 50, ShotTick);
  Opened o;
  TakeDpiQuestions();
  o.log = e.open(owner);
  KillTimer(nullptr, timer);
  g_shot = nullptr;
  HostLog(std::wstring(L"gallery: ") + e.exportName + L": " + o.log + TakeDpiQuestions());
  auto after = SnapshotSettings();
  for (const auto& [k, v] : after)
    if (!before.count(k) || before[k] != v) o.settings += k + L" ";
  if (shot.captured) o.file = shot.file;
  return o;
}

}  // namespace

int RunGallery(HWND owner, const std::wstring& dir, const std::wstring& filter, int* missing) {
  g_dir = dir;
  if (!g_dir.empty() && g_dir.back() != L'\\') g_dir += L'\\';
  CreateDirectoryW(g_dir.c_str(), nullptr);
  std::string rows;
  int written = 0, lost = 0, n = 0;
  ThemeSwitch theme;
  for (const DemoEntry& e : DemoEntries()) {
    if (!filter.empty() && std::wstring(e.title).find(filter) == std::wstring::npos) continue;
    wchar_t base[64];
    swprintf(base, 64, L"%02d-%ls", ++n, e.exportName);
    std::string figure = "<figure><figcaption><b>" + Utf8(e.title) + "</b><br><code>" +
                         Utf8(e.exportName) + "</code>, template " + std::to_string(e.templateId);
    std::string images;
    for (const bool dark : {false, true}) {
      theme.Dark(dark);
      const Opened o = OpenForShot(owner, e, std::wstring(base) + (dark ? L"-dark.png" : L".png"));
      if (o.file.empty()) {
        ++lost;
        images +=
            "<p class=missing>no screenshot (" + std::string(dark ? "dark" : "light") + ")</p>";
        continue;
      }
      ++written;
      images += "<img src=\"" + Utf8(o.file) + "\" alt=\"" + Utf8(e.title) +
                (dark ? " (dark)" : "") + "\">";
      if (!dark)
        figure += "<br>" + Utf8(o.log) + "<br>settings written: " +
                  (o.settings.empty() ? std::string("none") : Utf8(o.settings));
    }
    theme.Dark(false);
    rows += figure + "</figcaption>" + images + "</figure>\n";
  }
  // The two pages, one per DPI, link to each other (the demo writes them side by side).
  const UINT dpi = ScreenDpi();
  const std::string scale = std::to_string(dpi * 100 / 96) + " %";
  const std::string other = dpi == 96 ? "../gallery-150/index.html" : "../gallery/index.html";
  const std::string otherName = dpi == 96 ? "150 %" : "100 %";
  std::ofstream html(std::filesystem::path(g_dir + L"index.html"), std::ios::binary);
  html << "<!doctype html><meta charset=\"utf-8\"><title>Scrivlet dialogs at " << scale << " ("
       << dpi
       << " DPI)</title>\n"
          "<style>body{font-family:sans-serif;background:#f4f4f4}figure{display:inline-block;"
          "vertical-align:top;margin:12px;padding:8px;background:#fff;border:1px solid #ccc}"
          "figure img{display:block;margin-top:6px}figcaption{font-size:13px}"
          ".missing{color:#b00}</style>\n<h1>Scrivlet dialogs at "
       << scale << " (" << dpi << " DPI), light and dark</h1>\n<p><a href=\"" << other
       << "\">The same dialogs at " << otherName << "</a></p>\n"
       << rows;
  if (missing) *missing = lost;
  return written;
}
