// The keyboard shortcuts: the shortcut editor owns one QShortcut per
// action, named after it; the window takes them over and routes each by its
// name to what the action does.
#include "MainWindow.h"

#include "AudioPlayer.h"
#include "IncrementWidget.h"
#include "Knob.h"
#include "Plotter.h"
#include "PreferencesMenu.h"
#include "RealTimeToolsTab.h"
#include "ShortcutsTab.h"
#include "TabButtons.h"
#include "TabWidget.h"
#include "TransportWidget.h"
#include "WaveBg.h"

#include <QAction>
#include <QShortcut>

namespace {

// Marks a shortcut already routed, so that a second call never connects
// it twice (one key press, one action).
const char* const routedProperty = "tonbrookRouted";

} // namespace

// Runs at the end of the settings restore, and again after every rebuild
// of the editor's objects (which deletes the old ones with their
// connections). The window becomes their parent: with the
// application-wide context they then act whichever of its windows is
// active, but not while a modal dialog (the preferences) blocks the window.
void MainWindow::initShortcuts()
{
    for (QShortcut* shortcut : preferencesMenu->shortcutsTab->shortcuts()) {
        shortcut->setParent(this);
        const int action = ShortcutActions::indexOf(shortcut->objectName());
        if (action < 0 || shortcut->property(routedProperty).toBool())
            continue;
        shortcut->setProperty(routedProperty, true);
        connect(shortcut, &QShortcut::activated, this,
                [this, action] { runShortcut(ShortcutActions::Id(action)); });
    }
}

void MainWindow::runShortcut(ShortcutActions::Id action)
{
    if (busy)
        return;
    RealTimeToolsTab* tools = tabWidget->realTimeToolsTab;
    TabButtons* tabs = tabWidget->tabButtons;
    Plotter* plotter = waveBg->plotter;
    switch (action) {
    case ShortcutActions::Exit:
        close();
        break;
    case ShortcutActions::FastForward:
        audioPlayer->seekF();
        break;
    case ShortcutActions::LoadSession:
        loadSession();
        break;
    case ShortcutActions::MetronomeVolumeDown:
        transportWidget->metronomeKnob->decrement();
        break;
    case ShortcutActions::MetronomeVolumeUp:
        transportWidget->metronomeKnob->increment();
        break;
    case ShortcutActions::OpenAudioFile:
        open();
        break;
    case ShortcutActions::Pause:
        pause();
        break;
    case ShortcutActions::PitchDown:
        tools->semitoneWidget()->decrement();
        break;
    case ShortcutActions::PitchUp:
        tools->semitoneWidget()->increment();
        break;
    case ShortcutActions::PlayFromSelectionStart:
        playFromSelectionStart();
        break;
    case ShortcutActions::PlayStop:
        playStop();
        break;
    case ShortcutActions::Rewind:
        audioPlayer->seekB();
        break;
    // The menu action is disabled while there is nothing to export or no
    // session named to save to; the key follows it.
    case ShortcutActions::SaveAudio:
        if (saveAudioAction->isEnabled())
            exportAudioMP3();
        break;
    case ShortcutActions::SaveSession:
        if (saveSessionAction->isEnabled())
            saveSessionFile();
        break;
    case ShortcutActions::ShowChordViewerTab:
        tabs->showChordViewer();
        break;
    case ShortcutActions::ShowJamMasterTab:
        tabs->showRealTimeTools();
        break;
    case ShortcutActions::ShowRiffBuilderTab:
        tabs->showRiffBuilder();
        break;
    case ShortcutActions::TempoDown:
        tools->bpmWidget()->decrement();
        break;
    case ShortcutActions::TempoUp:
        tools->bpmWidget()->increment();
        break;
    case ShortcutActions::ToggleIsolateTool:
        toggleIsolate();
        break;
    case ShortcutActions::ToggleLoop:
        toggleLoop();
        break;
    case ShortcutActions::TogglePitchTool:
        togglePitch();
        break;
    case ShortcutActions::ToggleScroll:
        toggleScroll();
        break;
    case ShortcutActions::ToggleTempoTool:
        toggleTempo();
        break;
    case ShortcutActions::ViewHelp:
        viewOnlineDocs();
        break;
    case ShortcutActions::VolumeDown:
        transportWidget->volumeKnob->decrement();
        break;
    case ShortcutActions::VolumeUp:
        transportWidget->volumeKnob->increment();
        break;
    case ShortcutActions::ZoomIn:
        plotter->zoomIn();
        break;
    case ShortcutActions::ZoomOut:
        plotter->zoomOut();
        break;
    }
}
