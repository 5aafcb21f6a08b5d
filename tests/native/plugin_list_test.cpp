#include "integration/plugin_list.h"

#include <gtest/gtest.h>

#include <map>

#include "frame/path_text.h"
#include "settings/memory_file_store.h"

namespace scrv {
namespace {

const AsciiTextCase kCase;
constexpr std::u16string_view kFolder = u"C:\\Program Files\\Scrivlet\\PlugIns";

TEST(PluginPaths, CanonicalFormDropsDotsAndResolvesParents) {
  const std::pair<std::u16string_view, std::u16string_view> cases[] = {
      {u"C:\\a\\.\\b\\..\\c.dll", u"C:\\a\\c.dll"},
      {u"C:\\..\\..\\x.dll", u"C:\\x.dll"},
      {u"C:\\a\\b\\", u"C:\\a\\b"},
      {u"C:\\", u"C:\\"},
      {u"\\\\srv\\share\\a\\..\\b.dll", u"\\\\srv\\share\\b.dll"},
      {u"..\\..\\x\\.\\y.dll", u"..\\..\\x\\y.dll"},
      {u"a\\..\\..", u".."},
  };
  for (auto [in, out] : cases)
    EXPECT_EQ(CanonicalizePath(in), out) << std::string(in.begin(), in.end());
}

TEST(PluginPaths, StoredRelativeToThePlugInsFolder) {
  const std::pair<std::u16string_view, std::u16string_view> cases[] = {
      // inside the folder: the bare name, or the path below it
      {u"C:\\Program Files\\Scrivlet\\PlugIns\\Tool.dll", u"Tool.dll"},
      {u"c:\\program files\\scrivlet\\plugins\\Sub\\Tool.dll", u"Sub\\Tool.dll"},
      // the same drive elsewhere: ".." parts
      {u"C:\\Tools\\Tool.dll", u"..\\..\\..\\Tools\\Tool.dll"},
      {u"C:\\Program Files\\Scrivlet\\Extra\\Tool.dll", u"..\\Extra\\Tool.dll"},
      // another drive or a share: absolute
      {u"D:\\Tool.dll", u"D:\\Tool.dll"},
      {u"\\\\srv\\share\\Tool.dll", u"\\\\srv\\share\\Tool.dll"},
      // already stored forms stay as they are; a leading dot part goes
      {u"Tool.dll", u"Tool.dll"},
      {u".\\Tool.dll", u"Tool.dll"},
      {u"..\\Extra\\Tool.dll", u"..\\Extra\\Tool.dll"},
      {u"http://example.com/tool.dll", u"http://example.com/tool.dll"},
  };
  for (auto [in, out] : cases)
    EXPECT_EQ(StoredPluginPath(in, kFolder, kCase), out) << std::string(in.begin(), in.end());
}

TEST(PluginPaths, FullPathOfAStoredPath) {
  EXPECT_EQ(FullPluginPath(u"Tool.dll", kFolder),
            u"C:\\Program Files\\Scrivlet\\PlugIns\\Tool.dll");
  EXPECT_EQ(FullPluginPath(u"..\\Extra\\Tool.dll", kFolder),
            u"C:\\Program Files\\Scrivlet\\Extra\\Tool.dll");
  EXPECT_EQ(FullPluginPath(u"D:\\x\\..\\Tool.dll", kFolder), u"D:\\Tool.dll");
  EXPECT_EQ(FullPluginPath(u"file://server/t.dll", kFolder), u"file://server/t.dll");
}

TEST(PluginPaths, KeyHashesTheLowerCasedPath) {
  // 5381 * 101 + 'a' = 543578; * 101 + '.' = 54901424
  EXPECT_EQ(PluginPathKey(u"A.", kCase), 54901424u);
  EXPECT_EQ(PluginPathKey(u"", kCase), 5381u);
  EXPECT_EQ(PluginPathKey(u"Tool.DLL", kCase), PluginPathKey(u"tool.dll", kCase));
  // unsigned 64-bit arithmetic wraps: ten units already pass 2^64
  EXPECT_EQ(PluginPathKey(u"zzzzzzzzzz", kCase), 0xa3f6b6a31f5662e9u);
}

TEST(PluginPaths, PlugInsFolderSettingIsRelativeToTheProgramOnlyInIniMode) {
  constexpr std::u16string_view app = u"C:\\Apps\\Scrivlet\\";
  EXPECT_EQ(AbsolutePluginsFolder(u"PlugIns", app), u"C:\\Apps\\Scrivlet\\PlugIns");
  EXPECT_EQ(AbsolutePluginsFolder(u"..\\More", app), u"C:\\Apps\\More");
  EXPECT_EQ(AbsolutePluginsFolder(u"D:\\P", app), u"D:\\P");
  EXPECT_EQ(PluginsFolderSetting(u"C:\\Apps\\More", app, false, kCase), u"C:\\Apps\\More");
  EXPECT_EQ(PluginsFolderSetting(u"C:\\Apps\\More", app, true, kCase), u"..\\More");
  EXPECT_EQ(PluginsFolderSetting(u"C:\\Apps\\Scrivlet\\Extra", app, true, kCase), u"Extra");
  EXPECT_EQ(PluginsFolderSetting(u"E:\\P", app, true, kCase), u"E:\\P");
}

// Record 3 in memory.
class PluginRecordFile : public ::testing::Test {
 protected:
  SettingsRecord Fresh() {
    return SettingsRecord(u"/appdata/Common/PlugIns.bin", 0xFF2300, RecordTextEncoding::kUtf16);
  }
  void PutFile(const RecordLists& lists) {
    files.Put(u"/appdata/Common/PlugIns.bin",
              *BuildRecordFile(lists, 0xFF2300, RecordTextEncoding::kUtf16));
  }
  std::vector<StoredPlugin> Load() {
    SettingsRecord r = Fresh();
    return LoadStoredPlugins(r, files);
  }
  MemoryFileStore files;
};

TEST_F(PluginRecordFile, MissingOrDamagedRecordGivesTheNineStandardPlugIns) {
  std::vector<StoredPlugin> list = Load();
  ASSERT_EQ(list.size(), 9u);
  EXPECT_EQ(list[0], (StoredPlugin{u"Explorer.dll", true}));
  EXPECT_EQ(list[8], (StoredPlugin{u"WordCount.dll", true}));
  files.Put(u"/appdata/Common/PlugIns.bin", {0x00, 0x23, 0xFF, 0x00, 0x05});
  EXPECT_EQ(Load(), DefaultPlugins());
}

TEST_F(PluginRecordFile, RoundTripKeepsOrderFlagsAndWritesKeysAndCount) {
  std::vector<StoredPlugin> list = {{u"B.dll", false}, {u"..\\x\\A.dll", true}};
  ASSERT_TRUE(SaveStoredPlugins(Fresh(), files, list, kCase));
  EXPECT_EQ(Load(), list);

  RecordLists lists;
  ASSERT_TRUE(ParseRecordFile(files.Find(u"/appdata/Common/PlugIns.bin")->bytes.data(),
                              files.Find(u"/appdata/Common/PlugIns.bin")->bytes.size(), 0xFF2300,
                              RecordTextEncoding::kUtf16, lists));
  EXPECT_EQ(lists.dwords, std::vector<uint32_t>{0});
  EXPECT_EQ(lists.qwords, (std::vector<uint64_t>{PluginPathKey(u"b.dll", kCase),
                                                 PluginPathKey(u"..\\x\\a.dll", kCase), 0}));
  EXPECT_EQ(lists.bytes, (std::vector<uint8_t>{0, 1}));
  EXPECT_EQ(lists.secondDwords, std::vector<uint32_t>{2});
}

TEST_F(PluginRecordFile, VersionOtherThanZeroGivesAnEmptyList) {
  RecordLists lists;
  lists.dwords = {1};
  lists.qwords = {7, 0};
  lists.bytes = {1};
  lists.texts = {u"A.dll"};
  lists.secondDwords = {1};
  PutFile(lists);
  EXPECT_TRUE(Load().empty());
}

TEST_F(PluginRecordFile, AbsurdCountStopsWhereTheListsEndAndStoredKeysAreIgnored) {
  RecordLists lists;
  lists.dwords = {0};
  lists.qwords = {12345, 999, 0};
  lists.bytes = {1, 0};
  lists.texts = {u"A.dll", std::u16string(3000, u'p') + u".dll", u"extra.dll"};
  lists.secondDwords = {0xFFFFFFFF};
  PutFile(lists);
  std::vector<StoredPlugin> list = Load();
  ASSERT_EQ(list.size(), 2u);  // the byte list ran out first
  EXPECT_EQ(list[0], (StoredPlugin{u"A.dll", true}));
  EXPECT_EQ(list[1].path.size(), 3004u);
  EXPECT_FALSE(list[1].enabled);
}

TEST(PluginFind, KeysThenPathsWithoutRegardToCaseAndWithoutRebasing) {
  std::vector<StoredPlugin> list = {{u"A.dll", true}, {u"..\\x\\B.dll", true}};
  EXPECT_EQ(FindStoredPlugin(list, u"a.DLL", kCase), 0u);
  EXPECT_EQ(FindStoredPlugin(list, u"..\\X\\b.dll", kCase), 1u);
  EXPECT_FALSE(FindStoredPlugin(list, u"C:\\Program Files\\Scrivlet\\PlugIns\\A.dll", kCase));
}

// A loader that hands out fake modules and records what happened to them.
struct FakeWorld {
  std::map<std::u16string, bool> loadable;  // full path -> has the removal event
  std::map<std::u16string, uint64_t> written;  // full path -> time of last change, if not 0
  std::map<std::u16string, bool> signatureOk;
  std::vector<std::u16string> loaded, unloaded, removalEvents, verified;
  uint64_t now = 1'000'000;
  bool unloadFails = false;
};

class FakeModule : public PluginModule {
 public:
  FakeModule(FakeWorld& w, std::u16string path) : w_(w), path_(std::move(path)) {}
  ~FakeModule() override {
    if (!unloaded_) w_.unloaded.push_back(path_);
  }
  uintptr_t Library() const override { return 1; }
  bool Unload(uint32_t& error) override {
    if (w_.unloadFails) {
      error = 5;
      return false;
    }
    unloaded_ = true;
    w_.unloaded.push_back(path_);
    return true;
  }
  void NotifyRemoval() override { w_.removalEvents.push_back(path_); }
  bool HasProperties() override { return false; }
  void ShowProperties() override {}
  std::u16string Description(int) override { return {}; }
  bool CanUninstall() override { return false; }
  UninstallRequest QueryUninstall() override { return {}; }
  uint32_t ButtonBitmapId(bool) override { return 0; }
  uint32_t TransparentColor() override { return 0; }
  std::u16string MenuText() override { return u"menu " + path_; }
  std::u16string StatusText() override { return {}; }

 private:
  FakeWorld& w_;
  std::u16string path_;
  bool unloaded_ = false;
};

class FakeLoader : public PluginLoader {
 public:
  explicit FakeLoader(FakeWorld& w) : w_(w) {}
  std::unique_ptr<PluginModule> Load(std::u16string_view fullPath, uint32_t& error) override {
    auto it = w_.loadable.find(std::u16string(fullPath));
    if (it == w_.loadable.end()) {
      error = 126;
      return nullptr;
    }
    if (!it->second) {
      error = kErrorInvalidPlugin;
      return nullptr;
    }
    w_.loaded.emplace_back(fullPath);
    return std::make_unique<FakeModule>(w_, std::u16string(fullPath));
  }
  bool VerifySignature(std::u16string_view fullPath) override {
    w_.verified.emplace_back(fullPath);
    auto it = w_.signatureOk.find(std::u16string(fullPath));
    return it != w_.signatureOk.end() && it->second;
  }
  // The files there are: those that can be loaded or at least tried.
  std::optional<PluginFileState> FileState(std::u16string_view fullPath) override {
    const std::u16string path(fullPath);
    if (!w_.loadable.count(path)) return std::nullopt;
    return PluginFileState{1000, w_.written.count(path) ? w_.written.at(path) : 0};
  }
  SignatureVerdicts& Verdicts() override { return verdicts_; }
  uint64_t NowMs() override { return w_.now; }

 private:
  FakeWorld& w_;
  SignatureVerdicts verdicts_;
};

std::u16string In(std::u16string_view name) {
  return std::u16string(kFolder) + u"\\" + std::u16string(name);
}

class PluginListModel : public ::testing::Test {
 protected:
  FakeWorld world;
  FakeLoader loader{world};
  PluginList list{std::u16string(kFolder), loader, kCase};
  uint32_t error = 0;
};

TEST_F(PluginListModel, LoadLeavesOutWhatCannotBeLoadedAndKeepsTheOrder) {
  world.loadable = {{In(u"A.dll"), true}, {In(u"NoEvents.dll"), false}, {u"D:\\C.dll", true}};
  std::vector<size_t> leftOut = list.Load(
      {{u"A.dll", true}, {u"Gone.dll", true}, {u"NoEvents.dll", true}, {u"D:\\C.dll", false}},
      false);
  EXPECT_EQ(leftOut, (std::vector<size_t>{1, 2}));
  ASSERT_EQ(list.Count(), 2u);
  EXPECT_EQ(list.At(0).path, u"A.dll");
  EXPECT_EQ(list.At(1).path, u"D:\\C.dll");
  EXPECT_FALSE(list.At(1).enabled);
  EXPECT_EQ(list.At(0).key, PluginPathKey(u"a.dll", kCase));
  // the menus load enabled plug-ins only
  list.Load({{u"A.dll", true}, {u"D:\\C.dll", false}}, true);
  ASSERT_EQ(list.Count(), 1u);
  EXPECT_EQ(list.PluginMenuText(0), u"menu " + In(u"A.dll"));
}

TEST_F(PluginListModel, AddingTheSameFileTwiceKeepsOneRecord) {
  world.loadable = {{In(u"A.dll"), true}, {u"C:\\Tools\\B.dll", true}};
  EXPECT_EQ(list.Add(In(u"A.dll"), true, error), PluginList::AddResult::kAdded);
  EXPECT_EQ(list.Add(u"c:\\program files\\scrivlet\\plugins\\a.DLL", true, error),
            PluginList::AddResult::kAlreadyListed);
  EXPECT_EQ(list.Add(u"C:\\Tools\\B.dll", false, error), PluginList::AddResult::kAdded);
  EXPECT_EQ(list.Stored(),
            (std::vector<StoredPlugin>{{u"A.dll", true}, {u"..\\..\\..\\Tools\\B.dll", false}}));
  EXPECT_EQ(list.Add(u"C:\\Tools\\Missing.dll", true, error), PluginList::AddResult::kRefused);
  EXPECT_EQ(error, 126u);
}

TEST_F(PluginListModel, StandardPlugInInItsPlaceIsVerifiedAtMostOnceAnHour) {
  world.loadable = {{In(u"Search.dll"), true}, {u"D:\\Search.dll", true}};
  world.signatureOk = {{In(u"Search.dll"), true}};
  ASSERT_EQ(list.Add(u"Search.dll", true, error), PluginList::AddResult::kAdded);
  list.Remove(0);
  world.now += 59 * 60 * 1000;
  ASSERT_EQ(list.Add(u"Search.dll", true, error), PluginList::AddResult::kAdded);
  EXPECT_EQ(world.verified.size(), 1u);
  list.Remove(0);
  world.now += 2 * 60 * 1000;
  ASSERT_EQ(list.Add(u"Search.dll", true, error), PluginList::AddResult::kAdded);
  EXPECT_EQ(world.verified.size(), 2u);
  // the same name elsewhere is not a standard plug-in
  ASSERT_EQ(list.Add(u"D:\\Search.dll", true, error), PluginList::AddResult::kAdded);
  EXPECT_EQ(world.verified.size(), 2u);
}

TEST_F(PluginListModel, MissingFileIsNeitherCheckedNorLoadedAndAChangedOneIsCheckedAgain) {
  world.loadable = {{In(u"Search.dll"), true}};
  world.signatureOk = {{In(u"Search.dll"), true}};
  const std::vector<StoredPlugin> standard = DefaultPlugins();
  // Each open of the dialog has a list of its own; the verdicts are the loader's.
  auto open = [&] {
    PluginList opened(std::u16string(kFolder), loader, kCase);
    return opened.Load(standard, false).size();
  };
  EXPECT_EQ(open(), 8u);
  EXPECT_EQ(world.verified, std::vector<std::u16string>{In(u"Search.dll")});
  EXPECT_EQ(world.loaded, std::vector<std::u16string>{In(u"Search.dll")});
  EXPECT_EQ(open(), 8u);
  EXPECT_EQ(world.verified.size(), 1u);
  world.written[In(u"Search.dll")] = 7;  // rewritten: checked again
  EXPECT_EQ(open(), 8u);
  EXPECT_EQ(world.verified.size(), 2u);
  EXPECT_EQ(world.loaded.size(), 3u);
}

TEST_F(PluginListModel, FailedSignatureRefusesAndIsAskedAgainNextTime) {
  world.loadable = {{In(u"Snippets.dll"), true}};
  EXPECT_EQ(list.Add(u"Snippets.dll", true, error), PluginList::AddResult::kRefused);
  EXPECT_EQ(error, kErrorSignature);
  EXPECT_TRUE(world.loaded.empty());
  EXPECT_EQ(list.Add(u"Snippets.dll", true, error), PluginList::AddResult::kRefused);
  EXPECT_EQ(world.verified.size(), 2u);
}

TEST_F(PluginListModel, RemovalSendsItsEventReleaseOnlyUnloadsAndKeepsWhatStaysLoaded) {
  world.loadable = {{In(u"A.dll"), true}, {In(u"B.dll"), true}};
  list.Load({{u"A.dll", true}, {u"B.dll", true}}, false);
  list.Remove(0);
  EXPECT_EQ(world.removalEvents, std::vector<std::u16string>{In(u"A.dll")});
  EXPECT_EQ(world.unloaded, std::vector<std::u16string>{In(u"A.dll")});
  world.unloadFails = true;
  EXPECT_FALSE(list.Release(0, error));
  EXPECT_EQ(error, 5u);
  ASSERT_EQ(list.Count(), 1u);
  EXPECT_EQ(list.At(0).path, u"B.dll");
  world.unloadFails = false;
  EXPECT_TRUE(list.Release(0, error));
  EXPECT_EQ(list.Count(), 0u);
  EXPECT_EQ(world.removalEvents.size(), 1u);
}

TEST_F(PluginListModel, SwapFollowsTheViewAndEveryLibraryIsFreedWithTheList) {
  world.loadable = {{In(u"A.dll"), true}, {In(u"B.dll"), true}};
  {
    PluginList scoped(std::u16string(kFolder), loader, kCase);
    scoped.Load({{u"A.dll", true}, {u"B.dll", false}}, false);
    scoped.Swap(0, 1);
    EXPECT_EQ(scoped.Stored(), (std::vector<StoredPlugin>{{u"B.dll", false}, {u"A.dll", true}}));
    EXPECT_EQ(scoped.Find(u"b.dll"), 0u);
  }
  EXPECT_EQ(world.unloaded.size(), 2u);
}

TEST_F(PluginListModel, CatalogFindsByPathAndNumbersCommandsFrom5888) {
  world.loadable = {{In(u"A.dll"), true}, {In(u"B.dll"), true}};
  list.Load({{u"A.dll", true}, {u"B.dll", true}}, true);
  ASSERT_EQ(FindCatalogPlugin(list, u"b.DLL", kCase), 1u);
  EXPECT_EQ(PluginCommand(1), 5889u);
  EXPECT_FALSE(FindCatalogPlugin(list, u"C.dll", kCase));
}

}  // namespace
}  // namespace scrv
