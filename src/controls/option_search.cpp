#include "controls/option_search.h"

namespace scrv {
namespace {

constexpr size_t kQueryLimit = 260;

bool IsBlank(char16_t c) {
  return c == u' ' || c == u'\t';
}

}  // namespace

std::u16string SimpleTextFolder::Fold(std::u16string_view text) const {
  std::u16string out(text);
  for (char16_t& c : out) {
    if ((c >= u'A' && c <= u'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7) ||
        (c >= 0x391 && c <= 0x3AB) || (c >= 0x410 && c <= 0x42F))
      c = static_cast<char16_t>(c + 0x20);
    else if (c >= 0x400 && c <= 0x40F)
      c = static_cast<char16_t>(c + 0x50);
  }
  return out;
}

OptionQuery::OptionQuery(std::u16string_view query, const TextFolder& folder) : folder_(folder) {
  std::u16string folded = folder.Fold(query.substr(0, kQueryLimit));
  size_t i = 0;
  while (i < folded.size()) {
    while (i < folded.size() && IsBlank(folded[i])) ++i;
    size_t start = i;
    while (i < folded.size() && !IsBlank(folded[i])) ++i;
    if (i > start) {
      words_.append(folded, start, i - start);
      words_.push_back(u'\0');
    }
  }
}

bool OptionQuery::Matches(std::u16string_view text) const {
  if (text == u"*") return false;
  std::u16string plain(text);
  if (size_t amp = plain.find(u'&'); amp != std::u16string::npos) plain.erase(amp, 1);
  const std::u16string folded = folder_.Fold(plain);
  for (size_t start = 0; start < words_.size();) {
    size_t end = words_.find(u'\0', start);
    if (folded.find(std::u16string_view(words_).substr(start, end - start)) == std::u16string::npos)
      return false;
    start = end + 1;
  }
  return true;
}

bool IsSearchIgnoredControl(uint32_t id) {
  switch (id) {
    case 1:
    case 2:
    case 542:
    case 708:
    case 709:
    case 1000:
      return true;
  }
  return false;
}

PageMatchResult MatchPage(const OptionQuery& query, std::u16string_view title,
                          std::u16string_view extraText, const DialogTemplateText* controls) {
  if (query.Matches(title)) return {PageMatch::kTitle};
  if (!extraText.empty() && query.Matches(extraText)) return {PageMatch::kExtraText};
  if (controls)
    for (const TemplateControl& c : controls->controls)
      if (!IsSearchIgnoredControl(c.id) && !c.title.empty() && query.Matches(c.title))
        return {PageMatch::kControl, c.id};
  return {};
}

}  // namespace scrv
