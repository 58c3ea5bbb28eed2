#pragma once
// What the tool bar's view handlers share: the program folder as the working folder, the
// orientation choice while a 2D or 3D view is on, the full presentation, the data tab's function
// taken off "delete", and the tool dialog's page for the views.

class TForm1;

// The working folder becomes the program folder, where the 3D programs find their files.
void EnterProgramFolder();

// DispMode is enabled only while neither Show2DBtn nor Show3DBtn is down: a rotated chart has no
// 2D or 3D view.
void EnableOrientationChoice(TForm1& form);

// rbFull becomes checked; as it becomes checked its click handler runs.
void ChooseFullPresentation(TForm1& form);

// The data tab's function "delete" (item 2) goes back to "copy in" (item 1).
void LeaveDataDelete(TForm1& form);

// The tool dialog shows its "2D/3D" page while Show2DBtn or Show3DBtn is down, else its "Target"
// page.
void ShowToolTabsForViews(TForm1& form);
