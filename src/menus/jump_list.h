#pragma once
// The taskbar jump list of the host: the system's recent items followed by one task per item of
// the jump list menu (menu 13), each task running the host or the workspace program with the
// command's arguments. The platform's destination list is reached through JumpListSink, so the
// rebuild is the same code whether the platform takes the list or refuses it.

#include <cstdint>
#include <string>
#include <vector>

#include "menus/menu_item.h"
#include "menus/menu_labels.h"
#include "menus/menu_storage.h"
#include "settings/settings_store.h"

namespace scrv {

constexpr char16_t kJumpListAppId[] = u"Veltranix.Scrivlet.Scrivlet";
// DWORD in "Common" set to 1 once a list was committed.
constexpr char16_t kJumpListResetValue[] = u"JumpListReset";

// Where the programs and icons of the tasks are (folders with a trailing backslash).
struct JumpListPaths {
  std::u16string host;          // the host's executable
  std::u16string moduleFolder;  // this library's folder, where the workspace program is
  std::u16string systemFolder;
  std::u16string windowsFolder;
};

struct JumpTask {
  bool separator = false;
  std::u16string title;
  std::u16string program;
  std::u16string arguments;
  std::u16string iconPath;  // empty: no icon
  int iconIndex = 0;        // negative: an icon resource identifier
  bool operator==(const JumpTask&) const = default;
};

// The task of one command, untitled.
JumpTask TaskForCommand(uint32_t command, const JumpListPaths& paths);

// The tasks of a stored jump list menu (its first item, the root popup, is skipped): a
// separator link per separator, a titled task per command. Popups have no task of their own.
std::vector<JumpTask> BuildJumpTasks(const MenuList& wrapped, const MenuLabelSources& sources,
                                     const JumpListPaths& paths);

// A task title: a menu label without its mnemonic marks ("&&" stays one "&").
std::u16string TaskTitle(std::u16string_view label);

// The platform's custom destination list. Every call tells whether it succeeded.
class JumpListSink {
 public:
  virtual ~JumpListSink() = default;
  virtual bool SetAppId(std::u16string_view appId) = 0;
  virtual bool DeleteList(std::u16string_view appId) = 0;
  virtual bool BeginList() = 0;
  virtual bool AppendRecentCategory() = 0;
  virtual bool AddUserTasks(const std::vector<JumpTask>& tasks) = 0;
  virtual bool Commit() = 0;
  virtual void Abort() = 0;
};

enum class JumpListOutcome { kSkipped, kFailed, kDeleted, kCommitted };

// Rebuilds the list from the stored jump list menu, or from the default menu resource when
// none is stored; a stored menu with no item under its root popup deletes the list instead.
// Nothing happens with INI settings. Any failing call ends the rebuild (a begun list is
// dropped); after a commit "JumpListReset" is set to 1.
JumpListOutcome RebuildJumpList(JumpListSink& sink, SettingsStore& settings,
                                const MenuRecordFiles& records, MenuResources& resources,
                                const JumpListPaths& paths);

}  // namespace scrv
