// A main window over temporary folders and settings, its dialogs answered
// by the test, and recordings written into the test's own folder.
#pragma once

#include "MainWindow.h"
#include "ShellDialogs.h"
#include "Startup.h"

#include "../platform/AudioFixtures.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <functional>
#include <memory>

namespace shell_test {

// Answers from queues; records every dialog as "kind:title" (boxes add
// ":text"). An unexpected dialog fails the test and is cancelled.
class FakeDialogs final : public ShellDialogs
{
public:
    std::deque<QString> files; // answers of getOpenFileName ("" cancels)
    std::deque<QMessageBox::StandardButton> answers;
    QStringList log;
    QStringList startPaths;
    QStringList filters;
    // A box stays on screen while this runs (a modal box runs the events
    // meanwhile); shown counts the boxes on screen, mostShown the most at
    // once.
    std::function<void()> whileShown;
    int shown = 0;
    int mostShown = 0;

    QString getOpenFileName(QWidget*, const QString& caption, const QString& startPath,
                            const QString& filter) override
    {
        log << "file:" + caption;
        startPaths << startPath;
        filters << filter;
        if (files.empty()) {
            ADD_FAILURE() << "unexpected file dialog " << caption.toStdString();
            return QString();
        }
        const QString answer = files.front();
        files.pop_front();
        return answer;
    }
    // Answers of getSaveFileName: the name ("" cancels) and the filter in
    // force (empty: the dialog's first).
    std::deque<QString> saveNames;
    std::deque<QString> saveFilters;
    QString getSaveFileName(QWidget*, const QString& caption, const QString& startPath, const QString& filter,
                            QString* selectedFilter) override
    {
        log << "save:" + caption;
        startPaths << startPath;
        filters << filter;
        if (saveNames.empty()) {
            ADD_FAILURE() << "unexpected save dialog " << caption.toStdString();
            return QString();
        }
        const QString answer = saveNames.front();
        saveNames.pop_front();
        QString chosenFilter = filter.section(QStringLiteral(";;"), 0, 0);
        if (!saveFilters.empty()) {
            chosenFilter = saveFilters.front();
            saveFilters.pop_front();
        }
        if (selectedFilter != nullptr)
            *selectedFilter = chosenFilter;
        return answer;
    }
    QMessageBox::StandardButton question(QWidget*, const QString& title, const QString& text,
                                         QMessageBox::StandardButtons, QMessageBox::StandardButton) override
    {
        log << "question:" + title + ":" + text;
        const OnScreen box(*this);
        if (answers.empty()) {
            ADD_FAILURE() << "unexpected question " << title.toStdString();
            return QMessageBox::Cancel;
        }
        const auto answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void warning(QWidget*, const QString& title, const QString& text) override
    {
        log << "warning:" + title + ":" + text;
        const OnScreen box(*this);
    }
    // Logged as a warning with "|details" after its text.
    void detailedWarning(QWidget*, const QString& title, const QString& text, const QString& details) override
    {
        log << "warning:" + title + ":" + text + "|" + details;
        const OnScreen box(*this);
    }
    void information(QWidget*, const QString& title, const QString& text) override
    {
        log << "information:" + title + ":" + text;
        const OnScreen box(*this);
    }
    void about(QWidget*, const QString& richText) override { log << "about:" + richText; }
    void openUrl(const QUrl& url) override { log << "url:" + url.toString(); }

private:
    struct OnScreen
    {
        FakeDialogs& dialogs;
        explicit OnScreen(FakeDialogs& shownBy) : dialogs(shownBy)
        {
            dialogs.mostShown = std::max(dialogs.mostShown, ++dialogs.shown);
            if (dialogs.whileShown)
                dialogs.whileShown();
        }
        ~OnScreen() { --dialogs.shown; }
    };
};

class ShellTest : public ::testing::Test
{
protected:
    QTemporaryDir temp;
    std::unique_ptr<MainWindow> window;
    FakeDialogs* dialogs = nullptr;

    QString savedLocation;

    void SetUp() override
    {
        savedLocation = saveLocation;
        saveLocation = temp.path() + "/data/Tonbrook";
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, temp.path() + "/config");
    }
    void TearDown() override
    {
        window.reset();
        saveLocation = savedLocation;
    }

    void makeWindow()
    {
        window = std::make_unique<MainWindow>();
        // The command line here is the test runner's.
        if (auto* timer = window->findChild<QTimer*>("startupLoadTimer"))
            timer->stop();
        auto fake = std::make_unique<FakeDialogs>();
        dialogs = fake.get();
        window->setDialogs(std::move(fake));
    }

    // A song to analyse: C, G, Am and F, one bar each at 120 BPM, over a
    // click on every beat; the left channel a little louder.
    QString writeSong(const QString& name, int seconds)
    {
        const int rate = 44100;
        const int frames = rate * seconds;
        std::vector<float> mono = synth::clickTrack(synth::clickPositions(120.0f, rate, frames, 0), rate, frames);
        const int roots[4] = {0, 7, 9, 5};
        const char* suffixes[4] = {"", "", "m", ""};
        const size_t bar = size_t(rate) * 2;
        for (size_t start = 0, k = 0; start < size_t(frames); start += bar, ++k)
            synth::addChord(mono, rate, roots[k % 4], suffixes[k % 4], 0.0, start, start + bar);
        std::vector<float> left(mono.size());
        std::vector<float> right(mono.size());
        for (size_t i = 0; i < mono.size(); ++i) {
            left[i] = 0.5f * mono[i];
            right[i] = 0.4f * mono[i];
        }
        const QString path = temp.filePath(name);
        EXPECT_TRUE(fixtures::writeWav(path, synth::interleave(left, right), rate, 2));
        return path;
    }

    // A stereo recording: 440 Hz left, 660 Hz right, 16-bit PCM.
    QString writeRecording(const QString& name, std::int64_t frames = 132300, int channels = 2)
    {
        const QString path = temp.filePath(name);
        EXPECT_TRUE(
            fixtures::writeWav(path, fixtures::sines(44100, channels, frames, 440.0, 660.0), 44100, channels));
        return path;
    }
};

} // namespace shell_test
