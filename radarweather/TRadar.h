#pragma once
// The radar overlay: a layer exactly over the chart paint box CM93 (a child of it), on which the
// radar picture is shown. Pure white of the radar bitmap shows the chart through; every other
// colour shows at the overlay's alpha. The layer takes no mouse or key input: the chart under it
// gets every event as if it were not there. Its four masks are areas where it shows nothing (the
// tool bars and panels that lie over the chart).

#include <QImage>
#include <QWidget>

class TRadar : public QWidget {
public:
    explicit TRadar(QWidget* owner = nullptr);

    // Makes the layer a child of the chart paint box, over all of it.
    void LayOver(QWidget* chartBox);
    // Sizes the masks: pnMask2 as wide as the display, pnMask3 over the main panel (chart
    // coordinates), pnMask4 the strip behind the radar panel at the chart's lower left.
    void FormShow(int displayWidth, const QRect& mainPanel, const QSize& radarPanel);
    // Shows the radar bitmap at alpha (0..255).
    void ShowRadarBitmap(const QImage& bitmap);
    void SetAlpha(int alpha);
    int alpha() const { return alpha_; }
    // Nothing shows until the next picture.
    void ClearPicture();
    const QImage& picture() const { return picture_; }

    QWidget* CMOlay = nullptr;
    QWidget* pnMask = nullptr;
    QWidget* pnMask2 = nullptr;
    QWidget* pnMask3 = nullptr;
    QWidget* pnMask4 = nullptr;

    // Hiding the overlay hides the side panel with it.
    void setVisible(bool visible) override;

private:
    void compose();

    QImage bitmap_;
    QImage picture_;
    int alpha_ = 102;
};

// The bitmap with pure white transparent and every other colour at alpha, premultiplied.
QImage ColourKeyed(const QImage& bitmap, int alpha);

inline TRadar* Radar = nullptr;
