// The pseudo-localised language the tests and the gallery run in, against the real module it is
// made from: every string and every template text is there, at least 40 % longer and between
// brackets (so that a text cut short shows), with the same keyboard letter and the same format
// fields; the pieces the code reads (file patterns, addresses, shortcuts) are unchanged.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "frame/dialog_template.h"
#include "resource_file.h"

namespace scrv {
namespace {

using testing_res::ResourceFile;

std::string Narrow(const std::u16string& s) {
  std::string out;
  for (char16_t c : s) out += c < 128 ? static_cast<char>(c) : '?';
  return out;
}

// The letter after the first single "&"; 0 without one.
char16_t Letter(const std::u16string& s) {
  for (size_t i = 0; i + 1 < s.size(); ++i)
    if (s[i] == u'&') {
      if (s[i + 1] != u'&') return s[i + 1];
      ++i;
    }
  return 0;
}

// The format fields in order: "%" with its digits and its letter ("%1", "%d", "%ls", "%%").
std::vector<std::u16string> Fields(const std::u16string& s) {
  std::vector<std::u16string> out;
  for (size_t i = 0; i < s.size(); ++i) {
    if (s[i] != u'%') continue;
    size_t end = i + 1;
    while (end < s.size() && (s[end] == u'%' || (s[end] >= u'0' && s[end] <= u'9') ||
                              s[end] == u'l' || s[end] == u'.'))
      ++end;
    if (end < s.size() && ((s[end] >= u'a' && s[end] <= u'z') || (s[end] >= u'A' && s[end] <= u'Z')))
      ++end;  // the letter of "%d", "%ls"
    out.push_back(s.substr(i, end - i));
    i = end - 1;
  }
  return out;
}

// Pieces between line feeds, tabs and bars, which the code splits texts at.
std::vector<std::u16string> Pieces(const std::u16string& s) {
  std::vector<std::u16string> out(1);
  for (char16_t c : s)
    if (c == u'\n' || c == u'\t' || c == u'|') out.emplace_back(1, c);
    else out.back() += c;
  return out;
}

size_t Visible(const std::u16string& s) {
  size_t n = 0;
  for (size_t i = 0; i < s.size(); ++i) n += s[i] != u'&' || (i + 1 < s.size() && s[++i] == u'&');
  return n;
}

// One text of the real module and its pseudo-localised form.
void ExpectPseudo(const std::u16string& real, const std::u16string& pseudo, const std::string& at) {
  SCOPED_TRACE(at + ": \"" + Narrow(real) + "\" -> \"" + Narrow(pseudo) + "\"");
  EXPECT_EQ(Letter(pseudo), Letter(real));
  EXPECT_EQ(Fields(pseudo), Fields(real));
  const std::vector<std::u16string> a = Pieces(real), b = Pieces(pseudo);
  ASSERT_EQ(a.size(), b.size());
  for (size_t i = 0; i < a.size(); ++i) {
    std::u16string r = a[i], p = b[i];
    if (i > 0) r.erase(0, 1), p.erase(0, 1);  // the separator
    const bool read = r.empty() || r.find(u'*') != r.npos || r.find(u"://") != r.npos ||
                      r.find(u'+') != r.npos;
    if (read && p == r) continue;
    ASSERT_GE(p.size(), 2u);
    EXPECT_EQ(p.front(), u'[');
    EXPECT_EQ(p.back(), u']');
    EXPECT_GE(Visible(p) * 10, Visible(r) * 14) << "piece " << i;
  }
}

TEST(PseudoLocalisation, EveryTextIsLongerAndKeepsWhatTheCodeReads) {
  const ResourceFile& real = ResourceFile::Localisation();
  const ResourceFile& pseudo = ResourceFile::PseudoLocalisation();
  if (!real.Loaded() || !pseudo.Loaded()) GTEST_SKIP() << "no compiled localisation module";
  ASSERT_EQ(pseudo.Strings().size(), real.Strings().size());
  for (const auto& [id, text] : real.Strings())
    ExpectPseudo(text, pseudo.String(id), "string " + std::to_string(id));
  ASSERT_EQ(pseudo.Dialogs().size(), real.Dialogs().size());
  size_t controls = 0;
  for (const auto& [id, bytes] : real.Dialogs()) {
    const std::vector<uint8_t>* other = pseudo.Dialog(id);
    ASSERT_TRUE(other) << id;
    const auto a = ReadDialogTemplateText(bytes.data(), bytes.size());
    const auto b = ReadDialogTemplateText(other->data(), other->size());
    ASSERT_TRUE(a && b) << id;
    ExpectPseudo(a->caption, b->caption, "dialog " + std::to_string(id));
    ASSERT_EQ(a->controls.size(), b->controls.size()) << id;
    for (size_t i = 0; i < a->controls.size(); ++i, ++controls) {
      EXPECT_EQ(a->controls[i].className, b->controls[i].className);
      ExpectPseudo(a->controls[i].title, b->controls[i].title,
                   "dialog " + std::to_string(id) + " control " + std::to_string(i));
    }
  }
  EXPECT_GT(controls, 500u);
}

}  // namespace
}  // namespace scrv
