#include "pdf_reading.h"

#include <QProcess>
#include <QRegularExpression>

#include <cmath>
#include <limits>
#include <zlib.h>

namespace lajes::report::testing {

namespace {

constexpr double mmPerPoint = 25.4 / 72.0;

QString unescaped(QString text) {
    text.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
    text.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    text.replace(QStringLiteral("&quot;"), QStringLiteral("\""));
    text.replace(QStringLiteral("&apos;"), QStringLiteral("'"));
    text.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    return text;
}

QByteArray inflated(const QByteArray& compressed) {
    QByteArray out;
    z_stream stream{};
    if (inflateInit(&stream) != Z_OK)
        return out;
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(compressed.constData()));
    stream.avail_in = static_cast<uInt>(compressed.size());
    char chunk[16384];
    int status = Z_OK;
    do {
        stream.next_out = reinterpret_cast<Bytef*>(chunk);
        stream.avail_out = sizeof chunk;
        status = inflate(&stream, Z_NO_FLUSH);
        out.append(chunk, static_cast<qsizetype>(sizeof chunk - stream.avail_out));
    } while (status == Z_OK);
    inflateEnd(&stream);
    return out;
}

} // namespace

bool pdftotextAvailable() {
#ifdef LAJES_PDFTOTEXT
    return true;
#else
    return false;
#endif
}

std::optional<PdfWords> readPdfWords(const QString& pdfPath, QString& error) {
#ifdef LAJES_PDFTOTEXT
    QProcess process;
    process.start(QStringLiteral(LAJES_PDFTOTEXT),
                  {QStringLiteral("-bbox"), pdfPath, QStringLiteral("-")});
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        error = QString::fromUtf8(process.readAllStandardError());
        return std::nullopt;
    }
    const QString html = QString::fromUtf8(process.readAllStandardOutput());
    PdfWords result;
    static const QRegularExpression pageTag(
        QString::fromLatin1(R"re(<page width="([\d.]+)" height="([\d.]+)">)re"));
    static const QRegularExpression wordTag(QString::fromLatin1(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    qsizetype from = 0;
    for (;;) {
        const QRegularExpressionMatch page = pageTag.match(html, from);
        const QRegularExpressionMatch word = wordTag.match(html, from);
        if (page.hasMatch() && (!word.hasMatch() || page.capturedStart() < word.capturedStart())) {
            if (result.pages == 0) {
                result.pageWidth = page.captured(1).toDouble() * mmPerPoint;
                result.pageHeight = page.captured(2).toDouble() * mmPerPoint;
            }
            ++result.pages;
            from = page.capturedEnd();
        } else if (word.hasMatch()) {
            result.words.push_back(PdfWord{
                unescaped(word.captured(5)), result.pages, word.captured(1).toDouble() * mmPerPoint,
                word.captured(2).toDouble() * mmPerPoint, word.captured(3).toDouble() * mmPerPoint,
                word.captured(4).toDouble() * mmPerPoint});
            from = word.capturedEnd();
        } else {
            break;
        }
    }
    return result;
#else
    Q_UNUSED(pdfPath);
    error = QStringLiteral("pdftotext not installed");
    return std::nullopt;
#endif
}

const PdfWord* nearestWord(const PdfWords& words, const QString& text, double x, double y) {
    const PdfWord* best = nullptr;
    double bestDistance = std::numeric_limits<double>::infinity();
    for (const PdfWord& word : words.words) {
        if (word.text != text)
            continue;
        const double distance = std::hypot(word.xMin - x, word.yMin - y);
        if (distance < bestDistance) {
            bestDistance = distance;
            best = &word;
        }
    }
    return best;
}

std::vector<double> fontSizes(const QByteArray& pdf) {
    std::vector<double> sizes;
    static const QRegularExpression tf(QString::fromLatin1(R"re((-?[\d.]+)\s+Tf\b)re"));
    qsizetype from = 0;
    for (;;) {
        const qsizetype start = pdf.indexOf("stream", from);
        if (start < 0)
            break;
        qsizetype data = start + 6;
        if (pdf.mid(data, 2) == "\r\n")
            data += 2;
        else if (pdf.at(data) == '\n')
            data += 1;
        const qsizetype end = pdf.indexOf("endstream", data);
        if (end < 0)
            break;
        QByteArray content = inflated(pdf.mid(data, end - data));
        if (content.isEmpty())
            content = pdf.mid(data, end - data);
        auto matches = tf.globalMatch(QString::fromLatin1(content));
        while (matches.hasNext())
            sizes.push_back(std::abs(matches.next().captured(1).toDouble()));
        from = end + 9;
    }
    return sizes;
}

} // namespace lajes::report::testing
