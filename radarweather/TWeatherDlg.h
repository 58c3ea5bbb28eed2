#pragma once
// The weather dialog.

#include <QDialog>

class TWeatherDlg : public QDialog {
public:
    explicit TWeatherDlg(QWidget* owner = nullptr) : QDialog(owner) { setObjectName("WeatherDlg"); }
};

inline TWeatherDlg* WeatherDlg = nullptr;
