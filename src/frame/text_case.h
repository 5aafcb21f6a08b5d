#pragma once
// Case mapping of the invariant locale, which file names, extensions and plug-in paths are
// compared and hashed by. The Win32 layer maps with the system's invariant tables; the portable
// fallback maps ASCII letters only.

#include <string>
#include <string_view>

namespace scrv {

class TextCase {
 public:
  virtual ~TextCase() = default;
  virtual std::u16string Lower(std::u16string_view text) const = 0;
  virtual std::u16string Upper(std::u16string_view text) const = 0;
};

// ASCII letters only: enough for file names made of ASCII, and for tests.
class AsciiTextCase : public TextCase {
 public:
  std::u16string Lower(std::u16string_view text) const override;
  std::u16string Upper(std::u16string_view text) const override;
};

// Ordinal comparison of the two texts upper-cased (how the platform compares file names).
bool EqualIgnoreCase(const TextCase& tc, std::u16string_view a, std::u16string_view b);
// Whether `part` occurs in `text`, both lower-cased.
bool ContainsIgnoreCase(const TextCase& tc, std::u16string_view text, std::u16string_view part);

}  // namespace scrv
