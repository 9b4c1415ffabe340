// Saving a session over the views' real objects: the golden file, the
// values' text forms, the names Save As proposes, paths that need escaping
// or cannot be written, and failures that must keep the old file.
#include "SessionWriter.h"
#include "Knob.h"
#include "RowName.h"
#include "SessionDocument.h"
#include "SessionFormat.h"
#include "SessionReading.h"
#include "SessionTestSupport.h"
#include "SessionValidator.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <unistd.h>

using namespace sessiontest;

namespace {

sessioncheck::Report validated(const QByteArray& bytes, const SessionRig& r)
{
    return sessioncheck::validate(bytes, {r.shell.frames});
}

QByteArray saved(SessionRig& r, const QString& path)
{
    const SessionWriter::Result result = SessionWriter(r.views(), r.shell).save(path);
    EXPECT_TRUE(result.ok()) << result.detail.toStdString();
    return fileBytes(path);
}

// The golden file holds every element of a dressed-up state; set
// TONBROOK_WRITE_GOLDEN=1 to write it anew after a deliberate change.
TEST(SessionWriter, DressedUpStateMatchesTheGoldenFile)
{
    SessionRig r;
    dressUp(r);
    QTemporaryDir dir;
    const QByteArray bytes = saved(r, dir.filePath("golden.tb"));
    const QString golden = QStringLiteral(SESSION_TEST_DATA "/golden.tb");
    if (qEnvironmentVariableIsSet("TONBROOK_WRITE_GOLDEN")) {
        ASSERT_TRUE(writeBytes(golden, bytes));
        GTEST_SKIP() << "golden file written";
    }
    EXPECT_EQ(firstDifference(fileBytes(golden), bytes), "");
    const auto report = validated(bytes, r);
    EXPECT_TRUE(report.clean()) << report.toString().toStdString();
}

TEST(SessionWriter, FreshRecordingWritesEveryRiffStepAndSongSlot)
{
    SessionRig r;
    QTemporaryDir dir;
    const QByteArray bytes = saved(r, dir.filePath("fresh.tb"));
    QDomDocument doc;
    ASSERT_TRUE(doc.setContent(bytes));
    const QDomElement riffs = doc.documentElement().firstChildElement("riffsTab");
    EXPECT_EQ(riffs.elementsByTagName("riff").size(), 6);
    int id = 0;
    for (QDomElement riff = riffs.firstChildElement("riff"); !riff.isNull();
         riff = riff.nextSiblingElement("riff"), ++id) {
        EXPECT_EQ(riff.attribute("id"), QString::number(id));
        EXPECT_EQ(riff.elementsByTagName("step").size(), 16);
    }
    const QDomElement song = riffs.firstChildElement("song");
    int slot = 0;
    for (QDomElement step = song.firstChildElement("step"); !step.isNull();
         step = step.nextSiblingElement("step"), ++slot) {
        EXPECT_EQ(step.attribute("id"), QString::number(slot));
        EXPECT_EQ(step.text(), "-1");
    }
    EXPECT_EQ(slot, 16);
    const auto report = validated(bytes, r);
    EXPECT_TRUE(report.clean()) << report.toString().toStdString();
}

TEST(SessionWriter, SavingTwiceWithoutChangesGivesTheSameBytes)
{
    SessionRig r;
    dressUp(r);
    QTemporaryDir dir;
    const QByteArray first = saved(r, dir.filePath("a.tb"));
    const QByteArray second = saved(r, dir.filePath("a.tb"));
    EXPECT_EQ(first, second);
}

// ---- Values as written ---------------------------------------------------------

struct ValueCase
{
    const char* name;
    std::function<void(SessionRig&)> setUp;
    const char* path;
    const char* text;
};

class SessionWriterValues : public ::testing::TestWithParam<ValueCase>
{
};

TEST_P(SessionWriterValues, TextAsSpecifiedForTheControl)
{
    const ValueCase c = GetParam();
    SessionRig r;
    c.setUp(r);
    const QByteArray bytes = session::toXml(SessionWriter(r.views(), r.shell).capture());
    EXPECT_EQ(leafAt(bytes, c.path).toStdString(), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SessionWriterValues,
    ::testing::Values(
        ValueCase{"start_up_volume", [](SessionRig&) {}, "volume", "99"},
        ValueCase{"volume_knob_at_75", [](SessionRig& r) { r.player()->setVolume(75); }, "volume", "75"},
        ValueCase{"mode_box_two", [](SessionRig& r) { r.tools->modeWidget()->setCurrentMode(2); },
                  "toolsTab/tempo/mode", "2"},
        ValueCase{"tempo_truncated", [](SessionRig& r) { r.tools->bpmWidget()->setValue(120.7f); },
                  "toolsTab/tempo/bpm", "120"},
        ValueCase{"tempo_unrounded_beside_it", [](SessionRig& r) { r.tools->bpmWidget()->setValue(120.7f); },
                  "toolsTab/tempo/exactBpm", "120.7"},
        ValueCase{"knob_tempo_unrounded", [](SessionRig& r) { r.tools->tempoKnobWidget()->setValue(6); },
                  "toolsTab/tempo/exactBpm", "35.399994"},
        // A new recording's reset, before the analysis gives its tempo.
        ValueCase{"no_tempo_yet", [](SessionRig& r) { r.resetViews(); }, "toolsTab/tempo/bpm", "0"},
        ValueCase{"no_tempo_yet_unrounded", [](SessionRig& r) { r.resetViews(); }, "toolsTab/tempo/exactBpm", "0"},
        ValueCase{"knob_turned_before_the_tempo",
                  [](SessionRig& r) {
                      r.resetViews();
                      r.tools->tempoKnobWidget()->setValue(150);
                  },
                  "toolsTab/tempo/bpm", "0"},
        ValueCase{"minus_three_semitones_fine_tune_60",
                  [](SessionRig& r) {
                      r.tools->semitoneWidget()->setValue(-3.0f);
                      r.tools->fineTuneWidget()->setValue(60.0f);
                  },
                  "toolsTab/pitch/semitones", "-2.9"},
        ValueCase{"step_up_one_semitone", [](SessionRig& r) { setStepPitch(r, 3, 5, 1.0f); },
                  "riffsTab/riff[3]/step[5]/semitone", "1"},
        ValueCase{"step_up_one_semitone_ratio", [](SessionRig& r) { setStepPitch(r, 3, 5, 1.0f); },
                  "riffsTab/riff[3]/step[5]/interp", "1.05946"},
        ValueCase{"empty_song_slot", [](SessionRig&) {}, "riffsTab/song/step[15]", "-1"},
        ValueCase{"loop_latched", [](SessionRig& r) { r.transport->loopButton->latch(); }, "looped", "1"},
        ValueCase{"auto_scroll_on_at_open", [](SessionRig&) {}, "scrollButton", "1"},
        ValueCase{"selection_start_is_where_it_began",
                  [](SessionRig& r) {
                      r.plotter()->plotSelection->setStartX(300.0f);
                      r.plotter()->plotSelection->setEndX(100.0f);
                  },
                  "loopStart", "300"},
        ValueCase{"tab_shown", [](SessionRig& r) { r.shell.setCurrentTab(2); }, "currentTab", "2"},
        ValueCase{"isolation_band_low", [](SessionRig& r) { r.tools->filterSwitch()->setStateFromSession(false); },
                  "toolsTab/sourceSep/hilo", "0"}),
    RowName());

// ---- Save As's proposal --------------------------------------------------------

struct NameCase
{
    const char* name;
    const char* audio;
    const char* proposal;
    const char* chosen;
    const char* savedAs;
};

class SessionSaveAsNames : public ::testing::TestWithParam<NameCase>
{
};

TEST_P(SessionSaveAsNames, ProposalAndSuffix)
{
    const NameCase c = GetParam();
    EXPECT_EQ(SessionWriter::proposedName(QString::fromUtf8(c.audio), "S").toStdString(), c.proposal);
    EXPECT_EQ(SessionWriter::withSessionSuffix(QString::fromUtf8(c.chosen)).toStdString(), c.savedAs);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SessionSaveAsNames,
    ::testing::Values(
        NameCase{"folder_and_extension_go", "/Users/u/Music/My Song.mp3", "S/My Song", "S/My Song",
                 "S/My Song.tb"},
        NameCase{"capital_extension_stays", "/m/Track.MP3", "S/Track.MP3", "S/Track.MP3", "S/Track.MP3.tb"},
        NameCase{"every_known_extension_goes", "/m/a.wav.mp3", "S/a", "S/a", "S/a.tb"},
        NameCase{"extension_inside_the_name_goes_too", "/m/live.wave.flac", "S/livee", "S/x.tb", "S/x.tb"},
        NameCase{"tb_inside_a_word_counts", "/m/a.ogg", "S/a", "S/a.tbackup", "S/a.tbackup"},
        NameCase{"session_extension_not_doubled", "/m/a.aiff", "S/a", "S/a.tb", "S/a.tb"},
        NameCase{"name_without_folder", "take.m4a", "S/take", "S/take", "S/take.tb"}),
    RowName());

// ---- Paths ---------------------------------------------------------------------

// What the loader's walk finds as the file name.
class FileNameProbe final : public session::WalkHandler
{
public:
    bool fileName(const QString& path) override
    {
        found = path;
        return true;
    }
    void looped(int) override { }
    void currentTab(int) override { }
    void scrollButton(int) override { }
    QString found = QStringLiteral("<none>");
};

struct PathCase
{
    const char* name;
    QString path;
};

class SessionWriterPaths : public ::testing::TestWithParam<PathCase>
{
};

TEST_P(SessionWriterPaths, EscapedAndReadBackUnchanged)
{
    const PathCase c = GetParam();
    SessionRig r;
    r.shell.audioPath = c.path;
    QTemporaryDir dir;
    const QByteArray bytes = saved(r, dir.filePath("p.tb"));
    const auto report = validated(bytes, r);
    EXPECT_TRUE(report.clean()) << report.toString().toStdString();

    QDomDocument doc;
    ASSERT_EQ(session::parse(bytes, doc), session::ReadStatus::Ok);
    session::WorkingSet set;
    FileNameProbe probe;
    session::walk(doc.documentElement(), set, probe);
    EXPECT_EQ(probe.found, c.path);
}

INSTANTIATE_TEST_SUITE_P(Table, SessionWriterPaths,
                         ::testing::Values(PathCase{"ampersand", QStringLiteral("/m/Rock & Roll.mp3")},
                                           PathCase{"angle_brackets", QStringLiteral("/m/<live>.wav")},
                                           PathCase{"quotes_and_cdata_end", QStringLiteral("/m/\"it's\" ]]>.ogg")},
                                           PathCase{"blanks_inside_and_at_the_end",
                                                    QStringLiteral("/m/My  Song .mp3 ")},
                                           PathCase{"non_ascii", QString::fromUtf8("/m/Björk – Jóga 音楽.flac")},
                                           PathCase{"tab_and_carriage_return", QStringLiteral("/m/a\tb\rc.wav")},
                                           PathCase{"line_feed", QStringLiteral("/m/a\nb.wav")}),
                         RowName());

class SessionWriterForbidden : public ::testing::TestWithParam<PathCase>
{
};

TEST_P(SessionWriterForbidden, RefusedAndTheOldFileKept)
{
    const PathCase c = GetParam();
    SessionRig r;
    QTemporaryDir dir;
    const QString target = dir.filePath("s.tb");
    ASSERT_TRUE(writeBytes(target, "old session"));
    r.shell.audioPath = c.path;
    const SessionWriter::Result result = SessionWriter(r.views(), r.shell).save(target);
    EXPECT_EQ(result.status, SessionWriter::Status::ForbiddenCharacter);
    EXPECT_EQ(result.detail, c.path);
    EXPECT_EQ(fileBytes(target), "old session");
}

INSTANTIATE_TEST_SUITE_P(
    Table, SessionWriterForbidden,
    ::testing::Values(PathCase{"control_character", QStringLiteral("/m/a\x01.wav")},
                      PathCase{"escape_sequence", QStringLiteral("/m/\x1b[1mbold.wav")},
                      PathCase{"noncharacter", QStringLiteral("/m/a") + QChar(0xfffe) + QStringLiteral(".wav")},
                      PathCase{"lone_surrogate", QStringLiteral("/m/a") + QChar(0xdc00) + QStringLiteral(".wav")}),
    RowName());

// ---- Failures ------------------------------------------------------------------

TEST(SessionWriter, NoAudioFileWritesNothing)
{
    SessionRig r;
    r.shell.audioPath.clear();
    QTemporaryDir dir;
    const QString target = dir.filePath("s.tb");
    EXPECT_EQ(SessionWriter(r.views(), r.shell).save(target).status, SessionWriter::Status::NoAudioFile);
    EXPECT_FALSE(QFile::exists(target));
}

TEST(SessionWriter, MissingFolderIsReported)
{
    SessionRig r;
    QTemporaryDir dir;
    const SessionWriter::Result result = SessionWriter(r.views(), r.shell).save(dir.filePath("gone/s.tb"));
    EXPECT_EQ(result.status, SessionWriter::Status::WriteFailed);
    EXPECT_FALSE(result.detail.isEmpty());
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
}

TEST(SessionWriter, FolderThatIsAFileIsReported)
{
    SessionRig r;
    QTemporaryDir dir;
    ASSERT_TRUE(writeBytes(dir.filePath("plain"), "x"));
    const SessionWriter::Result result = SessionWriter(r.views(), r.shell).save(dir.filePath("plain/s.tb"));
    EXPECT_EQ(result.status, SessionWriter::Status::WriteFailed);
    EXPECT_EQ(fileBytes(dir.filePath("plain")), "x");
}

TEST(SessionWriter, ReadOnlyFolderIsReportedAndTheOldFileKept)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "permissions do not hold for root";
    SessionRig r;
    QTemporaryDir dir;
    const QString target = dir.filePath("s.tb");
    ASSERT_TRUE(writeBytes(target, "old session"));
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const SessionWriter::Result result = SessionWriter(r.views(), r.shell).save(target);
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(result.status, SessionWriter::Status::WriteFailed);
    EXPECT_EQ(fileBytes(target), "old session");
}

TEST(SessionWriter, WriteErrorMidwayKeepsTheOldFileWhole)
{
    SessionRig r;
    dressUp(r);
    QTemporaryDir dir;
    const QString target = dir.filePath("s.tb");
    const QByteArray before = saved(r, target);
    r.transport->loopButton->unlatch();

    SessionWriter writer(r.views(), r.shell);
    writer.setWriteHook([](const QByteArray&) { return false; });
    const SessionWriter::Result result = writer.save(target);
    EXPECT_EQ(result.status, SessionWriter::Status::WriteFailed);
    EXPECT_EQ(fileBytes(target), before);
    // No temporary file is left beside it.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList{"s.tb"});
}

} // namespace
