#pragma once
// Key and shortcut names from the current keyboard layout, into the fixed buffers the dialogs
// use.

#include <windows.h>

#include "frame/key_names.h"

namespace scrv {

// The current thread's keyboard layout and the system's character classes.
KeyNameSource& SystemKeyNames();

// Always leaves a terminated text in buffer (empty when nothing could be found).
void GetVirtualKeyName(wchar_t* buffer, int capacity, UINT vk);
// out holds kAcceleratorTextCapacity characters.
void FormatAccelerator(wchar_t* out, const ACCEL& accel);

}  // namespace scrv
