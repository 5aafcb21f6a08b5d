#pragma once
// The private messages the editor's main window answers, as the host stand-in plays them.
#include <windows.h>

constexpr UINT kHostSettingsChanged = 0x8020;
constexpr UINT kHostDocumentNames = 0x8073;
constexpr UINT kHostColumnNames = 0x8074;
constexpr UINT kHostRendering = 0x8080;
constexpr UINT kHostApplyFilter = 0x8084;
constexpr UINT kHostQuery = 0x83A;  // wParam 356: DPI; 290: version string into lParam
