#pragma once
// The library's message boxes on the real platform: task dialogs captioned "Scrivlet", owned by
// the owner's last active pop-up, with their texts from the localisation module, and the error
// texts of the library's own codes and of the system. In the dark theme the same request is
// shown by the library's own dialog (message_box_dlg.h), as the task dialog cannot look dark.

#include <windows.h>

#include <string>

#include "frame/message_box_model.h"

namespace scrv {

// The platform side of the message-box model for one owner window (null: no owner). Addresses
// are opened through the launcher with `shellOwner` as the owner of the shell call.
class WinMessageUi : public MessageUi {
 public:
  explicit WinMessageUi(HWND owner, HWND shellOwner = nullptr)
      : owner_(owner), shellOwner_(shellOwner ? shellOwner : owner) {}
  OwnerState Owner() override;
  TaskDialogResult RunTaskDialog(const TaskDialogRequest& request) override;
  bool OpenAddress(std::u16string_view address) override;

 private:
  HWND owner_;
  HWND shellOwner_;
};

// The localisation module's strings and the system's message table.
class WinErrorTextSource : public ErrorTextSource {
 public:
  std::u16string LoadText(uint32_t stringId) override;
  std::optional<std::u16string> SystemMessage(uint32_t code) override;
};

// The operations as the rest of the library calls them. Each returns 0 when the task dialog
// could not be shown.
int ShowMessage(HWND owner, const UiText& mainText, const UiText& content, UINT type);
int ShowInfoWithLink(HWND owner, const UiText& mainText, const UiText& contentWithLinks);
int AskProceed(HWND owner, const UiText& mainText, const UiText& content, const UiText& proceedText,
               TaskIcon icon, bool* verification);
int AskChoice(HWND owner, const UiText& mainText, const UiText& choice1, const UiText& choice2,
              int preselected, bool* verification);
// A text the caller frees with LocalFree, or null.
wchar_t* GetErrorText(DWORD code, const wchar_t* argument);
void ShowError(HWND owner, DWORD code, const wchar_t* argument);
int ShowOpenFailure(HWND owner, const wchar_t* address, const wchar_t* extra);

}  // namespace scrv
