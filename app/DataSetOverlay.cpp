#include "app/DataSetOverlay.h"

#include "app/DataSets.h"
#include "app/EditingState.h"
#include "app/ObjectSweep.h"
#include "app/TForm1.h"
#include "userdata/UserDatabase.h"
#include "userdata/UserRecords.h"

#include <QCheckBox>
#include <QToolButton>

#include <array>

namespace {

bool Down(const QAbstractButton* button)
{
    return button->isChecked();
}

// The objects of the open set that the tools at work leave to be drawn: tracks unless a track is
// being picked, lines and areas unless lines are deleted or edited, symbols likewise.
void SweepDataSet(TForm1& form)
{
    if (PickMode != int32_t(ObjectType::TRACK))
        SweepObjects(form, PlainSweep(ObjectType::TRACK));
    if (!Down(form.btnLiDel) && !Down(form.btnLiEdit)) {
        for (const ObjectType type : {ObjectType::LINE, ObjectType::ZONE, ObjectType::FIELD})
            SweepObjects(form, PlainSweep(type));
    }
    if (!Down(form.btnSyDel) && !Down(form.btnSyEdit))
        SweepObjects(form, PlainSweep(ObjectType::SYMBOL));
}

}  // namespace

bool PaintOtherDataSets(TForm1& form)
{
    const std::array<const QCheckBox*, 6> shown{form.ckDbxA, form.ckDbxB, form.ckDbxC,
                                                form.ckDbxD, form.ckDbxE, form.ckDbxF};
    const int openBefore = OpenDataSet();
    bool switched = false;
    for (int set = 1; set <= int(shown.size()); ++set) {
        if (set == openBefore || !shown[size_t(set - 1)]->isChecked())
            continue;
        switched = true;
        // A set that does not open is not drawn; the set in use opens again below.
        if (SelectDrawnDatabase(set))
            SweepDataSet(form);
    }
    if (!switched)
        return false;
    if (openBefore != 0)
        SelectUserDatabase(openBefore);
    else
        CloseUserDatabase();
    return true;
}
