#include "frame/message_box_model.h"

#include <gtest/gtest.h>

#include <map>

#include "fake_message_ui.h"

namespace scrv {
namespace {

using testing::FakeMessageUi;

TaskDialogRequest Request(uint32_t type) {
  return MessageRequest(OwnerState::kShown, UiText::Of(u"main"), UiText::Of(u"more"), type);
}

TEST(MessageRequest, YesNoCancelDefaultsByDefButtonBits) {
  TaskDialogRequest s = Request(mb::kYesNoCancel | mb::kDefButton3);
  EXPECT_EQ(s.commonButtons, tdcbf::kYes | tdcbf::kNo | tdcbf::kCancel);
  EXPECT_EQ(s.defaultButton, button_id::kCancel);
  EXPECT_EQ(Request(mb::kYesNoCancel | mb::kDefButton2).defaultButton, button_id::kNo);
  EXPECT_EQ(Request(mb::kYesNoCancel).defaultButton, button_id::kYes);
  EXPECT_EQ(Request(mb::kYesNoCancel | 0x300).defaultButton, button_id::kYes);
}

TEST(MessageRequest, TwoButtonGroups) {
  EXPECT_EQ(Request(mb::kOkCancel).commonButtons, tdcbf::kOk | tdcbf::kCancel);
  EXPECT_EQ(Request(mb::kOkCancel).defaultButton, button_id::kOk);
  EXPECT_EQ(Request(mb::kOkCancel | mb::kDefButton2).defaultButton, button_id::kCancel);
  EXPECT_EQ(Request(mb::kYesNo).commonButtons, tdcbf::kYes | tdcbf::kNo);
  EXPECT_EQ(Request(mb::kYesNo | mb::kDefButton2).defaultButton, button_id::kNo);
  EXPECT_EQ(Request(mb::kRetryCancel).commonButtons, tdcbf::kRetry | tdcbf::kCancel);
  EXPECT_EQ(Request(mb::kRetryCancel).defaultButton, button_id::kRetry);
  EXPECT_EQ(Request(mb::kRetryCancel | mb::kDefButton2).defaultButton, button_id::kCancel);
  EXPECT_EQ(Request(mb::kYesNo | mb::kDefButton3).defaultButton, button_id::kYes);
}

TEST(MessageRequest, UnlistedGroupsShowOkAloneAndOnlyThenEscCancels) {
  for (uint32_t group : {0u, 2u, 6u, 7u}) {
    TaskDialogRequest s = Request(group | mb::kDefButton2);
    EXPECT_EQ(s.commonButtons, tdcbf::kOk) << group;
    EXPECT_EQ(s.defaultButton, button_id::kOk) << group;
    EXPECT_TRUE(s.flags & tdf::kAllowDialogCancellation) << group;
  }
  EXPECT_FALSE(Request(mb::kOkCancel).flags & tdf::kAllowDialogCancellation);
  EXPECT_FALSE(Request(mb::kYesNo).flags & tdf::kAllowDialogCancellation);
}

TEST(MessageRequest, WarningAndErrorIconsKeptOthersInformation) {
  EXPECT_EQ(Request(mb::kIconWarning).icon, TaskIcon::kWarning);
  EXPECT_EQ(Request(mb::kIconError).icon, TaskIcon::kError);
  EXPECT_EQ(Request(mb::kIconQuestion).icon, TaskIcon::kInformation);
  EXPECT_EQ(Request(mb::kIconInformation).icon, TaskIcon::kInformation);
  EXPECT_EQ(Request(0).icon, TaskIcon::kInformation);
}

TEST(MessageRequest, PlacedRelativeToAShownOwnerAndSizedToContent) {
  auto flags = [](OwnerState o) { return MessageRequest(o, {}, {}, 0).flags; };
  EXPECT_EQ(flags(OwnerState::kShown), tdf::kSizeToContent | tdf::kPositionRelativeToWindow |
                                           tdf::kExpandFooterArea | tdf::kAllowDialogCancellation);
  EXPECT_EQ(flags(OwnerState::kMinimised),
            tdf::kSizeToContent | tdf::kExpandFooterArea | tdf::kAllowDialogCancellation);
  EXPECT_EQ(flags(OwnerState::kNone), flags(OwnerState::kMinimised));
}

TEST(ShowMessage, ReturnsTheButtonOrZeroWhenTheDialogFails) {
  FakeMessageUi ui;
  ui.answers = {{button_id::kNo, 0, false}, {0, 0, false}};
  EXPECT_EQ(ShowMessage(ui, UiText::Res(12), UiText::Of(u"x"), mb::kYesNo), button_id::kNo);
  EXPECT_EQ(ShowMessage(ui, UiText::Res(12), UiText::Of(u"x"), mb::kYesNo), 0);
  ASSERT_EQ(ui.shown.size(), 2u);
  EXPECT_EQ(ui.shown[0].mainInstruction, UiText::Res(12));
  EXPECT_EQ(ui.shown[0].content, UiText::Of(u"x"));
}

TEST(Links, MailAddressesGetTheMailtoPrefix) {
  EXPECT_EQ(LinkTarget(u"support@scrivlet.example"), u"mailto:support@scrivlet.example");
  EXPECT_EQ(LinkTarget(u"https://scrivlet.example/help"), u"https://scrivlet.example/help");
  std::u16string longMail = std::u16string(100, u'a') + u"@x";
  EXPECT_EQ(LinkTarget(longMail).size(), 79u);
  EXPECT_EQ(LinkTarget(longMail).substr(0, 8), u"mailto:a");
}

TEST(Links, AFailedOpenReportsTheLink) {
  FakeMessageUi ui;
  ui.unreachable = {u"mailto:me@here"};
  OnHyperlinkClicked(ui, u"me@here");
  ASSERT_EQ(ui.opened, (std::vector<std::u16string>{u"mailto:me@here"}));
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].mainInstruction, UiText::Res(1105));
  EXPECT_EQ(ui.shown[0].content, UiText::Of(u"me@here"));
  EXPECT_EQ(ui.shown[0].icon, TaskIcon::kWarning);

  OnHyperlinkClicked(ui, u"https://ok");
  EXPECT_EQ(ui.shown.size(), 1u);
}

TEST(InfoWithLink, InformationOkOnlyWithHyperlinks) {
  TaskDialogRequest s =
      InfoWithLinkRequest(OwnerState::kShown, UiText::Res(444), UiText::Of(u"<a>"));
  EXPECT_EQ(s.icon, TaskIcon::kInformation);
  EXPECT_EQ(s.commonButtons, tdcbf::kOk);
  EXPECT_EQ(s.defaultButton, button_id::kOk);
  EXPECT_TRUE(s.flags & tdf::kEnableHyperlinks);
  EXPECT_TRUE(s.flags & tdf::kAllowDialogCancellation);
}

TEST(AskProceed, OneCustomButtonCancelDefaultAndOptionalCheckBox) {
  FakeMessageUi ui;
  ui.answers = {{1, 0, true}, {button_id::kCancel, 0, false}};
  bool verified = false;
  EXPECT_EQ(
      AskProceed(ui, UiText::Res(1), UiText::Res(2), UiText::Res(3), TaskIcon::kWarning, &verified),
      1);
  EXPECT_TRUE(verified);
  const TaskDialogRequest& s = ui.shown[0];
  EXPECT_EQ(s.buttons, (std::vector<TaskButton>{{1, UiText::Res(3)}}));
  EXPECT_EQ(s.commonButtons, tdcbf::kCancel);
  EXPECT_EQ(s.defaultButton, button_id::kCancel);
  EXPECT_EQ(s.icon, TaskIcon::kWarning);
  EXPECT_EQ(s.verification, UiText::Res(408));

  EXPECT_EQ(AskProceed(ui, UiText::Res(1), {}, UiText::Res(3), TaskIcon::kWarning, nullptr), 2);
  EXPECT_FALSE(ui.shown[1].verification);
}

TEST(AskChoice, RadioChoiceOnOkNothingOnCancel) {
  FakeMessageUi ui;
  ui.answers = {{button_id::kOk, kChoiceRadio2, true}, {button_id::kCancel, kChoiceRadio1, false}};
  bool box = false;
  EXPECT_EQ(AskChoice(ui, UiText::Res(445), UiText::Res(446), UiText::Res(447), 1, &box), 2);
  EXPECT_TRUE(box);
  const TaskDialogRequest& s = ui.shown[0];
  EXPECT_EQ(s.radioButtons,
            (std::vector<TaskButton>{{1001, UiText::Res(446)}, {1002, UiText::Res(447)}}));
  EXPECT_EQ(s.defaultRadioButton, 1001);
  EXPECT_EQ(s.commonButtons, tdcbf::kOk | tdcbf::kCancel);
  EXPECT_EQ(s.defaultButton, button_id::kOk);
  EXPECT_EQ(s.verification, UiText::Res(408));
  EXPECT_EQ(AskChoice(ui, UiText::Res(445), UiText::Res(446), UiText::Res(447), 2, nullptr), 0);
  EXPECT_EQ(ui.shown[1].defaultRadioButton, 1002);
}

class FakeTexts : public ErrorTextSource {
 public:
  std::map<uint32_t, std::u16string> strings;
  std::map<uint32_t, std::u16string> system;
  std::u16string LoadText(uint32_t id) override {
    auto it = strings.find(id);
    return it == strings.end() ? u"" : it->second;
  }
  std::optional<std::u16string> SystemMessage(uint32_t code) override {
    auto it = system.find(code);
    if (it == system.end()) return std::nullopt;
    return it->second;
  }
};

TEST(ErrorText, LibraryCodesGiveTheirStringAndIgnoreTheArgument) {
  FakeTexts t;
  t.strings = {{438, u"Plug-in %1 failed"}, {439, u"a"}, {808, u"b"}, {388, u"c"}};
  std::u16string arg = u"x.dll";
  EXPECT_EQ(GetErrorText(t, 0xA0000021, &arg), u"Plug-in %1 failed");
  EXPECT_EQ(GetErrorText(t, 0x20000004, nullptr), u"a");
  EXPECT_EQ(GetErrorText(t, 0xA0000026, nullptr), u"b");
  EXPECT_EQ(GetErrorText(t, 0xA0000008, nullptr), u"c");
  EXPECT_EQ(GetErrorText(t, 0xA0000016, nullptr), u"") << "a missing string is an empty text";
  t.strings[766] = std::u16string(400, u's');
  EXPECT_EQ(GetErrorText(t, 0xA0000016, nullptr)->size(), 259u);
  EXPECT_EQ(ErrorStringId(0xA0000019), std::nullopt);
}

TEST(ErrorText, SystemTextsTakeTheArgumentOnlyForErrors129To218) {
  FakeTexts t;
  t.system = {{2, u"The file %1 was not found."},
              {128, u"No child %1."},
              {129, u"%1 cannot run in Win32 mode."},
              {193, u"%1 is not a valid application. %1"},
              {218, u"End %1"},
              {219, u"After %1"}};
  std::u16string arg = u"tool.exe";
  EXPECT_EQ(GetErrorText(t, 2, &arg), u"The file %1 was not found.");
  EXPECT_EQ(GetErrorText(t, 128, &arg), u"No child %1.");
  EXPECT_EQ(GetErrorText(t, 129, &arg), u"tool.exe cannot run in Win32 mode.");
  EXPECT_EQ(GetErrorText(t, 193, &arg), u"tool.exe is not a valid application. %1");
  EXPECT_EQ(GetErrorText(t, 218, &arg), u"End tool.exe");
  EXPECT_EQ(GetErrorText(t, 219, &arg), u"After %1");
  EXPECT_EQ(GetErrorText(t, 193, nullptr), u"%1 is not a valid application. %1");
  EXPECT_EQ(GetErrorText(t, 5, &arg), std::nullopt);
}

TEST(ErrorText, InsertedArgumentIsBoundedByTheRebuiltBlock) {
  FakeTexts t;
  t.system = {{193, u"%1!"}};
  std::u16string arg(500, u'p');
  std::optional<std::u16string> text = GetErrorText(t, 193, &arg);
  ASSERT_TRUE(text);
  EXPECT_EQ(text->size(), 3u + 259u);
}

TEST(ShowError, WarningWithTheTextAndArgumentNothingForCodeZero) {
  FakeMessageUi ui;
  FakeTexts t;
  t.system = {{5, u"Access is denied."}};
  std::u16string arg = u"C:\\x";
  ShowError(ui, t, 0, &arg);
  ShowError(ui, t, 77, &arg);
  EXPECT_TRUE(ui.shown.empty());
  ShowError(ui, t, 5, &arg);
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].mainInstruction, UiText::Of(u"Access is denied."));
  EXPECT_EQ(ui.shown[0].content, UiText::Of(u"C:\\x"));
  EXPECT_EQ(ui.shown[0].icon, TaskIcon::kWarning);
}

TEST(ShowOpenFailure, AddressThenExtraAfterOneBlank) {
  FakeMessageUi ui;
  std::u16string extra = u"(help)";
  ShowOpenFailure(ui, u"https://a", &extra);
  ShowOpenFailure(ui, u"https://b", nullptr);
  EXPECT_EQ(ui.shown[0].content, UiText::Of(u"https://a (help)"));
  EXPECT_EQ(ui.shown[1].content, UiText::Of(u"https://b"));
  EXPECT_EQ(ui.shown[1].mainInstruction, UiText::Res(1105));
}

}  // namespace
}  // namespace scrv
