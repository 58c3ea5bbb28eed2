#include "radarweather/TRadar.h"

#include "radarweather/TRadarCtrl.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <array>

namespace {

// The paint box of the overlay: the picture, except where a shown mask lies.
class OverlayBox : public QWidget {
public:
    OverlayBox(TRadar* radar) : QWidget(radar), radar_(radar)
    {
        setObjectName(QStringLiteral("CMOlay"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        if (radar_->picture().isNull())
            return;
        QPainterPath shown;
        shown.addRect(rect());
        for (QWidget* mask : {radar_->pnMask, radar_->pnMask2, radar_->pnMask3, radar_->pnMask4})
            if (mask && !mask->isHidden()) {
                QPainterPath masked;
                masked.addRect(mask->geometry());
                shown = shown.subtracted(masked);
            }
        QPainter painter(this);
        painter.setClipPath(shown);
        painter.drawImage(0, 0, radar_->picture());
    }

private:
    TRadar* radar_;
};

QWidget* Mask(QWidget* parent, const char* name, bool shown)
{
    auto* mask = new QWidget(parent);
    mask->setObjectName(QString::fromLatin1(name));
    mask->setAttribute(Qt::WA_TransparentForMouseEvents);
    mask->setVisible(shown);
    return mask;
}

}  // namespace

QImage ColourKeyed(const QImage& bitmap, int alpha)
{
    const QImage source = bitmap.convertToFormat(QImage::Format_RGB32);
    QImage keyed(source.size(), QImage::Format_ARGB32_Premultiplied);
    const uint a = uint(std::clamp(alpha, 0, 255));
    // Each channel at alpha, premultiplied: one table for all three.
    std::array<uint, 256> scaled{};
    for (uint v = 0; v < 256; ++v)
        scaled[v] = v * a / 255;
    const int width = source.width();
    const int height = source.height();
    for (int y = 0; y < height; ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        auto* out = reinterpret_cast<QRgb*>(keyed.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const QRgb c = in[x] | 0xFF000000u;
            out[x] = c == 0xFFFFFFFFu ? 0u
                                      : a << 24 | scaled[qRed(c)] << 16 | scaled[qGreen(c)] << 8 | scaled[qBlue(c)];
        }
    }
    return keyed;
}

TRadar::TRadar(QWidget* owner) : QWidget(owner)
{
    setObjectName(QStringLiteral("Radar"));
    setWindowTitle(QStringLiteral("Radar"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    CMOlay = new OverlayBox(this);
    pnMask = Mask(this, "pnMask", false);
    pnMask2 = Mask(this, "pnMask2", false);
    pnMask3 = Mask(this, "pnMask3", false);
    pnMask4 = Mask(this, "pnMask4", true);
    hide();
}

void TRadar::LayOver(QWidget* chartBox)
{
    const bool shown = isVisible();
    setParent(chartBox);
    setGeometry(chartBox->rect());
    CMOlay->setGeometry(rect());
    setVisible(shown);
}

void TRadar::FormShow(int displayWidth, const QRect& mainPanel, const QSize& radarPanel)
{
    if (parentWidget())
        setGeometry(parentWidget()->rect());
    CMOlay->setGeometry(rect());
    pnMask->setGeometry(0, 0, width(), pnMask->height());
    pnMask2->setGeometry(0, 0, displayWidth, pnMask2->height() > 0 ? pnMask2->height() : 30);
    pnMask3->setGeometry(mainPanel.left(), 0, std::max(width() - mainPanel.left(), 0), mainPanel.height());
    pnMask4->setGeometry(0, height() - radarPanel.height(), radarPanel.width(), radarPanel.height());
}

void TRadar::ShowRadarBitmap(const QImage& bitmap)
{
    bitmap_ = bitmap;
    compose();
}

void TRadar::SetAlpha(int alpha)
{
    alpha_ = std::clamp(alpha, 0, 255);
    compose();
}

void TRadar::ClearPicture()
{
    bitmap_ = QImage();
    picture_ = QImage();
    CMOlay->update();
}

void TRadar::setVisible(bool visible)
{
    QWidget::setVisible(visible);
    if (!visible && RadarCtrl)
        RadarCtrl->hide();
}

void TRadar::compose()
{
    picture_ = bitmap_.isNull() ? QImage() : ColourKeyed(bitmap_, alpha_);
    CMOlay->update();
}
