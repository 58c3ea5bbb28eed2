#pragma once
// The chart database window: the engine's panel of installed chart databases; OK restarts the
// chart engine on the database chosen and shows it whole (Global).

#include "platform/chartengine/DatabasePanel.h"

#include <QDialog>

class QPushButton;
struct ChartWindow;

class TCm93Database : public QDialog {
public:
    explicit TCm93Database(QWidget* owner = nullptr);

    void btnOKClick();

    chartengine::DatabasePanel* DBPanelAx1 = nullptr;
    QPushButton* btnOK = nullptr;
    ChartWindow* chart = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
};

inline TCm93Database* Cm93Database = nullptr;
