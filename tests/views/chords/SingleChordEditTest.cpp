// The chord correction from the tag's press to the analysis cache on disk:
// the popup wired to a real strip, a real chords tab answering the strip's
// name query and a real analysis thread writing the cache into a temporary
// folder, read back by the cache reader. Also what a file open does to a
// correction left open.
#include "AnalysisCache.h"
#include "AudioOutput.h"
#include "AudioPlayer.h"
#include "ChordsTab.h"
#include "CustomButton.h"
#include "Dot.h"
#include "MouseEvents.h"
#include "RowName.h"
#include "SingleChordEditWidget.h"
#include "StripFixture.h"

#include <QFileInfo>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>

namespace {

using namespace striptest;

// The waveform view's and the main window's wiring of strip, popup, chords
// tab and analysis thread, with the auto-scroll button as a flag and every
// popup signal logged in the order it was emitted.
struct Correction
{
    explicit Correction(const QVector<QString>& chords = defaultSong(), bool autoScrollOn = true)
        : host(chords), tab(nullptr), popup(new SingleChordEditWidget(&host.view)), autoScroll(autoScrollOn)
    {
        cachePath = folder.filePath(QStringLiteral("metadata/song.tbm"));
        host.analysis.setFileName(cachePath, QStringLiteral("/music/song.mp3"));
        popup->initMetaData(&host.model);
        ChordsStrip* strip = host.strip;

        QObject::connect(strip, &ChordsStrip::getShiftedChordIndex, &tab,
                         qOverload<QString, int>(&ChordsTab::getChordIndex));
        QObject::connect(&tab, &ChordsTab::setChordStripKeyShift, strip, &ChordsStrip::setKeyShift);
        QObject::connect(strip, &ChordsStrip::showChordEdit, &probe,
                         [this](const QString& text, int, ChordLabel* label) {
                             popup->showChordEdit(text, 0, label, !autoScroll);
                         });
        QObject::connect(strip, &ChordsStrip::stopScrolling, &probe, [this](bool on) { autoScroll = on; });
        QObject::connect(strip, &ChordsStrip::changeSingleChordDot, popup, &SingleChordEditWidget::changeChord);
        QObject::connect(strip, &ChordsStrip::chordEditAborted, popup, &SingleChordEditWidget::abortChordEdit);

        QObject::connect(popup, &SingleChordEditWidget::saveTBM, &probe, [this] { log << "saveTBM"; });
        QObject::connect(popup, &SingleChordEditWidget::saveTBM, &host.analysis, &MetaDataThread::saveTBM);
        QObject::connect(popup, &SingleChordEditWidget::reInitChordStrip, &probe,
                         [this] { log << "reInitChordStrip"; });
        QObject::connect(popup, &SingleChordEditWidget::reInitChordStrip, strip, &ChordsStrip::initChordStrip);
        QObject::connect(popup, &SingleChordEditWidget::reInitDetectedChordsWidget, &probe,
                         [this] { log << "reInitDetectedChordsWidget"; });
        QObject::connect(popup, &SingleChordEditWidget::resetScroll, &probe,
                         [this](bool on) { log << QStringLiteral("resetScroll %1").arg(on); });
        QObject::connect(popup, &SingleChordEditWidget::resetScroll, strip, &ChordsStrip::stopScrolling);
        QObject::connect(popup, &SingleChordEditWidget::getStartEndBeats, strip, &ChordsStrip::getStartEndBeats);
    }

    void open(int tagIndex)
    {
        ChordLabel* tag = host.tag(tagIndex);
        press(tag, host.centreOf(tag), Qt::RightButton);
    }
    void choose(const char* name)
    {
        for (Dot* dot : popup->chordDots()) {
            if (dot->name() == QLatin1String(name)) {
                press(dot, {7, 7}, Qt::LeftButton);
                return;
            }
        }
        ADD_FAILURE() << "no dot " << name;
    }
    void click(CustomButton* button)
    {
        press(button, {40, 9}, Qt::LeftButton);
        release(button, {40, 9}, Qt::LeftButton);
        deleteLaterNow();
    }
    QStringList litDots() const
    {
        QStringList lit;
        for (const Dot* dot : popup->chordDots())
            if (dot->isLit())
                lit << dot->name();
        return lit;
    }
    bool cacheWritten() const { return QFileInfo::exists(cachePath); }
    AnalysisCache::Lists readCache() const
    {
        AnalysisCache::Lists lists;
        EXPECT_EQ(AnalysisCache::read(cachePath, lists), AnalysisCache::ReadStatus::Ok);
        return lists;
    }

    StripHost host;
    ChordsTab tab;
    SingleChordEditWidget* popup;
    bool autoScroll;
    QObject probe;
    QStringList log;
    QTemporaryDir folder;
    QString cachePath;
};

// --- Opening ------------------------------------------------------------------------

TEST(ChordEditOpen, LightsExactlyTheTagsChordAndShows)
{
    Correction c(names({"C", "Em", "Em", "G"}));
    c.open(1);
    EXPECT_TRUE(c.popup->isVisible());
    EXPECT_EQ(c.litDots(), QStringList{"Em"});
    EXPECT_EQ(c.popup->editLabel.data(), c.host.tag(1));
    EXPECT_EQ(c.popup->getCurrentChord(), QStringLiteral("Em"));
}

// Columns from A every 20 pixels, rows at 20 + 14.85 t truncated; a dot's
// root counts from C.
struct GridCase
{
    const char* name;
    const char* chord;
    QPoint position;
    int root;
    int type;
};

class ChordEditGrid : public ::testing::TestWithParam<GridCase>
{
};

TEST_P(ChordEditGrid, EachChordHasItsPlace)
{
    const GridCase& g = GetParam();
    SingleChordEditWidget popup(nullptr);
    ASSERT_EQ(popup.chordDots().size(), 84);
    int found = 0;
    for (const Dot* dot : popup.chordDots()) {
        if (dot->name() != QLatin1String(g.chord))
            continue;
        ++found;
        EXPECT_EQ(dot->pos(), g.position);
        EXPECT_EQ(dot->root(), g.root);
        EXPECT_EQ(dot->type(), g.type);
    }
    EXPECT_EQ(found, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ChordEditGrid,
    ::testing::Values(GridCase{"A", "A", {82, 20}, 9, 0}, GridCase{"Em", "Em", {222, 34}, 4, 1},
                      GridCase{"Csus2", "Csus2", {142, 49}, 0, 2},
                      GridCase{"CSharpSus4", "C#sus4", {162, 64}, 1, 3}, GridCase{"F7", "F7", {242, 79}, 5, 4},
                      GridCase{"EbMaj7", "Ebmaj7", {202, 94}, 3, 5}, GridCase{"AbM7", "Abm7", {302, 109}, 8, 6}),
    RowName());

// The analysis spells some roots with sharps ("G#m"), the columns with
// flats ("Ab"): the dot of the chord lights whichever spelling the tag has.
struct SpellingCase
{
    const char* name;
    const char* tag;
    const char* dot;
};

class ChordEditSpelling : public ::testing::TestWithParam<SpellingCase>
{
};

TEST_P(ChordEditSpelling, TheChordsDotLightsForEitherSpelling)
{
    Correction c(names({"C", GetParam().tag, "G"}));
    c.open(1);
    EXPECT_EQ(c.litDots(), QStringList{GetParam().dot});
    EXPECT_EQ(c.popup->getCurrentChord(), QString::fromUtf8(GetParam().tag));
}

INSTANTIATE_TEST_SUITE_P(
    Table, ChordEditSpelling,
    ::testing::Values(SpellingCase{"G_sharp_minor", "G#m", "Abm"}, SpellingCase{"D_sharp_minor", "D#m", "Ebm"},
                      SpellingCase{"G_sharp_seven", "G#7", "Ab7"}, SpellingCase{"A_flat_minor", "Abm", "Abm"},
                      SpellingCase{"E_flat_minor", "Ebm", "Ebm"}, SpellingCase{"A_sharp_sus2", "A#sus2", "Bbsus2"},
                      SpellingCase{"D_flat_maj7", "Dbmaj7", "C#maj7"}),
    RowName());

TEST(ChordEditOpen, ANameNoDotCarriesLeavesAllDark)
{
    Correction c(names({"X", "C"})); // the intro mark "-"
    c.open(0);
    EXPECT_TRUE(c.litDots().isEmpty());
}

TEST(ChordEditOpen, ChoosingADotLightsItAloneAndTheTagShowsIt)
{
    Correction c;
    c.open(1);
    c.choose("Em");
    EXPECT_EQ(c.litDots(), QStringList{"Em"});
    EXPECT_EQ(c.host.tag(1)->getShownText(), QStringLiteral("Em"));
    EXPECT_EQ(c.host.beatLine()->editText, QStringLiteral("Em"));
    // Pressing the lit dot again keeps it chosen.
    c.choose("Em");
    EXPECT_EQ(c.litDots(), QStringList{"Em"});
}

// --- Replacing ----------------------------------------------------------------------

enum class Range { Tag, DraggedRight, PickedInside, PickedOutside };

struct ReplaceCase
{
    const char* name;
    Range range;
    const char* dot; // nullptr: no dot chosen
    QVector<QString> chords;
    QVector<QString> detected;
};

class ChordReplace : public ::testing::TestWithParam<ReplaceCase>
{
};

// The "G" tag covers beats 2-4 (pixels 400-1000); the default song is
// C C G G G C D D, its detected chords C G D.
TEST_P(ChordReplace, RewritesTheRangeAndTheCache)
{
    const ReplaceCase& r = GetParam();
    Correction c;
    c.open(1);
    if (r.range == Range::DraggedRight) {
        CustomButton* handle = c.host.strip->getRightHandle();
        press(handle, {10, 10}, Qt::LeftButton);
        move(handle, {1150 - handle->x(), 10}, Qt::LeftButton);
        move(handle, {1150 - handle->x(), 10}, Qt::LeftButton);
        release(handle, {1150 - handle->x(), 10}, Qt::LeftButton);
    } else if (r.range == Range::PickedInside) {
        press(c.host.beatLine(), {700, 10}, Qt::LeftButton);
    } else if (r.range == Range::PickedOutside) {
        press(c.host.beatLine(), {100, 10}, Qt::LeftButton);
    }
    if (r.dot != nullptr)
        c.choose(r.dot);
    c.click(c.popup->getReplaceButton());

    EXPECT_EQ(c.host.model.chordVec, r.chords);
    EXPECT_EQ(c.host.model.chordVecDetected, r.detected);
    const AnalysisCache::Lists stored = c.readCache();
    EXPECT_EQ(stored[1], r.chords);
    EXPECT_EQ(stored[2], r.detected);
    // The strip shows the new chords; the correction is over.
    EXPECT_FALSE(c.popup->isVisible());
    EXPECT_TRUE(c.popup->getCurrentChord().isEmpty());
    EXPECT_FALSE(c.host.strip->isEditing());
    QVector<QString> shown;
    for (const ChordLabel* tag : c.host.strip->chordLabels())
        shown.append(tag->getBaseText());
    EXPECT_EQ(shown, distinctRuns(r.chords));
}

INSTANTIATE_TEST_SUITE_P(
    Table, ChordReplace,
    ::testing::Values(ReplaceCase{"TheTag", Range::Tag, "Em", names({"C", "C", "Em", "Em", "Em", "C", "D", "D"}),
                                  names({"C", "G", "D", "Em"})},
                      ReplaceCase{"ADraggedRange", Range::DraggedRight, "Em",
                                  names({"C", "C", "Em", "Em", "Em", "Em", "D", "D"}),
                                  names({"C", "G", "D", "Em"})},
                      ReplaceCase{"APickedBeat", Range::PickedInside, "Em",
                                  names({"C", "C", "G", "Em", "G", "C", "D", "D"}), names({"C", "G", "D", "Em"})},
                      ReplaceCase{"ABeatPickedOutside", Range::PickedOutside, "Em",
                                  names({"Em", "C", "G", "G", "G", "C", "D", "D"}), names({"C", "G", "D", "Em"})},
                      ReplaceCase{"AChordAlreadyDetected", Range::Tag, "D",
                                  names({"C", "C", "D", "D", "D", "C", "D", "D"}), names({"C", "G", "D"})},
                      // Replacing with the chord in force writes the same names again.
                      ReplaceCase{"NoDotChosen", Range::Tag, nullptr,
                                  names({"C", "C", "G", "G", "G", "C", "D", "D"}), names({"C", "G", "D"})}),
    RowName());

TEST(ChordReplaceAll, RenamesEveryBeatOfTheTagsChordAndItsDetectedEntry)
{
    Correction c(names({"C", "G", "G", "C", "G", "D"}));
    c.open(1);
    c.choose("Am");
    c.click(c.popup->getReplaceAllButton());
    EXPECT_EQ(c.host.model.chordVec, names({"C", "Am", "Am", "C", "Am", "D"}));
    EXPECT_EQ(c.host.model.chordVecDetected, names({"C", "Am", "D"}));
    const AnalysisCache::Lists stored = c.readCache();
    EXPECT_EQ(stored[1], c.host.model.chordVec);
    EXPECT_EQ(stored[2], c.host.model.chordVecDetected);
}

// The chords tab sends w = 2: the tag analysed as "C" shows "D"; the user
// picks "Em" in the shown key, and the model stores it two semitones down.
TEST(ChordReplaceShifted, StoresTheChosenChordInTheAnalysedKey)
{
    Correction c;
    c.tab.setChordKeyShift(2.0f);
    EXPECT_EQ(c.host.tag(0)->getShownText(), QStringLiteral("D"));
    c.open(0);
    EXPECT_EQ(c.litDots(), QStringList{"D"});
    c.choose("Em");
    c.click(c.popup->getReplaceButton());
    EXPECT_EQ(c.host.model.chordVec, names({"Dm", "Dm", "G", "G", "G", "C", "D", "D"}));
    EXPECT_EQ(c.host.model.chordVecDetected, names({"C", "G", "D", "Dm"}));
    EXPECT_EQ(c.readCache()[1], c.host.model.chordVec);
    // Rebuilt, the tag shows the stored chord in the shown key again.
    EXPECT_EQ(c.host.tag(0)->getShownText(), QStringLiteral("Em"));
}

TEST(ChordReplaceShifted, AShiftDuringACorrectionMovesTheLitDot)
{
    Correction c;
    c.open(1); // "G"
    c.tab.setChordKeyShift(-2.0f);
    EXPECT_EQ(c.litDots(), QStringList{"F"});
    EXPECT_EQ(c.host.beatLine()->editText, QStringLiteral("F"));
    c.click(c.popup->getReplaceButton());
    EXPECT_EQ(c.host.model.chordVec, defaultSong());
}

TEST(ChordReplace, AnEmptyRangeChangesNoBeatButStillWrites)
{
    Correction c;
    QObject::disconnect(c.popup, &SingleChordEditWidget::getStartEndBeats, nullptr, nullptr);
    QObject::connect(c.popup, &SingleChordEditWidget::getStartEndBeats, &c.probe, [] { return QPoint(4, 2); });
    c.open(1);
    c.choose("Em");
    c.click(c.popup->getReplaceButton());
    EXPECT_EQ(c.host.model.chordVec, defaultSong());
    EXPECT_EQ(c.host.model.chordVecDetected, names({"C", "G", "D", "Em"}));
    EXPECT_EQ(c.readCache()[2], c.host.model.chordVecDetected);
}

TEST(ChordReplace, ARangeBeyondTheModelRewritesOnlyItsBeats)
{
    Correction c;
    QObject::disconnect(c.popup, &SingleChordEditWidget::getStartEndBeats, nullptr, nullptr);
    QObject::connect(c.popup, &SingleChordEditWidget::getStartEndBeats, &c.probe, [] { return QPoint(6, 40); });
    c.open(1);
    c.choose("Em");
    c.click(c.popup->getReplaceButton());
    EXPECT_EQ(c.host.model.chordVec, names({"C", "C", "G", "G", "G", "C", "Em", "Em"}));
}

TEST(ChordCancel, WritesNothingAfterADotWasChosen)
{
    Correction c;
    c.open(1);
    c.choose("Em");
    c.click(c.popup->getCancelButton());
    EXPECT_EQ(c.host.model.chordVec, defaultSong());
    EXPECT_EQ(c.host.model.chordVecDetected, names({"C", "G", "D"}));
    EXPECT_FALSE(c.cacheWritten());
    EXPECT_FALSE(c.popup->isVisible());
    EXPECT_FALSE(c.host.strip->isEditing());
    EXPECT_EQ(c.host.tag(1)->getShownText(), QStringLiteral("G"));
}

// --- Signals and auto-scroll ----------------------------------------------------------

enum class Button { Replace, ReplaceAll, Cancel };

CustomButton* buttonOf(const Correction& c, Button b)
{
    switch (b) {
    case Button::Replace:
        return c.popup->getReplaceButton();
    case Button::ReplaceAll:
        return c.popup->getReplaceAllButton();
    case Button::Cancel:
        break;
    }
    return c.popup->getCancelButton();
}

struct ButtonCase
{
    const char* name;
    Button button;
    bool autoScrollBefore;
    QStringList signalOrder;
};

class ChordEditButtons : public ::testing::TestWithParam<ButtonCase>
{
};

TEST_P(ChordEditButtons, EmitInOrderAndRestoreAutoScroll)
{
    const ButtonCase& b = GetParam();
    Correction c(defaultSong(), b.autoScrollBefore);
    c.open(1);
    EXPECT_FALSE(c.autoScroll); // off while correcting
    c.choose("Em");
    c.click(buttonOf(c, b.button));
    EXPECT_EQ(c.log, b.signalOrder);
    EXPECT_EQ(c.autoScroll, b.autoScrollBefore);
}

const QStringList writes = {"saveTBM", "reInitChordStrip", "reInitDetectedChordsWidget"};
const QStringList rebuilds = {"reInitChordStrip", "reInitDetectedChordsWidget"};

INSTANTIATE_TEST_SUITE_P(
    Table, ChordEditButtons,
    ::testing::Values(
        ButtonCase{"ReplaceScrolling", Button::Replace, true, writes + QStringList{"resetScroll 1"}},
        ButtonCase{"ReplaceStill", Button::Replace, false, writes + QStringList{"resetScroll 0"}},
        ButtonCase{"ReplaceAllScrolling", Button::ReplaceAll, true, writes + QStringList{"resetScroll 1"}},
        ButtonCase{"ReplaceAllStill", Button::ReplaceAll, false, writes + QStringList{"resetScroll 0"}},
        ButtonCase{"CancelScrolling", Button::Cancel, true, rebuilds + QStringList{"resetScroll 1"}},
        ButtonCase{"CancelStill", Button::Cancel, false, rebuilds + QStringList{"resetScroll 0"}}),
    RowName());

// --- Faults ------------------------------------------------------------------------------

// The intro tag "-" replaced without choosing a dot: "-" must not join the
// detected chords (the chords tab would get a cell without chord).
TEST(ChordEditFaults, ANameWithoutIndexNeverJoinsTheDetectedChords)
{
    Correction c(names({"X", "X", "C", "C"})); // stored as "-", "-", "C", "C"
    ASSERT_EQ(c.host.tag(0)->getBaseText(), QStringLiteral("-"));
    const QVector<QString> detected = c.host.model.chordVecDetected;
    c.open(0);
    c.click(c.popup->getReplaceButton());
    EXPECT_EQ(c.host.model.chordVecDetected, detected);
    EXPECT_EQ(c.host.model.chordVec, names({"-", "-", "C", "C"}));
    EXPECT_EQ(c.readCache()[2], detected);
}

// The file-open road: the player resets the model, the strip is reset, the
// view is hidden; the popup must not come back with the old tag or range.
class FileOpenDuringCorrection : public ::testing::TestWithParam<Button>
{
};

TEST_P(FileOpenDuringCorrection, ClosesThePopupAndWritesNothing)
{
    Correction c;
    AudioOutputOptions options;
    options.backend = AudioBackend::SilentOnly;
    const std::unique_ptr<AudioOutput> output = AudioOutput::create(options);
    AudioPlayer player(*output, AudioPlayer::FeedDriver::Caller);
    player.initMetaData(&c.host.model);

    c.open(1);
    CustomButton* handle = c.host.strip->getRightHandle();
    press(handle, {10, 10}, Qt::LeftButton);
    move(handle, {1150 - handle->x(), 10}, Qt::LeftButton);
    move(handle, {1150 - handle->x(), 10}, Qt::LeftButton);
    c.choose("Em");

    player.resetMetaData();
    c.host.strip->reset();
    deleteLaterNow(); // the old tags are gone
    c.host.view.hide();
    c.host.view.show();

    EXPECT_FALSE(c.popup->isVisible());
    EXPECT_TRUE(c.popup->editLabel.isNull());
    EXPECT_TRUE(c.popup->getCurrentChord().isEmpty());

    // A button reached anyway (a queued click) only closes.
    c.log.clear();
    c.popup->show();
    c.click(buttonOf(c, GetParam()));
    EXPECT_TRUE(c.log.isEmpty());
    EXPECT_FALSE(c.popup->isVisible());
    EXPECT_EQ(c.host.model.chordVec, defaultSong());
    EXPECT_FALSE(c.cacheWritten());
    // The next recording's model arrives and is drawn untouched.
    fillModel(c.host.model, gridBeats(3), names({"A", "A", "B"}), names({"A", "B"}));
    c.host.strip->initChordStrip();
    deleteLaterNow();
    EXPECT_EQ(c.host.model.chordVec, names({"A", "A", "B"}));
    EXPECT_FALSE(c.host.strip->isEditing());
    EXPECT_FALSE(c.cacheWritten());
}

INSTANTIATE_TEST_SUITE_P(Buttons, FileOpenDuringCorrection,
                         ::testing::Values(Button::Replace, Button::ReplaceAll, Button::Cancel),
                         [](const ::testing::TestParamInfo<Button>& row) {
                             return std::string(row.param == Button::Replace          ? "Replace"
                                                    : row.param == Button::ReplaceAll ? "ReplaceAll"
                                                                                      : "Cancel");
                         });

} // namespace
