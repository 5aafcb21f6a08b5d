// The settings file exports: ExportSettings writes the user's settings and customised records to
// one file, ImportSettings reads one back, shows what it would change and applies it all or
// nothing. The file, the report and the apply are the portable model's; this layer only finds
// the file, the store and the record files, and tells the user and the host.

#include <windows.h>

#include <string>
#include <vector>

#include "base/text_win.h"
#include "customize/additional_text.h"
#include "customize/settings_catalog.h"
#include "frame/export_guard_win.h"
#include "frame/file_dialog_win.h"
#include "frame/host_windows_win.h"
#include "frame/message_box_win.h"
#include "integration/settings_transfer_dlg.h"
#include "scrvdlgs_api.h"
#include "settings/app_settings_win.h"
#include "settings/file_store_win.h"
#include "settings/settings_tables_win.h"

namespace scrv {
namespace {

constexpr wchar_t kExtension[] = L"scrvset";

UINT RefusalText(FileProblem p) {
  switch (p) {
    case FileProblem::kEmpty:
      return IDS_ST_WHY_EMPTY;
    case FileProblem::kUtf16:
      return IDS_ST_WHY_UTF16;
    case FileProblem::kTooLarge:
      return IDS_ST_WHY_TOO_LARGE;
    case FileProblem::kNotSettingsFile:
      return IDS_ST_WHY_NOT_SETTINGS;
    case FileProblem::kBadVersion:
      return IDS_ST_WHY_BAD_VERSION;
    case FileProblem::kCutShort:
      return IDS_ST_WHY_CUT_SHORT;
    default:
      return IDS_ST_WHY_UNREADABLE;
  }
}

void TellFailure(HWND owner, UINT mainText, const UiText& reason) {
  if (owner) ShowMessage(owner, UiText::Res(mainText), reason, MB_OK | MB_ICONERROR);
}

UiText SystemReason(DWORD error) {
  WinErrorTextSource source;
  std::optional<std::u16string> text = source.SystemMessage(error);
  return text ? UiText::Of(*text) : UiText{};
}

// The file's bytes, or the reason it is refused before it is read.
std::optional<std::vector<uint8_t>> ReadSettingsBytes(const std::wstring& path,
                                                      FileProblem& refusal) {
  WIN32_FILE_ATTRIBUTE_DATA a = {};
  if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &a) ||
      (a.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
    refusal = FileProblem::kNone;
    return std::nullopt;
  }
  const uint64_t size = uint64_t(a.nFileSizeHigh) << 32 | a.nFileSizeLow;
  if (size == 0 || size > kMaxSettingsFileSize) {
    refusal = size ? FileProblem::kTooLarge : FileProblem::kEmpty;
    return std::nullopt;
  }
  Win32FileStore files;
  std::vector<uint8_t> bytes;
  if (files.ReadWholeFile(ToU(path), nullptr, bytes) != ReadResult::kRead) {
    refusal = FileProblem::kNone;
    return std::nullopt;
  }
  return bytes;
}

}  // namespace

BOOL CSettingsReportDlg::OnInitDialog() {
  SetDlgItemText(IDC_SR_SUMMARY, ToW(text_.summary));
  SetDlgItemText(IDC_SR_NEWER, ToW(text_.newer));
  ::ShowWindow(GetDlgItem(IDC_SR_NEWER), text_.newer.empty() ? SW_HIDE : SW_SHOW);
  std::u16string lines;
  for (const std::u16string& line : text_.lines) lines += line + u"\r\n";
  SetDlgItemText(IDC_SR_LIST, ToW(lines));
  // Import is the default button: the keyboard reaches it at once, Escape cancels.
  ::SetFocus(GetDlgItem(IDOK));
  return FALSE;
}

bool ShowImportReport(HWND owner, const ImportPlan& plan, CustomizeSession* session) {
  const ModuleStrings strings;
  CSettingsReportDlg dlg(DescribeReport(
      plan, [&](uint32_t id) { return strings.Load(id); },
      [&](std::u16string_view name, const EntryValue& v) {
        return DescribeAsShown(name, v, Flags(), strings, session);
      }));
  return dlg.DoModal(owner) == IDOK;
}

std::optional<SettingsFile> ReadChosenSettingsFile(HWND owner, const wchar_t* path,
                                                   bool& refused) {
  refused = false;
  std::wstring source;
  if (path) {
    source = path;
  } else if (std::optional<ChosenFile> chosen =
                 AskFileToOpen(owner, IDS_ST_FILE_TYPES, kExtension)) {
    source = chosen->path;
  } else {
    return std::nullopt;
  }
  FileProblem refusal = FileProblem::kNone;
  std::optional<std::vector<uint8_t>> bytes = ReadSettingsBytes(source, refusal);
  SettingsFileRead read;
  if (bytes) read = ReadSettingsFile(bytes->data(), bytes->size());
  if (!bytes || read.refusal != FileProblem::kNone) {
    refused = true;
    TellFailure(owner, IDS_ST_IMPORT_REFUSED,
                UiText::Res(RefusalText(bytes ? read.refusal : refusal)));
    return std::nullopt;
  }
  return std::move(read.file);
}

int WriteChosenSettingsFile(HWND owner, const wchar_t* path, const SettingsFile& file) {
  std::wstring target;
  if (path) {
    target = path;
  } else if (std::optional<ChosenFile> chosen =
                 AskFileToSave(owner, IDS_ST_FILE_TYPES, kExtension)) {
    target = chosen->path;
  } else {
    return 0;
  }
  const std::string text = WriteSettingsFile(file);
  Win32FileStore files;
  if (!files.WriteWholeFile(ToU(target), reinterpret_cast<const uint8_t*>(text.data()),
                            text.size())) {
    TellFailure(owner, IDS_ST_EXPORT_FAILED, SystemReason(GetLastError()));
    return -1;
  }
  return 1;
}

int ExportSettingsTo(HWND owner, const wchar_t* path, uint32_t flags) {
  AppRecordFiles records;
  return WriteChosenSettingsFile(
      owner, path,
      CollectSettings(Settings(), CustomizeCatalog(Flags()), records.place, (flags & 1) != 0));
}

int ImportSettingsFrom(HWND owner, const wchar_t* path, uint32_t flags) {
  bool refused = false;
  const std::optional<SettingsFile> file = ReadChosenSettingsFile(owner, path, refused);
  if (!file) return refused ? -2 : -1;
  AppRecordFiles records;
  const SettingsCatalog catalog = CustomizeCatalog(Flags());
  const ImportPlan plan = PlanImport(*file, Settings(), catalog, records.place);
  if (!(flags & 1) && !ShowImportReport(owner, plan)) return -1;
  if (!ApplyImport(plan, Settings(), records.place)) {
    TellFailure(owner, IDS_ST_APPLY_FAILED, {});
    return -2;
  }
  SendChangesToMainWindows(plan.changeBits);
  return static_cast<int>(plan.Changes());
}

}  // namespace scrv

extern "C" int ExportSettings(HWND owner, const wchar_t* path, uint32_t flags) {
  return scrv::GuardExport(-1, [&] { return scrv::ExportSettingsTo(owner, path, flags); });
}

extern "C" int ImportSettings(HWND owner, const wchar_t* path, uint32_t flags) {
  return scrv::GuardExport(-2, [&] { return scrv::ImportSettingsFrom(owner, path, flags); });
}
