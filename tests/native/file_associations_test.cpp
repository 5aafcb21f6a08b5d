#include "integration/file_associations.h"

#include <gtest/gtest.h>

#include <map>

namespace scrv {
namespace {

const AsciiTextCase kCase;
constexpr std::u16string_view kProgram = u"C:\\Program Files\\Scrivlet\\scrivlet.exe";
constexpr std::u16string_view kQuoted = u"\"C:\\Program Files\\Scrivlet\\scrivlet.exe\"";

// Two trees of keys (paths compared without regard to case, as the registry does); the merged
// view reads a key from the user's tree when it is there, else from the machine's.
class MemoryClasses : public ClassesRegistry {
 public:
  struct Value {
    bool isString = true;
    std::u16string data;
  };
  struct Key {
    std::u16string name;  // as created
    std::map<std::u16string, Value> values;
  };
  using Tree = std::map<std::u16string, Key>;  // by lower-case path

  Tree user, machine;

  void Put(Tree& tree, std::u16string_view key, std::u16string_view name, std::u16string_view data,
           bool isString = true) {
    Create(tree, key);
    tree[kCase.Lower(key)].values[kCase.Lower(name)] = {isString, std::u16string(data)};
  }
  const Value* Get(const Tree& tree, std::u16string_view key, std::u16string_view name = {}) const {
    auto k = tree.find(kCase.Lower(key));
    if (k == tree.end()) return nullptr;
    auto v = k->second.values.find(kCase.Lower(name));
    return v == k->second.values.end() ? nullptr : &v->second;
  }
  bool Has(const Tree& tree, std::u16string_view key) const {
    return tree.count(kCase.Lower(key)) != 0;
  }

  std::vector<std::u16string> SubKeyNames(ClassesTree tree, std::u16string_view prefix) override {
    std::vector<std::u16string> names;
    for (const auto& [path, key] : Pick(tree))
      if (path.find(u'\\') == std::u16string::npos && key.name.starts_with(prefix))
        names.push_back(key.name);
    return names;
  }
  std::optional<std::u16string> ReadString(ClassesTree tree, std::u16string_view key,
                                           std::u16string_view name) override {
    const Tree& t = tree == ClassesTree::kMerged ? (Has(user, key) ? user : machine) : Pick(tree);
    const Value* v = Get(t, key, name);
    if (!v || !v->isString) return std::nullopt;
    return v->data;
  }
  bool WriteString(std::u16string_view key, std::u16string_view name,
                   std::u16string_view data) override {
    Put(user, key, name, data);
    return true;
  }
  bool CreateKey(std::u16string_view key) override {
    Create(user, key);
    return true;
  }
  bool DeleteTree(std::u16string_view key) override {
    std::u16string lower = kCase.Lower(key);
    std::erase_if(user, [&](const auto& kv) {
      return kv.first == lower || kv.first.starts_with(lower + u"\\");
    });
    return true;
  }

 private:
  Tree& Pick(ClassesTree tree) { return tree == ClassesTree::kMachine ? machine : user; }
  void Create(Tree& tree, std::u16string_view key) {
    for (size_t end = 0; end != std::u16string_view::npos;) {
      end = key.find(u'\\', end + 1);
      std::u16string_view part = key.substr(0, end);
      Key& k = tree[kCase.Lower(part)];
      if (k.name.empty()) k.name = std::u16string(part.substr(part.rfind(u'\\') + 1));
    }
  }
};

class Associations : public ::testing::Test {
 protected:
  // An association as another copy of the editor (or an earlier version) left it.
  void PutAssociation(MemoryClasses::Tree& tree, std::u16string_view ext,
                      std::u16string_view command, std::u16string_view icon,
                      std::u16string_view description = u"Text") {
    std::u16string p = ProgIdOf(ext);
    reg.Put(tree, p, {}, description);
    reg.Put(tree, p + u"\\shell\\open\\command", {}, command);
    reg.Put(tree, p + u"\\DefaultIcon", {}, icon);
  }
  std::u16string User(std::u16string_view key, std::u16string_view name = {}) {
    const MemoryClasses::Value* v = reg.Get(reg.user, key, name);
    return v ? v->data : u"<missing>";
  }
  MemoryClasses reg;
  Association txt{u"txt", u"C:\\icons.dll", u"Text Document", 3, false};
};

TEST_F(Associations, WriteCreatesTheWholeLayoutAndKeepsThePreviousType) {
  reg.Put(reg.machine, u".txt", {}, u"txtfile");
  ASSERT_TRUE(WriteAssociation(reg, txt, kProgram));
  EXPECT_EQ(User(u".txt"), u"scrivlet64.txt");
  EXPECT_TRUE(reg.Has(reg.user, u".txt\\scrivlet64.txt"));
  EXPECT_EQ(User(u".txt\\scrivlet64.txt\\ShellNew", u"NullFile"), u"");
  EXPECT_EQ(User(u"scrivlet64.txt"), u"Text Document");
  EXPECT_EQ(User(u"scrivlet64.txt", u"OrgFileType"), u"txtfile");
  EXPECT_EQ(User(u"scrivlet64.txt\\DefaultIcon"), u"C:\\icons.dll,3");
  EXPECT_EQ(User(u"scrivlet64.txt\\shell\\open\\command"), std::u16string(kQuoted) + u" \"%1\"");
  EXPECT_EQ(User(u"scrivlet64.txt\\shell\\print\\command"),
            std::u16string(kQuoted) + u" /p \"%1\"");
}

TEST_F(Associations, WriteWithoutPreviousTypeOrOverItsOwnWritesNoOrgFileTypeAndNoShellNew) {
  Association log{u"log", u"C:\\i.ico", u"Log", -2, false};
  ASSERT_TRUE(WriteAssociation(reg, log, u"C:\\Scrivlet\\scrivlet.exe"));
  EXPECT_EQ(User(u"scrivlet64.log", u"OrgFileType"), u"<missing>");
  EXPECT_FALSE(reg.Has(reg.user, u".log\\scrivlet64.log\\ShellNew"));
  EXPECT_EQ(User(u"scrivlet64.log\\DefaultIcon"), u"C:\\i.ico,-2");
  EXPECT_EQ(User(u"scrivlet64.log\\shell\\open\\command"), u"C:\\Scrivlet\\scrivlet.exe \"%1\"");
  // editing it again: the previous type is the editor's own and is not recorded
  ASSERT_TRUE(WriteAssociation(reg, log, u"C:\\Scrivlet\\scrivlet.exe"));
  EXPECT_EQ(User(u"scrivlet64.log", u"OrgFileType"), u"<missing>");
}

TEST_F(Associations, RemovePutsThePreviousTypeBackAndRecreatesShellNewForTxt) {
  reg.Put(reg.user, u".txt", {}, u"txtfile");
  ASSERT_TRUE(WriteAssociation(reg, txt, kProgram));
  ASSERT_TRUE(RemoveAssociation(reg, u"txt"));
  EXPECT_FALSE(reg.Has(reg.user, u"scrivlet64.txt"));
  EXPECT_EQ(User(u".txt"), u"txtfile");
  EXPECT_FALSE(reg.Has(reg.user, u".txt\\scrivlet64.txt"));
  EXPECT_EQ(User(u".txt\\ShellNew", u"NullFile"), u"");
}

TEST_F(Associations, RemoveWithoutPreviousTypeDeletesTheExtensionKey) {
  Association log{u"log", u"C:\\i.ico", u"Log", 0, false};
  ASSERT_TRUE(WriteAssociation(reg, log, kProgram));
  ASSERT_TRUE(RemoveAssociation(reg, u"log"));
  EXPECT_TRUE(reg.user.empty());  // the extension's key and the identifier's key are gone
}

TEST_F(Associations, ListComesFromBothTreesWithTheOpenCommandCheck) {
  PutAssociation(reg.machine, u"txt", u"\"C:\\PROGRAM FILES\\SCRIVLET\\SCRIVLET.EXE\" \"%1\"",
                 u"C:\\m.dll,2", u"Machine text");
  PutAssociation(reg.user, u"txt", std::u16string(kQuoted) + u" \"%1\"", u"C:\\u.dll");
  PutAssociation(reg.user, u"csv", u"D:\\Other\\scrivlet.exe \"%1\"",
                 u"C:\\u.dll");                                          // another copy
  PutAssociation(reg.user, u"md", std::u16string(kQuoted), u"");         // no icon
  PutAssociation(reg.user, u"", std::u16string(kQuoted), u"C:\\u.dll");  // nothing after the prefix
  PutAssociation(reg.user, u"bad", std::u16string(kQuoted), u"C:\\u.dll");
  reg.Put(reg.user, u"scrivlet64.bad\\DefaultIcon", {}, u"x", false);       // wrong type
  reg.Put(reg.user, u"Scrivlet64.ini\\shell\\open\\command", {}, kQuoted);  // the prefix is exact
  std::vector<Association> list = ReadAssociations(reg, kProgram, kCase);
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(list[0], (Association{u"txt", u"C:\\m.dll", u"Machine text", 2, true}));
  EXPECT_EQ(list[1], (Association{u"txt", u"C:\\u.dll", u"Text", 0, false}));
}

TEST_F(Associations, OverlongTextsAreCutToTheirFields) {
  std::u16string ext(400, u'e');
  PutAssociation(reg.user, ext, kQuoted, std::u16string(600, u'i') + u",7",
                 std::u16string(300, u'd'));
  std::vector<Association> list = ReadAssociations(reg, kProgram, kCase);
  ASSERT_EQ(list.size(), 1u);
  EXPECT_EQ(list[0].extension.size(), 255u);
  EXPECT_EQ(list[0].iconFile.size(), 259u);
  EXPECT_EQ(list[0].description.size(), 255u);
  EXPECT_EQ(list[0].iconIndex, 7);
}

TEST(IconLocationText, IndexAfterTheLastComma) {
  struct Row {
    std::u16string_view text, file;
    int32_t index;
  } rows[] = {
      {u"C:\\a,b.dll,5", u"C:\\a,b.dll", 5},
      {u"C:\\x.ico", u"C:\\x.ico", 0},
      {u"x.dll,-101", u"x.dll", -101},
      {u"x.dll,junk", u"x.dll", 0},
      {u"x.dll,99999999999", u"x.dll", INT32_MAX},
  };
  for (const Row& r : rows) {
    IconLocation loc = ParseIconLocation(r.text);
    EXPECT_EQ(loc.file, r.file);
    EXPECT_EQ(loc.index, r.index);
  }
}

TEST(ExtensionRules, NormalisingLowerCasesAddsTheDotAndValidates) {
  struct Row {
    std::u16string_view typed, text;
    bool valid;
  } rows[] = {
      {u".TXT", u".txt", true},
      {u"Log", u".log", true},
      {u".", u".", false},
      {u"", u".", false},
      {u"a\\b", u".a\\b", false},
      {u"..x", u"..x", false},
      {u"my ext", u".my ext", false},
      {u"tar.gz", u".tar.gz", true},
  };
  for (const Row& r : rows) {
    NormalizedExtension e = NormalizeExtension(r.typed, kCase);
    EXPECT_EQ(e.text, r.text);
    EXPECT_EQ(e.valid, r.valid) << std::string(r.typed.begin(), r.typed.end());
  }
  EXPECT_EQ(NormalizeExtension(u"TXT", kCase).WithoutDot(), u"txt");
}

TEST(ExtensionRules, OkNeedsAValidFreeExtensionAnIconFileAndAnIconAndOnlyOwnEntriesAreEdited) {
  auto ok = [](std::u16string_view ext, std::u16string_view file, bool icon) {
    return CanAcceptAssociation(NormalizeExtension(ext, kCase), file, icon);
  };
  EXPECT_TRUE(ok(u"txt", u"C:\\i.dll", true));
  EXPECT_FALSE(ok(u"EXE", u"C:\\i.dll", true));
  EXPECT_FALSE(ok(u".com", u"C:\\i.dll", true));
  EXPECT_FALSE(ok(u"scworkspace", u"C:\\i.dll", true));
  EXPECT_FALSE(ok(u"txt", u"", true));
  EXPECT_FALSE(ok(u"txt", u"C:\\i.dll", false));
  EXPECT_FALSE(ok(u".", u"C:\\i.dll", true));
  // workspaces and machine-wide entries are not editable
  Association ws{u"scworkspace", u"x", u"", 0, false}, m{u"txt", u"x", u"", 0, true};
  EXPECT_FALSE(CanEditAssociation(ws));
  EXPECT_FALSE(CanDeleteAssociation(ws));
  EXPECT_FALSE(CanEditAssociation(m));
  EXPECT_TRUE(CanDeleteAssociation(m));
  EXPECT_TRUE(IsListed({m}, u"TXT", kCase));
}

TEST_F(Associations, QuestionNamesTheReplacedTypeUnlessItIsPlainTextOrOurOwn) {
  reg.Put(reg.machine, u".doc", {}, u"Word.Document.8");
  reg.Put(reg.machine, u"Word.Document.8", {}, u"Word Document");
  reg.Put(reg.machine, u".rtf", {}, u"rtffile");
  reg.Put(reg.machine, u".txt", {}, u"txtfile");
  reg.Put(reg.user, u".ini", {}, u"scrivlet64.ini");
  EXPECT_EQ(ReplacedTypeName(reg, u"doc", kCase), u"Word Document");
  EXPECT_EQ(ReplacedTypeName(reg, u"rtf", kCase), u"rtffile");
  EXPECT_FALSE(ReplacedTypeName(reg, u"txt", kCase));
  EXPECT_FALSE(ReplacedTypeName(reg, u"ini", kCase));
  EXPECT_FALSE(ReplacedTypeName(reg, u"new", kCase));
  EXPECT_EQ(FormatResourceText(u"Replace \"%s\"?", u"Word Document"),
            u"Replace \"Word Document\"?");
}

}  // namespace
}  // namespace scrv
