#pragma once
// The toolbars dialog's rules: which of the editor's rebar bands count as shown and which user
// toolbars are listed, the zoom slider of the toolbar combo boxes, their font face, and the
// settings the dialog writes as each control changes (it has no OK: every change is live).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/flag_table.h"
#include "settings/settings_store.h"
#include "toolbars_ids.h"

namespace scrv {

// Bands of the editor's rebar: user toolbar i is band 512 + i; three built-in bars have check
// boxes of their own.
constexpr uint32_t kUserToolbarBand = 512;
constexpr uint32_t kUserToolbarBandCount = 256;
struct BuiltInBar {
  int control;
  uint32_t band;
};
inline constexpr BuiltInBar kBuiltInBars[] = {
    {IDC_TB_BAR_STANDARD, 768}, {IDC_TB_BAR_MACROS, 769}, {IDC_TB_BAR_PLUGINS, 772}};
// A band style bit: the band is there but not shown.
constexpr uint32_t kBandHidden = 0x8;

// What the rebar says about a band: its style, or nothing when it has no such band (or the
// query failed).
class BandQuery {
 public:
  virtual ~BandQuery() = default;
  virtual std::optional<uint32_t> BandStyle(uint32_t band) = 0;
};

// A band counts as shown when the rebar has it and its style lacks the hidden bit.
bool IsBandShown(BandQuery& rebar, uint32_t band);
// How many user toolbars the list shows: bands 512, 513, ... up to the first that is missing
// or hidden.
uint32_t ListedUserToolbars(BandQuery& rebar);
// The list text of user toolbar k (1-based): `format` with its one "%d" replaced by k ("%%"
// gives a percent sign; other conversions are shown as they are).
std::u16string UserToolbarName(std::u16string_view format, uint32_t k);

// The zoom slider: 75..200 percent in steps of 5 (positions 15..40), a page of 25 percent, a
// tick every 5 positions.
namespace zoom_slider {
constexpr int kStep = 5;
constexpr int kMinPosition = 15;
constexpr int kMaxPosition = 40;
constexpr int kPage = 25 / kStep;
constexpr int kTickEvery = 5;
}  // namespace zoom_slider
constexpr int kDefaultZoom = 100;
constexpr int ZoomOfPosition(int position) {
  return position * zoom_slider::kStep;
}
// The slider position nearest a zoom, kept within the slider.
int PositionOfZoom(int zoom);
// The value label: "100 %".
std::u16string ZoomLabel(int zoom);

constexpr std::u16string_view kComboFontKey = u"ComboFontName";
constexpr std::u16string_view kComboZoomKey = u"ComboZoom";
constexpr size_t kFaceNameCapacity = 32;  // units, with the terminator

// What the dialog reads when it opens, through one handle on "Common".
struct ToolbarSettings {
  bool textLabels = false;
  std::u16string face;  // never empty: the default face when none is stored
  int zoom = kDefaultZoom;
};
// A stored zoom is percent × 1000; one outside the slider's range reads as 100 percent.
ToolbarSettings LoadToolbarSettings(SettingsStore& store, const FlagTable& flags,
                                    std::u16string_view defaultFace);

// "ToolbarText" is stored even when it is off.
void WriteTextLabels(SettingsStore& store, const FlagTable& flags, bool on);
// The face is removed instead of stored when it equals the default face.
void WriteComboFace(SettingsStore& store, std::u16string_view face,
                    std::u16string_view defaultFace);
void WriteComboZoom(SettingsStore& store, int zoom);

// Reset of the toolbar layout: removes "RebarSize", "PIB0", "PIB1", ... (stopping after the
// first removal that fails, except for "PIB0", or after "PIB255"), "CellEditHeight",
// "ComboFontName" and "ComboZoom", and stores "ToolbarText" 0.
void ResetToolbarSettings(SettingsStore& store, const FlagTable& flags);

// The face list of the font box: each name once, sorted without regard to case.
std::vector<std::u16string> SortedFaceNames(std::vector<std::u16string> names);
// The entry equal to `face` (without regard to case), -1 when there is none.
int FindFaceName(const std::vector<std::u16string>& faces, std::u16string_view face);

}  // namespace scrv
