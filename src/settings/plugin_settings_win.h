#pragma once
// Values of the outline plug-in, which keeps its own settings apart from the product's: the
// key "Software\Korvan\ScrivletPlugIns\OutlineText", or section [OutlineText] of
// "scPlugins.ini" in INI mode.

#include <cstdint>
#include <string_view>

namespace scrv {

// In INI mode a missing value is recognised by reading it with this default, which therefore
// can never be a stored value.
constexpr uint32_t kPlugInAbsent = 0x80000000;

// The DWORD `name` into `value` and status 0; otherwise a non-zero status: 160
// (ERROR_BAD_ARGUMENTS) for a value that is not a 4-byte DWORD, 2 for a missing one, or the
// registry's status. Creates the key, or the plug-in file (UTF-16), when missing.
uint32_t ReadPlugInDword(std::u16string_view name, uint32_t* value);

// The DWORD, or `def` on any non-zero status.
uint32_t ReadPlugInDwordOr(std::u16string_view name, uint32_t def);

}  // namespace scrv
