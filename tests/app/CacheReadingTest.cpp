#include "CacheReading.h"

#include "FileNameCodec.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextCodec>

#include <gtest/gtest.h>

namespace {

using AnalysisCache::ReadStatus;

AnalysisResult smallResult(float bpm)
{
    AnalysisResult result;
    result.bpm = bpm;
    result.beats = {0.0f, 22050.0f, 44100.0f, 66150.0f};
    result.chordVec = {"C", "G", "Am"};
    result.chordVecDetected = {"C", "G", "Am"};
    result.beatLengthPercent = 220;
    return result;
}

const AnalysisCache::RecordingSize threeSeconds{132300, 44100};

TEST(CacheReading, TheCachePathFollowsTheFileNameBelowTheStartUpSaveLocation)
{
    EXPECT_EQ(CacheReading::cachePathFor("/home/u/.local/share/Tonbrook", "/music/Song.mp3"),
              "/home/u/.local/share/Tonbrook/metadata/Song.tbm");
}

// The open road's use: find the cache; when there is none that fits,
// "analyse" (each recording's result told apart by its tempo) and write it
// where find said.
class CacheIdentity : public ::testing::Test
{
protected:
    QTemporaryDir temp;
    QString saveLocation = temp.path();
    QStringList analysed;

    CacheReading::Found open(const QString& audioPath, float bpm,
                             const AnalysisCache::RecordingSize& size = threeSeconds)
    {
        AnalysisCache::Lists lists;
        const CacheReading::Found found = CacheReading::find(saveLocation, audioPath, size, lists);
        if (found.status == ReadStatus::Ok) {
            EXPECT_EQ(lists[3].value(0), QString::number(bpm)) << "its own result: " << audioPath.toStdString();
        } else {
            for (const auto& list : lists)
                EXPECT_TRUE(list.isEmpty()) << "nothing of another recording is handed on";
            analysed << audioPath;
            EXPECT_EQ(AnalysisCache::write(found.cachePath, audioPath, smallResult(bpm), size),
                      AnalysisCache::WriteStatus::Written);
        }
        return found;
    }
    QString cacheFile(const QString& name) const { return saveLocation + "/metadata/" + name; }
};

TEST_F(CacheIdentity, RecordingsOfOneNameEachKeepTheirOwnCache)
{
    const QString first = "/music/a/song.mp3";
    const QString namesake = "/music/b/song.mp3";
    const QString otherFormat = "/music/a/song.wav";

    EXPECT_EQ(open(first, 101).cachePath, cacheFile("song.tbm")) << "the first keeps the plain name";
    const QString namesakeCache = open(namesake, 102).cachePath;
    const QString otherFormatCache = open(otherFormat, 103).cachePath;
    EXPECT_EQ(namesakeCache, AnalysisCache::ownFilePath(AnalysisCache::folder(saveLocation), namesake));
    EXPECT_EQ(otherFormatCache, AnalysisCache::ownFilePath(AnalysisCache::folder(saveLocation), otherFormat));
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
    open("/music/a/song.mp3", 101);
    const QString own = open("/music/b/song.mp3", 102).cachePath;
    ASSERT_TRUE(QFile::remove(cacheFile("song.tbm")));

    analysed.clear();
    EXPECT_EQ(open("/music/b/song.mp3", 102).cachePath, own);
    EXPECT_TRUE(analysed.isEmpty());
    EXPECT_EQ(open("/music/a/song.mp3", 101).cachePath, cacheFile("song.tbm")) << "analysed into the free name";
    EXPECT_EQ(analysed, QStringList{"/music/a/song.mp3"});
}

TEST_F(CacheIdentity, ACacheTooDamagedToNameItsRecordingIsTakenOver)
{
    ASSERT_TRUE(QDir().mkpath(saveLocation + "/metadata"));
    QFile damaged(cacheFile("song.tbm"));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("not a cache");
    damaged.close();

    AnalysisCache::Lists lists;
    const CacheReading::Found found = CacheReading::find(saveLocation, "/music/a/song.mp3", threeSeconds, lists);
    EXPECT_EQ(found.cachePath, cacheFile("song.tbm"));
    EXPECT_EQ(found.status, ReadStatus::Invalid);
}

TEST_F(CacheIdentity, WhenBothNamesAreTakenTheHashedOneIsRewritten)
{
    // Only another path with the same name and the same 8 hex digits takes
    // both; written here by hand.
    const QString audioPath = "/music/c/song.mp3";
    const QString own = AnalysisCache::ownFilePath(AnalysisCache::folder(saveLocation), audioPath);
    ASSERT_EQ(AnalysisCache::write(cacheFile("song.tbm"), "/music/a/song.mp3", smallResult(101)),
              AnalysisCache::WriteStatus::Written);
    ASSERT_EQ(AnalysisCache::write(own, "/music/b/song.mp3", smallResult(102)),
              AnalysisCache::WriteStatus::Written);

    AnalysisCache::Lists lists;
    const CacheReading::Found found = CacheReading::find(saveLocation, audioPath, threeSeconds, lists);
    EXPECT_EQ(found.cachePath, own);
    EXPECT_EQ(found.status, ReadStatus::Invalid);
}

TEST_F(CacheIdentity, ARecordingReplacedAtItsPathIsAnalysedAgainIntoItsOwnFile)
{
    const QString path = "/music/a/song.mp3";
    open(path, 101);
    analysed.clear();
    open(path, 101, threeSeconds);
    EXPECT_TRUE(analysed.isEmpty()) << "a copy of itself fits";

    AnalysisCache::Lists lists;
    const CacheReading::Found found = CacheReading::find(saveLocation, path, {88200, 44100}, lists);
    EXPECT_EQ(found.cachePath, cacheFile("song.tbm")) << "its own file, rewritten";
    EXPECT_EQ(found.status, ReadStatus::Invalid);
    for (const auto& list : lists)
        EXPECT_TRUE(list.isEmpty());
}

TEST_F(CacheIdentity, ACacheWrittenBeforeTheHashedNamesKeepsWorking)
{
    // As caches were written so far: the plain name, no size.
    ASSERT_EQ(AnalysisCache::write(cacheFile("song.tbm"), "/music/a/song.mp3", smallResult(101)),
              AnalysisCache::WriteStatus::Written);
    open("/music/a/song.mp3", 101);
    EXPECT_TRUE(analysed.isEmpty());
}

TEST_F(CacheIdentity, RecordingsWhoseNamesAreNoUtf8AreToldApartByTheirBytes)
{
    struct CodecScope
    {
        QTextCodec* previous = QTextCodec::codecForLocale();
        CodecScope() { FileNameCodec::install(); }
        ~CodecScope() { QTextCodec::setCodecForLocale(previous); }
    } codec;
    // Read as UTF-8 both would be "/music/a\ufffd/song.mp3".
    const QString e = QFile::decodeName("/music/a\xe9/song.mp3");
    const QString ee = QFile::decodeName("/music/a\xe8/song.mp3");
    const QString eCache = open(e, 101).cachePath;
    const QString eeCache = open(ee, 102).cachePath;
    EXPECT_NE(eCache, eeCache);

    analysed.clear();
    open(e, 101);
    open(ee, 102);
    EXPECT_TRUE(analysed.isEmpty());
    AnalysisCache::Lists lists;
    ASSERT_EQ(AnalysisCache::read(eCache, lists), ReadStatus::Ok);
    EXPECT_EQ(QFile::encodeName(lists[4].value(0)), QByteArray("/music/a\xe9/song.mp3"));
}

} // namespace
