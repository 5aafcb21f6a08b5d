#pragma once
// The marker sheet as the host opens it, on each of its pages.

#include <vector>

#include "host_app.h"

std::vector<DemoEntry> MarkerDemoEntries();
