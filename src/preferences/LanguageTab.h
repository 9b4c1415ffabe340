// The "Language" page: one of seventeen interface languages, each a radio
// button with its flag. The translator is installed only at start-up, so a
// change takes effect through a restart: the page asks whether to relaunch,
// stores the code in the settings group "Language" and, on "Relaunch Now",
// has the window's settings written and the window closed, then starts the
// application again. GUI thread.
#pragma once

#include <QString>
#include <QWidget>

#include <functional>

class PreferencesDialogs;
class QAbstractButton;
class QButtonGroup;
class QPushButton;
class QRadioButton;

class LanguageTab : public QWidget
{
    Q_OBJECT

public:
    struct Language
    {
        const char* displayName; // the language's own name, never translated
        const char* code;        // stored, and the button's objectName
        const char* flag;
    };
    static const Language languages[17];

    explicit LanguageTab(QWidget* parent);

    // Not owned; Qt's boxes unless set.
    void setDialogs(PreferencesDialogs* dialogs_);
    // Starts the new instance; true when it started. OsPaths::relaunchDetached unless set.
    void setRelauncher(std::function<bool()> relaunch);

    void initLanguages();
    // The code of the checked button.
    QString checkedCode() const;

    // The last clicked language differs from the stored one.
    bool changed = false;
    QButtonGroup* languageGroup = nullptr;
    // The code stored when the page was built; empty when none was.
    QString language;

public slots:
    void languageChanged(QAbstractButton* button);
    // Asks to restart when changed; see the top of this file.
    void setLanguage();

signals:
    void writeSettings();
    void closeMainwindow();

private:
    void initWidgets();

    QPushButton* applyButton_ = nullptr;
    PreferencesDialogs* dialogs_;
    std::function<bool()> relaunch_;
};
