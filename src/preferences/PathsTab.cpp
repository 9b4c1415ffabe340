#include "PathsTab.h"

#include "FolderCheck.h"
#include "PreferencesDialogs.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QVBoxLayout>

namespace {

const char* const audioPathEditName = "audioPathEdit";
const char* const alwaysOpenLabelName = "alwaysOpenLabel";
const char* const openPreviousLabelName = "openPreviousLocationLabel";

} // namespace

PathsTab::PathsTab(const QString& defaultFolder, QWidget* parent)
    : QWidget(parent), defaultSaveLocation_(defaultFolder), dialogs_(PreferencesDialogs::qtDialogs())
{
    initWidgets();
    initConnections();
    audioPathEdit->installEventFilter(this);
}

void PathsTab::setDialogs(PreferencesDialogs* newDialogs)
{
    dialogs_ = newDialogs;
}

QString PathsTab::musicFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::MusicLocation);
}

void PathsTab::initWidgets()
{
    auto* openGroup = new QGroupBox(tr("Default Audio File Open Behaviour:"));
    openPreviousRadio = new QRadioButton(openGroup);
    alwaysOpenRadio = new QRadioButton(openGroup);
    openPreviousRadio->setChecked(true);
    auto* openPreviousLabel = new QLabel(tr("Open previous audio file location"), openGroup);
    openPreviousLabel->setObjectName(QString::fromLatin1(openPreviousLabelName));
    openPreviousLabel->installEventFilter(this);
    auto* alwaysOpenLabel = new QLabel(tr("Always open selected folder:"), openGroup);
    alwaysOpenLabel->setObjectName(QString::fromLatin1(alwaysOpenLabelName));
    alwaysOpenLabel->installEventFilter(this);
    audioPathEdit = new QLineEdit(musicFolder(), openGroup);
    audioPathEdit->setObjectName(QString::fromLatin1(audioPathEditName));
    audioPathEdit->setReadOnly(true);
    audioPathEdit->setEnabled(false);
    audioPathButton_ = new QPushButton(QStringLiteral("..."), openGroup);
    audioPathButton_->setEnabled(false);
    audioPathButton_->setObjectName(QStringLiteral("audioPathButton"));

    auto* openLayout = new QGridLayout(openGroup);
    openLayout->addWidget(openPreviousRadio, 0, 0, 1, 3);
    openLayout->addWidget(openPreviousLabel, 0, 1);
    openLayout->setRowMinimumHeight(1, 10);
    openLayout->addWidget(alwaysOpenRadio, 2, 0, 2, 1);
    openLayout->addWidget(alwaysOpenLabel, 2, 1);
    openLayout->addWidget(audioPathEdit, 3, 1);
    openLayout->addWidget(audioPathButton_, 3, 2);
    openLayout->addWidget(new QWidget(openGroup), 4, 0, Qt::AlignLeft);
    openLayout->setRowStretch(4, 1);

    auto* saveGroup = new QGroupBox(tr("Tonbrook Save Location"));
    saveLocationEdit = new QLineEdit(defaultSaveLocation_, saveGroup);
    saveLocationEdit->setReadOnly(true);
    savePathButton_ = new QPushButton(QStringLiteral("..."), saveGroup);
    savePathButton_->setObjectName(QStringLiteral("savePathButton"));
    auto* saveLayout = new QGridLayout(saveGroup);
    saveLayout->addWidget(new QLabel(tr("Location of saved sessions and exported audio:"), saveGroup), 0, 0, 1, 2);
    saveLayout->addWidget(saveLocationEdit, 1, 0, Qt::AlignTop);
    saveLayout->addWidget(savePathButton_, 1, 1, Qt::AlignTop);
    saveLayout->addWidget(new QWidget(saveGroup), 2, 0, Qt::AlignTop);
    saveLayout->setRowStretch(2, 1);

    restoreDefaultsButton_ = new QPushButton(tr("Restore Defaults"));
    restoreDefaultsButton_->setObjectName(QStringLiteral("restoreDefaultsButton"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(openGroup);
    layout->addWidget(saveGroup);
    layout->addWidget(restoreDefaultsButton_, 1, Qt::AlignRight);
    layout->addWidget(new QWidget, 1, Qt::AlignTop);
}

void PathsTab::initConnections()
{
    connect(alwaysOpenRadio, &QRadioButton::toggled, this, &PathsTab::activateUserSelectedAudioFolder);
    connect(audioPathButton_, &QPushButton::released, this, &PathsTab::selectAudioPath);
    connect(savePathButton_, &QPushButton::released, this, &PathsTab::selectTBPath);
    connect(restoreDefaultsButton_, &QPushButton::released, this, &PathsTab::restoreDefaults);
}

bool PathsTab::useAudioEditPath() const
{
    return alwaysOpenRadio->isChecked();
}

QString PathsTab::getAudioPath() const
{
    return audioPathEdit->text();
}

void PathsTab::setSessionPath(const QString& path)
{
    saveLocationEdit->setText(path);
}

void PathsTab::initDefaultFilePath(bool alwaysOpen, const QString& folder)
{
    if (alwaysOpen) {
        alwaysOpenRadio->setChecked(true);
        audioPathEdit->setText(folder);
    } else {
        openPreviousRadio->setChecked(true);
    }
    touched = false;
}

void PathsTab::activateUserSelectedAudioFolder(bool activate)
{
    audioPathEdit->setEnabled(activate);
    audioPathButton_->setEnabled(activate);
    touched = true;
}

// The process's current folder is left alone: relative paths elsewhere
// are resolved against it.
void PathsTab::selectAudioPath()
{
    const QString folder =
        dialogs_->existingDirectory(this, tr("Select Default Audio Path"), audioPathEdit->text(),
                                    QFileDialog::ShowDirsOnly | QFileDialog::DontResolveSymlinks);
    if (folder.isEmpty())
        return;
    audioPathEdit->setText(folder);
    touched = true;
}

void PathsTab::selectTBPath()
{
    const QString folder = dialogs_->existingDirectory(this, tr("Select Default Tonbrook Save Folder"),
                                                       saveLocationEdit->text(), QFileDialog::ShowDirsOnly);
    if (folder.isEmpty())
        return;
    // Refused at once, while the user still has the dialog in mind; the
    // folder manager checks again when the choice is applied.
    if (!FolderCheck::canHoldUserFiles(folder)) {
        dialogs_->warning(this, tr("Cannot Use Folder"),
                          tr("Tonbrook cannot write to the folder \"%0\".<br />The save location stays \"%1\".")
                              .arg(folder.toHtmlEscaped(), saveLocationEdit->text().toHtmlEscaped()));
        return;
    }
    saveLocationEdit->setText(folder);
    touched = true;
}

void PathsTab::restoreDefaults()
{
    if (dialogs_->question(this, tr("Restore Default Folder Paths"),
                           tr("Are you sure you want to restore the default folder settings?"))
        != QMessageBox::Yes)
        return;
    audioPathEdit->setText(musicFolder());
    saveLocationEdit->setText(defaultSaveLocation_);
    openPreviousRadio->click();
    touched = true;
}

bool PathsTab::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        setRadioButtonActive(watched->objectName());
        return true;
    }
    return false;
}

void PathsTab::setRadioButtonActive(const QString& objectName)
{
    if (objectName == QLatin1String(audioPathEditName) || objectName == QLatin1String(alwaysOpenLabelName)) {
        touched = true;
        alwaysOpenRadio->click();
    } else if (objectName == QLatin1String(openPreviousLabelName)) {
        touched = true;
        openPreviousRadio->click();
    }
}
