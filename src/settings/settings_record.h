#pragma once
// A settings record: a container of typed lists that its user fills and reads back in the same
// order, kept in a numbered file of the application-data folder that the host reads and
// writes too. The file is the lists one after the other, each a count and its elements,
// little-endian without padding, ended by four zero bytes.

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/file_store.h"
#include "settings/log_font.h"
#include "settings/record_table.h"

namespace scrv {

// The eleven lists, in file order. The two maps are kept in ascending key order.
struct RecordLists {
  std::vector<uint64_t> qwords;
  std::vector<uint32_t> dwords;
  std::vector<uint16_t> words;
  std::vector<uint8_t> bytes;
  std::vector<std::u16string> texts;
  std::vector<std::vector<uint8_t>> blobs;
  std::vector<LogFont> fonts;
  std::vector<uint32_t> secondDwords;
  std::vector<bool> bits;
  std::map<uint16_t, std::u16string> textMap;
  std::map<uint16_t, uint32_t> valueMap;

  bool operator==(const RecordLists&) const = default;
};

// The whole file for the lists, or nothing when it would reach 4 GiB (which no reader takes)
// or memory runs out. A UTF-8 text longer than its 16-bit length allows is cut after the last
// whole character that fits.
std::optional<std::vector<uint8_t>> BuildRecordFile(const RecordLists& lists, uint32_t magic,
                                                    RecordTextEncoding text);
// Reads a whole file back. False, with lists empty, when the magic word differs, the file ends
// early or a count does not fit what is left of it; nothing is read past size and no list is
// given more room than the rest of the file could fill.
bool ParseRecordFile(const uint8_t* data, size_t size, uint32_t magic, RecordTextEncoding text,
                     RecordLists& lists);

// A record bound to its file, with a read position per sequential list.
class SettingsRecord {
 public:
  SettingsRecord(std::u16string path, uint32_t magic, RecordTextEncoding text)
      : path_(std::move(path)), magic_(magic), text_(text) {}

  const std::u16string& Path() const { return path_; }
  uint32_t Magic() const { return magic_; }
  RecordTextEncoding TextEncoding() const { return text_; }

  void AddQword(uint64_t v) { lists_.qwords.push_back(v); }
  void AddDword(uint32_t v) { lists_.dwords.push_back(v); }
  void AddWord(uint16_t v) { lists_.words.push_back(v); }
  void AddByte(uint8_t v) { lists_.bytes.push_back(v); }
  void AddText(std::u16string_view v) { lists_.texts.emplace_back(v); }
  // The record owns the blob from here; saving frees it.
  void AddBlob(std::vector<uint8_t> v) { lists_.blobs.push_back(std::move(v)); }
  void AddFont(const LogFont& v) { lists_.fonts.push_back(v); }
  void AddSecondDword(uint32_t v) { lists_.secondDwords.push_back(v); }
  void AddBit(bool v) { lists_.bits.push_back(v); }
  void SetMapText(uint16_t key, std::u16string_view v) { lists_.textMap[key] = v; }
  void SetMapValue(uint16_t key, uint32_t v) { lists_.valueMap[key] = v; }

  // The next element of a list in the order written; nothing when the list is used up.
  std::optional<uint64_t> NextQword() { return Next(lists_.qwords, pos_.qwords); }
  std::optional<uint32_t> NextDword() { return Next(lists_.dwords, pos_.dwords); }
  std::optional<uint16_t> NextWord() { return Next(lists_.words, pos_.words); }
  std::optional<uint8_t> NextByte() { return Next(lists_.bytes, pos_.bytes); }
  std::optional<std::u16string> NextText() { return Next(lists_.texts, pos_.texts); }
  std::optional<std::vector<uint8_t>> NextBlob() { return Next(lists_.blobs, pos_.blobs); }
  std::optional<LogFont> NextFont() { return Next(lists_.fonts, pos_.fonts); }
  std::optional<uint32_t> NextSecondDword() { return Next(lists_.secondDwords, pos_.second); }
  std::optional<bool> NextBit();
  // The maps are read by key.
  const std::u16string* FindMapText(uint16_t key) const;
  std::optional<uint32_t> FindMapValue(uint16_t key) const;

  void ResetReadPositions() { pos_ = {}; }
  const RecordLists& Lists() const { return lists_; }

 private:
  friend bool SaveRecord(SettingsRecord& record, FileStore& files);
  friend ReadResult LoadRecord(SettingsRecord& record, FileStore& files);
  friend bool RemoveRecord(SettingsRecord& record, FileStore& files);

  struct Positions {
    size_t qwords = 0, dwords = 0, words = 0, bytes = 0, texts = 0, blobs = 0, fonts = 0,
           second = 0, bits = 0;
  };

  template <typename T>
  static std::optional<T> Next(const std::vector<T>& list, size_t& pos) {
    if (pos >= list.size()) return std::nullopt;
    return list[pos++];
  }

  std::u16string path_;
  uint32_t magic_;
  RecordTextEncoding text_;
  RecordLists lists_;
  Positions pos_;
  uint64_t lastWrite_ = 0;  // of the file as last loaded; 0 when nothing was loaded
};

// Builds the path of a record's file from its folder and its name without ".bin": the Win32
// layer passes a call of GetBinFilePath, which adds the application-data folder and ".bin".
using BinPathBuilder =
    std::function<std::u16string(std::u16string_view folder, std::u16string_view name)>;

// An empty record bound to its file; nothing for a number outside the record table.
std::optional<SettingsRecord> OpenRecord(uint32_t number, const BinPathBuilder& binPath);

// Writes the whole file at once (the old file stays when that fails) and tells whether every
// byte was written. Afterwards, whatever the outcome, the blobs are freed and the read
// positions are back at the start.
bool SaveRecord(SettingsRecord& record, FileStore& files);

// Deletes the record's file (the host then takes its defaults) and empties the lists; true when
// no file is left.
bool RemoveRecord(SettingsRecord& record, FileStore& files);

// kUnchanged when the file has not changed since the last load (the lists stay as they are);
// kFailed, with the lists empty, when there is no readable file or it is not a whole record of
// this number; kRead after every list was read. The read positions start over in every case.
ReadResult LoadRecord(SettingsRecord& record, FileStore& files);

}  // namespace scrv
