// The compiled-in pictures have the sizes and frame layouts the views rely
// on, leave their children's places transparent or plain, and the chord
// sheets hold nothing outside their marks.
#include "ChordShapes.h"
#include "RowName.h"

#include <QDirIterator>
#include <QImage>
#include <QSet>
#include <cmath>
#include <gtest/gtest.h>

namespace {

namespace cs = chordshapes;
namespace geo = chordshapes::cell;

struct Picture
{
    const char* path; // below ":/images/"
    int width;
    int height;
    int frameHeight; // 0: a single picture
};

const Picture pictures[] = {
    {"real_time_tools/knob_large.png", 85, 17000, 85},
    {"real_time_tools/knob_small.png", 64, 6400, 64},
    {"real_time_tools/slider.png", 350, 2400, 24},
    {"real_time_tools/power_on.png", 25, 25, 0},
    {"real_time_tools/power_off.png", 25, 25, 0},
    {"real_time_tools/power_on_small.png", 20, 20, 0},
    {"real_time_tools/power_off_small.png", 20, 20, 0},
    {"real_time_tools/mute_solo.png", 43, 36, 18},
    {"real_time_tools/hi_lo.png", 43, 36, 18},
    {"real_time_tools/plus_minus.png", 93, 20, 0},
    {"real_time_tools/plus_minus_down.png", 93, 20, 0},
    {"real_time_tools/plus_minus_up.png", 93, 20, 0},
    {"real_time_tools/plus_minus_inactive.png", 93, 20, 0},
    {"real_time_tools/plus_minus_fine_tune.png", 93, 20, 0},
    {"real_time_tools/plus_minus_fine_tune_down.png", 93, 20, 0},
    {"real_time_tools/plus_minus_fine_tune_up.png", 93, 20, 0},
    {"real_time_tools/plus_minus_fine_tune_slider.png", 5, 20, 0},
    {"real_time_tools/tool_overlay.png", 1000, 355, 0},
    {"background_wave.png", 1000, 228, 0},
    {"progress_bar.png", 400, 12, 0},
    {"progress_bar_background.png", 400, 12, 0},
    {"zoom.png", 43, 18, 0},
    {"zoom_minus.png", 43, 18, 0},
    {"zoom_plus.png", 43, 18, 0},
    {"background_transport.png", 1000, 91, 0},
    {"transport/transport_backing.png", 258, 45, 0},
    {"transport/transport_grey.png", 258, 45, 0},
    {"transport/clock_backing.png", 212, 24, 0},
    {"transport/play_pause.png", 42, 82, 41},
    {"transport/stop.png", 42, 82, 41},
    {"transport/fwd.png", 42, 82, 41},
    {"transport/back.png", 42, 82, 41},
    {"transport/loop.png", 42, 82, 41},
    {"transport/transport_knob.png", 50, 5000, 50},
    {"transport/metronome_grey.png", 12, 12, 0},
    {"transport/metronome_red.png", 12, 12, 0},
    {"transport/volume_label.png", 64, 24, 0},
    {"transport/metronome_label.png", 88, 24, 0},
    {"chords/chords_overlay.png", 1000, 355, 0},
    {"chords/chords.png", 10584, 264, 0},
    {"chords/power_chords.png", 10584, 264, 0},
    {"chords/wire.png", 126, 264, 0},
    {"chords/ebony.png", 126, 264, 0},
    {"chords/alder.png", 126, 264, 0},
    {"chords/maple.png", 126, 264, 0},
    {"chords/open.png", 45, 36, 18},
    {"chords/power.png", 45, 36, 18},
    {"chords/up.png", 70, 24, 12},
    {"chords/down.png", 70, 24, 12},
    {"chords/modes_roll.png", 85, 126, 18},
    {"chords/12_chords_roll.png", 32, 216, 18},
    {"chords/modes_pane.png", 100, 147, 0},
    {"chords/keys_pane.png", 63, 240, 0},
    {"chords/highlight_modes.png", 82, 18, 0},
    {"chords/highlight_keys.png", 36, 18, 0},
    {"chords/chord_drag_left.png", 20, 40, 20},
    {"chords/chord_drag_right.png", 20, 40, 20},
    {"chords/single_chord_edit.png", 439, 136, 0},
    {"chords/cancel_button.png", 89, 36, 18},
    {"chords/replace_button.png", 89, 36, 18},
    {"chords/replace_all_button.png", 89, 36, 18},
    {"chords/orange_dot.png", 14, 14, 0},
    {"chords/chord_filter_menu.png", 250, 306, 0},
    {"chords/find_button.png", 42, 32, 16},
    {"chords/none_button.png", 42, 32, 16},
    {"chords/filter_button.png", 74, 34, 17},
    {"jam/jam_overlay.png", 1000, 355, 0},
    {"jam/step_select.png", 480, 480, 30},
    {"jam/song_step.png", 480, 480, 30},
    {"jam/highlight_steps.png", 480, 480, 30},
    {"jam/white_step_numbers.png", 480, 30, 0},
    {"jam/loop_length.png", 480, 80, 5},
    {"jam/loop_length_ball.png", 480, 160, 10},
    {"jam/riff_id.png", 48, 108, 18},
    {"jam/riff_menu.png", 45, 132, 0},
    {"jam/highlight_riff.png", 28, 18, 0},
    {"jam/beat_select_outline.png", 41, 37, 0},
    {"jam/right_click_context.png", 128, 160, 0},
    {"background_tabs.png", 1000, 355, 0},
    {"tab_buttons/button_1.png", 350, 25, 0},
    {"tab_buttons/button_2.png", 350, 25, 0},
    {"tab_buttons/button_3.png", 350, 25, 0},
    {"flags/gb.png", 16, 16, 0},
    {"flags/fr.png", 16, 16, 0},
    {"flags/de.png", 16, 16, 0},
    {"flags/it.png", 16, 16, 0},
    {"flags/nl.png", 16, 16, 0},
    {"flags/dk.png", 16, 16, 0},
    {"flags/fi.png", 16, 16, 0},
    {"flags/no.png", 16, 16, 0},
    {"flags/pt.png", 16, 16, 0},
    {"flags/es.png", 16, 16, 0},
    {"flags/se.png", 16, 16, 0},
    {"flags/pl.png", 16, 16, 0},
    {"flags/ru.png", 16, 16, 0},
    {"flags/jp.png", 16, 16, 0},
    {"flags/cn.png", 16, 16, 0},
    {"flags/kr.png", 16, 16, 0},
    {"flags/in.png", 16, 16, 0},
    {"splashscreen.png", 480, 300, 0},
    {"icon_64.png", 64, 64, 0},
};

QImage load(const QString& path)
{
    return QImage(":/images/" + path).convertToFormat(QImage::Format_ARGB32);
}

std::string testName(const char* path)
{
    std::string name(path);
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c)))
            c = '_';
    return name;
}

class EveryPicture : public ::testing::TestWithParam<Picture>
{
};

TEST_P(EveryPicture, HasItsSizeAndDistinctFrames)
{
    const Picture c = GetParam();
    const QImage image = load(c.path);
    ASSERT_FALSE(image.isNull()) << c.path;
    EXPECT_EQ(image.size(), QSize(c.width, c.height)) << c.path;
    if (c.frameHeight == 0)
        return;
    ASSERT_EQ(c.height % c.frameHeight, 0);
    // Each frame is a state the user must be able to tell from its neighbour.
    for (int k = 0; k + 1 < c.height / c.frameHeight; ++k)
        EXPECT_NE(image.copy(0, k * c.frameHeight, c.width, c.frameHeight),
                  image.copy(0, (k + 1) * c.frameHeight, c.width, c.frameHeight))
            << c.path << " frames " << k << " and " << k + 1;
}

INSTANTIATE_TEST_SUITE_P(Table, EveryPicture, ::testing::ValuesIn(pictures),
                         [](const auto& row) { return testName(row.param.path); });

TEST(Pictures, NothingIsCompiledInThatTheTableDoesNotName)
{
    QSet<QString> named;
    for (const Picture& c : pictures)
        named.insert(QString(":/images/") + c.path);
    QDirIterator it(":/images", QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        EXPECT_TRUE(named.contains(path)) << path.toStdString();
    }
}

// ---- Knob strips: the pointer sweeps 270° from frame 0 to the last -------

bool isPointerOrange(QRgb pixel)
{
    return qRed(pixel) > 200 && qGreen(pixel) > 100 && qGreen(pixel) < 190 && qBlue(pixel) < 120;
}

struct KnobCase
{
    const char* path;
    int size;
    int frames;
};

class KnobSweep : public ::testing::TestWithParam<KnobCase>
{
};

TEST_P(KnobSweep, PointerGoesFromLowerLeftOverTheTopToLowerRight)
{
    const KnobCase c = GetParam();
    const QImage strip = load(c.path);
    const double pi = 3.14159265358979;
    const double radius = c.size * 0.18; // halfway along the pointer
    for (int frame : {0, (c.frames - 1) / 2, c.frames - 1}) {
        const double degrees = -135.0 + 270.0 * frame / (c.frames - 1);
        const double t = degrees * pi / 180.0;
        const int x = int(std::lround(c.size / 2.0 + std::sin(t) * radius));
        const int y = int(std::lround(c.size / 2.0 - std::cos(t) * radius));
        EXPECT_TRUE(isPointerOrange(strip.pixel(x, frame * c.size + y)))
            << c.path << " frame " << frame << " at " << degrees << "°";
        // And not where the opposite end of the sweep would put it.
        const int ox = c.size - x;
        EXPECT_FALSE(frame != (c.frames - 1) / 2 && isPointerOrange(strip.pixel(ox, frame * c.size + y)))
            << c.path << " frame " << frame << " mirrored";
    }
}

INSTANTIATE_TEST_SUITE_P(Table, KnobSweep,
                         ::testing::Values(KnobCase{"real_time_tools/knob_large.png", 85, 200},
                                           KnobCase{"real_time_tools/knob_small.png", 64, 100},
                                           KnobCase{"transport/transport_knob.png", 50, 100}),
                         [](const auto& row) { return testName(row.param.path); });

// ---- Backgrounds ------------------------------------------------------------

TEST(WaveBackground, TransparentExactlyOverTheWaveformAndTheOverview)
{
    const QImage image = load("background_wave.png");
    const QRect holes[2] = {QRect(59, 18, 884, 156), QRect(59, 182, 884, 28)};
    int leaks = 0, gaps = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const bool inHole = holes[0].contains(x, y) || holes[1].contains(x, y);
            const int alpha = qAlpha(image.pixel(x, y));
            if (inHole && alpha != 0)
                ++leaks;
            if (!inHole && alpha != 255)
                ++gaps;
        }
    EXPECT_EQ(leaks, 0) << "pixels drawn over the waveform";
    EXPECT_EQ(gaps, 0) << "holes in the frame";
}

struct PlainCase
{
    const char* name;
    const char* path;
    QRect place;
};

class PlainBed : public ::testing::TestWithParam<PlainCase>
{
};

// Where a child sits the background is opaque and carries no caption or
// edge, only the brushed grain.
TEST_P(PlainBed, UnderEachChild)
{
    const PlainCase c = GetParam();
    const QImage image = load(c.path);
    int lightest = 0, darkest = 255;
    for (int y = c.place.top(); y <= c.place.bottom(); ++y)
        for (int x = c.place.left(); x <= c.place.right(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            ASSERT_EQ(qAlpha(pixel), 255) << c.name << " at " << x << "," << y;
            lightest = std::max(lightest, qGray(pixel));
            darkest = std::min(darkest, qGray(pixel));
        }
    // The grain and a bed's soft shading span about 30 grey levels; a
    // caption or an engraved edge adds well over 60.
    EXPECT_LE(lightest - darkest, 45) << c.name;
}

const char* const tools = "real_time_tools/tool_overlay.png";
const char* const jam = "jam/jam_overlay.png";
const char* const chords = "chords/chords_overlay.png";
const char* const transport = "background_transport.png";

INSTANTIATE_TEST_SUITE_P(Table, PlainBed,
                         ::testing::Values(PlainCase{"tools_tab_buttons", tools, QRect(325, 12, 350, 25)},
                                           // Knobs are round: their scale labels may sit in the square's corners,
                                           // so the dial's inscribed square is what must stay plain.
                                           PlainCase{"tempo_knob", tools, QRect(141 + 13, 94 + 13, 59, 59)},
                                           PlainCase{"pitch_knob", tools, QRect(782 + 13, 94 + 13, 59, 59)},
                                           PlainCase{"width_knob", tools, QRect(379, 242, 64, 64)},
                                           PlainCase{"separation_knob", tools, QRect(469, 242, 64, 64)},
                                           PlainCase{"filter_knob", tools, QRect(555, 242, 64, 64)},
                                           PlainCase{"azimuth_slider", tools, QRect(326, 200, 350, 24)},
                                           PlainCase{"tempo_power", tools, QRect(70, 300, 25, 25)},
                                           PlainCase{"pitch_power", tools, QRect(701, 300, 25, 25)},
                                           PlainCase{"isolation_power", tools, QRect(322, 300, 25, 25)},
                                           PlainCase{"isolation_display", tools, QRect(343, 84, 316, 101)},
                                           PlainCase{"mute_solo", tools, QRect(328, 264, 43, 18)},
                                           PlainCase{"filter_switch", tools, QRect(628, 264, 43, 18)},
                                           PlainCase{"bpm_box", tools, QRect(141, 228, 93, 20)},
                                           PlainCase{"semitone_box", tools, QRect(781, 228, 93, 20)},
                                           PlainCase{"fine_tune_box", tools, QRect(781, 272, 93, 20)},
                                           PlainCase{"mode_box", tools, QRect(141, 272, 93, 20)},
                                           PlainCase{"tempo_labels", tools, QRect(126, 129, 103, 59)},
                                           PlainCase{"jam_tab_buttons", jam, QRect(325, 12, 350, 25)},
                                           PlainCase{"step_row", jam, QRect(261, 112, 480, 30)},
                                           PlainCase{"loop_ruler", jam, QRect(261, 150, 480, 10)},
                                           PlainCase{"song_row", jam, QRect(261, 257, 480, 30)},
                                           PlainCase{"beat_offset_knob", jam, QRect(787, 94, 64, 64)},
                                           PlainCase{"jam_power", jam, QRect(62, 307, 25, 25)},
                                           PlainCase{"riff_selector", jam, QRect(325, 79, 48, 18)},
                                           PlainCase{"play_riff", jam, QRect(182, 94, 42, 41)},
                                           PlainCase{"play_song", jam, QRect(182, 245, 42, 41)},
                                           PlainCase{"pitch_readout", jam, QRect(713, 78, 28, 20)},
                                           PlainCase{"chords_tab_buttons", chords, QRect(325, 12, 350, 25)},
                                           PlainCase{"neck_box", chords, QRect(583, 225, 93, 20)},
                                           PlainCase{"open_power_pair", chords, QRect(585, 177, 89, 18)},
                                           PlainCase{"tempo_box", chords, QRect(583, 128, 93, 20)},
                                           PlainCase{"key_shift_box", chords, QRect(583, 81, 93, 20)},
                                           PlainCase{"capo_box", chords, QRect(583, 298, 93, 20)},
                                           PlainCase{"current_chord", chords, QRect(336, 53, 126, 264)},
                                           PlainCase{"next_chord", chords, QRect(483, 62, 87, 178)},
                                           PlainCase{"finder_chord", chords, QRect(756, 78, 122, 217)},
                                           PlainCase{"beats_label", chords, QRect(480, 262, 94, 25)},
                                           PlainCase{"mode_roll", chords, QRect(798, 56, 85, 18)},
                                           PlainCase{"key_roll", chords, QRect(756, 55, 32, 18)},
                                           PlainCase{"detected_grid", chords, QRect(79, 58, 222, 259)},
                                           PlainCase{"metronome_knob", transport, QRect(159, 13, 50, 50)},
                                           PlainCase{"volume_knob", transport, QRect(799, 13, 50, 50)},
                                           PlainCase{"metronome_caption", transport, QRect(140, 61, 88, 24)},
                                           PlainCase{"volume_caption", transport, QRect(791, 61, 64, 24)},
                                           PlainCase{"metronome_light", transport, QRect(207, 53, 12, 12)},
                                           PlainCase{"clock_and_buttons", transport, QRect(370, 4, 260, 83)}),
                         RowName());

// ---- Chord sheets -----------------------------------------------------------

// The places a cell may draw on for its voicing, with a margin for the
// marks' outline and antialiasing.
bool allowed(const cs::Voicing& v, int x, int y)
{
    if (y < geo::nameBottom)
        return true;
    const double margin = 2.5;
    for (int s = 0; s < 6; ++s) {
        const double sx = geo::stringX(s);
        const int fret = v.frets[size_t(s)];
        if (fret <= 0 && std::fabs(x - sx) <= 7 && std::fabs(y - geo::openMarkY) <= 7)
            return true;
        if (fret > 0 && std::hypot(x - sx, y - geo::markY(fret - v.baseFret + 1)) <= geo::markRadius + margin)
            return true;
    }
    if (v.barreFret > 0) {
        const double by = geo::markY(v.barreFret - v.baseFret + 1);
        if (x >= geo::stringX(v.barreFrom) - geo::markRadius - margin
            && x <= geo::stringX(5) + geo::markRadius + margin && std::fabs(y - by) <= geo::markRadius + margin)
            return true;
    }
    return v.baseFret > 1 && x <= geo::baseFretLabelRight + 2 && std::fabs(y - geo::markY(1)) <= 13;
}

struct SheetCase
{
    const char* path;
    bool power;
};

class ChordSheet : public ::testing::TestWithParam<SheetCase>
{
};

TEST_P(ChordSheet, CellsHoldOnlyTheirMarksAndName)
{
    const SheetCase c = GetParam();
    const QImage sheet = load(c.path);
    ASSERT_EQ(sheet.width(), geo::width * cs::chordCount);
    for (int i = 0; i < cs::chordCount; ++i) {
        const cs::Voicing& v = c.power ? cs::powerVoicing(i % 12) : cs::openVoicing(i);
        int stray = 0;
        for (int y = 0; y < geo::height; ++y)
            for (int x = 0; x < geo::width; ++x)
                if (qAlpha(sheet.pixel(i * geo::width + x, y)) != 0 && !allowed(v, x, y))
                    ++stray;
        EXPECT_EQ(stray, 0) << c.path << " cell " << i;

        // Every fretted note is marked where the necks put that string and fret.
        for (int s = 0; s < 6; ++s) {
            const int fret = v.frets[size_t(s)];
            if (fret <= 0)
                continue;
            const int x = i * geo::width + int(geo::stringX(s));
            const int y = int(geo::markY(fret - v.baseFret + 1));
            EXPECT_EQ(qAlpha(sheet.pixel(x, y)), 255) << c.path << " cell " << i << " string " << s;
            EXPECT_GT(qRed(sheet.pixel(x, y)), 180) << c.path << " cell " << i << " string " << s;
        }
        // The name is there.
        int named = 0;
        for (int y = 0; y < geo::nameBottom; ++y)
            for (int x = 0; x < geo::width; ++x)
                named += qAlpha(sheet.pixel(i * geo::width + x, y)) == 255
                    && qGray(sheet.pixel(i * geo::width + x, y)) > 200;
        EXPECT_GT(named, 40) << c.path << " cell " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Table, ChordSheet,
                         ::testing::Values(SheetCase{"chords/chords.png", false},
                                           SheetCase{"chords/power_chords.png", true}),
                         [](const auto& row) { return row.param.power ? "power" : "open"; });

TEST(ChordSheet, PowerSheetRepeatsTheTwelveShapesInEveryGroup)
{
    const QImage sheet = load("chords/power_chords.png");
    for (int i = 12; i < cs::chordCount; ++i)
        EXPECT_EQ(sheet.copy(i * geo::width, 0, geo::width, geo::height),
                  sheet.copy((i % 12) * geo::width, 0, geo::width, geo::height))
            << "cell " << i;
}

class Neck : public ::testing::TestWithParam<const char*>
{
};

// The necks draw their strings where the cells put their marks, and leave
// the band of names and open-string marks free.
TEST_P(Neck, SharesTheCellsStringsAndLeavesTheNameBandFree)
{
    const QImage neck = load(QString("chords/") + GetParam() + ".png");
    ASSERT_EQ(neck.size(), QSize(geo::width, geo::height));
    for (int y = 0; y < geo::nutTop; ++y)
        for (int x = 0; x < geo::width; ++x)
            ASSERT_EQ(qAlpha(neck.pixel(x, y)), 0) << GetParam() << " at " << x << "," << y;
    const int y = int(geo::markY(2));
    for (int s = 0; s < 6; ++s) {
        const int x = int(geo::stringX(s));
        const int between = int(geo::stringX(s) + 7);
        // A string stands out from the board beside it on every wood.
        EXPECT_GT(std::abs(qGray(neck.pixel(x, y)) - qGray(neck.pixel(between, y))), 25)
            << GetParam() << " string " << s;
    }
}

INSTANTIATE_TEST_SUITE_P(Woods, Neck, ::testing::Values("wire", "ebony", "alder", "maple"));

} // namespace
