#include "MainWindow.h"

#include "AudioOutput.h"
#include "AudioPlayer.h"
#include "FileRoutes.h"
#include "MetaDataThread.h"
#include "MetronomeClick.h"
#include "PathsManager.h"
#include "Startup.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QGridLayout>
#include <QIcon>
#include <QLayout>
#include <QMenuBar>
#include <QMetaType>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>

namespace {

constexpr int startupLoadDelayMs = 1050;

} // namespace

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent)
    , dialogs(std::make_unique<QtShellDialogs>())
    , frameLimit(defaultFrameLimit())
    , cdRoots(&FileRoutes::cdRoots)
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
    audioPlayer->initMetaData(metaDataThread->metaData);

    initWidgets();
    initLayout();
    initActions();
    initMenus();

    setAutoFillBackground(true);
    QPalette background = palette();
    background.setBrush(QPalette::Window, QBrush(QColor(40, 40, 40)));
    setPalette(background);

    // Centred on the first screen; the settings may move it.
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
}

void MainWindow::initLayout()
{
    // On Linux the menu bar sits inside the window: fix the content area,
    // and let the window take whatever the menu bar adds.
    auto* grid = new QGridLayout;
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);
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
    event->accept();
}

void MainWindow::shutDown()
{
    if (audioPlayer == nullptr)
        return;
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
