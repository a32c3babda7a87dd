#pragma once

class TiPlotComponent;

/// Adds the objects a plot made in code starts with, the layout manager off meanwhile: a
/// toolbar (z order 3), a legend (2), an X and a Y axis, a channel (when the plot's channel
/// class can be made), a data view, a data cursor and the label "Title" (2).
void AddDefaultObjects(TiPlotComponent& Plot);
