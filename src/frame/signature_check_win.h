#pragma once
// Before the library starts a helper program of the product or loads one of its standard
// plug-ins, it checks the file's signature. A file on a network path that does not answer must
// not freeze the dialog, so its attributes are read on a short-lived thread and given up after
// three seconds.

#include <windows.h>

namespace scrv {

// The file's attributes, or INVALID_FILE_ATTRIBUTES (0xFFFFFFFF) when they cannot be had within
// kProbeTimeoutMs. A probe that times out is left to end on its own.
constexpr DWORD kProbeTimeoutMs = 3000;
DWORD ProbeFileAttributes(const wchar_t* path);

// 1 when the file may be used, 0 when it must not. Packaged installations and a process in
// which the user already accepted an unverified file pass at once; a missing file, a folder or
// a path that does not answer fails silently; a certificate chain that cannot be built to a
// trusted root is accepted (and remembered); any other verdict asks the user.
int VerifyFileSignature(const wchar_t* path);

}  // namespace scrv
