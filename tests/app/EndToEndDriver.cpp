// The application as a user starts it (main_ with the command line), driven
// from inside: once the analysis results are in, it plays for a moment,
// reads what the chord strip shows, closes the window and prints one JSON
// object on standard output. The end-to-end test runs it in its own
// process, with its own data and settings folders.
#include "AudioPlayer.h"
#include "ChordLabel.h"
#include "ChordsStrip.h"
#include "MainWindow.h"
#include "MetaDataThread.h"
#include "Plotter.h"
#include "ProcessingLabel.h"
#include "Startup.h"
#include "WaveBg.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimer>

#include <cstdio>

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

} // namespace

int main(int argc, char** argv)
{
    setStartupEnvironment();
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
