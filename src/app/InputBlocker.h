// While alive, swallows the user's input to the whole application: mouse,
// wheel, keys, shortcuts, touch, drops, open-file events and window closes.
// Repaints, timers and queued calls go on. The processed export lets
// pending events run at every percent; meanwhile nothing the user does may
// start playback, an open or another export, nor close the window under
// the render. GUI thread.
#pragma once

#include <QObject>

class InputBlocker : public QObject
{
    Q_OBJECT

public:
    InputBlocker();
    ~InputBlocker() override;
    InputBlocker(const InputBlocker&) = delete;
    InputBlocker& operator=(const InputBlocker&) = delete;

    // Input events swallowed so far.
    int swallowed() const { return count_; }

    static bool isUserInput(const QEvent* event);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int count_ = 0;
};
