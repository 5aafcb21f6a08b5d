#include "menus/jump_list.h"

#include <gtest/gtest.h>

#include "menu_fixture.h"
#include "menus/menu_set.h"
#include "settings/memory_settings.h"

namespace scrv {
namespace {

using namespace menu_test;
using K = MenuKind;

const JumpListPaths kPaths{u"C:\\App\\Scrivlet.exe", u"C:\\App\\", u"C:\\Windows\\System32\\",
                           u"C:\\Windows\\"};

TEST(JumpList, TasksByCommand) {
  struct Case {
    uint32_t command;
    JumpTask task;
  } cases[] = {
      {4096, {false, u"", kPaths.host, u"", u"C:\\Windows\\System32\\imageres.dll", -2}},
      {4097, {false, u"", kPaths.host, u"/od", u"C:\\Windows\\explorer.exe", -101}},
      {3924, {false, u"", u"C:\\App\\scrvws.exe", u"/prompt", u"C:\\App\\scrvws.exe", 0}},
      {4329, {false, u"", u"C:\\App\\scrvws.exe", u"", u"", 0}},
      {4331, {false, u"", kPaths.host, u"/wss /sca", u"C:\\App\\scrvws.exe", 0}},
      {4200, {false, u"", kPaths.host, u"", u"", 0}},
  };
  for (const Case& c : cases) EXPECT_EQ(TaskForCommand(c.command, kPaths), c.task) << c.command;
  EXPECT_EQ(TaskTitle(u"Save && &Close"), u"Save & Close");
}

// Records the calls; `failAt` names the first call that fails.
struct FakeSink : JumpListSink {
  std::string failAt;
  std::vector<std::string> calls;
  std::vector<JumpTask> tasks;
  bool Call(const std::string& name) {
    calls.push_back(name);
    return name != failAt;
  }
  bool SetAppId(std::u16string_view id) override { return id == kJumpListAppId && Call("app id"); }
  bool DeleteList(std::u16string_view) override { return Call("delete"); }
  bool BeginList() override { return Call("begin"); }
  bool AppendRecentCategory() override { return Call("recent"); }
  bool AddUserTasks(const std::vector<JumpTask>& t) override {
    tasks = t;
    return Call("tasks");
  }
  bool Commit() override { return Call("commit"); }
  void Abort() override { Call("abort"); }
};

struct JumpListRebuild : testing::Test {
  JumpListRebuild() {
    res.menus[IDR_MENU_JUMP_LIST] = {
        Sub(u"Jump", {Cmd(4096, u"&New"), Sep(), Cmd(3924, u"Open &Workspace...")})};
  }
  JumpListOutcome Run(FakeSink& sink) {
    return RebuildJumpList(sink, settings, records.Where(), res, kPaths);
  }
  FakeMenuResources res;
  MemoryRecords records;
  MemorySettings settings;
};

TEST_F(JumpListRebuild, TheDefaultMenuBecomesTheTasksAndTheCommitIsNoted) {
  FakeSink sink;
  EXPECT_EQ(Run(sink), JumpListOutcome::kCommitted);
  EXPECT_EQ(sink.calls, (std::vector<std::string>{"app id", "begin", "recent", "tasks", "commit"}));
  ASSERT_EQ(sink.tasks.size(), 3u);
  EXPECT_EQ(sink.tasks[0].title, u"New");
  EXPECT_TRUE(sink.tasks[1].separator);
  EXPECT_EQ(sink.tasks[2].arguments, u"/prompt");
  EXPECT_EQ(settings.ReadCommonDword(kJumpListResetValue, 0), 1u);
}

TEST_F(JumpListRebuild, AStoredMenuIsUsedAndAnEmptyOneDeletesTheList) {
  ASSERT_TRUE(
      SaveMenu(kJumpListMenu, {Item(K::kCustom, 4097, 0, u"&Browse")}, false, records.Where()));
  FakeSink stored;
  EXPECT_EQ(Run(stored), JumpListOutcome::kCommitted);
  ASSERT_EQ(stored.tasks.size(), 1u);
  EXPECT_EQ(stored.tasks[0].title, u"Browse");
  EXPECT_EQ(stored.tasks[0].arguments, u"/od");

  ASSERT_TRUE(SaveMenu(kJumpListMenu, {}, false, records.Where()));
  FakeSink empty;
  EXPECT_EQ(Run(empty), JumpListOutcome::kDeleted);
  EXPECT_EQ(empty.calls, (std::vector<std::string>{"app id", "delete"}));
}

TEST_F(JumpListRebuild, FailuresEndTheRebuildQuietly) {
  const struct {
    const char* failAt;
    std::vector<std::string> calls;
  } cases[] = {
      {"app id", {"app id"}},
      {"begin", {"app id", "begin"}},
      {"commit", {"app id", "begin", "recent", "tasks", "commit", "abort"}},
  };
  for (const auto& c : cases) {
    FakeSink sink;
    sink.failAt = c.failAt;
    EXPECT_EQ(Run(sink), JumpListOutcome::kFailed) << c.failAt;
    EXPECT_EQ(sink.calls, c.calls) << c.failAt;
  }
  EXPECT_EQ(settings.ReadCommonDword(kJumpListResetValue, 0), 0u);

  MemorySettings ini(true);
  FakeSink sink;
  EXPECT_EQ(RebuildJumpList(sink, ini, records.Where(), res, kPaths), JumpListOutcome::kSkipped);
  EXPECT_TRUE(sink.calls.empty());
}

}  // namespace
}  // namespace scrv
