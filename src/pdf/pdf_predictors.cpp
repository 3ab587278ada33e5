#include "pdf/pdf_predictors.h"

#define ZLIB_CONST
#include <zlib.h>

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <optional>
#include <vector>

namespace cal::pdf {

namespace {

constexpr std::string_view kFlate = "/Filter /FlateDecode";

std::optional<std::size_t> parseNumber(std::string_view text, std::size_t& at) {
    while (at < text.size() && (text[at] == ' ' || text[at] == '\n' || text[at] == '\r')) ++at;
    std::size_t value = 0;
    const auto [end, error] = std::from_chars(text.data() + at, text.data() + text.size(), value);
    if (error != std::errc() || end == text.data() + at) return std::nullopt;
    at = static_cast<std::size_t>(end - text.data());
    return value;
}

// The number after `key` in a dictionary ("/Width 95"); also tells whether it
// is a reference ("/Length 8 0 R").
std::optional<std::size_t> numberAfter(std::string_view dict, std::string_view key, bool* reference = nullptr) {
    std::size_t at = dict.find(key);
    if (at == std::string_view::npos) return std::nullopt;
    at += key.size();
    if (at < dict.size() && dict[at] != ' ' && dict[at] != '\n') return std::nullopt;
    const std::optional<std::size_t> value = parseNumber(dict, at);
    if (reference != nullptr) *reference = dict.substr(at, 5) == " 0 R\n" || dict.substr(at, 4) == " 0 R";
    return value;
}

// One deflate and one inflate state for all the pictures of a file: setting
// one up allocates a few hundred kilobytes, which costs more than coding a
// small picture.
class Codec {
public:
    Codec() {
        m_deflateOk = deflateInit(&m_deflate, Z_DEFAULT_COMPRESSION) == Z_OK;
        m_inflateOk = inflateInit(&m_inflate) == Z_OK;
    }
    ~Codec() {
        if (m_deflateOk) deflateEnd(&m_deflate);
        if (m_inflateOk) inflateEnd(&m_inflate);
    }
    Codec(const Codec&) = delete;
    Codec& operator=(const Codec&) = delete;

    // Exactly `size` bytes, or nothing.
    const std::vector<unsigned char>* inflateExactly(std::string_view data, std::size_t size) {
        if (!m_inflateOk || size == 0 || inflateReset(&m_inflate) != Z_OK) return nullptr;
        m_pixels.resize(size);
        m_inflate.next_in = reinterpret_cast<const Bytef*>(data.data());
        m_inflate.avail_in = static_cast<uInt>(data.size());
        m_inflate.next_out = m_pixels.data();
        m_inflate.avail_out = static_cast<uInt>(size);
        if (inflate(&m_inflate, Z_FINISH) != Z_STREAM_END || m_inflate.avail_out != 0) return nullptr;
        return &m_pixels;
    }

    std::string deflateAll(const std::vector<unsigned char>& data) {
        if (!m_deflateOk || deflateReset(&m_deflate) != Z_OK) return {};
        std::string out(deflateBound(&m_deflate, static_cast<uLong>(data.size())), '\0');
        m_deflate.next_in = data.data();
        m_deflate.avail_in = static_cast<uInt>(data.size());
        m_deflate.next_out = reinterpret_cast<Bytef*>(out.data());
        m_deflate.avail_out = static_cast<uInt>(out.size());
        if (deflate(&m_deflate, Z_FINISH) != Z_STREAM_END) return {};
        out.resize(out.size() - m_deflate.avail_out);
        return out;
    }

private:
    z_stream m_deflate{};
    z_stream m_inflate{};
    bool m_deflateOk = false;
    bool m_inflateOk = false;
    std::vector<unsigned char> m_pixels;
};

int paeth(int left, int up, int upLeft) {
    const int p = left + up - upLeft;
    const int pa = std::abs(p - left), pb = std::abs(p - up), pc = std::abs(p - upLeft);
    if (pa <= pb && pa <= pc) return left;
    return pb <= pc ? up : upLeft;
}

// The cost PNG writers give a coded row: its bytes read as signed, summed.
std::uint64_t rowCost(const std::vector<unsigned char>& coded) {
    std::uint64_t sum = 0;
    for (const unsigned char v : coded) sum += v < 128 ? v : 256 - v;
    return sum;
}

// Each row with its best PNG filter in front (none, left, up, average,
// Paeth), chosen by rowCost. Each filter is its own plain loop, which the
// compiler turns into vector code.
std::vector<unsigned char> filterRows(const std::vector<unsigned char>& pixels, std::size_t rowBytes, int bpp) {
    const std::size_t rows = pixels.size() / rowBytes;
    const auto b = static_cast<std::size_t>(bpp);
    std::vector<unsigned char> out;
    out.reserve(rows * (rowBytes + 1));
    std::vector<unsigned char> candidate[5];
    for (auto& c : candidate) c.resize(rowBytes);
    const std::vector<unsigned char> zeros(rowBytes, 0);
    for (std::size_t y = 0; y < rows; ++y) {
        const unsigned char* row = pixels.data() + y * rowBytes;
        const unsigned char* up = y > 0 ? row - rowBytes : zeros.data();
        for (std::size_t i = 0; i < rowBytes; ++i) candidate[0][i] = row[i];
        for (std::size_t i = 0; i < rowBytes; ++i)
            candidate[1][i] = static_cast<unsigned char>(row[i] - (i >= b ? row[i - b] : 0));
        for (std::size_t i = 0; i < rowBytes; ++i) candidate[2][i] = static_cast<unsigned char>(row[i] - up[i]);
        for (std::size_t i = 0; i < rowBytes; ++i)
            candidate[3][i] = static_cast<unsigned char>(row[i] - ((i >= b ? row[i - b] : 0) + up[i]) / 2);
        for (std::size_t i = 0; i < rowBytes; ++i) {
            const int left = i >= b ? row[i - b] : 0;
            const int upLeft = i >= b ? up[i - b] : 0;
            candidate[4][i] = static_cast<unsigned char>(row[i] - paeth(left, up[i], upLeft));
        }
        int chosen = 0;
        std::uint64_t best = rowCost(candidate[0]);
        for (int f = 1; f < 5; ++f)
            if (const std::uint64_t cost = rowCost(candidate[f]); cost < best) best = cost, chosen = f;
        out.push_back(static_cast<unsigned char>(chosen));
        out.insert(out.end(), candidate[chosen].begin(), candidate[chosen].end());
    }
    return out;
}

// Whether prediction pays for the picture: a band of rows from its middle,
// coded raw and predicted, must come out at least 5 % smaller predicted.
// Clip-art that prediction does not help is then left without coding all
// of it; a picture too small for a band is coded whole.
bool predictionPays(Codec& codec, const std::vector<unsigned char>& pixels, std::size_t rowBytes, int bpp) {
    const std::size_t rows = pixels.size() / rowBytes;
    const std::size_t band = std::max<std::size_t>(8, rows / 8);
    if (rows <= 2 * band) return true;
    const std::size_t first = (rows - band) / 2;
    const auto at = [&](std::size_t row) { return pixels.begin() + static_cast<std::ptrdiff_t>(row * rowBytes); };
    // The row above the band comes along, so that every row of the band has
    // its upper neighbour; its own coded row is dropped.
    const std::vector<unsigned char> withAbove(at(first - 1), at(first + band));
    std::vector<unsigned char> predicted = filterRows(withAbove, rowBytes, bpp);
    predicted.erase(predicted.begin(), predicted.begin() + static_cast<std::ptrdiff_t>(rowBytes + 1));
    const std::size_t predictedBytes = codec.deflateAll(predicted).size();
    const std::size_t rawBytes = codec.deflateAll(std::vector<unsigned char>(at(first), at(first + band))).size();
    return predictedBytes > 0 && predictedBytes * 20 <= rawBytes * 19;
}

struct Object {
    std::size_t number = 0;
    std::size_t begin = 0;
    std::size_t end = 0;
};

// A picture stream coded anew, or nothing when it stays as it is.
struct Recoded {
    std::string head;  // up to and including "stream\n", with the predictor named
    std::string data;
    std::size_t oldDataEnd = 0;
    std::optional<std::size_t> lengthObject;
};

std::optional<std::size_t> lengthOf(std::string_view pdf, const std::map<std::size_t, Object>& objects,
                                    std::size_t number) {
    const auto found = objects.find(number);
    if (found == objects.end()) return std::nullopt;
    const std::string_view text = pdf.substr(found->second.begin, found->second.end - found->second.begin);
    std::size_t at = text.find(" obj");
    if (at == std::string_view::npos) return std::nullopt;
    at += 4;
    return parseNumber(text, at);
}

std::optional<Recoded> recode(Codec& codec, std::string_view pdf, const Object& object,
                              const std::map<std::size_t, Object>& objects) {
    const std::string_view text = pdf.substr(object.begin, object.end - object.begin);
    const std::size_t streamAt = text.find(">>\nstream\n");
    if (streamAt == std::string_view::npos) return std::nullopt;
    const std::string_view dict = text.substr(0, streamAt);
    if (dict.find("/Subtype /Image") == std::string_view::npos || dict.find(kFlate) == std::string_view::npos ||
        dict.find("/DecodeParms") != std::string_view::npos || dict.find("/ImageMask") != std::string_view::npos)
        return std::nullopt;
    int colors = 0;
    if (dict.find("/ColorSpace /DeviceRGB") != std::string_view::npos) colors = 3;
    if (dict.find("/ColorSpace /DeviceGray") != std::string_view::npos) colors = 1;
    const auto width = numberAfter(dict, "/Width");
    const auto height = numberAfter(dict, "/Height");
    if (colors == 0 || numberAfter(dict, "/BitsPerComponent") != 8u || !width || !height || *width == 0 ||
        *width > 100000 || *height > 100000)
        return std::nullopt;
    bool reference = false;
    const auto lengthValue = numberAfter(dict, "/Length", &reference);
    if (!lengthValue) return std::nullopt;
    const std::optional<std::size_t> length = reference ? lengthOf(pdf, objects, *lengthValue) : lengthValue;
    const std::size_t dataAt = streamAt + std::string_view(">>\nstream\n").size();
    if (!length || *length > text.size() - dataAt) return std::nullopt;

    const std::size_t rowBytes = *width * static_cast<std::size_t>(colors);
    // Sizes that cannot be a picture Qt wrote are left alone, and so is
    // clip-art already packed more than 4 to 1: prediction gains flat colours
    // little, while photos pack 2 or 3 to 1 without it.
    if (rowBytes * *height > (std::size_t{1} << 30) || *length * 4 < rowBytes * *height) return std::nullopt;
    const std::vector<unsigned char>* pixels = codec.inflateExactly(text.substr(dataAt, *length), rowBytes * *height);
    if (pixels == nullptr || !predictionPays(codec, *pixels, rowBytes, colors)) return std::nullopt;
    // Photos shrink row by row predicted; flat clip-art usually does not,
    // and then stays as it is.
    Recoded recoded;
    recoded.data = codec.deflateAll(filterRows(*pixels, rowBytes, colors));
    const std::string parms = "\n/DecodeParms << /Predictor 15 /Colors " + std::to_string(colors) +
                              " /BitsPerComponent 8 /Columns " + std::to_string(*width) + " >>";
    if (recoded.data.empty() || recoded.data.size() + parms.size() >= *length) return std::nullopt;

    std::string head(text.substr(0, dataAt));
    head.insert(head.find(kFlate) + kFlate.size(), parms);
    if (reference) {
        recoded.lengthObject = *lengthValue;
    } else {
        const std::size_t at = head.find("/Length ");
        head.replace(at, std::string_view("/Length ").size() + std::to_string(*length).size(),
                     "/Length " + std::to_string(recoded.data.size()));
    }
    recoded.head = std::move(head);
    recoded.oldDataEnd = object.begin + dataAt + *length;
    return recoded;
}

// The objects the cross-reference table names, by number; empty when the table
// is not a plain one that points at every object's "N 0 obj".
std::map<std::size_t, Object> readTable(std::string_view pdf, std::size_t xrefAt, std::size_t& trailerAt) {
    std::size_t at = xrefAt + 5;
    const auto first = parseNumber(pdf, at);
    const auto count = parseNumber(pdf, at);
    if (first != 0u || !count || *count < 2 || *count > pdf.size() / 20) return {};
    while (at < pdf.size() && (pdf[at] == '\n' || pdf[at] == '\r' || pdf[at] == ' ')) ++at;
    constexpr std::size_t kEntry = 20;
    if (at + *count * kEntry > pdf.size()) return {};
    std::vector<Object> objects;
    for (std::size_t n = 1; n < *count; ++n) {
        const std::string_view entry = pdf.substr(at + n * kEntry, kEntry);
        std::size_t p = 0;
        const auto offset = parseNumber(entry, p);
        if (!offset || entry[17] != 'n' || *offset >= xrefAt) return {};
        const std::string header = std::to_string(n) + " 0 obj";
        if (pdf.substr(*offset, header.size()) != header) return {};
        objects.push_back({n, *offset, 0});
    }
    trailerAt = at + *count * kEntry;
    std::sort(objects.begin(), objects.end(), [](const Object& a, const Object& b) { return a.begin < b.begin; });
    std::map<std::size_t, Object> byNumber;
    for (std::size_t i = 0; i < objects.size(); ++i) {
        if (i > 0 && objects[i].begin == objects[i - 1].begin) return {};
        objects[i].end = i + 1 < objects.size() ? objects[i + 1].begin : xrefAt;
        byNumber[objects[i].number] = objects[i];
    }
    return byNumber;
}

}  // namespace

std::string withPngPredictors(std::string_view pdf) {
    const std::size_t startxref = pdf.rfind("startxref");
    if (pdf.substr(0, 5) != "%PDF-" || startxref == std::string_view::npos) return std::string(pdf);
    std::size_t at = startxref + 9;
    const auto xrefAt = parseNumber(pdf, at);
    if (!xrefAt || *xrefAt >= startxref || pdf.substr(*xrefAt, 5) != "xref\n") return std::string(pdf);
    std::size_t trailerAt = 0;
    const std::map<std::size_t, Object> objects = readTable(pdf, *xrefAt, trailerAt);
    if (objects.empty() || trailerAt > startxref) return std::string(pdf);

    std::map<std::size_t, Recoded> recoded;
    std::map<std::size_t, std::size_t> newLengths;
    Codec codec;
    for (const auto& [number, object] : objects) {
        if (auto r = recode(codec, pdf, object, objects)) {
            if (r->lengthObject) newLengths[*r->lengthObject] = r->data.size();
            recoded.emplace(number, std::move(*r));
        }
    }
    if (recoded.empty()) return std::string(pdf);

    std::vector<const Object*> inFileOrder;
    for (const auto& entry : objects) inFileOrder.push_back(&entry.second);
    std::sort(inFileOrder.begin(), inFileOrder.end(), [](const Object* a, const Object* b) { return a->begin < b->begin; });

    std::string out(pdf.substr(0, inFileOrder.front()->begin));
    out.reserve(pdf.size());
    std::map<std::size_t, std::size_t> offsets;
    for (const Object* object : inFileOrder) {
        offsets[object->number] = out.size();
        if (const auto r = recoded.find(object->number); r != recoded.end()) {
            out += r->second.head;
            out += r->second.data;
            out += pdf.substr(r->second.oldDataEnd, object->end - r->second.oldDataEnd);
        } else if (const auto l = newLengths.find(object->number); l != newLengths.end()) {
            out += std::to_string(object->number) + " 0 obj\n" + std::to_string(l->second) + "\nendobj\n";
        } else {
            out += pdf.substr(object->begin, object->end - object->begin);
        }
    }
    const std::size_t newXref = out.size();
    out += "xref\n0 " + std::to_string(objects.size() + 1) + "\n0000000000 65535 f \n";
    char entry[32];
    for (const auto& [number, offset] : offsets) {
        std::snprintf(entry, sizeof entry, "%010zu 00000 n \n", offset);
        out += entry;
    }
    out += pdf.substr(trailerAt, startxref - trailerAt);
    out += "startxref\n" + std::to_string(newXref) + "\n%%EOF\n";
    return out;
}

}  // namespace cal::pdf
