#pragma once
// The object bar ("Select by name/id"): a one-line list of the stored tracks, routes or lines by
// name and id, filled by the next sweep of that type; the officer picks a track to show, a route
// to load forwards or reversed, or a line to select. Main thread only.

#include "platform/system/FormDialog.h"

#include <cstdint>
#include <functional>
#include <string>

class QComboBox;
class QKeyEvent;
class QPushButton;
struct IdRecord;

class TDbObj : public platform::FormDialog {
public:
    explicit TDbObj(QWidget* owner = nullptr);

    QComboBox* lbListObj = nullptr;  // sorted; each entry holds its object id as item data
    QPushButton* OK = nullptr;       // also what Esc presses
    QPushButton* Retour = nullptr;

    void OKClick();
    void RetourClick();
    // Enter and Right choose the entry forwards, Left reversed; false for any other key.
    bool lbListObjKeyDown(QKeyEvent* event);
    void lbListObjChange();
    void FormHide() override;

    // The entry of an object the sweep filling the list reached.
    void AddObject(const IdRecord& object);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void reject() override;

private:
    void Choose(bool forward);
};

inline TDbObj* DbObj = nullptr;

// The name of a chosen route: the first while the table is empty (the second cleared), else the
// second; a reversed route marked "(<--)". Cut to the 39 characters the names hold.
void SetRouteNames(const std::string& name, bool forward);

// Opens the object bar over the objects of type `type` (1 tracks, 2 routes, 3 lines): the list
// is emptied, the chart's hover picks that type, and the next sweep of the type fills the list.
// Retour is offered for routes only.
void OpenObjectList(int32_t type);

// What the object bar asks of the main window. The application sets the hooks at start-up; an
// unset hook does nothing.
struct ObjectListHooks {
    // The type the chart's hover pick shows the name of (1..3), 0 none.
    std::function<void(int32_t type)> setHoverType;
    // A route was chosen: the route bar's pick, add and delete buttons are raised and the route
    // editing state is cleared.
    std::function<void()> releaseRouteBar;
    // The line chosen becomes the selected line.
    std::function<void(int32_t id)> selectLine;
    // The chart is to be redrawn on the next tick.
    std::function<void()> requestRedraw;
};

inline ObjectListHooks ObjectListHook;
