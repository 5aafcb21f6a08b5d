#include "frame/message_box_layout.h"

#include <gtest/gtest.h>

#include "frame/dialog_template.h"

namespace scrv {
namespace {

// Text a fixed 4 units a character wide (5 in the main text's font), 8 units a line, wrapped
// at the width given.
BoxRect Measure(std::u16string_view text, BoxFont font, int wrap) {
  const int perChar = font == BoxFont::kMain ? 5 : 4;
  const int width = static_cast<int>(text.size()) * perChar;
  const int lines = wrap > 0 ? (width + wrap - 1) / wrap : 1;
  return {0, 0, static_cast<int16_t>(wrap > 0 ? std::min(width, wrap) : width),
          static_cast<int16_t>(8 * std::max(lines, 1))};
}

std::u16string Caption(int32_t id) { return u"b" + std::u16string(1, static_cast<char16_t>(u'0' + id)); }

MessageBoxLayout Lay(const TaskDialogRequest& request) {
  auto resolve = [](const UiText& t) { return t.id ? std::u16string(u"#") : t.text; };
  return LayOutMessageBox(request, BoxTexts(request, resolve, Caption), Measure);
}

// Every control as "part:id", in tab order, the defaults marked with '*'.
std::string Order(const MessageBoxLayout& layout) {
  std::string out;
  for (const BoxControl& c : layout.controls) {
    if (c.part == BoxPart::kIcon || c.part == BoxPart::kMain || c.part == BoxPart::kText) continue;
    const char* part = c.part == BoxPart::kLink ? "link" : c.part == BoxPart::kRadio ? "radio"
                       : c.part == BoxPart::kVerification ? "box" : "button";
    out += (out.empty() ? "" : " ") + std::string(part) + ":" + std::to_string(c.id) +
           (c.isDefault || c.id == layout.defaultRadio ? "*" : "");
  }
  return out;
}

TEST(MessageBoxLayout, EachKindOfQuestionShowsItsControlsInReadingOrder) {
  struct Case {
    TaskDialogRequest request;
    const char* order;
    bool cancellable;
  } cases[] = {
      {MessageRequest(OwnerState::kShown, UiText::Of(u"Save?"), UiText::Of(u""),
                      mb::kYesNoCancel | mb::kDefButton3),
       "button:6 button:7 button:2*", true},
      {MessageRequest(OwnerState::kShown, UiText::Of(u"Replace?"), UiText::Of(u""), mb::kYesNo),
       "button:6* button:7", false},
      {MessageRequest(OwnerState::kShown, UiText::Of(u"Done."), UiText::Of(u""), mb::kOk),
       "button:1*", true},
      {AskProceedRequest(OwnerState::kShown, UiText::Of(u"Use it?"), UiText::Of(u"C:\\a.dll"),
                         UiText::Of(u"&Use"), TaskIcon::kWarning, true),
       "box:32511 button:1 button:2*", true},
      {AskChoiceRequest(OwnerState::kShown, UiText::Of(u"Where?"), UiText::Of(u"&Online"),
                        UiText::Of(u"&Local"), 2, false),
       "radio:1001 radio:1002* button:1* button:2", true},
      {InfoWithLinkRequest(OwnerState::kShown, UiText::Of(u"Missing."),
                           UiText::Of(u"Get it: <a href=\"https://x.example/\">the page</a>")),
       "link:32515 button:1*", true},
  };
  for (const Case& c : cases) {
    MessageBoxLayout layout = Lay(c.request);
    EXPECT_EQ(Order(layout), c.order);
    EXPECT_EQ(layout.cancellable, c.cancellable) << c.order;
  }
}

TEST(MessageBoxLayout, LongTextWrapsAndNothingOverlapsOrLeavesTheDialog) {
  TaskDialogRequest request = AskChoiceRequest(
      OwnerState::kShown, UiText::Of(std::u16string(120, u'm')),
      UiText::Of(u"&First choice with a long caption that goes on and on past any width"),
      UiText::Of(u"&Second"), 1, true);
  request.content = UiText::Of(std::u16string(200, u'c') + u"<a href=\"mailto:a@b\">a@b</a>tail");
  MessageBoxLayout layout = Lay(request);
  ASSERT_GT(layout.controls.size(), 6u);
  for (size_t i = 0; i < layout.controls.size(); ++i) {
    const BoxRect& r = layout.controls[i].rect;
    EXPECT_GE(r.x, 7);
    EXPECT_LE(r.x + r.cx, layout.width - 7) << i;
    EXPECT_LE(r.y + r.cy, layout.height - 7) << i;
    for (size_t j = i + 1; j < layout.controls.size(); ++j)
      EXPECT_FALSE(r.Overlaps(layout.controls[j].rect)) << i << " and " << j;
  }
  // The text column stops at its widest; the main text and the first radio wrap.
  EXPECT_LE(layout.width, 7 + 21 + 10 + 230 + 7);
  auto find = [&](BoxPart part) {
    for (const BoxControl& c : layout.controls)
      if (c.part == part) return c;
    return BoxControl{};
  };
  EXPECT_EQ(find(BoxPart::kMain).rect.cy, 8 * 3);
  EXPECT_GT(find(BoxPart::kRadio).rect.cy, 10);
  EXPECT_EQ(find(BoxPart::kLink).target, u"mailto:a@b");
  // The buttons end at the right margin, the box starts at the left one.
  EXPECT_EQ(layout.controls.back().rect.x + layout.controls.back().rect.cx, layout.width - 7);
  EXPECT_EQ(find(BoxPart::kVerification).rect.x, 7);
}

TEST(MessageBoxLayout, LinksAreFoundInTheirMarkupAndBrokenMarkupStaysText) {
  using P = std::vector<ContentPiece>;
  EXPECT_EQ(SplitLinks(u"<a href=\"https://x/\">https://x/</a>"),
            (P{{u"https://x/", u"https://x/"}}));
  EXPECT_EQ(SplitLinks(u"See <A HREF=\"u\">here</A> now."),
            (P{{u"See ", {}}, {u"here", u"u"}, {u" now.", {}}}));
  EXPECT_EQ(SplitLinks(u"<a href=\"\">plain</a>!"), (P{{u"plain!", {}}}));
  EXPECT_EQ(SplitLinks(u"<a href=\"u\">open"), (P{{u"<a href=\"u\">open", {}}}));
  EXPECT_EQ(SplitLinks(u"<a href=\"u"), (P{{u"<a href=\"u", {}}}));
  EXPECT_TRUE(SplitLinks(u"").empty());
}

TEST(MessageBoxLayout, TheTemplateHoldsEveryControlWithItsClassAndStyle) {
  TaskDialogRequest request = AskChoiceRequest(OwnerState::kShown, UiText::Of(u"Where?"),
                                               UiText::Of(u"&Online"), UiText::Of(u"&Local"), 1, true);
  MessageBoxLayout layout = Lay(request);
  std::vector<uint8_t> bytes = MessageBoxTemplate(layout);
  std::optional<DialogTemplateText> read = ReadDialogTemplateText(bytes.data(), bytes.size());
  ASSERT_TRUE(read);
  EXPECT_EQ(read->caption, u"Scrivlet");
  ASSERT_EQ(read->controls.size(), layout.controls.size());
  constexpr uint32_t kGroup = 0x20000, kTabStop = 0x10000;
  for (size_t i = 0; i < layout.controls.size(); ++i) {
    const BoxControl& c = layout.controls[i];
    const TemplateControl& t = read->controls[i];
    EXPECT_EQ(t.id, static_cast<uint32_t>(c.id));
    EXPECT_EQ(t.title, c.text);
    EXPECT_EQ(t.width, c.rect.cx);
    const bool button = c.part == BoxPart::kRadio || c.part == BoxPart::kVerification ||
                        c.part == BoxPart::kButton;
    EXPECT_EQ(t.className, button ? u"Button" : u"Static");
    if (c.id == kChoiceRadio1) EXPECT_EQ(t.style & (kGroup | kTabStop | 0xF), kGroup | kTabStop | 9u);
    if (c.id == kChoiceRadio2) EXPECT_EQ(t.style & (kGroup | kTabStop | 0xF), 9u);
    if (c.part == BoxPart::kButton) EXPECT_EQ(t.style & 0xF, c.isDefault ? 1u : 0u);
  }
}

}  // namespace
}  // namespace scrv
