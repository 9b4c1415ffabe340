// Every dialog and message box the main window shows, behind one small
// interface: the application uses Qt's, tests replace it and answer
// without a modal loop.
#pragma once

#include <QFileDialog>
#include <QMessageBox>
#include <QString>
#include <QUrl>

#include <memory>

class QWidget;

// Qt's file dialog as the open and save dialogs show it: built as
// QFileDialog's static functions build theirs, with the columns of its
// file list made wide enough for their headings in the user's language.
std::unique_ptr<QFileDialog> makeFileDialog(QWidget* parent, const QString& caption, const QString& startPath,
                                            const QString& filter, QFileDialog::AcceptMode mode);

class ShellDialogs
{
public:
    virtual ~ShellDialogs() = default;

    // An existing file, or empty when cancelled.
    virtual QString getOpenFileName(QWidget* parent, const QString& caption, const QString& startPath,
                                    const QString& filter) = 0;
    // A name to write, or empty when cancelled; selectedFilter (may be
    // null) receives the filter in force when the user chose.
    virtual QString getSaveFileName(QWidget* parent, const QString& caption, const QString& startPath,
                                    const QString& filter, QString* selectedFilter) = 0;
    virtual QMessageBox::StandardButton question(QWidget* parent, const QString& title, const QString& text,
                                                 QMessageBox::StandardButtons buttons,
                                                 QMessageBox::StandardButton defaultButton) = 0;
    virtual void warning(QWidget* parent, const QString& title, const QString& text) = 0;
    // A warning whose details (plain text) the box shows on request; boxes
    // that cannot show details show the warning alone.
    virtual void detailedWarning(QWidget* parent, const QString& title, const QString& text,
                                 const QString& details)
    {
        Q_UNUSED(details);
        warning(parent, title, text);
    }
    virtual void information(QWidget* parent, const QString& title, const QString& text) = 0;
    // The About box: rich text under the application's icon.
    virtual void about(QWidget* parent, const QString& richText) = 0;
    // Opens a web page in the user's browser.
    virtual void openUrl(const QUrl& url) = 0;
};

// Qt's dialogs and boxes, modal.
class QtShellDialogs final : public ShellDialogs
{
public:
    QString getOpenFileName(QWidget* parent, const QString& caption, const QString& startPath,
                            const QString& filter) override;
    QString getSaveFileName(QWidget* parent, const QString& caption, const QString& startPath,
                            const QString& filter, QString* selectedFilter) override;
    QMessageBox::StandardButton question(QWidget* parent, const QString& title, const QString& text,
                                         QMessageBox::StandardButtons buttons,
                                         QMessageBox::StandardButton defaultButton) override;
    void warning(QWidget* parent, const QString& title, const QString& text) override;
    void detailedWarning(QWidget* parent, const QString& title, const QString& text,
                         const QString& details) override;
    void information(QWidget* parent, const QString& title, const QString& text) override;
    void about(QWidget* parent, const QString& richText) override;
    void openUrl(const QUrl& url) override;
};
