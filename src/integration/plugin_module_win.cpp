#include "integration/plugin_module_win.h"

#include <vector>

#include "base/module_state_win.h"
#include "frame/signature_check_win.h"
#include "frame/system_calls_win.h"
#include "base/text_win.h"

namespace scrv {
namespace {

constexpr size_t kDescriptionCapacity = 256;
constexpr size_t kMenuTextCapacity = 256;
constexpr size_t kStatusTextCapacity = 521;
constexpr size_t kUninstallCapacity = 260;
constexpr WPARAM kBitmapSize = 32, kBitmapSizeHighDpi = 33;
constexpr WPARAM kTransparentQuery = 32;
constexpr uint32_t kDefaultTransparent = 0xC0C0C0;

template <typename F>
F Lookup(HMODULE module, const char* name) {
  return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

std::u16string Terminated(const wchar_t* text) {
  return ToU(std::wstring_view(text));
}

}  // namespace

WinPluginModule::~WinPluginModule() {
  if (module_) FreeLibrary(module_);
}

bool WinPluginModule::Unload(uint32_t& error) {
  if (module_ && !FreeLibrary(module_)) {
    error = GetLastError();
    return false;
  }
  module_ = nullptr;
  return true;
}

void WinPluginModule::NotifyRemoval() {
  if (module_ && onEvents_) onEvents_(nullptr, kPluginRemovedEvent, 0);
}

LRESULT WinPluginModule::Send(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (!module_) return 0;
  if (procState_ == 2) {
    proc_ = Lookup<ProcFn>(module_, "PlugInProc");
    procState_ = proc_ ? 1 : 0;
  }
  return proc_ ? proc_(window_, msg, wParam, lParam) : 0;
}

WinPluginModule::IdFn WinPluginModule::IdExport(IdFn& cache, const char* name) {
  if (exportMissing_ || !module_) return nullptr;
  if (!cache) cache = Lookup<IdFn>(module_, name);
  if (!cache) exportMissing_ = true;
  return cache;
}

std::u16string WinPluginModule::AskText(UINT msg, size_t capacity, bool ansi) {
  if (ansi) {
    std::vector<char> buffer(capacity + 1, '\0');
    Send(msg, capacity, reinterpret_cast<LPARAM>(buffer.data()));
    buffer[capacity] = '\0';
    int n = MultiByteToWideChar(CP_ACP, 0, buffer.data(), -1, nullptr, 0);
    if (n <= 1) return {};
    std::wstring wide(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_ACP, 0, buffer.data(), -1, wide.data(), n);
    wide.resize(static_cast<size_t>(n - 1));
    return ToU(wide);
  }
  std::vector<wchar_t> buffer(capacity + 1, L'\0');
  Send(msg, capacity, reinterpret_cast<LPARAM>(buffer.data()));
  buffer[capacity] = L'\0';
  return Terminated(buffer.data());
}

std::u16string WinPluginModule::ModuleString(UINT id, size_t capacity) const {
  std::vector<wchar_t> buffer(capacity + 1, L'\0');
  LoadStringW(module_, id, buffer.data(), static_cast<int>(capacity));
  buffer[capacity] = L'\0';
  return Terminated(buffer.data());
}

std::u16string WinPluginModule::Description(int which) {
  std::u16string text = AskText(which ? plugin_msg::kSecondText : plugin_msg::kFirstText,
                                kDescriptionCapacity, false);
  if (text.empty())
    text = AskText(which ? plugin_msg::kSecondTextAnsi : plugin_msg::kFirstTextAnsi,
                   kDescriptionCapacity, true);
  return text;
}

UninstallRequest WinPluginModule::QueryUninstall() {
  std::vector<wchar_t> program(kUninstallCapacity + 1, L'\0'),
      arguments(kUninstallCapacity + 1, L'\0');
  LRESULT answer = Send(plugin_msg::kUninstall, reinterpret_cast<WPARAM>(program.data()),
                        reinterpret_cast<LPARAM>(arguments.data()));
  program[kUninstallCapacity] = arguments[kUninstallCapacity] = L'\0';
  UninstallRequest request;
  if (answer == UninstallRequest::kDeleteFile || answer == UninstallRequest::kRunProgram)
    request.kind = static_cast<UninstallRequest::Kind>(answer);
  request.program = Terminated(program.data());
  request.arguments = Terminated(arguments.data());
  return request;
}

uint32_t WinPluginModule::ButtonBitmapId(bool highDpi) {
  auto id = static_cast<uint32_t>(
      Send(plugin_msg::kButtonBitmap, highDpi ? kBitmapSizeHighDpi : kBitmapSize, 0));
  if (id) return id;
  IdFn fn = IdExport(bitmapId_, "GetBitmapID");
  return fn ? fn() : 0;
}

uint32_t WinPluginModule::TransparentColor() {
  auto color = static_cast<uint32_t>(Send(plugin_msg::kTransparentColor, kTransparentQuery, 0));
  return color ? color : kDefaultTransparent;
}

std::u16string WinPluginModule::MenuText() {
  IdFn fn = IdExport(menuTextId_, "GetMenuTextID");
  if (UINT id = fn ? fn() : 0) return ModuleString(id, kMenuTextCapacity);
  return AskText(plugin_msg::kMenuText, kMenuTextCapacity, false);
}

std::u16string WinPluginModule::StatusText() {
  IdFn fn = IdExport(statusTextId_, "GetStatusMessageID");
  if (UINT id = fn ? fn() : 0) return ModuleString(id, kStatusTextCapacity);
  return AskText(plugin_msg::kStatusText, kStatusTextCapacity, false);
}

std::unique_ptr<PluginModule> WinPluginLoader::Load(std::u16string_view fullPath, uint32_t& error) {
  std::wstring path = ToW(fullPath);
  DWORD previous = 0;
  SetThreadErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX, &previous);
  HMODULE module = System().LoadCodeLibrary(path.c_str(), LOAD_WITH_ALTERED_SEARCH_PATH);
  error = module ? 0 : GetLastError();
  SetThreadErrorMode(previous, nullptr);
  if (!module) return nullptr;
  auto onEvents = Lookup<WinPluginModule::OnEventsFn>(module, "OnEvents");
  if (!onEvents) {
    FreeLibrary(module);
    error = kErrorInvalidPlugin;
    return nullptr;
  }
  return std::make_unique<WinPluginModule>(module, window_, onEvents);
}

bool WinPluginLoader::VerifySignature(std::u16string_view fullPath) {
  return VerifyFileSignature(ToW(fullPath).c_str()) != 0;
}

// The path is asked through the attribute probe first: a plug-in on a network path that does
// not answer is given up after its three seconds instead of freezing the dialog; one that
// answered is then read for its size and time.
std::optional<PluginFileState> WinPluginLoader::FileState(std::u16string_view fullPath) {
  const std::wstring path = ToW(fullPath);
  if (ProbeFileAttributes(path.c_str()) & FILE_ATTRIBUTE_DIRECTORY) return std::nullopt;
  WIN32_FILE_ATTRIBUTE_DATA data = {};
  if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data) ||
      (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
    return std::nullopt;
  return PluginFileState{
      uint64_t{data.nFileSizeHigh} << 32 | data.nFileSizeLow,
      uint64_t{data.ftLastWriteTime.dwHighDateTime} << 32 | data.ftLastWriteTime.dwLowDateTime};
}

SignatureVerdicts& WinPluginLoader::Verdicts() {
  static SignatureVerdicts verdicts;  // the process's, while the library stays loaded
  return verdicts;
}

std::u16string ModulePluginsFolder() {
  return ToU(AppPath(ToW(kPluginsFolderName)));
}

}  // namespace scrv
