// The screenshot gallery: opens every dialog with sample data, saves a PNG of each and an
// index page that shows them with their export, template and the settings each one wrote.

#include <windows.h>
#include <uxtheme.h>
#include <wincodec.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
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

// A popup menu of this thread that is open, or null.
HWND FindOpenMenu() {
  HWND found = nullptr;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND w, LPARAM p) -> BOOL {
        wchar_t cls[16] = {};
        GetClassNameW(w, cls, 16);
        if (!IsWindowVisible(w) || wcscmp(cls, L"#32768") != 0) return TRUE;
        *reinterpret_cast<HWND*>(p) = w;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

// Captures `dialog` with whatever box or menu it opened over itself.
bool CaptureWithBox(HWND dialog, HWND box, const std::wstring& path) {
  RECT r, b;
  GetWindowRect(dialog, &r);
  if (box && GetWindowRect(box, &b)) UnionRect(&r, &r, &b);
  HWND menu = FindOpenMenu();
  if (menu && GetWindowRect(menu, &b)) UnionRect(&r, &r, &b);
  return CaptureScreenPng(r, path, menu);
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
    if (HWND menu = FindOpenMenu())
      RedrawWindow(menu, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
    s->captured = true;
    // An entry may show more than its dialog (a bar of the host's window beside it).
    const bool shot = s->entry->area ? CaptureScreenPng(s->entry->area(s->dialog), g_dir + s->file)
                                     : CaptureWithBox(s->dialog, box, g_dir + s->file);
    if (!shot) s->file.clear();
  }
  // A menu over the dialog closes first. A box over the dialog closes by its Cancel or, when
  // it has only OK, by OK. A question (a box with No) is answered No: it may have no Cancel,
  // and Yes would act on the sample data. A box that is still there a second later is ended
  // outright, so the walk never waits.
  if (FindOpenMenu()) {
    EndMenu();
    return;
  }
  HWND top = FindOpenDialog(s->dialog);
  if (top && GetDlgItem(top, IDNO)) {
    PostMessageW(top, WM_COMMAND, MAKEWPARAM(IDNO, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(top, IDNO)));
    if (++s->ticks > 24) EndDialog(top, IDNO);
    return;
  }
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

bool CaptureScreenPng(const RECT& r, const std::wstring& path, HWND over) {
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
  // A popup menu is copied from its own window: the screen may not show it yet.
  RECT o;
  if (over && GetWindowRect(over, &o)) {
    HDC dc = GetWindowDC(over);
    BitBlt(mem, o.left - r.left, o.top - r.top, o.right - o.left, o.bottom - o.top, dc, 0, 0,
           SRCCOPY);
    ReleaseDC(over, dc);
  }
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

// -- High contrast ------------------------------------------------------------------------------

using SpiFn = BOOL(WINAPI*)(UINT, UINT, PVOID, UINT);
SpiFn g_realSpi = nullptr;
bool g_highContrast = false;

BOOL WINAPI HighContrastSpi(UINT action, UINT param, PVOID data, UINT winIni) {
  if (action == SPI_GETHIGHCONTRAST && g_highContrast && data &&
      static_cast<HIGHCONTRASTW*>(data)->cbSize == sizeof(HIGHCONTRASTW)) {
    auto* hc = static_cast<HIGHCONTRASTW*>(data);
    hc->dwFlags = HCF_HIGHCONTRASTON | HCF_AVAILABLE;
    hc->lpszDefaultScheme = nullptr;
    return TRUE;
  }
  return g_realSpi(action, param, data, winIni);
}

// Points `module`'s import of user32's SystemParametersInfoW at HighContrastSpi.
bool RedirectSpi(HMODULE module) {
  auto* base = reinterpret_cast<BYTE*>(module);
  auto* dos = reinterpret_cast<IMAGE_DOS_HEADER*>(base);
  auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  const IMAGE_DATA_DIRECTORY& dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  if (!dir.VirtualAddress) return false;
  for (auto* d = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + dir.VirtualAddress); d->Name;
       ++d) {
    if (lstrcmpiA(reinterpret_cast<const char*>(base + d->Name), "user32.dll") != 0) continue;
    auto* names = reinterpret_cast<IMAGE_THUNK_DATA*>(base + d->OriginalFirstThunk);
    auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + d->FirstThunk);
    for (; names->u1.AddressOfData; ++names, ++slots) {
      if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
      auto* byName = reinterpret_cast<IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
      if (lstrcmpA(reinterpret_cast<const char*>(byName->Name), "SystemParametersInfoW") != 0)
        continue;
      if (!g_realSpi) g_realSpi = reinterpret_cast<SpiFn>(slots->u1.Function);
      DWORD old = 0;
      if (!VirtualProtect(&slots->u1.Function, sizeof slots->u1.Function, PAGE_READWRITE, &old))
        return false;
      slots->u1.Function = reinterpret_cast<ULONG_PTR>(&HighContrastSpi);
      VirtualProtect(&slots->u1.Function, sizeof slots->u1.Function, old, &old);
      return true;
    }
  }
  return false;
}

UINT ScreenDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
  if (screen) ReleaseDC(nullptr, screen);
  return dpi > 0 ? static_cast<UINT>(dpi) : 96;
}

// The language the program folder holds: the "Language" of its first language folder.
std::string LanguageName() {
  wchar_t exe[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, exe, MAX_PATH);
  std::error_code error;
  const auto mui = std::filesystem::path(exe).parent_path() / L"mui";
  for (const auto& folder : std::filesystem::directory_iterator(mui, error)) {
    wchar_t name[128] = {};
    GetPrivateProfileStringW(L"Language", L"Language", L"", name, 128,
                             (folder.path() / L"info.ini").c_str());
    if (*name) return Utf8(name);
  }
  return "no language";
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

HighContrastScope::HighContrastScope() {
  HMODULE library = LoadLibraryW(L"scrvdlgs.dll");  // kept loaded: its imports stay redirected
  if (!library || !RedirectSpi(library)) return;
  // "High Contrast Black".
  const std::pair<int, COLORREF> scheme[] = {
      {COLOR_WINDOW, RGB(0, 0, 0)},           {COLOR_WINDOWTEXT, RGB(255, 255, 255)},
      {COLOR_BTNFACE, RGB(0, 0, 0)},          {COLOR_BTNTEXT, RGB(255, 255, 255)},
      {COLOR_GRAYTEXT, RGB(63, 242, 63)},     {COLOR_HIGHLIGHT, RGB(26, 235, 255)},
      {COLOR_HIGHLIGHTTEXT, RGB(0, 0, 0)},    {COLOR_HOTLIGHT, RGB(255, 255, 0)},
      {COLOR_BTNSHADOW, RGB(128, 128, 128)},  {COLOR_BTNHIGHLIGHT, RGB(255, 255, 255)},
      {COLOR_3DDKSHADOW, RGB(255, 255, 255)}, {COLOR_3DLIGHT, RGB(192, 192, 192)},
      {COLOR_WINDOWFRAME, RGB(255, 255, 255)}, {COLOR_ACTIVECAPTION, RGB(0, 0, 0)},
      {COLOR_CAPTIONTEXT, RGB(255, 255, 255)}, {COLOR_INFOBK, RGB(0, 0, 0)},
      {COLOR_INFOTEXT, RGB(255, 255, 255)},   {COLOR_MENU, RGB(0, 0, 0)},
      {COLOR_MENUTEXT, RGB(255, 255, 255)},   {COLOR_ACTIVEBORDER, RGB(255, 255, 255)},
      {COLOR_APPWORKSPACE, RGB(0, 0, 0)},     {COLOR_GRADIENTACTIVECAPTION, RGB(0, 0, 0)}};
  std::vector<COLORREF> colours;
  for (const auto& [element, colour] : scheme) {
    elements_.push_back(element);
    saved_.push_back(GetSysColor(element));
    colours.push_back(colour);
  }
  SetSysColors(static_cast<int>(elements_.size()), elements_.data(), colours.data());
  // High contrast turns the visual styles off: windows made from now on draw in the classic
  // look, in the system colours.
  SetThemeAppProperties(0);
  g_highContrast = true;
  active_ = true;
}

HighContrastScope::~HighContrastScope() {
  if (!active_) return;
  g_highContrast = false;
  SetThemeAppProperties(STAP_ALLOW_NONCLIENT | STAP_ALLOW_CONTROLS | STAP_ALLOW_WEBCONTENT);
  SetSysColors(static_cast<int>(elements_.size()), elements_.data(), saved_.data());
}

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
    // Light, dark, and high contrast over the dark setting (which it must override).
    for (const int pass : {0, 1, 2}) {
      const bool dark = pass > 0;
      theme.Dark(dark);
      std::optional<HighContrastScope> contrast;
      if (pass == 2) contrast.emplace();
      const wchar_t* suffix = pass == 0 ? L".png" : pass == 1 ? L"-dark.png" : L"-hc.png";
      const std::string name = pass == 0 ? "light" : pass == 1 ? "dark" : "high contrast";
      const Opened o = OpenForShot(owner, e, std::wstring(base) + suffix);
      if (o.file.empty() || (pass == 2 && !contrast->Active())) {
        ++lost;
        images += "<p class=missing>no screenshot (" + name + ")</p>";
        continue;
      }
      ++written;
      images += "<img src=\"" + Utf8(o.file) + "\" alt=\"" + Utf8(e.title) +
                (dark ? " (" + name + ")" : "") + "\">";
      if (!dark)
        figure += "<br>" + Utf8(o.log) + "<br>settings written: " +
                  (o.settings.empty() ? std::string("none") : Utf8(o.settings));
    }
    theme.Dark(false);
    rows += figure + "</figcaption>" + images + "</figure>\n";
  }
  // The pages, one per DPI and language, link to each other (the demo writes them side by
  // side); the pseudo-localised ones also to the fit walks the demo ran at four DPIs.
  const UINT dpi = ScreenDpi();
  const std::string scale = std::to_string(dpi * 100 / 96) + " %";
  const std::string language = LanguageName();
  std::ofstream html(std::filesystem::path(g_dir + L"index.html"), std::ios::binary);
  html << "<!doctype html><meta charset=\"utf-8\"><title>Scrivlet dialogs at " << scale << " ("
       << dpi << " DPI), " << language
       << "</title>\n"
          "<style>body{font-family:sans-serif;background:#f4f4f4}figure{display:inline-block;"
          "vertical-align:top;margin:12px;padding:8px;background:#fff;border:1px solid #ccc}"
          "figure img{display:block;margin-top:6px}figcaption{font-size:13px}"
          ".missing{color:#b00}</style>\n<h1>Scrivlet dialogs at "
       << scale << " (" << dpi << " DPI), " << language
       << ", light, dark and in high contrast</h1>\n<p>The same dialogs:";
  const char* const pages[][2] = {{"gallery", "100 %"},
                                  {"gallery-150", "150 %"},
                                  {"gallery-pseudo", "100 %, pseudo-localised"},
                                  {"gallery-pseudo-150", "150 %, pseudo-localised"}};
  for (const auto& [page, label] : pages)
    html << " <a href=\"../" << page << "/index.html\">" << label << "</a>";
  html << "</p>\n<p>Texts fitted with the pseudo-localised language (the demo's walks):";
  for (const char* walk : {"96", "120", "144", "192"})
    html << " <a href=\"../gallery-walks/fit-" << walk << ".txt\">" << walk << " DPI</a>";
  html << "</p>\n" << rows;
  if (missing) *missing = lost;
  return written;
}
