#include "markers/marker_sheet.h"

#include "frame/reason_text.h"
#include "markers_ids.h"

#include <vector>

namespace scrv {

MarkerColorSet LoadMarkerColors(SettingsStore& store, std::u16string_view configuration) {
  MarkerColorSet colors = kDefaultMarkerColors;
  if (configuration.empty()) return colors;
  SettingsHandle h = store.OpenConfig(configuration, kCommonReadFlags);
  if (!h) return colors;
  uint8_t bytes[4 * kMarkerColorCount];
  if (store.ReadBinary(h, kMarkerColorsKey, bytes, sizeof bytes)) {
    for (int i = 0; i < kMarkerColorCount; ++i)
      colors[i] = (bytes[4 * i] | bytes[4 * i + 1] << 8 | bytes[4 * i + 2] << 16) & 0xFFFFFFu;
  }
  store.CloseSettings(h);
  return colors;
}

void MarkerSheetModel::Load(SettingsStore& store, const FlagTable& flags) {
  SettingsHandle h = store.OpenCommon(false);
  markers = LoadMarkers(store, h);
  loadedMarkers_ = markers;
  autoFlags = loadedAutoFlags_ = store.ReadDword(h, kAutoMarkerFlagsKey, 0);
  const int32_t color = static_cast<int32_t>(store.ReadDword(h, kDefaultMarkerColorKey, ~0u));
  options.defaultColor = color >= 0 && color < kMarkerColorCount ? color : -1;
  for (const MarkerOptionBox& box : kMarkerOptionBoxes)
    options.*box.field = ReadFlag(store, flags, h, box.row);
  storedStartPage_ = static_cast<int32_t>(store.ReadDword(h, kMarkerStartPageKey, 0));
  navigation_ = store.ReadDword(h, kNavigationKey, 1) != 0;
  store.CloseSettings(h);
}

int32_t MarkerSheetModel::StartPage(int32_t requested) const {
  const int32_t page = requested >= 0 ? requested : storedStartPage_;
  return page >= 0 && page < kMarkerPageCount ? page : 0;
}

uint64_t MarkerSheetModel::Save(SettingsStore& store, const FlagTable& flags) const {
  const bool listChanged = markers != loadedMarkers_;
  const bool flagsChanged = autoFlags != loadedAutoFlags_;
  if (!listChanged && !flagsChanged && !optionsPageOpened) return 0;
  uint64_t bits = 0;
  SettingsHandle h = store.OpenCommon(true);
  if (listChanged) {
    SaveMarkers(store, h, markers);
    bits |= marker_change::kList;
  }
  if (flagsChanged) {
    store.WriteDword(h, kAutoMarkerFlagsKey, autoFlags);
    bits |= marker_change::kAutoFlags;
  }
  if (optionsPageOpened) {
    store.WriteDword(h, kDefaultMarkerColorKey, static_cast<uint32_t>(options.defaultColor));
    for (const MarkerOptionBox& box : kMarkerOptionBoxes) {
      const bool value = options.*box.field;
      if (box.removedAtDefault)
        WriteFlag(store, flags, h, box.row, value ? 1 : 0);
      else
        StoreFlag(store, flags, h, box.row, value);
    }
    bits |= options.countMatches ? marker_change::kOptionsCountingMatches : marker_change::kOptions;
  }
  store.CloseSettings(h);
  return bits;
}

int FindInvalidMarker(const MarkerList& markers, RegexCheck& check) {
  for (size_t i = 0; i < markers.size(); ++i) {
    const Marker& m = markers[i];
    if (m.Has(marker_flag::kOn) && m.Has(marker_flag::kRegExp) &&
        !check.IsValid(m.text, m.Has(marker_flag::kMatchCase)))
      return static_cast<int>(i);
  }
  return -1;
}

std::u16string InvalidMarkerReason(const MarkerList& markers, int index,
                                   const std::function<std::u16string(uint32_t)>& text) {
  if (index < 0 || static_cast<size_t>(index) >= markers.size()) return {};
  constexpr size_t kShownUnits = 40;
  std::u16string pattern = markers[static_cast<size_t>(index)].text;
  if (pattern.size() > kShownUnits) pattern = pattern.substr(0, kShownUnits) + u"\u2026";
  return FillArguments(text(IDS_MARKER_WHY_BAD_REGEX), {DecimalText(index + 1), pattern});
}

namespace {

bool IsDigit(char16_t c) {
  return c >= u'0' && c <= u'9';
}

// A counted repeat "{n}", "{n,}" or "{n,m}" at `i` (on the brace): its length, 0 when the
// brace starts no repeat (engines then take it literally), -1 when the bounds are reversed.
int CountedRepeat(std::u16string_view p, size_t i) {
  size_t j = i + 1;
  uint64_t low = 0, high = 0;
  const size_t lowStart = j;
  while (j < p.size() && IsDigit(p[j]) && low < 100000) low = low * 10 + (p[j++] - u'0');
  if (j == lowStart) return 0;
  bool bounded = true;
  if (j < p.size() && p[j] == u',') {
    const size_t highStart = ++j;
    while (j < p.size() && IsDigit(p[j]) && high < 100000) high = high * 10 + (p[j++] - u'0');
    bounded = j != highStart;
  } else {
    high = low;
  }
  if (j >= p.size() || p[j] != u'}') return 0;
  if (bounded && high < low) return -1;
  return static_cast<int>(j - i + 1);
}

}  // namespace

bool RegexSyntaxValid(std::u16string_view p) {
  int depth = 0;
  bool atom = false;      // something a quantifier may repeat precedes
  bool repeated = false;  // a quantifier was just read (one lazy or possessive mark may follow)
  for (size_t i = 0; i < p.size(); ++i) {
    const char16_t c = p[i];
    switch (c) {
      case u'\\':
        if (++i >= p.size()) return false;
        atom = true, repeated = false;
        break;
      case u'[': {
        // A class: "]" right after "[" or "[^" is a member; escapes inside are skipped.
        size_t j = i + 1;
        if (j < p.size() && p[j] == u'^') ++j;
        if (j < p.size() && p[j] == u']') ++j;
        for (; j < p.size() && p[j] != u']'; ++j)
          if (p[j] == u'\\') ++j;
        if (j >= p.size()) return false;
        i = j;
        atom = true, repeated = false;
        break;
      }
      case u'(':
        // "(?" opens a special group: non-capturing, look-around, named or options.
        if (i + 1 < p.size() && p[i + 1] == u'?' && ++i + 1 >= p.size()) return false;
        ++depth;
        atom = false, repeated = false;
        break;
      case u')':
        if (--depth < 0) return false;
        atom = true, repeated = false;
        break;
      case u'|':
        atom = false, repeated = false;
        break;
      case u'*':
      case u'+':
      case u'?':
        if (repeated && (c == u'?' || c == u'+')) {
          repeated = false;  // lazy or possessive
          break;
        }
        if (!atom) return false;
        atom = false, repeated = true;
        break;
      case u'{': {
        const int length = CountedRepeat(p, i);
        if (length < 0) return false;
        if (length == 0) {
          atom = true, repeated = false;
          break;
        }
        if (!atom) return false;
        i += static_cast<size_t>(length) - 1;
        atom = false, repeated = true;
        break;
      }
      default:
        atom = true, repeated = false;
    }
  }
  return depth == 0;
}

}  // namespace scrv
