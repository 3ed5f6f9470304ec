// The request the companion application sends after every store write so the
// widget host rebuilds the timelines of all placed widgets.
#pragma once

namespace solvane::host {

// Fire and forget: returns at once, and does nothing when no session bus
// exists or no host is running. Returns whether the request was handed to the
// bus (not whether a host received it).
bool requestWidgetReload();

}  // namespace solvane::host
