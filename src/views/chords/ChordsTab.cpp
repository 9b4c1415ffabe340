#include "ChordsTab.h"

#include "ChordFilterWidget.h"
#include "ChordStepBoxes.h"
#include "ChordTabButtons.h"
#include "ChordWidget.h"
#include "ChordsContainer.h"
#include "DesignFont.h"
#include "FinderRolls.h"
#include "MetaData.h"
#include "NextChord.h"
#include "PictureStrip.h"

#include <QMetaMethod>
#include <QMouseEvent>
#include <QSet>
#include <QStackedWidget>
#include <QTimer>

#include <algorithm>

namespace {

constexpr int tabWidth = 1000;
constexpr int tabHeight = 355;

// Places of the children, in tab coordinates.
const QRect neckPlace(583, 225, 93, 20);
const QRect openButtonPlace(585, 177, 45, 18);
const QRect powerButtonPlace(629, 177, 45, 18);
const QRect tempoPlace(583, 128, 93, 20);
const QRect keyShiftPlace(583, 81, 93, 20);
const QRect capoPlace(583, 298, 93, 20);
const QRect currentPlace(336, 53, 126, 264);
const QRect nextPlace(483, 62, 87, 178);
const QRect finderPlace(756, 78, 122, 217);
const QRect beatsPlace(480, 262, 94, 25);
const QRect modesPlace(798, 56, 85, 18);
const QRect modesPanePlace(792, 77, 100, 147);
const QRect keysPlace(756, 55, 32, 18);
const QRect keysPanePlace(744, 77, 63, 240);
const QRect stackStartPlace(79, 66, 222, 210);
const QRect gridPlace(79, 78, 222, 210);
// The filter panel, over the grid's section.
const QRect filterPlace(51, 42, ChordFilterWidget::panelWidth, ChordFilterWidget::panelHeight);
const QRect scrollUpPlace(157, 58, 61, 12);
const QRect scrollDownPlace(157, 305, 61, 12);
// At the right end of the grid's caption line.
const QRect openerPlace(234, 324, FilterOpener::openerWidth, FilterOpener::openerHeight);
// As often as the chord strip marks its tag.
constexpr int positionPollMs = 20;
const QSize gridDiagramSize(47, 105);

// More detected chords than two rows of four need the arrows.
constexpr int chordsWithoutArrows = 8;

void place(QWidget* widget, const QRect& rect)
{
    widget->setGeometry(rect);
}

// A session entry as a decimal integer; no number reads as 0.
int sessionInt(const QStringList& list, int index)
{
    return index < list.size() ? list.at(index).trimmed().toInt() : 0;
}

} // namespace

ChordsTab::ChordsTab(QWidget* parent)
    : QLabel(parent), chordsPixmap(cachedPixmap(QStringLiteral(":/images/chords/chords.png"))),
      powerChordsPixmap(cachedPixmap(QStringLiteral(":/images/chords/power_chords.png")))
{
    initWidgets();
    initConnections();
}

void ChordsTab::initWidgets()
{
    setPixmap(cachedPixmap(QStringLiteral(":/images/chords/chords_overlay.png")));
    setScaledContents(true);
    resize(tabWidth, tabHeight);

    neckTypeWidget = new NeckTypeWidget(this);
    place(neckTypeWidget, neckPlace);
    openChordsButton = new ChordTypeButton(this, true);
    place(openChordsButton, openButtonPlace);
    powerChordsButton = new ChordTypeButton(this, false);
    place(powerChordsButton, powerButtonPlace);
    tempoWidget = new TempoWidget(this);
    place(tempoWidget, tempoPlace);
    keyShiftWidget = new KeyShiftWidget(this);
    keyShiftWidget->setObjectName(QStringLiteral("keyShift"));
    place(keyShiftWidget, keyShiftPlace);
    capoWidget = new CapoWidget(this);
    place(capoWidget, capoPlace);

    currentChordWidget = new ChordWidget(this, &chordsPixmap, &powerChordsPixmap, false);
    place(currentChordWidget, currentPlace);
    nextChordWidget = new ChordWidget(this, &chordsPixmap, &powerChordsPixmap, false);
    place(nextChordWidget, nextPlace);
    finderChordWidget = new ChordWidget(this, &chordsPixmap, &powerChordsPixmap, true);
    place(finderChordWidget, finderPlace);
    finderChordWidget->setChord(0, true);

    beatsLabel = new QLabel(this);
    place(beatsLabel, beatsPlace);
    beatsLabel->setAlignment(Qt::AlignCenter);
    beatsLabel->setFont(designFont(QStringLiteral("Arial"), 17, QFont::Bold));

    chordModesWidget = new ChordModesWidget(this);
    place(chordModesWidget, modesPlace);
    chordModesLabel = new ChordModesLabel(this);
    place(chordModesLabel, modesPanePlace);
    chordModesLabel->hide();
    keysWidget = new KeysWidget(this);
    place(keysWidget, keysPlace);
    keysLabel = new KeysLabel(this);
    place(keysLabel, keysPanePlace);
    keysLabel->hide();

    chordsStack = new QStackedWidget(this);
    chordsContainer = new ChordsContainer(chordsStack);
    // Fixed, so that the grid's scroll limits hold before the tab is shown
    // and whatever size the filter page gives the stack.
    chordsContainer->setFixedSize(gridPlace.size());
    chordFilterWidget = new ChordFilterWidget(chordsStack);
    chordsStack->addWidget(chordsContainer);
    chordsStack->addWidget(chordFilterWidget);
    chordsStack->setCurrentIndex(0);
    place(chordsStack, stackStartPlace);

    scrollUpButton = new ChordsScrollButton(this, true);
    place(scrollUpButton, scrollUpPlace);
    scrollUpButton->hide();
    scrollDownButton = new ChordsScrollButton(this, false);
    place(scrollDownButton, scrollDownPlace);
    scrollDownButton->hide();

    filterButton = new FilterOpener(this);
    filterButton->setText(tr("FILTER"));
    place(filterButton, openerPlace);

    positionTimer = new QTimer(this);
    positionTimer->setInterval(positionPollMs);
    positionTimer->start();
}

void ChordsTab::initConnections()
{
    // 1. The grid's arrows (each auto-repeat tick is another press).
    connect(scrollUpButton, &ChordsScrollButton::pressed, chordsContainer, &ChordsContainer::scrollUp);
    connect(scrollDownButton, &ChordsScrollButton::pressed, chordsContainer, &ChordsContainer::scrollDown);

    // 2. The neck box.
    connect(neckTypeWidget, &NeckTypeWidget::neckTypeChanged, this, &ChordsTab::changeNeckType);

    // 3. The open/power pair: one lit at a time.
    connect(openChordsButton, &ChordTypeButton::useOpenChords, powerChordsButton, &ChordTypeButton::disableButton);
    connect(powerChordsButton, &ChordTypeButton::usePowerChords, openChordsButton,
            &ChordTypeButton::disableButton);

    // 4. The chord type reaches the large diagrams, the grids and the tab.
    for (ChordTypeButton* button : {openChordsButton, powerChordsButton}) {
        connect(button, &ChordTypeButton::setChordType, currentChordWidget, &ChordWidget::setChordType);
        connect(button, &ChordTypeButton::setChordType, nextChordWidget, &ChordWidget::setChordType);
        connect(button, &ChordTypeButton::setChordType, chordsContainer, &ChordsContainer::switchChordType);
        connect(button, &ChordTypeButton::setChordType, this, &ChordsTab::setChordType);
    }

    // 5. Key shift and capo.
    connect(keyShiftWidget, &KeyShiftWidget::shiftKey, this, &ChordsTab::setChordKeyShift);
    connect(capoWidget, &CapoWidget::shiftFret, this, &ChordsTab::setCapoShift);

    // 6. The finder's mode roll and pane.
    connect(chordModesLabel, &ChordModesLabel::setChordMode, chordModesWidget, &ChordModesWidget::setMode);
    connect(chordModesLabel, &ChordModesLabel::updateFinderChord, this, &ChordsTab::setFinderChord);
    connect(chordModesWidget, &ChordModesWidget::updateFinderChord, this, &ChordsTab::setFinderChord);
    connect(chordModesWidget, &ChordModesWidget::showModeLabel, chordModesLabel, &ChordModesLabel::showModeLabel);
    connect(chordModesWidget, &ChordModesWidget::hideKeysLabel, keysLabel, &QWidget::hide);

    // 7. The finder's key roll and pane.
    connect(keysLabel, &KeysLabel::setKey, keysWidget, &KeysWidget::setKey);
    connect(keysLabel, &KeysLabel::updateFinderChord, this, &ChordsTab::setFinderChord);
    connect(keysWidget, &KeysWidget::updateFinderChord, this, &ChordsTab::setFinderChord);
    connect(keysWidget, &KeysWidget::showKeysLabel, keysLabel, &KeysLabel::showKeysLabel);
    connect(keysWidget, &KeysWidget::hideModeLabel, chordModesLabel, &QWidget::hide);

    // The filter page's opener and close spot.
    connect(filterButton, &CustomButton::released, this, &ChordsTab::openFilterWidget);
    connect(chordFilterWidget->closeButtonWidget(), &CustomButton::pressed, this, &ChordsTab::closeFilterWidget);

    connect(positionTimer, &QTimer::timeout, this, &ChordsTab::followPlayPosition);
}

void ChordsTab::initMetaData(MetaData* model)
{
    if (metaData)
        disconnect(metaData, &MetaData::changeBeat, this, &ChordsTab::beatChanged);
    metaData = model;
    if (metaData)
        connect(metaData, &MetaData::changeBeat, this, &ChordsTab::beatChanged);
}

bool ChordsTab::modelReady() const
{
    return metaData && metaData->metaDataValid.load(std::memory_order_acquire);
}

void ChordsTab::initLoop(const int* start, const int* end)
{
    loopStart = start;
    loopEnd = end;
}

void ChordsTab::setLooping(bool looped)
{
    looping = looped;
    refreshBeat();
}

void ChordsTab::loopPointsChanged()
{
    refreshBeat();
}

void ChordsTab::beatChanged()
{
    // Only a beat of the sequence in force: a beat change queued before a
    // file was opened may arrive after the reset, when the beat no longer
    // belongs to the (kept) chord list, or lies beyond a shorter one.
    if (!modelReady())
        return;
    const int c = metaData->currentBeat.load(std::memory_order_relaxed);
    if (c < 0 || c >= metaData->currentChordVec->size())
        return;
    showBeat(c);
}

void ChordsTab::followPlayPosition()
{
    // Without a player (tests, benchmarks) the model's beats alone count.
    static const QMetaMethod query = QMetaMethod::fromSignal(&ChordsTab::getPlayPosition);
    if (!modelReady() || !isSignalConnected(query))
        return;
    const int beatsWithChords = int(metaData->currentChordVec->size());
    const int position = emit getPlayPosition();
    if (position == polledPosition || beatsWithChords == 0)
        return;
    polledPosition = position;
    const int c = std::clamp(nextchord::beatAt(metaData->beats, position), 0, beatsWithChords - 1);
    // Only a move to another beat: while playing, the model's beat change
    // has shown it already.
    if (c == polledBeat)
        return;
    polledBeat = c;
    if (c != shownBeat)
        showBeat(c);
}

void ChordsTab::showBeat(int c)
{
    const QVector<QString>& seq = *metaData->currentChordVec;
    if (c < 0 || c >= seq.size())
        return;
    shownBeat = c;
    nextchord::LoopBeats loop;
    if (looping && loopStart != nullptr && loopEnd != nullptr)
        loop = nextchord::loopBeats(metaData->beats, *loopStart, *loopEnd);
    const nextchord::Shown shown = nextchord::at(seq, c, chordType == 1, loop);

    // A name without index shows the bare neck.
    beatsLabel->setText(QStringLiteral("<font color='#929292'>%1</font>").arg(shown.count));
    currentChordWidget->setChord(getChordIndex(shown.current, 0), true);
    nextChordWidget->setChord(getChordIndex(shown.next, 0), true);
}

void ChordsTab::refreshBeat()
{
    if (modelReady() && shownBeat >= 0)
        showBeat(shownBeat);
}

ChordWidget* ChordsTab::gridDiagram(const QString& name)
{
    // Not shown here: its grid's holder shows it.
    auto* diagram = new ChordWidget(chordsContainer, &chordsPixmap, &powerChordsPixmap, false);
    diagram->setFixedSize(gridDiagramSize);
    diagram->setChord(chordnames::tableIndex(name), true);
    diagram->setNeckType(neckType);
    return diagram;
}

void ChordsTab::initDetectedChords(int)
{
    initDetectedChords();
}

void ChordsTab::initDetectedChords()
{
    if (!metaData)
        return;

    // 1. One open diagram per detected name, one power diagram per root.
    QVector<ChordWidget*> open;
    QVector<ChordWidget*> power;
    QSet<QString> roots;
    for (const QString& name : qAsConst(metaData->chordVecDetected)) {
        if (name.isEmpty())
            continue;
        open.append(gridDiagram(name));
        const QString root = chordnames::chordRoot(name);
        if (!roots.contains(root)) {
            roots.insert(root);
            power.append(gridDiagram(root));
        }
    }

    // 2. The container replaces the old grids (it shows the open one); the
    //    grid of the chord type in force is the one to show.
    chordsContainer->initChords(open, power);
    chordsContainer->switchChordType(chordType);

    // 3. The new diagrams follow the key shift and capo in force.
    shiftGrid();

    // 4. The grid page.
    closeFilterWidget();

    // 5. The large diagrams name the new chords: the beat shown, or the
    //    player's position at the next poll.
    polledPosition = -1;
    polledBeat = -1;
    refreshBeat();
}

int ChordsTab::getChordIndex(QString chord, int shiftAmount)
{
    return chordnames::getChordIndex(chord, shiftAmount, transposition());
}

int ChordsTab::getChordIndex(QString chord)
{
    return getChordIndex(std::move(chord), 0);
}

void ChordsTab::shiftGrid()
{
    const int w = transposition().w();
    for (const auto* list : {&chordsContainer->openChords(), &chordsContainer->powerChords()})
        for (ChordWidget* diagram : *list)
            diagram->setChord(chordnames::shiftIndex(diagram->storedIndex(), w), false);
}

void ChordsTab::setChordKeyShift(float shiftAmount)
{
    keyShiftAmount = chordnames::foldKeyShift(shiftAmount);
    emit setChordStripKeyShift(transposition().w());
    // The finder is never shifted; the large diagrams follow at once, also
    // while nothing plays.
    shiftGrid();
    refreshBeat();
}

void ChordsTab::setCapoShift(float shiftDirection)
{
    capoShift = shiftDirection;
    setChordKeyShift(keyShiftAmount);
}

void ChordsTab::changeNeckType(int type)
{
    neckType = type;
    if (type >= Wire && type <= Maple) {
        currentChordWidget->setNeckType(type);
        nextChordWidget->setNeckType(type);
        finderChordWidget->setNeckType(type);
    }
    chordsContainer->changeNeck(type);
}

void ChordsTab::setChordType(int type)
{
    chordType = type;
    // Power chords look for the next root, not the next chord.
    refreshBeat();
}

void ChordsTab::setFinderChord()
{
    finderChordWidget->setChord(keysWidget->getKey() + 12 * chordModesWidget->getMode(), true);
}

void ChordsTab::openFilterWidget()
{
    // The arrows and the opener would lie over the panel.
    scrollUpButton->hide();
    scrollDownButton->hide();
    filterButton->hide();
    place(chordsStack, filterPlace);
    chordsStack->setCurrentIndex(1);
}

void ChordsTab::closeFilterWidget()
{
    chordsContainer->show();
    filterButton->show();
    place(chordsStack, gridPlace);
    chordsStack->setCurrentIndex(0);
    if (!modelReady())
        return;
    int names = 0;
    for (const QString& name : qAsConst(metaData->chordVecDetected))
        if (!name.isEmpty())
            ++names;
    const bool arrows = names > chordsWithoutArrows;
    scrollUpButton->setVisible(arrows);
    scrollDownButton->setVisible(arrows);
}

void ChordsTab::mousePressEvent(QMouseEvent* event)
{
    chordModesLabel->hide();
    keysLabel->hide();
    event->accept();
}

void ChordsTab::showChordType(int type)
{
    currentChordWidget->setChordType(type);
    nextChordWidget->setChordType(type);
    chordsContainer->switchChordType(type);
    powerChordsButton->setLit(type == 1);
    openChordsButton->setLit(type == 0);
}

void ChordsTab::setChordTabFromSession(QStringList list)
{
    // 1. The neck (the box keeps it within 0 … 3 and tells the tab).
    neckTypeWidget->setNeckType(sessionInt(list, 1));

    // 2. Both grids' scroll positions.
    chordsContainer->setSessionScrollSettings(sessionInt(list, 2), sessionInt(list, 3));

    // 3. The chord type, shown without a button signal: 1 power, anything
    //    else open.
    const int type = sessionInt(list, 0) == 1 ? 1 : 0;
    showChordType(type);
    setChordType(type);

    // 4. The capo (its signals reach setCapoShift).
    capoWidget->initFromSession(sessionInt(list, 5));

    // 5. The finder's chord and its rolls.
    int finder = sessionInt(list, 4);
    if (finder < 0 || finder >= chordnames::chordCount)
        finder = 0;
    finderChordWidget->setChord(finder, true);
    chordModesWidget->setMode(finder / 12);
    keysWidget->setKey(finder % 12);
}

void ChordsTab::resetChordsTab()
{
    keyShiftAmount = 0.0f;
    capoShift = 0.0f;
    chordsContainer->hide();
    scrollUpButton->hide();
    scrollDownButton->hide();
    beatsLabel->setText(QString());
    currentChordWidget->setChord(-1, true);
    nextChordWidget->setChord(-1, true);
    // The next recording's position is polled afresh.
    shownBeat = -1;
    polledPosition = -1;
    polledBeat = -1;
    setFinderChord();
    tempoWidget->reset();
    keyShiftWidget->reset();
    capoWidget->reset();
    chordFilterWidget->reset();
}
