#pragma once
// The version of Windows the library runs on.

#include <windows.h>

namespace scrv {

// Whether the system is at least `major`.`minor` (service pack 0), as VerifyVersionInfoW says.
bool WindowsVersionAtLeast(DWORD major, DWORD minor);

}  // namespace scrv
