#include "CacheReading.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

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

TEST(CacheReading, TheCachePathFollowsTheFileNameBelowTheStartUpSaveLocation)
{
    EXPECT_EQ(CacheReading::cachePathFor("/home/u/.local/share/Tonbrook", "/music/Song.mp3"),
              "/home/u/.local/share/Tonbrook/metadata/Song.tbm");
}

TEST(CacheReading, ACacheStoringAnotherRecordingsPathIsNotUsed)
{
    QTemporaryDir temp;
    const QString saveLocation = temp.path();
    // "song.mp3" and "song.wav", and two "song.mp3" in different folders,
    // share one cache file.
    const QString first = "/music/a/song.mp3";
    const QString cache = CacheReading::cachePathFor(saveLocation, first);
    ASSERT_EQ(cache, CacheReading::cachePathFor(saveLocation, "/music/a/song.wav"));
    ASSERT_EQ(cache, CacheReading::cachePathFor(saveLocation, "/music/b/song.mp3"));
    ASSERT_EQ(AnalysisCache::write(cache, first, smallResult(120.0f)), AnalysisCache::WriteStatus::Written);

    AnalysisCache::Lists lists;
    EXPECT_EQ(CacheReading::read(cache, first, lists), AnalysisCache::ReadStatus::Ok);
    EXPECT_EQ(lists[1], (QVector<QString>{"C", "G", "Am"}));
    EXPECT_EQ(lists[3], QVector<QString>{"120"});

    for (const QString other : {"/music/a/song.wav", "/music/b/song.mp3", "song.mp3"}) {
        EXPECT_EQ(CacheReading::read(cache, other, lists), AnalysisCache::ReadStatus::Invalid)
            << other.toStdString();
        for (const auto& list : lists)
            EXPECT_TRUE(list.isEmpty()) << "nothing of the other recording is handed on";
    }

    EXPECT_EQ(CacheReading::read(temp.filePath("metadata/none.tbm"), first, lists),
              AnalysisCache::ReadStatus::Missing);
}

} // namespace
