// The keyboard letters of the tool and integration dialogs, read from the compiled templates and
// strings: no two controls of one dialog share a letter, and the check-all box keeps its letter
// when the check list sets its caption at run time.

#include <gtest/gtest.h>

#include <map>

#include "associate_ids.h"
#include "controls_ids.h"
#include "filter_ids.h"
#include "frame/dialog_template.h"
#include "integration_ids.h"
#include "jump_ids.h"
#include "keys_ids.h"
#include "plugin_ids.h"
#include "resource_file.h"
#include "text_tools_ids.h"
#include "tools_ids.h"

namespace scrv {
namespace {

using testing_res::ResourceFile;

// The letter after the first single "&", lower case; 0 without one.
char16_t Mnemonic(const std::u16string& text) {
  for (size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != u'&') continue;
    if (text[i + 1] != u'&') {
      const char16_t c = text[i + 1];
      return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
    }
    ++i;
  }
  return 0;
}

TEST(ToolMnemonics, NoTwoControlsOfADialogShareALetter) {
  if (!ResourceFile::Localisation().Loaded()) GTEST_SKIP() << "no compiled localisation module";
  const char16_t checkAll = Mnemonic(ResourceFile::Localisation().String(IDS_CHECK_ALL));
  ASSERT_NE(checkAll, 0);
  EXPECT_EQ(Mnemonic(ResourceFile::Localisation().String(IDS_CHECK_SELECTED)), checkAll);
  for (uint32_t dialog :
       {IDD_JUMP, IDD_NUMBER_RANGE, IDD_ADVANCED_FILTER, IDD_SORT_MULTI, IDD_DELETE_DUPLICATES,
        IDD_JOIN_CSV, IDD_EXTRACT_COLUMNS, IDD_EXTRACT_FREQUENT, IDD_CONVERT, IDD_CODE_PAGE,
        IDD_PLUGINS, IDD_FILE_ASSOCIATE, IDD_ASSOCIATE_PROPERTIES, IDD_TRAY, IDD_START_OPTIONS,
        IDD_ABOUT}) {
    const std::vector<uint8_t>* bytes = ResourceFile::Localisation().Dialog(dialog);
    ASSERT_TRUE(bytes) << dialog;
    std::optional<DialogTemplateText> text = ReadDialogTemplateText(bytes->data(), bytes->size());
    ASSERT_TRUE(text) << dialog;
    std::map<char16_t, uint32_t> owner;
    for (const TemplateControl& control : text->controls) {
      const char16_t letter = Mnemonic(control.title);
      // (The code page dialog's 1734 is a note, not a check-all box.)
      if (control.id == IDC_CHECK_ALL && dialog != IDD_CODE_PAGE) EXPECT_EQ(letter, checkAll);
      if (!letter) continue;
      auto [it, fresh] = owner.emplace(letter, control.id);
      EXPECT_TRUE(fresh) << dialog << ": " << control.id << " and " << it->second << " share '"
                         << static_cast<char>(letter) << "'";
    }
  }
}

}  // namespace
}  // namespace scrv
