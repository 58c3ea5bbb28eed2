#include "userdata/FilterSelection.h"

#include "frame/PickerDate.h"
#include "frame/SetupParameters.h"
#include "platform/system/NamedControl.h"
#include "userdata/DisplayFilter.h"
#include "userdata/ObjectDialogHooks.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QSignalBlocker>

namespace {

constexpr const char* ColourNames[] = {"red", "blue", "green", "yellow", "magenta", "black"};

QDateEdit* DatePicker(QWidget* parent, const char* name)
{
    auto* picker = platform::Named<QDateEdit>(parent, name);
    picker->setCalendarPopup(true);
    picker->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    return picker;
}

}  // namespace

FilterSelection::FilterSelection(QWidget* parent, const char* listName, FilterKind kind)
    : QGroupBox(parent), kind_(kind)
{
    setObjectName(QStringLiteral("gbSelection"));
    setTitle(QStringLiteral("Selection"));
    colourList = platform::Named<QListWidget>(this, listName);
    for (const char* name : ColourNames) {
        auto* item = new QListWidgetItem(QString::fromLatin1(name), colourList);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
    colourList->setFixedHeight(colourList->sizeHintForRow(0) * 6 + 2 * colourList->frameWidth());
    txFrom = platform::Captioned<QLabel>(this, "txFrom", "From");
    TimeFrom = DatePicker(this, "TimeFrom");
    txTo = platform::Captioned<QLabel>(this, "txTo", "To");
    TimeTo = DatePicker(this, "TimeTo");
    txAfter = platform::Captioned<QLabel>(this, "txAfter", "After");
    TimeAfter = DatePicker(this, "TimeAfter");

    auto* grid = new QGridLayout(this);
    grid->addWidget(colourList, 0, 0, 6, 1);
    grid->addWidget(txFrom, 0, 1);
    grid->addWidget(TimeFrom, 1, 1);
    grid->addWidget(txTo, 2, 1);
    grid->addWidget(TimeTo, 3, 1);
    grid->addWidget(txAfter, 4, 1);
    grid->addWidget(TimeAfter, 5, 1);

    connect(colourList, &QListWidget::itemChanged, this, [this] { ColourClick(); });
    connect(TimeFrom, &QDateEdit::dateChanged, this, [this] { TimeFromChange(); });
    connect(TimeTo, &QDateEdit::dateChanged, this, [this] { TimeToChange(); });
    connect(TimeAfter, &QDateEdit::dateChanged, this, [this] { TimeAfterChange(); });
}

void FilterSelection::ShowFilter()
{
    const bool tracks = kind_ == FilterKind::Tracks;
    const QSignalBlocker listBlock(colourList);
    const int32_t colours = tracks ? int32_t{SetupParameters.TrackFilterColours}
                                   : int32_t{SetupParameters.SymbolFilterColours};
    const auto mask = uint32_t(colours);
    for (int i = 0; i < colourList->count(); ++i)
        colourList->item(i)->setCheckState(((mask >> i) & 1u) != 0 ? Qt::Checked : Qt::Unchecked);
    const std::pair<QDateEdit*, double> dates[] = {
        {TimeFrom, tracks ? double{SetupParameters.TrackFilterFrom} : double{SetupParameters.SymbolFilterFrom}},
        {TimeTo, tracks ? double{SetupParameters.TrackFilterTo} : double{SetupParameters.SymbolFilterTo}},
        {TimeAfter, tracks ? double{SetupParameters.TrackFilterAfter} : double{SetupParameters.SymbolFilterAfter}}};
    for (const auto& [picker, days] : dates) {
        const QSignalBlocker block(picker);
        picker->setDate(DateFromDays(days));
    }
}

void FilterSelection::ColourClick()
{
    int32_t mask = 0;
    for (int i = 0; i < colourList->count(); ++i)
        if (colourList->item(i)->checkState() == Qt::Checked)
            mask |= int32_t(1) << i;
    if (kind_ == FilterKind::Tracks)
        SetupParameters.TrackFilterColours = mask;
    else
        SetupParameters.SymbolFilterColours = mask;
    AskChart(ChartRefresh::SelectObjects);
}

void FilterSelection::TimeFromChange()
{
    const double days = DaysFromDate(TimeFrom->date());
    if (kind_ == FilterKind::Tracks)
        SetupParameters.TrackFilterFrom = days;
    else
        SetupParameters.SymbolFilterFrom = days;
    datesChanged();
}

void FilterSelection::TimeToChange()
{
    const double days = DaysFromDate(TimeTo->date());
    if (kind_ == FilterKind::Tracks)
        SetupParameters.TrackFilterTo = days;
    else
        SetupParameters.SymbolFilterTo = days;
    datesChanged();
}

void FilterSelection::TimeAfterChange()
{
    const double days = DaysFromDate(TimeAfter->date());
    if (kind_ == FilterKind::Tracks)
        SetupParameters.TrackFilterAfter = days;
    else
        SetupParameters.SymbolFilterAfter = days;
    datesChanged();
}

void FilterSelection::datesChanged()
{
    UpdateFilterTimes();
    AskChart(ChartRefresh::SelectObjects);
}
