#include "PathsManager.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

void writeFile(const QString& path, const QByteArray& content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList entriesBelow(const QString& folder)
{
    QStringList found;
    const QFileInfoList entries =
        QDir(folder).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo& entry : entries) {
        found << entry.fileName();
        if (entry.isDir()) {
            for (const QString& inner : entriesBelow(entry.absoluteFilePath()))
                found << entry.fileName() + "/" + inner;
        }
    }
    return found;
}

class PathsManagerTest : public ::testing::Test
{
protected:
    QTemporaryDir temp;
    // Two levels below the temporary folder: its parent does not exist yet.
    QString saveLocation() const { return temp.path() + "/data/Tonbrook"; }
};

TEST_F(PathsManagerTest, FirstStartMakesTheSaveLocationAndItsFiveFolders)
{
    PathsManager paths(saveLocation());
    EXPECT_EQ(entriesBelow(saveLocation()),
              (QStringList{"exported audio", "metadata", "riffs", "sessions", "songs"}));
    EXPECT_EQ(paths.getSavePath(), saveLocation());
    EXPECT_EQ(paths.getSessionPath(), saveLocation() + "/sessions");
    EXPECT_TRUE(paths.getFilePath().isEmpty());
}

TEST_F(PathsManagerTest, LaterStartsKeepWhatIsThereAndMakeOnlyWhatIsMissing)
{
    writeFile(saveLocation() + "/sessions/song.tb", "kept");
    writeFile(saveLocation() + "/metadata/song.tbm", "kept too");
    PathsManager paths(saveLocation());
    EXPECT_EQ(entriesBelow(saveLocation()),
              (QStringList{"exported audio", "metadata", "metadata/song.tbm", "riffs", "sessions",
                           "sessions/song.tb", "songs"}));
    EXPECT_EQ(readFile(saveLocation() + "/sessions/song.tb"), "kept");
}

TEST_F(PathsManagerTest, TheOpenDialogStartsInTheAlwaysOpenFolderWhenOneIsSet)
{
    PathsManager paths(saveLocation());
    paths.setFileName("/music/albums/one/Song.mp3");
    EXPECT_EQ(paths.getFileName(), "/music/albums/one/Song.mp3");
    EXPECT_EQ(paths.getFilePath(), "/music/albums/one");

    paths.setAlwaysOpenFilePath("/music/practice");
    EXPECT_EQ(paths.getFilePath(), "/music/practice");
    paths.setFileName("/elsewhere/Other.wav");
    EXPECT_EQ(paths.getFilePath(), "/music/practice");

    paths.setAlwaysOpenFilePath("");
    EXPECT_EQ(paths.getFilePath(), "/elsewhere");
    paths.setFilePath("/music");
    EXPECT_EQ(paths.getFilePath(), "/music");
}

TEST_F(PathsManagerTest, SetSavePathMovesTheSessionFolderButTouchesNoDisk)
{
    PathsManager paths(saveLocation());
    const QString other = temp.path() + "/other";
    paths.setSavePath(other);
    EXPECT_EQ(paths.getSavePath(), other);
    EXPECT_EQ(paths.getSessionPath(), other + "/sessions");
    EXPECT_FALSE(QFileInfo::exists(other));
}

TEST_F(PathsManagerTest, ANewSaveLocationGetsCopiesOfTheTopLevelFilesExceptTheCache)
{
    PathsManager paths(saveLocation());
    writeFile(saveLocation() + "/sessions/a.tb", "session a");
    writeFile(saveLocation() + "/sessions/same.tb", "old content");
    writeFile(saveLocation() + "/sessions/.hidden.tb", "hidden");
    writeFile(saveLocation() + "/sessions/nested/deep.tb", "nested");
    writeFile(saveLocation() + "/riffs/r.wav", "riff");
    writeFile(saveLocation() + "/songs/s.wav", "song");
    writeFile(saveLocation() + "/exported audio/e.mp3", "export");
    writeFile(saveLocation() + "/metadata/song.tbm", "cache");

    const QString target = temp.path() + "/target";
    writeFile(target + "/sessions/same.tb", "new content");

    paths.updatePaths("/music/practice", target);

    EXPECT_EQ(paths.getSavePath(), target);
    EXPECT_EQ(paths.getSessionPath(), target + "/sessions");
    EXPECT_EQ(paths.getFilePath(), "/music/practice");
    EXPECT_EQ(entriesBelow(target),
              (QStringList{"exported audio", "exported audio/e.mp3", "riffs", "riffs/r.wav", "sessions",
                           "sessions/a.tb", "sessions/same.tb", "songs", "songs/s.wav"}));
    EXPECT_EQ(readFile(target + "/sessions/same.tb"), "new content") << "an existing file is never replaced";
    EXPECT_EQ(readFile(target + "/sessions/a.tb"), "session a");
    // The old location keeps everything.
    EXPECT_TRUE(QFileInfo::exists(saveLocation() + "/sessions/nested/deep.tb"));
    EXPECT_TRUE(QFileInfo::exists(saveLocation() + "/sessions/a.tb"));
    EXPECT_TRUE(QFileInfo::exists(saveLocation() + "/metadata/song.tbm"));
}

TEST_F(PathsManagerTest, AcceptingTheSameLocationAgainChangesNothingOnDisk)
{
    PathsManager paths(saveLocation());
    writeFile(saveLocation() + "/sessions/a.tb", "session a");
    const QStringList before = entriesBelow(saveLocation());
    paths.updatePaths("", saveLocation());
    EXPECT_EQ(entriesBelow(saveLocation()), before);
    EXPECT_EQ(readFile(saveLocation() + "/sessions/a.tb"), "session a");
    EXPECT_TRUE(paths.getFilePath().isEmpty()) << "the always-open choice is off";
}

TEST_F(PathsManagerTest, ALocationThatCannotBeWrittenIsRefusedAndTheOldOneKept)
{
    PathsManager paths(saveLocation());
    writeFile(saveLocation() + "/sessions/a.tb", "session a");
    // A file where the folder should be: it can be neither made nor
    // written, whoever runs the test.
    writeFile(temp.path() + "/blocker", "file");
    QSignalSpy refused(&paths, &PathsManager::saveLocationRefused);

    EXPECT_FALSE(paths.updatePaths("/music/practice", temp.path() + "/blocker/sessions here"));

    EXPECT_EQ(paths.getSavePath(), saveLocation());
    EXPECT_EQ(paths.getSessionPath(), saveLocation() + "/sessions");
    EXPECT_EQ(paths.getFilePath(), "/music/practice") << "the other choice of the page still holds";
    ASSERT_EQ(refused.count(), 1);
    EXPECT_EQ(refused.at(0).at(0).toString(), temp.path() + "/blocker/sessions here");
}

TEST_F(PathsManagerTest, AMissingOldLocationStillMovesThePaths)
{
    PathsManager paths(saveLocation());
    paths.setSavePath(temp.path() + "/gone");
    const QString target = temp.path() + "/target";
    paths.updatePaths("", target);
    EXPECT_EQ(paths.getSavePath(), target);
    EXPECT_EQ(entriesBelow(target), (QStringList{"exported audio", "riffs", "sessions", "songs"}));
}

} // namespace
