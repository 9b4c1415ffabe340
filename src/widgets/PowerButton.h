// An on/off switch drawn from two pictures. It reports through buttonOn the
// state it is LEAVING: true when it has just gone off, false when it has just
// gone on. Every receiver relies on that sense (true means "bypass").
#pragma once

#include <QAbstractButton>

class PowerButton : public QAbstractButton
{
    Q_OBJECT

public:
    explicit PowerButton(QWidget* parent);

    // Chooses the 20 × 20 pictures instead of the 25 × 25 ones.
    void setDrawSmallPixmap(bool small);
    // Goes off from on with buttonOn(true); does nothing when already off.
    void reset();
    bool isOn() const { return on; }

public slots:
    // Emits buttonOn(!on) even when the state does not change.
    void setValueFromSession(bool on);

signals:
    void buttonOn(bool powerState);

protected:
    // Any press toggles, whatever the buttons or modifiers, so a synthetic
    // press from a keyboard shortcut works like a click.
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool on = false;
    bool drawSmallPixmap = false;
};
