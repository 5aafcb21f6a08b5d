#pragma once
// Help: the topic table of every dialog, sheet and page, the choice between the online help
// (a page of the help web site in the browser) and the local compiled help file, asked for
// once and then remembered in "PromptHelp" and "HelpInternet", and where both are found for
// the user's language. Opening addresses, HTML Help and the file system are the platform's.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "frame/message_box_model.h"
#include "settings/flag_table.h"
#include "settings/settings_store.h"

namespace scrv {

struct HelpTopic {
  uint16_t topic;
  std::u16string_view page;
};

// The topic table, in its lookup order.
std::span<const HelpTopic> HelpTopics();
// The page file of a topic (first match), or nullopt for a topic not in the table.
std::optional<std::u16string_view> FindHelpPage(uint32_t topic);
// The base address plus the topic's page file; the base alone for an unknown topic.
std::u16string OnlineHelpAddress(std::u16string_view base, uint32_t topic);

constexpr std::u16string_view kDefaultHelpFile = u"scrivlet_en.chm";
constexpr std::u16string_view kDefaultHelpUrl = u"https://help.scrivlet.example/en/";
constexpr std::u16string_view kDefaultHelpDownloadUrl =
    u"https://help.scrivlet.example/download.html";

// HTML Help command that opens a file at a topic number.
constexpr uint32_t kHhHelpContext = 15;

// Answers of AskHelpSource.
constexpr int32_t kHelpCancelled = 0;
constexpr int32_t kHelpOnline = 1;
constexpr int32_t kHelpLocal = 2;

// The platform side of help.
class HelpPlatform {
 public:
  virtual ~HelpPlatform() = default;
  // The language folder below "mui" (with the system's language first when asked), without
  // falling back to the first folder; nullopt when there is none.
  virtual std::optional<std::u16string> FindLanguageFolder(bool useSystemLanguage,
                                                           std::u16string_view preferred) = 0;
  // A value of section [Language] of the folder's "info.ini"; the default when it is missing.
  virtual std::u16string ReadLanguageInfo(std::u16string_view folder, std::u16string_view key,
                                          std::u16string_view def) = 0;
  virtual bool FileExists(std::u16string_view path) = 0;
  // The all-users application-data folder, created when missing; empty when there is none.
  virtual std::u16string CommonAppDataFolder() = 0;
  virtual void CreateFolder(std::u16string_view path) = 0;
  // HtmlHelpW on the desktop window; does nothing when the HTML Help control is missing.
  virtual void OpenHtmlHelp(std::u16string_view file, uint32_t command, uint32_t data) = 0;
};

// Everything help works with.
struct HelpContext {
  SettingsStore& settings;
  const FlagTable& flags;
  MessageUi& ui;  // owned by the window that asked for help
  HelpPlatform& platform;
  bool packaged = false;
  std::u16string applicationFolder;
};

// 1 online, 2 local, 0 cancelled. Asks unless "PromptHelp" is 0; on OK stores the choice in
// "HelpInternet" and, when the box was ticked, "PromptHelp" 0. Cancel changes nothing.
int32_t AskHelpSource(HelpContext& help);

// The help folder: below the all-users application data ("Veltranix\Scrivlet\Help", the two
// product folders created when missing) unless the installation is packaged or keeps its
// settings in INI files; then (and when there is no such folder) "Help" in the application
// folder.
std::u16string LocalHelpFolder(HelpContext& help);

// The language's "HelpUrl", or the default base address.
std::u16string GetOnlineHelpBase(HelpContext& help);

// The content of the missing-file message: a link to the download page.
std::u16string DownloadLinkContent(std::u16string_view downloadUrl);

// The local help file's full path when it exists; otherwise reports the missing file (with
// the language's download page, not in a packaged installation) and gives nullopt.
std::optional<std::u16string> FindLocalHelpFile(HelpContext& help);

// F1 and the caption's help button: the topic in the chosen help.
void ShowHelpTopic(HelpContext& help, uint32_t topic);

}  // namespace scrv
