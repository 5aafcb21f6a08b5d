#pragma once
// The private messages the editor's main window answers, as the host stand-in plays them.
#include <windows.h>

#include "frame/host_messages.h"

constexpr UINT kHostSettingsChanged = scrv::SCM_SETTINGS_CHANGED;
constexpr UINT kHostDocumentNames = scrv::SCM_DOCUMENT_NAMES;
constexpr UINT kHostColumnNames = scrv::SCM_COLUMN_NAMES;
constexpr UINT kHostRendering = scrv::SCM_RENDERING;
constexpr UINT kHostApplyFilter = scrv::SCM_APPLY_FILTER;
constexpr UINT kHostQuery = scrv::SCM_QUERY;
constexpr UINT kHostPluginBusy = scrv::SCM_PLUGIN_BUSY;
constexpr UINT kHostReleasePlugin = scrv::SCM_RELEASE_PLUGIN;
constexpr UINT kHostPluginsChanging = scrv::SCM_PLUGINS_CHANGING;
