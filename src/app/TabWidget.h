// The tab area below the waveform: the real-time tools (page 0), the jam
// tab (page 1) and the chords tab (page 2) stacked under a strip of three
// picture buttons that selects the page.
#pragma once

#include <QLabel>

class ChordsTab;
class JamTab;
class QStackedWidget;
class RealTimeToolsTab;
class TabButtons;

class TabWidget : public QLabel
{
    Q_OBJECT

public:
    static constexpr int areaWidth = 1000;
    static constexpr int areaHeight = 355;

    explicit TabWidget(QWidget* parent = nullptr);

    // For every newly opened recording: the three pages back to their start
    // (tools, chords, jam, in that order); the shown page stays.
    void resetTabWidget();

    TabButtons* tabButtons = nullptr;
    RealTimeToolsTab* realTimeToolsTab = nullptr;
    ChordsTab* chordsTab = nullptr;
    JamTab* jamTab = nullptr;
    QStackedWidget* pageStack = nullptr;
};
