#include "Startup.h"
#include "RowName.h"

#include <gtest/gtest.h>

namespace {

struct LanguageCase
{
    const char* name;
    const char* stored;
    QLocale::Language system;
    const char* expected;
};

class StartupLanguage : public ::testing::TestWithParam<LanguageCase>
{
};

TEST_P(StartupLanguage, StoredCodeWinsOverTheSystemLocale)
{
    const LanguageCase c = GetParam();
    EXPECT_EQ(languageCodeFor(QString::fromLatin1(c.stored), c.system), QString::fromLatin1(c.expected));
}

INSTANTIATE_TEST_SUITE_P(Table, StartupLanguage,
                         ::testing::Values(LanguageCase{"german_locale", "", QLocale::German, "de"},
                                           LanguageCase{"english_locale", "", QLocale::English, ""},
                                           LanguageCase{"greek_locale_not_in_table", "", QLocale::Greek, ""},
                                           LanguageCase{"stored_english_beats_french", "en", QLocale::French,
                                                        "en"},
                                           LanguageCase{"stored_german_any_locale", "de", QLocale::Japanese, "de"},
                                           LanguageCase{"unknown_stored_code_kept", "xx", QLocale::German, "xx"},
                                           LanguageCase{"hindi_locale", "", QLocale::Hindi, "in"},
                                           LanguageCase{"norwegian_bokmal", "", QLocale::NorwegianBokmal, "no"},
                                           LanguageCase{"chinese", "", QLocale::Chinese, "cn"}),
                         RowName());

TEST(Startup, EnvironmentReplacesTheUsersLoggingRules)
{
    qputenv("QT_LOGGING_RULES", "*.debug=true");
    setStartupEnvironment();
    EXPECT_EQ(qgetenv("QT_LOGGING_RULES"), QByteArray("qt.network.ssl.warning=false"));
}

TEST(Startup, SaveLocationIsTheDataFolderWithoutApplicationFolders)
{
    // Taken before any application name exists.
    EXPECT_FALSE(saveLocation.isEmpty());
    EXPECT_FALSE(saveLocation.endsWith("/Tonbrook"));
    EXPECT_FALSE(saveLocation.contains("Halvarine"));
}

} // namespace
