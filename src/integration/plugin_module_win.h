#pragma once
// Plug-in libraries as the platform loads them: the entry points looked up on first use, and
// every text buffer handed to a plug-in one unit larger than announced and terminated on return,
// so that a plug-in that fills its buffer to the brim cannot make the library read past it.

#include <windows.h>

#include "integration/plugin_list.h"

namespace scrv {

// Messages of a plug-in's PlugInProc.
namespace plugin_msg {
constexpr UINT kHasProperties = 2304;
constexpr UINT kShowProperties = 2305;
constexpr UINT kFirstTextAnsi = 2306;
constexpr UINT kFirstText = 2307;
constexpr UINT kSecondTextAnsi = 2308;
constexpr UINT kSecondText = 2309;
constexpr UINT kCanUninstall = 2310;
constexpr UINT kUninstall = 2311;
constexpr UINT kButtonBitmap = 2312;
constexpr UINT kTransparentColor = 2313;
constexpr UINT kMenuText = 2317;
constexpr UINT kStatusText = 2318;
}  // namespace plugin_msg

// The removal event passed to OnEvents before a removed plug-in is unloaded.
constexpr UINT kPluginRemovedEvent = 0x800;

class WinPluginModule : public PluginModule {
 public:
  using OnEventsFn = void (*)(HWND, UINT, LPARAM);
  using ProcFn = LRESULT (*)(HWND, UINT, WPARAM, LPARAM);
  using IdFn = UINT (*)();

  // Takes ownership of `module`; `window` is what PlugInProc is told it talks to.
  WinPluginModule(HMODULE module, HWND window, OnEventsFn onEvents)
      : module_(module), window_(window), onEvents_(onEvents) {}
  ~WinPluginModule() override;

  uintptr_t Library() const override { return reinterpret_cast<uintptr_t>(module_); }
  bool Unload(uint32_t& error) override;
  void NotifyRemoval() override;
  bool HasProperties() override { return Send(plugin_msg::kHasProperties, 0, 0) != 0; }
  void ShowProperties() override { Send(plugin_msg::kShowProperties, 0, 0); }
  std::u16string Description(int which) override;
  bool CanUninstall() override { return Send(plugin_msg::kCanUninstall, 0, 0) != 0; }
  UninstallRequest QueryUninstall() override;
  uint32_t ButtonBitmapId(bool highDpi) override;
  uint32_t TransparentColor() override;
  std::u16string MenuText() override;
  std::u16string StatusText() override;

 private:
  // PlugInProc, looked up once; 0 for every message when the plug-in has none.
  LRESULT Send(UINT msg, WPARAM wParam, LPARAM lParam);
  // One of the identifier exports; null once any of them was found missing.
  IdFn IdExport(IdFn& cache, const char* name);
  // A text the plug-in writes into a buffer of `capacity` units (or bytes, for `ansi`).
  std::u16string AskText(UINT msg, size_t capacity, bool ansi);
  std::u16string ModuleString(UINT id, size_t capacity) const;

  HMODULE module_;
  HWND window_;
  OnEventsFn onEvents_;
  ProcFn proc_ = nullptr;
  uint8_t procState_ = 2;  // 2 not looked up yet, 1 present, 0 missing
  bool exportMissing_ = false;
  IdFn menuTextId_ = nullptr, statusTextId_ = nullptr, bitmapId_ = nullptr;
};

// Loads plug-ins for a window (the dialog, or the host's window) and checks the standard ones'
// signatures through the shared signature check.
class WinPluginLoader : public PluginLoader {
 public:
  explicit WinPluginLoader(HWND window) : window_(window) {}
  std::unique_ptr<PluginModule> Load(std::u16string_view fullPath, uint32_t& error) override;
  bool VerifySignature(std::u16string_view fullPath) override;
  std::optional<PluginFileState> FileState(std::u16string_view fullPath) override;
  SignatureVerdicts& Verdicts() override;
  uint64_t NowMs() override { return GetTickCount64(); }

 private:
  HWND window_;
};

// The folder stored plug-in paths are relative to: "PlugIns" in the library's folder.
std::u16string ModulePluginsFolder();

}  // namespace scrv
