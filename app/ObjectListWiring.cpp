#include "app/ObjectListWiring.h"

#include "app/EditingState.h"
#include "app/TForm1.h"
#include "userdata/TDbObj.h"

#include <QToolButton>

namespace {

// PickMode names the kind the open list's hover looks for; the pick it stood for before (a
// delete tool armed, or none) comes back when the list closes, unless a pick changed it since.
struct ListHover {
    int32_t type = 0;
    int32_t replaced = 0;
};
ListHover Hover;

void SetHoverType(int32_t type)
{
    if (type != 0) {
        if (Hover.type == 0)
            Hover.replaced = PickMode;
        Hover.type = type;
        PickMode = type;
        return;
    }
    if (Hover.type != 0 && PickMode == Hover.type)
        PickMode = Hover.replaced;
    Hover = {};
}

}  // namespace

void WireObjectList()
{
    ObjectListHooks& h = ObjectListHook;
    h.setHoverType = SetHoverType;
    h.releaseRouteBar = [] {
        if (Form1)
            for (QToolButton* button : {Form1->btnPickRt, Form1->btnAddRt, Form1->btnDelRt})
                if (button)
                    button->setChecked(false);
        // The pick is over: the route bar's OK now finishes with the route chosen.
        EditingActive = false;
        PickMode = 0;
        ObjectPickKind = 0;
    };
    h.selectLine = [](int32_t id) { LineId = id; };
    h.requestRedraw = [] {
        if (Form1)
            Form1->chartRedrawRequest = true;
    };
}
