#pragma once
// The Customize sheet as the host opens it: on each of its pages, and with a search typed in
// its page list; and the platform's bare property sheet over the same page templates, which
// the open-cost benchmark measures it against.

#include <vector>

#include "host_app.h"

// The platform's property sheet over `count` page templates of the localisation module, with
// pages that do nothing: what the open-cost benchmark measures the library's sheets against.
INT_PTR BarePropertySheet(HWND owner, const int* templates, size_t count, int startPage,
                          const wchar_t* caption);

// Gallery entries for the Customize sheet.
std::vector<DemoEntry> CustomizeDemoEntries();
