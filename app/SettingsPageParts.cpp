#include "app/SettingsPageParts.h"

#include "app/ControlBehaviour.h"

#include "platform/system/TextCodec.h"

#include <QCheckBox>

QString ScaledValueText(int value, double step)
{
    return QString::number(value * step, 'g', 15);
}

QString DegreeText()
{
    return platform::FromCp1252(" \xB0");
}

void StoreCheck(QCheckBox* box, uint8_t SetupParametersRecord::*field, std::function<void()> after)
{
    ConnectClick(box, [box, field, after = std::move(after)] {
        SetupParameters.*field = box->isChecked();
        if (after)
            after();
    });
}
