#pragma once

// Reading a PDF back with poppler's pdftotext: every word with its box, in millimetres from
// the top-left corner of its page, and the font sizes (Tf operands) of the content streams.

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

namespace lajes::report::testing {

struct PdfWord {
    QString text;
    int page = 0;
    double xMin = 0.0, yMin = 0.0, xMax = 0.0, yMax = 0.0; // mm
};

struct PdfWords {
    int pages = 0;
    double pageWidth = 0.0, pageHeight = 0.0; // mm, of the first page
    std::vector<PdfWord> words;
};

// Nothing when pdftotext is not installed (the test skips) or fails (`error` says why).
bool pdftotextAvailable();
std::optional<PdfWords> readPdfWords(const QString& pdfPath, QString& error);

// The word with this text nearest to (x, y), or nullptr.
const PdfWord* nearestWord(const PdfWords& words, const QString& text, double x, double y);

// The sizes of the "Tf" operators of every content stream, uncompressed.
std::vector<double> fontSizes(const QByteArray& pdf);

} // namespace lajes::report::testing
