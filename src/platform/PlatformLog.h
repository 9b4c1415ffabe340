// Logging categories of the platform layer. Messages of the libraries
// underneath (FFmpeg, TagLib) are routed here instead of to the terminal;
// enable them with QT_LOGGING_RULES="tonbrook.platform.*=true".
#pragma once

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcDecoder)
Q_DECLARE_LOGGING_CATEGORY(lcOutput)
Q_DECLARE_LOGGING_CATEGORY(lcEncoder)
