#pragma once
// The tool dialog's "2D/3D" page and its "Target" page take turns: one is shown, the other
// hidden, and when the hidden one was the active page the shown one becomes active.

struct MainWindowControls;

enum class ToolTabSide { Target, ThreeD };

void ShowToolTabSide(MainWindowControls& controls, ToolTabSide side);
