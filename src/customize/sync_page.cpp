// The Sync page: keeping settings in step with other computers through a shared folder.

#include "customize/customize_pages.h"
#include "resource_ids.h"
#include "frame/anchor_layout.h"

namespace scrv {
namespace {

enum : uint8_t { kSettings, kFolder, kTime };

// The host restarts synchronising when the sheet's result says so.
constexpr uint32_t kSyncResult = 8;
constexpr SettingRow kRows[] = {
    Dword(u"SyncSettings", 6).Result(kSyncResult),
    Text(u"SyncFolder", 260).Result(kSyncResult),
    Dword(u"SyncTime", 10).Result(kSyncResult),
};

constexpr Binding kBindings[] = {
    BitBox(IDC_SYNC_ENABLE, kSettings, 0x1),  BitBox(IDC_SYNC_MACROS, kSettings, 0x2),
    BitBox(IDC_SYNC_PLUGINS, kSettings, 0x4), Edit(IDC_SYNC_FOLDER, kFolder),
    Browse(IDC_SYNC_BROWSE, kFolder),         Number(IDC_SYNC_TIME, kTime),
};

constexpr EnableRule kEnables[] = {
    {IDC_SYNC_MACROS, Effect::kEnable, IDC_SYNC_ENABLE},
    {IDC_SYNC_PLUGINS, Effect::kEnable, IDC_SYNC_ENABLE},
    {IDC_SYNC_FOLDER_LABEL, Effect::kEnable, IDC_SYNC_ENABLE},
    {IDC_SYNC_FOLDER, Effect::kEnable, IDC_SYNC_ENABLE},
    {IDC_SYNC_BROWSE, Effect::kEnable, IDC_SYNC_ENABLE},
    {IDC_SYNC_TIME_LABEL, Effect::kEnable, IDC_SYNC_ENABLE},
    {IDC_SYNC_TIME, Effect::kEnable, IDC_SYNC_ENABLE},
    {IDC_SYNC_TIME_UNIT, Effect::kEnable, IDC_SYNC_ENABLE},
};

constexpr Anchor kAnchors[] = {
    {IDC_SYNC_FOLDER, anchor::kStretchRight},
    {IDC_SYNC_BROWSE, anchor::kMoveRight},
};

}  // namespace

const PageDescriptor kSyncPage =
    Describe(IDD_CUST_SYNC, HELP_TOPIC_CUST_SYNC, kRows, kBindings, kEnables, kAnchors);

}  // namespace scrv
