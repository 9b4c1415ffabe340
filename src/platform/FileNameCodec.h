// File names on Linux are bytes. Qt 5 reads them as UTF-8 and turns every
// byte that is no UTF-8 into U+FFFD, so a file named in another encoding
// cannot be opened again ("a\xe9.wav" from an old Latin-1 disk). This codec,
// made the locale codec, keeps such bytes: each becomes one lone surrogate
// U+DC80..U+DCFF and goes back to the same byte. QFile::encodeName and
// decodeName, and with them QFileInfo, QFile, QDir, the file dialog's
// listing and the command-line arguments, then round-trip every name.
// Valid UTF-8 reads exactly as Qt's own codec reads it.
#pragma once

class QTextCodec;

namespace FileNameCodec {

// The codec; made once, owned by Qt.
QTextCodec* codec();

// Makes it the locale codec. Call before any file name is read.
void install();

} // namespace FileNameCodec
