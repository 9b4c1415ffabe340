// Why a file could not be decoded, and the reason in words for the user.
#pragma once

#include <QString>

enum class DecodeError : int {
    None = 0,
    FileNotFound = 1,
    FileUnreadable = 2,
    FileEmpty = 3,
    NotAudio = 4, // no audio stream FFmpeg can decode: wrong content, unknown format
    Damaged = 5,  // an audio stream, but not one packet of it decodes
    TooLarge = 6, // more frames than the limit, or the buffers cannot be allocated
};

// The reason for an error code, in English (printed); empty for None.
QString decodeErrorMessage(DecodeError error);
// The same in the interface language (context "AudioDecoder"), for boxes.
QString decodeErrorReason(DecodeError error);
