#pragma once
// Per-monitor font scaling of dialog templates: the modal runner builds a copy of a template
// whose point size is scaled to the owner's monitor and runs the dialog from that copy.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace scrv {

// Where the point size word of a template lies: its byte offset, or nothing when the template
// declares no font (neither DS_SETFONT nor DS_FIXEDSYS). Refused (the outer optional empty)
// when the template is truncated: the fixed header, the menu, class or title field or the point
// size word runs past `size`.
std::optional<std::optional<size_t>> FindTemplatePointSize(const uint8_t* data, size_t size);

// A copy of the template with its point size replaced by MulDiv(pointSize, scalePercent,
// 100), limited to 1..0xFFFF. Templates without a font or with point size 0 are copied
// unchanged. Nothing for a truncated template or a scale of 0 or less.
std::optional<std::vector<uint8_t>> ScaleDialogTemplate(const uint8_t* data, size_t size,
                                                        int32_t scalePercent);

}  // namespace scrv
