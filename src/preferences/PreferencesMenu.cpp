#include "PreferencesMenu.h"

#include "DevicesTab.h"
#include "LanguageTab.h"
#include "PathsTab.h"
#include "ShortcutsTab.h"

#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int minimumDialogWidth = 395;
// Beyond the tab titles: the page frame's edges.
constexpr int tabTitleMarginPx = 8;

struct Page
{
    const char* actionName;
    int index;
};

const Page pages[] = {{"device", 0}, {"paths", 1}, {"shortcuts", 2}, {"language", 3}};

} // namespace

PreferencesMenu::PreferencesMenu(const QString& defaultSaveLocation, QWidget* parent, Qt::WindowFlags flags)
    : QDialog(parent, flags)
{
    tabWidget = new QTabWidget;
    devicesTab = new DevicesTab(this);
    pathsTab = new PathsTab(defaultSaveLocation, this);
    shortcutsTab = new ShortcutsTab(this);
    languageTab = new LanguageTab(this);
    tabWidget->addTab(devicesTab, tr("Audio Device"));
    tabWidget->addTab(pathsTab, tr("Default Folders"));
    tabWidget->addTab(shortcutsTab, tr("Keyboard Shortcuts"));
    tabWidget->addTab(languageTab, tr("Language"));
    // The dialog grows to show every tab title whole, in every language.
    tabWidget->tabBar()->setUsesScrollButtons(false);
    tabWidget->tabBar()->setElideMode(Qt::ElideNone);
    tabWidget->setMinimumWidth(tabWidget->tabBar()->sizeHint().width() + tabTitleMarginPx);

    buttonBox = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttonBox, &QDialogButtonBox::accepted, this, &PreferencesMenu::accept);
    connect(buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabWidget);
    layout->addWidget(buttonBox);
    // Never narrower than its pages need: their polished fonts can ask for
    // more than the first layout gave, and a translated text would be cut.
    layout->setSizeConstraint(QLayout::SetMinimumSize);
    const QMargins margins = layout->contentsMargins();
    tabWidget->setMinimumWidth(
        std::max(tabWidget->minimumWidth(), minimumDialogWidth - margins.left() - margins.right()));
    setWindowTitle(tr("Preferences"));
    setModal(true);

    // Made before the main window connects closeMainwindow() to its
    // close(), so the other pages are applied before the window closes.
    connect(languageTab, &LanguageTab::closeMainwindow, this, &PreferencesMenu::accept);
    connect(devicesTab, &DevicesTab::deviceStringToIndex, this, &PreferencesMenu::deviceStringToIndex);
    connect(devicesTab, qOverload<int>(&DevicesTab::setDevice), this, &PreferencesMenu::setAudioDevice);
    connect(devicesTab, &DevicesTab::setDeviceBufferSize, this, &PreferencesMenu::setDeviceBufferSize);
}

void PreferencesMenu::setDialogs(PreferencesDialogs* dialogs)
{
    pathsTab->setDialogs(dialogs);
    shortcutsTab->setDialogs(dialogs);
    languageTab->setDialogs(dialogs);
}

int PreferencesMenu::pageForAction(const QString& objectName)
{
    for (const Page& page : pages) {
        if (objectName == QLatin1String(page.actionName))
            return page.index;
    }
    return -1;
}

void PreferencesMenu::showPreferences(QAction* act)
{
    devicesTab->initDeviceList();
    const int page = act ? pageForAction(act->objectName()) : -1;
    if (page >= 0)
        tabWidget->setCurrentIndex(page);
    exec();
}

void PreferencesMenu::accept()
{
    // Nested inside an accept() that is applying the pages (the language
    // page closes the window from within it): applying again would switch
    // the device twice. The dialog hides all the same, before the window
    // closes.
    if (!accepting_) {
        const QScopedValueRollback<bool> guard(accepting_, true);
        applyChangedPages();
    }
    hide();
}

void PreferencesMenu::applyChangedPages()
{
    if (devicesTab->touched) {
        const int index = emit deviceStringToIndex(devicesTab->chosenDevice());
        emit setAudioDevice(index);
    }
    if (pathsTab->touched) {
        const QString audio = pathsTab->alwaysOpenRadio->isChecked() ? pathsTab->audioPathEdit->text() : QString();
        emit updatePaths(audio, pathsTab->saveLocationEdit->text());
    }
    if (languageTab->changed)
        languageTab->setLanguage();
}
