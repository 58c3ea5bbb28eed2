#pragma once
// The route dialog with the route grid, the calculator's panels and the state of the cell being
// edited. Grid row i shows entry i of the route table (the column titles are header items, not
// a row), and the row numbers kept here count the same way.

#include <QDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QString>
#include <QTableWidget>
#include <QVBoxLayout>

#include <array>
#include <cstdint>

// Columns of the route grid.
enum RouteGridColumn : int {
    ColNumber = 0,
    ColLegKind = 1,  // the leg-kind icon, drawn from ColIcon
    ColLatitude = 2,
    ColLongitude = 3,
    ColDistance = 4,
    ColBearing = 5,
    ColSpeed = 6,
    ColLane = 7,
    ColRadius = 8,
    ColEta = 9,
    ColStop = 10,
    ColName = 11,
    ColIcon = 12,  // icon number: leg kind plus the danger background
    RouteGridColumns = 13,
};

class TWpDlg : public QDialog {
public:
    explicit TWpDlg(QWidget* owner = nullptr) : QDialog(owner)
    {
        setObjectName("WpDlg");
        Grid = new QTableWidget(0, RouteGridColumns, this);
        Grid->setObjectName("Grid");
        constexpr std::array<int, RouteGridColumns> widths{26, 20, 96, 96, 63, 48, 48,
                                                           59, 58, 66, 40, 48, 20};
        for (int column = 0; column < RouteGridColumns; ++column) {
            Grid->setColumnWidth(column, widths[size_t(column)]);
            Grid->setHorizontalHeaderItem(column, new QTableWidgetItem);
        }
        const std::array<const char*, 4> titles{"wp", "GC", "Lat.", "Lon."};
        for (int column = 0; column < int(titles.size()); ++column)
            Grid->horizontalHeaderItem(column)->setText(titles[size_t(column)]);
        Grid->verticalHeader()->setDefaultSectionSize(18);
        Grid->verticalHeader()->hide();
        Grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

        gbCalculator = new QGroupBox("Calculator", this);
        gbCalculator->setObjectName("gbCalculator");
        txDst = new QLabel(gbCalculator);
        txDst->setObjectName("txDst");
        txTime = new QLabel(gbCalculator);
        txTime->setObjectName("txTime");
        auto* panels = new QVBoxLayout(gbCalculator);
        panels->addWidget(txDst);
        panels->addWidget(txTime);

        auto* layout = new QHBoxLayout(this);
        layout->addWidget(Grid, 1);
        layout->addWidget(gbCalculator);
    }

    QTableWidget* Grid;
    QGroupBox* gbCalculator;
    QLabel* txDst;   // distance between the calculator's waypoints
    QLabel* txTime;  // and the time it takes

    // The row whose ETA was typed as the reference (-1 none) and that moment in seconds since
    // 1970.
    int32_t EtaReferenceRow = -1;
    int64_t EtaReferenceTime = 0;

    // The cell being edited and its text.
    int editColumn = 0;
    int editRow = 0;
    QString editText;
    bool editPending = false;      // a cell is being edited: the grid is not rewritten
    bool defaultsChanged = false;  // a route default was changed: store it with the route
};

inline TWpDlg* WpDlg = nullptr;
