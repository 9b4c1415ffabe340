#include "FileRoutes.h"

#include "RowName.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

// Paths with "$T" stand in the test's temporary folder, where the files
// listed in `files` exist (a name ending in "/" is a folder).
enum class Entry { CommandLine, FileOpenEvent, Drop, Recent };

struct RouteCase
{
    const char* name;
    Entry entry;
    QStringList input; // command line: the arguments after the program
    FileKind kind;
    const char* opened;
    QStringList files;
};

class FileRouteTable : public ::testing::TestWithParam<RouteCase>
{
protected:
    QTemporaryDir temp;
    QString here(QString text) const { return text.replace("$T", temp.path()); }
};

TEST_P(FileRouteTable, ClassifiesAndOpensThePathAsGiven)
{
    const RouteCase& c = GetParam();
    for (const QString& file : c.files) {
        const QString path = here(file);
        if (path.endsWith('/')) {
            ASSERT_TRUE(QDir().mkpath(path));
        } else {
            QFile f(path);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        }
    }
    const QString previous = QDir::currentPath();
    QDir::setCurrent(temp.path());

    QStringList input;
    for (const QString& text : c.input)
        input << here(text);
    FileRoute route;
    switch (c.entry) {
    case Entry::CommandLine:
        route = FileRoutes::routeCommandLine(QStringList{"tonbrook"} + input);
        break;
    case Entry::FileOpenEvent:
        route = FileRoutes::routeFileOpenEvent(input.first());
        break;
    case Entry::Drop:
        route = FileRoutes::routeDrop(QUrl::fromLocalFile(input.first()));
        break;
    case Entry::Recent:
        route = FileRoutes::routeRecent(input.first());
        break;
    }
    QDir::setCurrent(previous);

    EXPECT_EQ(route.kind, c.kind);
    EXPECT_EQ(route.path, here(QString::fromUtf8(c.opened)));
}

const FileKind audio = FileKind::Audio;
const FileKind session = FileKind::Session;
const FileKind refused = FileKind::Refused;

INSTANTIATE_TEST_SUITE_P(
    Entries, FileRouteTable,
    ::testing::Values(
        // Command line.
        RouteCase{"command_line_nothing_named", Entry::CommandLine, {}, refused, "", {}},
        RouteCase{"command_line_name_split_at_its_blank",
                  Entry::CommandLine,
                  {"$T/My", "Song.mp3"},
                  audio,
                  "$T/My Song.mp3",
                  {"$T/My Song.mp3"}},
        RouteCase{"command_line_missing_name_split_at_its_blank",
                  Entry::CommandLine,
                  {"/music/My", "Song.mp3"},
                  audio,
                  "/music/My Song.mp3",
                  {}},
        RouteCase{"command_line_upper_case_extension_of_a_missing_file",
                  Entry::CommandLine,
                  {"/music/SONG.MP3"},
                  audio,
                  "/music/SONG.MP3",
                  {}},
        // What field recorders and other programs write, as the way in
        // gave it: the extension in any case.
        RouteCase{"command_line_upper_case_wav",
                  Entry::CommandLine,
                  {"$T/SONG.WAV"},
                  audio,
                  "$T/SONG.WAV",
                  {"$T/SONG.WAV"}},
        RouteCase{"command_line_mixed_case_mp3",
                  Entry::CommandLine,
                  {"$T/Take.Mp3"},
                  audio,
                  "$T/Take.Mp3",
                  {"$T/Take.Mp3"}},
        RouteCase{
            "command_line_flac", Entry::CommandLine, {"$T/take.flac"}, audio, "$T/take.flac", {"$T/take.flac"}},
        RouteCase{"command_line_no_extension_unsupported",
                  Entry::CommandLine,
                  {"$T/take"},
                  refused,
                  "$T/take",
                  {"$T/take"}},
        // No argument holds a ".": the joined path ends in a blank.
        RouteCase{"command_line_folder_unsupported",
                  Entry::CommandLine,
                  {"$T/takes"},
                  refused,
                  "$T/takes ",
                  {"$T/takes/"}},
        RouteCase{"command_line_upper_case_session",
                  Entry::CommandLine,
                  {"$T/PRACTICE.TB"},
                  session,
                  "$T/PRACTICE.TB",
                  {"$T/PRACTICE.TB"}},
        RouteCase{"command_line_percent_escape_of_a_missing_file",
                  Entry::CommandLine,
                  {"/music/My%20Song.mp3"},
                  audio,
                  "/music/My Song.mp3",
                  {}},
        RouteCase{"command_line_hash_in_an_existing_name",
                  Entry::CommandLine,
                  {"$T/take#2.wav"},
                  audio,
                  "$T/take#2.wav",
                  {"$T/take#2.wav"}},
        RouteCase{"command_line_percent_and_question_mark_in_a_name",
                  Entry::CommandLine,
                  {"$T/100% sure?.flac"},
                  audio,
                  "$T/100% sure?.flac",
                  {"$T/100% sure?.flac"}},
        RouteCase{"command_line_hash_ends_a_missing_path",
                  Entry::CommandLine,
                  {"/music/take#2.wav"},
                  refused,
                  "/music/take",
                  {}},
        RouteCase{"command_line_relative_name_made_absolute",
                  Entry::CommandLine,
                  {"song.ogg"},
                  audio,
                  "$T/song.ogg",
                  {"$T/song.ogg"}},
        RouteCase{"command_line_second_of_two_files",
                  Entry::CommandLine,
                  {"$T/notes", "$T/b.wav"},
                  audio,
                  "$T/b.wav",
                  {"$T/b.wav"}},
        RouteCase{"command_line_session",
                  Entry::CommandLine,
                  {"$T/practice.tb"},
                  session,
                  "$T/practice.tb",
                  {"$T/practice.tb"}},
        RouteCase{"command_line_cache_file_unsupported",
                  Entry::CommandLine,
                  {"$T/song.tbm"},
                  refused,
                  "$T/song.tbm",
                  {"$T/song.tbm"}},
        RouteCase{"command_line_session_named_folder",
                  Entry::CommandLine,
                  {"$T/folder.tb"},
                  refused,
                  "$T/folder.tb",
                  {"$T/folder.tb/"}},
        // Open-file events.
        RouteCase{"file_open_session", Entry::FileOpenEvent, {"/s/practice.tb"}, session, "/s/practice.tb", {}},
        RouteCase{
            "file_open_cache_file_is_no_session", Entry::FileOpenEvent, {"/s/song.tbm"}, audio, "/s/song.tbm", {}},
        RouteCase{"file_open_upper_case_session",
                  Entry::FileOpenEvent,
                  {"/s/PRACTICE.TB"},
                  session,
                  "/s/PRACTICE.TB",
                  {}},
        RouteCase{"file_open_tb_in_a_folder_name",
                  Entry::FileOpenEvent,
                  {"/s/set.tb/take.wav"},
                  audio,
                  "/s/set.tb/take.wav",
                  {}},
        // Drops: classified lower-cased with "/" separators, opened as given.
        RouteCase{"drop_upper_case_extension", Entry::Drop, {"/music/SONG.MP3"}, audio, "/music/SONG.MP3", {}},
        RouteCase{"drop_backslash_kept_in_the_opened_path",
                  Entry::Drop,
                  {"/music/a\\b.WAV"},
                  audio,
                  "/music/a\\b.WAV",
                  {}},
        RouteCase{"drop_upper_case_session", Entry::Drop, {"/s/Practice.TB"}, session, "/s/Practice.TB", {}},
        RouteCase{"drop_session_beats_an_audio_substring",
                  Entry::Drop,
                  {"/s/song.mp3.tb"},
                  session,
                  "/s/song.mp3.tb",
                  {}},
        RouteCase{"drop_cache_file_refused", Entry::Drop, {"/s/song.mp3.tbm"}, refused, "/s/song.mp3.tbm", {}},
        RouteCase{"drop_tb_in_a_folder_name_refused",
                  Entry::Drop,
                  {"/s/set.tb/notes.txt"},
                  refused,
                  "/s/set.tb/notes.txt",
                  {}},
        RouteCase{"drop_audio_substring_counts", Entry::Drop, {"/m/take.aif.txt"}, audio, "/m/take.aif.txt", {}},
        RouteCase{"drop_text_file_refused", Entry::Drop, {"/m/readme.txt"}, refused, "/m/readme.txt", {}},
        // Recent entries.
        RouteCase{"recent_upper_case_extension_opened_as_stored",
                  Entry::Recent,
                  {"/music/Song.MP3"},
                  audio,
                  "/music/Song.MP3",
                  {}},
        RouteCase{"recent_aif_opens_as_audio", Entry::Recent, {"/music/take.aif"}, audio, "/music/take.aif", {}},
        RouteCase{"recent_session", Entry::Recent, {"/s/Practice.Tb"}, session, "/s/Practice.Tb", {}},
        RouteCase{"recent_clear_action", Entry::Recent, {"&Clear Recent"}, refused, "&Clear Recent", {}},
        RouteCase{"recent_cache_file", Entry::Recent, {"/s/song.tbm"}, refused, "/s/song.tbm", {}}),
    RowName());

struct LowerCase
{
    const char* name;
    const char* path;
    const char* expected;
};

class ExtensionToLower : public ::testing::TestWithParam<LowerCase>
{
};

TEST_P(ExtensionToLower, LowerCasesEveryOccurrenceOfTheExtension)
{
    EXPECT_EQ(FileRoutes::extensionToLower(GetParam().path), QString(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(Paths, ExtensionToLower,
                         ::testing::Values(LowerCase{"plain", "/Music/Song.MP3", "/Music/Song.mp3"},
                                           LowerCase{"twice", "/a/B.MP3/c.MP3", "/a/B.mp3/c.mp3"},
                                           LowerCase{"no_dot", "/Music/SONG", "/music/song"},
                                           LowerCase{"already_lower", "/m/x.wav", "/m/x.wav"}),
                         RowName());

TEST(FileRoutes, ADragIsAcceptedWhenOneOfItsUrlsWouldOpen)
{
    const QUrl text = QUrl::fromLocalFile("/m/readme.txt");
    const QUrl song = QUrl::fromLocalFile("/m/SONG.FLAC");
    const QUrl cache = QUrl::fromLocalFile("/m/song.tbm");
    EXPECT_TRUE(FileRoutes::acceptsDrag({text, song}));
    EXPECT_TRUE(FileRoutes::acceptsDrag({QUrl::fromLocalFile("/s/Set.TB")}));
    EXPECT_FALSE(FileRoutes::acceptsDrag({text, cache}));
    EXPECT_FALSE(FileRoutes::acceptsDrag({}));
}

TEST(FileRoutes, OnlyARegularFileIsAFileToOpen)
{
    QTemporaryDir temp;
    const QString file = temp.filePath("take.wav");
    QFile(file).open(QIODevice::WriteOnly);
    const QString fifo = temp.filePath("pipe.wav");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString link = temp.filePath("link.wav");
    ASSERT_TRUE(QFile::link(file, link));

    EXPECT_TRUE(FileRoutes::isRegularFile(file));
    EXPECT_TRUE(FileRoutes::isRegularFile(link));
    EXPECT_FALSE(FileRoutes::isRegularFile(temp.path()));
    EXPECT_FALSE(FileRoutes::isRegularFile(fifo));
    EXPECT_FALSE(FileRoutes::isRegularFile("/dev/null"));
    EXPECT_FALSE(FileRoutes::isRegularFile(temp.filePath("missing.wav")));
    EXPECT_FALSE(FileRoutes::isRegularFile(""));
}

TEST(FileRoutes, TheCdDialogStartsInTheFirstRootHoldingATrack)
{
    QTemporaryDir temp;
    const QString empty = temp.filePath("empty");
    const QString notes = temp.filePath("notes");
    const QString disc = temp.filePath("disc");
    const QString other = temp.filePath("other disc");
    for (const QString& folder : {empty, notes, disc, other})
        ASSERT_TRUE(QDir().mkpath(folder));
    QFile(notes + "/liner.txt").open(QIODevice::WriteOnly);
    QDir().mkpath(notes + "/Track 1.aiff"); // a folder is no track
    QFile(disc + "/Track 01.AIFF").open(QIODevice::WriteOnly);
    QFile(other + "/Track 1.wav").open(QIODevice::WriteOnly);

    EXPECT_EQ(FileRoutes::cdStartFolder({empty, notes, disc, other}), disc);
    EXPECT_EQ(FileRoutes::cdStartFolder({other, disc}), other);
    EXPECT_EQ(FileRoutes::cdStartFolder({empty, notes, temp.filePath("gone")}), QString());
}

} // namespace
