#include "customize/customize_session.h"

namespace scrv {
namespace {

template <size_t... I>
std::array<PageModel, sizeof...(I)> MakePages(std::index_sequence<I...>) {
  return {PageModel(*CustomizePages()[I])...};
}

}  // namespace

CustomizeSession::CustomizeSession(CustomizeEnvironment& env)
    : env_(env), pages_(MakePages(std::make_index_sequence<page::kCount>())) {}

void CustomizeSession::Load(SettingsStore& store, SettingsHandle common) {
  for (PageModel& page : pages_) page.Load(store, common, env_);
}

CustomizeOutcome CustomizeSession::Save(SettingsStore& store, SettingsHandle common,
                                        uint32_t* restart) {
  SaveContext ctx{store, common, env_, 1, restart};
  uint64_t changes = 0;
  // Page order puts the Language page last, as its restart notice must come after the
  // Advanced page's.
  for (PageModel& page : pages_) changes |= page.Save(ctx);
  return {ctx.result, changes};
}

}  // namespace scrv
