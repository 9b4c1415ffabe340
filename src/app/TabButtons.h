// The strip of three picture buttons above the tab pages: a press in the
// left, middle or right third selects the tools, jam or chords page. The
// picture is the only trace of the selection.
#pragma once

#include <QLabel>

class TabButtons : public QLabel
{
    Q_OBJECT

public:
    static constexpr int pageCount = 3;

    explicit TabButtons(QWidget* parent = nullptr);

    // Shows page i's picture and emits tabChanged(i); an index outside
    // 0 ... 2 changes nothing.
    void setCurrentTab(int i);

public slots:
    void showRealTimeTools() { setCurrentTab(0); }
    void showRiffBuilder() { setCurrentTab(1); }
    void showChordViewer() { setCurrentTab(2); }

signals:
    void tabChanged(int index);

protected:
    // Any button; also when the page is already shown.
    void mousePressEvent(QMouseEvent* event) override;
};
