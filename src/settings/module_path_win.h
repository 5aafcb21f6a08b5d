#pragma once
// Whether an administrator has set a machine-wide module path for the product.

namespace scrv {

// False when packaged or in INI mode; otherwise whether the string "ModulePath" in the
// machine-wide "Common" key is non-empty.
bool HasModulePath();

}  // namespace scrv
