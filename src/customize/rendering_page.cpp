// The Rendering page: how the host draws text. Its values have rules of their own (the
// page's extension): they are previewed in the host as they change, and the sheet writes them
// after OK.

#include "customize/customize_environment.h"
#include "customize/customize_pages.h"
#include "customize/page_extensions.h"
#include "frame/anchor_layout.h"
#include "resource_ids.h"

namespace scrv {
namespace {

constexpr Anchor kAnchors[] = {
    {IDC_CHECK_LIST, anchor::kStretchRight | anchor::kStretchBottom},
    {IDC_RENDER_FALLBACK_ADD, anchor::kMoveRight},
    {IDC_RENDER_FALLBACK_REMOVE, anchor::kMoveRight},
    {IDC_CL_MOVE_UP, anchor::kMoveRight},
    {IDC_CL_MOVE_DOWN, anchor::kMoveRight},
    {IDC_CUST_RESET, anchor::kMoveRight | anchor::kMoveBottom},
};

}  // namespace

const PageDescriptor kRenderingPage = [] {
  PageDescriptor d = Describe(IDD_CUST_RENDERING, HELP_TOPIC_CUST_RENDERING, {}, {}, {}, kAnchors);
  d.extension = [] { return std::unique_ptr<PageExtension>(new RenderingExtension); };
  return d;
}();

void RenderingExtension::Load(PageModel&, SettingsStore& store, SettingsHandle h,
                              CustomizeEnvironment& env) {
  model.Load(store, h, env.Flags(), env.RenderingSystem());
}

uint64_t RenderingExtension::Save(PageModel&, SaveContext& ctx) {
  return model.Save(ctx.store, ctx.handle, ctx.env.Flags());
}

}  // namespace scrv
