#include "ChordsContainer.h"

#include "ChordWidget.h"

#include <QGridLayout>
#include <QWheelEvent>

#include <algorithm>

namespace {
constexpr int columns = 4;
constexpr int rowSpacing = 2;
constexpr int columnSpacing = 9;
} // namespace

ChordsContainer::ChordsContainer(QWidget* parent)
    : QWidget(parent), openGrid(new QWidget(this)), powerGrid(new QWidget(this))
{
    openGrid->hide();
    powerGrid->hide();
    setStyleSheet(QStringLiteral("QWidget {background-color:transparent;}"));
}

QWidget* ChordsContainer::makeHolder(const QVector<ChordWidget*>& diagrams, bool power)
{
    auto* holder = new QWidget(this);
    auto* grid = new QGridLayout(holder);
    grid->setVerticalSpacing(rowSpacing);
    grid->setHorizontalSpacing(columnSpacing);
    grid->setContentsMargins(0, 0, 0, 0);
    for (int k = 0; k < diagrams.size(); ++k) {
        ChordWidget* diagram = diagrams[k];
        diagram->setChordType(power ? 1 : 0);
        grid->addWidget(diagram, k / columns, k % columns);
    }
    // Sized now, not when first shown, so that positions and limits hold
    // before the tab is ever on screen.
    holder->resize(diagrams.isEmpty() ? QSize(0, 0) : grid->sizeHint());
    holder->move(0, 0);
    grid->activate();
    return holder;
}

void ChordsContainer::initChords(QVector<ChordWidget*> open, QVector<ChordWidget*> power)
{
    openPos = 0;
    powerPos = 0;
    // The old holders go with the diagrams they hold. Deleted at once: no
    // event of theirs can be under way (the diagrams take no mouse events),
    // and a rebuild per analysis must not leave anything behind.
    delete openGrid;
    delete powerGrid;
    openDiagrams = std::move(open);
    powerDiagrams = std::move(power);
    openGrid = makeHolder(openDiagrams, false);
    powerGrid = makeHolder(powerDiagrams, true);
    openGrid->show();
    powerGrid->hide();
}

void ChordsContainer::changeNeck(int neckType)
{
    if (neckType < Wire || neckType > Maple)
        return;
    for (ChordWidget* diagram : openDiagrams)
        diagram->setNeckType(neckType);
    for (ChordWidget* diagram : powerDiagrams)
        diagram->setNeckType(neckType);
}

void ChordsContainer::switchChordType(int chordType)
{
    if (chordType == 1) {
        openGrid->hide();
        powerGrid->show();
    } else if (chordType == 0) {
        powerGrid->hide();
        openGrid->show();
    }
}

QWidget* ChordsContainer::visibleHolder(int** position)
{
    // isHidden, not isVisible: the container itself may not be shown yet.
    if (!openGrid->isHidden()) {
        *position = &openPos;
        return openGrid;
    }
    if (!powerGrid->isHidden()) {
        *position = &powerPos;
        return powerGrid;
    }
    *position = nullptr;
    return nullptr;
}

void ChordsContainer::scrollUp()
{
    int* position = nullptr;
    QWidget* holder = visibleHolder(&position);
    if (!holder || *position >= 0)
        return;
    *position += scrollStep;
    holder->move(0, *position);
}

bool ChordsContainer::stepDown()
{
    int* position = nullptr;
    QWidget* holder = visibleHolder(&position);
    if (!holder || *position <= height() - holder->height())
        return false;
    *position -= scrollStep;
    holder->move(0, *position);
    return true;
}

void ChordsContainer::scrollDown()
{
    stepDown();
}

void ChordsContainer::setSessionScrollSettings(int openPosition, int powerPosition)
{
    // A position p comes back as the down steps of |p - 1| div 20, taken
    // while the grid has room: a position above 0, a huge one or the
    // smallest int cannot overflow or hold up the window.
    const auto restore = [this](int position) {
        const long long distance = 1 - static_cast<long long>(std::min(position, 0));
        for (long long steps = distance / scrollStep; steps > 0; --steps)
            if (!stepDown())
                break;
    };
    powerGrid->hide();
    openGrid->show();
    restore(openPosition);
    openGrid->hide();
    powerGrid->show();
    restore(powerPosition);
}

void ChordsContainer::wheelEvent(QWheelEvent* event)
{
    const int delta = event->angleDelta().y();
    if (delta > 0)
        scrollUp();
    else if (delta < 0)
        scrollDown();
    event->accept();
}
