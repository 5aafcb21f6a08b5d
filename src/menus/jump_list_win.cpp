#include "menus/jump_list_win.h"

#include <objbase.h>
#include <objectarray.h>
#include <propidl.h>
#include <propsys.h>
#include <shobjidl.h>

#include "frame/export_guard_win.h"
#include "base/module_state_win.h"
#include "settings/app_settings_win.h"
#include "base/text_win.h"
#include "menus/menu_resources_win.h"
#include "scrvdlgs_api.h"

namespace scrv {
namespace {

// The shell's property keys of a link's title and of a separator link.
constexpr PROPERTYKEY kTitleKey = {
    {0xF29F85E0, 0x4FF9, 0x1068, {0xAB, 0x91, 0x08, 0x00, 0x2B, 0x27, 0xB3, 0xD9}}, 2};
constexpr PROPERTYKEY kSeparatorKey = {
    {0x9F4C2855, 0x9F79, 0x4B39, {0xA8, 0xD0, 0xE1, 0xD4, 0x2D, 0xE1, 0xD5, 0xF3}}, 6};

template <class T>
void ReleaseNow(T*& p) {
  if (p) p->Release();
  p = nullptr;
}

bool SetLinkProperty(IShellLinkW* link, const PROPERTYKEY& key, PROPVARIANT& value) {
  IPropertyStore* store = nullptr;
  if (FAILED(link->QueryInterface(IID_IPropertyStore, reinterpret_cast<void**>(&store))))
    return false;
  bool ok = SUCCEEDED(store->SetValue(key, value)) && SUCCEEDED(store->Commit());
  store->Release();
  return ok;
}

// A shell link for one task; null when the shell refuses any part of it.
IShellLinkW* NewTaskLink(const JumpTask& task) {
  IShellLinkW* link = nullptr;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                              reinterpret_cast<void**>(&link))))
    return nullptr;
  bool ok = true;
  PROPVARIANT value;
  PropVariantInit(&value);
  if (task.separator) {
    value.vt = VT_BOOL;
    value.boolVal = VARIANT_TRUE;
    ok = SetLinkProperty(link, kSeparatorKey, value);
  } else {
    ok = SUCCEEDED(link->SetPath(W(task.program))) &&
         SUCCEEDED(link->SetArguments(W(task.arguments))) &&
         (task.iconPath.empty() ||
          SUCCEEDED(link->SetIconLocation(W(task.iconPath), task.iconIndex)));
    value.vt = VT_LPWSTR;
    value.pwszVal = const_cast<wchar_t*>(W(task.title));
    ok = ok && SetLinkProperty(link, kTitleKey, value);
  }
  if (!ok) ReleaseNow(link);
  return link;
}

std::u16string FolderOf(UINT (*get)(LPWSTR, UINT)) {
  wchar_t path[MAX_PATH] = {};
  std::wstring folder(path, get(path, MAX_PATH) < MAX_PATH ? wcslen(path) : 0);
  if (!folder.empty() && folder.back() != L'\\') folder += L'\\';
  return ToU(folder);
}

}  // namespace

CDestinationListSink::CDestinationListSink() {
  if (FAILED(CoCreateInstance(CLSID_DestinationList, nullptr, CLSCTX_INPROC_SERVER,
                              IID_ICustomDestinationList, reinterpret_cast<void**>(&list_))))
    list_ = nullptr;
}

CDestinationListSink::~CDestinationListSink() {
  ReleaseNow(list_);
}

bool CDestinationListSink::SetAppId(std::u16string_view appId) {
  std::u16string id(appId);
  return list_ && SUCCEEDED(list_->SetAppID(W(id)));
}

bool CDestinationListSink::DeleteList(std::u16string_view appId) {
  std::u16string id(appId);
  return list_ && SUCCEEDED(list_->DeleteList(W(id)));
}

bool CDestinationListSink::BeginList() {
  UINT minSlots = 0;
  IObjectArray* removed = nullptr;
  if (!list_ ||
      FAILED(list_->BeginList(&minSlots, IID_IObjectArray, reinterpret_cast<void**>(&removed))))
    return false;
  ReleaseNow(removed);
  return true;
}

bool CDestinationListSink::AppendRecentCategory() {
  return list_ && SUCCEEDED(list_->AppendKnownCategory(KDC_RECENT));
}

bool CDestinationListSink::AddUserTasks(const std::vector<JumpTask>& tasks) {
  IObjectCollection* collection = nullptr;
  if (!list_ ||
      FAILED(CoCreateInstance(CLSID_EnumerableObjectCollection, nullptr, CLSCTX_INPROC_SERVER,
                              IID_IObjectCollection, reinterpret_cast<void**>(&collection))))
    return false;
  bool ok = true;
  for (const JumpTask& task : tasks) {
    IShellLinkW* link = NewTaskLink(task);
    ok = link && SUCCEEDED(collection->AddObject(link));
    ReleaseNow(link);
    if (!ok) break;
  }
  IObjectArray* array = nullptr;
  ok = ok &&
       SUCCEEDED(collection->QueryInterface(IID_IObjectArray, reinterpret_cast<void**>(&array))) &&
       SUCCEEDED(list_->AddUserTasks(array));
  ReleaseNow(array);
  ReleaseNow(collection);
  return ok;
}

bool CDestinationListSink::Commit() {
  return list_ && SUCCEEDED(list_->CommitList());
}

void CDestinationListSink::Abort() {
  if (list_) list_->AbortList();
}

JumpListPaths SystemJumpListPaths() {
  JumpListPaths paths;
  wchar_t host[MAX_PATH] = {};
  DWORD n = GetModuleFileNameW(nullptr, host, MAX_PATH);
  paths.host = ToU(std::wstring(host, n < MAX_PATH ? n : 0));
  paths.moduleFolder = ToU(Module().appFolder);
  paths.systemFolder = FolderOf(GetSystemDirectoryW);
  paths.windowsFolder = FolderOf(GetWindowsDirectoryW);
  return paths;
}

JumpListOutcome RebuildAppJumpList(MenuResources& resources) {
  if (Settings().IniMode()) return JumpListOutcome::kSkipped;
  const HRESULT com = CoInitialize(nullptr);
  JumpListOutcome outcome = JumpListOutcome::kFailed;
  {
    CDestinationListSink sink;
    if (sink.Created())
      outcome =
          RebuildJumpList(sink, Settings(), AppMenuRecordFiles(), resources, SystemJumpListPaths());
  }
  if (SUCCEEDED(com)) CoUninitialize();
  return outcome;
}

}  // namespace scrv

extern "C" void ResetJumpList() {
  scrv::GuardExport(0, [] {
    scrv::CModuleMenuResources resources;
    scrv::RebuildAppJumpList(resources);
    return 0;
  });
}
