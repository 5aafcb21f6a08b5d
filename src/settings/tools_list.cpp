#include "settings/tools_list.h"

#include <algorithm>
#include <optional>

namespace scrv {
namespace {

// Little-endian fields of the value; once a field runs past the end every later read fails.
class Fields {
 public:
  Fields(const uint8_t* p, size_t n) : p_(p), left_(n) {}
  bool Ok() const { return ok_; }
  bool AtEnd() const { return ok_ && left_ == 0; }

  uint32_t U32() {
    if (!Has(4)) return 0;
    uint32_t v = static_cast<uint32_t>(p_[0]) | static_cast<uint32_t>(p_[1]) << 8 |
                 static_cast<uint32_t>(p_[2]) << 16 | static_cast<uint32_t>(p_[3]) << 24;
    Skip(4);
    return v;
  }
  uint8_t U8() {
    if (!Has(1)) return 0;
    uint8_t v = p_[0];
    Skip(1);
    return v;
  }
  // A length in code units, then the units; the text is cut to max.
  std::u16string Text(size_t max) {
    int32_t length = static_cast<int32_t>(U32());
    if (length < 0) ok_ = false;
    if (!ok_ || !Has(2 * static_cast<uint64_t>(length))) return {};
    size_t keep = std::min(static_cast<size_t>(length), max);
    std::u16string s(keep, u'\0');
    for (size_t i = 0; i < keep; ++i)
      s[i] = static_cast<char16_t>(p_[2 * i] | (p_[2 * i + 1] << 8));
    Skip(2 * static_cast<size_t>(length));
    return s;
  }

 private:
  bool Has(uint64_t n) {
    if (ok_ && n <= left_) return true;
    ok_ = false;
    return false;
  }
  void Skip(size_t n) {
    p_ += n;
    left_ -= n;
  }

  const uint8_t* p_;
  size_t left_;
  bool ok_ = true;
};

ToolRecord ReadTool(Fields& f, uint32_t format) {
  ToolRecord t;
  t.title = f.Text(kToolTitleMax);
  t.text2 = f.Text(kToolTextMax);
  t.text3 = f.Text(kToolTextMax);
  t.text4 = f.Text(kToolTextMax);
  t.text5 = f.Text(kToolTextMax);
  if (format == kToolsFormat2) t.text6 = f.Text(kToolTextMax);
  t.numberA = f.U32();
  if (format != kToolsFormat0) t.numberB = f.U32();
  if (format == kToolsFormat2) {
    t.numberC = f.U32();
    t.numberD = f.U32();
  }
  for (int i = 0; i < 4; ++i) t.flags[i] = f.U8() != 0;
  // Lists before the last format had no way to clear flag 3.
  if (format != kToolsFormat2) t.flags[2] = 1;
  if (format == kToolsFormat2) {
    for (int i = 4; i < 8; ++i) {
      uint8_t b = f.U8();
      t.flags[i] = i == 5 ? b : b != 0;
    }
  }
  return t;
}

}  // namespace

bool ParseToolsList(const uint8_t* data, size_t size, std::vector<ToolRecord>& tools) {
  Fields f(data, size);
  uint32_t format = f.U32();
  if (format != kToolsFormat0 && format != kToolsFormat1 && format != kToolsFormat2) return false;
  int32_t count = static_cast<int32_t>(f.U32());
  // Every tool takes bytes, so a count larger than the value stops at its end.
  for (int32_t i = 0; i < count && f.Ok(); ++i) {
    ToolRecord t = ReadTool(f, format);
    if (f.Ok()) tools.push_back(std::move(t));
  }
  return f.AtEnd();
}

void AssignToolNumbers(std::vector<ToolRecord>& tools) {
  int32_t next = 0;
  for (ToolRecord& t : tools) t.toolNumber = t.text5.empty() ? -1 : next++;
}

bool LoadToolsList(SettingsStore& store, std::vector<ToolRecord>& tools) {
  tools.clear();
  SettingsHandle common = store.OpenCommon(false);
  std::optional<std::vector<uint8_t>> value = store.ReadBinaryAlloc(common, u"Tools");
  store.CloseSettings(common);
  if (!value) return false;
  bool valid = ParseToolsList(value->data(), value->size(), tools);
  AssignToolNumbers(tools);
  return valid;
}

}  // namespace scrv
