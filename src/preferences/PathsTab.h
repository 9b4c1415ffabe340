// The "Default Folders" page: where the audio open dialog starts (the
// folder of the previous file, or always one chosen folder) and the save
// location for sessions, riffs, songs and exported audio. The dialog's OK
// hands the page's choice to the folder manager while touched is set. GUI
// thread.
#pragma once

#include <QString>
#include <QWidget>

class PreferencesDialogs;
class QLineEdit;
class QPushButton;
class QRadioButton;

class PathsTab : public QWidget
{
    Q_OBJECT

public:
    // defaultSaveLocation: the start-up save location, which "Restore
    // Defaults" shows again.
    PathsTab(const QString& defaultSaveLocation, QWidget* parent);

    // Not owned; Qt's boxes and dialogs unless set.
    void setDialogs(PreferencesDialogs* dialogs_);

    bool useAudioEditPath() const;
    QString getAudioPath() const;
    // Shows the save location (whatever the name says).
    void setSessionPath(const QString& path);
    // Shows the stored choice; the page is untouched afterwards.
    void initDefaultFilePath(bool alwaysOpen, const QString& folder);

    // The page was changed by the user since it was last filled.
    bool touched = false;
    QLineEdit* saveLocationEdit = nullptr;
    QLineEdit* audioPathEdit = nullptr;
    QRadioButton* alwaysOpenRadio = nullptr;
    QRadioButton* openPreviousRadio = nullptr;

protected:
    // A press on either choice's label, or on the (greyed) folder field,
    // picks that choice.
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void activateUserSelectedAudioFolder(bool activate);
    void selectAudioPath();
    void selectTBPath();
    void restoreDefaults();

private:
    void initWidgets();
    void initConnections();
    void setRadioButtonActive(const QString& objectName);
    static QString musicFolder();

    const QString defaultSaveLocation_;
    QPushButton* audioPathButton_ = nullptr;
    QPushButton* savePathButton_ = nullptr;
    QPushButton* restoreDefaultsButton_ = nullptr;
    PreferencesDialogs* dialogs_;
};
