#pragma once
// What the library requires of the host's windows: the window classes it looks for and the
// private messages it sends them, all synchronously. WM_APP is 0x8000, WM_USER 0x400.

#include <cstdint>

namespace scrv {

// Each main window of the host (several may exist; found by exact class name).
constexpr char16_t kHostMainWindowClass[] = u"ScrivletMainFrame3";
// The tray program's window.
constexpr char16_t kHostTrayWindowClass[] = u"ScrivletTrayIcon3";

// To the owner: 0 before, 1 after the plug-in list changes.
constexpr uint32_t SCM_PLUGINS_CHANGING = 0x801D;
// To every main window (and the tray window for some bits): low and high 32 bits of the
// change mask; the host rereads the settings the bits name.
constexpr uint32_t SCM_SETTINGS_CHANGED = 0x8020;
// To the owner: toolbar band and style values; SCM_REBUILD_REBAR answers the new rebar window.
constexpr uint32_t SCM_SHOW_TOOLBAR = 0x8021;
constexpr uint32_t SCM_REBUILD_REBAR = 0x8022;
constexpr uint32_t SCM_TOOLBAR_STYLE = 0x8037;
// To the main window: 0 and the clear-history bits.
constexpr uint32_t SCM_CLEAR_HISTORY = 0x804F;
// To the owner: 0 for the number of open documents, then the count and a buffer of 260-unit
// slots; nonzero when the names were filled.
constexpr uint32_t SCM_DOCUMENT_NAMES = 0x8073;
// To the parent: the document index in the high word of wParam (0xFFFF the current one), 0 or
// the count in the low word; the number of columns, then nonzero when the names were filled.
constexpr uint32_t SCM_COLUMN_NAMES = 0x8074;
// To the owner: 0 and a block to fill, or 1 and values to preview.
constexpr uint32_t SCM_RENDERING = 0x8080;
// To the parent: the source button and a condition block; the filter is applied before the
// call returns.
constexpr uint32_t SCM_APPLY_FILTER = 0x8084;
// To every main window: the number of formats and the old-index table.
constexpr uint32_t SCM_REMAP_CSV_FORMATS = 0x8085;
// To every main window: nonzero means a plug-in may not be switched or removed now.
constexpr uint32_t SCM_PLUGIN_BUSY = 0x829;
// To the nearest main window: wParam 356 asks for a window's DPI; to the owner: wParam 290
// and a buffer asks for the version string.
constexpr uint32_t SCM_QUERY = 0x83A;
constexpr uint32_t kQueryDpi = 356;
constexpr uint32_t kQueryVersion = 290;
// To every main window: release the plug-in before the call returns.
constexpr uint32_t SCM_RELEASE_PLUGIN = 0x83B;

}  // namespace scrv
