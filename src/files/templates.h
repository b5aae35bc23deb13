#pragma once
// The template data files of the program folder's "Init" folder, and the start-up document
// built from the defaults and the new-document template.

#include <string>

namespace zb {

struct AppContext;

inline constexpr const char* kNewDocTemplate = "ZB347_New.dat";   // a new document
inline constexpr const char* kFactoryTemplate = "ZB347.dat";      // the Initial Setting command

// Every built-in default into ctx.Doc and ctx.Rmg, dated today (ctx.fixedToday when set); no
// template, no stage copy.
void ApplyDefaults(AppContext& ctx);

// Start-up: defaults, then the new-document template, then the stage copy.
void StartupInit(AppContext& ctx);

// Loads "Init/<name>" of the program folder over the document (unchanged when it cannot be
// read), mirrors groups 0..9 into 10..19 and VfoA's frequencies into VfoB, then makes the stage
// equal to the document.
void LoadTemplate(AppContext& ctx, const std::string& name);

// The template steps after the file: groups 0..9 into 10..19, VfoA's frequencies into VfoB,
// the stage made equal to the document.
void MirrorTemplate(AppContext& ctx);

}  // namespace zb
