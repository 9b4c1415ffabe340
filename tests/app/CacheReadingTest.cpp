#include "CacheReading.h"

#include "FileNameCodec.h"
#include "LongFileNames.h"
#include "RowName.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QTemporaryDir>
#include <QTextCodec>

#include <gtest/gtest.h>

#include <functional>

namespace {

using AnalysisCache::ReadStatus;

// Each recording's result is told apart by its tempo; a chord correction
// by "Bb7" on the second beat.
AnalysisResult smallResult(float bpm, const QString& secondChord = QStringLiteral("G"))
{
    AnalysisResult result;
    result.bpm = bpm;
    result.beats = {0.0f, 22050.0f, 44100.0f, 66150.0f};
    result.chordVec = {"C", secondChord, "Am"};
    result.chordVecDetected = {"C", "G", "Am"};
    result.beatLengthPercent = 220;
    return result;
}

const AnalysisCache::RecordingSize threeSeconds{132300, 44100};

struct CodecScope
{
    QTextCodec* previous = QTextCodec::codecForLocale();
    CodecScope() { FileNameCodec::install(); }
    ~CodecScope() { QTextCodec::setCodecForLocale(previous); }
};

TEST(CacheReading, TheCachePathFollowsTheFileNameBelowTheStartUpSaveLocation)
{
    EXPECT_EQ(CacheReading::cachePathFor("/home/u/.local/share/Tonbrook", "/music/Song.mp3"),
              "/home/u/.local/share/Tonbrook/metadata/Song.tbm");
}

// The open road's use: find the cache; when there is none that fits,
// "analyse" and write it where find said, under the path find gave.
// Recordings are empty files below temp/music: only their paths count.
class CacheIdentity : public ::testing::Test
{
protected:
    QTemporaryDir temp;
    QString saveLocation = temp.filePath("data");
    QStringList analysed;
    AnalysisCache::Lists lists;

    CacheReading::Found open(const QString& audioPath, float bpm,
                             const AnalysisCache::RecordingSize& size = threeSeconds)
    {
        const CacheReading::Found found = CacheReading::find(saveLocation, audioPath, size, lists);
        if (found.status == ReadStatus::Ok) {
            EXPECT_EQ(lists[3].value(0), QString::number(bpm)) << "its own result: " << audioPath.toStdString();
        } else {
            for (const auto& list : lists)
                EXPECT_TRUE(list.isEmpty()) << "nothing of another recording is handed on";
            analysed << audioPath;
            EXPECT_EQ(AnalysisCache::write(found.cachePath, found.audioPath, smallResult(bpm), size),
                      AnalysisCache::WriteStatus::Written)
                << audioPath.toStdString();
        }
        return found;
    }
    QString cacheFile(const QString& name) const { return saveLocation + "/metadata/" + name; }
    QString ownFile(const QString& audioPath, int digits = AnalysisCache::shortHashDigits) const
    {
        return AnalysisCache::ownFilePath(AnalysisCache::folder(saveLocation), audioPath, digits);
    }
    // An (empty) recording at temp/music/relative.
    QString music(const QString& relative) const
    {
        const QString path = temp.filePath("music/" + relative);
        EXPECT_TRUE(QDir().mkpath(QFileInfo(path).absolutePath()));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
        return path;
    }
    // Where a recording would be that is not there (any more).
    QString gone(const QString& relative) const { return temp.filePath("gone/" + relative); }
    // Every cache file and its bytes.
    QMap<QString, QByteArray> caches() const
    {
        QMap<QString, QByteArray> files;
        const QDir dir(AnalysisCache::folder(saveLocation));
        for (const QString& name : dir.entryList(QDir::Files)) {
            QFile file(dir.filePath(name));
            EXPECT_TRUE(file.open(QIODevice::ReadOnly));
            files.insert(name, file.readAll());
        }
        return files;
    }
};

TEST_F(CacheIdentity, RecordingsOfOneNameEachKeepTheirOwnCache)
{
    const QString first = music("a/song.mp3");
    const QString namesake = music("b/song.mp3");
    const QString otherFormat = music("a/song.wav");

    EXPECT_EQ(open(first, 101).cachePath, cacheFile("song.tbm")) << "the first keeps the plain name";
    const QString namesakeCache = open(namesake, 102).cachePath;
    const QString otherFormatCache = open(otherFormat, 103).cachePath;
    EXPECT_EQ(namesakeCache, ownFile(namesake));
    EXPECT_EQ(otherFormatCache, ownFile(otherFormat));
    EXPECT_NE(namesakeCache, otherFormatCache);
    EXPECT_EQ(analysed, (QStringList{first, namesake, otherFormat}));

    // Reopened in any order, each finds its own, and nothing is analysed.
    analysed.clear();
    EXPECT_EQ(open(otherFormat, 103).cachePath, otherFormatCache);
    EXPECT_EQ(open(first, 101).cachePath, cacheFile("song.tbm"));
    EXPECT_EQ(open(namesake, 102).cachePath, namesakeCache);
    EXPECT_TRUE(analysed.isEmpty()) << analysed.join(", ").toStdString();
}

TEST_F(CacheIdentity, ACacheOfItsOwnIsFoundEvenWhenThePlainNameIsFreeAgain)
{
    const QString first = music("a/song.mp3");
    const QString namesake = music("b/song.mp3");
    open(first, 101);
    const QString own = open(namesake, 102).cachePath;
    ASSERT_TRUE(QFile::remove(cacheFile("song.tbm")));

    analysed.clear();
    EXPECT_EQ(open(namesake, 102).cachePath, own);
    EXPECT_TRUE(analysed.isEmpty());
    EXPECT_EQ(open(first, 101).cachePath, cacheFile("song.tbm")) << "analysed into the free name";
    EXPECT_EQ(analysed, QStringList{first});
}

TEST_F(CacheIdentity, ACacheTooDamagedToNameItsRecordingIsTakenOver)
{
    ASSERT_TRUE(QDir().mkpath(saveLocation + "/metadata"));
    QFile damaged(cacheFile("song.tbm"));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("not a cache");
    damaged.close();

    const CacheReading::Found found = CacheReading::find(saveLocation, music("a/song.mp3"), threeSeconds, lists);
    EXPECT_EQ(found.cachePath, cacheFile("song.tbm"));
    EXPECT_EQ(found.status, ReadStatus::Invalid);
}

TEST_F(CacheIdentity, NoCacheOfAnotherRecordingIsOverwritten)
{
    // Only another path with the same name and the same 8 or 40 hex digits
    // takes a hashed name; written here by hand.
    const QString audioPath = music("c/song.mp3");
    ASSERT_EQ(AnalysisCache::write(cacheFile("song.tbm"), music("a/song.mp3"), smallResult(101), threeSeconds),
              AnalysisCache::WriteStatus::Written);
    ASSERT_EQ(AnalysisCache::write(ownFile(audioPath), music("b/song.mp3"), smallResult(102), threeSeconds),
              AnalysisCache::WriteStatus::Written);

    CacheReading::Found found = CacheReading::find(saveLocation, audioPath, threeSeconds, lists);
    EXPECT_EQ(found.cachePath, ownFile(audioPath, AnalysisCache::fullHashDigits)) << "the whole hash";
    EXPECT_EQ(found.status, ReadStatus::Missing);

    ASSERT_EQ(AnalysisCache::write(found.cachePath, music("d/song.mp3"), smallResult(103), threeSeconds),
              AnalysisCache::WriteStatus::Written);
    const QMap<QString, QByteArray> before = caches();
    found = CacheReading::find(saveLocation, audioPath, threeSeconds, lists);
    EXPECT_TRUE(found.cachePath.isNull()) << "no name left: nothing is written";
    EXPECT_EQ(found.status, ReadStatus::Missing);
    EXPECT_EQ(caches(), before);
}

TEST_F(CacheIdentity, ARecordingReplacedAtItsPathIsAnalysedAgainIntoItsOwnFile)
{
    const QString path = music("a/song.mp3");
    open(path, 101);
    analysed.clear();
    open(path, 101, threeSeconds);
    EXPECT_TRUE(analysed.isEmpty()) << "a copy of itself fits";

    const CacheReading::Found found = CacheReading::find(saveLocation, path, {88200, 44100}, lists);
    EXPECT_EQ(found.cachePath, cacheFile("song.tbm")) << "its own file, rewritten";
    EXPECT_EQ(found.status, ReadStatus::Invalid);
    for (const auto& list : lists)
        EXPECT_TRUE(list.isEmpty());
}

TEST_F(CacheIdentity, ACacheWrittenBeforeTheHashedNamesKeepsWorking)
{
    // As caches were written so far: the plain name, no size.
    const QString path = music("a/song.mp3");
    ASSERT_EQ(AnalysisCache::write(cacheFile("song.tbm"), path, smallResult(101)),
              AnalysisCache::WriteStatus::Written);
    open(path, 101);
    EXPECT_TRUE(analysed.isEmpty());
}

TEST_F(CacheIdentity, RecordingsWhoseNamesAreNoUtf8AreToldApartByTheirBytes)
{
    CodecScope codec;
    // Read as UTF-8 both would be ".../a\ufffd/song.mp3".
    const QString e = music(QFile::decodeName("a\xe9/song.mp3"));
    const QString ee = music(QFile::decodeName("a\xe8/song.mp3"));
    const QString eCache = open(e, 101).cachePath;
    const QString eeCache = open(ee, 102).cachePath;
    EXPECT_NE(eCache, eeCache);

    analysed.clear();
    open(e, 101);
    open(ee, 102);
    EXPECT_TRUE(analysed.isEmpty());
    ASSERT_EQ(AnalysisCache::read(eCache, lists), ReadStatus::Ok);
    EXPECT_TRUE(QFile::encodeName(lists[4].value(0)).endsWith("/music/a\xe9/song.mp3"));
}

// --- A recording that moves -------------------------------------------------

// Where the recording music/a/song.wav, analysed and corrected, is opened
// next, and whether that is still the one analysed.
struct Places
{
    QString song;   // music/a/song.wav
    QString music;  // the folder of the recordings
    QString caches; // the cache folder
};

struct MoveCase
{
    const char* name;
    // Changes the files; returns the path to open.
    std::function<QString(const Places&)> move;
    bool sameRecording;    // false: a copy, with a cache of its own
    const char* cacheName; // "" for a hashed name of its own
};

std::ostream& operator<<(std::ostream& os, const MoveCase& c)
{
    return os << c.name;
}

class MovedRecording : public CacheIdentity, public ::testing::WithParamInterface<MoveCase>
{
};

TEST_P(MovedRecording, KeepsItsCorrectedCacheAndTouchesNoOther)
{
    const QString song = music("a/song.wav");
    const CacheReading::Found first = open(song, 101);
    ASSERT_EQ(first.cachePath, cacheFile("song.tbm"));
    ASSERT_EQ(AnalysisCache::write(first.cachePath, first.audioPath, smallResult(101, "Bb7"), threeSeconds),
              AnalysisCache::WriteStatus::Written);
    // A namesake of the same length that is still there and a namesake of
    // another length that is gone: neither is this recording's.
    open(music("c/song.wav"), 102);
    ASSERT_EQ(AnalysisCache::write(ownFile(gone("song.wav")), gone("song.wav"), smallResult(103), {88200, 44100}),
              AnalysisCache::WriteStatus::Written);
    QMap<QString, QByteArray> others = caches();
    others.remove("song.tbm");
    analysed.clear();

    const QString moved = GetParam().move({song, temp.filePath("music"), AnalysisCache::folder(saveLocation)});
    const CacheReading::Found found = open(moved, GetParam().sameRecording ? 101 : 105);
    EXPECT_EQ(analysed.isEmpty(), GetParam().sameRecording);
    EXPECT_EQ(lists[1].value(1) == "Bb7", GetParam().sameRecording) << "the correction goes with the recording";
    EXPECT_EQ(found.audioPath, QFileInfo(moved).canonicalFilePath());
    if (*GetParam().cacheName == '\0')
        EXPECT_EQ(found.cachePath, ownFile(found.audioPath));
    else
        EXPECT_EQ(QFileInfo(found.cachePath).fileName(), GetParam().cacheName);

    // Found at once from now on: stored under the new path at a name of
    // its own.
    analysed.clear();
    EXPECT_EQ(open(moved, GetParam().sameRecording ? 101 : 105).cachePath, found.cachePath);
    EXPECT_TRUE(analysed.isEmpty());
    QString stored;
    AnalysisCache::read(found.cachePath, lists, &stored);
    EXPECT_EQ(stored, found.audioPath);
    const QMap<QString, QByteArray> after = caches();
    for (auto other = others.cbegin(); other != others.cend(); ++other)
        EXPECT_EQ(after.value(other.key()), other.value()) << "untouched: " << other.key().toStdString();
    if (!GetParam().sameRecording) {
        open(song, 101);
        EXPECT_EQ(lists[1].value(1), "Bb7") << "the original keeps its own";
        EXPECT_TRUE(analysed.isEmpty());
    }
    EXPECT_EQ(after.size(), others.size() + (GetParam().sameRecording ? 1 : 2)) << "no copy left behind";
}

QString moveFile(const QString& from, const QString& to)
{
    EXPECT_TRUE(QDir().mkpath(QFileInfo(to).absolutePath()));
    EXPECT_TRUE(QFile::rename(from, to));
    return to;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MovedRecording,
    ::testing::Values(
        MoveCase{"moved_to_another_folder",
                 [](const Places& at) { return moveFile(at.song, at.music + "/b/song.wav"); }, true, "song.tbm"},
        MoveCase{"renamed", [](const Places& at) { return moveFile(at.song, at.music + "/a/take 2.wav"); }, true,
                 "take 2.tbm"},
        MoveCase{"moved_and_renamed",
                 [](const Places& at) { return moveFile(at.song, at.music + "/b/live.flac"); }, true, "live.tbm"},
        MoveCase{"through_a_symlinked_folder",
                 [](const Places& at) {
                     EXPECT_TRUE(QFile::link(at.music + "/a", at.music + "/linked"));
                     return at.music + "/linked/song.wav";
                 },
                 true, "song.tbm"},
        MoveCase{"cached_through_a_link_by_an_older_build",
                 [](const Places& at) {
                     // It stored the link's path, under the link's name.
                     const QString alias = at.music + "/alias.wav";
                     EXPECT_TRUE(QFile::link(at.song, alias));
                     EXPECT_EQ(AnalysisCache::moveTo(at.caches + "/song.tbm", at.caches + "/alias.tbm", alias),
                               AnalysisCache::WriteStatus::Written);
                     return at.song;
                 },
                 true, "song.tbm"},
        MoveCase{"copied_while_the_original_is_there",
                 [](const Places& at) {
                     EXPECT_TRUE(QDir().mkpath(at.music + "/b"));
                     EXPECT_TRUE(QFile::copy(at.song, at.music + "/b/song.wav"));
                     return at.music + "/b/song.wav";
                 },
                 false, ""}),
    RowName());

TEST_F(CacheIdentity, AmongCachesWhoseRecordingIsGoneOneOfTheSameNameThenTheNewestIsTaken)
{
    // All of the recordings' length, each with an age.
    const struct
    {
        QString cacheName;
        QString audioPath;
        float bpm;
        int ageSeconds;
    } orphans[] = {
        {"x.tbm", gone("x.wav"), 101, 60},
        {"y.tbm", gone("y.wav"), 102, 120},
        {"song.tbm", gone("song.wav"), 103, 3600},
    };
    for (const auto& orphan : orphans) {
        ASSERT_EQ(AnalysisCache::write(cacheFile(orphan.cacheName), orphan.audioPath, smallResult(orphan.bpm),
                                       threeSeconds),
                  AnalysisCache::WriteStatus::Written);
        QFile file(cacheFile(orphan.cacheName));
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTime().addSecs(-orphan.ageSeconds),
                                     QFileDevice::FileModificationTime));
    }
    const QByteArray y = caches().value("y.tbm");

    EXPECT_EQ(open(music("b/song.wav"), 103).cachePath, cacheFile("song.tbm")) << "the same name, though oldest";
    EXPECT_EQ(open(music("b/renamed.wav"), 101).cachePath, cacheFile("renamed.tbm")) << "else the newest";
    EXPECT_TRUE(analysed.isEmpty());
    EXPECT_EQ(caches().keys(), (QStringList{"renamed.tbm", "song.tbm", "y.tbm"}));
    EXPECT_EQ(caches().value("y.tbm"), y);
}

// --- Names up to the file-name limit --------------------------------------

class LongNames : public CacheIdentity, public ::testing::WithParamInterface<LongName>
{
};

TEST_P(LongNames, ARecordingAndItsNamesakeEachKeepACache)
{
    CodecScope codec;
    const QString name = QFile::decodeName(GetParam().fileName);
    const QString first = music("a/" + name);
    const QString namesake = music("b/" + name);
    ASSERT_TRUE(QFileInfo::exists(namesake));

    const QString firstCache = open(first, 101).cachePath;
    const QString namesakeCache = open(namesake, 102).cachePath;
    EXPECT_NE(firstCache, namesakeCache);
    analysed.clear();
    EXPECT_EQ(open(first, 101).cachePath, firstCache);
    EXPECT_EQ(open(namesake, 102).cachePath, namesakeCache);
    EXPECT_TRUE(analysed.isEmpty()) << analysed.join(", ").toStdString();
    for (const QString& cache : caches().keys())
        EXPECT_LE(QFile::encodeName(cache).size(), AnalysisCache::maxFileNameBytes);
}

INSTANTIATE_TEST_SUITE_P(Names, LongNames, ::testing::ValuesIn(longFileNames()), RowName());

} // namespace
