#include "customize/clear_history.h"

#include "resource_ids.h"

namespace scrv {
namespace {

constexpr std::u16string_view kRecentLists[] = {u"Recent File List", u"Recent Folder List",
                                                u"Recent Insert List", u"Recent Workspace List",
                                                u"Recent Font List"};
constexpr std::u16string_view kFindValues[] = {u"Find",   u"Replace",   u"File",       u"Path",
                                               u"FBFind", u"FBReplace", u"OpenFilter", u"FindFlag"};
enum : uint32_t { kFind = 5, kFilters = 6, kChars = 9 };

}  // namespace

const uint16_t kClearHistoryLabels[kClearHistoryChoices] = {
    IDS_CLEAR_RECENT_FILES,   IDS_CLEAR_RECENT_FOLDERS,
    IDS_CLEAR_RECENT_INSERTS, IDS_CLEAR_RECENT_WORKSPACES,
    IDS_CLEAR_RECENT_FONTS,   IDS_CLEAR_FIND,
    IDS_CLEAR_FILTERS,        IDS_CLEAR_HOST_A,
    IDS_CLEAR_HOST_B,         IDS_CLEAR_CHARS};

void ClearHistories(SettingsStore& store, SettingsHandle common, uint32_t flags,
                    HistoryRemover& remover) {
  if (flags & (1u << kFind))
    for (std::u16string_view name : kFindValues) store.DeleteValue(common, name, false);
  if (flags & (1u << kChars)) store.DeleteValue(common, u"RecentChars", false);
  if (flags & (1u << kFilters)) store.DeleteValue(common, u"RecentFilterList", false);
  for (uint32_t k = 0; k < std::size(kRecentLists); ++k)
    if (flags & (1u << k)) remover.RemoveRecentList(kRecentLists[k]);
  if (flags & (1u << kFilters)) remover.DeleteFilterData();
}

}  // namespace scrv
