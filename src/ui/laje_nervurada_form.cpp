#include "ui/laje_nervurada_form.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include <array>
#include <tuple>

#include "analysis/slab_design_data.h"
#include "ui/decimal_box.h"
#include "ui/glyphs.h"

namespace lajes {

// ---- The section sketch ----------------------------------------------------------------

QSize RibbedSectionPicture::sizeHint() const {
    const int em = fontMetrics().height();
    return {26 * em, 13 * em};
}

QSize RibbedSectionPicture::minimumSizeHint() const {
    return {260, 130};
}

namespace {

// A dimension line from a to b with ticks at both ends and its text beside the middle.
void dimension(QPainter& p, QPointF a, QPointF b, const QString& text, bool textBelow) {
    p.drawLine(a, b);
    const bool horizontal = qFuzzyCompare(a.y(), b.y());
    const QPointF tick = horizontal ? QPointF(0, 4) : QPointF(4, 0);
    const QPointF slant(3, -3);
    for (const QPointF& end : {a, b}) {
        p.drawLine(end - tick, end + tick);
        p.drawLine(end - slant, end + slant);
    }
    const QPointF mid = (a + b) / 2;
    const QRectF box = horizontal
                           ? QRectF(mid.x() - 60, textBelow ? mid.y() + 3 : mid.y() - 21, 120, 18)
                           : QRectF(mid.x() + 6, mid.y() - 9, 60, 18);
    p.drawText(box, (horizontal ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter, text);
}

} // namespace

void RibbedSectionPicture::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), palette().color(QPalette::Base));

    // Logical drawing 400 x 200, scaled uniformly and centred.
    const qreal scale = qMin(width() / 400.0, height() / 200.0);
    p.translate((width() - 400 * scale) / 2, (height() - 200 * scale) / 2);
    p.scale(scale, scale);

    const QColor ink = palette().color(QPalette::WindowText);
    const QColor concrete(0xc9, 0xcd, 0xd3);
    const QColor block(0xf3, 0xd9, 0xb1);
    const qreal left = 20, top = 30, flange = 22, blockHeight = 78, blockWidth = 90, rib = 24;
    const qreal right = left + 3 * blockWidth + 2 * rib;
    const qreal bottom = top + flange + blockHeight;

    // Flange and ribs as one concrete body, then the blocks on top of it.
    p.setPen(QPen(ink, 1.2));
    p.setBrush(concrete);
    p.drawRect(QRectF(left, top, right - left, flange + blockHeight));
    p.setBrush(block);
    for (int i = 0; i < 3; ++i) {
        const QRectF b(left + i * (blockWidth + rib), top + flange, blockWidth, blockHeight);
        p.drawRect(b);
        // Cells of the hollow block.
        p.save();
        p.setPen(QPen(ink.lighter(200), 0.8));
        for (int c = 1; c < 3; ++c)
            p.drawLine(QPointF(b.left() + c * b.width() / 3, b.top() + 8),
                       QPointF(b.left() + c * b.width() / 3, b.bottom() - 8));
        p.restore();
    }
    // Two bars at the foot of each rib.
    p.setBrush(ink);
    for (int i = 0; i < 2; ++i) {
        const qreal ribLeft = left + blockWidth + i * (blockWidth + rib);
        for (qreal x : {ribLeft + rib * 0.3, ribLeft + rib * 0.7})
            p.drawEllipse(QPointF(x, bottom - 7), 2.6, 2.6);
    }

    QFont font = p.font();
    font.setPixelSize(12);
    p.setFont(font);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(ink, 0.9));
    const qreal midBlock = left + blockWidth + rib;
    dimension(p, QPointF(midBlock, bottom + 16), QPointF(midBlock + blockWidth, bottom + 16),
              QStringLiteral("a  (a ≤ 50 cm)"), true);
    const qreal ribLeft = left + blockWidth;
    dimension(p, QPointF(ribLeft, top - 12), QPointF(ribLeft + rib, top - 12), QStringLiteral("bw"),
              false);
    dimension(p, QPointF(right + 14, top + flange), QPointF(right + 14, bottom),
              QStringLiteral("hb"), false);
    dimension(p, QPointF(right + 14, top), QPointF(right + 14, top + flange), QStringLiteral("bf"),
              false);
}

// ---- The dialog -----------------------------------------------------------------------

TLajeNervuradaForm::TLajeNervuradaForm(SlabDesignData& slab, MessageBoxes& messages,
                                       const QWidget* centreOver, QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint), slab_(slab),
      messages_(messages), centreOver_(centreOver), AEdit(new QLineEdit(this)),
      BWEdit(new QLineEdit(this)), HBEdit(new QLineEdit(this)), BFEdit(new QLineEdit(this)),
      BlocoInerteEdit(new QLineEdit(this)),
      CalcularBitBtn(new QPushButton(tickGlyph(), QStringLiteral("&Ok"), this)),
      SairBitBtn(new QPushButton(cancelGlyph(), QStringLiteral("&Cancelar"), this)) {
    setObjectName(QStringLiteral("LajeNervuradaForm"));
    setWindowTitle(QStringLiteral("Laje Nervurada"));
    setModal(true);

    auto* picture = new RibbedSectionPicture(this);
    picture->setObjectName(QStringLiteral("Image1"));

    auto* grid = new QGridLayout;
    struct Row {
        QLineEdit* edit;
        const char* name;
        QString caption;
        QString unit;
        double* field;
    };
    const Row rows[] = {
        {AEdit, "AEdit", QStringLiteral("a"), QStringLiteral("(cm)"), &slab_.a},
        {BWEdit, "BWEdit", QStringLiteral("bw"), QStringLiteral("(cm)"), &slab_.bw},
        {HBEdit, "HBEdit", QStringLiteral("hb"), QStringLiteral("(cm)"), &slab_.hb},
        {BFEdit, "BFEdit", QStringLiteral("bf"), QStringLiteral("(cm)"), &slab_.bf},
        {BlocoInerteEdit, "BlocoInerteEdit", QStringLiteral("Bloco Inerte"),
         QStringLiteral("(kgf/m³)"), &slab_.BlockDensity},
    };
    int line = 0;
    for (const Row& row : rows) {
        row.edit->setObjectName(QString::fromLatin1(row.name));
        row.edit->setAlignment(Qt::AlignRight);
        makeDecimalBox(row.edit);
        auto* label = new QLabel(row.caption, this);
        label->setBuddy(row.edit);
        grid->addWidget(label, line, 0, Qt::AlignRight);
        grid->addWidget(row.edit, line, 1);
        grid->addWidget(new QLabel(row.unit, this), line, 2);
        numberBoxes_.push_back({row.edit, row.field});
        new FocusWatcher(
            row.edit, [this, number = numberBoxes_.back()] { commitNumberBox(number, messages_); });
        ++line;
    }
    auto* hint = new QLabel(QStringLiteral("Bloco de Sical - 450 kg/m³"), this);
    QFont small = hint->font();
    small.setItalic(true);
    hint->setFont(small);
    grid->addWidget(hint, line, 1, 1, 2);
    grid->setColumnMinimumWidth(1, fontMetrics().horizontalAdvance(QLatin1Char('0')) * 12);

    CalcularBitBtn->setObjectName(QStringLiteral("CalcularBitBtn"));
    SairBitBtn->setObjectName(QStringLiteral("SairBitBtn"));
    CalcularBitBtn->setDefault(true);
    connect(CalcularBitBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(SairBitBtn, &QPushButton::clicked, this, &QDialog::reject);

    auto* body = new QHBoxLayout;
    body->addWidget(picture, 1);
    body->addSpacing(12);
    body->addLayout(grid);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(CalcularBitBtn);
    buttons->addWidget(SairBitBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(AEdit, BWEdit);
    setTabOrder(BWEdit, HBEdit);
    setTabOrder(HBEdit, BFEdit);
    setTabOrder(BFEdit, BlocoInerteEdit);
    setTabOrder(BlocoInerteEdit, CalcularBitBtn);
    setTabOrder(CalcularBitBtn, SairBitBtn);
}

void TLajeNervuradaForm::showEvent(QShowEvent* event) {
    // Placed by execUntilAcceptable, which shows it.
    QDialog::showEvent(event);
    AEdit->setFocus(Qt::OtherFocusReason);
}

void TLajeNervuradaForm::commitFocusedBox() {
    commitFocusedNumberBox(numberBoxes_, focusWidget(), messages_);
}

RibbedGeometryEntries TLajeNervuradaForm::entries() const {
    const auto entry = [](const QLineEdit* box, double value) -> std::optional<double> {
        if (box->text().isEmpty())
            return std::nullopt;
        return value;
    };
    return {entry(AEdit, slab_.a), entry(BWEdit, slab_.bw), entry(HBEdit, slab_.hb),
            entry(BFEdit, slab_.bf), entry(BlocoInerteEdit, slab_.BlockDensity)};
}

bool TLajeNervuradaForm::geometryComplete() const {
    return !firstIncompleteRibbedField(entries());
}

void TLajeNervuradaForm::settleBlockDensity() {
    slab_.BlockDensity = acceptedBlockDensity(entries());
    if (BlocoInerteEdit->text().isEmpty())
        BlocoInerteEdit->setText(twoDecimals(slab_.BlockDensity));
}

void TLajeNervuradaForm::typeValues(const SlabDesignData& from) {
    const std::array<std::pair<const double*, double>, 5> values{
        {{&slab_.a, from.a},
         {&slab_.bw, from.bw},
         {&slab_.hb, from.hb},
         {&slab_.bf, from.bf},
         {&slab_.BlockDensity, from.BlockDensity}}};
    for (const NumberBox& number : numberBoxes_)
        for (const auto& [field, value] : values)
            if (number.field == field) {
                if (value == 0.0) {
                    number.box->clear();
                    *number.field = 0.0;
                } else {
                    typeIntoBox(number.box, value);
                    commitNumberBox(number, messages_);
                }
            }
}

} // namespace lajes
