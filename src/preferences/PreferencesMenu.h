// The modal "Preferences" dialog: the audio-device, default-folders,
// keyboard-shortcut and language pages in tabs. OK applies each page the
// user changed (device to the player, folders to the folder manager, the
// language through its page's restart step); Cancel hides the dialog
// without reverting anything. The player and the folder manager are
// reached only through this dialog's signals, which the main window
// connects. GUI thread.
#pragma once

#include <QDialog>
#include <QString>

class DevicesTab;
class LanguageTab;
class PathsTab;
class PreferencesDialogs;
class QAction;
class QDialogButtonBox;
class QTabWidget;
class ShortcutsTab;

class PreferencesMenu : public QDialog
{
    Q_OBJECT

public:
    // defaultSaveLocation: the start-up save location (the folders page's
    // default).
    PreferencesMenu(const QString& defaultSaveLocation, QWidget* parent, Qt::WindowFlags flags);

    // Hands the boxes and dialogs to every page (not owned).
    void setDialogs(PreferencesDialogs* dialogs);

    // The page index an Options action's objectName opens; -1 for any
    // other name (the last page stays).
    static int pageForAction(const QString& objectName);

    DevicesTab* devicesTab = nullptr;
    PathsTab* pathsTab = nullptr;
    ShortcutsTab* shortcutsTab = nullptr;
    LanguageTab* languageTab = nullptr;
    QTabWidget* tabWidget = nullptr;
    QDialogButtonBox* buttonBox = nullptr;

public slots:
    // Refreshes the device list, shows the action's page, runs modally.
    void showPreferences(QAction* act);
    void accept() override;

signals:
    int deviceStringToIndex(QString device);
    void setAudioDevice(int index);
    void setDeviceBufferSize(int bufferSize);
    // The always-open folder ("" when that choice is off) and the save location.
    void updatePaths(QString audioPath, QString sessionPath);

private:
    void applyChangedPages();

    // accept() runs again, nested, when the language page closes the
    // window from within it.
    bool accepting_ = false;
};
