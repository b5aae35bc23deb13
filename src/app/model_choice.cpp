#include "app/model_choice.h"

#include "app/context.h"
#include "app/document_lifecycle.h"
#include "app/messages.h"

namespace zb {

std::vector<std::string> ModelChoices() { return {"ZB347"}; }
std::vector<std::string> BandChoices() { return {kStandardBandText, kWideBandText}; }

bool ApplyModelChoice(AppContext& ctx, const std::string& model, const std::string& band) {
    if (model == ctx.identity.ModelName && band == ctx.identity.BandText) return false;
    if (ctx.prompter->Ask(Text(ctx, msg::ModelChangeWarning), Icon::Warning, Buttons::OkCancel,
                          Text(ctx, msg::WarningTitle)) != Answer::Ok)
        return false;
    ctx.identity.ModelName = model;
    ctx.identity.BandText = band;
    SetBandLimits(ctx.identity);
    LoadNewDoc(ctx);
    return true;
}

}  // namespace zb
