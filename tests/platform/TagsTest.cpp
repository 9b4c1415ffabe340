// Tags of files written by ffmpeg, under non-ASCII paths and values.
#include "Tags.h"

#include "AudioFixtures.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct TagCase
{
    const char* extension;
    QStringList codecArgs;
};

std::ostream& operator<<(std::ostream& os, const TagCase& c)
{
    return os << c.extension + 1;
}

class TagFormats : public ::testing::TestWithParam<TagCase>
{
};

TEST_P(TagFormats, ReadsTitleArtistAlbum)
{
    if (!fixtures::haveFfmpeg())
        GTEST_SKIP() << "ffmpeg is not installed";
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir(QString::fromUtf8("Música")));
    const QString wav = dir.filePath("s.wav");
    ASSERT_TRUE(fixtures::writeWav(wav, fixtures::sines(44100, 2, 22050, 440.0, 660.0), 44100, 2));
    const QString path = dir.filePath(QString::fromUtf8("Música/Ünïcødé 日本 #1") + GetParam().extension);
    const QString title = QString::fromUtf8("Café ∆ 日本");
    const QString artist = QString::fromUtf8("Ærø & Sœurs");
    const QString album = QString::fromUtf8("Живой звук");
    ASSERT_TRUE(fixtures::ffmpeg(wav,
                                 GetParam().codecArgs
                                     + QStringList{"-metadata", "title=" + title, "-metadata", "artist=" + artist,
                                                   "-metadata", "album=" + album},
                                 path));
    Tags tags;
    ASSERT_TRUE(readTags(path, tags));
    EXPECT_EQ(tags.title, title);
    EXPECT_EQ(tags.artist, artist);
    EXPECT_EQ(tags.album, album);
}

INSTANTIATE_TEST_SUITE_P(Formats, TagFormats,
                         ::testing::Values(TagCase{".mp3", {"-c:a", "libmp3lame"}},
                                           TagCase{".flac", {"-c:a", "flac"}},
                                           TagCase{".ogg", {"-c:a", "libvorbis"}},
                                           TagCase{".m4a", {"-c:a", "aac"}}));

TEST(Tags, FileWithoutTagsGivesEmptyFields)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("plain.wav");
    ASSERT_TRUE(fixtures::writeWav(path, fixtures::sines(44100, 2, 1000, 440.0, 660.0), 44100, 2));
    Tags tags{"stale", "stale", "stale"};
    EXPECT_TRUE(readTags(path, tags));
    EXPECT_TRUE(tags.title.isEmpty());
    EXPECT_TRUE(tags.artist.isEmpty());
    EXPECT_TRUE(tags.album.isEmpty());
}

TEST(Tags, MissingFileIsRefused)
{
    Tags tags{"stale", "stale", "stale"};
    EXPECT_FALSE(readTags(QStringLiteral("/nonexistent/take.mp3"), tags));
    EXPECT_TRUE(tags.title.isEmpty());
}

} // namespace
