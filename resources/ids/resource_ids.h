// Resource numbers shared by the resource scripts and the code: templates, controls, strings,
// icons and bitmaps. These numbers are the contract between the library and its resource
// modules; no bare control number appears in C++. One header per subsystem.
#pragma once

#include "frame_ids.h"
#include "settings_ids.h"
#include "controls_ids.h"
#include "tools_ids.h"
#include "jump_ids.h"
#include "keys_ids.h"
#include "filter_ids.h"
#include "plugin_ids.h"
#include "associate_ids.h"
#include "customize_ids.h"
#include "menus_ids.h"
#include "toolbars_ids.h"
#include "markers_ids.h"
#include "text_tools_ids.h"
#include "integration_ids.h"
