#include "TabWidget.h"

#include "ChordsTab.h"
#include "JamTab.h"
#include "RealTimeToolsTab.h"
#include "TabButtons.h"

#include <QPixmap>
#include <QStackedWidget>

namespace {

const QRect buttonsGeometry(325, 12, 350, 25);

} // namespace

TabWidget::TabWidget(QWidget* parent) : QLabel(parent)
{
    setPixmap(QPixmap(QStringLiteral(":/images/background_tabs.png")));
    setScaledContents(true);

    realTimeToolsTab = new RealTimeToolsTab(this);
    chordsTab = new ChordsTab(this);
    jamTab = new JamTab(this);
    tabButtons = new TabButtons(this);
    tabButtons->setGeometry(buttonsGeometry);

    pageStack = new QStackedWidget(this);
    pageStack->addWidget(realTimeToolsTab);
    pageStack->addWidget(jamTab);
    pageStack->addWidget(chordsTab);
    pageStack->setGeometry(0, 0, areaWidth, areaHeight);

    tabButtons->raise();
    pageStack->setCurrentIndex(0);
    connect(tabButtons, &TabButtons::tabChanged, pageStack, &QStackedWidget::setCurrentIndex);
}

void TabWidget::resetTabWidget()
{
    realTimeToolsTab->resetRealTimeTools();
    chordsTab->resetChordsTab();
    jamTab->resetJamTab();
}
