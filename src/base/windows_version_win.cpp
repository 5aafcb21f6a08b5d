#include "base/windows_version_win.h"

namespace scrv {

bool WindowsVersionAtLeast(DWORD major, DWORD minor) {
  OSVERSIONINFOEXW vi = {sizeof vi};
  vi.dwMajorVersion = major;
  vi.dwMinorVersion = minor;
  DWORDLONG mask = 0;
  mask = VerSetConditionMask(mask, VER_MAJORVERSION, VER_GREATER_EQUAL);
  mask = VerSetConditionMask(mask, VER_MINORVERSION, VER_GREATER_EQUAL);
  mask = VerSetConditionMask(mask, VER_SERVICEPACKMAJOR, VER_GREATER_EQUAL);
  return VerifyVersionInfoW(&vi, VER_MAJORVERSION | VER_MINORVERSION | VER_SERVICEPACKMAJOR,
                            mask) != FALSE;
}

}  // namespace scrv
