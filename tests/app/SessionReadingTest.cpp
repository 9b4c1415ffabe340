// Reading a session file safely: only regular files of bounded size, only
// well-formed and shallow documents whose root is `tbxml`, without markup
// declarations and within the bounds on nodes, attributes and namespaces.
#include "SessionReading.h"
#include "HostileSessions.h"
#include "RowName.h"
#include "SessionDocument.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <string>
#include <vector>

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

QByteArray utf16WithMark(const QByteArray& latin)
{
    return utf16(QString::fromLatin1(latin));
}

// A leaf of `chars` characters, written out or as references to "&".
QByteArray leafOf(int chars, bool asReferences = false)
{
    return "<tbxml><fileName>" + QByteArray(asReferences ? "&amp;" : "x").repeated(chars) + "</fileName></tbxml>";
}

// A root holding `count` elements (itself included).
QByteArray elements(int count)
{
    return "<tbxml>" + QByteArray("<a/>").repeated(count - 1) + "</tbxml>";
}

const QByteArray entity = "<!ENTITY e \"1\">";

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
        // As deep as a file within the size bound can be.
        ParseCase{"very_deep", nested(140000), ReadStatus::TooDeep},
        ParseCase{"declaration_and_comment_before_the_type",
                  "<?xml version=\"1.0\" encoding=\"UTF-8\"?><!-- saved --><!DOCTYPE TBXML>\n<tbxml/>",
                  ReadStatus::Ok},
        // Anything after the type's name is refused before an XML reader
        // sees it; the writer never writes it.
        ParseCase{"one_entity_used_once", hostile::entityReferences(10, 1), ReadStatus::DocumentType},
        ParseCase{"one_entity_used_in_the_file_name", hostile::entityReferences(10, 1, "fileName"),
                  ReadStatus::DocumentType},
        ParseCase{"nested_entities", hostile::nestedEntities(), ReadStatus::DocumentType},
        ParseCase{"parameter_entities_in_the_subset", hostile::parameterEntities(1000), ReadStatus::DocumentType},
        ParseCase{"empty_subset", "<!DOCTYPE TBXML []><tbxml/>", ReadStatus::DocumentType},
        ParseCase{"external_type", "<!DOCTYPE TBXML SYSTEM \"tb.dtd\"><tbxml/>", ReadStatus::DocumentType},
        ParseCase{"type_after_a_comment", "<!-- x --><!DOCTYPE TBXML [<!ENTITY e \"1\">]><tbxml>&e;</tbxml>",
                  ReadStatus::DocumentType},
        ParseCase{"type_in_utf16", utf16WithMark(hostile::entityReferences(10, 1)), ReadStatus::DocumentType},
        ParseCase{"type_in_a_declared_encoding",
                  "<?xml version='1.0' encoding='ISO-8859-1'?><!DOCTYPE TBXML [<!ENTITY e \"\xe9\">]><tbxml/>",
                  ReadStatus::DocumentType},
        ParseCase{"declared_encoding_read", "<?xml version='1.0' encoding='ISO-8859-1'?><tbxml>\xe9</tbxml>",
                  ReadStatus::Ok},
        ParseCase{"unknown_declared_encoding", "<?xml version='1.0' encoding='x-none'?><tbxml/>",
                  ReadStatus::NotXml},
        // Every value within the bound, counted as expanded.
        ParseCase{"value_at_the_bound", leafOf(session::maxFieldChars), ReadStatus::Ok},
        ParseCase{"value_past_the_bound", leafOf(session::maxFieldChars + 1), ReadStatus::FieldTooLong},
        ParseCase{"references_past_the_bound", leafOf(session::maxFieldChars + 1, true), ReadStatus::FieldTooLong},
        ParseCase{"value_in_pieces_past_the_bound",
                  "<tbxml><fileName>" + QByteArray(3000, 'x') + "<![CDATA[" + QByteArray(3000, 'y')
                      + "]]></fileName></tbxml>",
                  ReadStatus::FieldTooLong},
        ParseCase{"attribute_past_the_bound",
                  "<tbxml><riffsTab><riff id=\"" + QByteArray(session::maxFieldChars + 1, '1')
                      + "\"/></riffsTab></tbxml>",
                  ReadStatus::FieldTooLong},
        // Any other markup declaration, wherever it stands outside comments
        // and CDATA sections, is refused before a reader sees it.
        ParseCase{"second_plain_type", "<!DOCTYPE TBXML><!DOCTYPE TBXML><tbxml/>", ReadStatus::DocumentType},
        ParseCase{"type_in_lower_case", "<!doctype TBXML><tbxml/>", ReadStatus::DocumentType},
        ParseCase{"entity_in_the_root", "<tbxml>" + entity + "</tbxml>", ReadStatus::DocumentType},
        ParseCase{"entity_after_the_root", "<tbxml/>" + entity, ReadStatus::DocumentType},
        ParseCase{"element_declaration", "<tbxml><!ELEMENT tbxml ANY></tbxml>", ReadStatus::DocumentType},
        ParseCase{"attribute_list_declaration", "<tbxml><!ATTLIST a b CDATA \"1\"></tbxml>",
                  ReadStatus::DocumentType},
        ParseCase{"notation_declaration", "<tbxml><!NOTATION n SYSTEM \"n\"></tbxml>", ReadStatus::DocumentType},
        ParseCase{"conditional_section", "<tbxml><![INCLUDE[" + entity + "]]></tbxml>", ReadStatus::DocumentType},
        ParseCase{"entity_after_a_value_holding_the_end_of_a_tag", "<tbxml a=\"/>\">" + entity + "</tbxml>",
                  ReadStatus::DocumentType},
        ParseCase{"type_in_the_root_in_utf16", utf16WithMark(hostile::withSecondType("root", 30000)),
                  ReadStatus::DocumentType},
        ParseCase{"declaration_in_a_comment", "<tbxml><!-- <!DOCTYPE TBXML [" + entity + "]> --></tbxml>",
                  ReadStatus::Ok},
        ParseCase{"declaration_in_cdata", "<tbxml><fileName><![CDATA[" + entity + "]]></fileName></tbxml>",
                  ReadStatus::Ok},
        ParseCase{"declaration_in_an_instruction", "<tbxml><?note " + entity + "?></tbxml>", ReadStatus::Ok},
        // What cannot be followed is refused as not well-formed.
        ParseCase{"declaration_in_a_value", "<tbxml a=\"" + entity + "\"/>", ReadStatus::NotXml},
        ParseCase{"cdata_before_the_root", "<![CDATA[<!DOCTYPE TBXML [" + entity + "]>]]><tbxml/>",
                  ReadStatus::NotXml},
        ParseCase{"type_within_an_end_tag", "<tbxml></tbxml <!DOCTYPE TBXML [" + entity + "]>",
                  ReadStatus::NotXml},
        ParseCase{"comment_never_closed", "<tbxml><!-- " + entity + "</tbxml>", ReadStatus::NotXml},
        ParseCase{"undeclared_entity_in_a_value", "<tbxml><riffsTab><riff id=\"&e;\"/></riffsTab></tbxml>",
                  ReadStatus::NotXml},
        // The bounds on what a document holds, and on its size.
        ParseCase{"nodes_at_the_bound", elements(session::maxNodes), ReadStatus::Ok},
        ParseCase{"one_node_too_many", elements(session::maxNodes + 1), ReadStatus::TooManyNodes},
        ParseCase{"attributes_at_the_bound", hostile::rootAttributes(session::maxAttributes), ReadStatus::Ok},
        ParseCase{"one_attribute_too_many", hostile::rootAttributes(session::maxAttributes + 1),
                  ReadStatus::TooManyAttributes},
        ParseCase{"namespaces_at_the_bound", hostile::rootAttributes(session::maxNamespaceDeclarations, "xmlns:"),
                  ReadStatus::Ok},
        ParseCase{"one_namespace_too_many",
                  hostile::rootAttributes(session::maxNamespaceDeclarations + 1, "xmlns:"),
                  ReadStatus::TooManyNamespaces},
        ParseCase{"past_the_size_bound", hostile::written().leftJustified(int(session::maxFileBytes) + 1, ' '),
                  ReadStatus::TooLarge}),
    RowName());

// The hostile sessions, each refused before any reader runs: nothing is
// expanded and no quadratic count is made.
class HostileSessionParsing : public ::testing::TestWithParam<hostile::Session>
{
};

TEST_P(HostileSessionParsing, IsRefusedUnread)
{
    const hostile::Session& c = GetParam();
    const QByteArray bytes = c.make();
    ASSERT_LE(bytes.size(), session::maxFileBytes) << "a file the reader reads";
    QDomDocument doc;
    EXPECT_EQ(session::parse(bytes, doc), c.status);
    EXPECT_TRUE(doc.documentElement().isNull());
}

INSTANTIATE_TEST_SUITE_P(Table, HostileSessionParsing, ::testing::ValuesIn(hostile::sessions()), RowName());

// Every value away from its start, numbers at their widest, the longest
// path a value may hold, made of characters the document escapes.
SessionState widest()
{
    SessionState s;
    s.fileName = QString::fromUtf8("/&<>\"'\xc3\xbc")
                     .repeated(session::maxFieldChars / 7)
                     .leftJustified(session::maxFieldChars, QLatin1Char('&'));
    s.looped = true;
    s.loopStart = s.loopEnd = s.loopStartFrame = s.loopEndFrame = s.playbackPos = INT_MIN;
    s.currentTab = INT_MIN;
    s.volume = -1.17549e-38f;
    s.tempo = {-1e9f, -1e9f, INT_MIN, true};
    s.pitch = {-1.17549e-38f, -1e9f, INT_MIN, true};
    s.sourceSep = {INT_MIN, INT_MIN, INT_MIN, true, INT_MIN, true, true};
    s.chords = {INT_MIN, INT_MIN, INT_MIN, INT_MIN, INT_MIN, INT_MIN};
    s.jamPower = true;
    s.currentRiff = s.beatOffset = s.songLength = s.songLengthMax = INT_MIN;
    for (SessionRiff& riff : s.riffs) {
        riff.riffLength = riff.riffLengthMax = INT_MIN;
        for (SessionStep& step : riff.steps)
            step = {INT_MIN, INT_MIN, INT_MIN, INT_MIN, -1.17549e-38f, -1.17549e-38f};
    }
    s.song.fill(INT_MIN);
    s.zoomCentre = -1e9f;
    s.zoomFactor = -1.17549e-38f;
    return s;
}

struct StoredCase
{
    std::string name;
    QByteArray bytes;
};

class StoredSessionParsing : public ::testing::TestWithParam<StoredCase>
{
};

TEST_P(StoredSessionParsing, StillReads)
{
    QDomDocument doc;
    EXPECT_EQ(session::parse(GetParam().bytes, doc), ReadStatus::Ok);
    EXPECT_EQ(doc.documentElement().tagName(), "tbxml");
}

// Every file of the test data and what the writer makes of a state just
// started and of the widest state.
std::vector<StoredCase> storedSessions()
{
    std::vector<StoredCase> cases = {{"written_at_start", session::toXml(SessionState())},
                                     {"written_widest", session::toXml(widest())}};
    const QDir data(QStringLiteral(SESSION_TEST_DATA));
    for (const QString& name : data.entryList(QDir::Files)) {
        QFile file(data.filePath(name));
        file.open(QIODevice::ReadOnly);
        cases.push_back(
            {"data_" + QString(name).replace(QRegularExpression("\\W"), "_").toStdString(), file.readAll()});
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Table, StoredSessionParsing, ::testing::ValuesIn(storedSessions()), RowName());

// 300 000 references to an entity of 4 097 characters in a file under
// 1 MB stand for 1.2 G characters: the reader must refuse the file from
// its prolog, never holding more than the file and one value's bound.
TEST(SessionParsing, ManyReferencesAreRefusedUnexpanded)
{
    for (const char* element : {"beatOffset", "fileName"}) {
        const QByteArray bytes = hostile::entityReferences(4097, 300000, element);
        ASSERT_LE(bytes.size(), session::maxFileBytes) << "a file the reader reads";
        QDomDocument doc;
        EXPECT_EQ(session::parse(bytes, doc), ReadStatus::DocumentType) << element;
        EXPECT_TRUE(doc.documentElement().isNull()) << element;
    }
}

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
