#pragma once
// A transfer curve put on a dynamics plot: its points on the plot's first
// channel, the threshold marker on its second. Each drawing replaces every
// point a channel holds, however many that is.

class TControl;

namespace qx {

struct TransferCurve;

// Nothing happens unless `plot` is an X-Y plot with two channels.
void showTransferCurve(TControl* plot, const TransferCurve& curve);

} // namespace qx
