// The application as a user starts it (main_ with the command line), driven
// from inside: once the analysis results are in, it plays for a moment,
// reads what the chord strip shows, closes the window and prints one JSON
// object on standard output. The end-to-end test runs it in its own
// process, with its own data and settings folders.
//
// With "--hand-over" first it only watches: it prints a JSON line when the
// window is up and whenever what it shows changes, and closes the window
// when "quit" comes on standard input, after a last line that counts the
// windows shown.
#include "AudioPlayer.h"
#include "ChordLabel.h"
#include "ChordsStrip.h"
#include "MainWindow.h"
#include "MetaDataThread.h"
#include "PathsManager.h"
#include "Plotter.h"
#include "ProcessingLabel.h"
#include "Startup.h"
#include "WaveBg.h"

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSocketNotifier>
#include <QTimer>

#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

#include <unistd.h>

namespace {

constexpr int startupDelayMs = 1050;
constexpr int watchdogMs = 90000;
constexpr int playMs = 800;

QJsonArray texts(const QVector<QString>& list)
{
    QJsonArray array;
    for (const QString& text : list)
        array.append(text);
    return array;
}

void finish(MainWindow& window, QJsonObject& report)
{
    report["title"] = window.windowTitle();
    std::printf("%s\n", QJsonDocument(report).toJson(QJsonDocument::Compact).constData());
    std::fflush(stdout);
    window.close();
}

void print(const QJsonObject& line)
{
    std::printf("%s\n", QJsonDocument(line).toJson(QJsonDocument::Compact).constData());
    std::fflush(stdout);
}

QJsonObject shown(MainWindow& window)
{
    QJsonObject state;
    state["title"] = window.windowTitle();
    state["file"] = window.paths()->getFileName();
    state["session"] = window.paths()->getSessionFileName();
    state["analysing"] = window.analysisThread()->isRunning();
    state["busy"] = window.isBusy();
    return state;
}

void watchHandOvers(MainWindow& window)
{
    print(QJsonObject{{"ready", true}});
    auto* poll = new QTimer(&window);
    auto last = std::make_shared<QJsonObject>();
    QObject::connect(poll, &QTimer::timeout, &window, [&window, last] {
        const QJsonObject now = shown(window);
        if (now != *last)
            print(now);
        *last = now;
    });
    poll->start(20);
    auto* input = new QSocketNotifier(STDIN_FILENO, QSocketNotifier::Read, &window);
    QObject::connect(input, &QSocketNotifier::activated, &window, [&window, input] {
        char line[64] = {};
        const ssize_t got = ::read(STDIN_FILENO, line, sizeof line - 1);
        if (got > 0 && std::strncmp(line, "quit", 4) != 0)
            return;
        input->setEnabled(false);
        int windows = 0;
        for (QWidget* widget : QApplication::topLevelWidgets())
            windows += widget->isVisible() ? 1 : 0;
        QJsonObject closing = shown(window);
        closing["windows"] = windows;
        print(closing);
        window.close();
    });
}

} // namespace

int main(int argc, char** argv)
{
    setStartupEnvironment();
    if (argc > 1 && std::strcmp(argv[1], "--hand-over") == 0) {
        std::vector<char*> arguments(argv, argv + argc);
        arguments.erase(arguments.begin() + 1);
        arguments.push_back(nullptr);
        return main_(argc - 1, arguments.data(), watchHandOvers);
    }
    QElapsedTimer clock;
    clock.start();
    QJsonObject report;
    qint64 timerStartMs = -1;
    qint64 openStartMs = -1;
    bool processingShown = false;
    bool resultsSeen = false;

    auto observe = [&](MainWindow& window) {
        // When the window's start-up timer began, from what it has left.
        auto* startTimer = window.findChild<QTimer*>("startupLoadTimer");
        const int left = startTimer != nullptr ? startTimer->remainingTime() : 0;
        timerStartMs = clock.elapsed() - (startupDelayMs - left);
        auto* poll = new QTimer(&window);
        QObject::connect(poll, &QTimer::timeout, &window, [&window, &openStartMs, &processingShown, &clock] {
            if (openStartMs < 0 && window.isBusy())
                openStartMs = clock.elapsed();
            processingShown = processingShown || window.waveArea()->plotter->processingLabel->isVisible();
        });
        poll->start(1);

        QObject::connect(window.analysisThread(), &MetaDataThread::gotMetaData, &window, [&] {
            if (resultsSeen)
                return;
            resultsSeen = true;
            // The second signal of an analysis comes right after the first.
            QTimer::singleShot(200, &window, [&] {
                report["openAfterMs"] = double(openStartMs - timerStartMs);
                report["processingShown"] = processingShown;
                report["chords"] = texts(window.analysisThread()->metaData->chordVec);
                QVector<QString> shown;
                for (ChordLabel* label : window.waveArea()->plotter->chordsStrip->chordLabels()) {
                    if (label->isVisibleTo(window.waveArea()->plotter))
                        shown << label->getShownText();
                }
                report["strip"] = texts(shown);
                report["positionBefore"] = double(window.player()->getSampleIndexPtr()->load());
                QMetaObject::invokeMethod(&window, "playStop");
                report["playing"] = window.player()->isPlaying();
                QTimer::singleShot(playMs, &window, [&] {
                    report["positionAfter"] = double(window.player()->getSampleIndexPtr()->load());
                    finish(window, report);
                });
            });
        });
        QTimer::singleShot(watchdogMs, &window, [&] {
            report["error"] = "no analysis results in time";
            finish(window, report);
        });
    };
    return main_(argc, argv, observe);
}
