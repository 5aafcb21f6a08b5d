#include "menus/jump_list.h"

#include "menus/menu_defaults.h"
#include "menus/menu_set.h"

namespace scrv {
namespace {

enum class Program { kHost, kWorkspace };
enum class Icon { kNone, kImageres, kExplorer, kWorkspace };

struct TaskRow {
  uint32_t command;
  Program program;
  const char16_t* arguments;
  Icon icon;
  int iconIndex;
};

constexpr TaskRow kTasks[] = {
    {4096, Program::kHost, u"", Icon::kImageres, -2},
    {4097, Program::kHost, u"/od", Icon::kExplorer, -101},
    {4123, Program::kHost, u"/i", Icon::kImageres, -2},
    {4271, Program::kHost, u"/iq", Icon::kImageres, -2},
    {4272, Program::kHost, u"/iqr", Icon::kImageres, -2},
    {4207, Program::kHost, u"/fd", Icon::kImageres, -1025},
    {4455, Program::kHost, u"/cjl", Icon::kImageres, -114},
    {3924, Program::kWorkspace, u"/prompt", Icon::kWorkspace, 0},
    {4329, Program::kWorkspace, u"", Icon::kNone, 0},
    {4118, Program::kHost, u"/sca", Icon::kWorkspace, 0},
    {4119, Program::kHost, u"/ca", Icon::kWorkspace, 0},
    {4330, Program::kHost, u"/wss", Icon::kWorkspace, 0},
    {4331, Program::kHost, u"/wss /sca", Icon::kWorkspace, 0},
    {4332, Program::kHost, u"/wss /ca", Icon::kWorkspace, 0},
};

constexpr char16_t kWorkspaceProgram[] = u"scrvws.exe";

}  // namespace

JumpTask TaskForCommand(uint32_t command, const JumpListPaths& paths) {
  JumpTask task;
  task.program = paths.host;
  for (const TaskRow& row : kTasks) {
    if (row.command != command) continue;
    const std::u16string workspace = paths.moduleFolder + kWorkspaceProgram;
    if (row.program == Program::kWorkspace) task.program = workspace;
    task.arguments = row.arguments;
    switch (row.icon) {
      case Icon::kNone:
        break;
      case Icon::kImageres:
        task.iconPath = paths.systemFolder + u"imageres.dll";
        break;
      case Icon::kExplorer:
        task.iconPath = paths.windowsFolder + u"explorer.exe";
        break;
      case Icon::kWorkspace:
        task.iconPath = workspace;
        break;
    }
    task.iconIndex = row.iconIndex;
  }
  return task;
}

std::u16string TaskTitle(std::u16string_view label) {
  std::u16string title;
  for (size_t i = 0; i < label.size(); ++i) {
    if (label[i] == u'&') {
      if (i + 1 < label.size() && label[i + 1] == u'&') title += label[++i];
      continue;
    }
    title += label[i];
  }
  return title;
}

std::vector<JumpTask> BuildJumpTasks(const MenuList& wrapped, const MenuLabelSources& sources,
                                     const JumpListPaths& paths) {
  std::vector<JumpTask> tasks;
  for (size_t i = 1; i < wrapped.size(); ++i) {
    const MenuItem& item = wrapped[i];
    if (item.IsPopup()) continue;
    if (item.IsSeparator()) {
      JumpTask separator;
      separator.separator = true;
      tasks.push_back(separator);
      continue;
    }
    ResolvedLabel resolved = ResolveLabel(item, sources);
    JumpTask task = TaskForCommand(resolved.command, paths);
    task.title = TaskTitle(item.text.empty() ? resolved.text : item.text);
    tasks.push_back(std::move(task));
  }
  return tasks;
}

JumpListOutcome RebuildJumpList(JumpListSink& sink, SettingsStore& settings,
                                const MenuRecordFiles& records, MenuResources& resources,
                                const JumpListPaths& paths) {
  if (settings.IniMode()) return JumpListOutcome::kSkipped;
  if (!sink.SetAppId(kJumpListAppId)) return JumpListOutcome::kFailed;
  std::optional<MenuList> stored = LoadStoredMenuWrapped(kJumpListMenu, records, resources);
  if (stored && stored->size() < 2)
    return sink.DeleteList(kJumpListAppId) ? JumpListOutcome::kDeleted : JumpListOutcome::kFailed;

  if (!sink.BeginList()) return JumpListOutcome::kFailed;
  MenuList reference = LoadReferenceMenu(resources, kJumpListMenu);
  MenuLabelSources sources;
  sources.reference = &reference;
  sources.strings = &resources;
  std::vector<JumpTask> tasks = BuildJumpTasks(stored ? *stored : reference, sources, paths);
  if (!sink.AppendRecentCategory() || !sink.AddUserTasks(tasks) || !sink.Commit()) {
    sink.Abort();
    return JumpListOutcome::kFailed;
  }
  settings.WriteCommonDword(kJumpListResetValue, 1);
  return JumpListOutcome::kCommitted;
}

}  // namespace scrv
