// The analysis cache reader over any first line, with the model load it
// feeds, and the start-up conversion: a file reads the same before and
// after it, and a cache read as usable loads into the model.
#include "AnalysisCache.h"
#include "FuzzSupport.h"
#include "MetaData.h"

#include <QCoreApplication>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    static QCoreApplication app(*argc, *argv); // the model is a QObject of this thread
    fuzz::quietLogs();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    const QString path = fuzz::writeInput("song.tbm", data, size);

    AnalysisCache::Lists before;
    const AnalysisCache::ReadStatus status = AnalysisCache::read(path, before);
    if (status == AnalysisCache::ReadStatus::Ok) {
        QString why;
        const bool fits = AnalysisCache::fits(before, {132300, 44100}, &why);
        fuzz::require(fits == why.isEmpty(), "a cache that does not fit says why");
        MetaData model;
        fuzz::require(model.setMetaDataFromFile(before.data()), "a cache read as usable loads");
        fuzz::require(model.metaDataValid, "a loaded model is valid");
    }

    AnalysisCache::encryptPlainFiles(fuzz::folder().path());
    AnalysisCache::Lists after;
    fuzz::require(AnalysisCache::read(path, after) == status, "the same status after conversion");
    fuzz::require(after == before, "the same lists after conversion");
    return 0;
}
