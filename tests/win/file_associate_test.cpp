// DoFileAssociate end to end in the test prefix's real registry: adding, editing and deleting
// associations, the questions on the way, machine-wide entries that only the administration
// tool removes, and the confirmation in INI mode. The shell's notice and the tool's start are
// recorded instead of made.

#include <gtest/gtest.h>

#include "dialog_chain.h"
#include "dialog_test_support.h"
#include "key_dialog_steps.h"
#include "resource_ids.h"
#include "scrvdlgs_api.h"
#include "system_calls_recorder.h"
#include "test_support.h"

using namespace testing_support;
using dialog_chain::OnNextDialog;
using namespace key_dialog_steps;

namespace {

constexpr wchar_t kClasses[] = L"Software\\Classes\\";

std::wstring Value(HKEY root, const std::wstring& key, const wchar_t* name = nullptr) {
  wchar_t data[1024] = {};
  DWORD size = sizeof data;
  if (RegGetValueW(root, (kClasses + key).c_str(), name, RRF_RT_REG_SZ, nullptr, data, &size) !=
      ERROR_SUCCESS)
    return L"<missing>";
  return data;
}

bool KeyExists(HKEY root, const std::wstring& key) {
  HKEY k = nullptr;
  if (RegOpenKeyExW(root, (kClasses + key).c_str(), 0, KEY_READ, &k) != ERROR_SUCCESS) return false;
  RegCloseKey(k);
  return true;
}

void Put(HKEY root, const std::wstring& key, const std::wstring& data,
         const wchar_t* name = nullptr) {
  RegSetKeyValueW(root, (kClasses + key).c_str(), name, REG_SZ, data.c_str(),
                  static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t)));
}

// An association of the editor as an installation leaves it.
void PutAssociation(HKEY root, const std::wstring& extension, const std::wstring& program,
                    const std::wstring& icon) {
  const std::wstring progId = L"scrivlet64." + extension;
  Put(root, progId, extension + L" document");
  Put(root, progId + L"\\shell\\open\\command", program + L" \"%1\"");
  Put(root, progId + L"\\DefaultIcon", icon);
}

// Every key the tests plant or the dialogs write.
void RemoveTestKeys() {
  for (const wchar_t* key :
       {L".txt", L"scrivlet64.txt", L".scrvtst", L"scrivlet64.scrvtst", L"Other.Type",
        L"scrivlet64.scrvone", L"scrivlet64.scworkspace", L"scrivlet64.scrvother",
        L"scrivlet64.scrvnoicon", L"scrivlet64.log", L"scrivlet64.scrvlong", L"Scrivlet64.scrvcase",
        L"scriv_x", L"scrivlet64_z", L"scrivlet64"})
    RegDeleteTreeW(HKEY_CURRENT_USER, (kClasses + std::wstring(key)).c_str());
  RegDeleteTreeW(HKEY_LOCAL_MACHINE, (kClasses + std::wstring(L"scrivlet64.scrvmw")).c_str());
}

class FileAssociate : public ::testing::Test {
 protected:
  void SetUp() override { RemoveTestKeys(); }
  void TearDown() override { RemoveTestKeys(); }

  void Open(const std::function<void(HWND)>& script) {
    auto r = RunDialog(
        [&] {
          DoFileAssociate(host.Hwnd(), nullptr);
          return static_cast<INT_PTR>(0);
        },
        script);
    EXPECT_TRUE(r.scriptRan);
    EXPECT_FALSE(r.timedOut);
    EXPECT_TRUE(dialog_chain::AllStepsRan());
  }
  // Opens the properties (Add or Properties) and runs `step` in them.
  void InProperties(HWND list, int button, const std::function<void(HWND)>& step) {
    OnNextDialog(list, step);
    Click(list, button);
  }
  // Answers the next question with `button` and tells what it said.
  void Answer(HWND over, int button, std::wstring* shown = nullptr) {
    OnNextDialog(over, [=](HWND question) {
      if (shown) *shown = dialog_test::WindowText(question) + L"|" + QuestionTexts(question);
      Click(question, button);
    });
  }
  static std::wstring QuestionTexts(HWND question) {
    std::wstring all;
    for (const wchar_t* cls : {L"Static", L"SysLink"})
      for (HWND w : dialog_test::ChildrenOfClass(question, cls))
        all += dialog_test::WindowText(w) + L"|";
    return all;
  }

  dialog_test::InProcessModule module;
  trust_test::SystemCallsRecorder system;
  FakeHost host;
  const std::wstring program = BinFolder() + L"scrivlet.exe";
  const std::wstring icons = BinFolder() + L"scrvres.dll";
};

TEST_F(FileAssociate, AddingTxtWritesItsEntriesAndDeletingItRemovesTheExtension) {
  std::wstring extension, description;
  int iconCount = 0;
  Open([&](HWND list) {
    InProperties(list, IDC_ASSOC_ADD, [&](HWND props) {
      EXPECT_FALSE(Enabled(props, IDOK));
      EXPECT_EQ(Text(props, IDC_ASSOC_REASON), L"Type an extension, such as txt.");
      SetText(props, IDC_ASSOC_ICON_FILE, L"");
      SetText(props, IDC_ASSOC_EXTENSION, L"exe");
      EXPECT_EQ(Text(props, IDC_ASSOC_REASON),
                L"Programs and workspaces cannot be opened with the editor.");
      SetText(props, IDC_ASSOC_EXTENSION, L"TXT");
      EXPECT_EQ(Text(props, IDC_ASSOC_REASON), L"Choose an icon file (Browse).");
      SetText(props, IDC_ASSOC_ICON_FILE, icons);
      SetFocus(GetDlgItem(props, IDC_ASSOC_DESCRIPTION));  // leaving the field normalises it
      extension = Text(props, IDC_ASSOC_EXTENSION);
      description = Text(props, IDC_ASSOC_DESCRIPTION);
      iconCount = static_cast<int>(SendDlgItemMessageW(props, IDC_ASSOC_ICONS, LB_GETCOUNT, 0, 0));
      EXPECT_EQ(Text(props, IDC_ASSOC_ICON_FILE), icons);
      EXPECT_TRUE(Enabled(props, IDOK));
      EXPECT_EQ(Text(props, IDC_ASSOC_REASON), L"");
      Click(props, IDOK);
    });
    EXPECT_EQ(Rows(list), L".txt");
    EXPECT_EQ(RowText(list, 0, 1), L"TXT File");
    EXPECT_EQ(SelectedRows(list), std::vector<int>{0});
    EXPECT_EQ(Value(HKEY_CURRENT_USER, L".txt"), L"scrivlet64.txt");
    EXPECT_EQ(Value(HKEY_CURRENT_USER, L".txt\\scrivlet64.txt\\ShellNew", L"NullFile"), L"");
    EXPECT_EQ(Value(HKEY_CURRENT_USER, L"scrivlet64.txt"), L"TXT File");
    EXPECT_EQ(Value(HKEY_CURRENT_USER, L"scrivlet64.txt", L"OrgFileType"), L"<missing>");
    EXPECT_EQ(Value(HKEY_CURRENT_USER, L"scrivlet64.txt\\DefaultIcon"), icons + L",0");
    EXPECT_EQ(Value(HKEY_CURRENT_USER, L"scrivlet64.txt\\shell\\open\\command"),
              program + L" \"%1\"");
    EXPECT_EQ(Value(HKEY_CURRENT_USER, L"scrivlet64.txt\\shell\\print\\command"),
              program + L" /p \"%1\"");
    std::wstring question;
    Answer(list, IDOK, &question);
    Click(list, IDC_ASSOC_DELETE);
    EXPECT_NE(question.find(L".txt"), std::wstring::npos);
    EXPECT_EQ(RowCount(list), 0);
    Click(list, IDC_ASSOC_CLOSE);
  });
  EXPECT_EQ(extension, L".txt");
  EXPECT_EQ(description, L"TXT File");
  EXPECT_EQ(iconCount, 2);
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, L".txt"));
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, L"scrivlet64.txt"));
  EXPECT_EQ(system.associationNotices, 2);
}

TEST_F(FileAssociate, TakingAnotherProgramsTypeAsksAndRemovalPutsItBack) {
  Put(HKEY_CURRENT_USER, L".scrvtst", L"Other.Type");
  Put(HKEY_CURRENT_USER, L"Other.Type", L"Other Document");
  std::wstring question;
  Open([&](HWND list) {
    InProperties(list, IDC_ASSOC_ADD, [&](HWND props) {
      SetText(props, IDC_ASSOC_EXTENSION, L".scrvtst");
      Answer(props, IDNO, &question);
      Click(props, IDOK);
      EXPECT_FALSE(
          KeyExists(HKEY_CURRENT_USER, L"scrivlet64.scrvtst"));  // still open, nothing written
      Answer(props, IDYES);
      Click(props, IDOK);
    });
    EXPECT_EQ(Value(HKEY_CURRENT_USER, L"scrivlet64.scrvtst", L"OrgFileType"), L"Other.Type");
    EXPECT_EQ(Value(HKEY_CURRENT_USER, L"scrivlet64.scrvtst"), L"SCRVTST File");
    Answer(list, IDOK);
    Click(list, IDC_ASSOC_DELETE);
    Click(list, IDC_ASSOC_CLOSE);
  });
  EXPECT_NE(question.find(L"Other Document"), std::wstring::npos);
  EXPECT_EQ(Value(HKEY_CURRENT_USER, L".scrvtst"), L"Other.Type");
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, L".scrvtst\\scrivlet64.scrvtst"));
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, L"scrivlet64.scrvtst"));
}

TEST_F(FileAssociate, ReservedAndListedExtensionsAreRefusedAndEditingKeepsTheExtension) {
  PutAssociation(HKEY_CURRENT_USER, L"scrvone", program, icons + L",1");
  std::wstring refusal;
  Open([&](HWND list) {
    InProperties(list, IDC_ASSOC_ADD, [&](HWND props) {
      SetText(props, IDC_ASSOC_EXTENSION, L"exe");
      EXPECT_FALSE(Enabled(props, IDOK));
      SetText(props, IDC_ASSOC_EXTENSION, L"SCRVONE");
      Answer(props, IDOK, &refusal);
      Click(props, IDOK);
      Click(props, IDCANCEL);
    });
    InProperties(list, IDC_ASSOC_PROPERTIES, [&](HWND props) {
      EXPECT_FALSE(Enabled(props, IDC_ASSOC_EXTENSION));
      EXPECT_EQ(dialog_test::WindowText(props), L"File Type .scrvone");
      EXPECT_EQ(SendDlgItemMessageW(props, IDC_ASSOC_ICONS, LB_GETCURSEL, 0, 0), 1);
      SetText(props, IDC_ASSOC_DESCRIPTION, L"Notes");
      SendDlgItemMessageW(props, IDC_ASSOC_ICONS, LB_SETCURSEL, 0, 0);
      Click(props, IDOK);
    });
    EXPECT_EQ(RowText(list, 0, 1), L"Notes");
    Click(list, IDC_ASSOC_CLOSE);
  });
  EXPECT_NE(refusal.find(L"already"), std::wstring::npos);
  EXPECT_EQ(Value(HKEY_CURRENT_USER, L"scrivlet64.scrvone"), L"Notes");
  EXPECT_EQ(Value(HKEY_CURRENT_USER, L"scrivlet64.scrvone\\DefaultIcon"), icons + L",0");
  EXPECT_EQ(system.associationNotices, 1);
}

TEST_F(FileAssociate, ListKeepsOnlyThisCopysAssociationsWithIconsAndGuardsSpecialOnes) {
  PutAssociation(HKEY_CURRENT_USER, L"scworkspace", program, icons + L",0");
  PutAssociation(HKEY_CURRENT_USER, L"scrvother", L"C:\\Other\\scrivlet.exe", icons + L",0");
  PutAssociation(HKEY_CURRENT_USER, L"scrvnoicon", program, L"C:\\missing.ico,0");
  // A command longer than the usual entry is still read whole.
  PutAssociation(HKEY_CURRENT_USER, L"scrvlong", std::wstring(600, L' ') + program, icons + L",0");
  PutAssociation(HKEY_LOCAL_MACHINE, L"scrvmw", L"\"" + program + L"\"", icons + L",1");
  // The prefix is exact; keys that sort around it differently under either case order are
  // neither missed nor taken.
  Put(HKEY_CURRENT_USER, L"Scrivlet64.scrvcase\\shell\\open\\command", program + L" \"%1\"");
  Put(HKEY_CURRENT_USER, L"Scrivlet64.scrvcase\\DefaultIcon", icons + L",0");
  for (const wchar_t* key : {L"scriv_x", L"scrivlet64_z", L"scrivlet64"})
    Put(HKEY_CURRENT_USER, key, L"x");
  Open([&](HWND list) {
    EXPECT_EQ(Rows(list), L".scrvmw|.scrvlong|.scworkspace");  // the machine's first
    EXPECT_FALSE(Enabled(list, IDC_ASSOC_PROPERTIES));
    EXPECT_TRUE(Enabled(list, IDC_ASSOC_DELETE));
    SelectRows(list, {2});
    EXPECT_FALSE(Enabled(list, IDC_ASSOC_PROPERTIES));
    EXPECT_FALSE(Enabled(list, IDC_ASSOC_DELETE));
    Click(list, IDC_ASSOC_CLOSE);
  });
}

TEST_F(FileAssociate, MachineWideEntryGoesOnlyThroughTheCheckedAdministrationTool) {
  PutAssociation(HKEY_LOCAL_MACHINE, L"scrvmw", program, icons + L",1");
  system.attributes = [](const wchar_t*) -> DWORD { return FILE_ATTRIBUTE_NORMAL; };
  system.verdict = 0;
  Open([&](HWND list) {
    Answer(list, IDOK);
    Click(list, IDC_ASSOC_DELETE);  // the tool cannot be started: the entry stays
    EXPECT_EQ(Rows(list), L".scrvmw");
    system.launch = [](SHELLEXECUTEINFOW* info) {
      return trust_test::StartExitingProcess(info, 0);
    };
    Answer(list, IDOK);
    Click(list, IDC_ASSOC_DELETE);
    EXPECT_EQ(RowCount(list), 0);
    Click(list, IDC_ASSOC_CLOSE);
  });
  ASSERT_EQ(system.launches.size(), 2u);
  EXPECT_EQ(system.launches[1].file, BinFolder() + L"scadmin.exe");
  EXPECT_EQ(system.launches[1].parameters, L"/d \"scrvmw\"");
  EXPECT_EQ(system.launches[1].mask, static_cast<DWORD>(SEE_MASK_NOCLOSEPROCESS));
  ASSERT_EQ(system.trustCalls.size(), 2u);
  EXPECT_EQ(system.trustCalls[0].path, BinFolder() + L"scadmin.exe");
  // The user's tree was not touched; the machine's entry is the tool's to remove.
  EXPECT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, L"scrivlet64.scrvmw"));
  EXPECT_EQ(system.associationNotices, 1);
}

TEST(FileAssociateIniMode, ConfirmationComesFirstAndCancelOpensNothing) {
  AppFolder folder(true);
  Library lib(folder.Path());
  auto fn = lib.Get<decltype(&DoFileAssociate)>("DoFileAssociate");
  ASSERT_NE(fn, nullptr);
  FakeHost host;
  for (int button : {IDCANCEL, IDOK}) {
    bool listShown = false;
    auto r = RunDialog(
        [&] {
          fn(host.Hwnd(), nullptr);
          return static_cast<INT_PTR>(0);
        },
        [&](HWND question) {
          if (button == IDOK)
            OnNextDialog(question, [&](HWND list) {
              listShown = GetDlgItem(list, IDC_ASSOC_LIST) != nullptr;
              Click(list, IDC_ASSOC_CLOSE);
            });
          Click(question, button);
        });
    EXPECT_TRUE(r.scriptRan);
    EXPECT_FALSE(r.timedOut);
    EXPECT_EQ(listShown, button == IDOK);
  }
}

}  // namespace
