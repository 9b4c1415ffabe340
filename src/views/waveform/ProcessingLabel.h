// The "Calculating chords" notice over the waveform while an analysis
// runs, with one to three dots that come and go every half second. The
// words stay in place while the dots grow. Lets the mouse through.
#pragma once

#include <QWidget>

class QTimer;

class ProcessingLabel : public QWidget
{
    Q_OBJECT

public:
    explicit ProcessingLabel(QWidget* parent);

    int dots() const { return dotCount; }
    // The text as painted now.
    QString text() const;

    // Started by the main window when an analysis starts, stopped when the
    // result arrives.
    QTimer* dotTimer = nullptr;

public slots:
    // 0, 1, 2, 3, 0 …; never reset from outside.
    void setDotNumber();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int dotCount = 0;
};
