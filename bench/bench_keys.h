#pragma once
// The names under which the benchmarks record their samples for the summary.

#include "bench_support.h"

#include <string>

namespace calbench::key {

inline constexpr const char* kRepaintNoPictures = "repaint.no_pictures";  // seconds
inline constexpr const char* kDecodeOnce = "decode.each_file_once";       // seconds
inline constexpr const char* kRepaintUnchanged = "repaint.unchanged";     // seconds
inline constexpr const char* kRepaintFirst = "repaint.first";             // seconds
inline constexpr const char* kPngBytes = "png.bytes";                     // bytes
inline constexpr const char* kPrintNoPictures = "print.no_pictures";      // seconds
inline constexpr const char* kPrintPictures = "print.pictures";           // seconds
inline constexpr const char* kPdfNoPictures = "pdf.bytes.no_pictures";    // bytes
inline constexpr const char* kPdfPictures = "pdf.bytes.pictures";         // bytes
inline constexpr const char* kPdfImages = "pdf.images";                   // image objects
inline constexpr const char* kPdfJpegImages = "pdf.images.jpeg";          // of them DCT-coded

// KiB, per kind of probe and number of distinct files.
inline std::string memoryPeak(ProbeKind kind, int distinct) {
    return std::string("memory.peak_kb.") + probeKindName(kind) + "." + std::to_string(distinct);
}
inline std::string memoryKept(ProbeKind kind, int distinct) {
    return std::string("memory.kept_kb.") + probeKindName(kind) + "." + std::to_string(distinct);
}

}  // namespace calbench::key
