#pragma once
// Case folding for the option search by the platform's own rules.

#include "controls/option_search.h"

namespace scrv {

class WinTextFolder : public TextFolder {
 public:
  std::u16string Fold(std::u16string_view text) const override;
};

}  // namespace scrv
