#pragma once
// The private messages the editor's main window answers, as the host stand-in plays them.
#include <windows.h>

#include "frame/host_messages.h"
#include "menus/toolbars.h"

constexpr UINT kHostSettingsChanged = scrv::SCM_SETTINGS_CHANGED;
constexpr UINT kHostDocumentNames = scrv::SCM_DOCUMENT_NAMES;
constexpr UINT kHostColumnNames = scrv::SCM_COLUMN_NAMES;
constexpr UINT kHostRendering = scrv::SCM_RENDERING;
constexpr UINT kHostApplyFilter = scrv::SCM_APPLY_FILTER;
constexpr UINT kHostQuery = scrv::SCM_QUERY;
constexpr UINT kHostToolbarShow = scrv::SCM_TOOLBAR_SHOW;
constexpr UINT kHostToolbarHide = scrv::SCM_TOOLBAR_HIDE;
constexpr UINT kHostToolbarRebuild = scrv::SCM_TOOLBAR_REBUILD;
