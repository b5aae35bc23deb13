#pragma once
// The automatic search for the port, handshaking and stop bits on which the radio answers.

namespace zb {

struct AppContext;

void StartPortSearch(AppContext& ctx);
// An acknowledge (isIdentification false) or an identification reply arrived in the search.
void PortSearchAnswer(AppContext& ctx, bool isIdentification);
void PortSearchTimeout(AppContext& ctx);

}  // namespace zb
