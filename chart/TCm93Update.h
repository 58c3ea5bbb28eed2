#pragma once
// The chart update window: the engine's update panel applies S-57 update files from a folder to
// the current chart database; its events report the outcome in message boxes, ask about updates
// out of sequence (TUpdateMsgDlg) and move the main chart to each updated cell's frame.

#include "platform/chartengine/UpdatesPanel.h"

#include <QDialog>

#include <cstdint>
#include <string>

class QPushButton;
struct ChartWindow;

class TCm93Update : public QDialog {
public:
    explicit TCm93Update(QWidget* owner = nullptr);

    void FormShow();
    void btnOKClick();
    void UpdatesPanelAX1DatabaseChanged(const std::string& name);
    void UpdatesPanelAX1Notify(int32_t code, const chartengine::UpdateNotice& information);
    void UpdatesPanelAX1S57Updates(int32_t result);
    void UpdatesPanelAX1S57UpdatesProgress(int32_t kind, int32_t* answer, const std::string& text);
    void UpdatesPanelAX1GoToFrame(const std::string& frameIdentifier);

    QPushButton* btnOK = nullptr;
    QWidget* Panel1 = nullptr;
    chartengine::UpdatesPanel* UpdatesPanelAX1 = nullptr;
    std::string databaseName;  // the panel's current database
    // Set when the chart was moved to an update frame; the static overlay takes the move up.
    uint8_t UpdateFrameShown = 0;
    ChartWindow* chart = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    std::string highlightedFrame;  // the frame this window highlighted on the main chart
};

inline TCm93Update* Cm93Update = nullptr;

// The static overlay's part while the update window has moved the chart to a frame: the flag is
// cleared, the scale buttons and the chart level follow the view's new scale.
void TakeUpdateFrame(ChartWindow& chart);
