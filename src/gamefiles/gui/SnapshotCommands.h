#pragma once
// The Game Image tab: the current game's snapshot on every change of the current row, and
// the Delete Image, Refresh and Image Help buttons.

struct TCommandContext;

void RegisterSnapshotCommands(TCommandContext& context);

// Shows the snapshot of a game row, or "No Image" (SortGrid1SelectCell); row 0 does nothing.
void ShowSnapshot(TCommandContext& context, int row);
void RefreshImage(TCommandContext& context);
void DeleteImage(TCommandContext& context);
void ImageHelp(TCommandContext& context);
