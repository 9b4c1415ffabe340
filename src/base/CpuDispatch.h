// Functions built twice, for the baseline processor and with AVX2, the
// loader choosing the version once per process. ThreadSanitizer's runtime
// is not ready when the loader chooses, so its builds (and processors of
// other families) get the baseline version only.
#pragma once

#if defined(__x86_64__) && !defined(__SANITIZE_THREAD__)
#define TB_AVX2_CLONES __attribute__((target_clones("avx2", "default")))
#else
#define TB_AVX2_CLONES
#endif
