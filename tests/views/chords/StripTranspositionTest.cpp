// The strip's chord names under the chords tab's transposition, asked of a
// real ChordsTab: the shown names, and the way back that corrections store,
// for every shift the tab can send and every chord.
#include "ChordNames.h"
#include "ChordsTab.h"
#include "RowName.h"
#include "StripFixture.h"

#include <gtest/gtest.h>

namespace {

using namespace striptest;

// A strip asking a real chords tab, which tells it every new shift.
struct Transposed
{
    explicit Transposed(const QVector<QString>& chords = defaultSong()) : host(chords), tab(nullptr)
    {
        QObject::connect(host.strip, &ChordsStrip::getShiftedChordIndex, &tab,
                         qOverload<QString, int>(&ChordsTab::getChordIndex));
        QObject::connect(&tab, &ChordsTab::setChordStripKeyShift, host.strip, &ChordsStrip::setKeyShift);
    }

    StripHost host;
    ChordsTab tab;
};

struct NameCase
{
    const char* name;
    const char* analysed;
    const char* shown;
};

class ShiftedName : public ::testing::TestWithParam<NameCase>
{
};

TEST_P(ShiftedName, TwoSemitonesUpKeepsTheQuality)
{
    const NameCase& c = GetParam();
    Transposed t;
    t.tab.setChordKeyShift(2.0f);
    EXPECT_EQ(t.host.strip->getShiftedChordText(QString::fromLatin1(c.analysed), 0), QString::fromLatin1(c.shown));
}

INSTANTIATE_TEST_SUITE_P(Table, ShiftedName,
                         ::testing::Values(NameCase{"Minor7", "Am7", "Bm7"}, NameCase{"FlatMinor", "Bbm", "Cm"},
                                           NameCase{"Major7", "Cmaj7", "Dmaj7"},
                                           NameCase{"Sus4", "Dsus4", "Esus4"}, NameCase{"Sus2", "Csus2", "Dsus2"},
                                           NameCase{"Seventh", "E7", "F#7"}, NameCase{"Major", "F", "G"},
                                           NameCase{"SharpSpelling", "G#m", "Bbm"},
                                           NameCase{"WrapsPastAb", "Ab", "Bb"}, NameCase{"NoChord", "X", "-"},
                                           NameCase{"IntroOrOutro", "-", "-"},
                                           NameCase{"UnknownQuality", "Cdim", "-"}),
                         RowName());

TEST(StripNames, TagsFollowTheTabsShiftAndShowTheAnalysedNamesAtZero)
{
    Transposed t(names({"Am7", "Bbm", "Cmaj7", "X", "E7"}));
    auto shown = [&] {
        QVector<QString> result;
        for (const ChordLabel* tag : t.host.strip->chordLabels())
            result.append(tag->getShownText());
        return result;
    };
    // The model turns the lone "X" into "-".
    t.tab.setChordKeyShift(2.0f);
    EXPECT_EQ(shown(), names({"Bm7", "Cm", "Dmaj7", "-", "F#7"}));
    EXPECT_EQ(t.host.strip->getKeyShift(), 2);
    t.tab.setChordKeyShift(0.0f);
    EXPECT_EQ(shown(), names({"Am7", "Bbm", "Cmaj7", "-", "E7"}));
    // A rebuild applies the shift in force again.
    t.tab.setChordKeyShift(-1.0f);
    t.host.strip->initChordStrip();
    deleteLaterNow();
    EXPECT_EQ(shown(), names({"Abm7", "Am", "Bmaj7", "-", "Eb7"}));
}

TEST(StripNames, WithoutTheChordsTabNamesStayAsAnalysed)
{
    StripHost host(names({"Am7", "C#"}));
    EXPECT_EQ(host.strip->getShiftedChordText(QStringLiteral("Am7"), 0), QStringLiteral("Am7"));
    EXPECT_EQ(host.strip->getShiftedChordText(QStringLiteral("C#"), 0), QStringLiteral("C#"));
    EXPECT_EQ(host.strip->getShiftedChordText(QStringLiteral("X"), 0), QStringLiteral("-"));
}

// Every shift the tab can send (key shift alone, a fractional key shift, a
// capo), and every chord: the name a tag shows moves back, through the
// tag's own shift, to the chord analysed (same index). This is what a
// correction stores when the user chooses the chord already shown.
struct ShiftCase
{
    float keyShift;
    float capo;
};

TEST(StripRoundTrip, EveryShiftAndEveryChordComeBackUnshifted)
{
    QVector<QString> all;
    for (int i = 0; i < chordnames::chordCount; ++i)
        all.append(chordnames::chordName(i));
    Transposed t(all);
    ASSERT_EQ(t.host.strip->chordLabels().size(), chordnames::chordCount);

    std::vector<ShiftCase> shifts;
    for (int k = -12; k <= 12; ++k)
        shifts.push_back({float(k), 0.0f});
    shifts.push_back({2.6f, 0.0f});    // w = 3
    shifts.push_back({-12.0f, 11.0f}); // w = -11
    shifts.push_back({5.0f, 3.0f});    // w = 2

    for (const ShiftCase& s : shifts) {
        t.tab.setCapoShift(s.capo);
        t.tab.setChordKeyShift(s.keyShift);
        const int w = t.tab.transposition().w();
        ASSERT_EQ(t.host.strip->getKeyShift(), w);
        for (ChordLabel* tag : t.host.strip->chordLabels()) {
            const int analysed = chordnames::tableIndex(tag->getBaseText());
            const int shown = chordnames::tableIndex(tag->getShownText());
            ASSERT_EQ(shown, chordnames::shiftIndex(analysed, w))
                << tag->getBaseText().toStdString() << " w " << w;
            ASSERT_EQ(chordnames::tableIndex(tag->getUnshiftedText()), analysed)
                << tag->getBaseText().toStdString() << " key shift " << s.keyShift << " capo " << s.capo;
        }
    }
}

} // namespace
