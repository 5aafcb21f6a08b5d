#include "frame/dialog_template.h"

#include <iterator>
#include <string_view>

namespace scrv {
namespace {

constexpr uint32_t kFontStyles = 0x48;     // DS_SETFONT | DS_FIXEDSYS
constexpr uint32_t kNumberStyle = 0x2000;  // ES_NUMBER

// The predefined control classes a template names by ordinal, from 0x80.
constexpr const char16_t* kOrdinalClasses[] = {u"Button",  u"Edit",      u"Static",
                                               u"ListBox", u"ScrollBar", u"ComboBox"};

bool SameClass(const std::u16string& name, std::u16string_view wanted) {
  if (name.size() != wanted.size()) return false;
  auto lower = [](char16_t c) { return c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c; };
  for (size_t i = 0; i < name.size(); ++i)
    if (lower(name[i]) != lower(wanted[i])) return false;
  return true;
}

// A bounded reader over the template; every read checks what is left.
class Reader {
 public:
  Reader(const uint8_t* data, size_t size) : data_(data), size_(size) {}

  bool Word(uint16_t* out) {
    if (pos_ + 2 > size_) return false;
    *out = static_cast<uint16_t>(data_[pos_] | (data_[pos_ + 1] << 8));
    pos_ += 2;
    return true;
  }
  bool Dword(uint32_t* out) {
    uint16_t lo, hi;
    if (!Word(&lo) || !Word(&hi)) return false;
    *out = lo | (static_cast<uint32_t>(hi) << 16);
    return true;
  }
  bool Skip(size_t n) {
    if (pos_ + n > size_) return false;
    pos_ += n;
    return true;
  }
  // Controls begin on a DWORD boundary of the template.
  bool AlignDword() { return Skip((4 - pos_ % 4) % 4); }
  bool String(std::u16string* out) {
    for (uint16_t c; Word(&c);) {
      if (c == 0) return true;
      if (out) out->push_back(static_cast<char16_t>(c));
    }
    return false;
  }
  // A menu, class or title field: 0xFFFF and an ordinal, or a string. `text` receives a string,
  // `ordinal` the ordinal (0 for a string).
  bool NameOrOrdinal(std::u16string* text, uint16_t* ordinal = nullptr) {
    uint16_t first;
    if (pos_ + 2 > size_) return false;
    first = static_cast<uint16_t>(data_[pos_] | (data_[pos_ + 1] << 8));
    if (ordinal) *ordinal = 0;
    if (first == 0xFFFF) return Skip(2) && Word(ordinal ? ordinal : &first);
    return String(text);
  }

 private:
  const uint8_t* data_;
  size_t size_;
  size_t pos_ = 0;
};

}  // namespace

std::optional<DialogTemplateText> ReadDialogTemplateText(const uint8_t* data, size_t size) {
  if (!data) return std::nullopt;
  Reader r(data, size);
  uint16_t version = 0, signature = 0, count = 0;
  uint32_t style = 0;
  if (!r.Word(&version) || !r.Word(&signature)) return std::nullopt;
  const bool extended = version == 1 && signature == 0xFFFF;
  if (extended) {
    // helpID, exStyle, style, count, x, y, cx, cy.
    if (!r.Skip(8) || !r.Dword(&style) || !r.Word(&count) || !r.Skip(8)) return std::nullopt;
  } else {
    style = version | (static_cast<uint32_t>(signature) << 16);
    // exStyle, count, x, y, cx, cy.
    if (!r.Skip(4) || !r.Word(&count) || !r.Skip(8)) return std::nullopt;
  }
  DialogTemplateText out;
  if (!r.NameOrOrdinal(nullptr) || !r.NameOrOrdinal(nullptr) || !r.String(&out.caption))
    return std::nullopt;
  if (style & kFontStyles) {
    // Point size (and for extended templates weight, italic and charset), then the face name.
    if (!r.Skip(extended ? 6 : 2) || !r.String(nullptr)) return std::nullopt;
  }
  for (uint16_t i = 0; i < count; ++i) {
    TemplateControl control;
    uint16_t id16 = 0, extra = 0, classOrdinal = 0, width = 0;
    if (!r.AlignDword()) return std::nullopt;
    if (extended) {
      // helpID, exStyle, style, x, y, cx, cy, then a 32-bit id.
      if (!r.Skip(8) || !r.Dword(&control.style) || !r.Skip(4) || !r.Word(&width) ||
          !r.Skip(2) || !r.Dword(&control.id))
        return std::nullopt;
    } else {
      // style, exStyle, x, y, cx, cy, then a 16-bit id.
      if (!r.Dword(&control.style) || !r.Skip(8) || !r.Word(&width) || !r.Skip(2) ||
          !r.Word(&id16))
        return std::nullopt;
      control.id = id16;
    }
    if (!r.NameOrOrdinal(&control.className, &classOrdinal) || !r.NameOrOrdinal(&control.title) ||
        !r.Word(&extra) || !r.Skip(extra))
      return std::nullopt;
    control.width = static_cast<int16_t>(width);
    if (classOrdinal >= 0x80 && classOrdinal < 0x80 + std::size(kOrdinalClasses))
      control.className = kOrdinalClasses[classOrdinal - 0x80];
    out.controls.push_back(std::move(control));
  }
  return out;
}

bool IsBoxOnly(const TemplateControl& c) {
  // BS_CHECKBOX, BS_AUTOCHECKBOX, BS_RADIOBUTTON, BS_3STATE, BS_AUTO3STATE, BS_AUTORADIOBUTTON.
  const uint32_t type = c.style & 0xF;
  const bool box = type == 2 || type == 3 || type == 4 || type == 5 || type == 6 || type == 9;
  return box && SameClass(c.className, u"Button") && !c.title.empty() &&
         c.width <= kBoxOnlyWidth;
}

std::optional<std::vector<PreparedControl>> ControlsToPrepare(const DialogTemplateText& text) {
  std::vector<PreparedControl> out;
  for (const TemplateControl& c : text.controls) {
    const bool list = SameClass(c.className, u"SysListView32");
    const bool boxOnly = IsBoxOnly(c);
    if (!list && !boxOnly && !(SameClass(c.className, u"Edit") && (c.style & kNumberStyle)))
      continue;
    for (const TemplateControl& other : text.controls)
      if (&other != &c && (other.id & 0xFFFF) == (c.id & 0xFFFF)) return std::nullopt;
    out.push_back({c.id, list, boxOnly});
  }
  return out;
}

}  // namespace scrv
