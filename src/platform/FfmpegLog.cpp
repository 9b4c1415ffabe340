#include "FfmpegLog.h"

#include "PlatformLog.h"

#include <QByteArray>

#include <cstdarg>
#include <mutex>

extern "C" {
#include <libavutil/log.h>
}

namespace {

void logToQt(void* avClass, int level, const char* format, va_list args)
{
    if (level > AV_LOG_WARNING || !lcDecoder().isDebugEnabled())
        return;
    char line[1024];
    thread_local int printPrefix = 1;
    av_log_format_line2(avClass, level, format, args, line, sizeof line, &printPrefix);
    qCDebug(lcDecoder) << QByteArray(line).trimmed().constData();
}

} // namespace

void routeFfmpegLog()
{
    static std::once_flag once;
    std::call_once(once, [] { av_log_set_callback(&logToQt); });
}
