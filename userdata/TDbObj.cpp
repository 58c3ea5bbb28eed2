#include "userdata/TDbObj.h"

#include "frame/PortSettings.h"
#include "platform/system/TextCodec.h"
#include "userdata/ObjectSelection.h"
#include "userdata/RouteLoad.h"
#include "userdata/RouteTable.h"
#include "userdata/UserRecords.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCursor>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>

#include <cstdio>
#include <mutex>
#include <string>

namespace {

constexpr int IdRole = Qt::UserRole;
constexpr int NameRole = Qt::UserRole + 1;  // the name as stored (Windows-1252 bytes)
constexpr int DroppedDownLines = 50;
constexpr const char* ReversedMark = "(<--)";

void Call(const std::function<void()>& hook)
{
    if (hook)
        hook();
}

// The name a chosen route takes: its own, or "id:" and the id for an unnamed one.
std::string ChosenName(const QComboBox& list)
{
    return list.currentData(NameRole).toByteArray().toStdString();
}

void SetRouteId(int32_t id)
{
    const std::lock_guard lock(ComOutStateLock);
    RouteId = id;
}

}  // namespace

TDbObj::TDbObj(QWidget* owner) : platform::FormDialog(owner)
{
    setObjectName("DbObj");
    setWindowTitle("Select by name/id");
    setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    lbListObj = new QComboBox(this);
    lbListObj->setObjectName("lbListObj");
    lbListObj->setMaxVisibleItems(DroppedDownLines);
    lbListObj->setMinimumContentsLength(28);
    lbListObj->installEventFilter(this);
    OK = new QPushButton("OK", this);
    OK->setObjectName("OK");
    OK->setAutoDefault(false);
    Retour = new QPushButton("Retour", this);
    Retour->setObjectName("Retour");
    Retour->setAutoDefault(false);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(lbListObj, 1);
    layout->addWidget(OK);
    layout->addWidget(Retour);
    connect(OK, &QPushButton::clicked, this, &TDbObj::OKClick);
    connect(Retour, &QPushButton::clicked, this, &TDbObj::RetourClick);
    connect(lbListObj, &QComboBox::activated, this, &TDbObj::lbListObjChange);
}

void TDbObj::AddObject(const IdRecord& object)
{
    const int32_t id = object.id;
    const std::string stored = FixedText(object.name);
    const double value = object.value / 10.0;
    char text[96];
    if (stored.empty())
        std::snprintf(text, sizeof text, "\xE5 id:%ld  (%.1f)", long(id), value);
    else
        std::snprintf(text, sizeof text, "%s  (%.1f) id:%ld", stored.c_str(), value, long(id));
    const QString shown = platform::FromCp1252(text);
    // Sorted as a list box sorts: without regard to case.
    int low = 0;
    int high = lbListObj->count();
    while (low < high) {
        const int middle = (low + high) / 2;
        if (QString::compare(lbListObj->itemText(middle), shown, Qt::CaseInsensitive) <= 0)
            low = middle + 1;
        else
            high = middle;
    }
    const std::string name = stored.empty() ? "id:" + std::to_string(id) : stored;
    lbListObj->insertItem(low, shown);
    lbListObj->setItemData(low, id, IdRole);
    lbListObj->setItemData(low, QByteArray::fromStdString(name), NameRole);
}

void SetRouteNames(const std::string& name, bool forward)
{
    char* target = RouteEntryCount() > 0 ? SecondRouteName : RouteName;
    if (target == RouteName)
        SecondRouteName[0] = '\0';
    std::snprintf(target, RouteNameSize, "%s%s", name.c_str(), forward ? "" : ReversedMark);
}

void TDbObj::OKClick()
{
    Choose(true);
}

void TDbObj::RetourClick()
{
    Choose(false);
}

// The chosen object takes effect: a track is shown, a route loaded in the direction chosen, a
// line selected. Choosing no route brings back the route there was.
void TDbObj::Choose(bool forward)
{
    const int32_t mode = ObjectSelectionMode;
    const int32_t id = lbListObj->currentIndex() >= 0 ? lbListObj->currentData(IdRole).toInt() : 0;
    const bool route = mode % ObjectListFilled == int32_t(ObjectType::ROUTE);
    if (mode == ObjectListFilled + int32_t(ObjectType::ROUTE)) {
        SetRouteNames(ChosenName(*lbListObj), forward);
        Call(ObjectListHook.releaseRouteBar);
    }
    if (id != 0) {
        switch (mode - ObjectListFilled) {
        case int32_t(ObjectType::TRACK):
            AddSelectedTrack(id);
            break;
        case int32_t(ObjectType::ROUTE):
            SetRouteId(id);
            RouteLoadRequest = 1;
            RouteForward = forward ? 1 : 0;
            break;
        case int32_t(ObjectType::LINE):
            if (ObjectListHook.selectLine)
                ObjectListHook.selectLine(id);
            break;
        default:
            break;
        }
    } else if (route) {
        RouteLoadRequest = 0;
        SetRouteId(RouteAddedTo);
        RouteEditMode = RouteId != 0 ? RouteShown : 0;
    }
    ObjectSelectionMode = 0;
    lbListObj->clear();
    hide();
    Call(ObjectListHook.requestRedraw);
}

bool TDbObj::lbListObjKeyDown(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Right:
        OKClick();
        return true;
    case Qt::Key_Left:
        RetourClick();
        return true;
    default:
        return false;
    }
}

// The pointer goes just below the OK button, out of the way of the list; best effort.
void TDbObj::lbListObjChange()
{
    QCursor::setPos(OK->mapToGlobal(QPoint(50, 35)));
}

void TDbObj::FormHide()
{
    ObjectSelectionMode = 0;
    if (ObjectListHook.setHoverType)
        ObjectListHook.setHoverType(0);
}

bool TDbObj::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == lbListObj && event->type() == QEvent::KeyPress && lbListObjKeyDown(static_cast<QKeyEvent*>(event)))
        return true;
    return platform::FormDialog::eventFilter(watched, event);
}

// OK is the cancel button: Esc presses it.
void TDbObj::reject()
{
    OKClick();
}

void OpenObjectList(int32_t type)
{
    if (!DbObj)
        return;
    ObjectSelectionMode = type;
    DbObj->lbListObj->clear();
    DbObj->Retour->setEnabled(type == int32_t(ObjectType::ROUTE));
    if (ObjectListHook.setHoverType)
        ObjectListHook.setHoverType(type);
    DbObj->show();
    DbObj->raise();
    Call(ObjectListHook.requestRedraw);
}
