#pragma once
// The names under which the benchmarks record their samples for the summary.

#include "bench_support.h"

#include <string>

namespace calbench::key {

inline constexpr const char* kRepaintNoPictures = "repaint.no_pictures";  // seconds
inline constexpr const char* kRepaintFirstNoPictures = "repaint.first.no_pictures";  // seconds, a fresh program
inline constexpr const char* kPrintNoPictures = "print.no_pictures";      // seconds
inline constexpr const char* kPdfNoPictures = "pdf.bytes.no_pictures";    // bytes
inline constexpr const char* kStartWindow = "start.minimal_window";       // seconds
inline constexpr const char* kStartCalendar = "start.calendar_sample";    // seconds
inline constexpr const char* kPdfMinimal = "print_pdf.minimal";           // seconds
inline constexpr const char* kPdfCalendar = "print_pdf.calendar_sample";  // seconds
inline constexpr const char* kFillHolidays = "fill.holidays";          // seconds, 20 entries
inline constexpr const char* kFillItems = "fill.holidays_and_items";   // seconds, 20 entries and 20 items
inline constexpr const char* kIcsImport = "ics.import";                // seconds, 5,000 events into a month
inline constexpr const char* kIcsPrint = "ics.print";                  // seconds, that month printed to PDF

// Per picture size and number of distinct files.
inline std::string of(const char* what, PictureSize size, int distinct) {
    return std::string(what) + "." + sizeName(size) + "." + std::to_string(distinct);
}
inline constexpr const char* kDecodeOnce = "decode.each_file_once";  // seconds, the month's files
inline constexpr const char* kRepaintUnchanged = "repaint.unchanged";  // seconds
inline constexpr const char* kRepaintPaired = "repaint.no_pictures.paired";  // seconds, (a) beside (c)
inline constexpr const char* kRepaintFirst = "repaint.first";          // seconds, until every picture is in
inline constexpr const char* kPrintPictures = "print.pictures";        // seconds
inline constexpr const char* kPdfPictures = "pdf.bytes.pictures";      // bytes
inline constexpr const char* kPngBytes = "png.bytes.embedded";         // bytes
inline constexpr const char* kPdfImages = "pdf.images";                // image objects
inline constexpr const char* kPdfJpegImages = "pdf.images.jpeg";       // of them DCT-coded
inline constexpr const char* kYearPrint = "year.print";                 // seconds, the twelve pages as one PDF
inline constexpr const char* kYearSingles = "year.singles";             // seconds, the twelve months one by one
inline constexpr const char* kYearPdf = "year.pdf.bytes";               // bytes
inline constexpr const char* kYearPdfReference = "year.pdf.reference";  // bytes, largest month + the others' own
inline constexpr const char* kYearImages = "year.images";               // image objects in the year's PDF
inline constexpr const char* kYearDistinctImages = "year.images.distinct";  // distinct ones in the months' PDFs
inline constexpr const char* kPrintA3 = "paper.print.a3";   // seconds, the picture month on A3
inline constexpr const char* kPrintA4 = "paper.print.a4";   // seconds, the same month on A4 beside it
inline constexpr const char* kPdfA3 = "paper.pdf.a3";       // bytes
inline constexpr const char* kPdfA4 = "paper.pdf.a4";       // bytes
inline constexpr const char* kYearIcs = "year.ics";         // seconds, the school year to iCalendar
inline constexpr const char* kYearIcsPrint = "year.ics.print";  // seconds, the same year to one PDF beside it

// KiB, per kind of probe and number of distinct files.
inline std::string memoryPeak(ProbeKind kind, int distinct) {
    return std::string("memory.peak_kb.") + probeKindName(kind) + "." + std::to_string(distinct);
}
inline std::string memoryKept(ProbeKind kind, int distinct) {
    return std::string("memory.kept_kb.") + probeKindName(kind) + "." + std::to_string(distinct);
}
inline std::string memoryMonth(int month) { return "memory.month_kb." + std::to_string(month); }

}  // namespace calbench::key
