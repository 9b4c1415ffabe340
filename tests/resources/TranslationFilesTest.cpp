// The sixteen translation files as a musician reads them: every text of the
// code translated, none left empty or in English unless the word is the
// same in that language, and every placeholder, line break and menu
// accelerator of the source kept. The same holds for our translations of
// Qt's file dialog, for the languages whose Qt catalogue lacks it.
#include "RowName.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

namespace {

const char* const codes[] = {"cn", "de", "dk", "es", "fi", "fr", "in", "it",
                             "jp", "kr", "nl", "no", "pl", "pt", "ru", "se"};

// Debian ships no Qt catalogue for Hindi or Bokmål, and Swedish's comes from
// an older Qt: our files translate Qt's file dialog for these.
const char* const fileDialogCodes[] = {"in", "no", "se"};

// Translations that are rightly the source itself, each with its reason.
struct SameAsSource
{
    const char* code;
    const char* source;
    const char* reason;
};

const SameAsSource sameAsSource[] = {
    {"fr", "&Options", "the French menu is called Options"},
    {"it", "&File", "Italian menus call the file menu File"},
    {"nl", "&Help", "Dutch menus call the help menu Help"},
    {"fr", "Pause", "the French word is the same"},
    {"de", "Pause", "the German word is the same"},
    {"dk", "Pause", "the Danish word is the same"},
    {"no", "Pause", "the Norwegian word is the same"},
    {"es", "&No", "the Spanish word is the same"},
    {"it", "&No", "the Italian word is the same"},
    {"de", "FILTER", "the German word is the same"},
    {"dk", "FILTER", "the Danish word is the same"},
    {"nl", "FILTER", "the Dutch word is the same"},
    {"no", "FILTER", "the Norwegian word is the same"},
    {"se", "FILTER", "the Swedish word is the same"},
    {"no", "Type", "Norwegian file lists head the column Type"},
};

struct Message
{
    QString context;
    QString source;
    QString translation;
    QString type;
};

QList<Message> readMessages(const QString& path, QString* error)
{
    QList<Message> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = "cannot read " + path;
        return messages;
    }
    QXmlStreamReader xml(&file);
    QString context;
    Message current;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            current = Message{context, {}, {}, {}};
        } else if (xml.name() == QLatin1String("source")) {
            current.source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            current.type = xml.attributes().value("type").toString();
            current.translation = xml.readElementText();
            messages << current;
        }
    }
    if (xml.hasError())
        *error = path + ": " + xml.errorString();
    return messages;
}

QString translationsDir()
{
    return QStringLiteral(TRANSLATIONS_DIR);
}

QStringList sorted(QStringList list)
{
    list.sort();
    return list;
}

// What must come through translation unchanged: the placeholders %0 … %9
// (in any order), the "<br />" line breaks, the accelerator "&", and a file
// filter's patterns and ";;" separators (the export tells MP3 from WAV by
// the chosen filter's pattern).
QString keptMarks(const QString& text)
{
    QStringList marks;
    const QRegularExpression placeholder(QStringLiteral("%\\d"));
    for (auto it = placeholder.globalMatch(text); it.hasNext();)
        marks << it.next().captured();
    const QRegularExpression pattern(QStringLiteral("\\(\\*\\.[^)]*\\)"));
    for (auto it = pattern.globalMatch(text); it.hasNext();)
        marks << it.next().captured();
    marks = sorted(marks);
    marks << QString("filters:%1").arg(text.count(QStringLiteral(";;")));
    marks << QString("br:%1").arg(text.count(QStringLiteral("<br />")));
    marks << QString("amp:%1").arg(text.count(QLatin1Char('&')));
    return marks.join(' ');
}

struct FileCase
{
    std::string name;
    QString code;
    QString file;      // in the translations folder
    QString reference; // the file whose texts it holds
};

class TranslationFile : public ::testing::TestWithParam<FileCase>
{
};

TEST_P(TranslationFile, EveryEntryIsTranslatedAndKeepsItsMarks)
{
    const QString code = GetParam().code;
    QString error;
    const QList<Message> messages = readMessages(translationsDir() + "/" + GetParam().file, &error);
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();
    ASSERT_FALSE(messages.isEmpty());

    QSet<QString> allowed;
    for (const SameAsSource& entry : sameAsSource) {
        if (code == QLatin1String(entry.code))
            allowed.insert(QString::fromUtf8(entry.source));
    }

    QStringList problems;
    for (const Message& m : messages) {
        const QString where = "[" + m.context + "] \"" + m.source + "\": ";
        if (!m.type.isEmpty())
            problems << where + m.type;
        else if (m.translation.trimmed().isEmpty())
            problems << where + "empty";
        else if (m.translation == m.source && !allowed.contains(m.source))
            problems << where + "equal to its source";
        else if (keptMarks(m.translation) != keptMarks(m.source))
            problems << where + "\"" + m.translation + "\" changes " + keptMarks(m.source) + " into "
                    + keptMarks(m.translation);
    }
    EXPECT_TRUE(problems.isEmpty()) << problems.join('\n').toStdString();
}

// One set of texts for all of a kind: the coverage check reads one file
// for all of ours, and every language's file dialog reads whole.
TEST_P(TranslationFile, HoldsTheSameTextsAsTheOthersOfItsKind)
{
    QString error;
    auto keys = [&error](const QString& file) {
        QStringList list;
        for (const Message& m : readMessages(translationsDir() + "/" + file, &error))
            list << m.context + "|" + m.source;
        return sorted(list);
    };
    EXPECT_EQ(keys(GetParam().file), keys(GetParam().reference));
    EXPECT_TRUE(error.isEmpty()) << error.toStdString();
}

std::vector<FileCase> files()
{
    std::vector<FileCase> list;
    for (const char* code : codes) {
        const QString c = QString::fromLatin1(code);
        list.push_back({code, c, "tonbrook_" + c + ".ts", "tonbrook_de.ts"});
    }
    for (const char* code : fileDialogCodes) {
        const QString c = QString::fromLatin1(code);
        list.push_back({std::string("file_dialog_") + code, c, "qtbase_extra_" + c + ".ts", "qtbase_extra_in.ts"});
    }
    return list;
}

INSTANTIATE_TEST_SUITE_P(Table, TranslationFile, ::testing::ValuesIn(files()), RowName());

TEST(TranslationFiles, ExactlyOnePerTranslatedLanguageAndOneForEachFileDialog)
{
    QStringList expected;
    for (const char* code : codes)
        expected << QString("tonbrook_%1.ts").arg(code);
    for (const char* code : fileDialogCodes)
        expected << QString("qtbase_extra_%1.ts").arg(code);
    EXPECT_EQ(sorted(QDir(translationsDir()).entryList({"*.ts"}, QDir::Files)), sorted(expected));
}

TEST(TranslationFiles, EveryAllowedSameTextExists)
{
    // An allow-list entry whose text left the code would hide nothing, but
    // would go on vouching for a text no one reads.
    for (const SameAsSource& entry : sameAsSource) {
        QString error;
        bool found = false;
        for (const QString& file : QDir(translationsDir()).entryList({QString("*_%1.ts").arg(entry.code)})) {
            for (const Message& m : readMessages(translationsDir() + "/" + file, &error))
                found = found || m.source == QString::fromUtf8(entry.source);
        }
        EXPECT_TRUE(found) << entry.code << " " << entry.source;
    }
}

} // namespace
