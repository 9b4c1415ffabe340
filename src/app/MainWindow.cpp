#include "MainWindow.h"

#include "AudioOutput.h"
#include "AudioPlayer.h"
#include "BeatLabel.h"
#include "BeatSelection.h"
#include "ChordStepBoxes.h"
#include "ChordsTab.h"
#include "FileRoutes.h"
#include "IncrementWidget.h"
#include "JamTab.h"
#include "Knob.h"
#include "MetaDataThread.h"
#include "MetronomeClick.h"
#include "PathsManager.h"
#include "PitchSyncWidget.h"
#include "PlayMarker.h"
#include "PlotSelection.h"
#include "Plotter.h"
#include "PowerButton.h"
#include "PreferencesMenu.h"
#include "RealTimeToolsTab.h"
#include "RiffStep.h"
#include "ShortcutsTab.h"
#include "SingleInstance.h"
#include "SmallPlot.h"
#include "SongStep.h"
#include "Startup.h"
#include "TabWidget.h"
#include "TransportWidget.h"
#include "WaveBg.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QGridLayout>
#include <QIcon>
#include <QLayout>
#include <QMenuBar>
#include <QMetaType>
#include <QScreen>
#include <QShortcut>
#include <QStatusBar>
#include <QTimer>

namespace {

constexpr int startupLoadDelayMs = 1050;
// The three areas, top to bottom; their heights make up the content area.
constexpr int waveAreaHeight = 228;
constexpr int tabAreaHeight = 355;
constexpr int transportHeight = 91;
static_assert(waveAreaHeight + tabAreaHeight + transportHeight == MainWindow::contentHeight);

} // namespace

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent), dialogs(std::make_unique<QtShellDialogs>()), frameLimit(defaultFrameLimit()),
      cdRoots(&FileRoutes::cdRoots)
{
    // A title bar with minimise and close buttons, no maximise.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint);
    pathsManager = new PathsManager(saveLocation, this);
    QDir().mkpath(saveLocation);
    setWindowIcon(QIcon(QStringLiteral(":/images/icon_64.png")));
    startTonbrook();
    initConnections();
    // Open-file events reach the application object, not the window.
    qApp->installEventFilter(this);
    for (QShortcut* shortcut : preferencesMenu->shortcutsTab->shortcuts())
        shortcut->setEnabled(true);
    fileMenu->setEnabled(true);
    optionsMenu->setEnabled(true);
    helpMenu->setEnabled(true);
    show();
    raise();
    statusBar()->hide();
}

MainWindow::~MainWindow()
{
    shutDown();
}

void MainWindow::setDialogs(std::unique_ptr<ShellDialogs> replacement)
{
    dialogs = std::move(replacement);
}

void MainWindow::startTonbrook()
{
    // The analysis thread's chord-filter signal carries it across threads.
    qRegisterMetaType<QVector<QString>>("QVector<QString>");
    setWindowTitle(baseTitle);

    audioOutput = AudioOutput::create();
    audioPlayer = new AudioPlayer(*audioOutput);
    metaDataThread = new MetaDataThread(nullptr);
    audioRelocated = false;

    initWidgets();
    initLayout();
    initActions();
    initMenus();

    setAutoFillBackground(true);
    QPalette background = palette();
    background.setBrush(QPalette::Window, QBrush(QColor(40, 40, 40)));
    setPalette(background);

    // Centred on the first screen at its final size (the content area and
    // the menu bar); the settings may move it.
    adjustSize();
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect available = screen->availableGeometry();
        move(available.width() / 2 - width() / 2, available.height() / 2 - height() / 2);
    }

    startupTimer = new QTimer(this);
    startupTimer->setObjectName(QStringLiteral("startupLoadTimer"));
    startupTimer->setSingleShot(true);
    startupTimer->setInterval(startupLoadDelayMs);
    connect(startupTimer, &QTimer::timeout, this, &MainWindow::delayedLoad);
    startupTimer->start();

    setAcceptDrops(true);
    checkSongLoopLength();
    const auto& click = metronomeClick();
    audioPlayer->initBeep(click.data(), click.data(), metronomeClickFrames);
    readSettings();
    encryptTBMFiles();
}

void MainWindow::initWidgets()
{
    waveBg = new WaveBg(this);
    tabWidget = new TabWidget(this);
    transportWidget = new TransportWidget(this);

    MetaData* model = metaDataThread->metaData;
    const std::atomic<float>* playPosition = audioPlayer->getSampleIndexPtr();
    Plotter* plotter = waveBg->plotter;
    JamTab* jamTab = tabWidget->jamTab;

    // The riff overlays blink with their step row's highlight.
    for (int i = 0; i < Plotter::riffCount; ++i) {
        BeatSelection* overlay = plotter->beatSelections[i];
        audioPlayer->addRiff(overlay);
        overlay->flashTimer = jamTab->riffSteps[i]->highlight->flashTimer;
        overlay->initMetaData(model);
    }
    audioPlayer->setSong(jamTab->songStep);

    plotter->initMetaData(model);
    plotter->playMarker->initSampleIndex(playPosition);
    waveBg->scrollButton->setValueFromSession(true);
    transportWidget->setTimePtr(playPosition);
    audioPlayer->initMetaData(model);
    tabWidget->chordsTab->initMetaData(model);
    jamTab->setMetaData(model);
    waveBg->setFixedSize(contentWidth, waveAreaHeight);
    tabWidget->setFixedSize(contentWidth, tabAreaHeight);
    transportWidget->setFixedSize(contentWidth, transportHeight);
    waveBg->smallPlotPlayMarker->initPos(playPosition);
    for (BeatSelection* overlay : plotter->beatSelections) {
        for (BeatLabel* label : overlay->beatLabels)
            label->initPos(playPosition);
    }
    audioPlayer->initLoop(&plotter->plotSelection->loopStart, &plotter->plotSelection->loopEnd);
    tabWidget->chordsTab->initLoop(&plotter->plotSelection->loopStart, &plotter->plotSelection->loopEnd);

    // One pitch shared by the tools tab's three pitch controls and the
    // chords tab's key shift.
    RealTimeToolsTab* tools = tabWidget->realTimeToolsTab;
    pitchSync = new PitchSyncWidget(this);
    pitchSync->addWidget(tools->pitchKnobWidget());
    pitchSync->addWidget(tools->fineTuneWidget());
    pitchSync->addWidget(tools->semitoneWidget());
    pitchSync->addWidget(tabWidget->chordsTab->keyShiftWidget);

    preferencesMenu = new PreferencesMenu(saveLocation, nullptr, Qt::Window | Qt::WindowCloseButtonHint);
    preferencesMenu->hide();
}

void MainWindow::initLayout()
{
    // On Linux the menu bar sits inside the window: fix the content area,
    // and let the window take whatever the menu bar adds.
    auto* grid = new QGridLayout;
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);
    grid->addWidget(waveBg, 0, 0, 1, 1, Qt::AlignBottom);
    grid->addWidget(tabWidget, 1, 0, 1, 1, Qt::AlignCenter);
    grid->addWidget(transportWidget, 2, 0, 1, 1, Qt::AlignTop);
    auto* central = new QWidget(this);
    central->setFixedSize(contentWidth, contentHeight);
    central->setLayout(grid);
    setCentralWidget(central);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (isVisible()) {
        writeSettings();
        audioPlayer->stop();
        audioPlayer->stopThread();
    }
    // The settings are written: a start from now on runs on its own.
    if (singleInstance != nullptr)
        singleInstance->release();
    event->accept();
}

void MainWindow::shutDown()
{
    if (audioPlayer == nullptr)
        return;
    // The dialog's shortcuts act on the views: they go first.
    delete preferencesMenu;
    preferencesMenu = nullptr;
    // The views read the play position and the model through plain
    // pointers: they go before the objects they point into.
    delete takeCentralWidget();
    audioPlayer->close();
    delete audioPlayer;
    audioPlayer = nullptr;
    metaDataThread->wait();
    delete metaDataThread;
    metaDataThread = nullptr;
    audioOutput.reset();
    record.release();
}
