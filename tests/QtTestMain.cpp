#include <QApplication>
#include <gtest/gtest.h>

#include <clocale>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");  // as the program keeps it; Qt took the user's locale
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
