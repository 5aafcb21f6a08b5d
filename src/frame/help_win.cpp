#include "frame/help_win.h"

#include <shlobj.h>

#include "base/module_state_win.h"
#include "base/text_win.h"
#include "frame/language_folder.h"
#include "frame/message_box_win.h"
#include "frame/shell_launcher_win.h"
#include "frame/win_file_system_queries_win.h"
#include "settings/app_path.h"
#include "settings/app_settings_win.h"
#include "settings/settings_tables_win.h"

namespace scrv {

std::optional<std::u16string> WinHelpPlatform::FindLanguageFolder(bool useSystemLanguage,
                                                                  std::u16string_view preferred) {
  WinFileSystemQueries files;
  LanguageFolderContext ctx{&files, ToU(Module().appFolder), GetUserDefaultUILanguage()};
  std::u16string out;
  if (!scrv::FindLanguageFolder(ctx, useSystemLanguage, preferred, &out)) return std::nullopt;
  return out;
}

std::u16string WinHelpPlatform::ReadLanguageInfo(std::u16string_view folder,
                                                 std::u16string_view key, std::u16string_view def) {
  std::wstring file = ToW(JoinPath(folder, u"info.ini"));
  wchar_t value[MAX_PATH] = {};
  GetPrivateProfileStringW(L"Language", ToW(key).c_str(), ToW(def).c_str(), value, MAX_PATH,
                           file.c_str());
  return ToU(value);
}

bool WinHelpPlatform::FileExists(std::u16string_view path) {
  DWORD attrs = GetFileAttributesW(ToW(path).c_str());
  return attrs != INVALID_FILE_ATTRIBUTES && !(attrs & FILE_ATTRIBUTE_DIRECTORY);
}

std::u16string WinHelpPlatform::CommonAppDataFolder() {
  wchar_t path[MAX_PATH] = {};
  if (!SHGetSpecialFolderPathW(nullptr, path, CSIDL_COMMON_APPDATA, TRUE)) return {};
  return ToU(path);
}

void WinHelpPlatform::CreateFolder(std::u16string_view path) {
  CreateDirectoryW(ToW(path).c_str(), nullptr);
}

void WinHelpPlatform::OpenHtmlHelp(std::u16string_view file, uint32_t command, uint32_t data) {
  Launcher().OpenHtmlHelp(GetDesktopWindow(), ToW(file), command, data);
}

void ShowHelpTopic(HWND window, UINT topic) {
  // Questions belong to the window; the browser is started for the desktop.
  WinMessageUi ui(window, GetDesktopWindow());
  WinHelpPlatform platform;
  HelpContext help{Settings(), Flags(), ui, platform, Module().packaged, ToU(Module().appFolder)};
  ShowHelpTopic(help, topic);
}

}  // namespace scrv
