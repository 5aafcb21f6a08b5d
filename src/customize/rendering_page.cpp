// The Rendering page's switches and modes. The gamma, contrast and ClearType sliders, the font
// fallback list and the live preview belong to the rendering page's own dialog code.

#include "customize/customize_pages.h"
#include "resource_ids.h"
#include "frame/anchor_layout.h"
#include "settings/flag_table.h"

namespace scrv {
namespace {

enum : uint8_t { kDirectWrite, kAutomatic, kColorFonts, kFastDraw, kAntialiasing, kMode };

constexpr uint64_t kDirectWriteBits = 0x800000000;
constexpr SettingRow kRows[] = {
    Dword(u"UseDirectWrite", 0).From(SystemDefault::kDirectWrite).Bits(kDirectWriteBits),
    Flag(flag::kAutodetectDWSettings).Bits(kDirectWriteBits),
    Dword(u"UseColorFonts", 0).From(SystemDefault::kColorFonts).Bits(0x4000),
    Dword(u"FastDraw", 0).From(SystemDefault::kDirectWrite).Bits(0x4000),
    Dword(u"AntialiasingMode", 0).From(SystemDefault::kAntialiasing).Bits(kDirectWriteBits),
    Dword(u"RenderingMode", 0).From(SystemDefault::kRenderingMode).Bits(kDirectWriteBits),
};

constexpr uint16_t kAntialiasItems[] = {IDS_AA_DEFAULT, IDS_AA_GRAYSCALE, IDS_AA_CLEARTYPE};
constexpr uint64_t kAntialiasValues[] = {1, 2, 3};
constexpr uint16_t kModeItems[] = {IDS_RENDER_DEFAULT,     IDS_RENDER_ALIASED,
                                   IDS_RENDER_GDI_CLASSIC, IDS_RENDER_GDI_NATURAL,
                                   IDS_RENDER_NATURAL,     IDS_RENDER_NATURAL_SYMMETRIC};
constexpr uint64_t kModeValues[] = {0, 2, 3, 4, 5, 6};

constexpr Binding kBindings[] = {
    Check(IDC_RENDER_DIRECTWRITE, kDirectWrite),
    Check(IDC_RENDER_AUTOMATIC, kAutomatic),
    Check(IDC_RENDER_COLOR_FONTS, kColorFonts),
    Inverted(IDC_RENDER_FAST_DRAW_OFF, kFastDraw),
    Combo(IDC_RENDER_ANTIALIAS, kAntialiasing, kAntialiasItems, kAntialiasValues),
    Combo(IDC_RENDER_MODE, kMode, kModeItems, kModeValues),
};

// The DirectWrite settings apply only with DirectWrite on, and are chosen by hand only when
// they are not detected automatically.
constexpr EnableRule kEnables[] = {
    {IDC_RENDER_AUTOMATIC, Effect::kEnable, IDC_RENDER_DIRECTWRITE},
    {IDC_RENDER_COLOR_FONTS, Effect::kEnable, IDC_RENDER_DIRECTWRITE},
    {IDC_RENDER_ANTIALIAS_LABEL, Effect::kEnable, IDC_RENDER_DIRECTWRITE},
    {IDC_RENDER_ANTIALIAS, Effect::kEnable, IDC_RENDER_DIRECTWRITE},
    {IDC_RENDER_MODE_LABEL, Effect::kEnable, IDC_RENDER_DIRECTWRITE},
    {IDC_RENDER_MODE, Effect::kEnable, IDC_RENDER_DIRECTWRITE},
    {IDC_RENDER_ANTIALIAS_LABEL, Effect::kEnableOff, IDC_RENDER_AUTOMATIC},
    {IDC_RENDER_ANTIALIAS, Effect::kEnableOff, IDC_RENDER_AUTOMATIC},
    {IDC_RENDER_MODE_LABEL, Effect::kEnableOff, IDC_RENDER_AUTOMATIC},
    {IDC_RENDER_MODE, Effect::kEnableOff, IDC_RENDER_AUTOMATIC},
};

constexpr PageAnchor kAnchors[] = {
    {IDC_CHECK_LIST, anchor::kStretchRight | anchor::kStretchBottom},
    {IDC_RENDER_FALLBACK_ADD, anchor::kMoveRight},
    {IDC_RENDER_FALLBACK_REMOVE, anchor::kMoveRight},
    {IDC_CL_MOVE_UP, anchor::kMoveRight},
    {IDC_CL_MOVE_DOWN, anchor::kMoveRight},
    {IDC_CUST_RESET, anchor::kMoveRight | anchor::kMoveBottom},
};

}  // namespace

const PageDescriptor kRenderingPage =
    Describe(IDD_CUST_RENDERING, HELP_TOPIC_CUST_RENDERING, kRows, kBindings, kEnables, kAnchors);

}  // namespace scrv
