#include "WaveBg.h"

#include "ChordsStrip.h"
#include "DesignFont.h"
#include "PlayMarker.h"
#include "Plotter.h"
#include "PowerButton.h"
#include "ProgressBar.h"
#include "SmallPlot.h"
#include "ZoomButtons.h"

#include <QFontMetrics>

const QRect WaveBg::plotterRect(59, 18, 884, 156);
const QRect WaveBg::smallPlotRect(59, 182, 884, 28);

namespace {
const QSize progressBarSize(400, 12);
// The strip sits a little above the band's middle.
const int progressBarLift = 15;
const QRect scrollButtonRect(908, 147, 20, 20);
const QRect zoomButtonsRect(60, 148, 43, 18);
const int progressLabelTop = 67;
const int progressLabelHeight = 30;
const int progressLabelPoints = 16;
// What shows through the frame's windows where nothing is drawn.
const QColor holeColour(18, 18, 20);
} // namespace

WaveBg::WaveBg(QWidget* parent) : QLabel(parent)
{
    QPalette dark = palette();
    dark.setColor(QPalette::Window, holeColour);
    setPalette(dark);
    setAutoFillBackground(true);
    initWidgets();
    initConnections();
}

void WaveBg::initWidgets()
{
    frameLabel = new QLabel(this);
    frameLabel->setPixmap(QPixmap(QStringLiteral(":/images/background_wave.png")));
    frameLabel->setScaledContents(true);
    frameLabel->setAttribute(Qt::WA_TransparentForMouseEvents);

    plotter = new Plotter(this);
    smallPlot = new SmallPlot(this);
    smallPlotPlayMarker = new SmallPlotPlayMarker(this);
    plotter->setGeometry(plotterRect);
    smallPlot->setGeometry(smallPlotRect);
    smallPlotPlayMarker->setGeometry(smallPlotRect);
    plotter->hide();
    smallPlot->hide();
    smallPlotPlayMarker->hide();
    connect(plotter->playMarker, &PlayMarker::setSmallPos, smallPlotPlayMarker, &SmallPlotPlayMarker::updatePos);

    progressBar = new ProgressBar(this);
    progressBar->setFixedSize(progressBarSize);
    progressBar->hide();

    progressLabel = new QLabel(this);
    progressLabel->setTextFormat(Qt::RichText);
    progressLabel->setScaledContents(true);
    progressLabel->hide();

    scrollButton = new PowerButton(this);
    scrollButton->setDrawSmallPixmap(true);
    scrollButton->setGeometry(scrollButtonRect);

    zoomButtons = new ZoomButtons(this);
    zoomButtons->setGeometry(zoomButtonsRect);

    progressLabel->setFont(withDesignSize(progressLabel->font(), progressLabelPoints));
    frameLabel->raise();
    frameLabel->setAttribute(Qt::WA_TransparentForMouseEvents);
    progressBar->raise();
    scrollButton->raise();
    zoomButtons->raise();
}

void WaveBg::initConnections()
{
    connect(smallPlot, &SmallPlot::setZoom, plotter, &Plotter::setZoomFactor);
    connect(smallPlot, &SmallPlot::scrollPlot, plotter, &Plotter::scrollPlot);
    connect(plotter, &Plotter::updateProgressBar, progressBar, &ProgressBar::updatePercentage);
    connect(smallPlot, &SmallPlot::setCentreZoomPos, plotter, &Plotter::setCentreZoomPos);
    connect(plotter, &Plotter::setSmallPlotZoomCentre, smallPlot, &SmallPlot::setSmallPlotZoomCentre);
    connect(plotter, &Plotter::showSmallPlotPlayMarker, smallPlotPlayMarker, &QWidget::show);
    connect(plotter, &Plotter::setSmallPlotSampleCount, smallPlotPlayMarker, &SmallPlotPlayMarker::setSampleCount);
    connect(scrollButton, &PowerButton::buttonOn, plotter, &Plotter::setScrolling);
    // zoomPlot takes the step before updateZoom applies it.
    connect(zoomButtons, &ZoomButtons::zoom, plotter, &Plotter::zoomPlot);
    connect(zoomButtons, &ZoomButtons::zoom, plotter, &Plotter::updateZoom);
    connect(plotter->chordsStrip, &ChordsStrip::stopScrolling, scrollButton, &PowerButton::setValueFromSession);
}

void WaveBg::setProgressLabelText(QString text)
{
    progressLabel->raise();
    progressLabel->show();
    // Escaped: a file name in a status text is no markup.
    progressLabel->setText(QStringLiteral("<font color=#c86423>%1</font>").arg(text.toHtmlEscaped()));
    const int textWidth = QFontMetrics(progressLabel->font()).horizontalAdvance(text);
    progressLabel->setGeometry(width() / 2 - textWidth / 2, progressLabelTop, 2 * textWidth, progressLabelHeight);
}

void WaveBg::clearProgressLabel()
{
    progressLabel->clear();
    progressLabel->hide();
}

void WaveBg::resizeEvent(QResizeEvent*)
{
    frameLabel->setGeometry(0, 0, width(), height());
    progressBar->move(width() / 2 - progressBarSize.width() / 2,
                      height() / 2 - progressBarSize.height() / 2 - progressBarLift);
    plotter->setGeometry(plotterRect);
    smallPlot->setGeometry(smallPlotRect);
    smallPlotPlayMarker->setGeometry(smallPlotRect);
}
