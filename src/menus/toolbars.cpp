#include "menus/toolbars.h"

#include <algorithm>

namespace scrv {
namespace {

// Case folding of face names: ASCII and the Latin-1 letters; other scripts have no case here.
char16_t Fold(char16_t c) {
  if ((c >= u'A' && c <= u'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7))
    return static_cast<char16_t>(c + 0x20);
  return c;
}

int CompareNoCase(std::u16string_view a, std::u16string_view b) {
  const size_t n = std::min(a.size(), b.size());
  for (size_t i = 0; i < n; ++i) {
    const char16_t x = Fold(a[i]), y = Fold(b[i]);
    if (x != y) return x < y ? -1 : 1;
  }
  return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

std::u16string Decimal(uint32_t n) {
  std::u16string s;
  for (char c : std::to_string(n)) s += static_cast<char16_t>(c);
  return s;
}

std::u16string LayoutValueName(uint32_t index) {
  return u"PIB" + Decimal(index);
}

}  // namespace

bool IsBandShown(BandQuery& rebar, uint32_t band) {
  const std::optional<uint32_t> style = rebar.BandStyle(band);
  return style && (*style & kBandHidden) == 0;
}

uint32_t ListedUserToolbars(BandQuery& rebar) {
  uint32_t k = 0;
  while (k < kUserToolbarBandCount && IsBandShown(rebar, kUserToolbarBand + k)) ++k;
  return k;
}

std::u16string UserToolbarName(std::u16string_view format, uint32_t k) {
  std::u16string text;
  bool replaced = false;
  for (size_t i = 0; i < format.size(); ++i) {
    if (format[i] == u'%' && i + 1 < format.size()) {
      if (format[i + 1] == u'%') {
        text += u'%';
        ++i;
        continue;
      }
      if (format[i + 1] == u'd' && !replaced) {
        text += Decimal(k);
        replaced = true;
        ++i;
        continue;
      }
    }
    text += format[i];
  }
  return text;
}

int PositionOfZoom(int zoom) {
  const int position = (zoom + zoom_slider::kStep / 2) / zoom_slider::kStep;
  return std::clamp(position, zoom_slider::kMinPosition, zoom_slider::kMaxPosition);
}

std::u16string ZoomLabel(int zoom) {
  return Decimal(static_cast<uint32_t>(std::max(zoom, 0))) + u" %";
}

ToolbarSettings LoadToolbarSettings(SettingsStore& store, const FlagTable& flags,
                                    std::u16string_view defaultFace) {
  ToolbarSettings s;
  SettingsHandle h = store.OpenCommon(false);
  s.textLabels = ReadFlag(store, flags, h, flag::kToolbarText);
  s.face = store.ReadString(h, kComboFontKey, kFaceNameCapacity, u"");
  const uint32_t stored = store.ReadDword(h, kComboZoomKey, kDefaultZoom * 1000);
  store.CloseSettings(h);
  if (s.face.empty()) s.face = defaultFace;
  const uint32_t zoom = stored / 1000;
  if (zoom >= static_cast<uint32_t>(ZoomOfPosition(zoom_slider::kMinPosition)) &&
      zoom <= static_cast<uint32_t>(ZoomOfPosition(zoom_slider::kMaxPosition)))
    s.zoom = static_cast<int>(zoom);
  return s;
}

void WriteTextLabels(SettingsStore& store, const FlagTable& flags, bool on) {
  SettingsHandle h = store.OpenCommon(true);
  StoreFlag(store, flags, h, flag::kToolbarText, on);
  store.CloseSettings(h);
}

void WriteComboFace(SettingsStore& store, std::u16string_view face,
                    std::u16string_view defaultFace) {
  const std::u16string def(defaultFace);
  store.WriteCommonString(kComboFontKey, face, def.c_str());
}

void WriteComboZoom(SettingsStore& store, int zoom) {
  store.WriteCommonDword(kComboZoomKey, static_cast<uint32_t>(zoom) * 1000);
}

void ResetToolbarSettings(SettingsStore& store, const FlagTable& flags) {
  SettingsHandle h = store.OpenCommon(true);
  store.DeleteValue(h, u"RebarSize", true);
  for (uint32_t i = 0; i < 256; ++i)
    if (store.DeleteValue(h, LayoutValueName(i), true) != 0 && i != 0) break;
  store.DeleteValue(h, u"CellEditHeight", true);
  store.DeleteValue(h, kComboFontKey, false);
  store.DeleteValue(h, kComboZoomKey, false);
  StoreFlag(store, flags, h, flag::kToolbarText, false);
  store.CloseSettings(h);
}

std::vector<std::u16string> SortedFaceNames(std::vector<std::u16string> names) {
  std::stable_sort(names.begin(), names.end(),
                   [](const auto& a, const auto& b) { return CompareNoCase(a, b) < 0; });
  names.erase(std::unique(names.begin(), names.end(),
                          [](const auto& a, const auto& b) { return CompareNoCase(a, b) == 0; }),
              names.end());
  return names;
}

int FindFaceName(const std::vector<std::u16string>& faces, std::u16string_view face) {
  for (size_t i = 0; i < faces.size(); ++i)
    if (CompareNoCase(faces[i], face) == 0) return static_cast<int>(i);
  return -1;
}

}  // namespace scrv
