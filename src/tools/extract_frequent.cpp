#include "tools/extract_frequent.h"
#include "text_tools_ids.h"

#include <algorithm>

#include "settings/small_value_table.h"

namespace scrv {
namespace {

constexpr char16_t kLinesSetting[] = u"ExtractFreqLines";
constexpr char16_t kLineFeed = u'\n';
constexpr char16_t kCarriageReturn = u'\r';

bool HoldsBreak(std::u16string_view text) {
  return text.find_first_of(std::u16string_view(u"\r\n\0", 3)) != std::u16string_view::npos;
}

}  // namespace

std::vector<std::u16string> ParseIgnoreList(const uint8_t* data, size_t size) {
  std::vector<std::u16string> words;
  if (!data) return words;
  size_t pos = size >= 2 && data[0] == 0xFF && data[1] == 0xFE ? 2 : 0;
  std::u16string word;
  auto finish = [&] {
    while (!word.empty() && word.back() == kCarriageReturn) word.pop_back();
    if (!word.empty()) words.push_back(std::move(word));
    word.clear();
  };
  for (; pos + 1 < size; pos += 2) {
    auto unit = static_cast<char16_t>(data[pos] | data[pos + 1] << 8);
    if (unit == kLineFeed || unit == 0)
      finish();
    else
      word.push_back(unit);
  }
  finish();
  std::sort(words.begin(), words.end());
  words.erase(std::unique(words.begin(), words.end()), words.end());
  return words;
}

std::vector<uint8_t> BuildIgnoreList(const std::vector<std::u16string>& words) {
  size_t units = 1;
  for (const std::u16string& w : words) units += w.size() + 1;
  std::vector<uint8_t> out;
  out.reserve(units * 2);
  auto put = [&](char16_t u) {
    out.push_back(static_cast<uint8_t>(u & 0xFF));
    out.push_back(static_cast<uint8_t>(u >> 8));
  };
  put(0xFEFF);
  for (const std::u16string& w : words) {
    for (char16_t u : w) put(u);
    put(kLineFeed);
  }
  return out;
}

bool IgnoreList::Contains(std::u16string_view word) const {
  return std::find(words_.begin(), words_.end(), word) != words_.end();
}

IgnoreList::EditResult IgnoreList::Check(std::u16string_view text) const {
  if (text.empty()) return EditResult::kEmpty;
  if (HoldsBreak(text)) return EditResult::kInvalid;
  if (Contains(text)) return EditResult::kDuplicate;
  return EditResult::kAccepted;
}

IgnoreList::EditResult IgnoreList::Edit(size_t row, std::u16string_view text) {
  EditResult result = Check(text);
  if (result != EditResult::kAccepted) return result;
  if (row < words_.size())
    words_[row] = std::u16string(text);
  else
    words_.emplace_back(text);
  return result;
}

bool IgnoreList::Insert(size_t row, std::u16string_view word) {
  if (Check(word) != EditResult::kAccepted) return false;
  words_.emplace(words_.begin() + static_cast<std::ptrdiff_t>(std::min(row, words_.size())), word);
  return true;
}

int IgnoreList::Delete(std::vector<int> rows) {
  std::sort(rows.begin(), rows.end());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  rows.erase(std::remove_if(rows.begin(), rows.end(),
                            [&](int r) { return r < 0 || static_cast<size_t>(r) >= size(); }),
             rows.end());
  if (rows.empty()) return -1;
  for (auto it = rows.rbegin(); it != rows.rend(); ++it) words_.erase(words_.begin() + *it);
  return static_cast<size_t>(rows.front()) < size() ? rows.front() : -1;
}

ExtractFrequentOptions LoadExtractFrequentOptions(SettingsStore& store, const FlagTable& flags,
                                                  bool selectionFlag) {
  ExtractFrequentOptions o;
  SettingsHandle h = store.OpenCommon(false);
  auto lines = static_cast<int32_t>(
      store.ReadDword(h, kLinesSetting, static_cast<uint32_t>(kExtractFrequentDefaultLines)));
  o.lines = lines >= 1 ? lines : kExtractFrequentDefaultLines;
  const SmallValueRow* format = SmallValueRowAt(small_value::kExtractFreqCsv);
  o.formatIndex = static_cast<uint8_t>(store.ReadDword(h, format->name, format->def) & 0xFF);
  o.matchCase = ReadFlag(store, flags, h, flag::kExtractFreqCase);
  o.secondKind = ReadFlag(store, flags, h, flag::kExtractFreqType);
  o.selectionOnly = selectionFlag && ReadFlag(store, flags, h, flag::kExtractFreqSelOnly);
  store.CloseSettings(h);
  return o;
}

void SaveExtractFrequentOptions(SettingsStore& store, const FlagTable& flags,
                                const ExtractFrequentOptions& options, bool selectionFlag) {
  SettingsHandle h = store.OpenCommon(true);
  if (options.lines == kExtractFrequentDefaultLines)
    store.DeleteValue(h, kLinesSetting, false);
  else
    store.WriteDword(h, kLinesSetting, static_cast<uint32_t>(options.lines));
  WriteSmallValue(store, h, small_value::kExtractFreqCsv, options.formatIndex);
  WriteFlag(store, flags, h, flag::kExtractFreqCase, options.matchCase);
  WriteFlag(store, flags, h, flag::kExtractFreqType, options.secondKind);
  WriteFlag(store, flags, h, flag::kExtractFreqSelOnly, selectionFlag && options.selectionOnly);
  store.CloseSettings(h);
}

std::optional<int32_t> ParseLineCount(std::u16string_view text) {
  auto blank = [](char16_t c) { return c == u' ' || c == u'\t'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  bool negative = false;
  if (!text.empty() && (text.front() == u'-' || text.front() == u'+')) {
    negative = text.front() == u'-';
    text.remove_prefix(1);
  }
  if (text.empty()) return std::nullopt;
  int64_t value = 0;
  for (char16_t c : text) {
    if (c < u'0' || c > u'9') return std::nullopt;
    value = value * 10 + (c - u'0');
    if (value > INT32_MAX) return std::nullopt;
  }
  if (negative || value < 1) return std::nullopt;
  return static_cast<int32_t>(value);
}

std::u16string LineCountReason(std::u16string_view field,
                               const std::function<std::u16string(uint32_t)>& text) {
  if (ParseLineCount(field)) return {};
  auto blank = [](char16_t c) { return c == u' ' || c == u'\t'; };
  while (!field.empty() && blank(field.front())) field.remove_prefix(1);
  while (!field.empty() && blank(field.back())) field.remove_suffix(1);
  if (field.empty()) return text(IDS_EF_WHY_EMPTY);
  const bool digits =
      std::all_of(field.begin(), field.end(), [](char16_t c) { return c >= u'0' && c <= u'9'; });
  // All digits and still refused: zero (leading zeros aside) or more than a count can be.
  if (digits && field.find_first_not_of(u'0') != std::u16string_view::npos)
    return text(IDS_EF_WHY_TOO_BIG);
  return text(digits ? IDS_EF_WHY_ZERO : IDS_EF_WHY_NOT_NUMBER);
}

}  // namespace scrv
