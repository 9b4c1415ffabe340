// The tag reader over any bytes. TagLib picks its parser by the file name's
// extension, so the first byte chooses one and the rest is the file.
#include "FuzzSupport.h"
#include "Tags.h"

#include <iterator>

namespace {
const char* const names[] = {"in.mp3", "in.flac", "in.ogg", "in.oga",  "in.opus", "in.m4a",
                             "in.mp4", "in.aac",  "in.wav", "in.aiff", "in.aif",  "in.wma",
                             "in.ape", "in.mpc",  "in.wv",  "in.spx",  "in.tta",  "in.dsf"};
} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::quietLogs();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const char* name = names[data[0] % std::size(names)];
    const QString path = fuzz::writeInput(name, data + 1, size - 1);
    Tags tags;
    if (!readTags(path, tags))
        fuzz::require(tags.title.isEmpty() && tags.artist.isEmpty() && tags.album.isEmpty(),
                      "no tags when refused");
    QFile::remove(path); // the next input may pick another name
    return 0;
}
