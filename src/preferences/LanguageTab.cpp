#include "LanguageTab.h"

#include "OsPaths.h"
#include "PreferencesDialogs.h"
#include "SettingsStore.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QIcon>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

// Six codes are not the standard ones and are stored as they are: "dk",
// "se", "jp", "kr", "cn" and "in" (Hindi).
const LanguageTab::Language LanguageTab::languages[17] = {
    {"English", "en", ":/images/flags/gb.png"},    {"Français", "fr", ":/images/flags/fr.png"},
    {"Deutsch", "de", ":/images/flags/de.png"},    {"Italiano", "it", ":/images/flags/it.png"},
    {"Nederlands", "nl", ":/images/flags/nl.png"}, {"Dansk", "dk", ":/images/flags/dk.png"},
    {"Suomi", "fi", ":/images/flags/fi.png"},      {"Norsk", "no", ":/images/flags/no.png"},
    {"Português", "pt", ":/images/flags/pt.png"},  {"Español", "es", ":/images/flags/es.png"},
    {"Svenska", "se", ":/images/flags/se.png"},    {"Polski", "pl", ":/images/flags/pl.png"},
    {"Русский", "ru", ":/images/flags/ru.png"},    {"日本語", "jp", ":/images/flags/jp.png"},
    {"中文", "cn", ":/images/flags/cn.png"},       {"한국어", "kr", ":/images/flags/kr.png"},
    {"हिन्दी", "in", ":/images/flags/in.png"},
};

LanguageTab::LanguageTab(QWidget* parent)
    : QWidget(parent), dialogs_(PreferencesDialogs::qtDialogs()), relaunch_(&OsPaths::relaunchDetached)
{
    initWidgets();
    connect(applyButton_, &QPushButton::released, this, &LanguageTab::setLanguage);
    connect(languageGroup, qOverload<QAbstractButton*>(&QButtonGroup::buttonClicked), this,
            &LanguageTab::languageChanged);
    initLanguages();
}

void LanguageTab::setDialogs(PreferencesDialogs* newDialogs)
{
    dialogs_ = newDialogs;
}

void LanguageTab::setRelauncher(std::function<bool()> newRelaunch)
{
    relaunch_ = std::move(newRelaunch);
}

void LanguageTab::initWidgets()
{
    auto* group = new QGroupBox(tr("Select Language:"));
    auto* groupLayout = new QVBoxLayout(group);
    languageGroup = new QButtonGroup(this);
    QList<QRadioButton*> buttons;
    for (const Language& entry : languages) {
        auto* button = new QRadioButton(QString::fromUtf8(entry.displayName), group);
        button->setObjectName(QString::fromLatin1(entry.code));
        button->setIcon(QIcon(QString::fromLatin1(entry.flag)));
        groupLayout->addWidget(button);
        buttons << button;
    }
    applyButton_ = new QPushButton(tr("Apply"), group);
    groupLayout->addWidget(applyButton_, 1, Qt::AlignRight | Qt::AlignTop);
    buttons.first()->setChecked(true);
    for (QRadioButton* button : buttons)
        languageGroup->addButton(button);
    languageGroup->setExclusive(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(new QWidget, 1, Qt::AlignTop);
}

void LanguageTab::initLanguages()
{
    const auto settings = SettingsStore::open();
    settings->beginGroup(QStringLiteral("Language"));
    language = settings->value(QStringLiteral("language")).toString();
    for (QAbstractButton* button : languageGroup->buttons()) {
        if (button->objectName() == language) {
            button->setChecked(true);
            break;
        }
    }
    settings->endGroup();
}

QString LanguageTab::checkedCode() const
{
    const QAbstractButton* checked = languageGroup->checkedButton();
    return checked ? checked->objectName() : QString();
}

void LanguageTab::languageChanged(QAbstractButton* button)
{
    changed = button->objectName() != language;
}

void LanguageTab::setLanguage()
{
    if (!changed)
        return;
    const PreferencesDialogs::RestartAnswer answer = dialogs_->askRestart(
        tr("Language Selection - Restart Required"),
        tr("Tonbrook must be restarted for language change to take effect."), tr("Relaunch Now"), tr("Cancel"));
    changed = false;
    if (answer == PreferencesDialogs::RestartAnswer::Cancel)
        return;

    {
        const auto settings = SettingsStore::open();
        settings->beginGroup(QStringLiteral("Language"));
        settings->setValue(QStringLiteral("change language"), true);
        settings->setValue(QStringLiteral("language"), checkedCode());
        settings->endGroup();
        settings->sync();
    }
    if (answer != PreferencesDialogs::RestartAnswer::RelaunchNow)
        return;
    // The new instance starts only once this one has written its settings
    // and closed its window, so it reads what this one leaves behind.
    emit writeSettings();
    emit closeMainwindow();
    relaunch_();
}
