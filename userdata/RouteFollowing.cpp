#include "userdata/RouteFollowing.h"

double CrossTrackError = 0.0;
float BearingToSteer = 0.0f;
uint8_t NearNextLeg = 0;
uint8_t PastAbeam = 0;
uint8_t Turning = 0;
uint8_t LaneExceeded = 0;
uint8_t RouteEnded = 0;
int32_t AlarmHold = 0;
int32_t StartGrace = 0;
uint8_t NewWaypoint = 0;
uint8_t RouteStartRequest = 0;
uint8_t RouteStopRequest = 0;

