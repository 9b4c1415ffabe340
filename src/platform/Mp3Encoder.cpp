#include "Mp3Encoder.h"

#include "PlatformLog.h"
#include "WavWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <cstdio>

namespace {

// The encoder runs faster than real time; a pipe that takes this long to
// drain means the encoder hangs.
constexpr int kWriteTimeoutMs = 30000;
constexpr int kFinishTimeoutMs = 300000;
// Bytes left in QProcess's buffer before write() waits for the pipe.
constexpr qint64 kMaxBuffered = 1 << 18;
constexpr int kStderrTailBytes = 2000;

} // namespace

QString Mp3Encoder::findEncoder()
{
    for (const char* candidate : {"/usr/local/bin/lame", "/usr/bin/lame"}) {
        const QFileInfo info(QString::fromLatin1(candidate));
        if (info.isFile() && info.isExecutable())
            return info.filePath();
    }
    return QStandardPaths::findExecutable(QStringLiteral("lame"));
}

QStringList Mp3Encoder::arguments(int sampleRateHz, const QString& outputPath)
{
    return {QStringLiteral("-s"),  QString::number(sampleRateHz), QStringLiteral("-b"),
            QStringLiteral("320"), QStringLiteral("-"),           outputPath};
}

Mp3Encoder::Mp3Encoder(QString program) : program_(std::move(program)) { }

Mp3Encoder::~Mp3Encoder()
{
    abandon();
}

bool Mp3Encoder::failWith(const QString& message)
{
    if (!failed_) {
        error_ = message;
        qCWarning(lcEncoder).noquote() << message;
    }
    failed_ = true;
    abandon();
    return false;
}

void Mp3Encoder::abandon()
{
    if (process_) {
        process_->kill();
        process_->waitForFinished(5000);
        process_.reset();
    }
    if (!tempPath_.isEmpty()) {
        QFile::remove(tempPath_);
        tempPath_.clear();
    }
}

void Mp3Encoder::collectStderr()
{
    stderrTail_ += process_->readAllStandardError();
    if (stderrTail_.size() > kStderrTailBytes)
        stderrTail_ = stderrTail_.right(kStderrTailBytes);
}

bool Mp3Encoder::start(const QString& outputPath, int sampleRateHz)
{
    abandon();
    failed_ = false;
    error_.clear();
    stderrTail_.clear();
    outputPath_ = outputPath;
    if (program_.isEmpty())
        return failWith(tr("No MP3 encoder is installed"));
    if (sampleRateHz <= 0)
        return failWith(tr("Cannot encode %1: no sample rate").arg(outputPath));

    // Reserve a unique name beside the target, on the same file system, so
    // the final rename is atomic.
    const QFileInfo target(outputPath);
    QTemporaryFile reserve(target.absolutePath() + QStringLiteral("/.") + target.completeBaseName()
                           + QStringLiteral(".XXXXXX.mp3"));
    reserve.setAutoRemove(false);
    if (!reserve.open())
        return failWith(tr("Cannot create %1: %2").arg(outputPath, reserve.errorString()));
    tempPath_ = reserve.fileName();
    // The encoder creates the file itself, with the user's usual
    // permissions rather than the private ones of a temporary file.
    reserve.remove();

    process_ = std::make_unique<QProcess>();
    process_->setStandardOutputFile(QProcess::nullDevice());
    process_->start(program_, arguments(sampleRateHz, tempPath_), QIODevice::ReadWrite);
    if (!process_->waitForStarted())
        return failWith(tr("Cannot start the MP3 encoder %1: %2").arg(program_, process_->errorString()));

    const QByteArray h = WavWriter::header(sampleRateHz, 2, 0xffffffffu);
    return feed(h.constData(), h.size());
}

bool Mp3Encoder::feed(const char* data, std::int64_t bytes)
{
    if (process_->write(data, bytes) != bytes)
        return failWith(tr("The MP3 encoder stopped taking audio"));
    while (process_->bytesToWrite() > kMaxBuffered) {
        if (!process_->waitForBytesWritten(kWriteTimeoutMs) || process_->state() != QProcess::Running) {
            collectStderr();
            return failWith(
                tr("The MP3 encoder stopped taking audio: %1").arg(QString::fromLocal8Bit(stderrTail_).trimmed()));
        }
        collectStderr();
    }
    return true;
}

bool Mp3Encoder::write(const float* interleaved, std::int64_t numFrames)
{
    if (failed_ || !process_)
        return failWith(error_.isEmpty() ? tr("The MP3 encoder is not running") : error_);
    if (numFrames <= 0)
        return numFrames == 0;
    const std::int64_t samples = 2 * numFrames;
    pcm_.resize(static_cast<size_t>(2 * samples));
    WavWriter::toPcm16(interleaved, samples, pcm_.data());
    return feed(pcm_.data(), 2 * samples);
}

bool Mp3Encoder::finish()
{
    if (failed_ || !process_)
        return failWith(error_.isEmpty() ? tr("The MP3 encoder is not running") : error_);
    while (process_->bytesToWrite() > 0) {
        if (!process_->waitForBytesWritten(kWriteTimeoutMs))
            break;
        collectStderr();
    }
    process_->closeWriteChannel();
    bool finished = process_->waitForFinished(kFinishTimeoutMs);
    collectStderr();
    const QString output = QString::fromLocal8Bit(stderrTail_).trimmed();
    if (!finished)
        return failWith(tr("The MP3 encoder did not finish"));
    if (process_->exitStatus() != QProcess::NormalExit || process_->exitCode() != 0)
        return failWith(
            tr("The MP3 encoder failed (exit code %1): %2").arg(process_->exitCode()).arg(output.right(300)));
    process_.reset();
    if (QFileInfo(tempPath_).size() <= 0)
        return failWith(tr("The MP3 encoder wrote nothing"));
    // rename(2) replaces an existing target in one step.
    if (std::rename(QFile::encodeName(tempPath_).constData(), QFile::encodeName(outputPath_).constData()) != 0)
        return failWith(tr("Cannot create %1").arg(outputPath_));
    tempPath_.clear();
    return true;
}
