#include "frame/message_box_layout.h"

#include <algorithm>

namespace scrv {
namespace {

// Window styles as the template stores them.
constexpr uint32_t kChild = 0x40000000, kVisible = 0x10000000, kTabStop = 0x00010000,
                   kGroup = 0x00020000;
constexpr uint32_t kStaticLeft = 0x0, kStaticIcon = 0x3, kStaticNoPrefix = 0x80,
                   kStaticNotify = 0x100;
constexpr uint32_t kPushButton = 0x0, kDefPushButton = 0x1, kAutoCheckBox = 0x3,
                   kAutoRadio = 0x9, kButtonMultiline = 0x2000;
// A modal frame with a caption and a close button, in the dialogs' font.
constexpr uint32_t kDialogStyle = 0x80000000 /*WS_POPUP*/ | 0x00C00000 /*WS_CAPTION*/ |
                                  0x00080000 /*WS_SYSMENU*/ | 0x80 /*DS_MODALFRAME*/ |
                                  0x40 /*DS_SETFONT*/ | 0x8 /*DS_FIXEDSYS*/;
constexpr uint16_t kButtonAtom = 0x80, kStaticAtom = 0x82;

// Dialog units.
constexpr int kMargin = 7;
constexpr int kIconWidth = 21, kIconHeight = 20, kIconGap = 10;
constexpr int kMinTextWidth = 150, kMaxTextWidth = 230;
constexpr int kButtonMinWidth = 50, kButtonPadding = 12, kButtonHeight = 14, kButtonGap = 4;
constexpr int kBoxWidth = 14, kBoxHeight = 10;  // a check box's or radio's box and its gap
constexpr int kMainGap = 5, kPieceGap = 3, kRadioGap = 3, kBodyGap = 5, kRowGap = 10;

// A measured line gets two units more than it measured (the rounding to dialog units), and
// wrapped text is measured in two units less than its control is wide.
int Room(int measured) { return measured + 2; }
int WrapAt(int room) { return std::max(1, room - 2); }
// A button draws wrapped text inside a margin: one more line's worth of room would show too
// much, a few units show it all.
constexpr int kWrappedButtonExtra = 3, kLineHeight = 8;

constexpr std::u16string_view kOpen = u"<a href=\"";
constexpr std::u16string_view kClose = u"</a>";

bool StartsWithNoCase(std::u16string_view s, std::u16string_view prefix) {
  if (s.size() < prefix.size()) return false;
  for (size_t i = 0; i < prefix.size(); ++i) {
    char16_t a = s[i], b = prefix[i];
    if (a >= u'A' && a <= u'Z') a = static_cast<char16_t>(a - u'A' + u'a');
    if (a != b) return false;
  }
  return true;
}

size_t FindNoCase(std::u16string_view s, std::u16string_view what, size_t from) {
  for (size_t i = from; i + what.size() <= s.size(); ++i)
    if (StartsWithNoCase(s.substr(i), what)) return i;
  return std::u16string_view::npos;
}

void AddText(std::vector<ContentPiece>& pieces, std::u16string_view text) {
  if (text.empty()) return;
  if (!pieces.empty() && !pieces.back().IsLink())
    pieces.back().text += text;
  else
    pieces.push_back({std::u16string(text), {}});
}

int16_t Units(int v) { return static_cast<int16_t>(std::clamp(v, 0, 0x7FFF)); }

class TemplateWriter {
 public:
  void Word(uint16_t w) {
    bytes_.push_back(static_cast<uint8_t>(w));
    bytes_.push_back(static_cast<uint8_t>(w >> 8));
  }
  void Dword(uint32_t d) {
    Word(static_cast<uint16_t>(d));
    Word(static_cast<uint16_t>(d >> 16));
  }
  void Text(std::u16string_view s) {
    for (char16_t c : s) Word(c);
    Word(0);
  }
  void Align() {
    while (bytes_.size() % 4) bytes_.push_back(0);
  }
  std::vector<uint8_t> Take() { return std::move(bytes_); }

 private:
  std::vector<uint8_t> bytes_;
};

uint32_t StyleOf(const BoxControl& c, bool firstOfPart) {
  uint32_t style = kChild | kVisible;
  switch (c.part) {
    case BoxPart::kIcon:
      return style | kStaticIcon;
    case BoxPart::kMain:
    case BoxPart::kText:
      return style | kStaticLeft | kStaticNoPrefix;
    case BoxPart::kLink:
      return style | kStaticLeft | kStaticNoPrefix | kStaticNotify | kTabStop;
    case BoxPart::kRadio:
      return style | kAutoRadio | (c.rect.cy > kBoxHeight ? kButtonMultiline : 0) |
             (firstOfPart ? kGroup | kTabStop : 0);
    case BoxPart::kVerification:
      return style | kAutoCheckBox | kGroup | kTabStop;
    case BoxPart::kButton:
      return style | (c.isDefault ? kDefPushButton : kPushButton) | kTabStop |
             (firstOfPart ? kGroup : 0);
  }
  return style;
}

}  // namespace

std::vector<ContentPiece> SplitLinks(std::u16string_view content) {
  std::vector<ContentPiece> pieces;
  size_t at = 0;
  while (at < content.size()) {
    size_t open = FindNoCase(content, kOpen, at);
    if (open == std::u16string_view::npos) break;
    size_t targetEnd = content.find(u'"', open + kOpen.size());
    size_t textStart = targetEnd == std::u16string_view::npos ? targetEnd
                                                              : content.find(u'>', targetEnd);
    size_t close = textStart == std::u16string_view::npos
                       ? textStart
                       : FindNoCase(content, kClose, textStart + 1);
    if (close == std::u16string_view::npos) break;  // unclosed markup stays text
    std::u16string_view target = content.substr(open + kOpen.size(), targetEnd - open - kOpen.size());
    std::u16string_view text = content.substr(textStart + 1, close - textStart - 1);
    AddText(pieces, content.substr(at, open - at));
    if (target.empty())
      AddText(pieces, text);
    else
      pieces.push_back({std::u16string(text.empty() ? target : text), std::u16string(target)});
    at = close + kClose.size();
  }
  AddText(pieces, content.substr(std::min(at, content.size())));
  return pieces;
}

MessageBoxTexts BoxTexts(const TaskDialogRequest& request,
                         const std::function<std::u16string(const UiText&)>& resolve,
                         const CommonCaption& caption) {
  MessageBoxTexts t;
  t.main = resolve(request.mainInstruction);
  t.content = resolve(request.content);
  for (const TaskButton& b : request.buttons) t.buttons.push_back({b.id, UiText::Of(resolve(b.text))});
  static constexpr std::pair<uint32_t, int32_t> kCommon[] = {
      {tdcbf::kOk, button_id::kOk},       {tdcbf::kYes, button_id::kYes},
      {tdcbf::kNo, button_id::kNo},       {tdcbf::kRetry, button_id::kRetry},
      {tdcbf::kCancel, button_id::kCancel}};
  for (auto [bit, id] : kCommon)
    if (request.commonButtons & bit) t.buttons.push_back({id, UiText::Of(caption(id))});
  // A task dialog without any button shows OK.
  if (t.buttons.empty()) t.buttons.push_back({button_id::kOk, UiText::Of(caption(button_id::kOk))});
  for (const TaskButton& r : request.radioButtons)
    t.radios.push_back({r.id, UiText::Of(resolve(r.text))});
  if (request.verification) t.verification = resolve(*request.verification);
  return t;
}

MessageBoxLayout LayOutMessageBox(const TaskDialogRequest& request, const MessageBoxTexts& texts,
                                  const MeasureBoxText& measure) {
  MessageBoxLayout layout;
  const std::vector<ContentPiece> pieces = SplitLinks(texts.content);

  // The button row: the buttons at their captions' widths, the verification box before them.
  std::vector<int> buttonWidths;
  int rowWidth = 0;
  for (const TaskButton& b : texts.buttons) {
    int w = std::max(kButtonMinWidth, Room(measure(b.text.text, BoxFont::kCaption, 0).cx) + kButtonPadding);
    buttonWidths.push_back(w);
    rowWidth += w + (rowWidth ? kButtonGap : 0);
  }
  int verificationWidth = 0;
  if (texts.verification) {
    verificationWidth = Room(measure(*texts.verification, BoxFont::kCaption, 0).cx) + kBoxWidth;
    rowWidth += verificationWidth + kRowGap;
  }

  // The text column: as wide as its longest line up to a limit, at least as wide as the row.
  int natural = 0;
  if (!texts.main.empty()) natural = measure(texts.main, BoxFont::kMain, 0).cx;
  for (const ContentPiece& p : pieces) natural = std::max<int>(natural, measure(p.text, BoxFont::kText, 0).cx);
  for (const TaskButton& r : texts.radios)
    natural = std::max(natural, measure(r.text.text, BoxFont::kCaption, 0).cx + kBoxWidth);
  const int textLeft = kMargin + kIconWidth + kIconGap;
  int column = std::clamp(Room(natural), kMinTextWidth, kMaxTextWidth);
  const int width = std::max(textLeft + column + kMargin, kMargin + rowWidth + kMargin);
  column = width - textLeft - kMargin;

  auto add = [&layout](BoxPart part, int32_t id, std::u16string text, int x, int y, int cx, int cy) {
    BoxControl c;
    c.part = part;
    c.id = id;
    c.text = std::move(text);
    c.rect = {Units(x), Units(y), Units(cx), Units(cy)};
    layout.controls.push_back(std::move(c));
    return &layout.controls.back();
  };

  add(BoxPart::kIcon, kBoxIconId, {}, kMargin, kMargin, kIconWidth, kIconHeight);
  int32_t nextId = kBoxTextId;
  int y = kMargin;
  if (!texts.main.empty()) {
    int h = measure(texts.main, BoxFont::kMain, WrapAt(column)).cy;
    add(BoxPart::kMain, nextId++, texts.main, textLeft, y, column, h);
    y += h + kMainGap;
  }
  for (const ContentPiece& p : pieces) {
    int h = measure(p.text, BoxFont::kText, WrapAt(column)).cy;
    BoxControl* c =
        add(p.IsLink() ? BoxPart::kLink : BoxPart::kText, nextId++, p.text, textLeft, y,
            // A link is as wide as its text, so that only the text takes a click.
            p.IsLink() ? std::min(column, Room(measure(p.text, BoxFont::kText, 0).cx)) : column, h);
    c->target = p.target;
    y += h + kPieceGap;
  }
  if (!texts.radios.empty()) {
    y += kBodyGap;
    for (const TaskButton& r : texts.radios) {
      int h = measure(r.text.text, BoxFont::kCaption, WrapAt(column - kBoxWidth)).cy;
      h = h > kLineHeight ? h + kWrappedButtonExtra : kBoxHeight;
      add(BoxPart::kRadio, r.id, r.text.text, textLeft, y, column, h);
      y += h + kRadioGap;
    }
  }
  const int rowY = std::max(y, kMargin + kIconHeight) + kRowGap - kPieceGap;
  if (texts.verification)
    add(BoxPart::kVerification, kBoxVerificationId, *texts.verification, kMargin,
        rowY + (kButtonHeight - kBoxHeight) / 2, verificationWidth, kBoxHeight);
  int x = width - kMargin - (rowWidth - (texts.verification ? verificationWidth + kRowGap : 0));
  for (size_t i = 0; i < texts.buttons.size(); ++i) {
    add(BoxPart::kButton, texts.buttons[i].id, texts.buttons[i].text.text, x, rowY, buttonWidths[i],
        kButtonHeight);
    x += buttonWidths[i] + kButtonGap;
  }
  layout.width = Units(width);
  layout.height = Units(rowY + kButtonHeight + kMargin);

  // The default button is the one asked for when it is shown, else the first.
  layout.defaultButton = texts.buttons.front().id;
  for (const TaskButton& b : texts.buttons)
    if (b.id == request.defaultButton) layout.defaultButton = b.id;
  for (BoxControl& c : layout.controls)
    c.isDefault = c.part == BoxPart::kButton && c.id == layout.defaultButton;
  if (!texts.radios.empty()) {
    layout.defaultRadio = texts.radios.front().id;
    for (const TaskButton& r : texts.radios)
      if (r.id == request.defaultRadioButton) layout.defaultRadio = r.id;
  }
  layout.cancellable = (request.flags & tdf::kAllowDialogCancellation) != 0 ||
                       std::any_of(texts.buttons.begin(), texts.buttons.end(),
                                   [](const TaskButton& b) { return b.id == button_id::kCancel; });
  return layout;
}

std::vector<uint8_t> MessageBoxTemplate(const MessageBoxLayout& layout) {
  TemplateWriter w;
  w.Word(1);  // DLGTEMPLATEEX
  w.Word(0xFFFF);
  w.Dword(0);  // help
  w.Dword(0);  // extended style
  w.Dword(kDialogStyle);
  w.Word(static_cast<uint16_t>(layout.controls.size()));
  for (int16_t v : {int16_t{0}, int16_t{0}, layout.width, layout.height})
    w.Word(static_cast<uint16_t>(v));
  w.Word(0);  // no menu
  w.Word(0);  // the dialog class
  w.Text(kMessageCaption);
  w.Word(kBoxPointSize);
  w.Word(400);  // weight
  w.Word(0x100);  // not italic; the default character set
  w.Text(u"MS Shell Dlg");
  BoxPart previous = BoxPart::kIcon;
  for (size_t i = 0; i < layout.controls.size(); ++i) {
    const BoxControl& c = layout.controls[i];
    w.Align();
    w.Dword(0);  // help
    w.Dword(0);  // extended style
    w.Dword(StyleOf(c, i == 0 || c.part != previous));
    for (int16_t v : {c.rect.x, c.rect.y, c.rect.cx, c.rect.cy}) w.Word(static_cast<uint16_t>(v));
    w.Dword(static_cast<uint32_t>(c.id));
    w.Word(0xFFFF);
    const bool isButton = c.part == BoxPart::kRadio || c.part == BoxPart::kVerification ||
                          c.part == BoxPart::kButton;
    w.Word(isButton ? kButtonAtom : kStaticAtom);
    w.Text(c.text);
    w.Word(0);  // no creation data
    previous = c.part;
  }
  return w.Take();
}

}  // namespace scrv
