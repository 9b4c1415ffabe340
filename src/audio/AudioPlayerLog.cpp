#include "AudioPlayerLog.h"

Q_LOGGING_CATEGORY(lcPlayer, "tonbrook.audio.player", QtWarningMsg)
