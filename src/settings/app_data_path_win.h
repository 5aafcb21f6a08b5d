#pragma once
// The application-data folder, where records too large for a settings value are kept as whole
// files: the user's roaming (or local) application data plus "Veltranix\Scrivlet" (or
// "ScrivletUWP" when packaged), or the "AppData" folder beside the program in INI mode.

#include <string>
#include <string_view>

namespace scrv {

// The folder, and below it `first` and then `second` when given (null or empty skips a level);
// every level is created when missing. Without a trailing backslash. When the shell cannot
// name the user's folder, the drive of the Windows folder stands in for it.
std::wstring GetAppDataPath(const wchar_t* first, const wchar_t* second, bool local = false);

// The roaming application-data folder with the subfolders, and `name` plus ".bin".
std::wstring GetBinFilePath(const wchar_t* first, const wchar_t* second, std::wstring_view name);

}  // namespace scrv
