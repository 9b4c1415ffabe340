#include "SingleChordEditWidget.h"

#include "ChordLabel.h"
#include "ChordNames.h"
#include "CustomButton.h"
#include "Dot.h"
#include "MetaData.h"
#include "PictureStrip.h"

#include <algorithm>

namespace {

constexpr int popupWidth = 439;
constexpr int popupHeight = 136;
constexpr int buttonWidth = 89;
constexpr int buttonHeight = 18;

// Columns are the roots from A (chordnames::rootNames), as the strip
// transposes; a dot's own root counts from C.
// Rows in the popup's order.
const char* const rowSuffixes[7] = {"", "m", "sus2", "sus4", "7", "maj7", "m7"};

QPoint dotPosition(int column, int row)
{
    return {82 + 20 * column, int(20.0f + 14.85f * float(row))};
}

} // namespace

SingleChordEditWidget::SingleChordEditWidget(QWidget* parent) : QLabel(parent)
{
    initWidgets();
    initLayout();
    initConnections();
    hide();
}

void SingleChordEditWidget::initWidgets()
{
    setPixmap(cachedPixmap(QStringLiteral(":/images/chords/single_chord_edit.png")));
    setScaledContents(true);
    dotPixmap = cachedPixmap(QStringLiteral(":/images/chords/orange_dot.png"));
    for (int column = 0; column < 12; ++column) {
        for (int row = 0; row < 7; ++row) {
            const QString name =
                QString::fromLatin1(chordnames::rootNames[column]) + QLatin1String(rowSuffixes[row]);
            dots.append(new Dot(this, &dotPixmap, (column + 9) % 12, row, name));
        }
    }
    replaceButton =
        new CustomButton(cachedPixmap(QStringLiteral(":/images/chords/replace_button.png")), this, false);
    replaceAllButton =
        new CustomButton(cachedPixmap(QStringLiteral(":/images/chords/replace_all_button.png")), this, false);
    cancelButton =
        new CustomButton(cachedPixmap(QStringLiteral(":/images/chords/cancel_button.png")), this, false);
}

void SingleChordEditWidget::initLayout()
{
    setFixedSize(popupWidth, popupHeight);
    for (int i = 0; i < dots.size(); ++i)
        dots[i]->move(dotPosition(i / 7, i % 7));
    const int buttonX = popupWidth - 110;
    replaceButton->move(buttonX, 18);
    replaceAllButton->move(buttonX, 40);
    cancelButton->move(buttonX, popupHeight - 33);
    for (CustomButton* button : {replaceButton, replaceAllButton, cancelButton}) {
        button->setFixedSize(buttonWidth, buttonHeight);
        button->setCursor(Qt::OpenHandCursor);
    }
}

void SingleChordEditWidget::initConnections()
{
    for (Dot* dot : qAsConst(dots))
        connect(dot, qOverload<Dot*>(&Dot::setDotActive), this, &SingleChordEditWidget::setSelected);
    connect(cancelButton, &CustomButton::released, this, &SingleChordEditWidget::cancel);
    connect(replaceButton, &CustomButton::released, this, &SingleChordEditWidget::replaceChord);
    connect(replaceAllButton, &CustomButton::released, this, &SingleChordEditWidget::replaceAllChords);
}

void SingleChordEditWidget::initMetaData(MetaData* model)
{
    metaData = model;
}

void SingleChordEditWidget::showChordEdit(QString chordText, int, ChordLabel* label, bool autoScrollOff)
{
    changeChord(chordText);
    editLabel = label;
    restoreScroll = !autoScrollOff;
    show();
}

void SingleChordEditWidget::changeChord(QString chord)
{
    // By chord, not by spelling: the analysis writes "G#m" where the
    // column says "Ab".
    const int index = chordnames::tableIndex(chord);
    for (Dot* dot : qAsConst(dots))
        dot->setLit(index >= 0 && chordnames::tableIndex(dot->name()) == index);
    currentChord = chord;
}

void SingleChordEditWidget::setSelected(Dot* dot)
{
    for (Dot* each : qAsConst(dots))
        each->setLit(each == dot);
    if (editLabel)
        editLabel->changeText(dot->name());
}

void SingleChordEditWidget::closePopup()
{
    hide();
    currentChord.clear();
}

// 1. The beats to rewrite: the range, or the picked beat.
// 2. The chosen name in the untransposed key.
// 3. Those beats take it, within the model's chords.
// 4. It joins the detected chords when new and a chord at all: "-" or "X"
//    would give the chords tab a cell without chord.
// 5. Cache, strip, grid and auto-scroll follow; the popup closes.
void SingleChordEditWidget::replaceChord()
{
    if (!editLabel || metaData == nullptr) {
        closePopup();
        return;
    }
    const QPoint range = emit getStartEndBeats();
    const QString text = editLabel->getUnshiftedText();
    QVector<QString>& chords = metaData->chordVec;
    const int end = qMin(range.y(), chords.size());
    for (int b = qMax(range.x(), 0); b < end; ++b)
        chords[b] = text;
    if (!metaData->chordVecDetected.contains(text) && chordnames::tableIndex(text) >= 0)
        metaData->chordVecDetected.append(text);
    editLabel->changeText(currentChord);

    emit saveTBM();
    emit reInitChordStrip();
    emit reInitDetectedChordsWidget();
    emit resetScroll(restoreScroll);
    closePopup();
}

// Every beat with the tag's analysed chord takes the chosen one, and so
// does its entry among the detected chords (renamed in place, unless the
// choice is no chord at all).
void SingleChordEditWidget::replaceAllChords()
{
    if (!editLabel || metaData == nullptr) {
        closePopup();
        return;
    }
    const QString text = editLabel->getUnshiftedText();
    const QString old = editLabel->getBaseText();
    std::replace(metaData->chordVec.begin(), metaData->chordVec.end(), old, text);
    if (chordnames::tableIndex(text) >= 0)
        std::replace(metaData->chordVecDetected.begin(), metaData->chordVecDetected.end(), old, text);

    emit saveTBM();
    emit reInitChordStrip();
    emit reInitDetectedChordsWidget();
    closePopup();
    emit resetScroll(restoreScroll);
}

void SingleChordEditWidget::cancel()
{
    if (!editLabel) {
        closePopup();
        return;
    }
    editLabel->changeText(editLabel->getUnshiftedText());
    emit reInitChordStrip();
    emit reInitDetectedChordsWidget();
    closePopup();
    emit resetScroll(restoreScroll);
}

void SingleChordEditWidget::abortChordEdit()
{
    editLabel = nullptr;
    closePopup();
}
