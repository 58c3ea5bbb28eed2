#pragma once
// A colour sample or picker: a small framed box in one colour that reports clicks.

#include <QFrame>

#include <cstdint>
#include <functional>

class ColourBox : public QFrame {
public:
    static constexpr int SampleSize = 16;

    explicit ColourBox(QWidget* parent, std::function<void()> clicked = {});
    void setColour(uint32_t windowsColour);  // 0x00BBGGRR

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    std::function<void()> clicked_;
};
