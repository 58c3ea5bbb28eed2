#pragma once
// The chart object inspector.

#include <QDialog>

class TCM93Inspector : public QDialog {
public:
    explicit TCM93Inspector(QWidget* owner = nullptr) : QDialog(owner) { setObjectName("CM93Inspector"); }
};

inline TCM93Inspector* CM93Inspector = nullptr;
