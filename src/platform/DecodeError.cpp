#include "DecodeError.h"

#include <QCoreApplication>

namespace {

const char* decodeErrorText(DecodeError error)
{
    switch (error) {
    case DecodeError::None:
        return "";
    case DecodeError::FileNotFound:
        return QT_TRANSLATE_NOOP("AudioDecoder", "The file does not exist.");
    case DecodeError::FileUnreadable:
        return QT_TRANSLATE_NOOP("AudioDecoder", "The file cannot be read.");
    case DecodeError::FileEmpty:
        return QT_TRANSLATE_NOOP("AudioDecoder", "The file is empty.");
    case DecodeError::NotAudio:
        return QT_TRANSLATE_NOOP("AudioDecoder", "The file holds no audio in a format that can be decoded.");
    case DecodeError::Damaged:
        return QT_TRANSLATE_NOOP("AudioDecoder", "The audio in the file is damaged and cannot be decoded.");
    case DecodeError::TooLarge:
        return QT_TRANSLATE_NOOP("AudioDecoder", "The file is too large to load.");
    }
    return "";
}

} // namespace

QString decodeErrorMessage(DecodeError error)
{
    return QString::fromLatin1(decodeErrorText(error));
}

QString decodeErrorReason(DecodeError error)
{
    const char* text = decodeErrorText(error);
    return *text != '\0' ? QCoreApplication::translate("AudioDecoder", text) : QString();
}
