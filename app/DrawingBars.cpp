#include "app/DrawingBars.h"

#include "app/TForm1.h"
#include "chart/TCM93Inspector.h"
#include "frame/SetupParameters.h"
#include "frame/SharedTables.h"

#include <QButtonGroup>
#include <QCursor>
#include <QToolBar>
#include <QToolButton>

namespace {

constexpr int32_t DeleteChoice = 2;
constexpr int32_t CopyOutChoice = 1;

}  // namespace

void PointAtChart(TForm1& f, int dx, int dy)
{
    QCursor::setPos(f.mapToGlobal(f.CM93->geometry().topLeft() + QPoint(dx, dy)));
}

platform::MsgAnswer AskBarQuestion(TForm1& f, size_t text)
{
    platform::MessageBoxRequest request;
    request.owner = &f;
    request.text = text < MessageTexts.size() ? MessageTexts[text] : std::string();
    request.caption = "???";
    request.icon = platform::MsgIcon::Question;
    request.buttons = platform::MsgButtons::OkCancel;
    request.taskModal = true;
    request.topMost = true;
    return platform::ShowMessageBox(request);
}

void RaiseQueryButton(TForm1& f)
{
    if (!f.QueryBtn->isChecked())
        return;
    f.QueryBtn->setChecked(false);
    if (CM93Inspector)
        CM93Inspector->hide();
}

void LeaveDeleteChoice()
{
    if (SetupParameters.DataChoice == DeleteChoice)
        SetupParameters.DataChoice = CopyOutChoice;
}

void RepaintChartNow(TForm1& f)
{
    f.paintCopyPending = true;
    f.CM93Paint();
}

QButtonGroup* OneDownAtATime(QToolBar* bar, int first, int count, int firstId)
{
    auto* group = new QButtonGroup(bar);
    group->setExclusive(true);
    for (int i = 0; i < count; ++i)
        group->addButton(BarButton(bar, first + i), firstId + i);
    return group;
}

void Raise(QToolButton* button)
{
    button->setChecked(false);
}
