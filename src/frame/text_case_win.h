#pragma once
// The invariant locale's case mapping, as the platform does it.

#include "frame/text_case.h"

namespace scrv {

const TextCase& InvariantCase();

}  // namespace scrv
