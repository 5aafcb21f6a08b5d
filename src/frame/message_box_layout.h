#pragma once
// The library's own message box, for where the platform's task dialog cannot take the dialogs'
// look (the dark theme): a TaskDialogRequest laid out as an ordinary dialog, in dialog units —
// icon on the left, the main text above the content, the content's links each on a line of
// their own, the radio buttons, then one row with the verification box on the left and the
// buttons on the right — and written as an in-memory dialog template.
//
// The layout is given every text's size by the caller (the platform measures in the dialog's
// font), so that the same rules hold at every font size.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "frame/message_box_model.h"

namespace scrv {

// The content's text split at its links (`<a href="target">text</a>`, as the task dialog reads
// them); text outside the markup, and markup that does not close, stays text.
struct ContentPiece {
  std::u16string text;
  std::u16string target;  // empty for plain text
  bool IsLink() const { return !target.empty(); }
  friend bool operator==(const ContentPiece&, const ContentPiece&) = default;
};
std::vector<ContentPiece> SplitLinks(std::u16string_view content);

// The texts of a request as the dialog shows them: string numbers already loaded, and the common
// buttons' captions given (in the order OK, Yes, No, Retry, Cancel, after the custom buttons).
struct MessageBoxTexts {
  std::u16string main;
  std::u16string content;
  std::vector<TaskButton> buttons;  // custom and common, in the order shown
  std::vector<TaskButton> radios;
  std::optional<std::u16string> verification;
};
// The captions of the common buttons, by their identifier.
using CommonCaption = std::function<std::u16string(int32_t buttonId)>;
// `resolve` turns a UiText into its text.
MessageBoxTexts BoxTexts(const TaskDialogRequest& request,
                         const std::function<std::u16string(const UiText&)>& resolve,
                         const CommonCaption& caption);

enum class BoxPart : uint8_t { kIcon, kMain, kText, kLink, kRadio, kVerification, kButton };

struct BoxRect {
  int16_t x = 0, y = 0, cx = 0, cy = 0;
  bool Overlaps(const BoxRect& o) const {
    return x < o.x + o.cx && o.x < x + cx && y < o.y + o.cy && o.y < y + cy;
  }
  friend bool operator==(const BoxRect&, const BoxRect&) = default;
};

struct BoxControl {
  BoxPart part = BoxPart::kText;
  int32_t id = 0;  // buttons and radios: their identifier; the rest: kBoxStaticId and up
  std::u16string text;
  std::u16string target;  // links
  BoxRect rect;
  bool isDefault = false;
};

// The identifiers of the controls that report nothing: the icon, texts and links (counting up).
constexpr int32_t kBoxIconId = 0x7F00;
constexpr int32_t kBoxTextId = 0x7F01;
// The verification box's identifier: outside the range of button and radio identifiers a
// request uses.
constexpr int32_t kBoxVerificationId = 0x7EFF;

// How a text is drawn: the main text's larger font, plain text (an ampersand is shown as it is),
// or a control's caption (an ampersand marks the mnemonic).
enum class BoxFont : uint8_t { kMain, kText, kCaption };
// A text's size in dialog units (cx and cy), at most `wrapWidth` wide (0: on one line).
using MeasureBoxText =
    std::function<BoxRect(std::u16string_view text, BoxFont font, int wrapWidth)>;

struct MessageBoxLayout {
  int16_t width = 0, height = 0;  // the client area, in dialog units
  std::vector<BoxControl> controls;  // in tab order
  int32_t defaultButton = 0;
  int32_t defaultRadio = 0;  // 0: none ticked
  // Esc and the caption's close button end the dialog with IDCANCEL.
  bool cancellable = false;
};

MessageBoxLayout LayOutMessageBox(const TaskDialogRequest& request, const MessageBoxTexts& texts,
                                  const MeasureBoxText& measure);

// The dialog template: a modal, captioned "Scrivlet", in the dialogs' font ("MS Shell Dlg" at
// kBoxPointSize); each control with its window class and style.
constexpr int kBoxPointSize = 8;
std::vector<uint8_t> MessageBoxTemplate(const MessageBoxLayout& layout);

}  // namespace scrv
