#include "settings/common_read_pass.h"

namespace scrv {

CommonReadPass::~CommonReadPass() {
  if (common_) store_.CloseSettings(common_);
}

SettingsHandle CommonReadPass::OpenAppKey(std::u16string_view key, uint32_t flags) {
  if (key != u"Common" || flags != kCommonReadFlags) return store_.OpenAppKey(key, flags);
  if (!opened_) {
    opened_ = true;
    common_ = store_.OpenAppKey(key, flags);
  }
  return common_;
}

void CommonReadPass::CloseSettings(SettingsHandle h) {
  if (h && h == common_) return;
  store_.CloseSettings(h);
}

}  // namespace scrv
