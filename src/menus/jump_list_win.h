#pragma once
// The taskbar jump list through the shell's custom destination list.

#include <windows.h>

#include <shobjidl.h>

#include "menus/jump_list.h"

namespace scrv {

// The shell's destination list behind JumpListSink; every call reports whether the shell took
// it (where the shell has no such list, creating it fails and nothing is done).
class CDestinationListSink : public JumpListSink {
 public:
  CDestinationListSink();
  ~CDestinationListSink() override;
  CDestinationListSink(const CDestinationListSink&) = delete;
  CDestinationListSink& operator=(const CDestinationListSink&) = delete;

  bool Created() const { return list_ != nullptr; }
  bool SetAppId(std::u16string_view appId) override;
  bool DeleteList(std::u16string_view appId) override;
  bool BeginList() override;
  bool AppendRecentCategory() override;
  bool AddUserTasks(const std::vector<JumpTask>& tasks) override;
  bool Commit() override;
  void Abort() override;

 private:
  ICustomDestinationList* list_ = nullptr;
};

// Where the tasks' programs and icons are on this system.
JumpListPaths SystemJumpListPaths();

// Rebuilds the list (COM initialised for the call); what the menus dialog does after saving and
// what the export does.
JumpListOutcome RebuildAppJumpList(MenuResources& resources);

}  // namespace scrv
