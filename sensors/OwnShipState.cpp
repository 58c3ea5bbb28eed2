#include "sensors/OwnShipState.h"

OwnShipState OwnShip;

void ResetOwnShipSensorValues()
{
    OwnShip.courseOverGround = 0.0f;
    OwnShip.speedOverGround = 0.0f;
    OwnShip.heading = 0.0f;
    OwnShip.speedThroughWater = 0.0f;
    OwnShip.windSpeed = -1.0f;
}
