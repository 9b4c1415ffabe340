// Saving a session: reads every value from the live objects (capture),
// makes the document (session::toXml) and writes it in place of the file
// atomically, so a failure midway leaves the old session as it was.
// GUI thread.
#pragma once

#include "SessionState.h"
#include "SessionTargets.h"

#include <QByteArray>
#include <QString>

#include <functional>

class SessionWriter
{
public:
    enum class Status {
        Saved,
        NoAudioFile,        // no audio file was opened yet: nothing written
        ForbiddenCharacter, // the audio path holds a character XML cannot carry
        WriteFailed,        // the folder, the disk or the rename failed
    };

    struct Result
    {
        Status status = Status::Saved;
        // ForbiddenCharacter: the offending path; WriteFailed: the system's
        // reason.
        QString detail;
        bool ok() const { return status == Status::Saved; }
    };

    SessionWriter(const SessionViews& views, const SessionShell& shell);

    // The values as they stand now.
    SessionState capture() const;
    // Captures and writes to path. An existing file is replaced only once
    // the whole document is on disk.
    Result save(const QString& path) const;

    // Save As's proposal: the audio file's name without its folder and
    // without any of the known audio extensions (case-sensitive, every
    // occurrence), below the session folder, with no extension.
    static QString proposedName(const QString& audioFileName, const QString& sessionFolder);
    // A chosen name that holds no ".tb" anywhere gets it appended.
    static QString withSessionSuffix(const QString& chosen);

    // Tests: called with the bytes before they are committed; returning
    // false makes the write fail there, as a full disk would.
    using WriteHook = std::function<bool(const QByteArray& bytes)>;
    void setWriteHook(WriteHook hook) { writeHook_ = std::move(hook); }

private:
    SessionViews views_;
    const SessionShell& shell_;
    WriteHook writeHook_;
};
