// What other programs ask of the widget host over the session bus: the reload
// the companion application sends after every store write so the host
// rebuilds the timelines of all placed widgets, and the gallery the app's
// "Add Widget…" opens (starting the host first when none runs).
#pragma once

#include <QRect>
#include <QString>

namespace solvane::bus {

// Fire and forget: returns at once, and does nothing when no session bus
// exists or no host is running. Also broadcasts that the store changed, for
// status bars following the board. Returns whether the request was handed to
// the bus (not whether a host received it).
bool requestWidgetReload();

// Only the broadcast: the store changed. For the host itself, whose feed
// sync wrote it, so the window and status bars read it again.
bool announceStoreChanged();

// Whether a widget host holds its name on this session's bus.
bool widgetHostRunning();

// Asks the running host to open its gallery, keeping `keepClear` (a window of
// the caller's, in global coordinates; empty for none) free of new widgets.
// Fire and forget; returns whether the request was handed to the bus.
bool requestWidgetGallery(QRect keepClear = {});

// The gallery from wherever the user is: asks the running host, or starts
// `hostProgram` with --gallery when none runs. Returns whether either
// happened.
bool openWidgetGallery(const QString& hostProgram, QRect keepClear = {});

}  // namespace solvane::bus
