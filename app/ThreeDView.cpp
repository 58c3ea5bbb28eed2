// Show3DBtn: the 3D view of the chart in the outside 3D viewer. Opening it tells the 3D programs
// through the 3D library's status words, exports the chart's area and starts the viewer; closing
// it fetches the exchange record and tells them the view is closed.

#include "app/ChildPrograms.h"
#include "app/ExternalLibraries.h"
#include "app/StartupIni.h"
#include "app/TForm1.h"
#include "app/ViewButtons.h"
#include "chart/ChartLevels.h"
#include "chart/ChartRedraw.h"
#include "chart/Clip3DExport.h"
#include "frame/SharedTables.h"
#include "sensors/OwnShipState.h"

#include <QToolButton>

namespace {

// StatA as the view opens: bit 0x200 (view closed) and every bit above 0x800 cleared, as the 3D
// programs' protocol has it (the word is theirs too).
constexpr int32_t StatAOpening = 0xDFF;
constexpr int32_t StatAViewClosed = 0x200;
// Courses (exclusive) for which the 3D view recentres the chart on the own ship with Auto.
constexpr float RecentreCourseFrom = 190.0f;
constexpr float RecentreCourseTo = 300.0f;

bool ThreeDLibraryBound()
{
    const ExternalEntries& e = ExternalEntryTable;
    return ThreeDAvailable && e.tGetRec && e.tGetStatA && e.tPutStatA && e.tGetStatC;
}

// The 3D side holds back the export; never without the library.
bool ExportHeld()
{
    return ThreeDLibraryBound() && (ExternalEntryTable.tGetStatC() & StatCExportHeld) != 0;
}

// The viewer by its configured command, in the working folder; a viewer started before that is
// still running stays the one the shut-down ends, and no second one is started.
void StartThreeDViewer()
{
    if (!ThreeDViewer.isRunning())
        ThreeDViewer.start(OutsideProgramCommands.threeDViewer);
}

void OpenThreeDView(TForm1& form)
{
    const ExternalEntries& e = ExternalEntryTable;
    if (ThreeDLibraryBound())
        e.tPutStatA(e.tGetStatA() & StatAOpening);
    if (!form.Show2DBtn->isChecked() && form.chartLevel <= ThreeDLevelLimit && !ExportHeld())
        ExportClip3D(form, ViewGeoRect);
    StartThreeDViewer();
    const float course = OwnShip.displayCourse;
    if (form.AutoBtn->isChecked() && course > RecentreCourseFrom && course < RecentreCourseTo)
        form.ForceRecentre = true;
}

void CloseThreeDView()
{
    const ExternalEntries& e = ExternalEntryTable;
    if (!ThreeDLibraryBound())
        return;
    e.tGetRec(&ThreeDExchange, int32_t(sizeof ThreeDExchange));
    e.tPutStatA(e.tGetStatA() | StatAViewClosed);
}

}  // namespace

void TForm1::Show3DExecute()
{
    EnterProgramFolder();
    EnableOrientationChoice(*this);
    if (Show3DBtn->isChecked())
        OpenThreeDView(*this);
    else
        CloseThreeDView();
    ShowToolTabsForViews(*this);
}
