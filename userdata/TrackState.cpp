#include "userdata/TrackState.h"

LastTrackSample TrackLastSample;
bool TrackSaveRequest = false;
int32_t DatabaseTrackId = 0;
int32_t DatabaseTrackPoints = 0;
float DatabaseTrackLengthBase = 0.0f;
TrackPixelList TrackPixels;
