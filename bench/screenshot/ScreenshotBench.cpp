// A screenshot's encoding and writing: a 1920 x 1080 screen picture written as a JPEG file of
// quality 90 the way the screenshot hot key writes it (libjpeg-turbo, through a temporary file),
// side by side with Qt's own JPEG writer on the same picture. Goal: at most 1.2 x Qt's time and
// under 50 ms.

#include "platform/system/JpegFile.h"

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImageWriter>
#include <QPainter>
#include <QPolygon>

#include <cstdlib>
#include <filesystem>
#include <random>

namespace {

// A bridge screen: sea and land areas, depth contours, labels, tool bars and a noisy radar
// picture, as a screen grab hands it over (32 bits a pixel).
QImage ScreenPicture()
{
    QImage screen(1920, 1080, QImage::Format_RGB32);
    screen.fill(QColor(201, 237, 252));
    std::mt19937 random(1852);
    std::uniform_int_distribution<int> x(0, 1919), y(0, 1079), step(-120, 120), shade(0, 255);
    QPainter painter(&screen);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int area = 0; area < 150; ++area) {
        QPolygon outline;
        const QPoint start(x(random), y(random));
        for (int corner = 0; corner < 8; ++corner)
            outline << start + QPoint(step(random), step(random));
        painter.setBrush(area % 3 ? QColor(250, 230, 170) : QColor(150, 210, 240));
        painter.setPen(QPen(QColor(90, 90, 90), 1));
        painter.drawPolygon(outline);
    }
    painter.setPen(QPen(QColor(40, 40, 160), 2));
    for (int line = 0; line < 1500; ++line) {
        const QPoint from(x(random), y(random));
        painter.drawLine(from, from + QPoint(step(random), step(random)));
    }
    painter.setPen(Qt::black);
    for (int label = 0; label < 600; ++label)
        painter.drawText(x(random), y(random), QStringLiteral("12.%1").arg(label));
    painter.fillRect(0, 0, 1920, 40, QColor(212, 208, 200));
    painter.end();
    for (int row = 600; row < 1000; ++row)
        for (int column = 1400; column < 1900; ++column)
            if (shade(random) > 200)
                screen.setPixel(column, row, qRgb(0, shade(random), 0));
    return screen;
}

const std::filesystem::path& Folder()
{
    static const std::filesystem::path folder = [] {
        std::filesystem::path made = std::filesystem::temp_directory_path() / "varnik-bench-screenshot";
        std::filesystem::create_directories(made);
        return made;
    }();
    return folder;
}

const QImage& Screen()
{
    static const QImage screen = ScreenPicture();
    return screen;
}

void SaveScreenshotJpeg(benchmark::State& state)
{
    const std::filesystem::path file = Folder() / "261209080507.jpg";
    for (auto _ : state) {
        if (!platform::WriteJpegFile(file, Screen(), 90))
            state.SkipWithError("the file was not written");
    }
    state.counters["bytes"] = double(std::filesystem::file_size(file));
}
BENCHMARK(SaveScreenshotJpeg)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void QtJpegWriter(benchmark::State& state)
{
    const std::filesystem::path file = Folder() / "qt.jpg";
    for (auto _ : state) {
        QImageWriter writer(QString::fromStdString(file.string()), "jpeg");
        writer.setQuality(90);
        if (!writer.write(Screen()))
            state.SkipWithError("the file was not written");
    }
    state.counters["bytes"] = double(std::filesystem::file_size(file));
}
BENCHMARK(QtJpegWriter)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::filesystem::remove_all(Folder());
    return 0;
}
