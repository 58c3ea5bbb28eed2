#include "app/PageTexts.h"

#include "platform/system/TextCodec.h"

QString ScaledValueText(int value, double step)
{
    return QString::number(value * step, 'g', 15);
}

QString DegreeText()
{
    return platform::FromCp1252(" \xB0");
}
