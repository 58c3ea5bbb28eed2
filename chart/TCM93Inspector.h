#pragma once
// The chart object inspector: a tool window on top that lists the chart objects a query found
// with their attributes; the object chosen is highlighted on the chart until the window hides.

#include "platform/chartengine/ObjectInspector.h"
#include "platform/geodesy/GeoTypes.h"

#include <QDialog>

#include <string>

struct ChartWindow;

class TCM93Inspector : public QDialog {
public:
    explicit TCM93Inspector(QWidget* owner = nullptr);

    void XObjectInspector1SelectObject(const std::string& identifierText);
    void FormHide();

    chartengine::ObjectInspector* XObjectInspector1 = nullptr;
    // The main window's chart, repainted with the highlight; none in a window of its own.
    ChartWindow* chart = nullptr;

protected:
    void hideEvent(QHideEvent* event) override;
};

inline TCM93Inspector* CM93Inspector = nullptr;

// The chart objects at the position (half size 3 of the main view's metric plane) in the
// inspector: a hidden inspector is first placed along the bottom of the main window, as wide as
// the chart, and shown; an empty result empties it.
void ShowChartObjectsAt(ChartWindow& chart, const cmgbase::GeoPoint& position);
