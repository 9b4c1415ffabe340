// The boxes and folder dialogs the preferences pages show, behind one small
// interface: the application uses Qt's (modal), tests answer them without a
// modal loop. The pages hold a pointer they do not own.
#pragma once

#include <QFileDialog>
#include <QMessageBox>
#include <QString>

class QWidget;

class PreferencesDialogs
{
public:
    // The answers of the language page's restart box.
    enum class RestartAnswer { RelaunchNow, Cancel, Other };

    virtual ~PreferencesDialogs() = default;

    // A question with the buttons Yes and No and no default button.
    virtual QMessageBox::StandardButton question(QWidget* parent, const QString& title, const QString& text) = 0;
    virtual void warning(QWidget* parent, const QString& title, const QString& text) = 0;
    // An existing folder, or empty when cancelled.
    virtual QString existingDirectory(QWidget* parent, const QString& caption, const QString& startFolder,
                                      QFileDialog::Options options) = 0;
    // The box asking to restart for a new language, its two buttons added
    // in the order "Relaunch Now", "Cancel".
    virtual RestartAnswer askRestart(const QString& text, const QString& informativeText,
                                     const QString& relaunchText, const QString& cancelText) = 0;

    // Qt's own boxes and dialogs; lives as long as the process.
    static PreferencesDialogs* qtDialogs();
};
