#pragma once
// The "Selection" group the symbol and the track dialog share: the colour list and the From, To
// and After dates of one display filter of the settings record. A change is stored at once, the
// filter's times made anew (UpdateFilterTimes) and the objects selected again on the chart.

#include <QGroupBox>

#include <cstdint>

class QDateEdit;
class QLabel;
class QListWidget;

// The display filter of the settings record a group shows.
enum class FilterKind { Symbols, Tracks };

class FilterSelection : public QGroupBox {
public:
    // `listName` names the colour list ("cklSelObjColor" or "cklSelTrkColor").
    FilterSelection(QWidget* parent, const char* listName, FilterKind kind);

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
    // Date `date` (0 From, 1 To, 2 After) of the filter from the picker; the filter's times made
    // anew, the objects selected again.
    void storeDate(int date, const QDateEdit* picker);

    FilterKind kind_;
};
