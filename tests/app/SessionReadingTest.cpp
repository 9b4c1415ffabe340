// Reading a session file safely: only regular files of bounded size, only
// well-formed and shallow documents whose root is `tbxml`.
#include "SessionReading.h"
#include "RowName.h"
#include "SessionDocument.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>

#include <sys/stat.h>

namespace {

using session::ReadStatus;

struct FileCase
{
    const char* name;
    // Makes the thing to read inside dir; returns its path.
    std::function<QString(const QTemporaryDir& dir)> make;
    ReadStatus status;
    int bytes;
};

class SessionFileReading : public ::testing::TestWithParam<FileCase>
{
};

QString fileOf(const QTemporaryDir& dir, qint64 size)
{
    QString path = dir.filePath("s.tb");
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(int(size), 'x'));
    return path;
}

TEST_P(SessionFileReading, OnlyRegularFilesWithinTheLimit)
{
    const FileCase c = GetParam();
    QTemporaryDir dir;
    QByteArray bytes("stale");
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(session::readFile(c.make(dir), bytes), c.status);
    EXPECT_EQ(bytes.size(), c.bytes);
    // A FIFO without a writer or an endless device must not hold the window.
    EXPECT_LT(clock.elapsed(), 5000);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SessionFileReading,
    ::testing::Values(
        FileCase{"regular_file", [](const QTemporaryDir& d) { return fileOf(d, 300); }, ReadStatus::Ok, 300},
        FileCase{"empty_file", [](const QTemporaryDir& d) { return fileOf(d, 0); }, ReadStatus::Ok, 0},
        FileCase{"at_the_limit", [](const QTemporaryDir& d) { return fileOf(d, session::maxFileBytes); },
                 ReadStatus::Ok, int(session::maxFileBytes)},
        FileCase{"past_the_limit", [](const QTemporaryDir& d) { return fileOf(d, session::maxFileBytes + 1); },
                 ReadStatus::TooLarge, 0},
        FileCase{"missing", [](const QTemporaryDir& d) { return d.filePath("none.tb"); }, ReadStatus::NotAFile, 0},
        FileCase{"empty_path", [](const QTemporaryDir&) { return QString(); }, ReadStatus::NotAFile, 0},
        FileCase{"folder", [](const QTemporaryDir& d) { return d.path(); }, ReadStatus::NotAFile, 0},
        FileCase{"fifo_without_writer",
                 [](const QTemporaryDir& d) {
                     QString path = d.filePath("fifo.tb");
                     EXPECT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
                     return path;
                 },
                 ReadStatus::NotAFile, 0},
        FileCase{"endless_device", [](const QTemporaryDir&) { return QStringLiteral("/dev/zero"); },
                 ReadStatus::NotAFile, 0},
        FileCase{"link_to_a_file",
                 [](const QTemporaryDir& d) {
                     const QString target = fileOf(d, 10);
                     QFile::link(target, d.filePath("link.tb"));
                     return d.filePath("link.tb");
                 },
                 ReadStatus::Ok, 10}),
    RowName());

struct ParseCase
{
    const char* name;
    QByteArray bytes;
    ReadStatus status;
};

class SessionParsing : public ::testing::TestWithParam<ParseCase>
{
};

TEST_P(SessionParsing, AcceptsOnlyShallowWellFormedSessions)
{
    const ParseCase c = GetParam();
    QDomDocument doc;
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(session::parse(c.bytes, doc), c.status);
    EXPECT_LT(clock.elapsed(), 5000);
}

QByteArray nested(int depth)
{
    return "<tbxml>" + QByteArray("<a>").repeated(depth - 1) + QByteArray("</a>").repeated(depth - 1) + "</tbxml>";
}

QByteArray utf16(const QString& text)
{
    QByteArray bytes("\xff\xfe", 2);
    bytes.append(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    return bytes;
}

const QByteArray laughs =
    "<!DOCTYPE TBXML [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\">"
    "<!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;\"><!ENTITY d \"&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;\">"
    "<!ENTITY e \"&d;&d;&d;&d;&d;&d;&d;&d;&d;&d;\"><!ENTITY f \"&e;&e;&e;&e;&e;&e;&e;&e;&e;&e;\">]>"
    "<tbxml><fileName>&f;</fileName></tbxml>";

INSTANTIATE_TEST_SUITE_P(
    Table, SessionParsing,
    ::testing::Values(
        ParseCase{"as_written", session::toXml(SessionState()), ReadStatus::Ok},
        ParseCase{"empty_root", "<tbxml/>", ReadStatus::Ok},
        ParseCase{"byte_order_mark", "\xef\xbb\xbf<!DOCTYPE TBXML><tbxml/>", ReadStatus::Ok},
        ParseCase{"utf16", utf16(QString::fromUtf8("<tbxml><fileName>ü</fileName></tbxml>")), ReadStatus::Ok},
        ParseCase{"nothing", "", ReadStatus::NotXml}, ParseCase{"text", "not a session", ReadStatus::NotXml},
        ParseCase{"cut_short", "<!DOCTYPE TBXML><tbxml><fileName>/a", ReadStatus::NotXml},
        ParseCase{"control_character", "<tbxml><fileName>/a\x01</fileName></tbxml>", ReadStatus::NotXml},
        ParseCase{"root_in_capitals", "<!DOCTYPE TBXML><TBXML/>", ReadStatus::NotASession},
        ParseCase{"another_root", "<session/>", ReadStatus::NotASession},
        ParseCase{"deepest_accepted", nested(session::maxDepth), ReadStatus::Ok},
        ParseCase{"one_level_too_deep", nested(session::maxDepth + 1), ReadStatus::TooDeep},
        ParseCase{"very_deep", nested(300000), ReadStatus::TooDeep},
        ParseCase{"entity_expansion", laughs, ReadStatus::NotXml}),
    RowName());

TEST(SessionParsing, ExternalEntityIsNeverFetched)
{
    QTemporaryDir dir;
    const QString secret = dir.filePath("secret");
    QFile file(secret);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("secret");
    file.close();
    const QByteArray bytes = "<!DOCTYPE TBXML [<!ENTITY x SYSTEM \"file://" + QFile::encodeName(secret)
        + "\">]><tbxml><fileName>&x;</fileName></tbxml>";
    QDomDocument doc;
    session::parse(bytes, doc);
    EXPECT_FALSE(doc.documentElement().firstChildElement("fileName").text().contains("secret"));
}

} // namespace
