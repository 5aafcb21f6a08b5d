#include "menus/menu_resources.h"

namespace scrv {
namespace {

// The flags of the two template forms that shape the walk.
constexpr uint16_t kPopupFlag = 0x10;    // standard form: the item opens a sub-menu
constexpr uint16_t kLastFlag = 0x80;     // both forms: the last item of its menu
constexpr uint16_t kExPopupFlag = 0x01;  // extended form: the item opens a sub-menu
constexpr int kMaxDepth = 64;

class TemplateReader {
 public:
  TemplateReader(const uint8_t* data, size_t size) : data_(data), size_(size) {}
  bool Ok() const { return ok_; }
  size_t Position() const { return pos_; }
  void Seek(size_t pos) {
    if (pos > size_)
      ok_ = false;
    else
      pos_ = pos;
  }
  uint16_t Word() {
    if (!ok_ || size_ - pos_ < 2) return Fail();
    uint16_t v = static_cast<uint16_t>(data_[pos_] | (data_[pos_ + 1] << 8));
    pos_ += 2;
    return v;
  }
  uint32_t Dword() {
    uint32_t low = Word();
    return low | (static_cast<uint32_t>(Word()) << 16);
  }
  std::u16string Text() {
    std::u16string text;
    while (ok_) {
      char16_t c = Word();
      if (!ok_ || c == 0) break;
      text += c;
    }
    return text;
  }
  void AlignDword() { Seek((pos_ + 3) & ~size_t{3}); }

 private:
  uint16_t Fail() {
    ok_ = false;
    return 0;
  }
  const uint8_t* data_;
  size_t size_;
  size_t pos_ = 0;
  bool ok_ = true;
};

bool ReadStandard(TemplateReader& in, int depth, std::vector<ResourceMenuItem>& out) {
  if (depth > kMaxDepth) return false;
  for (;;) {
    const uint16_t flags = in.Word();
    ResourceMenuItem item;
    item.id = flags & kPopupFlag ? kSubMenuId : in.Word();
    item.text = in.Text();
    if (!in.Ok()) return false;
    if (flags & kPopupFlag && !ReadStandard(in, depth + 1, item.items)) return false;
    out.push_back(std::move(item));
    if (flags & kLastFlag) return true;
  }
}

bool ReadExtended(TemplateReader& in, int depth, std::vector<ResourceMenuItem>& out) {
  if (depth > kMaxDepth) return false;
  for (;;) {
    in.Dword();  // type
    in.Dword();  // state
    const uint32_t id = in.Dword();
    const uint16_t flags = in.Word();
    ResourceMenuItem item;
    item.text = in.Text();
    in.AlignDword();
    if (!in.Ok()) return false;
    if (flags & kExPopupFlag) {
      in.Dword();  // help identifier
      item.id = kSubMenuId;
      if (!ReadExtended(in, depth + 1, item.items)) return false;
    } else {
      item.id = id;
    }
    out.push_back(std::move(item));
    if (flags & kLastFlag) return true;
  }
}

}  // namespace

std::optional<std::vector<ResourceMenuItem>> ParseMenuTemplate(const uint8_t* data, size_t size) {
  TemplateReader in(data, size);
  const uint16_t version = in.Word();
  const uint16_t offset = in.Word();
  std::vector<ResourceMenuItem> items;
  if (!in.Ok() || version > 1) return std::nullopt;
  // The items start `offset` bytes after the header's offset word.
  in.Seek(in.Position() + offset);
  if (!in.Ok()) return std::nullopt;
  if (in.Position() == size) return items;  // an empty menu
  if (!(version == 0 ? ReadStandard(in, 0, items) : ReadExtended(in, 0, items)))
    return std::nullopt;
  return items;
}

}  // namespace scrv
