#pragma once
// Help on the real platform: the language folders, "info.ini", the help folders and the HTML
// Help control behind HelpPlatform, and F1 for a window.

#include <windows.h>

#include "frame/help_topics.h"

namespace scrv {

class WinHelpPlatform : public HelpPlatform {
 public:
  std::optional<std::u16string> FindLanguageFolder(bool useSystemLanguage,
                                                   std::u16string_view preferred) override;
  std::u16string ReadLanguageInfo(std::u16string_view folder, std::u16string_view key,
                                  std::u16string_view def) override;
  bool FileExists(std::u16string_view path) override;
  std::u16string CommonAppDataFolder() override;
  void CreateFolder(std::u16string_view path) override;
  void OpenHtmlHelp(std::u16string_view file, uint32_t command, uint32_t data) override;
};

// The topic in the help the user chose, asking first unless told not to; the questions and
// messages are owned by `window`.
void ShowHelpTopic(HWND window, UINT topic);

}  // namespace scrv
