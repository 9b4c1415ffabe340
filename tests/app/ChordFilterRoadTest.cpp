// The chord filter as a user reaches it: the chords tab's opener, the dots
// and "find" clicked where the window system would deliver the clicks, the
// recognition run again, and the grid, the strip and the model holding only
// the chords chosen.
#include "ShellTestSupport.h"

#include "ChordFilterWidget.h"
#include "ChordLabel.h"
#include "ChordNames.h"
#include "ChordTabButtons.h"
#include "ChordWidget.h"
#include "ChordsContainer.h"
#include "ChordsStrip.h"
#include "ChordsTab.h"
#include "CustomButton.h"
#include "Dot.h"
#include "MetaDataThread.h"
#include "MouseEvents.h"
#include "Plotter.h"
#include "TabButtons.h"
#include "TabWidget.h"
#include "WaveBg.h"

#include <QSet>
#include <QSignalSpy>
#include <QStackedWidget>

namespace {

using shell_test::ShellTest;

constexpr int analysisTimeoutMs = 60000;

bool analysed(MainWindow& window)
{
    MetaDataThread* analysis = window.analysisThread();
    if (!analysis->wait(analysisTimeoutMs))
        return false;
    // Its results arrive queued.
    QCoreApplication::processEvents();
    return analysis->metaData->metaDataValid.load();
}

// A left click on the middle of `target` as the window delivers it: to
// whatever lies on top there, which must be the target (or a child of it).
void clickOn(QWidget* window, QWidget* target)
{
    QPoint at = target->mapTo(window, target->rect().center());
    QWidget* under = widgetUnder(window, at);
    ASSERT_TRUE(under == target || target->isAncestorOf(under))
        << "covered by " << under->metaObject()->className();
    press(under, at, Qt::LeftButton);
    release(under, at, Qt::LeftButton);
}

CustomButton* filterButtonAt(ChordFilterWidget* filter, QPoint pos)
{
    for (CustomButton* button : filter->findChildren<CustomButton*>())
        if (button->pos() == pos)
            return button;
    return nullptr;
}

TEST_F(ShellTest, TheChordFilterIsReachedFromTheChordsTabAndFindsOnlyTheChosenChords)
{
    // C, G, Am and F, one bar each.
    const QString song = writeSong("song.wav", 8);
    makeWindow();
    window->show();
    ASSERT_EQ(window->open(song, false), 0);
    ASSERT_TRUE(analysed(*window));
    window->tabArea()->tabButtons->setCurrentTab(2);
    ChordsTab* tab = window->tabArea()->chordsTab;
    ChordFilterWidget* filter = tab->chordFilterWidget;

    clickOn(window.get(), tab->filterButton);
    ASSERT_EQ(tab->chordsStack->currentIndex(), 1);
    ASSERT_TRUE(filter->isVisible());

    // None, then C and G (rows from A, column 0 major).
    CustomButton* none = filterButtonAt(filter, QPoint(198, 265));
    CustomButton* find = filterButtonAt(filter, QPoint(198, 283));
    ASSERT_TRUE(none && find);
    clickOn(window.get(), none);
    clickOn(window.get(), filter->gridDots()[3 * 7 + 0]);
    clickOn(window.get(), filter->gridDots()[10 * 7 + 0]);
    QSignalSpy recalculated(filter, &ChordFilterWidget::recalculateChords);
    QSignalSpy results(window->analysisThread(), &MetaDataThread::gotMetaData);
    clickOn(window.get(), find);
    ASSERT_EQ(recalculated.count(), 1);
    ASSERT_TRUE(window->analysisThread()->wait(analysisTimeoutMs));
    // Both deliveries of the results, queued.
    for (int i = 0; i < 100 && results.count() < 2; ++i)
        results.wait(100);
    ASSERT_GE(results.count(), 1);

    const QSet<QString> chosen{QStringLiteral("C"), QStringLiteral("G")};
    MetaData* model = window->analysisThread()->metaData;
    for (const QString& name : qAsConst(model->chordVec))
        EXPECT_TRUE(chosen.contains(name) || name == QLatin1String("-")) << name.toStdString();
    // The ranked list ends in empty names.
    QSet<QString> detected;
    for (const QString& name : qAsConst(model->chordVecDetected))
        if (!name.isEmpty())
            detected.insert(name);
    EXPECT_FALSE(detected.isEmpty());
    EXPECT_TRUE(chosen.contains(detected)) << QStringList(detected.values()).join(' ').toStdString();

    // The grid and the strip are rebuilt from them, the grid page is back.
    EXPECT_EQ(tab->chordsStack->currentIndex(), 0);
    EXPECT_TRUE(tab->filterButton->isVisible());
    ASSERT_FALSE(tab->chordsContainer->openChords().isEmpty());
    for (const ChordWidget* diagram : tab->chordsContainer->openChords())
        EXPECT_TRUE(chosen.contains(chordnames::chordName(diagram->storedIndex()))) << diagram->storedIndex();
    ChordsStrip* strip = window->waveArea()->plotter->chordsStrip;
    EXPECT_TRUE(strip->isVisible());
    ASSERT_FALSE(strip->chordLabels().isEmpty());
    for (ChordLabel* label : strip->chordLabels())
        EXPECT_TRUE(chosen.contains(label->getBaseText()) || label->getBaseText() == QLatin1String("-"))
            << label->getBaseText().toStdString();
    // The filter shows what was found.
    EXPECT_EQ(QSet<QString>(filter->detected().begin(), filter->detected().end()), detected);
}

} // namespace
