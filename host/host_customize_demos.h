#pragma once
// The Customize sheet as the host opens it: on each of its pages, and with a search typed in
// its page list; and the platform's bare property sheet over the same page templates, which
// the open-cost benchmark measures it against.

#include <vector>

#include "host_app.h"

// Gallery entries for the Customize sheet.
std::vector<DemoEntry> CustomizeDemoEntries();
