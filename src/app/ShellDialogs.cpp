#include "ShellDialogs.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QPixmap>

QString QtShellDialogs::getOpenFileName(QWidget* parent, const QString& caption, const QString& startPath,
                                        const QString& filter)
{
    return QFileDialog::getOpenFileName(parent, caption, startPath, filter);
}

QString QtShellDialogs::getSaveFileName(QWidget* parent, const QString& caption, const QString& startPath,
                                        const QString& filter, QString* selectedFilter)
{
    return QFileDialog::getSaveFileName(parent, caption, startPath, filter, selectedFilter);
}

QMessageBox::StandardButton QtShellDialogs::question(QWidget* parent, const QString& title, const QString& text,
                                                     QMessageBox::StandardButtons buttons,
                                                     QMessageBox::StandardButton defaultButton)
{
    return QMessageBox::question(parent, title, text, buttons, defaultButton);
}

void QtShellDialogs::warning(QWidget* parent, const QString& title, const QString& text)
{
    QMessageBox::warning(parent, title, text, QMessageBox::Ok);
}

void QtShellDialogs::detailedWarning(QWidget* parent, const QString& title, const QString& text,
                                     const QString& details)
{
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok, parent);
    box.setDetailedText(details);
    box.exec();
}

void QtShellDialogs::information(QWidget* parent, const QString& title, const QString& text)
{
    QMessageBox::information(parent, title, text, QMessageBox::Ok);
}

void QtShellDialogs::about(QWidget* parent, const QString& richText)
{
    QMessageBox box(parent);
    box.setIconPixmap(QPixmap(QStringLiteral(":/images/icon_64.png")));
    box.setTextFormat(Qt::RichText);
    box.setText(richText);
    box.exec();
}

void QtShellDialogs::openUrl(const QUrl& url)
{
    QDesktopServices::openUrl(url);
}
