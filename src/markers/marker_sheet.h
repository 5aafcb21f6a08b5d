#pragma once
// The marker sheet's working copy: the marker list, the automatic-marker flags and the
// options, loaded from "Common" when the sheet opens and written back on OK, each part only
// when it changed (the list, the flags) or when its page was opened (the options), with the
// change bits the editor's main windows are told.

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "markers/marker_list.h"
#include "markers_ids.h"
#include "settings/flag_table.h"
#include "settings/settings_store.h"

namespace scrv {

// The list, automatic markers and options pages.
constexpr int32_t kMarkerPageCount = 3;

constexpr std::u16string_view kMarkerStartPageKey = u"DefMarkerPage";
constexpr std::u16string_view kNavigationKey = u"NewPropertySheet";
constexpr std::u16string_view kAutoMarkerFlagsKey = u"AutoMarkerFlags";

// Change bits of OK (the editor decides what each bit means).
namespace marker_change {
constexpr uint64_t kList = 0x60000004100;
constexpr uint64_t kAutoFlags = 0x4100;
constexpr uint64_t kOptions = 0x4100;
constexpr uint64_t kOptionsCountingMatches = 0x40000004100;
}  // namespace marker_change

// The options page. The default colour is -1 (the least-used colour) or 0..9.
struct MarkerOptions {
  int32_t defaultColor = -1;
  bool promptRemove = true;
  bool autoShowBar = true;
  bool autoDisable = true;
  bool countMatches = false;
  friend bool operator==(const MarkerOptions&, const MarkerOptions&) = default;
};

// The options page's check boxes: control, row of the flag table, and whether a value equal to
// the row's default is removed rather than stored.
struct MarkerOptionBox {
  int control;
  uint32_t row;
  bool removedAtDefault;
  bool MarkerOptions::*field;
};
inline constexpr MarkerOptionBox kMarkerOptionBoxes[] = {
    {IDC_MO_PROMPT_REMOVE, flag::kPromptRemoveMarker, false, &MarkerOptions::promptRemove},
    {IDC_MO_AUTO_SHOW_BAR, flag::kAutoShowMarkersBar, false, &MarkerOptions::autoShowBar},
    {IDC_MO_AUTO_DISABLE, flag::kAutoDisableMarkers, true, &MarkerOptions::autoDisable},
    {IDC_MO_COUNT_MATCHES, flag::kCountMarkerMatches, true, &MarkerOptions::countMatches},
};
constexpr std::u16string_view kDefaultMarkerColorKey = u"DefMarkerColor";

// The automatic-markers page: the check box of each bit of "AutoMarkerFlags", bit 0 first.
inline constexpr int kAutoMarkerBoxes[] = {IDC_MA_SELECTION, IDC_MA_WORD, IDC_MA_WHOLE_WORD,
                                           IDC_MA_MATCH_CASE, IDC_MA_SINGLE_LINE};

// The ten colours the samples are drawn in (COLORREF, 0x00BBGGRR): a configuration's own set,
// stored in its key as the binary value "MarkerColors" (ten 32-bit colours), else these.
using MarkerColorSet = std::array<uint32_t, kMarkerColorCount>;
constexpr MarkerColorSet kDefaultMarkerColors = {0x0080FFFF, 0x00FFFF80, 0x0080FF80, 0x00FFC0FF,
                                                 0x0080C0FF, 0x00FFC080, 0x00C0C0C0, 0x008080FF,
                                                 0x00C0FFC0, 0x00FF80C0};
constexpr std::u16string_view kMarkerColorsKey = u"MarkerColors";
MarkerColorSet LoadMarkerColors(SettingsStore& store, std::u16string_view configuration);

class MarkerSheetModel {
 public:
  // Everything the sheet shows, read through one handle on "Common".
  void Load(SettingsStore& store, const FlagTable& flags);

  // The page to open: `requested` when it is not negative, else the one stored; a page the
  // sheet does not have opens the first.
  int32_t StartPage(int32_t requested) const;
  bool Navigation() const { return navigation_; }

  // OK: writes what changed (through one handle) and returns the change bits, 0 when nothing
  // was written.
  uint64_t Save(SettingsStore& store, const FlagTable& flags) const;

  MarkerList markers;
  uint32_t autoFlags = 0;
  MarkerOptions options;
  bool optionsPageOpened = false;

 private:
  MarkerList loadedMarkers_;
  uint32_t loadedAutoFlags_ = 0;
  int32_t storedStartPage_ = 0;
  bool navigation_ = true;
};

// The host's regular expression check.
class RegexCheck {
 public:
  virtual ~RegexCheck() = default;
  virtual bool IsValid(std::u16string_view pattern, bool matchCase) = 0;
};

// The first marker that is on, uses a regular expression and fails the check; -1 when none.
int FindInvalidMarker(const MarkerList& markers, RegexCheck& check);
// What the list page says while OK is refused for marker `index` (its number and the start of
// its text); `text` loads a string of the localisation module by its number.
std::u16string InvalidMarkerReason(const MarkerList& markers, int index,
                                   const std::function<std::u16string(uint32_t)>& text);

// A syntax check for when the editor gives no answer: brackets and groups closed, no
// quantifier without something to repeat, no escape cut off at the end, counted repeats in
// order. It refuses only what no common engine accepts.
bool RegexSyntaxValid(std::u16string_view pattern);

}  // namespace scrv
