#include "customize/csv_format_list.h"

#include <algorithm>

#include "customize/page_model.h"

namespace scrv {
namespace {

CsvFormatRequest RequestOf(const CsvFormat& f) {
  CsvFormatRequest r;
  r.name = f.name;
  r.secondText = f.secondText;
  r.separator = f.separator;
  r.a = f.a;
  r.b = f.b;
  r.c = f.c;
  r.d = f.d;
  r.e = f.e;
  r.f = f.f;
  r.g = f.g;
  r.h = f.h;
  r.i = f.i;
  return r;
}

// The field as its control shows it: the text of an edit, or the state of a box.
std::u16string FieldText(const CsvFormat& f, CsvField field) {
  switch (field) {
    case CsvField::kSeparator:
      return EscapeSeparator(f.separator);
    case CsvField::kSecondText:
      return f.secondText;
    case CsvField::kE:
      return FormatDecimal(f.e);
    case CsvField::kF:
      return FormatDecimal(static_cast<uint32_t>(f.f));
    case CsvField::kG:
      return FormatDecimal(static_cast<uint32_t>(f.g));
    case CsvField::kH:
      return FormatDecimal(f.h);
    case CsvField::kI:
      return FormatDecimal(f.i + 1u);
    default:
      return {};
  }
}

bool FieldOn(const CsvFormat& f, CsvField field) {
  switch (field) {
    case CsvField::kA:
      return f.a;
    case CsvField::kB:
      return f.b;
    case CsvField::kC:
      return f.c;
    case CsvField::kD:
      return f.d;
    default:
      return false;
  }
}

}  // namespace

void CsvFormatList::Load(std::vector<CsvFormat> formats) {
  if (formats.size() > kMaxCsvFormats) formats.resize(kMaxCsvFormats);
  formats_ = std::move(formats);
  loaded_ = formats_;
  old_.resize(formats_.size());
  for (size_t k = 0; k < old_.size(); ++k) old_[k] = static_cast<uint32_t>(k);
}

void CsvFormatList::Replace(std::vector<CsvFormat> formats) {
  if (formats.size() > kMaxCsvFormats) formats.resize(kMaxCsvFormats);
  formats_ = std::move(formats);
  old_.assign(formats_.size(), kNewCsvFormat);
  for (size_t k = 0; k < formats_.size(); ++k)
    for (size_t j = 0; j < loaded_.size(); ++j)
      if (loaded_[j].name == formats_[k].name &&
          std::find(old_.begin(), old_.end(), static_cast<uint32_t>(j)) == old_.end()) {
        old_[k] = static_cast<uint32_t>(j);
        break;
      }
}

int CsvFormatList::Add(std::u16string_view name, int from) {
  if (formats_.size() >= kMaxCsvFormats) return -1;
  CsvFormatRequest r;
  if (from >= 0 && static_cast<size_t>(from) < formats_.size()) {
    r = RequestOf(formats_[from]);
  } else {
    r.separator = u",";
    r.a = r.b = r.d = true;
  }
  r.name = name;
  formats_.push_back(MakeCsvFormat(r));
  old_.push_back(kNewCsvFormat);
  return static_cast<int>(formats_.size() - 1);
}

void CsvFormatList::Remove(size_t index) {
  if (index >= formats_.size()) return;
  formats_.erase(formats_.begin() + static_cast<ptrdiff_t>(index));
  old_.erase(old_.begin() + static_cast<ptrdiff_t>(index));
}

void CsvFormatList::Swap(size_t a, size_t b) {
  if (a >= formats_.size() || b >= formats_.size()) return;
  std::swap(formats_[a], formats_[b]);
  std::swap(old_[a], old_[b]);
}

void CsvFormatList::Rename(size_t index, std::u16string_view name) {
  if (index >= formats_.size()) return;
  CsvFormatRequest r = RequestOf(formats_[index]);
  r.name = name;
  formats_[index] = MakeCsvFormat(r);
}

std::array<CsvFieldView, kCsvFieldCount> CsvFormatList::View(
    std::span<const size_t> selected) const {
  std::array<CsvFieldView, kCsvFieldCount> view{};
  std::vector<const CsvFormat*> chosen;
  for (size_t k : selected)
    if (k < formats_.size()) chosen.push_back(&formats_[k]);
  if (chosen.empty()) return view;
  for (size_t n = 0; n < kCsvFieldCount; ++n) {
    const auto field = static_cast<CsvField>(n);
    CsvFieldView& v = view[n];
    v.text = FieldText(*chosen.front(), field);
    v.on = FieldOn(*chosen.front(), field);
    for (const CsvFormat* f : chosen)
      if (FieldText(*f, field) != v.text || FieldOn(*f, field) != v.on) v.differs = true;
    if (v.differs) {
      v.text.clear();
      v.on = false;
    }
  }
  return view;
}

bool CsvFormatList::Set(std::span<const size_t> selected, CsvField field, std::u16string_view text,
                        bool on) {
  std::optional<uint64_t> number;
  switch (field) {
    case CsvField::kE:
    case CsvField::kF:
    case CsvField::kG:
    case CsvField::kH:
    case CsvField::kI:
      number = ParseDecimal(text);
      if (!number) return false;
      *number = std::min<uint64_t>(*number, UINT32_MAX);
      break;
    default:
      break;
  }
  const std::u16string separator = UnescapeSeparator(text);
  bool changed = false;
  for (size_t k : selected) {
    if (k >= formats_.size()) continue;
    CsvFormatRequest r = RequestOf(formats_[k]);
    switch (field) {
      case CsvField::kSeparator:
        r.separator = separator;
        break;
      case CsvField::kSecondText:
        r.secondText = text;
        break;
      case CsvField::kA:
        r.a = on;
        break;
      case CsvField::kB:
        r.b = on;
        break;
      case CsvField::kC:
        r.c = on;
        break;
      case CsvField::kD:
        r.d = on;
        break;
      case CsvField::kE:
        r.e = static_cast<uint32_t>(std::min<uint64_t>(*number, 15));
        break;
      case CsvField::kF:
        r.f = static_cast<int64_t>(*number);
        break;
      case CsvField::kG:
        r.g = static_cast<int64_t>(*number);
        break;
      case CsvField::kH:
        r.h = static_cast<uint32_t>(*number);
        break;
      case CsvField::kI:
        // Shown plus one.
        r.i = *number ? static_cast<uint32_t>(*number - 1) : 0;
        break;
    }
    CsvFormat next = MakeCsvFormat(r);
    if (next != formats_[k]) {
      formats_[k] = std::move(next);
      changed = true;
    }
  }
  return changed;
}

uint8_t RemapEnabledFormats(uint8_t bits, std::span<const uint32_t> old) {
  uint8_t out = 0;
  for (size_t j = 0; j < old.size() && j < 8; ++j)
    if (old[j] < 8 && ((bits >> old[j]) & 1)) out |= static_cast<uint8_t>(1u << j);
  return out;
}

std::optional<std::vector<uint8_t>> RemapCustBlock(std::span<const uint8_t> block,
                                                   std::span<const uint32_t> old) {
  if (block.size() != kCustBlockSize) return std::nullopt;
  const uint8_t before = block[kCustEnabledFormatsOffset];
  const uint8_t after = RemapEnabledFormats(before, old);
  if (after == before) return std::nullopt;
  std::vector<uint8_t> out(block.begin(), block.end());
  out[kCustEnabledFormatsOffset] = after;
  return out;
}

}  // namespace scrv
