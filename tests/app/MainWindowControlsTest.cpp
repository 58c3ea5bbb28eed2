#include "AppTestSupport.h"

#include "app/LanguageLoader.h"
#include "app/LanguageTable.h"
#include "app/MainWindowControls.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>

#include <cstring>
#include <set>

namespace {

QString CaptionOf(const QTabWidget* tabs, QObject* control)
{
    if (auto* button = qobject_cast<QAbstractButton*>(control))
        return button->text();
    if (auto* label = qobject_cast<QLabel*>(control))
        return label->text();
    if (auto* group = qobject_cast<QGroupBox*>(control))
        return group->title();
    if (auto* page = qobject_cast<QWidget*>(control); page && tabs->indexOf(page) >= 0)
        return tabs->tabText(tabs->indexOf(page));
    return QStringLiteral("<no caption>");
}

QString EntryOf(QObject* control, int index)
{
    if (auto* combo = qobject_cast<QComboBox*>(control))
        return combo->itemText(index);
    if (auto* list = qobject_cast<QListWidget*>(control))
        return list->item(index) ? list->item(index)->text() : QString();
    if (auto* group = qobject_cast<QGroupBox*>(control)) {
        const auto items = group->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly);
        return index < items.size() ? items[index]->text() : QString();
    }
    return QStringLiteral("<no entries>");
}

int EntryCount(QObject* control)
{
    if (auto* combo = qobject_cast<QComboBox*>(control))
        return combo->count();
    if (auto* list = qobject_cast<QListWidget*>(control))
        return list->count();
    if (auto* group = qobject_cast<QGroupBox*>(control))
        return int(group->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly).size());
    return -1;
}

}  // namespace

// The controls built on a bare main window named as the program's one.
class MainWindowControlsTest : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        window.setObjectName(QStringLiteral("Form1"));
        BuildMainWindowControls(window, c);
    }

    QObject* find(const char* name) const
    {
        return window.findChild<QObject*>(QString::fromLatin1(name));
    }

    QMainWindow window;
    MainWindowControls c;
};

TEST_F(MainWindowControlsTest, EveryMemberIsCreatedOnTheWindowUnderItsOwnName)
{
    const auto named = c.NamedControls();
    // The list holds every member: the struct is nothing but these pointers.
    EXPECT_EQ(named.size() * sizeof(QWidget*), sizeof(MainWindowControls));
    for (const auto& [name, widget] : named) {
        SCOPED_TRACE(name);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->objectName(), QLatin1String(name));
        EXPECT_TRUE(window.isAncestorOf(widget));
        // A second widget of that name would hide one of the two from the language loader.
        EXPECT_EQ(window.findChildren<QObject*>(QLatin1String(name)).size(), 1);
    }
}

TEST_F(MainWindowControlsTest, ControlsHaveTheWidgetTypeOfTheirKind)
{
    const std::pair<const char*, const char*> cases[] = {
        {"ExitBtn", "QToolButton"},   {"Daylight", "QComboBox"},     {"ZoomPanel", "QLabel"},
        {"ckHide", "QCheckBox"},      {"CM93", "QWidget"},           {"ToolDlg", "QTabWidget"},
        {"TabAis", "QWidget"},        {"Notice", "QLabel"},          {"udMonitor", "QSpinBox"},
        {"edMonitor", "QLineEdit"},   {"cklChart", "QListWidget"},   {"rbFull", "QRadioButton"},
        {"tbBoatOff", "QSlider"},     {"gbBoatVector", "QGroupBox"}, {"ckDbA", "QRadioButton"},
        {"ckDbxF", "QCheckBox"},      {"rgDataData", "QGroupBox"},   {"dtCopyFrom", "QDateEdit"},
        {"dtLogDate", "QDateEdit"},   {"lbFiles", "QListWidget"},    {"cbLogInterval", "QComboBox"},
        {"btnAisLog", "QPushButton"}, {"csDRcrs", "QSpinBox"},       {"csRedCorr", "QSpinBox"},
        {"edCross", "QLineEdit"},     {"CheckPanel", "QFrame"},      {"F1Text", "QListWidget"},
        {"gbF1", "QGroupBox"},        {"SymbBar", "QToolBar"},       {"SyBtn17", "QToolButton"},
        {"RouteBar", "QToolBar"},     {"btnRtOk", "QToolButton"},    {"MainPanel", "QFrame"},
    };
    for (const auto& [name, type] : cases) {
        SCOPED_TRACE(name);
        QObject* control = find(name);
        ASSERT_NE(control, nullptr);
        EXPECT_TRUE(control->inherits(type));
    }
}

TEST_F(MainWindowControlsTest, ListsHoldTheirBuiltInEntries)
{
    const std::pair<const char*, int> cases[] = {
        {"Daylight", 5},     {"DispMode", 4},    {"cmb3Ddata", 3},     {"cmbSetup", 5},
        {"cmb3DPal", 4},     {"cmb3DCont", 6},   {"cklChart", 16},     {"cklDataCopy", 5},
        {"rgDataData", 3},   {"F1Text", 20},     {"cmbDepthSave", 4},  {"cmbDepthUnit", 3},
        {"cbLogInterval", 7}, {"cmbAisRange", 8}, {"cmbAisTrack", 13}, {"cmbCpaTime", 5},
        {"cmbLanguage", 0},
    };
    for (const auto& [name, count] : cases) {
        SCOPED_TRACE(name);
        EXPECT_EQ(EntryCount(find(name)), count);
    }
    EXPECT_EQ(c.cmbAisRange->itemText(7), "no limit");
    EXPECT_EQ(c.cmbAisTrack->itemText(12), "24 h.");
    EXPECT_EQ(EntryOf(c.rgDataData, 2), "Delete");
    for (QListWidget* list : {c.cklChart, c.cklDataCopy})
        for (int i = 0; i < list->count(); ++i) {
            EXPECT_TRUE(list->item(i)->flags() & Qt::ItemIsUserCheckable);
            EXPECT_EQ(list->item(i)->checkState(), Qt::Unchecked);
        }
}

TEST_F(MainWindowControlsTest, ToolDialogPagesAreInPageOrderInsideTheSidePanel)
{
    const std::tuple<QWidget*, int, const char*> pages[] = {
        {c.TabSetup, 0, "Setup"}, {c.TabChart, 1, "Chart"}, {c.TabBoat, 2, "Boat"},
        {c.Tab3D, 3, "2D/3D"},    {c.TabAis, 4, "Target"},  {c.TabData, 5, "Data"},
        {c.TabLog, 6, "Log"},
    };
    EXPECT_EQ(c.ToolDlg->count(), 7);
    for (const auto& [page, index, caption] : pages) {
        SCOPED_TRACE(caption);
        EXPECT_EQ(c.ToolDlg->indexOf(page), index);
        EXPECT_EQ(c.ToolDlg->tabText(index), caption);
    }
    EXPECT_TRUE(c.MainPanel->isAncestorOf(c.ToolDlg));
    EXPECT_TRUE(c.TabData->isAncestorOf(c.pnFiles));
    EXPECT_TRUE(c.TabAis->isAncestorOf(c.ckAisLog));
}

TEST_F(MainWindowControlsTest, UpDownsAndSpinEditsCoverTheirRanges)
{
    const std::tuple<const char*, int, int> cases[] = {
        {"udMonitor", 10, 50},      {"udSafety", 0, 30},          {"udShallowCont", 1, 10},
        {"udDeepCont", 1, 6},       {"udFwd", 1, 30},             {"udSector", 5, 45},
        {"udResolution", 1, 12},    {"udBoatVector", 0, 60},      {"udBoatMag", -500, 500},
        {"ud3DTo", 0, 101},         {"ud3DCont", 1, 8},           {"ud3DDepth", 1, 20},
        {"udCpaDist", 0, 20},       {"udMiniSpeed", 0, 6},        {"csDRspd", 0, 100},
        {"csRedCorr", -9999, 9999}, {"csGreenCorr", -9999, 9999}, {"csPurpleCorr", -9999, 9999},
    };
    for (const auto& [name, minimum, maximum] : cases) {
        SCOPED_TRACE(name);
        auto* spin = qobject_cast<QSpinBox*>(find(name));
        ASSERT_NE(spin, nullptr);
        EXPECT_EQ(spin->minimum(), minimum);
        EXPECT_EQ(spin->maximum(), maximum);
    }
    EXPECT_EQ(c.udWpRadius->minimum(), -1);  // below 0 switches the radius off
    EXPECT_EQ(c.ud3DTide->minimum(), -100);
}

TEST_F(MainWindowControlsTest, DeadReckoningCourseComesRoundPastNorth)
{
    c.csDRcrs->setValue(359);
    c.csDRcrs->stepUp();
    EXPECT_EQ(c.csDRcrs->value(), 0);
    c.csDRcrs->stepDown();
    EXPECT_EQ(c.csDRcrs->value(), 359);
}

TEST_F(MainWindowControlsTest, EveryMainWindowTextOfTheLanguageFileReachesItsControl)
{
    LoadLanguage(folder / "missing.lng");  // every text read becomes "!"
    int checked = 0;
    for (const LanguageRow& row : LanguageRows()) {
        if (!row.control || std::strchr(row.control, '.') || row.kind == TextKind::WindowCaption)
            continue;
        SCOPED_TRACE(row.control);
        QObject* control = FindFormControl(row.control);
        ASSERT_NE(control, nullptr);
        ASSERT_TRUE(window.isAncestorOf(qobject_cast<QWidget*>(control)));
        switch (row.kind) {
        case TextKind::Caption:
            EXPECT_EQ(CaptionOf(c.ToolDlg, control), "!");
            break;
        case TextKind::Hint:
            EXPECT_EQ(qobject_cast<QWidget*>(control)->toolTip(), "!");
            break;
        case TextKind::Entry:
            EXPECT_EQ(EntryOf(control, row.index), "!");
            break;
        default:
            ADD_FAILURE() << "unexpected text kind";
        }
        ++checked;
    }
    EXPECT_GT(checked, 300);
    for (const KeyboardHelpButton& help : KeyboardHelpButtons())
        EXPECT_NE(FindFormControl(help.button), nullptr) << help.button;
    EXPECT_EQ(c.F1Text->count(), 41);  // the 20 built-in entries, then appended ones
}

TEST_F(MainWindowControlsTest, ToolBarHoldsItsControlsInBarOrder)
{
    const QStringList expected = {
        "ExitBtn",  "Daylight", "DispMode",   "S52Btn",   "Show2DBtn",    "Show3DBtn",
        "WeatherBtn", "RadarBtn", "ZoomInBtn", "ZoomPanel", "ZoomOutBtn", "Wbtn",
        "Abtn",     "Bbtn",     "Cbtn",       "Dbtn",     "Ebtn",         "Fbtn",
        "Gbtn",     "AutoBtn",  "QueryBtn",   "BearingBtn", "Arpa1Btn",   "Arpa2Btn",
        "AisBtn",   "EventMarkBtn", "RouteBtn", "TrackBtn", "SymbolBtn",  "ToolBtn",
        "",         "ckHide"};  // "" is the separator
    const std::set<QString> pressOnly = {"ExitBtn", "ZoomInBtn", "ZoomOutBtn", "EventMarkBtn"};
    QStringList actual;
    for (QAction* action : c.ToolBar1->actions()) {
        QWidget* widget = c.ToolBar1->widgetForAction(action);
        actual << (action->isSeparator() ? QString() : widget->objectName());
        if (auto* button = qobject_cast<QToolButton*>(widget)) {
            EXPECT_EQ(button->isCheckable(), !pressOnly.count(button->objectName()))
                << button->objectName().toStdString();
        }
    }
    EXPECT_EQ(actual, expected);
}

TEST_F(MainWindowControlsTest, DrawingBarButtonsSitAtTheirButtonNumbers)
{
    const std::tuple<QToolBar*, int, QToolButton*> named[] = {
        {c.SymbBar, 0, c.btnSyDel},  {c.SymbBar, 3, c.btnSyOk},     {c.SymbBar, 5, c.SyBtn1},
        {c.SymbBar, 21, c.SyBtn17},  {c.SymbBar, 22, c.SymbSelBtn}, {c.LineBar, 0, c.btnLiList},
        {c.LineBar, 4, c.btnLiOk},   {c.LineBar, 6, c.btnLine},     {c.LineBar, 7, c.btnPoly},
        {c.LineBar, 8, c.btnCircle}, {c.LineBar, 9, c.btnRect},     {c.RouteBar, 0, c.btnPrintRt},
        {c.RouteBar, 6, c.btnDelRt}, {c.RouteBar, 10, c.btnRtOk},
    };
    for (const auto& [bar, number, button] : named)
        EXPECT_EQ(BarButton(bar, number), button) << button->objectName().toStdString();

    // The six colour buttons follow the last separator: symbol colours at 23 + colour, line
    // colours at 10 + colour.
    for (const auto& [bar, first] : {std::pair{c.SymbBar, 24}, std::pair{c.LineBar, 11}}) {
        EXPECT_EQ(BarButton(bar, first - 1), nullptr);
        for (int number = first; number < first + 6; ++number) {
            QToolButton* colour = BarButton(bar, number);
            ASSERT_NE(colour, nullptr);
            EXPECT_TRUE(colour->isCheckable());
        }
        EXPECT_EQ(BarButton(bar, first + 6), nullptr);
    }
    EXPECT_EQ(BarButton(c.SymbBar, 4), nullptr);
    EXPECT_EQ(BarButton(c.SymbBar, -1), nullptr);

    std::set<QToolButton*> palette;
    for (int image = 0; image < 50; ++image) {
        QToolButton* button = SymbolPaletteButton(c, image);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->text(), QString::number(image));
        palette.insert(button);
    }
    EXPECT_EQ(palette.size(), 50u);
    EXPECT_EQ(SymbolPaletteButton(c, 50), nullptr);
    EXPECT_EQ(SymbolPaletteButton(c, -1), nullptr);
}

TEST_F(MainWindowControlsTest, DesignStateHidesWhatTheStartUpAndTheToolsShow)
{
    const QWidget* const hidden[] = {
        c.ToolBar1,   c.MainPanel,  c.SymbBar,    c.LineBar,     c.RouteBar,    c.SymbSelection,
        c.SlavePanel, c.LoranPanel, c.ChainPanel, c.CrossPanel,  c.CheckPanel,  c.EtaPanel,
        c.pnDR,       c.F1Panel,    c.WpPanel,    c.DepthBevel,  c.WindBevel,   c.pnFiles,
        c.udMiniSpeed, c.edMiniSpeed, c.btn3DCheck};
    for (const QWidget* widget : hidden)
        EXPECT_TRUE(widget->isHidden()) << widget->objectName().toStdString();
    const QWidget* const disabled[] = {c.AutoBtn, c.btnMiniAuto, c.btnLogLog, c.btnLogRoute};
    for (const QWidget* widget : disabled)
        EXPECT_FALSE(widget->isEnabled()) << widget->objectName().toStdString();
    // No data set is in use until the stored settings choose one.
    for (QRadioButton* dataSet : {c.ckDbA, c.ckDbB, c.ckDbC, c.ckDbD, c.ckDbE, c.ckDbF})
        EXPECT_FALSE(dataSet->isChecked());

    EXPECT_EQ(c.ZoomPanel->text(), "1:30000");
    EXPECT_TRUE(c.ZoomPanel->font().bold());
    EXPECT_EQ(c.ZoomPanel->font().pixelSize(), 13);
    EXPECT_EQ(c.ckHide->text(), "Hide");
    EXPECT_EQ(c.ckHide2->text(), "Hide");
    EXPECT_EQ(c.AutoBtn->toolTip(), "Auto");
    const auto texts = c.CheckPanel->findChildren<QLabel*>();
    ASSERT_EQ(texts.size(), 1);
    EXPECT_EQ(texts[0]->text(), "Wait while checking data !");
}

TEST_F(MainWindowControlsTest, ToolBarAndSidePanelLineTheWindowsEdges)
{
    window.resize(1024, 768);
    c.ToolBar1->show();
    c.MainPanel->show();
    c.RouteBar->show();
    window.show();
    QApplication::processEvents();

    EXPECT_EQ(c.ToolBar1->geometry(), QRect(0, 0, 1024, 30));
    EXPECT_EQ(c.MainPanel->geometry(), QRect(1024 - 160, 30, 160, 768 - 30));
    EXPECT_EQ(c.RouteBar->geometry().topLeft(), QPoint(0, 30));
    EXPECT_EQ(c.RouteBar->width(), 32);
    // The chart lies under both: they are made after it.
    const QObjectList& stack = window.children();
    EXPECT_LT(stack.indexOf(c.CM93), stack.indexOf(c.ToolBar1));
    EXPECT_LT(stack.indexOf(c.CM93), stack.indexOf(c.MainPanel));

    // Without the tool bar the side panel reaches the top; both follow the window's size.
    c.ToolBar1->hide();
    window.resize(1280, 1024);
    EXPECT_EQ(c.MainPanel->geometry(), QRect(1280 - 160, 0, 160, 1024));
    c.ToolBar1->show();
    EXPECT_EQ(c.ToolBar1->geometry(), QRect(0, 0, 1280, 30));
    EXPECT_EQ(c.MainPanel->geometry(), QRect(1280 - 160, 30, 160, 1024 - 30));
    EXPECT_EQ(c.RouteBar->width(), 32);

    // The bars rule their widgets' visibility; the helper goes through the bar.
    EXPECT_FALSE(c.VoyPlanPanel->isVisible());
    SetBarControlVisible(c.VoyPlanPanel, true);
    SetBarControlVisible(c.btnListRt, false);
    SetBarControlVisible(c.Arpa1Btn, false);
    SetBarControlVisible(c.CheckPanel, true);
    QApplication::processEvents();
    EXPECT_TRUE(c.VoyPlanPanel->isVisible());
    EXPECT_FALSE(c.btnListRt->isVisible());
    EXPECT_EQ(BarButton(c.RouteBar, 1), c.btnListRt);  // hiding keeps the button numbers
    EXPECT_FALSE(c.Arpa1Btn->isVisible());
    EXPECT_TRUE(c.Arpa2Btn->isVisible());
    EXPECT_TRUE(c.CheckPanel->isVisible());
}
