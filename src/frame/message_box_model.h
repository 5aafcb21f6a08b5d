#pragma once
// The library's questions, warnings and error reports: one task-dialog look (caption
// "Scrivlet", the owner's last active pop-up as parent, texts as string numbers of the
// localisation module or as ready text) decided here as a TaskDialogRequest, and the error texts
// of the library's own error codes and of the system. The Win32 layer turns a request into a
// TASKDIALOGCONFIG, runs it and reports the buttons pressed.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace scrv {

constexpr std::u16string_view kMessageCaption = u"Scrivlet";

// Message-box type bits as callers pass them.
namespace mb {
constexpr uint32_t kOk = 0;
constexpr uint32_t kOkCancel = 1;
constexpr uint32_t kAbortRetryIgnore = 2;
constexpr uint32_t kYesNoCancel = 3;
constexpr uint32_t kYesNo = 4;
constexpr uint32_t kRetryCancel = 5;
constexpr uint32_t kButtonGroupMask = 0x7;
constexpr uint32_t kIconError = 0x10;
constexpr uint32_t kIconQuestion = 0x20;
constexpr uint32_t kIconWarning = 0x30;
constexpr uint32_t kIconInformation = 0x40;
constexpr uint32_t kIconMask = 0x70;
constexpr uint32_t kDefButton2 = 0x100;
constexpr uint32_t kDefButton3 = 0x200;
constexpr uint32_t kDefButtonMask = 0xF00;
}  // namespace mb

// Button identifiers reported back.
namespace button_id {
constexpr int32_t kOk = 1;
constexpr int32_t kCancel = 2;
constexpr int32_t kRetry = 4;
constexpr int32_t kYes = 6;
constexpr int32_t kNo = 7;
}  // namespace button_id

// Task-dialog flags.
namespace tdf {
constexpr uint32_t kEnableHyperlinks = 0x1;
constexpr uint32_t kAllowDialogCancellation = 0x8;
constexpr uint32_t kExpandFooterArea = 0x40;
constexpr uint32_t kPositionRelativeToWindow = 0x1000;
constexpr uint32_t kSizeToContent = 0x1000000;
}  // namespace tdf

// Task-dialog common buttons.
namespace tdcbf {
constexpr uint32_t kOk = 0x1;
constexpr uint32_t kYes = 0x2;
constexpr uint32_t kNo = 0x4;
constexpr uint32_t kCancel = 0x8;
constexpr uint32_t kRetry = 0x10;
}  // namespace tdcbf

// The standard task-dialog icons, as their resource-number values.
enum class TaskIcon : uint16_t { kWarning = 0xFFFF, kError = 0xFFFE, kInformation = 0xFFFD };

// A text given either as a string number of the localisation module (id nonzero, below
// 0x10000) or as ready text.
struct UiText {
  uint32_t id = 0;
  std::u16string text;
  static UiText Res(uint32_t stringId) { return {stringId, {}}; }
  static UiText Of(std::u16string_view t) { return {0, std::u16string(t)}; }
  bool Empty() const { return id == 0 && text.empty(); }
  friend bool operator==(const UiText&, const UiText&) = default;
};

struct TaskButton {
  int32_t id = 0;
  UiText text;
  friend bool operator==(const TaskButton&, const TaskButton&) = default;
};

struct TaskDialogRequest {
  uint32_t flags = 0;
  uint32_t commonButtons = 0;
  int32_t defaultButton = 0;
  TaskIcon icon = TaskIcon::kInformation;
  UiText mainInstruction;
  UiText content;
  std::vector<TaskButton> buttons;
  std::vector<TaskButton> radioButtons;
  int32_t defaultRadioButton = 0;
  std::optional<UiText> verification;  // the check box, when asked for
};

struct TaskDialogResult {
  int32_t button = 0;  // 0: the dialog failed
  int32_t radio = 0;
  bool verified = false;
};

enum class OwnerState { kNone, kShown, kMinimised };

// The platform side: the owner's state, running one task dialog, opening an address.
class MessageUi {
 public:
  virtual ~MessageUi() = default;
  virtual OwnerState Owner() = 0;
  // Runs the dialog; with kEnableHyperlinks in the flags a clicked link is passed to
  // OnHyperlinkClicked with a MessageUi owned by the dialog itself.
  virtual TaskDialogResult RunTaskDialog(const TaskDialogRequest& request) = 0;
  // The shell's default verb on the address; true when it started (a result above 32).
  virtual bool OpenAddress(std::u16string_view address) = 0;
};

// Every dialog is sized to its content, and placed relative to an owner that is shown.
uint32_t BaseTaskDialogFlags(OwnerState owner);

// Buttons, default button and icon by the message-box type: groups other than OK/Cancel,
// Yes/No/Cancel, Yes/No and Retry/Cancel show OK alone (and only then Esc cancels); the
// warning and error icons are kept, every other icon request shows the information icon.
TaskDialogRequest MessageRequest(OwnerState owner, UiText mainText, UiText content, uint32_t type);
// Returns the button identifier, 0 when the dialog failed.
int32_t ShowMessage(MessageUi& ui, UiText mainText, UiText content, uint32_t type);

TaskDialogRequest InfoWithLinkRequest(OwnerState owner, UiText mainText, UiText contentWithLinks);
int32_t ShowInfoWithLink(MessageUi& ui, UiText mainText, UiText contentWithLinks);
// The address a clicked link opens: a link with an at sign is a mail address and gets the
// "mailto:" prefix (79 characters at most in all); any other link is opened as it is.
std::u16string LinkTarget(std::u16string_view link);
// What a clicked link does: open it, and report the link when that fails. `dialogUi` is owned
// by the dialog the link is in.
void OnHyperlinkClicked(MessageUi& dialogUi, std::u16string_view link);

// One custom button (identifier 1) with the proceed text, and Cancel as the default. Returns
// 1, 2 or 0; with a verification pointer a "do not ask again" box is shown and its state
// stored through it.
TaskDialogRequest AskProceedRequest(OwnerState owner, UiText mainText, UiText content,
                                    UiText proceedText, TaskIcon icon, bool withVerification);
int32_t AskProceed(MessageUi& ui, UiText mainText, UiText content, UiText proceedText,
                   TaskIcon icon, bool* verification);

// A two-way choice by radio buttons 1001 and 1002, OK (default) and Cancel. `preselected` is
// 1 or 2. Returns the choice (1 or 2) on OK, 0 on Cancel or failure.
constexpr int32_t kChoiceRadio1 = 1001;
constexpr int32_t kChoiceRadio2 = 1002;
TaskDialogRequest AskChoiceRequest(OwnerState owner, UiText mainText, UiText choice1,
                                   UiText choice2, int32_t preselected, bool withVerification);
int32_t AskChoice(MessageUi& ui, UiText mainText, UiText choice1, UiText choice2,
                  int32_t preselected, bool* verification);

// Where error texts come from: the localisation module's strings and the system's message
// table (in the user's default language).
class ErrorTextSource {
 public:
  virtual ~ErrorTextSource() = default;
  // Empty when the string is missing.
  virtual std::u16string LoadText(uint32_t stringId) = 0;
  virtual std::optional<std::u16string> SystemMessage(uint32_t code) = 0;
};

// The string number of one of the library's own error codes.
std::optional<uint32_t> ErrorStringId(uint32_t code);

// The library's own codes give their string (at most 259 characters, argument ignored); other
// codes the system text, where for system errors 129 to 218 the first "%1" is replaced by the
// argument. nullopt when the system has no text.
std::optional<std::u16string> GetErrorText(ErrorTextSource& source, uint32_t code,
                                           const std::u16string* argument);

// A warning with the error text as main text and the argument as content; nothing for code 0.
void ShowError(MessageUi& ui, ErrorTextSource& source, uint32_t code,
               const std::u16string* argument);

// The warning after an address could not be opened: string 1105, with the address (and the
// extra text after one blank) as content.
int32_t ShowOpenFailure(MessageUi& ui, std::u16string_view address, const std::u16string* extra);

}  // namespace scrv
