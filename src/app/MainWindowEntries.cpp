// The other ways in: the command line, open-file events, a later start's
// hand-over, drag and drop, the CD-track dialog and the recent-files menu.
// Each classifies its path (FileRoutes) and hands it to open() or to the
// session road.
#include "MainWindow.h"

#include "FileRoutes.h"
#include "RecentFiles.h"
#include "SingleInstance.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileOpenEvent>
#include <QMenu>
#include <QMimeData>

namespace {

const char* const unsupportedText =
    QT_TRANSLATE_NOOP("MainWindow",
                      "Selected file is not supported.<br />Please choose a file with one of the "
                      "following extensions:<br />.wav .mp3 .wma .ogg .flac .m4a .mp4 .aac .aiff .aif .tb");

} // namespace

void MainWindow::delayedLoad()
{
    if (busy)
        return;
    const FileRoute route = FileRoutes::routeCommandLine(QCoreApplication::arguments());
    switch (route.kind) {
    case FileKind::Audio:
        open(route.path, false);
        break;
    case FileKind::Session:
        openSessionFile(route.path);
        break;
    case FileKind::Refused:
        if (!route.path.isEmpty())
            dialogs->information(this, tr("Cannot load file"), tr(unsupportedText));
        break;
    }
}

bool MainWindow::eventFilter(QObject* /*watched*/, QEvent* event)
{
    // Qt lets application-wide shortcuts through while a popup is open,
    // even over a modal dialog: a file dialog's completer would lose Return
    // and the arrows to Pause and the transport. The popup keeps its keys.
    if (event->type() == QEvent::ShortcutOverride && QApplication::activePopupWidget() != nullptr
        && QApplication::activeModalWidget() != nullptr) {
        event->accept();
        return true;
    }
    if (event->type() == QEvent::FileOpen && !busy) {
        const FileRoute route = FileRoutes::routeFileOpenEvent(static_cast<QFileOpenEvent*>(event)->file());
        if (route.kind == FileKind::Session)
            openSessionFile(route.path);
        else
            open(route.path, false);
    }
    return false;
}

void MainWindow::listenTo(SingleInstance* instance)
{
    singleInstance = instance;
    connect(instance, &SingleInstance::requested, this, &MainWindow::takeHandOver);
    instance->setReady();
}

void MainWindow::takeHandOver(const FileRoute& route)
{
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
    // Nothing named, or a request its sender withdrew: to the front only.
    if (route.path.isEmpty())
        return;
    if (busy) {
        SingleInstance::reportNotOpened(route.path, "a recording is opening");
        return;
    }
    switch (route.kind) {
    case FileKind::Audio:
    case FileKind::Session: {
        // Linux sends no open-file events: a later start stands in for one.
        // Sent, not posted: a box the opening shows is on screen while this
        // request is still being handled, so a later one does not open its
        // own box over it.
        QFileOpenEvent event(route.path);
        QCoreApplication::sendEvent(qApp, &event);
        break;
    }
    case FileKind::Refused:
        dialogs->information(this, tr("Cannot load file"), tr(unsupportedText));
        break;
    }
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls() && FileRoutes::acceptsDrag(event->mimeData()->urls()))
        event->acceptProposedAction();
}

void MainWindow::dragMoveEvent(QDragMoveEvent* event)
{
    if (event->mimeData()->hasUrls() && FileRoutes::acceptsDrag(event->mimeData()->urls()))
        event->acceptProposedAction();
}

void MainWindow::dragLeaveEvent(QDragLeaveEvent* event)
{
    event->accept();
    setCursor(Qt::ArrowCursor);
}

void MainWindow::dropEvent(QDropEvent* event)
{
    if (!busy && event->mimeData()->hasUrls()) {
        // Every dropped file in turn; open() refuses the next one while the
        // analysis of the first runs.
        for (const QUrl& url : event->mimeData()->urls()) {
            const FileRoute route = FileRoutes::routeDrop(url);
            if (route.kind == FileKind::Audio)
                open(route.path, false);
            else if (route.kind == FileKind::Session)
                openSessionFile(route.path);
        }
    }
    setCursor(Qt::ArrowCursor);
}

void MainWindow::openCD()
{
    if (busy)
        return;
    const QString start = FileRoutes::cdStartFolder(cdRoots ? cdRoots() : QStringList());
    const QString file =
        dialogs->getOpenFileName(this, tr("Open CD Track"), start, tr("CD Track (*.aiff *.aif *.wav)"));
    if (!file.isEmpty())
        open(file, true);
}

void MainWindow::loadRecent(QAction* recent)
{
    if (busy || recent == nullptr)
        return;
    const FileRoute route = FileRoutes::routeRecent(RecentFiles::pathOf(recent));
    if (route.kind == FileKind::Audio)
        open(route.path, false);
    else if (route.kind == FileKind::Session)
        openSessionFile(route.path);
}

void MainWindow::clearRecent()
{
    if (busy)
        return;
    RecentFiles::clear(recentFilesMenu);
}
