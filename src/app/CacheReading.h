// The analysis cache as the open road finds and reads it. A recording is
// known by its canonical path (symlinks resolved), so a folder reached
// through a link finds the same cache. Recordings with the same file name
// ("song.mp3" and "song.wav", or two "01.mp3" in different folders) would
// name the same cache file: the first one analysed keeps "<name>.tbm",
// each other one gets a file of its own ("<name>-<hash of its path>.tbm",
// the name cut short where it would pass the file-name limit). A cache
// counts only for the recording whose path it stores, so no recording
// shows or overwrites another's beats and chords (corrections included);
// only a cache whose recording is gone goes over to a recording of exactly
// its length and rate: the same recording, moved or renamed.
#pragma once

#include "AnalysisCache.h"

#include <QString>

namespace CacheReading {

// The first cache file of a recording, below the start-up save location
// (null for a name too long to have one).
QString cachePathFor(const QString& saveLocation, const QString& audioPath);

struct Found
{
    // Where the recording's cache is, or is to be written; null when every
    // name it may have holds another recording's cache (nothing is written
    // then).
    QString cachePath;
    // Ok: lists hold a usable result that fits the recording. Invalid: the
    // file is the recording's but stale or damaged. Missing: none yet.
    AnalysisCache::ReadStatus status = AnalysisCache::ReadStatus::Missing;
    // The path the cache stores: the recording's canonical path, or the
    // path as given when that cannot be resolved.
    QString audioPath;
};

// Finds the recording's cache and reads it, checking that it still fits
// the recording (size known after decoding):
// 1. its names ("<name>.tbm", "<name>-<8 hex>.tbm", "<name>-<40 hex>.tbm"
//    of its canonical path, then the first two of the path as given, which
//    a cache written through a link has): the first that stores this
//    recording (its path, or a path that resolves to it);
// 2. else, when the size is known, the folder's caches of exactly this
//    length and rate: one that stores a path resolving to this recording
//    (written through another link), else one whose recording no longer
//    exists, of the same file name first, else the newest;
// 3. else the first of its own names that no other recording holds
//    (missing, or a file too damaged to name its recording), analysed into;
// 4. else none: the analysis is not kept.
// A usable cache found under another name than its own (2, or 1 through a
// link) moves to the first free own name and stores the canonical path, so
// it is found at once next time; one whose recording is gone keeps its
// corrections.
Found find(const QString& saveLocation, const QString& audioPath, const AnalysisCache::RecordingSize& size,
           AnalysisCache::Lists& lists);

} // namespace CacheReading
