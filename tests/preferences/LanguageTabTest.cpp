#include "LanguageTab.h"
#include "FakePreferencesDialogs.h"
#include "PathsTab.h"
#include "PreferencesMenu.h"
#include "RowName.h"
#include "SettingsStore.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QPixmap>
#include <QPushButton>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

using Answer = PreferencesDialogs::RestartAnswer;

class LanguageTabTest : public ::testing::Test
{
protected:
    void storeLanguage(const QString& code)
    {
        const auto settings = SettingsStore::open();
        settings->setValue("Language/language", code);
    }

    QString stored(const char* key) const
    {
        return SettingsStore::open()->value(QString("Language/") + key).toString();
    }

    std::unique_ptr<LanguageTab> makePage()
    {
        auto page = std::make_unique<LanguageTab>(nullptr);
        page->setDialogs(&dialogs);
        page->setRelauncher([this] {
            events << "launch";
            return true;
        });
        QObject::connect(page.get(), &LanguageTab::writeSettings, [this] { events << "write"; });
        QObject::connect(page.get(), &LanguageTab::closeMainwindow, [this] { events << "close"; });
        page->show(); // laid out, so that the buttons take clicks
        return page;
    }

    void choose(LanguageTab& page, const char* code)
    {
        QTest::mouseClick(page.findChild<QAbstractButton*>(code), Qt::LeftButton);
    }
    void apply(LanguageTab& page) { QTest::mouseClick(page.findChild<QPushButton*>(), Qt::LeftButton); }

    QTemporaryDir temp;
    SettingsStore::Redirect store{temp.filePath("settings.ini")};
    FakePreferencesDialogs dialogs;
    QStringList events;
};

TEST_F(LanguageTabTest, SeventeenLanguagesInTheirOwnNamesWithFlags)
{
    auto page = makePage();
    const QList<QAbstractButton*> buttons = page->languageGroup->buttons();
    ASSERT_EQ(buttons.size(), 17);
    QSet<QString> codes;
    for (QAbstractButton* button : buttons) {
        SCOPED_TRACE(button->objectName().toStdString());
        codes.insert(button->objectName());
        EXPECT_FALSE(button->text().isEmpty());
        EXPECT_FALSE(button->icon().pixmap(16, 16).isNull());
    }
    EXPECT_EQ(codes.size(), 17);
    EXPECT_TRUE(page->languageGroup->exclusive());
    // The languages' own names, not a word that only looks like one.
    EXPECT_EQ(page->findChild<QAbstractButton*>("pl")->text(), "Polski");
    EXPECT_EQ(page->findChild<QAbstractButton*>("jp")->text(), QString::fromUtf8("日本語"));
    EXPECT_EQ(page->findChild<QAbstractButton*>("cn")->text(), QString::fromUtf8("中文"));
}

struct StoredCase
{
    const char* name;
    const char* stored;
    const char* checked;
};

class LanguageTabStored : public LanguageTabTest, public ::testing::WithParamInterface<StoredCase>
{
};

TEST_P(LanguageTabStored, StoredCodeIsChecked)
{
    const StoredCase& c = GetParam();
    if (c.stored)
        storeLanguage(QString::fromLatin1(c.stored));
    auto page = makePage();
    EXPECT_EQ(page->checkedCode(), QString::fromLatin1(c.checked));
    EXPECT_FALSE(page->changed);
}

INSTANTIATE_TEST_SUITE_P(Table, LanguageTabStored,
                         ::testing::Values(StoredCase{"nothing_stored", nullptr, "en"},
                                           StoredCase{"german", "de", "de"}, StoredCase{"hindi", "in", "in"},
                                           StoredCase{"unknown_code", "xx", "en"}),
                         RowName());

TEST_F(LanguageTabTest, ClickingEnglishWithNothingStoredIsAChange)
{
    auto page = makePage();
    choose(*page, "en");
    EXPECT_TRUE(page->changed);
}

TEST_F(LanguageTabTest, ClickingBackToTheStoredLanguageAsksNothing)
{
    storeLanguage("de");
    auto page = makePage();
    choose(*page, "fr");
    EXPECT_TRUE(page->changed);
    choose(*page, "de");
    EXPECT_FALSE(page->changed);
    apply(*page);
    EXPECT_TRUE(dialogs.log.isEmpty());
    EXPECT_TRUE(events.isEmpty());
}

TEST_F(LanguageTabTest, CancelStoresNothingAndKeepsTheClick)
{
    storeLanguage("de");
    auto page = makePage();
    choose(*page, "jp");
    dialogs.restartAnswers = {Answer::Cancel};
    apply(*page);
    EXPECT_EQ(dialogs.log,
              QStringList({"restart:Language Selection - Restart Required:Tonbrook must be restarted for "
                           "language change to take effect.:Relaunch Now:Cancel"}));
    EXPECT_EQ(stored("language"), "de");
    EXPECT_FALSE(SettingsStore::open()->contains("Language/change language"));
    EXPECT_TRUE(events.isEmpty());
    EXPECT_EQ(page->checkedCode(), "jp");
    EXPECT_FALSE(page->changed);
    // Until another language is clicked, Apply asks nothing.
    apply(*page);
    EXPECT_EQ(dialogs.log.size(), 1);
}

TEST_F(LanguageTabTest, BoxClosedOtherwiseStoresWithoutRelaunching)
{
    auto page = makePage();
    choose(*page, "kr");
    dialogs.restartAnswers = {Answer::Other};
    apply(*page);
    EXPECT_EQ(stored("language"), "kr");
    EXPECT_TRUE(events.isEmpty());
    // The page's own code stays the one it was built with.
    EXPECT_EQ(page->language, "");
}

TEST_F(LanguageTabTest, RelaunchWritesClosesThenLaunches)
{
    auto page = makePage();
    QObject::connect(page.get(), &LanguageTab::writeSettings,
                     [this] { events << "stored " + stored("language") + " " + stored("change language"); });
    choose(*page, "in");
    dialogs.restartAnswers = {Answer::RelaunchNow};
    apply(*page);
    EXPECT_EQ(events, QStringList({"write", "stored in true", "close", "launch"}));
}

// Through the dialog, as the main window wires it: the dialog's own
// connection to closeMainwindow() comes first.
class PreferencesLanguageTest : public LanguageTabTest
{
protected:
    void SetUp() override
    {
        dialog = std::make_unique<PreferencesMenu>(temp.filePath("data/Tonbrook"), nullptr, Qt::Window);
        dialog->setDialogs(&dialogs);
        dialog->languageTab->setRelauncher([this] {
            events << "launch";
            return true;
        });
        QObject::connect(dialog->languageTab, &LanguageTab::writeSettings,
                         [this] { events << "write " + stored("language"); });
        QObject::connect(dialog->languageTab, &LanguageTab::closeMainwindow,
                         [this] { events << QString("close, dialog shown: %1").arg(dialog->isVisible()); });
        QObject::connect(dialog.get(), &PreferencesMenu::updatePaths, [this] { events << "paths"; });
        dialog->show();
        QTest::mousePress(dialog->pathsTab->findChild<QWidget*>("alwaysOpenLabel"), Qt::LeftButton);
        choose(*dialog->languageTab, "fr");
        dialogs.restartAnswers = {Answer::RelaunchNow};
    }

    std::unique_ptr<PreferencesMenu> dialog;
};

TEST_F(PreferencesLanguageTest, ApplyOnThePageAppliesTheOtherPagesBeforeTheWindowCloses)
{
    apply(*dialog->languageTab);
    EXPECT_EQ(events, QStringList({"write fr", "paths", "close, dialog shown: 0", "launch"}));
}

TEST_F(PreferencesLanguageTest, OkAppliesEachPageOnce)
{
    QTest::mouseClick(dialog->buttonBox->button(QDialogButtonBox::Ok), Qt::LeftButton);
    EXPECT_EQ(events, QStringList({"paths", "write fr", "close, dialog shown: 0", "launch"}));
    EXPECT_FALSE(dialog->isVisible());
}

} // namespace
