#include "settings/settings_record.h"

#include <bit>
#include <cstring>
#include <new>

#include "settings/utf8_text.h"

namespace scrv {
namespace {

// No reader takes a file of 4 GiB or more.
constexpr uint64_t kMaxFileSize = 0xFFFFFFFFull;
constexpr size_t kMaxUtf8TextBytes = 0xFFFF;
constexpr size_t kTailSize = 4;

// Little-endian output into a buffer sized beforehand.
class Writer {
 public:
  explicit Writer(uint8_t* p) : p_(p) {}
  void U8(uint8_t v) { *p_++ = v; }
  void U16(uint16_t v) {
    p_[0] = static_cast<uint8_t>(v);
    p_[1] = static_cast<uint8_t>(v >> 8);
    p_ += 2;
  }
  void U32(uint32_t v) {
    for (int i = 0; i < 4; ++i) p_[i] = static_cast<uint8_t>(v >> (8 * i));
    p_ += 4;
  }
  void U64(uint64_t v) {
    for (int i = 0; i < 8; ++i) p_[i] = static_cast<uint8_t>(v >> (8 * i));
    p_ += 8;
  }
  void Bytes(const void* data, size_t n) {
    if (n) std::memcpy(p_, data, n);
    p_ += n;
  }
  void Units(const char16_t* s, size_t n) {
    if constexpr (std::endian::native == std::endian::little) {
      Bytes(s, n * 2);
    } else {
      for (size_t i = 0; i < n; ++i) U16(s[i]);
    }
  }
  uint8_t* Here() { return p_; }
  void Skip(size_t n) { p_ += n; }

 private:
  uint8_t* p_;
};

// Little-endian input that never reads past its end: after the first short read every read
// fails and gives 0.
class Reader {
 public:
  Reader(const uint8_t* p, size_t n) : p_(p), left_(n) {}
  bool Ok() const { return ok_; }
  bool Has(uint64_t n) {
    if (ok_ && n <= left_) return true;
    ok_ = false;
    return false;
  }
  uint8_t U8() { return Has(1) ? Take(1)[0] : 0; }
  uint16_t U16() {
    if (!Has(2)) return 0;
    const uint8_t* b = Take(2);
    return static_cast<uint16_t>(b[0] | (b[1] << 8));
  }
  uint32_t U32() {
    if (!Has(4)) return 0;
    const uint8_t* b = Take(4);
    uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = (v << 8) | b[i];
    return v;
  }
  uint64_t U64() {
    if (!Has(8)) return 0;
    const uint8_t* b = Take(8);
    uint64_t v = 0;
    for (int i = 7; i >= 0; --i) v = (v << 8) | b[i];
    return v;
  }
  const uint8_t* Take(size_t n) {
    const uint8_t* at = p_;
    p_ += n;
    left_ -= n;
    return at;
  }
  // A count whose elements, each at least minSize bytes, could still fit.
  bool Count(uint32_t& count, size_t minSize) {
    count = U32();
    return Has(static_cast<uint64_t>(count) * minSize);
  }

 private:
  const uint8_t* p_;
  size_t left_;
  bool ok_ = true;
};

uint64_t TextSize(const std::u16string& s, RecordTextEncoding text) {
  if (text == RecordTextEncoding::kUtf16) return 4 + 2 * static_cast<uint64_t>(s.size());
  return 2 + EncodeUtf8(s, nullptr, kMaxUtf8TextBytes);
}

void PutText(Writer& w, const std::u16string& s, RecordTextEncoding text) {
  if (text == RecordTextEncoding::kUtf16) {
    w.U32(static_cast<uint32_t>(s.size()));
    w.Units(s.data(), s.size());
    return;
  }
  uint8_t* lengthAt = w.Here();
  w.Skip(2);
  size_t n = EncodeUtf8(s, w.Here(), kMaxUtf8TextBytes);
  w.Skip(n);
  lengthAt[0] = static_cast<uint8_t>(n);
  lengthAt[1] = static_cast<uint8_t>(n >> 8);
}

bool GetText(Reader& r, RecordTextEncoding text, std::u16string& out) {
  if (text == RecordTextEncoding::kUtf16) {
    uint32_t n = r.U32();
    if (!r.Has(2 * static_cast<uint64_t>(n))) return false;
    const uint8_t* b = r.Take(2 * static_cast<size_t>(n));
    out.resize(n);
    if constexpr (std::endian::native == std::endian::little) {
      if (n) std::memcpy(out.data(), b, 2 * static_cast<size_t>(n));
    } else {
      for (uint32_t i = 0; i < n; ++i)
        out[i] = static_cast<char16_t>(b[2 * i] | (b[2 * i + 1] << 8));
    }
    return true;
  }
  uint16_t n = r.U16();
  if (!r.Has(n)) return false;
  AppendUtf8AsUtf16(r.Take(n), n, out);
  return true;
}

void PutFont(Writer& w, const LogFont& f) {
  for (int32_t v : {f.height, f.width, f.escapement, f.orientation, f.weight})
    w.U32(static_cast<uint32_t>(v));
  for (uint8_t v : {f.italic, f.underline, f.strikeOut, f.charSet, f.outPrecision, f.clipPrecision,
                    f.quality, f.pitchAndFamily})
    w.U8(v);
  w.Units(f.faceName, kFaceNameLength);
}

LogFont GetFont(Reader& r) {
  LogFont f;
  for (int32_t* v : {&f.height, &f.width, &f.escapement, &f.orientation, &f.weight})
    *v = static_cast<int32_t>(r.U32());
  for (uint8_t* v : {&f.italic, &f.underline, &f.strikeOut, &f.charSet, &f.outPrecision,
                     &f.clipPrecision, &f.quality, &f.pitchAndFamily})
    *v = r.U8();
  for (char16_t& c : f.faceName) c = r.U16();
  return f;
}

std::optional<uint64_t> FileSize(const RecordLists& l, RecordTextEncoding text) {
  if (l.bits.size() > UINT32_MAX) return std::nullopt;
  uint64_t size = 4 + 11 * 4 + kTailSize;
  size += 8 * static_cast<uint64_t>(l.qwords.size()) + 4 * l.dwords.size() + 2 * l.words.size() +
          l.bytes.size() + kLogFontSize * l.fonts.size() + 4 * l.secondDwords.size() +
          (l.bits.size() + 7) / 8 + 6 * l.valueMap.size();
  for (const auto& s : l.texts) size += TextSize(s, text);
  for (const auto& b : l.blobs) size += 4 + static_cast<uint64_t>(b.size());
  for (const auto& [key, s] : l.textMap) size += 2 + TextSize(s, text);
  if (size > kMaxFileSize) return std::nullopt;
  return size;
}

}  // namespace

std::optional<std::vector<uint8_t>> BuildRecordFile(const RecordLists& l, uint32_t magic,
                                                    RecordTextEncoding text) {
  std::optional<uint64_t> size = FileSize(l, text);
  if (!size) return std::nullopt;
  std::vector<uint8_t> file;
  try {
    file.resize(static_cast<size_t>(*size));
  } catch (const std::bad_alloc&) {
    return std::nullopt;
  }
  // Every count below fits 32 bits: the file size does.
  auto count = [](size_t n) { return static_cast<uint32_t>(n); };
  Writer w(file.data());
  w.U32(magic);
  w.U32(count(l.qwords.size()));
  for (uint64_t v : l.qwords) w.U64(v);
  w.U32(count(l.dwords.size()));
  for (uint32_t v : l.dwords) w.U32(v);
  w.U32(count(l.words.size()));
  for (uint16_t v : l.words) w.U16(v);
  w.U32(count(l.bytes.size()));
  w.Bytes(l.bytes.data(), l.bytes.size());
  w.U32(count(l.texts.size()));
  for (const auto& s : l.texts) PutText(w, s, text);
  w.U32(count(l.blobs.size()));
  for (const auto& b : l.blobs) {
    w.U32(count(b.size()));
    w.Bytes(b.data(), b.size());
  }
  w.U32(count(l.fonts.size()));
  for (const auto& f : l.fonts) PutFont(w, f);
  w.U32(count(l.secondDwords.size()));
  for (uint32_t v : l.secondDwords) w.U32(v);
  // Bits go eight to a byte, lowest bit first; the buffer starts zeroed.
  w.U32(count(l.bits.size()));
  uint8_t* bits = w.Here();
  for (size_t i = 0; i < l.bits.size(); ++i)
    if (l.bits[i]) bits[i / 8] |= static_cast<uint8_t>(1u << (i % 8));
  w.Skip((l.bits.size() + 7) / 8);
  w.U32(count(l.textMap.size()));
  for (const auto& [key, s] : l.textMap) {
    w.U16(key);
    PutText(w, s, text);
  }
  w.U32(count(l.valueMap.size()));
  for (const auto& [key, v] : l.valueMap) {
    w.U16(key);
    w.U32(v);
  }
  w.U32(0);
  return file;
}

bool ParseRecordFile(const uint8_t* data, size_t size, uint32_t magic, RecordTextEncoding text,
                     RecordLists& lists) {
  lists = {};
  Reader r(data, size);
  if (r.U32() != magic || !r.Ok()) return false;
  // The smallest text: a UTF-16 length, or a UTF-8 length.
  const size_t minText = text == RecordTextEncoding::kUtf16 ? 4 : 2;
  RecordLists l;
  uint32_t n = 0;
  if (r.Count(n, 8))
    for (l.qwords.reserve(n); n--;) l.qwords.push_back(r.U64());
  if (r.Count(n, 4))
    for (l.dwords.reserve(n); n--;) l.dwords.push_back(r.U32());
  if (r.Count(n, 2))
    for (l.words.reserve(n); n--;) l.words.push_back(r.U16());
  if (r.Count(n, 1)) {
    const uint8_t* b = r.Take(n);
    l.bytes.assign(b, b + n);
  }
  // Texts and blobs grow as they are read: an element in memory is larger than its smallest
  // stored form, so reserving by the count could ask for more than the file holds.
  if (r.Count(n, minText)) {
    while (n-- && GetText(r, text, l.texts.emplace_back())) {
    }
  }
  if (r.Count(n, 4)) {
    while (n-- && r.Ok()) {
      uint32_t length = r.U32();
      if (!r.Has(length)) break;
      const uint8_t* b = r.Take(length);
      l.blobs.emplace_back(b, b + length);
    }
  }
  if (r.Count(n, kLogFontSize))
    for (l.fonts.reserve(n); n--;) l.fonts.push_back(GetFont(r));
  if (r.Count(n, 4))
    for (l.secondDwords.reserve(n); n--;) l.secondDwords.push_back(r.U32());
  n = r.U32();
  if (r.Has((static_cast<uint64_t>(n) + 7) / 8)) {
    const uint8_t* bits = r.Take((static_cast<size_t>(n) + 7) / 8);
    l.bits.resize(n);
    for (uint32_t i = 0; i < n; ++i) l.bits[i] = (bits[i / 8] >> (i % 8)) & 1;
  }
  if (r.Count(n, 2 + minText)) {
    while (n-- && r.Ok()) {
      uint16_t key = r.U16();
      std::u16string s;
      if (!GetText(r, text, s)) break;
      l.textMap[key] = std::move(s);
    }
  }
  if (r.Count(n, 6)) {
    while (n--) {
      uint16_t key = r.U16();
      l.valueMap[key] = r.U32();
    }
  }
  r.Has(kTailSize);
  if (!r.Ok()) return false;
  lists = std::move(l);
  return true;
}

std::optional<bool> SettingsRecord::NextBit() {
  if (pos_.bits >= lists_.bits.size()) return std::nullopt;
  return static_cast<bool>(lists_.bits[pos_.bits++]);
}

const std::u16string* SettingsRecord::FindMapText(uint16_t key) const {
  auto it = lists_.textMap.find(key);
  return it == lists_.textMap.end() ? nullptr : &it->second;
}

std::optional<uint32_t> SettingsRecord::FindMapValue(uint16_t key) const {
  auto it = lists_.valueMap.find(key);
  if (it == lists_.valueMap.end()) return std::nullopt;
  return it->second;
}

std::optional<SettingsRecord> OpenRecord(uint32_t number, const BinPathBuilder& binPath) {
  const RecordInfo* info = RecordInfoAt(number);
  if (!info) return std::nullopt;
  return SettingsRecord(binPath(info->folder, info->name), info->magic, info->text);
}

bool SaveRecord(SettingsRecord& record, FileStore& files) {
  std::optional<std::vector<uint8_t>> file =
      BuildRecordFile(record.lists_, record.magic_, record.text_);
  bool written = file && files.WriteWholeFile(record.path_, file->data(), file->size());
  record.lists_.blobs = {};
  record.ResetReadPositions();
  return written;
}

bool RemoveRecord(SettingsRecord& record, FileStore& files) {
  record.lists_ = {};
  record.lastWrite_ = 0;
  record.ResetReadPositions();
  return files.RemoveWholeFile(record.path_);
}

ReadResult LoadRecord(SettingsRecord& record, FileStore& files) {
  record.ResetReadPositions();
  std::vector<uint8_t> data;
  uint64_t lastWrite = record.lastWrite_;
  ReadResult result = files.ReadWholeFile(record.path_, &lastWrite, data);
  if (result == ReadResult::kUnchanged) return result;
  if (result == ReadResult::kRead &&
      ParseRecordFile(data.data(), data.size(), record.magic_, record.text_, record.lists_)) {
    record.lastWrite_ = lastWrite;
    return ReadResult::kRead;
  }
  // Nothing usable: the users take their defaults, and the next load looks at the file again.
  record.lists_ = {};
  record.lastWrite_ = 0;
  return ReadResult::kFailed;
}

}  // namespace scrv
