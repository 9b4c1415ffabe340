// The analysis cache as the open road finds and reads it. Recordings with
// the same file name ("song.mp3" and "song.wav", or two "01.mp3" in
// different folders) would name the same cache file: the first one
// analysed keeps "<name>.tbm", each other one gets a file of its own
// ("<name>-<hash of its path>.tbm"). A cache counts only for the recording
// whose path it stores, so no recording shows or overwrites another's
// beats and chords (corrections included).
#pragma once

#include "AnalysisCache.h"

#include <QString>

namespace CacheReading {

// The first cache file of a recording, below the start-up save location.
QString cachePathFor(const QString& saveLocation, const QString& audioPath);

struct Found
{
    // Where the recording's cache is, or is to be written.
    QString cachePath;
    // Ok: lists hold a usable result that fits the recording. Invalid: the
    // file is the recording's but stale or damaged. Missing: none yet.
    AnalysisCache::ReadStatus status = AnalysisCache::ReadStatus::Missing;
};

// Finds the recording's cache and reads it, checking that it still fits
// the recording (size known after decoding):
// 1. "<name>.tbm" when it stores this path;
// 2. else "<name>-<hash>.tbm" when it stores this path;
// 3. else the first of the two that no other recording holds (missing, or
//    a file too damaged to name its recording);
// 4. else (the hash too is taken: another path with the same name and the
//    same 8 hex digits) the second, which the analysis then rewrites.
Found find(const QString& saveLocation, const QString& audioPath, const AnalysisCache::RecordingSize& size,
           AnalysisCache::Lists& lists);

} // namespace CacheReading
