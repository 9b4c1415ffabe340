// Sessions and audio export. The sessions and export issue fills these
// slots; each returns at once while a recording opens.
#include "MainWindow.h"

void MainWindow::saveSessionFileAs()
{
    if (busy)
        return;
}

void MainWindow::saveSessionFile()
{
    if (busy)
        return;
}

void MainWindow::loadSession(bool /*useSessionFileName*/)
{
    if (busy)
        return;
}

void MainWindow::exportAudioMP3(bool /*selection*/)
{
    if (busy)
        return;
}

void MainWindow::exportSelection()
{
    if (busy)
        return;
}

void MainWindow::exportRiffWav()
{
    if (busy)
        return;
}

void MainWindow::exportSongWav()
{
    if (busy)
        return;
}

void MainWindow::checkEnableAudioExport()
{
}

void MainWindow::enableSelectionExport(bool /*enable*/)
{
}
