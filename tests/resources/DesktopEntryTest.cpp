// The desktop entry offers Tonbrook for every kind of file the open dialog
// lists, by the MIME type the desktop gives such a file.
#include "RowName.h"

#include <QFile>
#include <QMimeDatabase>

#include <gtest/gtest.h>

namespace {

QStringList entryMimeTypes()
{
    QFile entry(QStringLiteral(DESKTOP_ENTRY));
    EXPECT_TRUE(entry.open(QIODevice::ReadOnly | QIODevice::Text));
    for (const QByteArray& line : entry.readAll().split('\n')) {
        if (line.startsWith("MimeType="))
            return QString::fromUtf8(line.mid(9)).split(QLatin1Char(';'), Qt::SkipEmptyParts);
    }
    return {};
}

struct ExtensionCase
{
    const char* name;
    const char* file;
};

class DesktopEntryTypes : public ::testing::TestWithParam<ExtensionCase>
{
};

TEST_P(DesktopEntryTypes, ListTheTypeOfEveryFormatTheOpenDialogOffers)
{
    const QMimeType type =
        QMimeDatabase().mimeTypeForFile(QString::fromLatin1(GetParam().file), QMimeDatabase::MatchExtension);
    ASSERT_TRUE(type.isValid());
    const QStringList listed = entryMimeTypes();
    QStringList names = type.aliases();
    names << type.name();
    bool found = false;
    for (const QString& name : names)
        found = found || listed.contains(name);
    EXPECT_TRUE(found) << type.name().toStdString() << " not in " << listed.join(' ').toStdString();
}

INSTANTIATE_TEST_SUITE_P(Formats, DesktopEntryTypes,
                         ::testing::Values(ExtensionCase{"wav", "take.wav"}, ExtensionCase{"ogg", "take.ogg"},
                                           ExtensionCase{"mp3", "take.mp3"}, ExtensionCase{"flac", "take.flac"},
                                           ExtensionCase{"wma", "take.wma"}, ExtensionCase{"m4a", "take.m4a"},
                                           ExtensionCase{"mp4", "take.mp4"}, ExtensionCase{"aac", "take.aac"},
                                           ExtensionCase{"aiff", "take.aiff"}, ExtensionCase{"aif", "take.aif"},
                                           ExtensionCase{"upper_case", "TAKE.WAV"}),
                         RowName());

} // namespace
