#pragma once
// The "Selection" group the symbol and the track dialog share: the colour list and the From, To
// and After dates of one display filter of the settings record. A change is stored at once, the
// filter's times made anew (UpdateFilterTimes) and the objects selected again on the chart.

#include "frame/SetupParameters.h"

#include <QGroupBox>

#include <cstdint>

class QDateEdit;
class QLabel;
class QListWidget;

// The fields of one display filter in the settings record.
struct FilterFields {
    int32_t SetupParametersRecord::*colours;
    double SetupParametersRecord::*from;
    double SetupParametersRecord::*to;
    double SetupParametersRecord::*after;
};
constexpr FilterFields SymbolFilterFields{&SetupParametersRecord::SymbolFilterColours,
                                          &SetupParametersRecord::SymbolFilterFrom,
                                          &SetupParametersRecord::SymbolFilterTo,
                                          &SetupParametersRecord::SymbolFilterAfter};
constexpr FilterFields TrackFilterFields{&SetupParametersRecord::TrackFilterColours,
                                         &SetupParametersRecord::TrackFilterFrom,
                                         &SetupParametersRecord::TrackFilterTo,
                                         &SetupParametersRecord::TrackFilterAfter};

class FilterSelection : public QGroupBox {
public:
    // `listName` names the colour list ("cklSelObjColor" or "cklSelTrkColor").
    FilterSelection(QWidget* parent, const char* listName, FilterFields fields);

    // The colours and dates of the settings into the controls, no handler run.
    void ShowFilter();
    // Colour mask = 2^i for each checked item i.
    void ColourClick();
    void TimeFromChange();
    void TimeToChange();
    void TimeAfterChange();

    QListWidget* colourList;  // red, blue, green, yellow, magenta, black
    QLabel* txFrom;
    QDateEdit* TimeFrom;
    QLabel* txTo;
    QDateEdit* TimeTo;
    QLabel* txAfter;
    QDateEdit* TimeAfter;

private:
    void storeDate(const QDateEdit* picker, double SetupParametersRecord::*field);

    FilterFields fields_;
};
