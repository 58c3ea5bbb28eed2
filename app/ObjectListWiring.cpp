#include "app/ObjectListWiring.h"

#include "app/EditingState.h"
#include "app/TForm1.h"
#include "userdata/TDbObj.h"

#include <QToolButton>

void WireObjectList()
{
    ObjectListHooks& h = ObjectListHook;
    h.setHoverType = [](int32_t type) { PickMode = type; };
    h.releaseRouteBar = [] {
        if (Form1)
            for (QToolButton* button : {Form1->btnPickRt, Form1->btnAddRt, Form1->btnDelRt})
                if (button)
                    button->setChecked(false);
        // The pick is over: the route bar's Finish no longer answers for the list.
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
