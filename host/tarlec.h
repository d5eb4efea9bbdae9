/*
 * Stand-in for the host's print library (tarlec).  The library shows every
 * line of text through OldTarlePrintf; the host owns where it goes.
 */
#ifndef KIV2_TARLEC_H
#define KIV2_TARLEC_H

#ifdef __cplusplus
extern "C" {
#endif

#if defined(_WIN32)
#define TARLEC_API __declspec(dllexport)
#else
#define TARLEC_API __attribute__((visibility("default")))
#endif

/* printf-style, one argument after the format; adds no newline.  By default
 * the text goes to the process's standard output through stdio, the stream
 * the library's newlines use, so the two interleave in order. */
TARLEC_API int OldTarlePrintf(const char* format, ...);

/* Where the text goes instead: SINK receives each formatted text (without a
 * newline) and CONTEXT.  A null SINK restores standard output. */
typedef void (*tarlec_sink)(const char* text, void* context);
TARLEC_API void tarlec_set_sink(tarlec_sink sink, void* context);

#ifdef __cplusplus
}
#endif

#endif
