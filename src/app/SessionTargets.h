// What the session writer reads and the session loader sets: the views'
// and the player's real objects (SessionViews), and the few services of
// the main window around them (SessionShell). The main window hands both
// over; tests and benchmarks build the objects without a window.
#pragma once

#include <QString>

class AudioPlayer;
class ChordsTab;
class JamTab;
class RealTimeToolsTab;
class TransportWidget;
class WaveBg;

struct SessionViews
{
    AudioPlayer* player = nullptr;
    TransportWidget* transport = nullptr; // its loop button
    WaveBg* waveBg = nullptr;             // the auto-scroll button, the waveform view
    RealTimeToolsTab* toolsTab = nullptr;
    ChordsTab* chordsTab = nullptr;
    JamTab* jamTab = nullptr;
};

class SessionShell
{
public:
    virtual ~SessionShell() = default;

    // Path of the current audio file (empty before the first one), and
    // whether a recording is loaded now.
    virtual QString audioFileName() const = 0;
    virtual bool recordingLoaded() const = 0;
    // Frames of the loaded recording.
    virtual int frameCount() const = 0;

    // The tab container's page: 0 tools, 1 jam, 2 chords.
    virtual int currentTab() const = 0;
    virtual void setCurrentTab(int tab) = 0;

    // Opens a recording by the ordinary road: 0 when it is open, anything
    // else when it is not (cancelled, missing, undecodable). The road shows
    // its own messages.
    virtual int openRecording(const QString& path) = 0;
    // A session opened its recording: the recent-files entry the opening
    // just added goes again.
    virtual void forgetOpenedRecent() = 0;
};
