#pragma once

// Smaller pictures in a finished PDF. Qt's PDF writer compresses a picture's
// raw rows; a PNG file first codes each row against the one above or the
// pixel to the left, which makes smooth photos far smaller. This rewrites
// each picture stream of a PDF laid out as Qt writes it the PNG way (Flate
// with a PNG predictor, chosen row by row): the same pixels, fewer bytes.

#include <string>
#include <string_view>

namespace cal::pdf {

// The PDF with its RGB and grey picture streams coded with PNG predictors
// wherever that is smaller. Anything not laid out as expected (no plain
// cross-reference table, an object not where the table says, a stream that
// does not inflate to its rows) is left as it was; a file that cannot be read
// at all comes back unchanged.
std::string withPngPredictors(std::string_view pdf);

}  // namespace cal::pdf
