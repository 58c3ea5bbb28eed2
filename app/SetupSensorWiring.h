#pragma once
// The sensor set-up dialog's ties to the main window and the settings files.

// Fills SetupSensorHook: closing the dialog shows the tool panel again and saves the main INI
// file, OK saves dta.res first, and once the dialog has closed the sensor side reads its
// settings again (RefreshSensorSettings). The radar hooks stay empty until the radar manager
// has the calls the dialog makes; until then the overlay adjustment stays disabled.
void WireSetupSensor();

// Shows the sensor set-up dialog ("Own ship and sensors" of the setup list); the sensor settings
// are refreshed when it closes.
void ShowSetupSensor();
