// The shell's dialogs for the benchmarks that drive the main window: no
// dialog is ever expected, a warning is printed so a failed run says why.
#pragma once

#include "ShellDialogs.h"

#include <cstdio>

class SilentDialogs final : public ShellDialogs
{
public:
    QString getOpenFileName(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
    QString getSaveFileName(QWidget*, const QString&, const QString&, const QString&, QString*) override
    {
        return {};
    }
    QMessageBox::StandardButton question(QWidget*, const QString&, const QString&, QMessageBox::StandardButtons,
                                         QMessageBox::StandardButton) override
    {
        return QMessageBox::Cancel;
    }
    void warning(QWidget*, const QString& title, const QString& text) override
    {
        std::fprintf(stderr, "%s: %s\n", qPrintable(title), qPrintable(text));
    }
    void detailedWarning(QWidget* parent, const QString& title, const QString& text,
                         const QString& details) override
    {
        warning(parent, title, text + QStringLiteral(" (") + details + QLatin1Char(')'));
    }
    void information(QWidget*, const QString&, const QString&) override { }
    void about(QWidget*, const QString&) override { }
    void openUrl(const QUrl&) override { }
};
