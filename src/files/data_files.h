#pragma once
// Data files on disk, always through the staging copy ctx.Stage: the data file X.dat holds the
// CodeplugData, the channel file X.fre the used channels of groups 0..19 in table order.

#include <string>
#include <utility>

#include "codeplug/records.h"

namespace zb {

struct AppContext;

// "ZB_347RX[Data File:new.dat]" in the current language: the main window's caption names the
// document's data file.
std::string CaptionText(const AppContext& ctx);
void SetDocumentCaption(AppContext& ctx);

void CopyToStage(AppContext& ctx);    // document -> stage, with model identity and "V200"
void CopyFromStage(AppContext& ctx);  // stage -> document, and the identity it names

// Writes both files as one step: both are replaced only once both are complete, and when the
// second cannot be replaced the first gets its old contents back. On failure shows "file
// error." (naming the file and the reason) and leaves the old files and the untitled flag as
// they were. A name whose channel file would be the data file itself is refused before
// anything is written.
bool SaveFiles(AppContext& ctx, const std::string& path);

// Builds a codeplug from the two files' bytes. Counts outside 0..40 are clamped and a current
// group outside 0..21 becomes 0, so nothing later indexes outside the tables; channels the
// channel file is too short for stay empty and are counted in *unread.
Codeplug ParseFileBytes(const std::string& data, const std::string& channels, int* unread = nullptr);

// The bytes SaveFiles writes for the document (data file, channel file), computed without
// touching the context: the stage keeps telling whether the document has unsaved changes.
std::pair<std::string, std::string> DocumentFileBytes(const AppContext& ctx);

// Reads both files without checks (templates). When the data file cannot be read the document
// stays as it was and the stage is made equal to it.
bool PlainLoad(AppContext& ctx, const std::string& path);

// Open: version text, compatibility and length checks with their messages, then the load.
// A load that fails leaves the document as it was. Only a regular file is read, and no more of
// it than a data file holds. A channel file that is missing or too short for the group counts
// loads the channels it has and warns; *unreadChannels tells how many could not be read.
bool GuardedLoad(AppContext& ctx, const std::string& path, int* unreadChannels = nullptr);

}  // namespace zb
