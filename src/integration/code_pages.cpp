#include "integration/code_pages.h"

#include <algorithm>

namespace scrv {
namespace {

constexpr uint32_t kUnicodeFamily = 1200;
constexpr uint32_t kAutoSelect = 50000;  // "detect automatically", not a code page of its own

// GDI character sets in the order of their names (strings 256 + position).
constexpr std::array<uint8_t, 16> kCharsetOrder = {1,   178, 186, 238, 134, 136, 204, 161,
                                                   177, 128, 129, 222, 162, 163, 0,   255};

bool Contains(const std::vector<uint16_t>& list, uint16_t cp) {
  return std::find(list.begin(), list.end(), cp) != list.end();
}

}  // namespace

const std::array<uint16_t, kDefaultCodePageCount> kDefaultCodePages = {
    708,   720,   28596, 1256, 28594, 1257,  852,   28592, 1250,  936,  52936, 950,   866,
    28595, 20866, 21866, 1251, 28597, 1253,  862,   38598, 28598, 1255, 50932, 51932, 50220,
    50221, 50222, 932,   949,  50949, 51949, 50225, 28593, 874,   1254, 1258,  1252};

std::vector<uint16_t> DefaultCodePages() {
  return {kDefaultCodePages.begin(), kDefaultCodePages.end()};
}

std::vector<uint16_t> CandidateCodePages(const std::vector<CodePageInfo>& enumerated) {
  std::vector<uint16_t> out;
  for (const CodePageInfo& info : enumerated) {
    if (info.family == kUnicodeFamily || info.codePage == kAutoSelect) continue;
    if (info.codePage == 0 || info.codePage > 0xFFFF) continue;
    auto cp = static_cast<uint16_t>(info.codePage);
    if (!Contains(out, cp)) out.push_back(cp);
  }
  return out;
}

uint32_t CharsetNameOffset(std::optional<uint8_t> gdiCharset) {
  if (!gdiCharset) return 0;
  auto it = std::find(kCharsetOrder.begin(), kCharsetOrder.end(), *gdiCharset);
  return it == kCharsetOrder.end() ? 0 : static_cast<uint32_t>(it - kCharsetOrder.begin());
}

std::optional<std::vector<uint16_t>> CodePagesFromRecord(SettingsRecord& record) {
  record.ResetReadPositions();
  std::optional<uint16_t> count = record.NextWord();
  if (!count) return std::nullopt;
  std::vector<uint16_t> list;
  list.reserve(*count);
  for (uint16_t i = 0; i < *count; ++i) {
    std::optional<uint16_t> cp = record.NextWord();
    if (!cp) return std::nullopt;
    list.push_back(*cp);
  }
  return list;
}

void FillCodePageRecord(SettingsRecord& record, const std::vector<uint16_t>& list,
                        uint64_t fileTime) {
  record.AddQword(fileTime);
  record.AddDword(0);
  record.AddWord(static_cast<uint16_t>(std::min<size_t>(list.size(), 0xFFFF)));
  for (size_t i = 0; i < list.size() && i < 0xFFFF; ++i) record.AddWord(list[i]);
}

bool SaveCodePages(SettingsRecord& record, FileStore& files, const std::vector<uint16_t>& list,
                   uint64_t fileTime) {
  if (list == DefaultCodePages()) return RemoveRecord(record, files);
  FillCodePageRecord(record, list, fileTime);
  return SaveRecord(record, files);
}

CodePageSelection::CodePageSelection(std::vector<uint16_t> candidates,
                                     const std::vector<uint16_t>& stored)
    : candidates_(std::move(candidates)) {
  Tick(stored);
}

void CodePageSelection::Tick(const std::vector<uint16_t>& list) {
  ticked_.assign(candidates_.size(), false);
  for (size_t i = 0; i < candidates_.size(); ++i) ticked_[i] = Contains(list, candidates_[i]);
}

void CodePageSelection::SetTicked(size_t row, bool ticked) {
  if (row < size()) ticked_[row] = ticked;
}

void CodePageSelection::Reset() {
  Tick(DefaultCodePages());
}

std::vector<uint16_t> CodePageSelection::Result() const {
  std::vector<uint16_t> out;
  for (size_t i = 0; i < candidates_.size(); ++i)
    if (ticked_[i]) out.push_back(candidates_[i]);
  return out;
}

WordStorage PlanWordStorage(const HostVectorHeader& header, size_t count) {
  const auto extent = ReadHostVector(&header, sizeof(uint16_t), alignof(uint16_t), SIZE_MAX);
  if (!extent || !extent->first || extent->storageBytes % sizeof(uint16_t))
    return WordStorage::kNewBlock;
  return extent->storageBytes / sizeof(uint16_t) >= count ? WordStorage::kInPlace
                                                         : WordStorage::kNewBlock;
}

}  // namespace scrv
