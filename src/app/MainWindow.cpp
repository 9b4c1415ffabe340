#include "MainWindow.h"

#include <QGridLayout>
#include <QLayout>
#include <QStatusBar>

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent)
{
    startTonbrook();
    show();
}

void MainWindow::startTonbrook()
{
    setWindowTitle(baseTitle);
    // On Linux the menu bar sits inside the window: fix the content area,
    // and let the window take whatever the menu bar adds.
    auto* central = new QWidget(this);
    central->setFixedSize(contentWidth, contentHeight);
    auto* grid = new QGridLayout(central);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);
    setCentralWidget(central);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    statusBar()->hide();
}
