#include "app/NavigationAidReadout.h"

#include "app/TForm1.h"
#include "frame/SetupParameters.h"
#include "sensors/DeccaConverter.h"
#include "sensors/LoranConverter.h"

#include <QLabel>

namespace {

// The converter gives 0.0 where there is no time difference; every real one is thousands of
// microseconds.
QString TimeDifferenceText(double microseconds)
{
    if (microseconds == 0.0)
        return {};
    return QString::asprintf("%09.3f", microseconds);
}

}  // namespace

void ShowNavigationAidReadings(TForm1& form, const cmgbase::GeoPoint& position)
{
    if (SetupParameters.LoranPosition && Loran) {
        const LoranTimeDifferences tds = Loran->TimeDifferences(position.x, position.y);
        QLabel* values[] = {form.txLnVal1, form.txLnVal2, form.txLnVal3, form.txLnVal4,
                            form.txLnVal5};
        for (size_t slot = 0; slot < tds.size(); ++slot)
            values[slot]->setText(TimeDifferenceText(tds[slot]));
    }
    if (SetupParameters.DeccaPosition && Decca) {
        const DeccaPos readings = Decca->ComputeReadings(position.x, position.y);
        form.txLnVal2->setText(QString::fromStdString(FormatDeccaRedReading(readings)));
        form.txLnVal3->setText(QString::fromStdString(FormatDeccaGreenReading(readings)));
        form.txLnVal4->setText(QString::fromStdString(FormatDeccaPurpleReading(readings)));
    }
}
