// What every fuzz target shares: a folder for the input file, quiet logs,
// and a way to stop on a broken promise that is not a memory error.
#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <QtGlobal>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace fuzz {

// The readers take paths: each input is written to one file in a folder of
// its own (under TMPDIR, which the run script points at memory).
inline QTemporaryDir& folder()
{
    static QTemporaryDir dir;
    return dir;
}

inline QString writeInput(const char* name, const std::uint8_t* data, size_t size)
{
    const QString path = folder().filePath(QString::fromLatin1(name));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        || file.write(reinterpret_cast<const char*>(data), qint64(size)) != qint64(size)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        std::abort();
    }
    return path;
}

// Thousands of inputs a second would each print a warning.
inline void quietLogs()
{
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
}

// A contract the code states and the input broke: stop, so that libFuzzer
// keeps the input.
inline void require(bool holds, const char* what)
{
    if (!holds) {
        std::fprintf(stderr, "broken promise: %s\n", what);
        std::abort();
    }
}

} // namespace fuzz
