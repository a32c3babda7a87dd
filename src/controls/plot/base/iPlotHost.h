#pragma once
// What a plot offers the objects it owns. An object finds its plot as its owner when the
// owner implements TiPlotHost; without one (an object made by a bare manager) the object
// raises no plot events and reaches no other objects. The plot component implements it: it
// owns the master manager, raises its events for its objects (none while it is being loaded),
// translates captions, keeps the cartesian label collision list and knows its first toolbar.

#include "platform/gui/Control.h"

#include <string>

class TCanvas;
class TFont;
class TiPlotMasterManager;
class TiPlotObject;
struct TiPlotMouseData;

/// The mouse notifications an object passes to its plot.
enum class TiPlotMouseNotice { Down, Move, Up };

class TiPlotHost
{
public:
    /// The managers of the plot's objects (axes, channels, data views, toolbars ...).
    virtual TiPlotMasterManager& MasterManager() = 0;
    /// The canvas the plot measures hint texts on.
    virtual TCanvas& HintCanvas() = 0;

    // Range events of an axis; the plot reports the axis by kind and index in its manager.
    virtual void DoAxisMinChange(TiPlotObject& Axis, double OldMin, double NewMin) = 0;
    virtual void DoAxisSpanChange(TiPlotObject& Axis, double OldSpan, double NewSpan) = 0;
    virtual void DoAxisMinSpanChange(TiPlotObject& Axis, double OldMin, double OldSpan, double NewMin,
                                     double NewSpan) = 0;
    /// The end of a drag or key action that changed the range.
    virtual void DoAxisMinSpanChangeFinished(TiPlotObject& Axis, double OldMin, double OldSpan, double NewMin,
                                             double NewSpan) = 0;
    /// The user's label customisation; ALabel comes back possibly changed.
    virtual void DoAxisCustomizeLabel(TiPlotObject& Axis, double Value, std::string& ALabel) = 0;
    virtual void DoAxisCustomizeHint(TiPlotObject& Axis, std::string& AHint) = 0;
    /// The plot's click event for an axis or a data view.
    virtual void DoObjectClick(TiPlotObject& Object) = 0;
    /// The plot may change the mouse cursor an object chose.
    virtual void DoObjectMouseCursor(TiPlotObject& Object, TCursor& Cursor) = 0;
    /// Offered before a zoom box is applied; false cancels it.
    virtual bool DoBeforeZoomBox(TRect& ZoomRect) = 0;
    /// A caption through the plot's translation table.
    virtual std::string TranslateText(const std::string& Text) = 0;

    /// Cartesian axes: a label rectangle is accepted (and added) when it overlaps no
    /// rectangle in the list and lies within the first data view.
    virtual bool AxesCollisionAccept(const TRect& R) = 0;
    /// Adds a rectangle (scale lines and tick marks) without a test.
    virtual void AxesCollisionAdd(const TRect& R) = 0;

    /// Modes of the plot's first toolbar.
    virtual bool ToolBarSelectMode() = 0;
    virtual bool ToolBarZoomBoxMode() = 0;

    /// Set while one axis' input is replayed on the other axes, so they do not replay it.
    virtual bool& MasterUIInputBlock() = 0;

    // The notifications of channels, toolbars and data cursors. A host that raises no such
    // events (a test plot) keeps the defaults, which do nothing.
    /// A press, move or release on a data point of a channel (DataIndex -1: none).
    virtual void DoDataPointMouse(TiPlotMouseNotice, TiPlotObject&, int, const TiPlotMouseData&) {}
    /// A click on a data point; a double click when the release ends one.
    virtual void DoDataPointClick(TiPlotObject&, int) {}
    virtual void DoDataPointMoved(TiPlotObject&, int, double, double, double, double) {}
    virtual void DoDataPointCustomizeHint(TiPlotObject&, int, std::string&) {}
    /// Offered before a toolbar button acts; false cancels the action.
    virtual bool DoBeforeToolBarButtonClick(TiPlotObject&, int) { return true; }
    /// An object is about to show its popup menu at the screen point; false cancels it.
    virtual bool DoPopupMenu(TiPlotObject&, int, int) { return true; }
    /// An annotation's coordinates changed (a TiPlotAnnotationNotice).
    virtual void DoAnnotationNotice(TiPlotObject&, int) {}
    /// Annotations in the channel frame are clipped to their channel's axes.
    virtual bool AnnotationsClipToAxes() { return false; }
    /// A limit's line moved (Line 1 or 2).
    virtual void DoLimitLinePositionChange(TiPlotObject&, int, double, double) {}
    /// The body of a toolbar output button (copy, save, print, preview) on the plot.
    virtual void ToolBarOutput(int) {}
    virtual void DoToolBarButtonClick(TiPlotObject&, int) {}
    virtual void DoToolBarCustomizeHint(TiPlotObject&, std::string&) {}
    virtual void DoBeforeDataCursorUpdate(TiPlotObject&) {}
    virtual void DoDataCursorChange(TiPlotObject&) {}
    virtual void DoDataCursorCustomizeHint(TiPlotObject&, std::string&) {}
    /// The font the plot's hint boxes are drawn in (nullptr: the canvas font).
    virtual const TFont* HintsFont() { return nullptr; }
    /// Whether property files leave out values equal to their defaults.
    virtual bool DifferentialPropertySave() const { return false; }
    /// Runs the plot's layout pass (and with it every object's drawing preparation).
    virtual void ReCalcLayout() {}
    /// The column separator of data and log files: tab or comma.
    virtual char DataFileSeparator() { return '\t'; }

protected:
    ~TiPlotHost() = default;
};

/// What an axis asks of a channel when it zooms to fit its data. Channels implement it.
class TiPlotChannelExtents
{
public:
    virtual const std::string& XAxisName() const = 0;
    virtual const std::string& YAxisName() const = 0;
    /// Extremes found by scanning the points (-1e300 / 1e300 when there are none).
    virtual double GetXMax() = 0;
    virtual double GetXMin() = 0;
    virtual double GetYMax() = 0;
    virtual double GetYMin() = 0;
    /// The running extremes kept while points are added.
    virtual double RunningXMax() const = 0;
    virtual double RunningXMin() const = 0;
    virtual double RunningYMax() const = 0;
    virtual double RunningYMin() const = 0;

protected:
    ~TiPlotChannelExtents() = default;
};

/// The host of an object: its owner when that is a plot, else nullptr.
TiPlotHost* PlotHostOf(const TiPlotObject& Object);
