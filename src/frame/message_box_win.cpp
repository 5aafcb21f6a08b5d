#include "frame/message_box_win.h"

#include <commctrl.h>

#include <vector>

#include "base/module_state_win.h"
#include "base/text_win.h"
#include "frame/common_controls_win.h"
#include "frame/dialog_appearance_win.h"
#include "frame/message_box_dlg.h"
#include "frame/shell_launcher_win.h"

namespace scrv {
namespace {

constexpr DWORD kSystemMessageFlags =
    FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_FROM_SYSTEM;
constexpr DWORD kUserDefaultLanguage = 0x400;
constexpr size_t kErrorBlockChars = 260;

// Texts given by string number are loaded here rather than by the task dialog, so that every
// text comes from the localisation module the library chose.
std::wstring Resolve(const UiText& t) {
  return t.id ? LoadResString(t.id) : ToW(t.text);
}
const wchar_t* OrNull(const std::wstring& s) {
  return s.empty() ? nullptr : s.c_str();
}

HRESULT CALLBACK TaskCallback(HWND hwnd, UINT notification, WPARAM, LPARAM lParam, LONG_PTR) {
  if (notification == TDN_HYPERLINK_CLICKED && lParam) {
    // Messages about the link belong to the task dialog itself.
    WinMessageUi dialogUi(hwnd, hwnd);
    OnHyperlinkClicked(dialogUi, ToU(reinterpret_cast<const wchar_t*>(lParam)));
  }
  return S_OK;
}

wchar_t* LocalCopy(const std::u16string& text, size_t capacity) {
  if (capacity < text.size() + 1) capacity = text.size() + 1;
  auto* block = static_cast<wchar_t*>(LocalAlloc(LPTR, capacity * sizeof(wchar_t)));
  if (block) CopyBounded(block, capacity, ToW(text));
  return block;
}

}  // namespace

OwnerState WinMessageUi::Owner() {
  if (!owner_) return OwnerState::kNone;
  return IsIconic(owner_) ? OwnerState::kMinimised : OwnerState::kShown;
}

TaskDialogResult WinMessageUi::RunTaskDialog(const TaskDialogRequest& request) {
  // The task dialog keeps the light look whatever its owner shows: in the dark theme the
  // library lays the same request out as a dialog of its own.
  if (IsDarkTheme())
    return RunOwnMessageBox(owner_ ? GetLastActivePopup(owner_) : nullptr, request);
  TaskDialogIndirectFn taskDialog = TaskDialogIndirectFunction();
  if (!taskDialog) return {};

  std::wstring mainText = Resolve(request.mainInstruction);
  std::wstring content = Resolve(request.content);
  std::wstring verification = request.verification ? Resolve(*request.verification) : L"";
  std::vector<std::wstring> texts;
  texts.reserve(request.buttons.size() + request.radioButtons.size());
  auto buttonsOf = [&texts](const std::vector<TaskButton>& from) {
    std::vector<TASKDIALOG_BUTTON> out;
    for (const TaskButton& b : from) {
      texts.push_back(Resolve(b.text));
      out.push_back({b.id, texts.back().c_str()});
    }
    return out;
  };
  std::vector<TASKDIALOG_BUTTON> buttons = buttonsOf(request.buttons);
  std::vector<TASKDIALOG_BUTTON> radios = buttonsOf(request.radioButtons);

  TASKDIALOGCONFIG c = {};
  c.cbSize = sizeof c;
  c.hwndParent = owner_ ? GetLastActivePopup(owner_) : nullptr;
  c.hInstance = Module().resourceModule;
  c.dwFlags = request.flags;
  c.dwCommonButtons = request.commonButtons;
  c.pszWindowTitle = L"Scrivlet";
  c.pszMainIcon = MAKEINTRESOURCEW(static_cast<WORD>(request.icon));
  c.pszMainInstruction = OrNull(mainText);
  c.pszContent = OrNull(content);
  c.cButtons = static_cast<UINT>(buttons.size());
  c.pButtons = buttons.empty() ? nullptr : buttons.data();
  c.nDefaultButton = request.defaultButton;
  c.cRadioButtons = static_cast<UINT>(radios.size());
  c.pRadioButtons = radios.empty() ? nullptr : radios.data();
  c.nDefaultRadioButton = request.defaultRadioButton;
  c.pszVerificationText = request.verification ? verification.c_str() : nullptr;
  c.pfCallback = TaskCallback;

  int button = 0, radio = 0;
  BOOL verified = FALSE;
  HRESULT hr;
  {
    ScopedCommonControlsV6 v6;
    hr = taskDialog(&c, &button, &radio, &verified);
  }
  if (FAILED(hr)) return {};
  return {button, radio, verified != FALSE};
}

bool WinMessageUi::OpenAddress(std::u16string_view address) {
  return Launcher().OpenAddress(shellOwner_, ToW(address));
}

std::u16string WinErrorTextSource::LoadText(uint32_t stringId) {
  return ToU(LoadResString(stringId));
}

std::optional<std::u16string> WinErrorTextSource::SystemMessage(uint32_t code) {
  wchar_t* text = nullptr;
  DWORD n = FormatMessageW(kSystemMessageFlags, nullptr, code, kUserDefaultLanguage,
                           reinterpret_cast<LPWSTR>(&text), 0, nullptr);
  if (!n || !text) {
    if (text) LocalFree(text);
    return std::nullopt;
  }
  std::u16string out = ToU(std::wstring_view(text, n));
  LocalFree(text);
  return out;
}

int ShowMessage(HWND owner, const UiText& mainText, const UiText& content, UINT type) {
  WinMessageUi ui(owner);
  return ShowMessage(ui, mainText, content, type);
}

int ShowInfoWithLink(HWND owner, const UiText& mainText, const UiText& contentWithLinks) {
  WinMessageUi ui(owner);
  return ShowInfoWithLink(ui, mainText, contentWithLinks);
}

int AskProceed(HWND owner, const UiText& mainText, const UiText& content, const UiText& proceedText,
               TaskIcon icon, bool* verification) {
  WinMessageUi ui(owner);
  return AskProceed(ui, mainText, content, proceedText, icon, verification);
}

int AskChoice(HWND owner, const UiText& mainText, const UiText& choice1, const UiText& choice2,
              int preselected, bool* verification) {
  WinMessageUi ui(owner);
  return AskChoice(ui, mainText, choice1, choice2, preselected, verification);
}

wchar_t* GetErrorText(DWORD code, const wchar_t* argument) {
  WinErrorTextSource source;
  std::u16string arg = ToU(argument);
  std::optional<std::u16string> text = GetErrorText(source, code, argument ? &arg : nullptr);
  if (!text) return nullptr;
  // The library's own texts get the 260-character block their strings are read into.
  return LocalCopy(*text, ErrorStringId(code) ? kErrorBlockChars : text->size() + 1);
}

void ShowError(HWND owner, DWORD code, const wchar_t* argument) {
  WinMessageUi ui(owner);
  WinErrorTextSource source;
  std::u16string arg = ToU(argument);
  ShowError(ui, source, code, argument ? &arg : nullptr);
}

int ShowOpenFailure(HWND owner, const wchar_t* address, const wchar_t* extra) {
  WinMessageUi ui(owner);
  std::u16string more = ToU(extra);
  return ShowOpenFailure(ui, ToU(address), extra ? &more : nullptr);
}

}  // namespace scrv
