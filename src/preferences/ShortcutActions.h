// The 29 keyboard-shortcut actions: their names, which are also the object
// names of the editor's QShortcut objects and so the routing keys the main
// window connects by, and their default keys in key-sequence form. The
// names are translated in the "ShortcutsTab" context where they are shown,
// never where they route.
#pragma once

#include <QString>
#include <QtGlobal>

#include <array>
#include <cstddef>

namespace ShortcutActions {

struct Action
{
    const char* name;
    const char* defaultKeys;
};

constexpr int count = 29;

// Indexes into actions, for the code that routes them.
enum Id {
    Exit,
    FastForward,
    LoadSession,
    MetronomeVolumeDown,
    MetronomeVolumeUp,
    OpenAudioFile,
    Pause,
    PitchDown,
    PitchUp,
    PlayFromSelectionStart,
    PlayStop,
    Rewind,
    SaveAudio,
    SaveSession,
    ShowChordViewerTab,
    ShowJamMasterTab,
    ShowRiffBuilderTab,
    TempoDown,
    TempoUp,
    ToggleIsolateTool,
    ToggleLoop,
    TogglePitchTool,
    ToggleScroll,
    ToggleTempoTool,
    ViewHelp,
    VolumeDown,
    VolumeUp,
    ZoomIn,
    ZoomOut,
};

// In name order (ascending by code unit): the index is the action's place
// in the editor's lists and in the stored list.
constexpr std::array<Action, count> actions = {{
    {QT_TRANSLATE_NOOP("ShortcutsTab", "Exit"), "CTRL+Q"},
    {QT_TRANSLATE_NOOP("ShortcutsTab", "Fast Forward"), "RIGHT"},
    {QT_TRANSLATE_NOOP("ShortcutsTab", "Load Session"), "CTRL+L"},
    {QT_TRANSLATE_NOOP("ShortcutsTab", "Metronome Volume Down"), "'"},
    {QT_TRANSLATE_NOOP("ShortcutsTab", "Metronome Volume Up"), "\\"},
    {QT_TRANSLATE_NOOP("ShortcutsTab", "Open Audio File"), "CTRL+O"},
    {QT_TRANSLATE_NOOP("ShortcutsTab", "Pause"), "RETURN"},
    {QT_TRANSLATE_NOOP("ShortcutsTab", "Pitch Down (-1 Semitone)"), "F7"},
    {QT_TRANSLATE_NOOP("ShortcutsTab", "Pitch Up (+1 Semitone)"), "F8"},
    {QT_TRANSLATE_NOOP("ShortcutsTab", "Play From Selection Start"), "DOWN"},
    {QT_TRANSLATE_NOOP("ShortcutsTab", "Play/Stop"), "SPACE"},
    {QT_TRANSLATE_NOOP("ShortcutsTab", "Rewind"), "LEFT"},
    {QT_TRANSLATE_NOOP("ShortcutsTab", "Save Audio"), "CTRL+A"},
    {QT_TRANSLATE_NOOP("ShortcutsTab", "Save Session"), "CTRL+S"},
    {QT_TRANSLATE_NOOP("ShortcutsTab", "Show Chord Viewer Tab"), "3"},
    {QT_TRANSLATE_NOOP("ShortcutsTab", "Show Jam Master Tab"), "1"},
    {QT_TRANSLATE_NOOP("ShortcutsTab", "Show Riff Builder Tab"), "2"},
    {QT_TRANSLATE_NOOP("ShortcutsTab", "Tempo Down (-1 BPM)"), "F5"},
    {QT_TRANSLATE_NOOP("ShortcutsTab", "Tempo Up (+1 BPM)"), "F6"},
    {QT_TRANSLATE_NOOP("ShortcutsTab", "Toggle Isolate Tool"), "F3"},
    {QT_TRANSLATE_NOOP("ShortcutsTab", "Toggle Loop"), "L"},
    {QT_TRANSLATE_NOOP("ShortcutsTab", "Toggle Pitch Tool"), "F4"},
    {QT_TRANSLATE_NOOP("ShortcutsTab", "Toggle Scroll"), "S"},
    {QT_TRANSLATE_NOOP("ShortcutsTab", "Toggle Tempo Tool"), "F2"},
    {QT_TRANSLATE_NOOP("ShortcutsTab", "View Help"), "F1"},
    {QT_TRANSLATE_NOOP("ShortcutsTab", "Volume Down"), "["},
    {QT_TRANSLATE_NOOP("ShortcutsTab", "Volume Up"), "]"},
    {QT_TRANSLATE_NOOP("ShortcutsTab", "Zoom In"), "="},
    {QT_TRANSLATE_NOOP("ShortcutsTab", "Zoom Out"), "-"},
}};

constexpr const char* name(Id id)
{
    return actions[std::size_t(id)].name;
}

// The action an object name routes to, compared exactly; -1 for none.
inline int indexOf(const QString& objectName)
{
    for (std::size_t i = 0; i < actions.size(); ++i) {
        if (objectName == QLatin1String(actions[i].name))
            return int(i);
    }
    return -1;
}

// The stored list is read by position, so the table must stay in name
// order (QString compares code units; these names are ASCII).
constexpr bool nameBefore(const char* a, const char* b)
{
    for (; *a != 0 && *a == *b; ++a, ++b) { }
    return static_cast<unsigned char>(*a) < static_cast<unsigned char>(*b);
}

constexpr bool inNameOrder()
{
    for (std::size_t i = 1; i < actions.size(); ++i) {
        if (!nameBefore(actions[i - 1].name, actions[i].name))
            return false;
    }
    return true;
}
static_assert(inNameOrder(), "the shortcut actions must stay in name order");
static_assert(count == ZoomOut + 1, "one Id per action");

} // namespace ShortcutActions
