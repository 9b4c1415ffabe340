// The compiled-in translations as start-up installs them: each loads from
// the path start-up reads and translates the menus and the waveform, and
// Qt's own translation comes beside ours where Debian has one; the standard
// buttons and the file dialog read in the language either way.
#include "RowName.h"
#include "Startup.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QPushButton>
#include <QTranslator>

#include <gtest/gtest.h>

namespace {

struct CodeCase
{
    std::string name;
    QString code;
};

std::vector<CodeCase> translatedCodes()
{
    std::vector<CodeCase> list;
    for (const QString& code : translatedLanguageCodes())
        list.push_back({code.toStdString(), code});
    return list;
}

class Translation : public ::testing::TestWithParam<CodeCase>
{
};

TEST_P(Translation, LoadsByStartupsPathAndTranslatesMenusAndWaveform)
{
    QTranslator translator;
    ASSERT_TRUE(translator.load(":/translations/tonbrook_" + GetParam().code + ".qm"));
    for (const auto& [context, source] :
         {std::pair{"MainWindow", "&Open Audio File..."}, std::pair{"PlotSelection", "BEATS"},
          std::pair{"ShortcutsTab", "Play/Stop"}}) {
        const QString translated = translator.translate(context, source);
        EXPECT_FALSE(translated.isEmpty()) << context << " " << source;
        EXPECT_NE(translated, QString::fromLatin1(source)) << context;
    }
}

INSTANTIATE_TEST_SUITE_P(Table, Translation, ::testing::ValuesIn(translatedCodes()), RowName());

struct InstallCase
{
    std::string name;
    QString code;
    int installed;
    bool buttonsTranslated;    // the standard buttons read in the language
    bool fileDialogTranslated; // and the file dialog's labels
};

class Translators : public ::testing::TestWithParam<InstallCase>
{
};

TEST_P(Translators, OursAndQtsOwnWhereThereIsOne)
{
    const InstallCase& c = GetParam();
    const QList<QTranslator*> installed = installTranslators(c.code);
    QDialogButtonBox box(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    const QString cancel = box.button(QDialogButtonBox::Cancel)->text();
    const QString menu = QCoreApplication::translate("MainWindow", "&Open Audio File...");
    const QString lookIn = QCoreApplication::translate("QFileDialog", "Look in:");
    const QString type = QCoreApplication::translate("QFileDialog", "Files of type:");
    for (QTranslator* translator : installed) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    EXPECT_EQ(installed.size(), c.installed);
    EXPECT_EQ(cancel != "&Cancel" && cancel != "Cancel", c.buttonsTranslated) << cancel.toStdString();
    EXPECT_EQ(menu != "&Open Audio File...", c.installed > 0);
    EXPECT_EQ(lookIn != "Look in:" && type != "Files of type:", c.fileDialogTranslated) << lookIn.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Table, Translators,
    ::testing::Values(
        InstallCase{"german", "de", 2, true, true}, InstallCase{"japanese", "jp", 2, true, true},
        InstallCase{"portuguese_of_portugal", "pt", 2, true, true},
        InstallCase{"swedish_qt_lacks_the_buttons_and_half_the_file_dialog_ours_has_them", "se", 3, true, true},
        InstallCase{"hindi_has_no_qt_translation_ours_has_the_buttons_and_file_dialog", "in", 2, true, true},
        InstallCase{"bokmal_has_no_qt_translation_ours_has_the_buttons_and_file_dialog", "no", 2, true, true},
        InstallCase{"english_needs_none", "en", 0, false, false},
        InstallCase{"none_stored_none_found", "", 0, false, false}),
    RowName());

TEST(Translators, EveryTranslatedCodeHasAFile)
{
    for (const QString& code : translatedLanguageCodes())
        EXPECT_TRUE(QFile::exists(":/translations/tonbrook_" + code + ".qm")) << code.toStdString();
    EXPECT_FALSE(QFile::exists(":/translations/tonbrook_en.qm")) << "English is built in";
}

} // namespace
