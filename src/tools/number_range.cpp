#include "tools/number_range.h"

#include <charconv>
#include <limits>

namespace scrv {
namespace {

bool IsBlank(char16_t c) {
  return c == u' ' || c == u'\t';
}
bool IsDigit(char16_t c) {
  return c >= u'0' && c <= u'9';
}

int HexValue(char16_t c) {
  if (c >= u'0' && c <= u'9') return c - u'0';
  if (c >= u'a' && c <= u'f') return c - u'a' + 10;
  if (c >= u'A' && c <= u'F') return c - u'A' + 10;
  return -1;
}

char16_t EffectiveDecimal(char16_t c) {
  if (c == 0 || IsDigit(c) || IsBlank(c)) return u'.';
  for (char16_t reserved : std::u16string_view(u"+-[]()/:")) {
    if (c == reserved) return u'.';
  }
  return c;
}

// A cursor over the text; every read is checked against the end, embedded NULs included.
struct Cursor {
  std::u16string_view s;
  size_t i = 0;
  bool AtEnd() const { return i >= s.size(); }
  bool Is(char16_t c) const { return i < s.size() && s[i] == c; }
  bool IsAt(size_t k, char16_t c) const { return k < s.size() && s[k] == c; }
  bool DigitAt(size_t k) const { return k < s.size() && IsDigit(s[k]); }
  void SkipBlanks() {
    while (i < s.size() && IsBlank(s[i])) ++i;
  }
};

// Four decimal parts of at most three digits, each at most 255.
bool ReadIpv4(Cursor& c, uint32_t* value) {
  size_t k = c.i;
  uint32_t v = 0;
  for (int part = 0; part < 4; ++part) {
    if (part > 0) {
      if (!c.IsAt(k, u'.')) return false;
      ++k;
    }
    unsigned n = 0;
    int digits = 0;
    while (c.DigitAt(k) && digits < 3) {
      n = n * 10 + (c.s[k++] - u'0');
      ++digits;
    }
    if (digits == 0 || n > 255 || c.DigitAt(k)) return false;
    v = (v << 8) | n;
  }
  c.i = k;
  *value = v;
  return true;
}

// Groups of one to four hexadecimal digits separated by ":", at most one "::" standing for one
// or more zero groups, and optionally an IPv4 address as the last 32 bits.
bool ReadIpv6(Cursor& c, Ipv6Address* value) {
  size_t k = c.i;
  uint16_t groups[8] = {};
  int n = 0;
  int gap = -1;  // index in groups where "::" stands
  bool more = true;
  if (c.IsAt(k, u':')) {
    if (!c.IsAt(k + 1, u':')) return false;
    gap = 0;
    k += 2;
    more = k < c.s.size() && HexValue(c.s[k]) >= 0;
  }
  while (more) {
    size_t groupStart = k;
    unsigned v = 0;
    int digits = 0;
    while (k < c.s.size() && HexValue(c.s[k]) >= 0 && digits < 5) {
      v = v * 16 + HexValue(c.s[k++]);
      ++digits;
    }
    if (c.IsAt(k, u'.')) {
      // The last 32 bits written as an IPv4 address.
      Cursor v4{c.s, groupStart};
      uint32_t a;
      if (n > 6 || !ReadIpv4(v4, &a)) return false;
      groups[n++] = static_cast<uint16_t>(a >> 16);
      groups[n++] = static_cast<uint16_t>(a);
      k = v4.i;
      break;
    }
    if (digits == 0 || digits > 4 || n == 8) return false;
    groups[n++] = static_cast<uint16_t>(v);
    if (!c.IsAt(k, u':')) break;
    if (c.IsAt(k + 1, u':')) {
      if (gap >= 0) return false;
      gap = n;
      k += 2;
      more = k < c.s.size() && HexValue(c.s[k]) >= 0;
    } else {
      ++k;
    }
  }
  if (gap < 0 ? n != 8 : n > 7) return false;
  uint16_t full[8] = {};
  if (gap < 0) {
    for (int j = 0; j < 8; ++j) full[j] = groups[j];
  } else {
    for (int j = 0; j < gap; ++j) full[j] = groups[j];
    int tail = n - gap;
    for (int j = 0; j < tail; ++j) full[8 - tail + j] = groups[gap + j];
  }
  for (int j = 0; j < 8; ++j) {
    (*value)[2 * j] = static_cast<uint8_t>(full[j] >> 8);
    (*value)[2 * j + 1] = static_cast<uint8_t>(full[j]);
  }
  c.i = k;
  return true;
}

// A decimal number as written: "-"?, digits, and a decimal part (the decimal character and at
// least one digit). The digit runs are kept for exact comparison.
struct Decimal {
  bool negative = false;
  std::u16string_view intDigits;   // without leading zeros
  std::u16string_view fracDigits;  // without trailing zeros
  bool hasDecimalPart = false;
  bool IsZero() const { return intDigits.empty() && fracDigits.empty(); }
};

bool ReadDecimal(Cursor& c, char16_t dec, Decimal* d) {
  size_t k = c.i;
  Decimal r;
  if (c.IsAt(k, u'-')) r.negative = true, ++k;
  size_t intStart = k;
  while (c.DigitAt(k)) ++k;
  size_t intEnd = k;
  size_t fracStart = k, fracEnd = k;
  if (c.IsAt(k, dec) && c.DigitAt(k + 1)) {
    fracStart = ++k;
    while (c.DigitAt(k)) ++k;
    fracEnd = k;
    r.hasDecimalPart = true;
  }
  if (intEnd == intStart && !r.hasDecimalPart) return false;
  while (intStart < intEnd && c.s[intStart] == u'0') ++intStart;
  while (fracEnd > fracStart && c.s[fracEnd - 1] == u'0') --fracEnd;
  r.intDigits = c.s.substr(intStart, intEnd - intStart);
  r.fracDigits = c.s.substr(fracStart, fracEnd - fracStart);
  c.i = k;
  *d = r;
  return true;
}

int CompareMagnitude(const Decimal& a, const Decimal& b) {
  if (a.intDigits.size() != b.intDigits.size()) {
    return a.intDigits.size() < b.intDigits.size() ? -1 : 1;
  }
  if (int r = a.intDigits.compare(b.intDigits)) return r < 0 ? -1 : 1;
  size_t n = std::max(a.fracDigits.size(), b.fracDigits.size());
  for (size_t k = 0; k < n; ++k) {
    char16_t x = k < a.fracDigits.size() ? a.fracDigits[k] : u'0';
    char16_t y = k < b.fracDigits.size() ? b.fracDigits[k] : u'0';
    if (x != y) return x < y ? -1 : 1;
  }
  return 0;
}

// Exact comparison of two decimals, however many digits they have.
int CompareDecimal(const Decimal& a, const Decimal& b) {
  bool aNeg = a.negative && !a.IsZero();
  bool bNeg = b.negative && !b.IsZero();
  if (aNeg != bNeg) return aNeg ? -1 : 1;
  int m = CompareMagnitude(a, b);
  return aNeg ? -m : m;
}

double DecimalToDouble(const Decimal& d) {
  // Digits are ASCII; from_chars reads them without regard to the process locale.
  char small[80];
  std::string large;
  size_t length = d.intDigits.size() + d.fracDigits.size() + 3;
  char* ascii = small;
  if (length > sizeof small) {
    large.resize(length);
    ascii = large.data();
  }
  char* p = ascii;
  if (d.negative) *p++ = '-';
  *p++ = '0';
  for (char16_t ch : d.intDigits) *p++ = static_cast<char>(ch);
  *p++ = '.';
  for (char16_t ch : d.fracDigits) *p++ = static_cast<char>(ch);
  double v = 0;
  auto [ptr, ec] = std::from_chars(ascii, p, v);
  if (ec == std::errc::result_out_of_range) {
    // Too large for a double (numbers below its range read as zero).
    if (d.intDigits.empty()) return d.negative ? -0.0 : 0.0;
    return d.negative ? std::numeric_limits<double>::lowest() : std::numeric_limits<double>::max();
  }
  return v;
}

// The integer part's magnitude, saturated well above the 64-bit range.
uint64_t IntegerMagnitude(const Decimal& d) {
  constexpr uint64_t kCap = (uint64_t{1} << 63) + 2;
  uint64_t m = 0;
  for (char16_t ch : d.intDigits) {
    if (m > (kCap - 9) / 10) return kCap;
    m = m * 10 + (ch - u'0');
  }
  return m;
}

int64_t SaturatingSigned(bool negative, uint64_t magnitude) {
  constexpr uint64_t kMinMagnitude = uint64_t{1} << 63;
  if (!negative) {
    return magnitude > static_cast<uint64_t>(std::numeric_limits<int64_t>::max())
               ? std::numeric_limits<int64_t>::max()
               : static_cast<int64_t>(magnitude);
  }
  if (magnitude >= kMinMagnitude) return std::numeric_limits<int64_t>::min();
  return -static_cast<int64_t>(magnitude);
}

int64_t SaturatingAdd(int64_t v, int delta) {
  if (delta > 0 && v == std::numeric_limits<int64_t>::max()) return v;
  if (delta < 0 && v == std::numeric_limits<int64_t>::min()) return v;
  return v + delta;
}

// The first integer at or above (lower) or last integer at or below (upper) the bound, moved
// one further inwards when the end is exclusive and the bound is itself an integer.
int64_t IntegerLimit(const Decimal& d, bool isLower, bool inclusive) {
  bool fraction = !d.fracDigits.empty();
  bool negative = d.negative && !d.IsZero();
  uint64_t m = IntegerMagnitude(d);
  // Truncation toward zero is the ceiling of a negative and the floor of a positive number.
  int64_t v = SaturatingSigned(negative, m);
  if (fraction) {
    if (isLower && !negative) v = SaturatingAdd(v, 1);
    if (!isLower && negative) v = SaturatingAdd(v, -1);
  } else if (!inclusive) {
    v = SaturatingAdd(v, isLower ? 1 : -1);
  }
  return v;
}

struct U128 {
  uint64_t hi = 0, lo = 0;
};

U128 ToU128(const Ipv6Address& a) {
  U128 r;
  for (int j = 0; j < 8; ++j) r.hi = (r.hi << 8) | a[j];
  for (int j = 8; j < 16; ++j) r.lo = (r.lo << 8) | a[j];
  return r;
}

Ipv6Address FromU128(U128 v) {
  Ipv6Address a;
  for (int j = 7; j >= 0; --j) a[j] = static_cast<uint8_t>(v.hi), v.hi >>= 8;
  for (int j = 15; j >= 8; --j) a[j] = static_cast<uint8_t>(v.lo), v.lo >>= 8;
  return a;
}

bool Less(U128 a, U128 b) {
  return a.hi != b.hi ? a.hi < b.hi : a.lo < b.lo;
}

// The mask of the low (bits - prefix) bits of a bits-wide address.
U128 HostMask(unsigned prefix, unsigned bits) {
  unsigned host = bits - prefix;
  U128 m;
  if (host >= 128) return {~uint64_t{0}, ~uint64_t{0}};
  if (host >= 64) {
    m.lo = ~uint64_t{0};
    m.hi = host == 64 ? 0 : (~uint64_t{0} >> (128 - host));
  } else {
    m.lo = host == 0 ? 0 : (~uint64_t{0} >> (64 - host));
  }
  return m;
}

int PopCount(uint64_t v) {
  int n = 0;
  for (; v; v &= v - 1) ++n;
  return n;
}

// When [lo, hi] is exactly one aligned block (lo with the host bits clear, hi with them set, the
// network bits equal), its prefix length; otherwise -1.
int AlignedPrefix(U128 lo, U128 hi, unsigned bits) {
  U128 x{lo.hi ^ hi.hi, lo.lo ^ hi.lo};
  // x must be a run of low one bits: 0...01...1.
  bool loRun = x.lo == 0 || (x.lo & (x.lo + 1)) == 0;
  bool hiRun = x.hi == 0 || ((x.hi & (x.hi + 1)) == 0 && x.lo == ~uint64_t{0});
  if (!loRun || !hiRun) return -1;
  if ((lo.hi & x.hi) || (lo.lo & x.lo)) return -1;
  if ((hi.hi & x.hi) != x.hi || (hi.lo & x.lo) != x.lo) return -1;
  return static_cast<int>(bits) - PopCount(x.hi) - PopCount(x.lo);
}

void AppendDecimal(std::u16string& out, unsigned v) {
  char16_t buf[12];
  int n = 0;
  do {
    buf[n++] = static_cast<char16_t>(u'0' + v % 10);
    v /= 10;
  } while (v);
  while (n) out += buf[--n];
}

void AppendIpv4(std::u16string& out, uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) {
    AppendDecimal(out, (v >> shift) & 255);
    if (shift) out += u'.';
  }
}

// Lower-case hexadecimal groups; the longest run of two or more zero groups (the first of equal
// runs) is written as "::".
void AppendIpv6(std::u16string& out, const Ipv6Address& a) {
  unsigned g[8];
  for (int j = 0; j < 8; ++j) g[j] = (a[2 * j] << 8) | a[2 * j + 1];
  int bestStart = -1, bestLen = 0;
  for (int j = 0; j < 8;) {
    if (g[j] != 0) {
      ++j;
      continue;
    }
    int k = j;
    while (k < 8 && g[k] == 0) ++k;
    if (k - j > bestLen && k - j >= 2) bestStart = j, bestLen = k - j;
    j = k;
  }
  static constexpr char16_t kHex[] = u"0123456789abcdef";
  for (int j = 0; j < 8; ++j) {
    if (j == bestStart) {
      out += u"::";
      j += bestLen - 1;
      continue;
    }
    if (j > 0 && j != bestStart + bestLen) out += u':';
    bool started = false;
    for (int shift = 12; shift >= 0; shift -= 4) {
      unsigned digit = (g[j] >> shift) & 15;
      if (digit || started || shift == 0) out += kHex[digit], started = true;
    }
  }
}

// Addresses as 128-bit values; IPv4 addresses occupy the low 32 bits.
void AppendAddress(std::u16string& out, NumberRangeKind kind, U128 v) {
  if (kind == NumberRangeKind::kIpv4) {
    AppendIpv4(out, static_cast<uint32_t>(v.lo));
  } else {
    AppendIpv6(out, FromU128(v));
  }
}

void StoreAddress(NumberRangeKind kind, U128 v, NumberRangeLimit* limit) {
  if (kind == NumberRangeKind::kIpv4) {
    limit->ipv4 = static_cast<uint32_t>(v.lo);
  } else {
    limit->ipv6 = FromU128(v);
  }
}

struct Bound {
  bool open = true;
  NumberRangeKind kind = NumberRangeKind::kNumber;
  std::u16string_view text;  // as written, without "+"
  Decimal number;
  U128 address;
};

// A bound of an interval: an optional "+" and an address or a number, or nothing (open).
bool ReadBound(Cursor& c, char16_t dec, Bound* b) {
  *b = Bound{};
  bool plus = c.Is(u'+');
  if (plus) ++c.i;
  // A "+" is the whole sign: "+-1" is not a number.
  if (plus && c.Is(u'-')) return false;
  size_t start = c.i;
  uint32_t v4;
  Ipv6Address v6;
  if (ReadIpv4(c, &v4)) {
    b->kind = NumberRangeKind::kIpv4;
    b->address = {0, v4};
  } else if (ReadIpv6(c, &v6)) {
    b->kind = NumberRangeKind::kIpv6;
    b->address = ToU128(v6);
  } else if (ReadDecimal(c, dec, &b->number)) {
    b->kind = NumberRangeKind::kNumber;
  } else {
    // Nothing here: an open end, but not after a "+".
    return !plus;
  }
  b->open = false;
  b->text = c.s.substr(start, c.i - start);
  return true;
}

// The bound as the fields show it: numbers as written, addresses in canonical form.
void AssignBoundText(std::u16string& out, const Bound& b) {
  out.clear();
  if (b.open) return;
  if (b.kind == NumberRangeKind::kNumber) {
    out.assign(b.text);
  } else {
    AppendAddress(out, b.kind, b.address);
  }
}

int ParseBlock(Cursor& c, NumberRange* out) {
  size_t start = c.i;
  NumberRangeKind kind;
  U128 address;
  uint32_t v4 = 0;
  Ipv6Address v6{};
  Cursor probe = c;
  if (ReadIpv4(probe, &v4) && probe.Is(u'/')) {
    kind = NumberRangeKind::kIpv4;
    address = {0, v4};
  } else {
    probe = c;
    if (!ReadIpv6(probe, &v6) || !probe.Is(u'/')) return kNumberRangeInvalid;
    kind = NumberRangeKind::kIpv6;
    address = ToU128(v6);
  }
  c.i = probe.i + 1;
  unsigned bits = kind == NumberRangeKind::kIpv4 ? 32 : 128;
  int maxDigits = kind == NumberRangeKind::kIpv4 ? 2 : 3;
  unsigned prefix = 0;
  int digits = 0;
  while (c.DigitAt(c.i) && digits < maxDigits) {
    prefix = prefix * 10 + (c.s[c.i++] - u'0');
    ++digits;
  }
  if (digits == 0 || c.DigitAt(c.i) || prefix > bits) return kNumberRangeInvalid;
  size_t end = c.i;
  c.SkipBlanks();
  if (!c.AtEnd()) return kNumberRangeInvalid;
  if (!out) return kNumberRangeBlock;

  U128 mask = HostMask(prefix, bits);
  U128 lo{address.hi & ~mask.hi, address.lo & ~mask.lo};
  U128 hi{address.hi | mask.hi, address.lo | mask.lo};
  out->kind = kind;
  out->lowerInclusive = out->upperInclusive = true;
  out->integers = false;
  out->lower = out->upper = NumberRangeLimit{};
  StoreAddress(kind, lo, &out->lower);
  StoreAddress(kind, hi, &out->upper);
  out->lowerText.clear();
  AppendAddress(out->lowerText, kind, lo);
  out->upperText.clear();
  AppendAddress(out->upperText, kind, hi);
  out->expression.assign(c.s.substr(start, end - start));
  return kNumberRangeBlock;
}

int ParseInterval(Cursor& c, char16_t dec, NumberRange* out) {
  bool lowerInclusive = c.Is(u'[');
  ++c.i;
  Bound lower, upper;
  c.SkipBlanks();
  if (!ReadBound(c, dec, &lower)) return kNumberRangeInvalid;
  c.SkipBlanks();
  if (!c.Is(u',')) return kNumberRangeInvalid;
  ++c.i;
  c.SkipBlanks();
  if (!ReadBound(c, dec, &upper)) return kNumberRangeInvalid;
  c.SkipBlanks();
  if (!c.Is(u']') && !c.Is(u')')) return kNumberRangeInvalid;
  bool upperInclusive = c.Is(u']');
  ++c.i;
  c.SkipBlanks();
  if (!c.AtEnd()) return kNumberRangeInvalid;
  if (!lower.open && !upper.open && lower.kind != upper.kind) return kNumberRangeInvalid;
  NumberRangeKind kind = !lower.open ? lower.kind : upper.kind;
  bool isNumber = kind == NumberRangeKind::kNumber;

  // Validate first; *out is written only for a valid range.
  unsigned bits = kind == NumberRangeKind::kIpv4 ? 32 : 128;
  U128 lo, hi;
  if (isNumber) {
    if (!lower.open && !upper.open && CompareDecimal(upper.number, lower.number) < 0) {
      return kNumberRangeInvalid;
    }
  } else {
    U128 top = HostMask(0, bits);
    lo = lower.open ? U128{} : lower.address;
    hi = upper.open ? top : upper.address;
    // An exclusive end moves one address inwards; there is nothing beyond the extremes.
    if (!lower.open && !lowerInclusive) {
      if (lo.hi == top.hi && lo.lo == top.lo) return kNumberRangeInvalid;
      if (++lo.lo == 0) ++lo.hi;
    }
    if (!upper.open && !upperInclusive) {
      if (hi.hi == 0 && hi.lo == 0) return kNumberRangeInvalid;
      if (hi.lo-- == 0) --hi.hi;
    }
    if (Less(hi, lo)) return kNumberRangeInvalid;
  }
  if (!out) return kNumberRangeInterval;

  out->kind = kind;
  out->lowerInclusive = lowerInclusive;
  out->upperInclusive = upperInclusive;
  out->lower = out->upper = NumberRangeLimit{};
  AssignBoundText(out->lowerText, lower);
  AssignBoundText(out->upperText, upper);
  int prefix = -1;
  if (isNumber) {
    const Bound& first = !lower.open ? lower : upper;
    out->integers = first.open || !first.number.hasDecimalPart;
    out->lower.number =
        lower.open ? std::numeric_limits<double>::lowest() : DecimalToDouble(lower.number);
    out->upper.number =
        upper.open ? std::numeric_limits<double>::max() : DecimalToDouble(upper.number);
    out->lower.integer = lower.open ? std::numeric_limits<int64_t>::min()
                                    : IntegerLimit(lower.number, true, lowerInclusive);
    out->upper.integer = upper.open ? std::numeric_limits<int64_t>::max()
                                    : IntegerLimit(upper.number, false, upperInclusive);
  } else {
    out->integers = false;
    StoreAddress(kind, lo, &out->lower);
    StoreAddress(kind, hi, &out->upper);
    prefix = AlignedPrefix(lo, hi, bits);
  }
  std::u16string& e = out->expression;
  e.clear();
  if (prefix >= 0) {
    AppendAddress(e, kind, lo);
    e += u'/';
    AppendDecimal(e, static_cast<unsigned>(prefix));
  } else {
    e += lowerInclusive ? u'[' : u'(';
    e += out->lowerText;
    e += u" , ";
    e += out->upperText;
    e += upperInclusive ? u']' : u')';
  }
  return kNumberRangeInterval;
}

std::u16string_view Trim(std::u16string_view t) {
  while (!t.empty() && IsBlank(t.front())) t.remove_prefix(1);
  while (!t.empty() && IsBlank(t.back())) t.remove_suffix(1);
  return t;
}

// The bound check on trimmed text; *needsDecimalPart tells a number without one.
NumberRangeBoundKind CheckTrimmedBound(std::u16string_view t, bool integersOnly, char16_t dec,
                                       bool* needsDecimalPart) {
  *needsDecimalPart = false;
  if (t.empty()) return NumberRangeBoundKind::kEmpty;
  if (integersOnly) {
    size_t k = (t[0] == u'+' || t[0] == u'-') ? 1 : 0;
    size_t digits = t.size() - k;
    if (digits == 0 || digits > 19) return NumberRangeBoundKind::kInvalid;
    for (; k < t.size(); ++k) {
      if (!IsDigit(t[k])) return NumberRangeBoundKind::kInvalid;
    }
    return NumberRangeBoundKind::kNumber;
  }
  Cursor c{t, t[0] == u'+' ? size_t{1} : size_t{0}};
  uint32_t v4;
  Ipv6Address v6;
  Decimal d;
  Cursor probe = c;
  if (ReadIpv4(probe, &v4) && probe.AtEnd()) return NumberRangeBoundKind::kIpv4;
  probe = c;
  if (ReadIpv6(probe, &v6) && probe.AtEnd()) return NumberRangeBoundKind::kIpv6;
  probe = c;
  // A "+" followed by "-" is not a sign.
  if (c.i == 1 && probe.Is(u'-')) return NumberRangeBoundKind::kInvalid;
  if (ReadDecimal(probe, dec, &d) && probe.AtEnd()) {
    *needsDecimalPart = !d.hasDecimalPart;
    return NumberRangeBoundKind::kNumber;
  }
  return NumberRangeBoundKind::kInvalid;
}

}  // namespace

int ParseNumberRange(std::u16string_view text, char16_t decimalChar, NumberRange* out) {
  char16_t dec = EffectiveDecimal(decimalChar);
  Cursor c{text, 0};
  c.SkipBlanks();
  if (c.Is(u'[') || c.Is(u'(')) return ParseInterval(c, dec, out);
  return ParseBlock(c, out);
}

NumberRangeBoundKind CheckNumberRangeBound(std::u16string_view text, bool integersOnly,
                                           char16_t decimalChar) {
  bool needsDecimalPart;
  return CheckTrimmedBound(Trim(text), integersOnly, EffectiveDecimal(decimalChar),
                           &needsDecimalPart);
}

bool ComposeNumberRange(const NumberRangeFields& fields, char16_t decimalChar,
                        std::u16string* expression) {
  char16_t dec = EffectiveDecimal(decimalChar);
  std::u16string_view lower = Trim(fields.lower);
  std::u16string_view upper = Trim(fields.upper);
  bool lowerNeedsPart, upperNeedsPart;
  NumberRangeBoundKind lk = CheckTrimmedBound(lower, fields.integersOnly, dec, &lowerNeedsPart);
  NumberRangeBoundKind uk = CheckTrimmedBound(upper, fields.integersOnly, dec, &upperNeedsPart);

  std::u16string e;
  e.reserve(lower.size() + upper.size() + 9);
  e += fields.lowerInclusive ? u'[' : u'(';
  e += lower;
  if (lowerNeedsPart) e += dec, e += u'0';
  e += u" , ";
  e += upper;
  if (upperNeedsPart) e += dec, e += u'0';
  e += fields.upperInclusive ? u']' : u')';
  if (expression) *expression = std::move(e);

  if (lk == NumberRangeBoundKind::kInvalid || uk == NumberRangeBoundKind::kInvalid) return false;
  return lk == NumberRangeBoundKind::kEmpty || uk == NumberRangeBoundKind::kEmpty || lk == uk;
}

}  // namespace scrv
