#pragma once
// The code pages the editor offers in its menus and file dialogs: the default list, the
// stored list (settings record "newcp"), the system's code pages the user can choose from,
// and the host-owned list that ResetCodePage fills.

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "settings/settings_record.h"
#include "controls/host_vector.h"

namespace scrv {

constexpr size_t kDefaultCodePageCount = 38;
extern const std::array<uint16_t, kDefaultCodePageCount> kDefaultCodePages;
std::vector<uint16_t> DefaultCodePages();

// What the system's multi-language service tells about one code page.
struct CodePageInfo {
  uint32_t codePage = 0;
  uint32_t family = 0;  // the family code page; 1200 for the Unicode ones
  uint8_t gdiCharset = 0;
};

// The code pages the user can choose from, in the service's order: each once, without the
// Unicode family, 50000 and numbers the 16-bit list cannot hold.
std::vector<uint16_t> CandidateCodePages(const std::vector<CodePageInfo>& enumerated);

// The offset of the character-set name shown beside a code page (strings 256 + k): the
// position of its GDI character set in the table of known sets, 0 when it is not there or
// unknown.
uint32_t CharsetNameOffset(std::optional<uint8_t> gdiCharset);

// The list in a loaded "newcp" record, or nothing when the record does not hold a whole one
// (no 16-bit list, or a count past its entries). The time and the 0 value before it are
// skipped.
std::optional<std::vector<uint16_t>> CodePagesFromRecord(SettingsRecord& record);
// Fills an empty record with the stored form: the time of saving (a UTC file time), a 32-bit
// 0, and in the 16-bit list the count followed by the code pages.
void FillCodePageRecord(SettingsRecord& record, const std::vector<uint16_t>& list,
                        uint64_t fileTime);
// Saves the list, or removes the stored record when the list is the default one (same pages,
// same order). True when the file is as it should be afterwards.
bool SaveCodePages(SettingsRecord& record, FileStore& files, const std::vector<uint16_t>& list,
                   uint64_t fileTime);

// The ticks of the code page dialog over the candidates.
class CodePageSelection {
 public:
  // A candidate is ticked when it is in `stored`.
  CodePageSelection(std::vector<uint16_t> candidates, const std::vector<uint16_t>& stored);

  size_t size() const { return candidates_.size(); }
  uint16_t CodePage(size_t row) const { return row < size() ? candidates_[row] : 0; }
  bool Ticked(size_t row) const { return row < size() && ticked_[row]; }
  void SetTicked(size_t row, bool ticked);
  // The default list, ticked.
  void Reset();
  // The ticked candidates in candidate order: stored pages the system no longer has drop out.
  std::vector<uint16_t> Result() const;

 private:
  void Tick(const std::vector<uint16_t>& list);

  std::vector<uint16_t> candidates_;
  std::vector<bool> ticked_;
};

// Where ResetCodePage puts the default list of a host's 16-bit vector: in place when its
// storage holds `count` entries; otherwise (also for a header whose pointers are null, out of
// order, misaligned or of odd size) in a new block, leaving the old block to the host.
enum class WordStorage { kInPlace, kNewBlock };
WordStorage PlanWordStorage(const HostVectorHeader& header, size_t count);

}  // namespace scrv
