#pragma once
// The general-purpose routines of the component library, namespace Igpfunctions: colours,
// drawing, borders, gradients, text, numbers, axis scales, geometry, time, keyboard, controls,
// properties and paper sizes.

#include "platform/components/IgpBorders.h"
#include "platform/components/IgpColour.h"
#include "platform/components/IgpControls.h"
#include "platform/components/IgpGeometry.h"
#include "platform/components/IgpGradients.h"
#include "platform/components/IgpKeyboard.h"
#include "platform/components/IgpNumbers.h"
#include "platform/components/IgpPrinting.h"
#include "platform/components/IgpProperties.h"
#include "platform/components/IgpScales.h"
#include "platform/components/IgpShapes.h"
#include "platform/components/IgpText.h"
#include "platform/components/IgpTime.h"
