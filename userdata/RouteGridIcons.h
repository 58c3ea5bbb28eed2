#pragma once
// The route grid's leg-kind pictures (the dialog's ImageList1) and the danger backgrounds they
// are drawn over. An icon number is the leg kind's picture plus 16, 32 or 48 for the danger
// background, as the grid's hidden icon column holds it.

#include <QImage>

#include <vector>

constexpr int RouteIconSize = 18;

// Pictures of ImageList1 by number, on a transparent ground.
enum RouteLegIcon : int {
    RhumbLineIcon = 0,
    GreatCircleIcon = 1,
    FollowedGreatCircleIcon = 2,  // a great-circle leg of a route being followed
    StepIcon = 3,                 // a step of a great-circle leg divided when it was loaded
};
const std::vector<QImage>& RouteLegIcons();

// Backgrounds of the icon cell, in the user colours of the danger found on the leg.
enum class DangerBackground { Green, Orange, Red, Black };

struct RouteIconParts {
    DangerBackground background;
    int picture;
};
// An icon number taken apart: 48 and above black, 32 red, 16 orange, below that green.
RouteIconParts SplitRouteIconNumber(int number);

// The icon cell of the number: its background with the picture drawn over it.
QImage RouteIconCell(int number);
