#include "RecordingDecoding.h"

#include "ShellLog.h"
#include "Tags.h"

#include <QCoreApplication>

#include <unistd.h>

#include <algorithm>
#include <cstdio>

void DecodedRecording::release()
{
    audio = DecodedAudio();
    leftData = nullptr;
    rightData = nullptr;
    isStereo = false;
    sampleCount = 0;
    sampleRate = 0;
    channelCount = 0;
    audioLoaded = false;
    songInfo.clear();
}

QString decodeResultMessage(int result)
{
    switch (result) {
    case DecodeTooSmall:
        return QCoreApplication::translate("MainWindow", "File too small!<br />Please choose another file.");
    case DecodeTooLarge:
        return QCoreApplication::translate("MainWindow", "File too large!<br />Please choose another file.");
    default:
        return QCoreApplication::translate("MainWindow", "Please select a different audio file.");
    }
}

std::int64_t defaultFrameLimit()
{
    const long pages = ::sysconf(_SC_PHYS_PAGES);
    const long pageSize = ::sysconf(_SC_PAGE_SIZE);
    if (pages <= 0 || pageSize <= 0)
        return AudioDecoder::kDefaultFrameLimit;
    const std::int64_t budget = static_cast<std::int64_t>(pages) * pageSize / 2;
    return std::min<std::int64_t>(budget / 8, AudioDecoder::kDefaultFrameLimit);
}

namespace {

int failed(const QString& path, const AudioDecoder& decoder, DecodeError* error)
{
    const DecodeError why = decoder.error();
    if (error != nullptr)
        *error = why;
    const QString reason = decodeErrorMessage(why);
    // The line the decoding has always printed, now with the reason.
    std::printf("Error(%d): %s<br />\n", int(why), reason.toLocal8Bit().constData());
    std::fflush(stdout);
    qCWarning(lcShell).noquote() << QStringLiteral("Cannot load %1: %2").arg(path, reason);
    return why == DecodeError::TooLarge ? DecodeTooLarge : DecodeFailed;
}

} // namespace

int decodeRecording(const QString& path, DecodedRecording& record, std::int64_t frameLimit,
                    const DecodeHooks& hooks, DecodeError* error)
{
    if (error != nullptr)
        *error = DecodeError::None;
    if (hooks.releasing)
        hooks.releasing();
    record.release();

    AudioDecoder decoder;
    if (!decoder.open(path))
        return failed(path, decoder, error);

    Tags tags;
    readTags(path, tags);
    const QStringList songInfo{tags.title, tags.artist, tags.album};
    if (hooks.showText) {
        const QString text = !tags.title.isEmpty() || !tags.artist.isEmpty()
            ? QCoreApplication::translate("MainWindow", "Decoding Audio | %1 - %2").arg(tags.artist, tags.title)
            : QCoreApplication::translate("MainWindow", "Decoding Audio | %1")
                  .arg(path.mid(path.lastIndexOf(QLatin1Char('/')) + 1));
        hooks.showText(text);
    }

    decoder.setFrameLimit(std::min(frameLimit, AudioDecoder::kDefaultFrameLimit));
    DecodedAudio audio;
    if (!decoder.decodeAll(audio, hooks.progress))
        return failed(path, decoder, error);
    if (audio.numFrames < minimumFrames) {
        qCWarning(lcShell).noquote() << QStringLiteral("Cannot load %1: %2 frames, fewer than %3.")
                                            .arg(path)
                                            .arg(audio.numFrames)
                                            .arg(minimumFrames);
        return DecodeTooSmall;
    }

    record.audio = std::move(audio);
    record.leftData = record.audio.left.data();
    record.rightData = record.audio.right.data();
    record.isStereo = record.audio.channelCount == 2;
    record.sampleCount = static_cast<int>(record.audio.numFrames);
    record.sampleRate = record.audio.sampleRateHz;
    record.channelCount = record.audio.channelCount;
    record.songInfo = songInfo;
    record.audioLoaded = true;
    return DecodeOk;
}
