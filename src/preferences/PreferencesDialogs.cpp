#include "PreferencesDialogs.h"

#include <QPushButton>

namespace {

class QtPreferencesDialogs final : public PreferencesDialogs
{
public:
    QMessageBox::StandardButton question(QWidget* parent, const QString& title, const QString& text) override
    {
        return QMessageBox::question(parent, title, text, QMessageBox::Yes | QMessageBox::No);
    }

    void warning(QWidget* parent, const QString& title, const QString& text) override
    {
        QMessageBox::warning(parent, title, text);
    }

    QString existingDirectory(QWidget* parent, const QString& caption, const QString& startFolder,
                              QFileDialog::Options options) override
    {
        return QFileDialog::getExistingDirectory(parent, caption, startFolder, options);
    }

    RestartAnswer askRestart(const QString& text, const QString& informativeText, const QString& relaunchText,
                             const QString& cancelText) override
    {
        QMessageBox box;
        box.setIcon(QMessageBox::Question);
        box.setText(text);
        box.setInformativeText(informativeText);
        QPushButton* relaunch = box.addButton(relaunchText, QMessageBox::YesRole);
        QPushButton* cancel = box.addButton(cancelText, QMessageBox::NoRole);
        box.exec();
        if (box.clickedButton() == relaunch)
            return RestartAnswer::RelaunchNow;
        if (box.clickedButton() == cancel)
            return RestartAnswer::Cancel;
        return RestartAnswer::Other;
    }
};

} // namespace

PreferencesDialogs* PreferencesDialogs::qtDialogs()
{
    static QtPreferencesDialogs dialogs;
    return &dialogs;
}
