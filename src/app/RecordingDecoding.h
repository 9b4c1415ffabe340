// Whole-file decoding of the recording the window opens: the decoded
// record the window owns and lends out as plain pointers, and the decoding
// into it, on the GUI thread, reporting each whole percent.
#pragma once

#include "AudioDecoder.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>

struct DecodeHooks
{
    // Called before the previous buffers go: whoever reads them stops.
    std::function<void()> releasing;
    // The progress text ("Decoding Audio | ...").
    std::function<void(const QString&)> showText;
    // 0, 1, 2 ... each whole percent once, in order; may run pending events.
    std::function<void(int percent)> progress;
};

// The recording as the player, the waveform and the analysis read it: two
// buffers of sampleCount floats (rightData a copy of leftData for a
// one-channel file), owned here, valid while audioLoaded.
class DecodedRecording
{
public:
    float* leftData = nullptr;
    float* rightData = nullptr;
    bool isStereo = false;
    int sampleCount = 0;
    int sampleRate = 0;
    int channelCount = 0; // 1 or 2: more channels arrive mixed to stereo
    bool audioLoaded = false;
    QStringList songInfo; // title, artist, album; empty strings where no tag

    // Frees the buffers; the record then describes no recording.
    void release();

private:
    friend int decodeRecording(const QString&, DecodedRecording&, std::int64_t, const DecodeHooks&, DecodeError*);
    DecodedAudio audio;
};

// Results of decodeRecording, as the open road reports them.
enum DecodeResult : int {
    DecodeOk = 0,
    DecodeFailed = -1,   // not decodable: unknown format, damaged, unreadable
    DecodeTooSmall = -2, // fewer than minimumFrames frames
    DecodeTooLarge = -3, // more frames than the limit, or no memory
};

constexpr int minimumFrames = 100000; // about 2.27 s at 44.1 kHz

// The message box text for a result other than DecodeOk.
QString decodeResultMessage(int result);

// The frame limit for a byte budget of half the physical memory, 8 bytes a
// frame (both channels as floats), and never beyond an int's count. With
// overcommit an allocation never fails, so the limit is what refuses a
// recording too large to hold.
std::int64_t defaultFrameLimit();

// Releases the previous recording (hooks.releasing first), reads the tags,
// decodes the whole file and fills record. On any failure the record holds
// no recording, the failure is logged on stderr with the path, and error
// (may be null) receives the decoder's reason, which is also printed on
// stdout as "Error(code): reason<br />" (None for a recording too short:
// the decoder had no error). The decoder refuses past frameLimit frames
// before it has written more than that.
int decodeRecording(const QString& path, DecodedRecording& record, std::int64_t frameLimit,
                    const DecodeHooks& hooks, DecodeError* error = nullptr);
