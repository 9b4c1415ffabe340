#include "AnalysisCache.h"

#include "CipherFixture.h"
#include "FileNameCodec.h"
#include "LongFileNames.h"
#include "RowName.h"
#include "SimpleCrypt.h"
#include "Strings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextCodec>

#include <gtest/gtest.h>

#include <cmath>

namespace {

AnalysisResult exampleResult()
{
    AnalysisResult result;
    result.bpm = 120.18466f;
    result.beats = {0, 22050, 44100};
    result.chordVec = strings({"Am", "C"});
    result.chordVecDetected = strings({"Am", "C", "", ""});
    return result;
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeRaw(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QByteArray scrambledLine(const QByteArray& plain)
{
    SimpleCrypt crypt(SimpleCrypt::cacheKey);
    return crypt.encryptToString(plain).toUtf8();
}

class AnalysisCacheFiles : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    QString path(const char* name) const { return dir.filePath(QString::fromUtf8(name)); }

    QTemporaryDir dir;
};

// --- Where the file lives ------------------------------------------------

struct NameCase
{
    const char* audioPath;
    const char* cacheName;
};

class CacheFileName : public ::testing::TestWithParam<NameCase>
{
};

TEST_P(CacheFileName, IsTheFileNameUpToItsLastDotPlusTbm)
{
    const QString folder = AnalysisCache::folder(QStringLiteral("/home/ann/.local/share/Tonbrook"));
    EXPECT_EQ(folder, QStringLiteral("/home/ann/.local/share/Tonbrook/metadata"));
    EXPECT_EQ(AnalysisCache::filePath(folder, QString::fromUtf8(GetParam().audioPath)),
              folder + QLatin1Char('/') + QString::fromUtf8(GetParam().cacheName));
}

INSTANTIATE_TEST_SUITE_P(Names, CacheFileName,
                         ::testing::Values(NameCase{"/Music/song.mp3", "song.tbm"},
                                           NameCase{"/Other/song.wav", "song.tbm"},
                                           NameCase{"/Music/live.take2.wav", "live.take2.tbm"},
                                           NameCase{"/home/ann/.local/share/rec/song", "song.tbm"},
                                           NameCase{"/media/cd.rom/Track 01.aiff", "Track 01.tbm"}));

// --- The plain text ------------------------------------------------------

TEST(AnalysisCacheText, HasTheFiveRecordsJoinedByCarriageReturns)
{
    EXPECT_EQ(AnalysisCache::plainText(QStringLiteral("/Music/song.mp3"), exampleResult()),
              QByteArray("fileName: /Music/song.mp3\rbeats: 0 22050 44100 \rchordVec1: Am C \r"
                         "chordVecDetected1: Am C   \rtempo: 120.185"));
}

TEST(AnalysisCacheText, NumbersHaveSixSignificantDigits)
{
    AnalysisResult result;
    result.bpm = 120.0f;
    result.beats = {0, 1234567, 16384000};
    result.chordVec = strings({" ", "C", "-"});
    result.chordVecDetected = strings({"C", "-", " ", ""});
    EXPECT_EQ(AnalysisCache::plainText(QStringLiteral("a"), result),
              QByteArray("fileName: a\rbeats: 0 1.23457e+06 1.6384e+07 \rchordVec1: C - \r"
                         "chordVecDetected1: C  \rtempo: 120"));
}

TEST(AnalysisCacheText, TheRecordingsSizeFollowsItsPathWhenKnown)
{
    const QByteArray text =
        AnalysisCache::plainText(QStringLiteral("/Music/song.mp3"), exampleResult(), {132300, 44100});
    EXPECT_TRUE(text.startsWith("fileName: /Music/song.mp3\rframes 132300 rate 44100\rbeats: 0 22050 44100 \r"));
    // Readers that skip all before the beats label skip it: it holds no
    // colon and no "b".
    const QByteArray head = text.left(text.indexOf("beats"));
    EXPECT_EQ(head.count(':'), 1);
    EXPECT_EQ(text.indexOf('b'), head.size());
    EXPECT_EQ(text.mid(head.size()), AnalysisCache::plainText(QStringLiteral("/x"), exampleResult()).mid(13));
}

TEST(AnalysisCacheFileName, ASecondRecordingOfTheSameNameGetsItsPathsHash)
{
    const QString folder = QStringLiteral("/data/metadata");
    const QString own = AnalysisCache::ownFilePath(folder, QStringLiteral("/Music/b/song.mp3"));
    EXPECT_TRUE(
        QRegularExpression(QStringLiteral("^/data/metadata/song-[0-9a-f]{8}\\.tbm$")).match(own).hasMatch())
        << own.toStdString();
    EXPECT_EQ(own, AnalysisCache::ownFilePath(folder, QStringLiteral("/Music/b/song.mp3"))) << "found again";
    EXPECT_NE(own, AnalysisCache::ownFilePath(folder, QStringLiteral("/Music/a/song.mp3")));
    EXPECT_NE(own, AnalysisCache::ownFilePath(folder, QStringLiteral("/Music/b/song.wav")));
}

// Hashed names stay within the file-name limit, cut between characters.
class HashedNames : public ::testing::TestWithParam<LongName>
{
protected:
    QTextCodec* previous = QTextCodec::codecForLocale();
    void SetUp() override { FileNameCodec::install(); }
    void TearDown() override { QTextCodec::setCodecForLocale(previous); }
};

TEST_P(HashedNames, FitTheFileNameLimitAndCutNoCharacter)
{
    const QString folder = QStringLiteral("/data/metadata");
    const QString audioPath = QStringLiteral("/Music/a/") + QFile::decodeName(GetParam().fileName);
    const QByteArray base = QFile::encodeName(QFileInfo(audioPath).completeBaseName());
    for (int digits : {AnalysisCache::shortHashDigits, AnalysisCache::fullHashDigits}) {
        const QString own = AnalysisCache::ownFilePath(folder, audioPath, digits);
        const QByteArray name = QFile::encodeName(QFileInfo(own).fileName());
        EXPECT_LE(name.size(), AnalysisCache::maxFileNameBytes) << digits;
        // By hand: lone surrogates (bytes that are no UTF-8) stop a
        // regular expression.
        const QString fileName = QFileInfo(own).fileName();
        const int suffixLength = 1 + digits + 4;
        const QString suffix = fileName.right(suffixLength);
        ASSERT_TRUE(suffix.startsWith('-') && suffix.endsWith(".tbm")) << digits;
        EXPECT_TRUE(QRegularExpression(QStringLiteral("^[0-9a-f]+$")).match(suffix.mid(1, digits)).hasMatch());
        const QString kept = fileName.chopped(suffixLength);
        EXPECT_TRUE(QFileInfo(audioPath).completeBaseName().startsWith(kept)) << digits;
        EXPECT_FALSE(!kept.isEmpty() && kept.back().isHighSurrogate()) << "no character cut in two";
        EXPECT_TRUE(base.startsWith(QFile::encodeName(kept))) << digits;
        // A character takes up to 4 bytes.
        EXPECT_GT(QFile::encodeName(kept).size(), AnalysisCache::maxFileNameBytes - suffixLength - 4) << digits;
        EXPECT_NE(own,
                  AnalysisCache::ownFilePath(folder, QStringLiteral("/Music/b/") + QFileInfo(audioPath).fileName(),
                                             digits))
            << "another folder, another name";
    }
    // The plain name, when it fits.
    const QString plain = AnalysisCache::filePath(folder, audioPath);
    EXPECT_EQ(plain.isNull(), base.size() + 4 > AnalysisCache::maxFileNameBytes);
}

// A name cut short after three-byte characters must not leave half of
// one, nor split the escapes of the bytes after them.
std::vector<LongName> hashedNameCases()
{
    std::vector<LongName> cases = longFileNames();
    cases.push_back({"no_utf8_after_three_byte_characters",
                     QByteArray("\xe2\x99\xaf").repeated(60) + QByteArray(70, '\xff') + ".mp3"});
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Names, HashedNames, ::testing::ValuesIn(hashedNameCases()), RowName());

// --- Writing and reading back ----------------------------------------------

TEST_F(AnalysisCacheFiles, WrittenFileReadsBackToTheSameModel)
{
    metadata record;
    record.tempo = 120.18466f;
    record.beats = {0, 22050, 44100, 66150, 1234567};
    record.chordVec = {"X", "Am", "D#", "C", "X"};
    record.chordVecDetected = {"Am", "Eb", "C", "", ""};
    MetaData analysed;
    ASSERT_TRUE(analysed.setMetaData(record));

    const QString cachePath = path("song.tbm");
    ASSERT_EQ(AnalysisCache::write(cachePath, QStringLiteral("/Music/song.mp3"), analysed.currentResult()),
              AnalysisCache::WriteStatus::Written);

    const QByteArray stored = readAll(cachePath);
    EXPECT_FALSE(stored.contains('\n'));
    EXPECT_FALSE(stored.contains("fileName"));
    EXPECT_EQ(QByteArray::fromBase64(stored).toBase64(), stored); // one clean base64 line

    AnalysisCache::Lists lists;
    ASSERT_EQ(AnalysisCache::read(cachePath, lists), AnalysisCache::ReadStatus::Ok);
    EXPECT_EQ(lists[4], strings({"/Music/song.mp3"}));
    MetaData reopened;
    ASSERT_TRUE(reopened.setMetaDataFromFile(lists.data()));

    QVector<float> expectedBeats = analysed.beats;
    // Written with six significant digits.
    expectedBeats[4] = 1234570;
    expectedBeats[5] = 2402980; // the closing beat 1234567 + 1168417
    EXPECT_EQ(reopened.beats, expectedBeats);
    EXPECT_EQ(reopened.chordVec, analysed.chordVec);
    EXPECT_EQ(reopened.chordVecDetected, strings({"Am", "Eb", "C"}));
    EXPECT_FLOAT_EQ(reopened.bpm, 120.185f);
    EXPECT_TRUE(reopened.metaDataValid);
}

// The recording's path may hold anything the labels are made of.
class AwkwardPaths : public AnalysisCacheFiles, public ::testing::WithParamInterface<const char*>
{
};

TEST_P(AwkwardPaths, StillReadBack)
{
    const QString audioPath = QString::fromUtf8(GetParam());
    const QString cachePath = AnalysisCache::filePath(dir.path(), audioPath);
    ASSERT_EQ(AnalysisCache::write(cachePath, audioPath, exampleResult(), {132300, 44100}),
              AnalysisCache::WriteStatus::Written);

    AnalysisCache::Lists lists;
    ASSERT_EQ(AnalysisCache::read(cachePath, lists), AnalysisCache::ReadStatus::Ok);
    EXPECT_EQ(lists[0], strings({"0", "22050", "44100"}));
    EXPECT_EQ(lists[1], strings({"Am", "C"}));
    EXPECT_EQ(lists[2], strings({"Am", "C", "", ""}));
    EXPECT_EQ(lists[3], strings({"120.185"}));
    EXPECT_EQ(lists[4].value(0), audioPath);
    EXPECT_EQ(lists[5], strings({"132300", "44100"}));

    // The glance reads short only where the path holds the text ending it.
    AnalysisCache::Owner owner;
    ASSERT_TRUE(AnalysisCache::readOwner(cachePath, owner));
    if (!audioPath.contains(QLatin1String("\rbeats: "))) {
        EXPECT_EQ(owner.audioPath, audioPath);
        EXPECT_EQ(owner.size.frames, 132300);
        EXPECT_EQ(owner.size.sampleRateHz, 44100);
    }
}

INSTANTIATE_TEST_SUITE_P(Paths, AwkwardPaths,
                         ::testing::Values("/Music/bob/be bop.mp3", "/Music/beats: vol 1/tempo: 3 beats.flac",
                                           "/Music/a:b/c: d.wav", "/Musik/Grüße/Ünïcode ♯.ogg", "b",
                                           "/Music/frames 1 rate 2", "/Music/x\rframes 1 rate 2\rbeats: y.wav"));

TEST_F(AnalysisCacheFiles, AGlanceAtAPathLongerThanItReadsTheWholeHead)
{
    QString audioPath = QStringLiteral("/Music");
    // Some 2700 bytes, past what the glance restores.
    for (int i = 0; i < 100; ++i)
        audioPath += QStringLiteral("/folder %1 of a deep tree").arg(i * 7919);
    audioPath += QStringLiteral("/song.mp3");
    const QString cachePath = path("song.tbm");
    ASSERT_EQ(AnalysisCache::write(cachePath, audioPath, exampleResult(), {132300, 44100}),
              AnalysisCache::WriteStatus::Written);
    AnalysisCache::Owner owner;
    ASSERT_TRUE(AnalysisCache::readOwner(cachePath, owner));
    EXPECT_EQ(owner.audioPath, audioPath);
    EXPECT_EQ(owner.size.frames, 132300);
}

TEST_F(AnalysisCacheFiles, ACacheWithoutTheSizeReadsWithoutIt)
{
    const QString cachePath = path("song.tbm");
    ASSERT_EQ(AnalysisCache::write(cachePath, QStringLiteral("/Music/song.mp3"), exampleResult()),
              AnalysisCache::WriteStatus::Written);
    AnalysisCache::Lists lists;
    ASSERT_EQ(AnalysisCache::read(cachePath, lists), AnalysisCache::ReadStatus::Ok);
    EXPECT_EQ(lists[4], strings({"/Music/song.mp3"}));
    EXPECT_TRUE(lists[5].isEmpty());
}

TEST_F(AnalysisCacheFiles, TheOwnerOfACacheWithNoUsableModelIsStillKnown)
{
    const QString cachePath = path("song.tbm");
    writeRaw(cachePath, "fileName: /Music/song.mp3\rbeats: 512 \rchordVec1: C \rchordVecDetected1: C \rtempo: 1");
    AnalysisCache::Lists lists;
    QString owner;
    EXPECT_EQ(AnalysisCache::read(cachePath, lists, &owner), AnalysisCache::ReadStatus::Invalid);
    EXPECT_EQ(owner, QStringLiteral("/Music/song.mp3"));
    for (const auto& list : lists)
        EXPECT_TRUE(list.isEmpty());

    writeRaw(cachePath, "not a cache");
    EXPECT_EQ(AnalysisCache::read(cachePath, lists, &owner), AnalysisCache::ReadStatus::Invalid);
    EXPECT_TRUE(owner.isNull());
}

// --- Handing a cache over to a recording's new path --------------------------

TEST_F(AnalysisCacheFiles, AMovedCacheIsWhatTheWriterWritesForTheNewPath)
{
    struct Source
    {
        const char* name;
        QByteArray content;
        AnalysisCache::RecordingSize size;
    };
    const AnalysisCache::RecordingSize size{132300, 44100};
    const Source sources[] = {
        {"written",
         scrambledLine(AnalysisCache::plainText(QStringLiteral("/Music/a/song.mp3"), exampleResult(), size)),
         size},
        {"plain_without_size", AnalysisCache::plainText(QStringLiteral("/Music/a/song.mp3"), exampleResult()), {}},
    };
    const QString newPath = QStringLiteral("/Music/b/take: 2.mp3");
    for (const Source& source : sources) {
        writeRaw(path("song.tbm"), source.content);
        ASSERT_EQ(AnalysisCache::moveTo(path("song.tbm"), path("take.tbm"), newPath),
                  AnalysisCache::WriteStatus::Written)
            << source.name;
        EXPECT_FALSE(QFile::exists(path("song.tbm"))) << source.name;

        // Byte for byte what the writer makes for the new path: every
        // reader, older ones included, reads it as such.
        SimpleCrypt crypt(SimpleCrypt::cacheKey);
        EXPECT_EQ(crypt.decryptToByteArray(QByteArray::fromBase64(readAll(path("take.tbm")))),
                  AnalysisCache::plainText(newPath, exampleResult(), source.size))
            << source.name;
        AnalysisCache::Owner owner;
        ASSERT_TRUE(AnalysisCache::readOwner(path("take.tbm"), owner)) << source.name;
        EXPECT_EQ(owner.audioPath, newPath);
        EXPECT_EQ(owner.size.frames, source.size.frames);
        EXPECT_EQ(owner.size.sampleRateHz, source.size.sampleRateHz);

        // In place: only the path changes.
        ASSERT_EQ(AnalysisCache::moveTo(path("take.tbm"), path("take.tbm"), QStringLiteral("/x.mp3")),
                  AnalysisCache::WriteStatus::Written);
        ASSERT_TRUE(AnalysisCache::readOwner(path("take.tbm"), owner));
        EXPECT_EQ(owner.audioPath, QStringLiteral("/x.mp3"));
        ASSERT_TRUE(QFile::remove(path("take.tbm")));
    }
}

TEST_F(AnalysisCacheFiles, MovingWhatIsNoCacheChangesNothing)
{
    writeRaw(path("song.tbm"), "not a cache");
    AnalysisCache::Owner owner;
    EXPECT_FALSE(AnalysisCache::readOwner(path("song.tbm"), owner));
    EXPECT_FALSE(AnalysisCache::readOwner(path("none.tbm"), owner));
    for (const char* from : {"song.tbm", "none.tbm"})
        EXPECT_EQ(AnalysisCache::moveTo(path(from), path("take.tbm"), QStringLiteral("/x.mp3")),
                  AnalysisCache::WriteStatus::Failed);
    EXPECT_EQ(readAll(path("song.tbm")), QByteArray("not a cache"));
    EXPECT_FALSE(QFile::exists(path("take.tbm")));
}

// --- Whether a cache still fits its recording --------------------------------

struct FitCase
{
    const char* name;
    QVector<QString> stored; // frames and rate, or none (an older cache)
    float lastChordBeat;     // beats every 22050 frames up to this one, then the closing beat
    AnalysisCache::RecordingSize recording;
    bool fits;
};

std::ostream& operator<<(std::ostream& os, const FitCase& c)
{
    return os << c.name;
}

class CacheFit : public ::testing::TestWithParam<FitCase>
{
};

TEST_P(CacheFit, TellsARecordingReplacedAtItsPath)
{
    const FitCase& c = GetParam();
    AnalysisCache::Lists lists;
    for (float beat = std::fmod(c.lastChordBeat, 22050.0f); beat <= c.lastChordBeat; beat += 22050) {
        lists[0].append(QString::number(beat, 'g', 6));
        lists[1].append(QStringLiteral("C"));
    }
    lists[0].append(QString::number(c.lastChordBeat + 22050, 'g', 6));
    lists[3] = strings({"120"});
    lists[4] = strings({"/Music/song.mp3"});
    lists[5] = c.stored;
    QString why;
    EXPECT_EQ(AnalysisCache::fits(lists, c.recording, &why), c.fits) << why.toStdString();
    EXPECT_EQ(why.isEmpty(), c.fits);
}

const QVector<QString> size42s = strings({"1852200", "44100"});

INSTANTIATE_TEST_SUITE_P(
    Cases, CacheFit,
    ::testing::Values(
        FitCase{"the_same_recording", size42s, 1830150, {1852200, 44100}, true},
        FitCase{"an_mp3_decoded_with_another_delay", size42s, 1830150, {1852200 + 1105, 44100}, true},
        FitCase{"shorter", size42s, 1830150, {88200, 44100}, false},
        FitCase{"a_second_shorter", size42s, 1830150, {1852200 - 44100, 44100}, false},
        FitCase{"longer", size42s, 1830150, {1852200 + 44100, 44100}, false},
        FitCase{"another_rate", size42s, 1830150, {1852200, 48000}, false},
        FitCase{"older_cache_within_the_recording", {}, 1830150, {1852200, 44100}, true},
        FitCase{
            "older_cache_last_chord_moved_half_a_beat_past_the_end", {}, 1852200 + 11025, {1852200, 44100}, true},
        FitCase{"older_cache_of_a_longer_recording", {}, 1830150, {88200, 44100}, false},
        FitCase{"older_cache_two_beats_past_the_end", {}, 88200 + 2 * 22050, {88200, 44100}, false},
        FitCase{"size_not_known", size42s, 1830150, {}, true}),
    RowName());

TEST_F(AnalysisCacheFiles, CdTracksGetNoCache)
{
    const QString cachePath = path("Track 01.tbm");
    EXPECT_EQ(AnalysisCache::write(cachePath, QStringLiteral("/media/cd/Track 01.cda"), exampleResult()),
              AnalysisCache::WriteStatus::SkippedCdTrack);
    EXPECT_FALSE(QFile::exists(cachePath));
}

TEST_F(AnalysisCacheFiles, IncompleteResultDoesNotReplaceAGoodCache)
{
    const QString cachePath = path("song.tbm");
    ASSERT_EQ(AnalysisCache::write(cachePath, QStringLiteral("/song.mp3"), exampleResult()),
              AnalysisCache::WriteStatus::Written);
    const QByteArray good = readAll(cachePath);

    AnalysisResult empty; // what a reset model holds
    EXPECT_EQ(AnalysisCache::write(cachePath, QStringLiteral("/song.mp3"), empty),
              AnalysisCache::WriteStatus::Refused);
    EXPECT_EQ(readAll(cachePath), good);
}

TEST_F(AnalysisCacheFiles, FailedWriteIsReportedAndLeavesNoFile)
{
    QStringList messages;
    static QStringList* sink = nullptr;
    sink = &messages;
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext&, const QString& text) { sink->append(text); });

    writeRaw(path("notAFolder"), "x");
    const QString blockedPaths[] = {
        path("notAFolder/song.tbm"), // the folder is a file
        dir.path(),                  // the cache path is a folder
    };
    for (const QString& cachePath : blockedPaths) {
        messages.clear();
        EXPECT_EQ(AnalysisCache::write(cachePath, QStringLiteral("/song.mp3"), exampleResult()),
                  AnalysisCache::WriteStatus::Failed);
        ASSERT_EQ(messages.size(), 1);
        EXPECT_TRUE(messages.first().contains(cachePath)) << messages.first().toStdString();
    }
    qInstallMessageHandler(previous);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"notAFolder"});
}

TEST_F(AnalysisCacheFiles, MissingFolderIsCreated)
{
    const QString cachePath = path("metadata/song.tbm");
    EXPECT_EQ(AnalysisCache::write(cachePath, QStringLiteral("/song.mp3"), exampleResult()),
              AnalysisCache::WriteStatus::Written);
    AnalysisCache::Lists lists;
    EXPECT_EQ(AnalysisCache::read(cachePath, lists), AnalysisCache::ReadStatus::Ok);
}

TEST_F(AnalysisCacheFiles, MissingFileIsNoError)
{
    AnalysisCache::Lists lists;
    EXPECT_EQ(AnalysisCache::read(path("none.tbm"), lists), AnalysisCache::ReadStatus::Missing);
}

// --- Plain-text caches ---------------------------------------------------

TEST_F(AnalysisCacheFiles, PlainTextCacheIsReadAsItIs)
{
    const QString cachePath = path("song.tbm");
    writeRaw(cachePath,
             AnalysisCache::plainText(QStringLiteral("/Music/song.mp3"), exampleResult()) + "\nsecond line");

    AnalysisCache::Lists lists;
    ASSERT_EQ(AnalysisCache::read(cachePath, lists), AnalysisCache::ReadStatus::Ok);
    EXPECT_EQ(lists[0], strings({"0", "22050", "44100"}));
    EXPECT_EQ(lists[1], strings({"Am", "C"}));
}

TEST_F(AnalysisCacheFiles, StartUpScramblesOnlyPlainCaches)
{
    const QByteArray plain = AnalysisCache::plainText(QStringLiteral("/Music/song.mp3"), exampleResult());
    writeRaw(path("plain.tbm"), plain);
    writeRaw(path("backup.tbm.old"), plain + '\n');
    writeRaw(path("notes.txt"), plain);
    writeRaw(path("empty.tbm"), "");
    ASSERT_EQ(AnalysisCache::write(path("scrambled.tbm"), QStringLiteral("/a.mp3"), exampleResult()),
              AnalysisCache::WriteStatus::Written);
    const QByteArray scrambled = readAll(path("scrambled.tbm"));

    EXPECT_EQ(AnalysisCache::encryptPlainFiles(dir.path()), 2);

    for (const char* name : {"plain.tbm", "backup.tbm.old"}) {
        EXPECT_FALSE(readAll(path(name)).contains("fileName")) << name;
        AnalysisCache::Lists lists;
        ASSERT_EQ(AnalysisCache::read(path(name), lists), AnalysisCache::ReadStatus::Ok) << name;
        EXPECT_EQ(lists[1], strings({"Am", "C"})) << name;
        EXPECT_EQ(lists[3].value(0).trimmed(), QStringLiteral("120.185")) << name;
    }
    EXPECT_EQ(readAll(path("scrambled.tbm")), scrambled);
    EXPECT_EQ(readAll(path("notes.txt")), plain);
    EXPECT_EQ(readAll(path("empty.tbm")), QByteArray());
    EXPECT_EQ(AnalysisCache::encryptPlainFiles(dir.path()), 0);
}

// The start-up conversion must not change what a file says: the reader
// restores exactly the bytes it read as plain text before.
struct PlainCache
{
    const char* name;
    QByteArray content;
    AnalysisCache::ReadStatus expected;
};

std::ostream& operator<<(std::ostream& os, const PlainCache& c)
{
    return os << c.name;
}

QByteArray plainCache(const char* audioPath)
{
    return AnalysisCache::plainText(QString::fromUtf8(audioPath), exampleResult());
}

// A plain cache whose file name is these bytes, UTF-8 or not.
QByteArray plainCacheNamed(const QByteArray& rawPath)
{
    return "fileName: " + rawPath + plainCache("x").mid(11);
}

class ConvertedCaches : public AnalysisCacheFiles, public ::testing::WithParamInterface<PlainCache>
{
};

TEST_P(ConvertedCaches, ReadTheSameBeforeAndAfterConversion)
{
    const QString cachePath = path("song.tbm");
    writeRaw(cachePath, GetParam().content);
    AnalysisCache::Lists before;
    const AnalysisCache::ReadStatus statusBefore = AnalysisCache::read(cachePath, before);
    EXPECT_EQ(statusBefore, GetParam().expected);

    ASSERT_EQ(AnalysisCache::encryptPlainFiles(dir.path()), 1);
    EXPECT_FALSE(readAll(cachePath).contains("fileName"));

    AnalysisCache::Lists after;
    EXPECT_EQ(AnalysisCache::read(cachePath, after), statusBefore);
    EXPECT_EQ(after, before);
}

INSTANTIATE_TEST_SUITE_P(
    Contents, ConvertedCaches,
    ::testing::Values(PlainCache{"plain", plainCache("/Music/song.mp3"), AnalysisCache::ReadStatus::Ok},
                      PlainCache{"nul_in_the_file_name", plainCacheNamed(QByteArray("/Music/a\0b.mp3", 14)),
                                 AnalysisCache::ReadStatus::Ok},
                      PlainCache{"nul_before_the_label", QByteArray(1, '\0') + plainCache("/Music/song.mp3"),
                                 AnalysisCache::ReadStatus::Ok},
                      PlainCache{"nul_in_the_tempo", plainCache("/Music/song.mp3") + QByteArray(1, '\0') + "5",
                                 AnalysisCache::ReadStatus::Ok},
                      // Base64 for 0x03 0x00 0x00: version 3 without any check.
                      PlainCache{"starts_like_an_unchecked_cypher", "AwAA" + plainCache("/Music/song.mp3"),
                                 AnalysisCache::ReadStatus::Ok},
                      PlainCache{"no_utf8_in_the_file_name", plainCacheNamed("/Music/\xff\xfe\xc3.mp3"),
                                 AnalysisCache::ReadStatus::Ok},
                      PlainCache{"line_feed_then_more", plainCache("/Music/song.mp3") + "\r\nsecond line",
                                 AnalysisCache::ReadStatus::Ok},
                      PlainCache{"names_the_label_only", "fileName: /Music/song.mp3",
                                 AnalysisCache::ReadStatus::Invalid}),
    RowName());

TEST_F(AnalysisCacheFiles, OverlongLineIsNoCacheAndStaysAsItIs)
{
    // A plain cache but for a file name longer than any cache text.
    QByteArray content = plainCache("/Music/song.mp3");
    content.insert(10, QByteArray(SimpleCrypt::maxPlainBytes * 2, 'x'));
    const QString cachePath = path("song.tbm");
    writeRaw(cachePath, content);

    AnalysisCache::Lists lists;
    EXPECT_EQ(AnalysisCache::read(cachePath, lists), AnalysisCache::ReadStatus::Invalid);
    EXPECT_EQ(AnalysisCache::encryptPlainFiles(dir.path()), 0);
    EXPECT_EQ(QFileInfo(cachePath).size(), content.size());
}

TEST(AnalysisCacheConversion, MissingFolderConvertsNothing)
{
    EXPECT_EQ(AnalysisCache::encryptPlainFiles(QStringLiteral("/nonexistent/metadata")), 0);
}

// --- Caches that are no cache ----------------------------------------------

QByteArray goodLine()
{
    return scrambledLine(AnalysisCache::plainText(QStringLiteral("/Music/song.mp3"), exampleResult()));
}

QByteArray withChangedCharacter(QByteArray line, int at)
{
    line[at] = line.at(at) == 'A' ? 'B' : 'A';
    return line;
}

QByteArray undecompressable()
{
    const QByteArray data = QByteArrayLiteral("\x00\x00\x01\x00not a zlib stream at all");
    return chainedCypher(SimpleCrypt::cacheKey, 0x03, crcField(data), data).toBase64();
}

struct BadCache
{
    const char* name;
    QByteArray content;
};

class BadCaches : public AnalysisCacheFiles, public ::testing::WithParamInterface<BadCache>
{
};

TEST_P(BadCaches, ReadAsNoCache)
{
    const QString cachePath = path("song.tbm");
    writeRaw(cachePath, GetParam().content);

    AnalysisCache::Lists lists;
    EXPECT_EQ(AnalysisCache::read(cachePath, lists), AnalysisCache::ReadStatus::Invalid);

    // Handing the lists over regardless still cannot fill a model.
    MetaData model;
    EXPECT_FALSE(model.setMetaDataFromFile(lists.data()));
    EXPECT_FALSE(model.metaDataValid);
}

INSTANTIATE_TEST_SUITE_P(
    Contents, BadCaches,
    ::testing::Values(
        BadCache{"empty", ""}, BadCache{"twoBytes", "AQI="}, BadCache{"lineFeedOnly", "\n"},
        BadCache{"checksumFails", withChangedCharacter(goodLine(), 30)},
        BadCache{"cutShort", goodLine().left(goodLine().size() / 2)},
        BadCache{"undecompressable", undecompressable()},
        BadCache{"scrambledNonsense", scrambledLine("hello world")},
        BadCache{"plainWithoutChordLists", "fileName: /a.mp3\rbeats: 0 512 1024 \rtempo: 120"},
        BadCache{"colonInsideAChord",
                 "fileName: /a.mp3\rbeats: 0 512 1024 \rchordVec1: C:7 G \rchordVecDetected1: C \rtempo: 120"},
        BadCache{"noTempo",
                 "fileName: /a.mp3\rbeats: 0 512 1024 \rchordVec1: C G \rchordVecDetected1: C \rtempo:"},
        BadCache{"oneBeat",
                 scrambledLine("fileName: /a.mp3\rbeats: 512 \rchordVec1: C \rchordVecDetected1: C "
                               "\rtempo: 120")},
        BadCache{"beatIsNoNumber",
                 scrambledLine("fileName: /a.mp3\rbeats: 0 x 1024 \rchordVec1: C G "
                               "\rchordVecDetected1: C \rtempo: 120")},
        BadCache{"binary", QByteArrayLiteral("\x00\x01\x02\xff\xfe:\x00:::")}),
    RowName());

} // namespace
