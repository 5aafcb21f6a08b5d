#include "host_tool_demos.h"

#include <shlobj.h>

#include <cstdint>
#include <cwchar>
#include <filesystem>
#include <fstream>

#include "scrvdlgs_api.h"

namespace {

// A first ignore list for a user who has none yet, as the editor's installer would leave it.
// The user's folder is asked for once: the shell's look-up is not what the benchmark measures.
void EnsureSampleIgnoreList() {
  static const std::wstring roaming = []() -> std::wstring {
    wchar_t path[MAX_PATH] = {};
    return SHGetSpecialFolderPathW(nullptr, path, CSIDL_APPDATA, TRUE) ? path : L"";
  }();
  if (roaming.empty()) return;
  std::filesystem::path file =
      std::filesystem::path(roaming) / L"Veltranix" / L"Scrivlet" / L"Spell" / L"ExtIgnr.bin";
  std::error_code ec;
  if (std::filesystem::exists(file, ec)) return;
  std::filesystem::create_directories(file.parent_path(), ec);
  std::wstring words =
      L"\xFEFF"
      L"a\nan\nand\nat\nby\nfor\nin\nof\non\nor\nthe\nto\nwith\n";
  std::ofstream(file, std::ios::binary)
      .write(reinterpret_cast<const char*>(words.data()),
             static_cast<std::streamsize>(words.size() * sizeof(wchar_t)));
}

}  // namespace

std::wstring OpenExtractFrequentDemo(HWND owner) {
  EnsureSampleIgnoreList();
  return L"returned " + std::to_wstring(DoExtractFrequent(owner, 1));
}

std::wstring OpenConvertDemo(HWND owner) {
  // The editor's character state begins with the selection mask of the convertible characters.
  struct {
    uint8_t mask[32];
  } state = {};
  struct {
    void* state;
    uint32_t flags;
  } record = {&state, 0};
  int r = DoConvert(owner, &record);
  wchar_t flags[16];
  swprintf(flags, 16, L"0x%X", record.flags);
  return L"returned " + std::to_wstring(r) + L", flags " + flags;
}
