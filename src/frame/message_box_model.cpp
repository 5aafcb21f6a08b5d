#include "frame/message_box_model.h"

#include "frame_ids.h"

namespace scrv {
namespace {

struct ErrorString {
  uint32_t code;
  uint32_t stringId;
};

constexpr ErrorString kErrorStrings[] = {
    {0x20000004, IDS_ERR_CANCELLED},          {0x20000005, IDS_ERR_NOTHING_FOUND},
    {0xA0000008, IDS_ERR_BAD_FILE_FORMAT},    {0xA0000016, IDS_ERR_FILE_TOO_LARGE},
    {0xA0000017, IDS_ERR_LINE_TOO_LONG},      {0xA0000018, IDS_ERR_TOO_MANY_ITEMS},
    {0xA0000020, IDS_ERR_INVALID_PLUGIN},     {0xA0000021, IDS_ERR_SIGNATURE},
    {0xA0000022, IDS_ERR_PLUGIN_VERSION},     {0xA0000023, IDS_ERR_INVALID_MENU},
    {0xA0000024, IDS_ERR_INVALID_MACRO},      {0xA0000025, IDS_ERR_INVALID_FILTER},
    {0xA0000026, IDS_ERR_READ_ONLY_SETTINGS},
};

// The library's own texts are read into a 260-character block.
constexpr size_t kErrorStringMax = 259;
// System errors whose texts take the argument in place of "%1" (file and module names).
constexpr uint32_t kFirstInsertError = 129;
constexpr uint32_t kLastInsertError = 218;
// The rebuilt text gets a block of the old length plus this many characters, terminator
// included.
constexpr size_t kInsertRoom = 260;
// A mail link is opened from an 80-character buffer.
constexpr size_t kMailLinkMax = 79;

TaskIcon IconOfType(uint32_t type) {
  switch (type & mb::kIconMask) {
    case mb::kIconWarning:
      return TaskIcon::kWarning;
    case mb::kIconError:
      return TaskIcon::kError;
    default:
      return TaskIcon::kInformation;
  }
}

}  // namespace

uint32_t BaseTaskDialogFlags(OwnerState owner) {
  uint32_t f = tdf::kSizeToContent;
  if (owner == OwnerState::kShown) f |= tdf::kPositionRelativeToWindow;
  return f;
}

TaskDialogRequest MessageRequest(OwnerState owner, UiText mainText, UiText content, uint32_t type) {
  TaskDialogRequest s;
  s.flags = BaseTaskDialogFlags(owner) | tdf::kExpandFooterArea;
  s.icon = IconOfType(type);
  s.mainInstruction = std::move(mainText);
  s.content = std::move(content);
  uint32_t def = type & mb::kDefButtonMask;
  switch (type & mb::kButtonGroupMask) {
    case mb::kOkCancel:
      s.commonButtons = tdcbf::kOk | tdcbf::kCancel;
      s.defaultButton = def == mb::kDefButton2 ? button_id::kCancel : button_id::kOk;
      break;
    case mb::kYesNoCancel:
      s.commonButtons = tdcbf::kYes | tdcbf::kNo | tdcbf::kCancel;
      s.defaultButton = def == mb::kDefButton2   ? button_id::kNo
                        : def == mb::kDefButton3 ? button_id::kCancel
                                                 : button_id::kYes;
      break;
    case mb::kYesNo:
      s.commonButtons = tdcbf::kYes | tdcbf::kNo;
      s.defaultButton = def == mb::kDefButton2 ? button_id::kNo : button_id::kYes;
      break;
    case mb::kRetryCancel:
      s.commonButtons = tdcbf::kRetry | tdcbf::kCancel;
      s.defaultButton = def == mb::kDefButton2 ? button_id::kCancel : button_id::kRetry;
      break;
    default:
      s.commonButtons = tdcbf::kOk;
      s.defaultButton = button_id::kOk;
      s.flags |= tdf::kAllowDialogCancellation;
      break;
  }
  return s;
}

int32_t ShowMessage(MessageUi& ui, UiText mainText, UiText content, uint32_t type) {
  return ui.RunTaskDialog(MessageRequest(ui.Owner(), std::move(mainText), std::move(content), type))
      .button;
}

TaskDialogRequest InfoWithLinkRequest(OwnerState owner, UiText mainText, UiText contentWithLinks) {
  TaskDialogRequest s;
  s.flags = BaseTaskDialogFlags(owner) | tdf::kAllowDialogCancellation | tdf::kEnableHyperlinks;
  s.icon = TaskIcon::kInformation;
  s.commonButtons = tdcbf::kOk;
  s.defaultButton = button_id::kOk;
  s.mainInstruction = std::move(mainText);
  s.content = std::move(contentWithLinks);
  return s;
}

int32_t ShowInfoWithLink(MessageUi& ui, UiText mainText, UiText contentWithLinks) {
  return ui
      .RunTaskDialog(
          InfoWithLinkRequest(ui.Owner(), std::move(mainText), std::move(contentWithLinks)))
      .button;
}

std::u16string LinkTarget(std::u16string_view link) {
  if (link.find(u'@') == std::u16string_view::npos) return std::u16string(link);
  std::u16string out = u"mailto:";
  out += link;
  if (out.size() > kMailLinkMax) out.resize(kMailLinkMax);
  return out;
}

void OnHyperlinkClicked(MessageUi& dialogUi, std::u16string_view link) {
  if (!dialogUi.OpenAddress(LinkTarget(link))) ShowOpenFailure(dialogUi, link, nullptr);
}

TaskDialogRequest AskProceedRequest(OwnerState owner, UiText mainText, UiText content,
                                    UiText proceedText, TaskIcon icon, bool withVerification) {
  TaskDialogRequest s;
  s.flags = BaseTaskDialogFlags(owner) | tdf::kAllowDialogCancellation;
  s.icon = icon;
  s.mainInstruction = std::move(mainText);
  s.content = std::move(content);
  s.buttons.push_back({button_id::kOk, std::move(proceedText)});
  s.commonButtons = tdcbf::kCancel;
  s.defaultButton = button_id::kCancel;
  if (withVerification) s.verification = UiText::Res(IDS_DONT_ASK_AGAIN);
  return s;
}

int32_t AskProceed(MessageUi& ui, UiText mainText, UiText content, UiText proceedText,
                   TaskIcon icon, bool* verification) {
  TaskDialogResult r =
      ui.RunTaskDialog(AskProceedRequest(ui.Owner(), std::move(mainText), std::move(content),
                                         std::move(proceedText), icon, verification != nullptr));
  if (verification) *verification = r.verified;
  return r.button == button_id::kOk || r.button == button_id::kCancel ? r.button : 0;
}

TaskDialogRequest AskChoiceRequest(OwnerState owner, UiText mainText, UiText choice1,
                                   UiText choice2, int32_t preselected, bool withVerification) {
  TaskDialogRequest s;
  s.flags = BaseTaskDialogFlags(owner) | tdf::kAllowDialogCancellation;
  s.icon = TaskIcon::kInformation;
  s.mainInstruction = std::move(mainText);
  s.radioButtons.push_back({kChoiceRadio1, std::move(choice1)});
  s.radioButtons.push_back({kChoiceRadio2, std::move(choice2)});
  s.defaultRadioButton = preselected == 2 ? kChoiceRadio2 : kChoiceRadio1;
  s.commonButtons = tdcbf::kOk | tdcbf::kCancel;
  s.defaultButton = button_id::kOk;
  if (withVerification) s.verification = UiText::Res(IDS_DONT_ASK_AGAIN);
  return s;
}

int32_t AskChoice(MessageUi& ui, UiText mainText, UiText choice1, UiText choice2,
                  int32_t preselected, bool* verification) {
  TaskDialogResult r =
      ui.RunTaskDialog(AskChoiceRequest(ui.Owner(), std::move(mainText), std::move(choice1),
                                        std::move(choice2), preselected, verification != nullptr));
  if (verification) *verification = r.verified;
  if (r.button != button_id::kOk) return 0;
  if (r.radio == kChoiceRadio1) return 1;
  if (r.radio == kChoiceRadio2) return 2;
  return 0;
}

std::optional<uint32_t> ErrorStringId(uint32_t code) {
  for (const ErrorString& e : kErrorStrings)
    if (e.code == code) return e.stringId;
  return std::nullopt;
}

std::optional<std::u16string> GetErrorText(ErrorTextSource& source, uint32_t code,
                                           const std::u16string* argument) {
  if (std::optional<uint32_t> id = ErrorStringId(code)) {
    std::u16string text = source.LoadText(*id);
    if (text.size() > kErrorStringMax) text.resize(kErrorStringMax);
    return text;
  }
  std::optional<std::u16string> text = source.SystemMessage(code);
  if (!text || !argument || code < kFirstInsertError || code > kLastInsertError) return text;
  size_t at = text->find(u"%1");
  if (at == std::u16string::npos) return text;
  std::u16string out = text->substr(0, at);
  out += *argument;
  out += std::u16string_view(*text).substr(at + 2);
  size_t max = text->size() + kInsertRoom - 1;
  if (out.size() > max) out.resize(max);
  return out;
}

void ShowError(MessageUi& ui, ErrorTextSource& source, uint32_t code,
               const std::u16string* argument) {
  if (code == 0) return;
  std::optional<std::u16string> text = GetErrorText(source, code, argument);
  if (!text) return;
  ShowMessage(ui, UiText::Of(*text), UiText::Of(argument ? *argument : u""), mb::kIconWarning);
}

int32_t ShowOpenFailure(MessageUi& ui, std::u16string_view address, const std::u16string* extra) {
  std::u16string content(address);
  if (extra) {
    content += u' ';
    content += *extra;
  }
  return ShowMessage(ui, UiText::Res(IDS_OPEN_FAILED), UiText::Of(content), mb::kIconWarning);
}

}  // namespace scrv
