#pragma once
// Data files on disk, always through the staging copy ctx.Stage: the data file X.dat holds the
// CodeplugData, the channel file X.fre the used channels of groups 0..19 in table order.

#include <string>
#include <utility>

namespace zb {

struct AppContext;

// "ZB_347RX[Data File:new.dat]" in the current language: the main window's caption names the
// document's data file.
std::string CaptionText(const AppContext& ctx);
void SetDocumentCaption(AppContext& ctx);

void CopyToStage(AppContext& ctx);    // document -> stage, with model identity and "V200"
void CopyFromStage(AppContext& ctx);  // stage -> document, and the identity it names

// Writes both files (each replaced only once both are complete). On failure shows "file
// error." and leaves the old files and the untitled flag as they were.
bool SaveFiles(AppContext& ctx, const std::string& path);

// The bytes SaveFiles writes for the document (data file, channel file), computed without
// touching the context: the stage keeps telling whether the document has unsaved changes.
std::pair<std::string, std::string> DocumentFileBytes(const AppContext& ctx);

// Reads both files without checks (templates). When the data file cannot be read the document
// stays as it was and the stage is made equal to it.
bool PlainLoad(AppContext& ctx, const std::string& path);

// Open: version text, compatibility and length checks with their messages, then the load.
// A load that fails leaves the document as it was.
bool GuardedLoad(AppContext& ctx, const std::string& path);

}  // namespace zb
