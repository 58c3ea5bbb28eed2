// The symbol and track dialogs in the started program, through the start-up's wiring: what each
// handler writes to the settings record and what it asks of the chart, the styles read back on
// hiding, symbols and lines never both off, Save all over the real target table and the point
// list written and opened in the text editor.

#include "ObjectStoreFixture.h"

#include "app/TDlgFileEdit.h"
#include "chart/OverlayColours.h"
#include "frame/DateConversion.h"
#include "frame/PickerDate.h"
#include "platform/system/ColourBox.h"
#include "sensors/TSimDlg.h"
#include "sensors/TargetTable.h"
#include "userdata/FilterSelection.h"
#include "userdata/ObjectDialogHooks.h"
#include "userdata/PointList.h"
#include "userdata/TSymbDlg.h"
#include "userdata/TTrackDlg.h"
#include "userdata/TrackRing.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include <fstream>
#include <functional>
#include <memory>
#include <optional>
#include <sstream>

namespace {

constexpr double FilterDay = 45000.0;  // 15 March 2023

class SymbolTrackDialogTest : public ObjectStoreTest {
protected:
    void SetUp() override
    {
        ObjectStoreTest::SetUp();
        symbols = std::make_unique<TSymbDlg>();
        SymbDlg = symbols.get();
        tracks = std::make_unique<TTrackDlg>();
        TrackDlg = tracks.get();
        // The chart's requests as the start-up's wiring takes them, noted on the way.
        const auto wired = ObjectDialogHook.refresh;
        ASSERT_TRUE(wired);
        ObjectDialogHook.refresh = [this, wired](ChartRefresh refresh) {
            requests.push_back(refresh);
            wired(refresh);
        };
    }
    void TearDown() override
    {
        SymbDlg = nullptr;
        TrackDlg = nullptr;
        symbols.reset();
        tracks.reset();
        ResetTargetTable();
        ObjectStoreTest::TearDown();
    }

    // The last request, the chart's redraw asked for, both cleared.
    std::optional<ChartRefresh> takeRequest()
    {
        EXPECT_TRUE(requests.empty() || form->chartRedrawRequest);
        form->chartRedrawRequest = false;
        std::optional<ChartRefresh> last;
        if (!requests.empty())
            last = requests.back();
        requests.clear();
        return last;
    }

    // The stored objects, each with its point count.
    static std::vector<uint16_t> storedPointCounts()
    {
        std::vector<uint16_t> counts;
        IdRecord record;
        for (auto status = UserIsam.readFirst(IdTypeKey, platform::isam::bytesOf(record)); status == platform::isam::Status::Ok;
             status = UserIsam.readNext(IdTypeKey, platform::isam::bytesOf(record)))
            counts.push_back(record.pointCount);
        return counts;
    }

    // A click on the button; on a check box or radio button on its indicator at the left edge.
    static void click(QAbstractButton* button)
    {
        const bool indicator = qobject_cast<QCheckBox*>(button) || qobject_cast<QRadioButton*>(button);
        QTest::mouseClick(button, Qt::LeftButton, {},
                          indicator ? QPoint(6, button->height() / 2) : button->rect().center());
    }
    static void clickBox(ColourBox* box) { QTest::mouseClick(box, Qt::LeftButton); }
    static void check(QListWidget* list, std::initializer_list<int> rows)
    {
        for (int row = 0; row < list->count(); ++row)
            list->item(row)->setCheckState(std::find(rows.begin(), rows.end(), row) != rows.end() ? Qt::Checked
                                                                                                 : Qt::Unchecked);
    }

    std::unique_ptr<TSymbDlg> symbols;
    std::unique_ptr<TTrackDlg> tracks;
    std::vector<ChartRefresh> requests;
};

// A handler run on a control's state, the settings field it writes and the request it leaves.
struct HandlerCase {
    const char* name;
    std::function<void()> act;
    std::function<int64_t()> field;
    int64_t expected;
    std::optional<ChartRefresh> request;
};

}  // namespace

TEST_F(SymbolTrackDialogTest, SymbolDialogHandlersWriteTheirSettingAndAskTheChart)
{
    symbols->show();
    QApplication::processEvents();
    takeRequest();
    TSymbDlg& d = *symbols;
    double to = FilterDay;
    const int64_t toDayEnd = DateToUnixTime(to) + 86398;
    const HandlerCase cases[] = {
        {"symbols off", [&] { click(d.ckSymbols); }, [] { return SetupParameters.FilterSymbols; }, 0,
         ChartRefresh::Objects},
        {"lines kept on", [] {}, [] { return SetupParameters.FilterLines; }, 1, std::nullopt},
        {"symbols on", [&] { click(d.ckSymbols); }, [] { return SetupParameters.FilterSymbols; }, 1,
         ChartRefresh::Objects},
        {"lines off", [&] { click(d.ckLines); }, [] { return SetupParameters.FilterLines; }, 0, ChartRefresh::Objects},
        {"times shown", [&] { click(d.ckShowDate); }, [] { return SetupParameters.SymbolDatesShown; }, 1,
         ChartRefresh::Redraw},
        {"red and black", [&] { check(d.gbSelection->colourList, {0, 5}); },
         [] { return SetupParameters.SymbolFilterColours; }, 0x21, ChartRefresh::SelectObjects},
        {"no colour", [&] { check(d.gbSelection->colourList, {}); }, [] { return SetupParameters.SymbolFilterColours; },
         0, ChartRefresh::SelectObjects},
        {"From", [&] { d.gbSelection->TimeFrom->setDate(DateFromDays(FilterDay - 3)); },
         [] { return int64_t(SetupParameters.SymbolFilterFrom); }, int64_t(FilterDay - 3), ChartRefresh::SelectObjects},
        {"To", [&] { d.gbSelection->TimeTo->setDate(DateFromDays(FilterDay)); },
         [] { return int64_t(SetupParameters.SymbolFilterTo); }, int64_t(FilterDay), ChartRefresh::SelectObjects},
        {"To's time", [] {}, [] { return FilterTimes.symbolTo; }, toDayEnd, std::nullopt},
        {"After", [&] { d.gbSelection->TimeAfter->setDate(DateFromDays(FilterDay + 9)); },
         [] { return int64_t(SetupParameters.SymbolFilterAfter); }, int64_t(FilterDay + 9),
         ChartRefresh::SelectObjects},
        {"tracks' To untouched", [] {}, [] { return FilterTimes.trackTo; }, -1, std::nullopt},
    };
    for (const HandlerCase& c : cases) {
        SCOPED_TRACE(c.name);
        c.act();
        EXPECT_EQ(c.field(), c.expected);
        EXPECT_EQ(takeRequest(), c.request);
    }
}

TEST_F(SymbolTrackDialogTest, TrackDialogHandlersWriteTheirSettingAndAskTheChart)
{
    tracks->show();
    QApplication::processEvents();
    takeRequest();
    TTrackDlg& d = *tracks;
    double to = FilterDay;
    const int64_t toDayEnd = DateToUnixTime(to) + 86398;
    const HandlerCase cases[] = {
        {"names off", [&] { click(d.ckShowName); }, [] { return SetupParameters.TrackNamesShown; }, 0,
         ChartRefresh::Redraw},
        {"flags on", [&] { click(d.ckShowFlag); }, [] { return SetupParameters.TrackFlagsShown; }, 1,
         ChartRefresh::Redraw},
        {"dates on", [&] { click(d.ckShowDate); }, [] { return SetupParameters.TrackDatesShown; }, 1,
         ChartRefresh::Redraw},
        {"blue", [&] { clickBox(d.pBlue); }, [] { return SetupParameters.TrackColour; }, 2, ChartRefresh::Redraw},
        {"black", [&] { clickBox(d.pBlack); }, [] { return SetupParameters.TrackColour; }, 6, ChartRefresh::Redraw},
        {"red", [&] { clickBox(d.pRed); }, [] { return SetupParameters.TrackColour; }, 1, ChartRefresh::Redraw},
        {"green and yellow", [&] { check(d.gbSelection->colourList, {2, 3}); },
         [] { return SetupParameters.TrackFilterColours; }, 0x0C, ChartRefresh::SelectObjects},
        {"To", [&] { d.gbSelection->TimeTo->setDate(DateFromDays(FilterDay)); },
         [] { return int64_t(SetupParameters.TrackFilterTo); }, int64_t(FilterDay), ChartRefresh::SelectObjects},
        {"To's time", [] {}, [] { return FilterTimes.trackTo; }, toDayEnd, std::nullopt},
        {"symbols' To untouched", [] {}, [] { return FilterTimes.symbolTo; }, -1, std::nullopt},
        {"styles wait for the hiding", [&] { click(d.ckTrackWide); }, [] { return SetupParameters.TrackMode; }, 0,
         std::nullopt},
    };
    for (const HandlerCase& c : cases) {
        SCOPED_TRACE(c.name);
        c.act();
        EXPECT_EQ(c.field(), c.expected);
        EXPECT_EQ(takeRequest(), c.request);
    }
    // The samples take the track colour chosen, the pickers the user colours.
    EXPECT_EQ(d.pTrackW->palette().color(QPalette::Window), UserColour(1));
    EXPECT_EQ(d.pBlack->palette().color(QPalette::Window), UserColour(6));
}

// Shown from the settings, the radio buttons go back to the settings only when the dialog hides,
// with the lost-target box.
TEST_F(SymbolTrackDialogTest, StylesAreReadBackOnHiding)
{
    SetupParameters.TrackMode = 2;
    SetupParameters.SelectedTrackStyle = 1;
    SetupParameters.LostTargetShown = 0;
    tracks->show();
    QApplication::processEvents();
    EXPECT_TRUE(tracks->ckTrackDpt->isChecked());
    EXPECT_TRUE(tracks->ckSelThin->isChecked());
    EXPECT_FALSE(KeepLostArpaTargets());

    click(tracks->ckTrackOff);
    click(tracks->ckSelDpt);
    click(tracks->ckLostArpa);
    EXPECT_TRUE(KeepLostArpaTargets());  // the box counts while the dialog is open
    EXPECT_EQ(SetupParameters.TrackMode, 2);
    takeRequest();

    tracks->hide();
    EXPECT_EQ(SetupParameters.TrackMode, 0);
    EXPECT_EQ(SetupParameters.SelectedTrackStyle, 2);
    EXPECT_EQ(SetupParameters.LostTargetShown, 1);
    EXPECT_TRUE(KeepLostArpaTargets());
    EXPECT_EQ(takeRequest(), ChartRefresh::Objects);

    SetupParameters.TrackMode = 3;
    SetupParameters.SelectedTrackStyle = 3;
    tracks->show();
    QApplication::processEvents();
    click(tracks->btnShow);  // hides
    EXPECT_FALSE(tracks->isVisible());
    EXPECT_EQ(SetupParameters.TrackMode, 3);
    EXPECT_EQ(SetupParameters.SelectedTrackStyle, 3);
    EXPECT_TRUE(form->TrackBtn->isChecked());
}

// Whatever is clicked, the chart keeps one of the two kinds of objects.
TEST_F(SymbolTrackDialogTest, SymbolsAndLinesCannotBothBeSwitchedOff)
{
    SetupParameters.FilterSymbols = 1;
    SetupParameters.FilterLines = 0;
    symbols->show();
    QApplication::processEvents();
    for (QCheckBox* box : {symbols->ckSymbols, symbols->ckLines, symbols->ckLines, symbols->ckSymbols,
                           symbols->ckSymbols, symbols->ckLines}) {
        click(box);
        SCOPED_TRACE(box->objectName().toStdString());
        EXPECT_TRUE(SetupParameters.FilterSymbols || SetupParameters.FilterLines);
        EXPECT_EQ(bool(SetupParameters.FilterSymbols), symbols->ckSymbols->isChecked());
        EXPECT_EQ(bool(SetupParameters.FilterLines), symbols->ckLines->isChecked());
    }
}

// Save all stores the tracks long enough to be kept and frees every record, occupied or not.
TEST_F(SymbolTrackDialogTest, SaveAllFreesEveryTargetRecord)
{
    ResetTargetTable();
    for (int32_t index : {0, 700, TargetCount - 1}) {
        TargetRecord& target = ClaimTarget(index, 100 + index, 0);
        target.count = 2;  // too short to be stored
    }
    TargetRecord& tracked = ClaimTarget(5, 42, 0);
    for (int k = 0; k < 6; ++k) {
        tracked.track[k][0] = ObjectTestCentre.x;
        tracked.track[k][1] = ObjectTestCentre.y + 1000 * k;
        tracked.timeHistory[k] = uint32_t(1700000000 + 60 * k);
    }
    tracked.count = 6;
    tracks->show();

    click(tracks->btnSaveArpa);

    for (int32_t index = 0; index < TargetCount; ++index)
        ASSERT_EQ(int32_t{TargetTable[size_t(index)].id}, -1) << index;
    EXPECT_FALSE(tracks->isVisible());
    EXPECT_EQ(storedPointCounts(), std::vector<uint16_t>{6});  // the one track long enough

    ResetTargetTable();
    click(tracks->btnSaveArpa);  // no targets at all
    for (int32_t index = 0; index < TargetCount; ++index)
        ASSERT_EQ(int32_t{TargetTable[size_t(index)].id}, -1) << index;
    EXPECT_EQ(storedPointCounts(), std::vector<uint16_t>{6});
}

// The point list is written to the log folder and the editor opens that very file at its size;
// without a line nothing is written and nothing opens.
TEST_F(SymbolTrackDialogTest, PrintWritesThePointListAndOpensTheFileWritten)
{
    auto editor = std::make_unique<TDlgFileEdit>();
    DlgFileEdit = editor.get();
    StoreObject(StoredObject(ObjectType::LINE, 10001, 1), pointsAt(10001, {{100, 100}, {200, 150}}));
    std::filesystem::remove(PointListPath());

    LineId = 0;
    symbols->show();
    EXPECT_FALSE(symbols->btnPrint->isEnabled());
    symbols->btnPrintClick();
    EXPECT_FALSE(std::filesystem::exists(PointListPath()));
    EXPECT_FALSE(editor->isVisible());
    symbols->hide();

    LineId = 10001;
    symbols->show();
    ASSERT_TRUE(symbols->btnPrint->isEnabled());
    click(symbols->btnPrint);

    ASSERT_TRUE(std::filesystem::exists(PointListPath()));
    EXPECT_EQ(PointListPath().parent_path(), DataPaths[DataPathLog]);
    EXPECT_EQ(EditFilePath, PointListPath());
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(editor->size(), QSize(TSymbDlg::PointListWidth, TSymbDlg::PointListHeight));
    std::ifstream in(PointListPath(), std::ios::binary);
    std::stringstream written;
    written << in.rdbuf();
    EXPECT_NE(written.str().find("002: "), std::string::npos);
    EXPECT_NE(editor->Memo->toPlainText().indexOf(QStringLiteral("002: ")), -1);
    editor->hide();
    DlgFileEdit = nullptr;
}

// Delete drops the recorded track and turns the track button over; the next sampling starts anew.
TEST_F(SymbolTrackDialogTest, DeleteEmptiesTheRecordedTrack)
{
    for (int slot : {0, 1, 2})
        SetupParameters.TrackRing[size_t(slot)].latitude = 57.0 + slot;
    SetupParameters.TrackIndex = 3;
    SetupParameters.TrackLength = 42.0f;
    TrackSaveRequest = false;
    form->TrackBtn->setChecked(false);
    tracks->show();

    click(tracks->btnDelete);

    EXPECT_EQ(RingSampleCount(), 0);
    EXPECT_EQ(int32_t{SetupParameters.TrackIndex}, 0);
    EXPECT_EQ(float{SetupParameters.TrackLength}, 0.0f);
    EXPECT_TRUE(TrackSaveRequest);
    EXPECT_TRUE(form->TrackBtn->isChecked());
    EXPECT_FALSE(tracks->isVisible());
    EXPECT_EQ(takeRequest(), ChartRefresh::Objects);  // the hiding's, after the redraw

    // As replay start calls it: the dialog closed, the button left alone.
    SetupParameters.TrackRing[0].latitude = 57.0;
    tracks->btnDeleteClick(false);
    EXPECT_EQ(RingSampleCount(), 0);
    EXPECT_TRUE(form->TrackBtn->isChecked());
}

// The track tools: the chart's next pick armed, the track button down, the dialog gone.
TEST_F(SymbolTrackDialogTest, TrackToolsArmTheChartPick)
{
    const struct {
        const char* name;
        QPushButton* TTrackDlg::*button;
        std::function<bool()> armed;
    } cases[] = {
        {"Cut", &TTrackDlg::btnCut, [] { return CutMode; }},
        {"Del", &TTrackDlg::btnDel, [] { return PickMode == 1; }},
        {"Save", &TTrackDlg::btnSave, [] { return TrackSaveRequest; }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ResetEditingState();
        TrackSaveRequest = false;
        form->TrackBtn->setChecked(false);
        tracks->show();
        click(tracks.get()->*c.button);
        EXPECT_TRUE(c.armed());
        EXPECT_TRUE(form->TrackBtn->isChecked());
        EXPECT_FALSE(tracks->isVisible());
    }
    AddSelectedTrack(1001);
    tracks->show();
    click(tracks->btnHide);
    EXPECT_FALSE(IsSelectedTrack(1001));
    EXPECT_FALSE(form->TrackBtn->isChecked());
}

TEST_F(SymbolTrackDialogTest, SimulatedOpensTheSimulatedTargetDialog)
{
    auto simulated = std::make_unique<TSimDlg>();
    SimDlg = simulated.get();
    tracks->show();
    click(tracks->btnSimTarget);
    EXPECT_FALSE(tracks->isVisible());
    EXPECT_TRUE(simulated->isVisible());
    simulated->hide();
    SimDlg = nullptr;
}

// The sounding marks' distance: "off" at 0, else tenths of a nautical mile.
TEST_F(SymbolTrackDialogTest, SoundingIntervalShowsAndFeedsTheMarks)
{
    const struct {
        int value;
        const char* shown;
    } cases[] = {{5, "0.5 Nm"}, {23, "2.3 Nm"}, {0, "off"}, {100, "10.0 Nm"}};
    for (const auto& c : cases) {
        symbols->udSounding->setValue(c.value);
        EXPECT_EQ(symbols->edSounding->text().toStdString(), c.shown);
        EXPECT_EQ(SoundingMarkInterval(), c.value);
    }
}
