// The jam tab (page 1 of the tab area): the riff selector, the current
// riff's step row and loop ruler, the song row, the beat-offset knob, the
// power switch between the loop selection and the riff overlays, the riff
// and song play buttons, the step pitch read-out and the 96 step context
// menus (16 per riff). It wires its own children; the shell connects it to
// the player, the waveform view and the riff overlays. Built disabled; the
// analysis results enable it.
#pragma once

#include <QLabel>
#include <QList>
#include <QString>

class CustomButton;
class Knob;
class LoopLengthWidget;
class MetaData;
class PowerButton;
class QStackedWidget;
class RiffIdLabel;
class RiffIdWidget;
class RiffStep;
class SongStep;
class SongStepSelector;
class StepContextMenu;

class JamTab : public QLabel
{
    Q_OBJECT

public:
    static constexpr int riffCount = 6;
    static constexpr int stepCount = 16;

    // The tab area is the parent; the song row's riff chooser goes to the
    // parent's parent (the main window), or to the tab when there is none.
    explicit JamTab(QWidget* parent);

    // Once: hands the model to the step rows; its gotMeta() enables the tab.
    void setMetaData(MetaData* metaData);

    // Session, each text read as a number (none reads 0): the power
    // button, the current riff (outside 0 … 5: riff 0), the beat offset,
    // and per riff its ruler's value and maximum (six texts each, held
    // within 0 … 15). The song arguments are not read: the song row
    // restores itself.
    void setRiffsFromSession(const QString& powerButton, const QString& currentRiff, const QString& beatOffset,
                             const QString* riffLength, const QString* riffLengthMax, const QString& songLength,
                             const QString& songLengthMax, const QString* song);
    // Every control back to its start, every step pitch back to 0 (sent to
    // the riffs), then disabled. Every file open.
    void resetJamTab();

    // The riff shown: the page of both stacks.
    int currentRiff() const;

    QStackedWidget* riffStepStack = nullptr;
    RiffStep* riffSteps[riffCount] = {};
    QStackedWidget* loopLengthStack = nullptr;
    LoopLengthWidget* loopLengthWidgets[riffCount] = {};
    LoopLengthWidget* songLengthWidget = nullptr;
    // Entry r × 16 + s: step s of riff r.
    QList<StepContextMenu*> contextMenus;
    SongStep* songStep = nullptr;
    Knob* beatOffsetKnob = nullptr;
    PowerButton* powerButton = nullptr;
    RiffIdWidget* riffIdWidget = nullptr;
    CustomButton* playRiffButton = nullptr;
    CustomButton* playSongButton = nullptr;
    SongStepSelector* songStepSelector = nullptr;
    RiffIdLabel* riffIdLabel = nullptr;
    QLabel* beatOutline = nullptr;
    QLabel* pitchLabel = nullptr;

public slots:
    void moveBeatOutline(int x);
    void turnOnPowerButton(int on);
    // Shows the menu of step `index` of the riff shown, hiding every
    // other; an index outside 0 … 15 only hides them all.
    void showContextLabel(int index);
    // The pitch of the step now playing, in semitones.
    void setBeatPitchLabel(float pitch);
    void showSongStepMenu(int step);
    void enableWidgets();

signals:
    void setActiveRiff(int riff);
    void playRiff();
    void playSong();

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    void initWidgets();
    void initConnections();
    void hideContextMenus();
    void showRiff(int riff);

    MetaData* metaData = nullptr;
};
