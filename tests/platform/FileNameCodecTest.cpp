#include "FileNameCodec.h"
#include "OsPaths.h"
#include "RowName.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextCodec>
#include <QUrl>

#include <gtest/gtest.h>

#include <random>

namespace {

// The codec as the application has it, for one test.
class FileNameCodecTest : public ::testing::Test
{
protected:
    QTextCodec* previous = QTextCodec::codecForLocale();
    void SetUp() override { FileNameCodec::install(); }
    void TearDown() override { QTextCodec::setCodecForLocale(previous); }
};

struct NameCase
{
    const char* name;
    QByteArray bytes;
    bool utf8; // reads as Qt's UTF-8 codec reads it
};

std::ostream& operator<<(std::ostream& os, const NameCase& c)
{
    return os << c.name;
}

class FileNameRoundTrip : public FileNameCodecTest, public ::testing::WithParamInterface<NameCase>
{
};

TEST_P(FileNameRoundTrip, DecodingThenEncodingGivesTheSameBytes)
{
    const NameCase& c = GetParam();
    const QString name = QFile::decodeName(c.bytes);
    EXPECT_EQ(QFile::encodeName(name), c.bytes);
    if (c.utf8)
        EXPECT_EQ(name, QString::fromUtf8(c.bytes));
    else
        EXPECT_FALSE(name.contains(QChar::ReplacementCharacter)) << "no byte is lost to U+FFFD";
}

INSTANTIATE_TEST_SUITE_P(Names, FileNameRoundTrip,
                         ::testing::Values(NameCase{"ascii", "/music/song.wav", true},
                                           NameCase{"two_byte",
                                                    "/m\xc3\xba"
                                                    "sica/caf\xc3\xa9.wav",
                                                    true},
                                           NameCase{"three_and_four_byte",
                                                    "/\xe6\x97\xa5\xe6\x9c\xac/\xf0\x9f\x8e\xb8.mp3", true},
                                           NameCase{"latin1_e_acute", "/music/caf\xe9.wav", false},
                                           NameCase{"stray_continuation", "/a\x80\xbf.wav", false},
                                           NameCase{"overlong_slash", "/a\xc0\xaf.wav", false},
                                           NameCase{"encoded_surrogate", "/a\xed\xa0\x80.wav", false},
                                           NameCase{"beyond_unicode", "/a\xf4\x90\x80\x80.wav", false},
                                           NameCase{"cut_short_at_end", "/a.wav\xe6\x97", false},
                                           NameCase{"lead_then_ascii", "/a\xc3(.wav", false}),
                         RowName());

TEST_F(FileNameCodecTest, AnyBytesRoundTrip)
{
    std::mt19937 random(7);
    std::uniform_int_distribution<int> byte(1, 255);
    for (int n = 0; n < 2000; ++n) {
        QByteArray bytes(1 + n % 12, '\0');
        for (char& b : bytes)
            b = char(byte(random));
        ASSERT_EQ(QFile::encodeName(QFile::decodeName(bytes)), bytes) << bytes.toHex().constData();
    }
}

TEST_F(FileNameCodecTest, ASurrogatePairSplitBetweenPiecesOfAStreamEncodesWhole)
{
    QTextEncoder encoder(FileNameCodec::codec());
    const QString pair = QString::fromUtf8("\xf0\x9f\x8e\xb8");
    QByteArray encoded = encoder.fromUnicode(pair.left(1));
    encoded += encoder.fromUnicode(pair.mid(1));
    EXPECT_EQ(encoded, QByteArray("\xf0\x9f\x8e\xb8"));
}

TEST_F(FileNameCodecTest, AFileWhoseNameIsNoUtf8IsFoundListedAndOpened)
{
    QTemporaryDir temp;
    const QByteArray raw = QFile::encodeName(temp.path()) + "/caf\xe9.wav";
    // A UTF-8 name cut short within its last character, as tools that
    // shorten names to 255 bytes leave it.
    const QByteArray cut = QFile::encodeName(temp.path()) + "/\xe6\x97\xa5\xe6\x97";
    for (const QByteArray& bytes : {raw, cut}) {
        FILE* file = std::fopen(bytes.constData(), "w");
        ASSERT_NE(file, nullptr);
        std::fputs("x", file);
        std::fclose(file);
    }

    const QString name = QFile::decodeName(raw);
    EXPECT_TRUE(QFileInfo(name).isFile());
    // The listing is what the file dialog shows.
    QStringList listed;
    for (const QFileInfo& entry : QDir(temp.path()).entryInfoList(QDir::Files, QDir::Name))
        listed << entry.absoluteFilePath();
    EXPECT_EQ(listed, (QStringList{name, QFile::decodeName(cut)}));
    QFile opened(listed.value(0));
    EXPECT_TRUE(opened.open(QIODevice::ReadOnly));

    // A file manager drops it as a URL of the percent-encoded bytes.
    const QUrl dropped = QUrl::fromEncoded("file://" + raw.toPercentEncoding("/"));
    EXPECT_EQ(OsPaths::localPathFromUrl(dropped), name);
}

} // namespace
