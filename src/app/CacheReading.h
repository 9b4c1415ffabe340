// The analysis cache as the open road reads it. Recordings with the same
// file name share one cache file ("song.mp3" and "song.wav", or two
// "01.mp3" in different folders), so a cache counts only for the recording
// whose path it stores: another one's beats and chords would be shown.
#pragma once

#include "AnalysisCache.h"

#include <QString>

namespace CacheReading {

// The cache file of a recording, below the start-up save location.
QString cachePathFor(const QString& saveLocation, const QString& audioPath);

// AnalysisCache::read, with a cache that stores another recording's path
// taken as Invalid (the analysis then runs and rewrites it).
AnalysisCache::ReadStatus read(const QString& cachePath, const QString& audioPath, AnalysisCache::Lists& lists);

} // namespace CacheReading
