#include "tools/macro_literal.h"

#include <cstdio>

namespace scrv {
namespace {

void AppendAscii(std::u16string& out, const char* s) {
  while (*s) out += static_cast<char16_t>(*s++);
}

std::u16string JavaScriptLiteral(std::u16string_view text) {
  std::u16string out = u"\"";
  for (char16_t c : text) {
    if (c == u'\\') {
      out += u"\\\\";
    } else if (c < 32 || c == u'"' || c == 127 || c == u'\'') {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\x%02x", static_cast<unsigned>(c));
      AppendAscii(out, buf);
    } else {
      out += c;
    }
  }
  out += u'"';
  return out;
}

std::u16string VBScriptLiteral(std::u16string_view text) {
  std::u16string out = u"\"";
  // True while `out` ends with a quote that opened a run nothing has been added to yet.
  bool emptyRun = true;
  for (char16_t c : text) {
    if (c < 32 || c == u'"' || c == 127) {
      char buf[32];
      if (emptyRun) {
        out.pop_back();
        std::snprintf(buf, sizeof buf, "Chr(%u) & \"", static_cast<unsigned>(c));
      } else {
        std::snprintf(buf, sizeof buf, "\" & Chr(%u) & \"", static_cast<unsigned>(c));
      }
      AppendAscii(out, buf);
      emptyRun = true;
    } else {
      out += c;
      emptyRun = false;
    }
  }
  if (emptyRun && !text.empty()) {
    // The text ended with a Chr(n) term: drop the run that was opened after it (' & "').
    out.resize(out.size() - 4);
  } else {
    out += u'"';
  }
  return out;
}

}  // namespace

std::u16string MacroStringLiteral(std::u16string_view text, MacroLanguage language) {
  return language == MacroLanguage::kJavaScript ? JavaScriptLiteral(text) : VBScriptLiteral(text);
}

}  // namespace scrv
