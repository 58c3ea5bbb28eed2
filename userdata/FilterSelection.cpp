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

#include <cstddef>
#include <cstring>

namespace {

constexpr const char* ColourNames[] = {"red", "blue", "green", "yellow", "magenta", "black"};

QDateEdit* DatePicker(QWidget* parent, const char* name)
{
    auto* picker = platform::Named<QDateEdit>(parent, name);
    picker->setCalendarPopup(true);
    picker->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    return picker;
}

// Where a filter's fields lie in the settings record, which is packed: they are read and written
// through their bytes.
struct FilterPlace {
    std::size_t colours;
    std::size_t dates[3];  // From, To, After
};
constexpr FilterPlace SymbolFilterPlace{offsetof(SetupParametersRecord, SymbolFilterColours),
                                        {offsetof(SetupParametersRecord, SymbolFilterFrom),
                                         offsetof(SetupParametersRecord, SymbolFilterTo),
                                         offsetof(SetupParametersRecord, SymbolFilterAfter)}};
constexpr FilterPlace TrackFilterPlace{offsetof(SetupParametersRecord, TrackFilterColours),
                                       {offsetof(SetupParametersRecord, TrackFilterFrom),
                                        offsetof(SetupParametersRecord, TrackFilterTo),
                                        offsetof(SetupParametersRecord, TrackFilterAfter)}};

const FilterPlace& PlaceOf(FilterKind kind)
{
    return kind == FilterKind::Tracks ? TrackFilterPlace : SymbolFilterPlace;
}

template <typename Value>
Value ReadField(std::size_t offset)
{
    Value value;
    std::memcpy(&value, reinterpret_cast<const std::byte*>(&SetupParameters) + offset, sizeof value);
    return value;
}

template <typename Value>
void WriteField(std::size_t offset, Value value)
{
    std::memcpy(reinterpret_cast<std::byte*>(&SetupParameters) + offset, &value, sizeof value);
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
    const FilterPlace& place = PlaceOf(kind_);
    const QSignalBlocker listBlock(colourList);
    const auto mask = ReadField<uint32_t>(place.colours);
    for (int i = 0; i < colourList->count(); ++i)
        colourList->item(i)->setCheckState(((mask >> i) & 1u) != 0 ? Qt::Checked : Qt::Unchecked);
    for (int date = 0; QDateEdit* picker : {TimeFrom, TimeTo, TimeAfter}) {
        const QSignalBlocker block(picker);
        picker->setDate(DateFromDays(ReadField<double>(place.dates[date++])));
    }
}

void FilterSelection::ColourClick()
{
    int32_t mask = 0;
    for (int i = 0; i < colourList->count(); ++i)
        if (colourList->item(i)->checkState() == Qt::Checked)
            mask |= int32_t(1) << i;
    WriteField(PlaceOf(kind_).colours, mask);
    AskChart(ChartRefresh::SelectObjects);
}

void FilterSelection::TimeFromChange() { storeDate(0, TimeFrom); }
void FilterSelection::TimeToChange() { storeDate(1, TimeTo); }
void FilterSelection::TimeAfterChange() { storeDate(2, TimeAfter); }

void FilterSelection::storeDate(int date, const QDateEdit* picker)
{
    WriteField(PlaceOf(kind_).dates[date], DaysFromDate(picker->date()));
    UpdateFilterTimes();
    AskChart(ChartRefresh::SelectObjects);
}
