#include "integration/about_dlg.h"

#include "frame/export_guard_win.h"
#include "base/text_win.h"
#include "integration/about_box.h"

namespace scrv {
namespace {

// Room for the host's version string (the host writes a terminated string).
constexpr size_t kVersionCapacity = 260;

constexpr int kComponentControls[] = {IDC_ABOUT_COMPONENT1, IDC_ABOUT_COMPONENT2,
                                      IDC_ABOUT_COMPONENT3};

std::u16string HostVersion(HWND host) {
  wchar_t buffer[kVersionCapacity] = {};
  if (host && IsWindow(host))
    SendMessageW(host, SCM_QUERY, kQueryVersion, reinterpret_cast<LPARAM>(buffer));
  buffer[kVersionCapacity - 1] = L'\0';
  return ToU(buffer);
}

}  // namespace

BOOL CAboutDlg::OnInitDialog() {
  SetDialogIcon();
  FillControl(IDC_ABOUT_VERSION, HostVersion(host_));
  SetDlgItemText(IDC_ABOUT_LINK, LoadResString(IDS_ABOUT_LINK));
  link_.SubclassWindow(GetDlgItem(IDC_ABOUT_LINK));
  AddParentHook(link_);
  for (size_t i = 0; i < kComponentVersions.size(); ++i)
    FillControl(kComponentControls[i], kComponentVersions[i]);
  // The box opens on its button; the link is a Tab away.
  ::SetFocus(GetDlgItem(IDOK));
  return FALSE;
}

void CAboutDlg::FillControl(int id, std::u16string_view value) {
  SetDlgItemText(id, ToW(FillFormat(ToU(GetDlgItemText(id)), value)));
}

}  // namespace scrv

extern "C" int DoAbout(HWND owner, uint32_t) {
  return scrv::GuardExport(-1, [&] {
    scrv::CAboutDlg dlg(owner);
    return static_cast<int>(dlg.DoModal(owner));
  });
}
