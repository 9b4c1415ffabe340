// FFmpeg writes warnings about damaged frames straight to stderr; this
// sends them to the decoder's logging category instead (lcDecoder, shown
// only when enabled). Called before any FFmpeg work; once is enough.
#pragma once

void routeFfmpegLog();
