#pragma once
// The rule by which typed words find options: in the page list of a property sheet (a page's
// title, the labels of its option list and the captions of its controls) and in the host's
// search of the option labels (FindAdditionalText).

#include <cstdint>
#include <string>
#include <string_view>

#include "frame/dialog_template.h"

namespace scrv {

// Case-insensitive comparison is the platform's; this folds one text for it.
class TextFolder {
 public:
  virtual ~TextFolder() = default;
  virtual std::u16string Fold(std::u16string_view text) const = 0;
};

// Folds Basic Latin, Latin-1, Greek and Cyrillic letters: enough where the platform is absent.
class SimpleTextFolder : public TextFolder {
 public:
  std::u16string Fold(std::u16string_view text) const override;
};

// The query is split at blanks and tabs (only its first 260 characters count); the text
// matches when every word occurs in it, ignoring case, after its first "&" (a mnemonic
// marker) has been removed. A text that is exactly "*" never matches.
class OptionQuery {
 public:
  OptionQuery(std::u16string_view query, const TextFolder& folder);
  bool Empty() const { return words_.empty(); }
  bool Matches(std::u16string_view text) const;

 private:
  const TextFolder& folder_;
  std::u16string words_;  // the folded words, each followed by a terminator
};

// Controls whose captions say nothing about a page: OK, Cancel, the reset button and the
// like.
bool IsSearchIgnoredControl(uint32_t id);

// A page matches when its title, its joined extra text or the title of one of its controls
// matches, tried in that order. `controls` is null for a page without a template copy.
enum class PageMatch { kNone, kTitle, kExtraText, kControl };
struct PageMatchResult {
  PageMatch where = PageMatch::kNone;
  uint32_t controlId = 0;  // kControl: the first control that matched
};
PageMatchResult MatchPage(const OptionQuery& query, std::u16string_view title,
                          std::u16string_view extraText, const DialogTemplateText* controls);

}  // namespace scrv
