#include "JamTab.h"

#include "CustomButton.h"
#include "DesignFont.h"
#include "JamRules.h"
#include "Knob.h"
#include "LoopLengthWidget.h"
#include "MetaData.h"
#include "PictureStrip.h"
#include "PowerButton.h"
#include "RiffIdWidget.h"
#include "RiffStep.h"
#include "SongStep.h"
#include "StepContextMenu.h"

#include <QStackedWidget>

#include <algorithm>

namespace {

// Fixed places over the tab's picture (jam-tab pixels).
const QRect riffStepRect(261, 112, 480, 30);
const QRect loopLengthRect(261, 150, 480, 10);
const QRect songLengthRect(261, 295, 480, 10);
const QRect songStepRect(261, 257, 480, 30);
const QPoint beatOffsetKnobPos(787, 94);
const QRect powerButtonRect(62, 307, 25, 25);
const QRect riffIdRect(325, 79, 48, 18);
const QRect playRiffRect(182, 94, 42, 41);
const QRect playSongRect(182, 245, 42, 41);
const QRect riffIdLabelRect(322, 100, 45, 132);
const QRect beatOutlineRect(255, 108, 41, 37);
const QRect pitchLabelRect(713, 78, 28, 20);
const int contextMenuX = 220;
const int contextMenuY = 106;
const int beatOutlineY = 108;
const int songSelectorY = 535;
const int beatOffsetMiddle = 49;
const int beatOffsetMaximum = 99;

QString pitchText(const QString& value)
{
    return QStringLiteral("<font color='#929292'>%1</font>").arg(value);
}

} // namespace

JamTab::JamTab(QWidget* parent) : QLabel(parent)
{
    initWidgets();
    initConnections();
    setEnabled(false);
}

// Children in stacking order: later ones lie above earlier ones.
void JamTab::initWidgets()
{
    setPixmap(cachedPixmap(QStringLiteral(":/images/jam/jam_overlay.png")));

    powerButton = new PowerButton(this);
    powerButton->setGeometry(powerButtonRect);

    const QPixmap playPause = cachedPixmap(QStringLiteral(":/images/transport/play_pause.png"));
    playRiffButton = new CustomButton(playPause, this, true);
    playRiffButton->setGeometry(playRiffRect);
    playSongButton = new CustomButton(playPause, this, true);
    playSongButton->setGeometry(playSongRect);

    beatOffsetKnob = new Knob(this);
    beatOffsetKnob->setKnobSize(false);
    beatOffsetKnob->setRange(0, beatOffsetMaximum);
    beatOffsetKnob->setValue(beatOffsetMiddle);
    beatOffsetKnob->setResetValue(beatOffsetMiddle);
    beatOffsetKnob->move(beatOffsetKnobPos);

    riffIdWidget = new RiffIdWidget(this);
    riffIdWidget->setGeometry(riffIdRect);

    riffIdLabel = new RiffIdLabel(this);
    riffIdLabel->setGeometry(riffIdLabelRect);
    riffIdLabel->hide();

    loopLengthStack = new QStackedWidget(this);
    loopLengthStack->setGeometry(loopLengthRect);
    for (int r = 0; r < riffCount; ++r) {
        loopLengthWidgets[r] = new LoopLengthWidget(loopLengthStack);
        loopLengthStack->addWidget(loopLengthWidgets[r]);
    }

    songLengthWidget = new LoopLengthWidget(this);
    songLengthWidget->setGeometry(songLengthRect);
    songLengthWidget->hide();

    songStep = new SongStep(this, cachedPixmap(QStringLiteral(":/images/jam/song_step.png")));
    songStep->setGeometry(songStepRect);

    riffStepStack = new QStackedWidget(this);
    riffStepStack->setGeometry(riffStepRect);
    const QPixmap stepPixmap = cachedPixmap(QStringLiteral(":/images/jam/step_select.png"));
    for (int r = 0; r < riffCount; ++r) {
        riffSteps[r] = new RiffStep(riffStepStack, stepPixmap);
        riffStepStack->addWidget(riffSteps[r]);
    }

    for (int r = 0; r < riffCount; ++r) {
        for (int s = 0; s < stepCount; ++s) {
            auto* menu = new StepContextMenu(this, s);
            menu->setGeometry(contextMenuX + jam::cellWidth * s, contextMenuY, StepContextMenu::menuWidth,
                              StepContextMenu::menuHeight);
            menu->hide();
            connect(menu, &StepContextMenu::showDifferentContextMenu, this, &JamTab::showContextLabel);
            contextMenus.append(menu);
        }
    }

    beatOutline = new QLabel(this);
    beatOutline->setPixmap(cachedPixmap(QStringLiteral(":/images/jam/beat_select_outline.png")));
    beatOutline->setGeometry(beatOutlineRect);
    beatOutline->setAttribute(Qt::WA_TransparentForMouseEvents);
    beatOutline->hide();

    riffIdLabel->raise();

    pitchLabel = new QLabel(this);
    pitchLabel->setGeometry(pitchLabelRect);
    pitchLabel->setFont(designFont(QStringLiteral("Arial"), 11, QFont::Bold));
    pitchLabel->setAlignment(Qt::AlignCenter);
    pitchLabel->setTextFormat(Qt::RichText);
    pitchLabel->setText(pitchText(QStringLiteral("0")));

    // The chooser may reach below the tab: it lives in the main window.
    QWidget* window = parentWidget() ? parentWidget()->parentWidget() : nullptr;
    songStepSelector = new SongStepSelector(window ? window : this);
    songStepSelector->hide();
}

void JamTab::initConnections()
{
    connect(riffIdLabel, &RiffIdLabel::setRiffId, riffIdWidget, &RiffIdWidget::setRiffId);
    connect(riffIdLabel, &RiffIdLabel::setRiffId, this, &JamTab::setActiveRiff);
    connect(riffIdLabel, &RiffIdLabel::setRiffId, riffStepStack, &QStackedWidget::setCurrentIndex);
    connect(riffIdLabel, &RiffIdLabel::setRiffId, loopLengthStack, &QStackedWidget::setCurrentIndex);

    connect(riffIdWidget, &RiffIdWidget::showRiffIdLabel, riffIdLabel, &RiffIdLabel::showRiffIdLabel);
    connect(riffIdWidget, &RiffIdWidget::showRiffIdLabel, this, &JamTab::setActiveRiff);
    connect(riffIdWidget, &RiffIdWidget::showRiffIdLabel, riffStepStack, &QStackedWidget::setCurrentIndex);
    connect(riffIdWidget, &RiffIdWidget::showRiffIdLabel, loopLengthStack, &QStackedWidget::setCurrentIndex);

    connect(playRiffButton, &CustomButton::pressed, this, &JamTab::playRiff);
    connect(playSongButton, &CustomButton::pressed, this, &JamTab::playSong);

    for (int r = 0; r < riffCount; ++r) {
        RiffStep* row = riffSteps[r];
        LoopLengthWidget* ruler = loopLengthWidgets[r];
        connect(row, &RiffStep::showStepSelection, this, &JamTab::turnOnPowerButton);
        connect(row, &RiffStep::showContext, this, &JamTab::showContextLabel);
        connect(row, &RiffStep::showBeatOutline, beatOutline, &QWidget::show);
        connect(row, &RiffStep::hideBeatOutline, beatOutline, &QWidget::hide);
        connect(row, &RiffStep::moveBeatOutline, this, &JamTab::moveBeatOutline);
        connect(ruler, &LoopLengthWidget::firstStepSet, row, &RiffStep::firstStepSet);
        connect(ruler, &LoopLengthWidget::setLoopLength, row, &RiffStep::setWhiteNumberLength);
        connect(ruler, &LoopLengthWidget::setLoopLength, row, &RiffStep::disarm);
        connect(row, &RiffStep::setLoopLength, ruler, &LoopLengthWidget::setValue);
        connect(row, &RiffStep::getMaxLoopValue, ruler, &LoopLengthWidget::getMaxLoopValue);
    }

    connect(songStep, &SongStep::showSongMenu, this, &JamTab::showSongStepMenu);
    connect(songStepSelector, &SongStepSelector::setRiff, songStep, &SongStep::setRiffFromMenu);
}

void JamTab::setMetaData(MetaData* model)
{
    metaData = model;
    for (RiffStep* row : riffSteps)
        row->setMetaData(model);
    if (model)
        connect(model, &MetaData::gotMeta, this, &JamTab::enableWidgets);
}

int JamTab::currentRiff() const
{
    return riffStepStack->currentIndex();
}

void JamTab::showRiff(int riff)
{
    riffStepStack->setCurrentIndex(riff);
    loopLengthStack->setCurrentIndex(riff);
}

void JamTab::setRiffsFromSession(const QString& power, const QString& riff, const QString& beatOffset,
                                 const QString* riffLength, const QString* riffLengthMax, const QString&,
                                 const QString&, const QString*)
{
    powerButton->setValueFromSession(power.toInt() != 0);

    // The player and the views index their riffs by it.
    int current = riff.toInt();
    if (current < 0 || current >= riffCount)
        current = 0;
    riffIdWidget->setRiffId(current);
    showRiff(current);

    beatOffsetKnob->setValue(beatOffset.toInt());

    for (int r = 0; r < riffCount; ++r) {
        const int value = riffLength ? riffLength[r].toInt() : 0;
        const int maximum = riffLengthMax ? riffLengthMax[r].toInt() : 0;
        loopLengthWidgets[r]->setFromSession(value, maximum);
        riffSteps[r]->setWhiteNumberLength(loopLengthWidgets[r]->getValue());
    }
}

void JamTab::resetJamTab()
{
    riffIdLabel->hide();
    riffIdWidget->setRiffId(0);
    beatOffsetKnob->reset();
    for (int r = 0; r < riffCount; ++r) {
        riffSteps[r]->reset();
        loopLengthWidgets[r]->reset();
    }
    songLengthWidget->reset();
    showRiff(0);
    songStep->reset();
    powerButton->setValueFromSession(false);
    playRiffButton->unlatch();
    for (StepContextMenu* menu : contextMenus) {
        menu->hide();
        menu->pitchWidget->reset();
    }
    setEnabled(false);
}

void JamTab::moveBeatOutline(int x)
{
    beatOutline->move(jam::beatOutlineX(x), beatOutlineY);
}

void JamTab::turnOnPowerButton(int)
{
    powerButton->setValueFromSession(true);
}

void JamTab::hideContextMenus()
{
    for (StepContextMenu* menu : contextMenus)
        menu->hide();
}

void JamTab::showContextLabel(int index)
{
    hideContextMenus();
    // A press near the edge of a menu's top band points beside the row.
    if (index < 0 || index >= stepCount)
        return;
    contextMenus.at(currentRiff() * stepCount + index)->show();
}

void JamTab::setBeatPitchLabel(float pitch)
{
    pitchLabel->setText(pitchText(jam::stepPitchText(pitch)));
}

void JamTab::showSongStepMenu(int step)
{
    songStepSelector->move(jam::songSelectorX(step), songSelectorY);
    songStepSelector->showMenu(step);
}

void JamTab::enableWidgets()
{
    setEnabled(true);
}

void JamTab::mousePressEvent(QMouseEvent*)
{
    riffIdLabel->hide();
    songStepSelector->hide();
    hideContextMenus();
    for (RiffStep* row : riffSteps)
        row->disarm();
}
