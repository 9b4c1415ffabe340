// The band of the main window that holds the waveform: the waveform view,
// the overview strip with its play line, the progress strip, the
// auto-scroll switch, the zoom buttons, a status text and the frame
// picture over all of it. It places them and wires them to each other; the
// main window connects the view's overview picture, zoom factor and centre
// to the strip, and reaches every child directly.
//
// Stacking, bottom to top: plotter, smallPlot, smallPlotPlayMarker,
// progressLabel, frameLabel, progressBar, scrollButton, zoomButtons. The
// frame lets the mouse through to the waveform and the overview.
// GUI thread only.
#pragma once

#include <QLabel>

class Plotter;
class PowerButton;
class ProgressBar;
class SmallPlot;
class SmallPlotPlayMarker;
class ZoomButtons;

class WaveBg : public QLabel
{
    Q_OBJECT

public:
    explicit WaveBg(QWidget* parent);

    QLabel* frameLabel = nullptr;
    Plotter* plotter = nullptr;
    SmallPlot* smallPlot = nullptr;
    SmallPlotPlayMarker* smallPlotPlayMarker = nullptr;
    ProgressBar* progressBar = nullptr;
    QLabel* progressLabel = nullptr;
    // On while the view follows playback (sessions store it as
    // "scrollButton").
    PowerButton* scrollButton = nullptr;
    ZoomButtons* zoomButtons = nullptr;

    // Fixed places in the band.
    static const QRect plotterRect;
    static const QRect smallPlotRect;

public slots:
    // One orange line, its plain text centred on the band, above the frame.
    void setProgressLabelText(QString text);
    void clearProgressLabel();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void initWidgets();
    void initConnections();
};
