#pragma once
// The one open document: new, open, save, its caption and whether it has unsaved changes.
// Questions go through ctx.prompter, windows and file dialogs through ctx.shellViews.

#include <string>

namespace zb {

struct AppContext;

// "ZB_347RX[Data File:new.dat]" in the current language.
std::string CaptionText(const AppContext& ctx);
void SetDocumentCaption(AppContext& ctx);

// True when the document equals the staging copy in every field that counts as a change;
// channels of a group are matched by ChNo, so their order does not matter.
bool IsSaved(const AppContext& ctx);

// A fresh document from the new-document template; path and untitled flag stay.
void LoadNewDoc(AppContext& ctx);

// The File menu. Each returns true when it did what it was asked.
bool NewDocument(AppContext& ctx);   // asks "All data will be cleared." first
bool OpenDocument(AppContext& ctx);  // offers to save unsaved changes first
// The second half of Open, for a file already chosen (also one named on the command line).
bool OpenDocumentFile(AppContext& ctx, const std::string& path);
bool SaveDocument(AppContext& ctx);  // Save As when untitled, else asks before overwriting
bool SaveDocumentAs(AppContext& ctx);
// The files at the document path, no question. A write that fails leaves the document, its
// staging copy and so the unsaved-changes test exactly as they were.
bool WriteDocument(AppContext& ctx);

// Initial Setting: asks "All data will be cleared." first, then loads the factory setting.
bool InitialSetting(AppContext& ctx);

// Whether the program may close now. Never while a conversation with the radio runs; with
// unsaved changes asks as Open does (Yes saves to the document path, Cancel or a failed save
// keeps the program open).
bool QueryExit(AppContext& ctx);

}  // namespace zb
