#include "frame/help_topics.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "fake_message_ui.h"
#include "settings/memory_settings.h"

namespace scrv {
namespace {

using testing::FakeMessageUi;

class FakeHelpPlatform : public HelpPlatform {
 public:
  std::map<std::u16string, std::map<std::u16string, std::u16string>> infoIni;  // folder -> values
  std::set<std::u16string> files;
  std::u16string commonAppData = u"C:\\ProgramData";
  std::vector<std::u16string> created;
  struct HtmlHelpCall {
    std::u16string file;
    uint32_t command;
    uint32_t data;
  };
  std::vector<HtmlHelpCall> htmlHelp;
  bool lastUseSystem = false;
  std::u16string lastPreferred;

  std::optional<std::u16string> FindLanguageFolder(bool useSystem,
                                                   std::u16string_view preferred) override {
    lastUseSystem = useSystem;
    lastPreferred = preferred;
    std::u16string folder = u"C:\\App\\mui\\" + std::u16string(preferred);
    if (!infoIni.count(folder)) return std::nullopt;
    return folder;
  }
  std::u16string ReadLanguageInfo(std::u16string_view folder, std::u16string_view key,
                                  std::u16string_view def) override {
    auto f = infoIni.find(std::u16string(folder));
    if (f == infoIni.end()) return std::u16string(def);
    auto v = f->second.find(std::u16string(key));
    return v == f->second.end() ? std::u16string(def) : v->second;
  }
  bool FileExists(std::u16string_view path) override { return files.count(std::u16string(path)); }
  std::u16string CommonAppDataFolder() override { return commonAppData; }
  void CreateFolder(std::u16string_view path) override { created.emplace_back(path); }
  void OpenHtmlHelp(std::u16string_view file, uint32_t command, uint32_t data) override {
    htmlHelp.push_back({std::u16string(file), command, data});
  }
};

constexpr char16_t kLocalFolder[] = u"C:\\ProgramData\\Veltranix\\Scrivlet\\Help";

class Help : public ::testing::Test {
 protected:
  TaskDialogResult Choose(int32_t radio, bool dontAsk) { return {1, radio, dontAsk}; }
  uint32_t Common(std::u16string_view name) { return settings.ReadCommonDword(name, 12345); }

  MemorySettings settings;
  const FlagTable flags{1252};
  FakeMessageUi ui;
  FakeHelpPlatform platform;
  HelpContext help{settings, flags, ui, platform, false, u"C:\\App\\"};
};

TEST(HelpTable, EveryRowOnceWithItsPage) {
  EXPECT_EQ(HelpTopics().size(), 104u);
  std::set<uint16_t> seen;
  for (const HelpTopic& t : HelpTopics()) {
    EXPECT_TRUE(seen.insert(t.topic).second) << t.topic;
    EXPECT_TRUE(t.page.ends_with(u".html")) << t.topic;
  }
  EXPECT_EQ(FindHelpPage(7040), u"dlg_jump_index.html");
  EXPECT_EQ(FindHelpPage(6100), u"dlg_import_export_index.html");
  EXPECT_EQ(FindHelpPage(6000), u"howto_search_search_regexp_syntax.html");
  EXPECT_EQ(FindHelpPage(7276), u"dlg_properties_validation_index.html");
  EXPECT_EQ(FindHelpPage(7037), std::nullopt);
  EXPECT_EQ(FindHelpPage(0), std::nullopt);
}

TEST(HelpTable, OnlineAddressIsBasePlusPage) {
  EXPECT_EQ(OnlineHelpAddress(u"https://h/en/", 7273), u"https://h/en/dlg_number_range_index.html");
  EXPECT_EQ(OnlineHelpAddress(u"https://h/en/", 9999), u"https://h/en/");
}

TEST_F(Help, FirstTimeAsksWithOnlinePreselected) {
  ui.answers = {{2, 0, false}};
  EXPECT_EQ(AskHelpSource(help), kHelpCancelled);
  ASSERT_EQ(ui.shown.size(), 1u);
  const TaskDialogRequest& s = ui.shown[0];
  EXPECT_EQ(s.mainInstruction, UiText::Res(445));
  EXPECT_EQ(s.radioButtons[0], (TaskButton{1001, UiText::Res(446)}));
  EXPECT_EQ(s.radioButtons[1], (TaskButton{1002, UiText::Res(447)}));
  EXPECT_EQ(s.defaultRadioButton, 1001);
  EXPECT_EQ(s.verification, UiText::Res(408));
  EXPECT_EQ(s.icon, TaskIcon::kInformation);
  EXPECT_TRUE(settings.Keys().empty() || settings.Keys()[u"Common"].empty())
      << "a cancelled question changes nothing";
}

TEST_F(Help, TickingTheBoxAndChoosingLocalIsRemembered) {
  platform.files = {std::u16string(kLocalFolder) + u"\\scrivlet_en.chm"};
  ui.answers = {Choose(1002, true)};
  ShowHelpTopic(help, 7040);
  EXPECT_EQ(Common(u"PromptHelp"), 0u);
  EXPECT_EQ(Common(u"HelpInternet"), 0u);
  ShowHelpTopic(help, 7256);
  EXPECT_EQ(ui.shown.size(), 1u) << "the second F1 asks nothing";
  ASSERT_EQ(platform.htmlHelp.size(), 2u);
  EXPECT_EQ(platform.htmlHelp[1].file, std::u16string(kLocalFolder) + u"\\scrivlet_en.chm");
  EXPECT_EQ(platform.htmlHelp[1].command, 15u);
  EXPECT_EQ(platform.htmlHelp[1].data, 7256u);
}

TEST_F(Help, ChoiceWithoutTheBoxKeepsAsking) {
  settings.WriteCommonDword(u"HelpInternet", 0);
  ui.answers = {Choose(1001, false)};
  EXPECT_EQ(AskHelpSource(help), kHelpOnline);
  EXPECT_EQ(ui.shown[0].defaultRadioButton, 1002) << "preselected from HelpInternet";
  EXPECT_EQ(Common(u"HelpInternet"), 1u);
  EXPECT_EQ(Common(u"PromptHelp"), 12345u);
}

TEST_F(Help, NoPromptAnswersFromTheStoredChoice) {
  settings.WriteCommonDword(u"PromptHelp", 0);
  settings.WriteCommonDword(u"HelpInternet", 0);
  EXPECT_EQ(AskHelpSource(help), kHelpLocal);
  settings.WriteCommonDword(u"HelpInternet", 7);
  EXPECT_EQ(AskHelpSource(help), kHelpOnline);
  EXPECT_TRUE(ui.shown.empty());
}

TEST_F(Help, OnlineOpensTheLanguagePageOrTheBaseForUnknownTopics) {
  settings.WriteCommonDword(u"PromptHelp", 0);
  platform.infoIni[u"C:\\App\\mui\\1041"] = {{u"HelpUrl", u"https://h/ja/"}};
  settings.WriteCommonString(u"LangFolder", u"1041");
  settings.WriteCommonDword(u"SystemLang", 0);
  ShowHelpTopic(help, 7040);
  ShowHelpTopic(help, 4242);
  EXPECT_EQ(platform.lastPreferred, u"1041");
  EXPECT_FALSE(platform.lastUseSystem);
  EXPECT_EQ(ui.opened,
            (std::vector<std::u16string>{u"https://h/ja/dlg_jump_index.html", u"https://h/ja/"}));
  EXPECT_TRUE(ui.shown.empty());
}

TEST_F(Help, OnlineWithoutLanguageFolderUsesTheDefaultBase) {
  settings.WriteCommonDword(u"PromptHelp", 0);
  EXPECT_EQ(GetOnlineHelpBase(help), kDefaultHelpUrl);
  EXPECT_TRUE(platform.lastUseSystem) << "SystemLang defaults to 1";
  EXPECT_EQ(platform.lastPreferred, u"1033");
}

TEST_F(Help, BrowserFailureShowsTheAddress) {
  settings.WriteCommonDword(u"PromptHelp", 0);
  std::u16string address = std::u16string(kDefaultHelpUrl) + u"dlg_about_index.html";
  ui.unreachable = {address};
  ShowHelpTopic(help, 7240);
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].mainInstruction, UiText::Res(1105));
  EXPECT_EQ(ui.shown[0].content, UiText::Of(address));
  EXPECT_EQ(ui.shown[0].icon, TaskIcon::kWarning);
}

TEST_F(Help, LanguageWithoutHelpFileUsesTheEnglishFile) {
  settings.WriteCommonDword(u"PromptHelp", 0);
  settings.WriteCommonDword(u"HelpInternet", 0);
  platform.infoIni[u"C:\\App\\mui\\1033"] = {{u"HelpUrl", u"https://h/en/"}};
  platform.files = {std::u16string(kLocalFolder) + u"\\scrivlet_en.chm"};
  EXPECT_EQ(FindLocalHelpFile(help), std::u16string(kLocalFolder) + u"\\scrivlet_en.chm");
  platform.infoIni[u"C:\\App\\mui\\1033"][u"HelpFile"] = u"scrivlet_de.chm";
  platform.files.insert(std::u16string(kLocalFolder) + u"\\scrivlet_de.chm");
  EXPECT_EQ(FindLocalHelpFile(help), std::u16string(kLocalFolder) + u"\\scrivlet_de.chm");
}

TEST_F(Help, MissingLocalFileOffersTheDownloadPage) {
  settings.WriteCommonDword(u"PromptHelp", 0);
  settings.WriteCommonDword(u"HelpInternet", 0);
  platform.infoIni[u"C:\\App\\mui\\1033"] = {{u"HelpDownloadUrl", u"https://dl/help"}};
  ShowHelpTopic(help, 7040);
  EXPECT_TRUE(platform.htmlHelp.empty());
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].mainInstruction, UiText::Res(444));
  EXPECT_EQ(ui.shown[0].content, UiText::Of(u"<a href=\"https://dl/help\">https://dl/help</a>"));
  EXPECT_TRUE(ui.shown[0].flags & tdf::kEnableHyperlinks);

  help.packaged = true;
  ShowHelpTopic(help, 7040);
  EXPECT_EQ(ui.shown.size(), 1u) << "a packaged installation says nothing";
}

TEST_F(Help, MissingFileWithoutLanguageFolderLinksTheDefaultDownloadPage) {
  EXPECT_FALSE(FindLocalHelpFile(help));
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].content, UiText::Of(DownloadLinkContent(kDefaultHelpDownloadUrl)));
}

TEST_F(Help, LocalFolderBelowCommonAppDataUnlessPackagedOrIni) {
  EXPECT_EQ(LocalHelpFolder(help), kLocalFolder);
  EXPECT_EQ(platform.created,
            (std::vector<std::u16string>{u"C:\\ProgramData\\Veltranix",
                                         u"C:\\ProgramData\\Veltranix\\Scrivlet"}));
  help.packaged = true;
  EXPECT_EQ(LocalHelpFolder(help), u"C:\\App\\Help");

  MemorySettings ini(true);
  HelpContext iniHelp{ini, flags, ui, platform, false, u"C:\\App"};
  EXPECT_EQ(LocalHelpFolder(iniHelp), u"C:\\App\\Help");

  platform.commonAppData.clear();
  help.packaged = false;
  EXPECT_EQ(LocalHelpFolder(help), u"C:\\App\\Help");
}

}  // namespace
}  // namespace scrv
