// Answers the preferences pages' boxes and dialogs from queues and records
// each as "kind:title" (boxes add ":text"). An unexpected box fails the
// test and is answered No, Cancel or with nothing.
#pragma once

#include "PreferencesDialogs.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <deque>

class FakePreferencesDialogs final : public PreferencesDialogs
{
public:
    std::deque<QMessageBox::StandardButton> answers;
    std::deque<QString> folders; // answers of existingDirectory ("" cancels)
    std::deque<RestartAnswer> restartAnswers;
    QStringList log;
    QStringList startFolders;
    QList<QFileDialog::Options> folderOptions;

    QMessageBox::StandardButton question(QWidget*, const QString& title, const QString& text) override
    {
        log << "question:" + title + ":" + text;
        if (answers.empty()) {
            ADD_FAILURE() << "unexpected question " << title.toStdString();
            return QMessageBox::No;
        }
        auto answer = answers.front();
        answers.pop_front();
        return answer;
    }

    void warning(QWidget*, const QString& title, const QString& text) override
    {
        log << "warning:" + title + ":" + text;
    }

    QString existingDirectory(QWidget*, const QString& caption, const QString& startFolder,
                              QFileDialog::Options options) override
    {
        log << "folder:" + caption;
        startFolders << startFolder;
        folderOptions << options;
        if (folders.empty()) {
            ADD_FAILURE() << "unexpected folder dialog " << caption.toStdString();
            return QString();
        }
        QString answer = folders.front();
        folders.pop_front();
        return answer;
    }

    RestartAnswer askRestart(const QString& text, const QString& informativeText, const QString& relaunchText,
                             const QString& cancelText) override
    {
        log << "restart:" + text + ":" + informativeText + ":" + relaunchText + ":" + cancelText;
        if (restartAnswers.empty()) {
            ADD_FAILURE() << "unexpected restart box";
            return RestartAnswer::Cancel;
        }
        auto answer = restartAnswers.front();
        restartAnswers.pop_front();
        return answer;
    }
};
