#pragma once
// The application-data folder, where records too large for a settings value are kept as whole
// files: the user's roaming (or local) application data plus "Veltranix\Scrivlet" (or
// "ScrivletUWP" when packaged), or the "AppData" folder beside the program in INI mode.

#include <optional>
#include <string>
#include <string_view>

namespace scrv {

// While one lives on this thread, the shell is asked for the user's folder once (the look-up
// writes to the registry every time); every level below it is still created when missing. The
// outermost scope holds the answer; scopes inside it add nothing. An export holds one for the
// length of its call and never longer, since a host may move the folder between calls.
class AppDataScope {
 public:
  AppDataScope();
  ~AppDataScope();
  AppDataScope(const AppDataScope&) = delete;
  AppDataScope& operator=(const AppDataScope&) = delete;

  // The user's roaming or local folder as the shell names it: asked once within a scope, every
  // time outside one.
  static std::wstring UserFolder(bool local);

 private:
  AppDataScope* outer_;
  std::optional<std::wstring> userFolders_[2];
};

// The folder, and below it `first` and then `second` when given (null or empty skips a level);
// every level is created when missing. Without a trailing backslash. When the shell cannot
// name the user's folder, the drive of the Windows folder stands in for it.
std::wstring GetAppDataPath(const wchar_t* first, const wchar_t* second, bool local = false);

// The roaming application-data folder with the subfolders, and `name` plus ".bin".
std::wstring GetBinFilePath(const wchar_t* first, const wchar_t* second, std::wstring_view name);

}  // namespace scrv
