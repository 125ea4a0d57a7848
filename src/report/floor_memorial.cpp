#include "report/floor_memorial.h"

#include <QFileInfo>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QLineF>
#include <QList>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QRawFont>

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <numeric>

#include "design/steel_schedule.h"
#include "floor/beam_loads_csv.h"
#include "floor/floor_schedule.h"
#include "floor/floor_verification.h"
#include "report/report_page.h"
#include "report/report_painter.h"
#include "report/report_pdf.h"
#include "report/report_preview.h"
#include "text/number_text.h"
#include "verification/nbr6118_2014.h"

namespace lajes::report {

namespace {

// The page, mm from the sheet's top-left corner.
constexpr double left = 22.0;
constexpr double right = 190.0;
constexpr double top = 20.0;
constexpr double bottom = 270.0;  // no row of text starts below this
constexpr double footerY = 278.0; // "Página N de M"
constexpr double rowHeight = 5.0;
constexpr double textDrop = 1.2; // mm from a row's top to its text's top
constexpr double padding = 1.5;  // mm between a cell's text and its side
constexpr double tablePoints = 8.0;
constexpr double bodyPoints = 9.0;
constexpr double bodyLine = 4.5;
constexpr double headingPoints = 11.0;
// Characters of a paragraph line at bodyPoints across the page (Times, about 1.2 mm each in
// Portuguese prose, looked at on the printed page).
constexpr std::size_t paragraphCharacters = 125;
constexpr double planHeight = 85.0; // at most, mm

std::size_t characters(std::string_view text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

std::vector<std::string> wrap(const std::string& text, std::size_t width) {
    std::vector<std::string> lines;
    std::string line;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find(' ', start);
        if (end == std::string::npos)
            end = text.size();
        const std::string word = text.substr(start, end - start);
        if (!line.empty() && characters(line) + 1 + characters(word) > width) {
            lines.push_back(line);
            line.clear();
        }
        line += (line.empty() ? "" : " ") + word;
        start = end + 1;
    }
    if (!line.empty())
        lines.push_back(line);
    return lines;
}

// Pages filled from the top down; a table that reaches the foot continues on the next page
// under its header repeated.
class MemorialBuilder {
public:
    MemorialBuilder() { newPage(); }

    FloorMemorial take() {
        const std::size_t count = memorial_.pages.size();
        for (std::size_t i = 0; i < count; ++i)
            memorial_.pages[i].texts.push_back(
                {right, footerY, "Página " + std::to_string(i + 1) + " de " + std::to_string(count),
                 bodyPoints, false, true});
        return std::move(memorial_);
    }

    double y() const { return y_; }
    void skip(double mm) { y_ += mm; }
    ScheduleSheet& page() { return memorial_.pages.back(); }

    void newPage() {
        memorial_.pages.emplace_back();
        y_ = top;
    }
    void room(double height) {
        if (y_ + height > bottom)
            newPage();
    }

    void title(const std::string& text) {
        page().texts.push_back({left, y_, text, 14.0, true, false});
        y_ += 9.0;
    }
    // A heading stays with what follows it: its caption lines and the first rows of a table.
    void heading(const std::string& text, int captionLines = 0) {
        room(9.5 + captionLines * bodyLine + 3 * rowHeight);
        y_ += 3.0;
        page().texts.push_back({left, y_, text, headingPoints, true, false});
        y_ += 6.5;
    }
    void line(const std::string& text, bool bold = false) {
        room(bodyLine);
        page().texts.push_back({left, y_, text, bodyPoints, bold, false});
        y_ += bodyLine;
    }
    void paragraph(const std::string& text) {
        for (const std::string& wrapped : wrap(text, paragraphCharacters))
            line(wrapped);
        y_ += 1.5;
    }

    // Columns of `widths` mm from the left margin; texts left-aligned where `names` says so,
    // numbers right-aligned.
    void table(const std::vector<double>& widths, const std::vector<std::string>& header,
               const std::vector<std::vector<std::string>>& rows, const std::vector<bool>& names) {
        std::vector<double> x{left};
        for (double width : widths)
            x.push_back(x.back() + width);
        double segmentTop = 0.0;
        const auto addRow = [&](const std::vector<std::string>& cells, bool bold) {
            page().lines.push_back({x.front(), y_, x.back(), y_});
            for (std::size_t c = 0; c < cells.size() && c + 1 < x.size(); ++c) {
                const bool name = c < names.size() && names[c];
                page().texts.push_back({name ? x[c] + padding : x[c + 1] - padding, y_ + textDrop,
                                        cells[c], tablePoints, bold, !name});
            }
            y_ += rowHeight;
        };
        const auto close = [&] {
            page().lines.push_back({x.front(), y_, x.back(), y_});
            for (double column : x)
                page().lines.push_back({column, segmentTop, column, y_});
        };
        room(2 * rowHeight);
        segmentTop = y_;
        addRow(header, true);
        for (const auto& row : rows) {
            if (y_ + rowHeight > bottom) {
                close();
                newPage();
                segmentTop = y_;
                addRow(header, true);
            }
            addRow(row, false);
        }
        close();
        y_ += 3.0;
    }

private:
    FloorMemorial memorial_;
    double y_ = top;
};

std::string two(double value, char separator) {
    return formatFixed(value, 2, separator);
}

std::string outcomeText(FloorOutcome outcome) {
    switch (outcome) {
    case FloorOutcome::Ready:
        return "Calculada";
    case FloorOutcome::NoBar:
        return "Sem bitola";
    case FloorOutcome::Rejected:
        break;
    }
    return "Recusada";
}

std::string oneLine(std::string text) {
    std::replace(text.begin(), text.end(), '\n', ' ');
    return text;
}

// "A E A E": left, right, bottom, top; E engastada, A apoiada.
std::string edgesText(const FloorSlabResult& r) {
    std::string text;
    for (Side side : allSides)
        text += std::string(text.empty() ? "" : " ") +
                (r.fixed[static_cast<std::size_t>(side)] ? "E" : "A");
    return text;
}

std::string pointText(PlanPoint p, char separator) {
    return "(" + two(p.x, separator) + "; " + two(p.y, separator) + ")";
}

std::vector<std::size_t> slabsByName(const Floor& floor, const FloorResults& results) {
    std::vector<std::size_t> order(std::min(floor.slabs.size(), results.slabs.size()));
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return naturalLess(floor.slabs[a].name, floor.slabs[b].name);
    });
    return order;
}

void addIntroduction(MemorialBuilder& b, const Floor& floor, const Settings& settings, char sep) {
    b.title(std::string(floorMemorialTitle));
    b.line("Pavimento: " + floor.name, true);
    b.line("Materiais: concreto fck = " + two(floor.fck, sep) + " MPa; aço " + floor.SteelGrade +
           ".");
    b.line("Configurações: largura das vigas " + two(settings.wallWidth * 100, sep) +
           " cm; cobrimento " + two(settings.cover, sep) + " cm; coeficiente de fluência φ∞ = " +
           two(settings.phiInfinity, sep) + "; escala do desenho " + settings.drawingScale + ".");
    b.skip(2.0);

    b.heading("Critérios de cálculo");
    b.paragraph(
        "Vinculação: cada borda de laje é engastada quando as lajes vizinhas que a restringem "
        "(lajes maciças com espessura de pelo menos a da laje menos 2 cm) cobrem no mínimo 2/3 "
        "do seu comprimento; caso contrário, é simplesmente apoiada. Laje nervurada é sempre "
        "simplesmente apoiada. Uma borda indicada como engastada ou apoiada no arquivo prevalece "
        "sobre a regra.");
    if (floor.compatibility == Compatibility::Maior)
        b.paragraph("Compatibilização dos momentos negativos: sobre cada trecho de viga comum a "
                    "duas lajes engastadas adota-se o maior dos dois momentos (NBR 6118, "
                    "14.7.6.2); quando só um lado é engastado, vale o momento desse lado.");
    else
        b.paragraph("Compatibilização dos momentos negativos: sobre cada trecho de viga comum a "
                    "duas lajes engastadas adota-se X = máx(0,8 · máx(X1, X2); (X1 + X2)/2); "
                    "quando só um lado é engastado, vale o momento desse lado.");
    b.paragraph("Correção dos momentos positivos: em cada borda, Δ é a maior redução do momento "
                "negativo próprio para o compatibilizado nos trechos dessa borda; Mx' = Mx + "
                "(Δesq + Δdir)/2 e My' = My + (Δinf + Δsup)/2. Um momento positivo nunca é "
                "reduzido.");
}

void addPlan(MemorialBuilder& b, const Floor& floor, const FloorResults& results, char sep) {
    if (floor.slabs.empty())
        return;
    double minX = std::numeric_limits<double>::max(), minY = minX;
    double maxX = std::numeric_limits<double>::lowest(), maxY = maxX;
    for (const FloorSlab& s : floor.slabs) {
        minX = std::min(minX, s.x);
        minY = std::min(minY, s.y);
        maxX = std::max(maxX, s.x + s.Lx);
        maxY = std::max(maxY, s.y + s.Ly);
    }
    const double width = right - left - 10.0;
    const double scale =
        std::min(width / std::max(maxX - minX, 1e-9), planHeight / std::max(maxY - minY, 1e-9));
    b.heading("Planta");
    b.room((maxY - minY) * scale + 8.0);
    const double planTop = b.y() + 4.0;
    // Plan y upwards, sheet y downwards.
    const auto X = [&](double x) { return left + 5.0 + (x - minX) * scale; };
    const auto Y = [&](double y) { return planTop + (maxY - y) * scale; };
    ScheduleSheet& page = b.page();
    for (const FloorSlab& s : floor.slabs) {
        const double x0 = X(s.x), x1 = X(s.x + s.Lx), y0 = Y(s.y), y1 = Y(s.y + s.Ly);
        page.lines.push_back({x0, y0, x1, y0});
        page.lines.push_back({x1, y0, x1, y1});
        page.lines.push_back({x1, y1, x0, y1});
        page.lines.push_back({x0, y1, x0, y0});
        const double cx = X(s.x + s.Lx * 0.5), cy = Y(s.y + s.Ly * 0.5);
        // About 1.8 mm a character at 10 pt, 1.4 mm at 8 pt: centred by eye, and only in a
        // slab drawn large enough to hold them (a big floor is drawn as its grid alone).
        const std::string h = "h = " + two(s.h, sep);
        const double nameWidth = 1.8 * static_cast<double>(characters(s.name));
        const double hWidth = 1.4 * static_cast<double>(characters(h));
        if (x1 - x0 < std::max(nameWidth, hWidth) + 2.0 || y0 - y1 < 12.0)
            continue;
        page.texts.push_back({cx - nameWidth / 2, cy - 4.0, s.name, bodyPoints + 1.0, true, false});
        page.texts.push_back({cx - hWidth / 2, cy + 0.5, h, tablePoints, false, false});
    }
    // The beams' names where the slabs are large enough to leave room for them.
    double smallest = std::numeric_limits<double>::max();
    for (const FloorSlab& s : floor.slabs)
        smallest = std::min({smallest, s.Lx * scale, s.Ly * scale});
    for (const Beam& beam : results.beams) {
        if (smallest < 12.0)
            break;
        const bool alongX = std::abs(beam.from.y - beam.to.y) <= floorTolerance;
        if (alongX)
            page.texts.push_back({X(std::min(beam.from.x, beam.to.x)) + 1.0, Y(beam.from.y) - 3.5,
                                  beam.name, 7.0, false, false});
        else // beside the middle of the line, clear of the corners' names
            page.texts.push_back({X(beam.from.x) + 1.0, Y((beam.from.y + beam.to.y) * 0.5) - 1.5,
                                  beam.name, 7.0, false, false});
    }
    b.skip((maxY - minY) * scale + 8.0);
}

void addSlabs(MemorialBuilder& b, const Floor& floor, const FloorResults& results, char sep) {
    const std::vector<std::size_t> order = slabsByName(floor, results);
    b.heading("Lajes: momentos e armaduras", 2);
    b.line("Momentos próprios (Mx, My) e corrigidos (Mx', My') em kg.m/m; armaduras em cm²/m.");
    b.line("Bordas: esquerda, direita, inferior, superior (E engastada, A apoiada); * laje "
           "calculada com os vãos trocados.");
    std::vector<std::vector<std::string>> rows;
    for (std::size_t i : order) {
        const FloorSlabResult& r = results.slabs[i];
        const bool designed = r.outcome != FloorOutcome::Rejected;
        rows.push_back({floor.slabs[i].name, std::to_string(r.SupportCase) + (r.rotated ? "*" : ""),
                        edgesText(r), two(r.ownMx, sep), two(r.ownMy, sep), two(r.Mx, sep),
                        two(r.My, sep), designed ? two(r.AsxP, sep) : "—",
                        designed ? two(r.AsyP, sep) : "—", r.barX.text, r.barY.text});
    }
    b.table({12, 11, 18, 15, 15, 15, 15, 13, 13, 20, 20},
            {"Laje", "Caso", "Bordas", "Mx", "My", "Mx'", "My'", "Asx+", "Asy+", "Barras x",
             "Barras y"},
            rows, {true, true, true});

    b.heading("Lajes: cargas, flechas e cisalhamento", 1);
    b.line("Carga total p em kg/m²; d e flechas em cm; tensões de cisalhamento em kN/m².");
    rows.clear();
    for (std::size_t i : order) {
        const FloorSlabResult& r = results.slabs[i];
        const bool ready = r.outcome == FloorOutcome::Ready;
        const auto shown = [&](double value) { return ready ? two(value, sep) : "—"; };
        rows.push_back({floor.slabs[i].name, two(r.p, sep), two(r.d, sep),
                        shown(r.immediateDeflection), shown(r.finalDeflection),
                        shown(r.admissibleDeflection), shown(r.tauD), shown(r.tauU),
                        outcomeText(r.outcome)});
    }
    b.table({12, 18, 14, 20, 20, 20, 20, 20, 22},
            {"Laje", "p", "d", "f imediata", "f final", "f admissível", "τd", "τu", "Situação"},
            rows, {true, false, false, false, false, false, false, false, true});
    for (std::size_t i : order)
        if (!results.slabs[i].message.empty())
            b.paragraph(floor.slabs[i].name + ": " + oneLine(results.slabs[i].message));
}

void addStretches(MemorialBuilder& b, const Floor& floor, const FloorResults& results, char sep) {
    b.heading("Trechos de armadura negativa", 1);
    b.line("Momentos em kg.m/m (X próprios na ordem das lajes); d em cm; As em cm²/m.");
    std::vector<std::vector<std::string>> rows;
    std::vector<std::string> notes;
    for (std::size_t e : stretchesInBeamOrder(results)) {
        const FloorStretch& s = results.edges[e];
        std::string names, own;
        for (std::size_t k = 0; k < s.slabs.size(); ++k) {
            const std::string& name = floor.slabs[s.slabs[k]].name;
            names += (k == 0 ? "" : " | ") + name;
            own += (k == 0 ? "" : " | ") + two(k < s.ownX.size() ? s.ownX[k] : 0.0, sep);
        }
        const auto beam = beamOfStretch(results, e);
        const bool ready = s.outcome == FloorOutcome::Ready;
        rows.push_back({names, beam ? results.beams[*beam].name : "",
                        pointText(s.from, sep) + "–" + pointText(s.to, sep), own, two(s.Xc, sep),
                        two(s.d, sep), ready ? two(s.As, sep) : "—", s.bar.text});
        if (!s.message.empty())
            notes.push_back(names + ": " + oneLine(s.message));
    }
    b.table({18, 11, 40, 28, 16, 11, 13, 21},
            {"Lajes", "Viga", "Posição (m)", "X próprios", "Xc", "d", "As", "Barras"}, rows,
            {true, true, true});
    for (const std::string& note : notes)
        b.paragraph(note);
}

void addBeams(MemorialBuilder& b, const Floor& floor, const FloorResults& results, char sep) {
    b.heading("Vigas: cargas das lajes");
    b.table({14, 18, 18, 44, 28, 28},
            std::vector<std::string>(std::begin(beamLoadHeader), std::end(beamLoadHeader)),
            beamLoadRows(floor, results, sep), {true, false, false, true});
}

void addSteel(MemorialBuilder& b, const Floor& floor, const FloorResults& results,
              const Settings& settings, char sep) {
    const FloorSchedule schedule = floorSchedule(floor, results, settings);
    ScheduleTexts texts = scheduleTexts(schedule.table, sep);
    texts.totals[2].caption = "Área do pavimento";
    b.heading(std::string(scheduleTitle));
    b.table({22, 18, 18, 34, 36, 30}, texts.positionHeader, texts.positionRows, {true});
    b.line(std::string(diameterSummaryTitle), true);
    b.table({22, 36, 30}, texts.diameterHeader, texts.diameterRows, {});
    for (const ScheduleTotal& total : texts.totals) {
        b.room(bodyLine);
        ScheduleSheet& page = b.page();
        page.texts.push_back({left, b.y(), total.caption, bodyPoints, false, false});
        page.texts.push_back({left + 80.0, b.y(), total.value, bodyPoints, false, true});
        page.texts.push_back({left + 82.0, b.y(), total.unit, bodyPoints, false, false});
        b.skip(bodyLine);
    }
}

void addVerification(MemorialBuilder& b, const Floor& floor, const FloorResults& results,
                     const Settings& settings, char sep) {
    b.heading("Verificação segundo a NBR 6118:2014");
    for (std::size_t i : slabsByName(floor, results)) {
        const FloorSlabResult& r = results.slabs[i];
        if (r.outcome != FloorOutcome::Ready)
            continue;
        const Nbr6118Verification verification =
            verifyNbr6118(r.slab, r.results, settings, Nbr6118Parameters{});
        b.room(bodyLine + 3 * rowHeight);
        b.line("Laje " + floor.slabs[i].name + ": " + verificationSummary(verification), true);
        std::vector<std::vector<std::string>> rows;
        for (const VerificationRow& row : verificationRows(verification, sep))
            rows.push_back({row.check, row.clause, row.limit, row.obtained,
                            std::string(row.ok ? meetsText : failsText)});
        b.table({62, 34, 26, 26, 20}, {"Verificação", "Item", "Limite", "Obtido", "Situação"}, rows,
                {true, true, false, false, true});
    }
    // The top steel of each stretch, checked once over its beam.
    for (std::size_t e : stretchesInBeamOrder(results)) {
        const FloorStretch& s = results.edges[e];
        if (s.outcome != FloorOutcome::Ready)
            continue;
        const Nbr6118Verification verification = verifyStretch(results, s, settings);
        std::string names;
        for (std::size_t k = 0; k < s.slabs.size(); ++k)
            names += (k == 0 ? "" : " | ") + floor.slabs[s.slabs[k]].name;
        const auto beam = beamOfStretch(results, e);
        b.room(bodyLine + 3 * rowHeight);
        b.line("Trecho " + names + (beam ? " (" + results.beams[*beam].name + ")" : "") + ": " +
                   verificationSummary(verification),
               true);
        std::vector<std::vector<std::string>> rows;
        for (const VerificationRow& row : verificationRows(verification, sep))
            rows.push_back({row.check, row.clause, row.limit, row.obtained,
                            std::string(row.ok ? meetsText : failsText)});
        b.table({62, 34, 26, 26, 20}, {"Verificação", "Item", "Limite", "Obtido", "Situação"}, rows,
                {true, true, false, false, true});
    }
}

} // namespace

FloorMemorial fillFloorMemorial(const Floor& floor, const FloorResults& results,
                                const Settings& settings, char decimalSeparator, bool nbr2014) {
    MemorialBuilder builder;
    addIntroduction(builder, floor, settings, decimalSeparator);
    addPlan(builder, floor, results, decimalSeparator);
    addSlabs(builder, floor, results, decimalSeparator);
    addStretches(builder, floor, results, decimalSeparator);
    addBeams(builder, floor, results, decimalSeparator);
    addSteel(builder, floor, results, settings, decimalSeparator);
    if (nbr2014)
        addVerification(builder, floor, results, settings, decimalSeparator);
    return builder.take();
}

void paintFloorMemorial(QPainter& painter, const FloorMemorial& memorial,
                        QPagedPaintDevice& device) {
    // As paintScheduleSheet draws one sheet, with what a long document repeats made once: the
    // fonts and their metrics, the pen, and each page's lines in one call.
    installReportFont();
    const QPageLayout layout = device.pageLayout();
    const double dotsX = device.logicalDpiX() / 25.4; // device units per mm
    const double dotsY = device.logicalDpiY() / 25.4;
    QPointF origin(0.0, 0.0);
    if (layout.mode() != QPageLayout::FullPageMode) {
        const QRectF paint = layout.paintRect(QPageLayout::Millimeter);
        origin = QPointF(paint.left() * dotsX, paint.top() * dotsY);
    }
    const auto at = [&](double x, double y) { return QPointF(x * dotsX, y * dotsY) - origin; };
    // Each text is drawn as a run of glyphs placed by the characters' own advances, looked up
    // once per face: a long memorial has tens of thousands of short texts, and shaping each
    // one anew is what made it slow. The report font is not kerned in these tables (digits,
    // letters and units), so the advances are the text's layout.
    struct Face {
        QRawFont raw;
        double ascent = 0.0;
        std::map<char16_t, std::pair<quint32, double>> glyphs; // index, advance
        QGlyphRun run(const QString& text, double& width) {
            QList<quint32> indexes;
            QList<QPointF> positions;
            indexes.reserve(text.size());
            positions.reserve(text.size());
            width = 0.0;
            for (QChar c : text) {
                auto found = glyphs.find(c.unicode());
                if (found == glyphs.end()) {
                    const QList<quint32> index = raw.glyphIndexesForString(QString(c));
                    const quint32 glyph = index.isEmpty() ? 0 : index.front();
                    const QList<QPointF> advance = raw.advancesForGlyphIndexes({glyph});
                    found = glyphs
                                .emplace(
                                    c.unicode(),
                                    std::pair{glyph, advance.isEmpty() ? 0.0 : advance.front().x()})
                                .first;
                }
                indexes.append(found->second.first);
                positions.append(QPointF(width, 0.0));
                width += found->second.second;
            }
            QGlyphRun glyphRun;
            glyphRun.setRawFont(raw);
            glyphRun.setGlyphIndexes(indexes);
            glyphRun.setPositions(positions);
            return glyphRun;
        }
    };
    const double pixelsPerPoint = device.logicalDpiY() / 72.0;
    std::map<std::pair<double, bool>, Face> faces;
    const auto face = [&](double points, bool bold) -> Face& {
        auto found = faces.find({points, bold});
        if (found == faces.end()) {
            Face made;
            made.raw = QRawFont::fromFont(reportFont(points, bold));
            made.raw.setPixelSize(points * pixelsPerPoint);
            made.ascent = made.raw.ascent();
            found = faces.emplace(std::pair{points, bold}, std::move(made)).first;
        }
        return found->second;
    };

    painter.save();
    painter.setPen(QPen(Qt::black, 0.25 * dotsX));
    for (std::size_t i = 0; i < memorial.pages.size(); ++i) {
        if (i > 0)
            device.newPage();
        const ScheduleSheet& page = memorial.pages[i];
        QList<QLineF> lines;
        lines.reserve(static_cast<qsizetype>(page.lines.size()));
        for (const SheetLine& line : page.lines)
            lines.append(QLineF(at(line.x1, line.y1), at(line.x2, line.y2)));
        painter.drawLines(lines);
        for (const SheetText& text : page.texts) {
            if (text.text.empty())
                continue;
            Face& f = face(text.pointSize, text.bold);
            const QString shown =
                QString::fromUtf8(text.text.data(), static_cast<qsizetype>(text.text.size()));
            double width = 0.0;
            const QGlyphRun run = f.run(shown, width);
            QPointF point = at(text.x, text.y);
            if (text.alignRight)
                point.rx() -= width;
            if (!run.glyphIndexes().contains(0u)) {
                painter.drawGlyphRun(QPointF(point.x(), point.y() + f.ascent), run);
                continue;
            }
            // A character the report font lacks (a slab named in another script): the text
            // is laid out by Qt, which finds it in another font.
            QFont font = reportFont(text.pointSize, text.bold);
            painter.setFont(font);
            const QFontMetricsF metrics(font, &device);
            if (text.alignRight)
                point.rx() = at(text.x, text.y).x() - metrics.horizontalAdvance(shown);
            painter.drawText(QPointF(point.x(), point.y() + metrics.ascent()), shown);
        }
    }
    painter.restore();
}

QByteArray floorMemorialPdf(const FloorMemorial& memorial) {
    return sheetPdfBytes(QString::fromUtf8(floorMemorialTitle.data(),
                                           static_cast<qsizetype>(floorMemorialTitle.size())),
                         [&memorial](QPainter& painter, QPagedPaintDevice& device) {
                             paintFloorMemorial(painter, memorial, device);
                         });
}

std::optional<std::string> writeFloorMemorialPdf(const FloorMemorial& memorial,
                                                 const std::filesystem::path& target) {
    return writePdfBytes(floorMemorialPdf(memorial), target);
}

namespace {

// The save dialog's proposal from the floor window's "<pasta>/<nome do pavimento>.pdf".
PdfSuggestion suggestionFor(const QString& suggestedFile) {
    PdfSuggestion suggestion;
    if (!suggestedFile.isEmpty()) {
        const QFileInfo info(suggestedFile);
        suggestion.slabName = info.completeBaseName().toStdString();
        suggestion.folder = info.absolutePath();
    }
    return suggestion;
}

} // namespace

std::unique_ptr<QPrintPreviewDialog> createFloorMemorialPreview(const FloorMemorial& memorial,
                                                                QPrinter& printer, QWidget* parent,
                                                                const QString& suggestedFile,
                                                                MemorialWritten written) {
    auto preview = createSheetPreview(
        printer, parent,
        QString::fromUtf8(floorMemorialTitle.data(),
                          static_cast<qsizetype>(floorMemorialTitle.size())),
        [memorial](QPainter& painter, QPrinter& target) {
            paintFloorMemorial(painter, memorial, target);
        },
        [memorial, written = std::move(written)](const std::filesystem::path& target) {
            // The window saves only to an ordinary file.
            auto error =
                writePdfBytes(floorMemorialPdf(memorial), target, WriteTarget::regularFile);
            if (!error && written)
                written(target);
            return error;
        },
        suggestionFor(suggestedFile));
    preview->setObjectName(QStringLiteral("MemorialPavimentoPreview"));
    return preview;
}

void showFloorMemorialPreview(const FloorMemorial& memorial, QWidget* parent,
                              const QString& suggestedFile, MemorialWritten written) {
    const std::unique_ptr<QPrinter> printer = reportPrinter();
    printer->setDocName(QString::fromUtf8(floorMemorialTitle.data(),
                                          static_cast<qsizetype>(floorMemorialTitle.size())));
    const std::unique_ptr<QPrintPreviewDialog> preview =
        createFloorMemorialPreview(memorial, *printer, parent, suggestedFile, std::move(written));
    execPreviewMaximised(*preview);
}

} // namespace lajes::report
