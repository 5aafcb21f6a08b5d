#include "frame/text_case_win.h"

#include <windows.h>

namespace scrv {
namespace {

class InvariantTextCase : public TextCase {
 public:
  std::u16string Lower(std::u16string_view text) const override {
    return Map(text, LCMAP_LOWERCASE);
  }
  std::u16string Upper(std::u16string_view text) const override {
    return Map(text, LCMAP_UPPERCASE);
  }

 private:
  // The mapping keeps every text's length (one unit for one unit).
  static std::u16string Map(std::u16string_view text, DWORD flags) {
    std::u16string out(text);
    if (out.empty() || out.size() > 0x7FFFFFFF) return out;
    const int n = static_cast<int>(out.size());
    auto* p = reinterpret_cast<wchar_t*>(out.data());
    if (LCMapStringEx(LOCALE_NAME_INVARIANT, flags, reinterpret_cast<const wchar_t*>(text.data()),
                      n, p, n, nullptr, nullptr, 0) != n) {
      AsciiTextCase ascii;  // the system refused: ASCII letters at least
      return flags == LCMAP_LOWERCASE ? ascii.Lower(text) : ascii.Upper(text);
    }
    return out;
  }
};

}  // namespace

const TextCase& InvariantCase() {
  static const InvariantTextCase tc;
  return tc;
}

}  // namespace scrv
