// The chart database window over an engine folder with two installed databases and one that no
// longer opens: choosing makes a database current, a broken one is reported and the one in use
// stays, and OK restarts the engine on the current database at Global.

#include "ChartWindowFixture.h"

#include "chart/ChartHooks.h"
#include "chart/MapManager.h"
#include "chart/MapView.h"
#include "chart/TCm93Database.h"
#include "platform/chartengine/DatabaseManager.h"
#include "platform/system/MessageBox.h"

#include <QListWidget>

#include <gtest/gtest.h>

using namespace charttest;

namespace {

class ChartDatabaseWindowTest : public ChartWindowTest {
protected:
    void SetUp() override
    {
        ChartWindowTest::SetUp();
        engine = *ChartEngine->EngineFolder();
        chartengine::DatabaseManager(engine).CurrentIndex(&original);
        platform::InstallMessageBoxService(&boxes);
        dialog.chart = &window;
    }
    void TearDown() override
    {
        chartengine::DatabaseManager(engine).SetCurrent(original);
        platform::InstallMessageBoxService(nullptr);
        ChartWindowTest::TearDown();
    }
    int Row(const std::string& name) const
    {
        const chartengine::DatabaseManager manager(engine);
        int32_t count = 0;
        manager.Count(&count);
        for (int32_t i = 0; i < count; ++i) {
            std::string text;
            manager.Name(i, &text);
            if (text == name)
                return i;
        }
        return -1;
    }

    std::filesystem::path engine;
    int32_t original = 0;
    platform::RecordingMessageBoxService boxes;
    TCm93Database dialog;
};

TEST_F(ChartDatabaseWindowTest, ABrokenDatabaseIsReportedAndTheChosenOneServesAfterOk)
{
    TemporaryFolder sources;
    InstallDatabase(LinkChartSources(sources.path() / "harbour", {"s58/AA500001.000"}), engine, "Harbour");
    InstallDatabase(LinkChartSources(sources.path() / "broken", {"s58/AA500001.000"}), engine, "Broken");
    std::filesystem::path broken;
    chartengine::DatabaseManager(engine).DatabaseFolder("Broken", &broken);
    for (const auto& file : std::filesystem::directory_iterator(broken))
        std::filesystem::remove_all(file.path());

    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "C-Map CM93/3 database");
    QListWidget& list = *dialog.DBPanelAx1->list();
    EXPECT_EQ(list.count(), 3);
    EXPECT_EQ(list.currentRow(), original);

    list.setCurrentRow(Row("Broken"));
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_NE(boxes.shown[0].text.find("Broken"), std::string::npos);
    int32_t current = -1;
    chartengine::DatabaseManager(engine).CurrentIndex(&current);
    EXPECT_EQ(current, original);
    EXPECT_EQ(list.currentRow(), original);
    EXPECT_FALSE(dialog.DBPanelAx1->changed());

    list.setCurrentRow(Row("Harbour"));
    EXPECT_TRUE(dialog.DBPanelAx1->changed());
    window.chartLevel = 6;
    dialog.btnOKClick();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(restartReasons.empty());  // a restart without a reason to report
    ASSERT_NE(ChartEngine, nullptr);
    EXPECT_EQ(ChartEngine->geoDatabases.front().name, "Harbour");
    EXPECT_EQ(window.chartLevel, 16);  // Global
}

}  // namespace
