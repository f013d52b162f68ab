#include "radio/band_chart_widget.h"

#include "codecs/decimal.h"
#include "document/band_plan.h"
#include "document/document.h"

#include <QHelpEvent>
#include <QPainter>
#include <QTimer>
#include <QToolTip>

namespace {
constexpr int kTickTolerance = 3; // pixels either side of a tick that still hover it
constexpr int kTooltipChannels = 8;

bool Touches(std::uint32_t first, std::uint32_t last, std::uint32_t from, std::uint32_t to)
{
    return first < to && from < last;
}

QColor RxColour(const QPalette& p)
{
    return p.color(QPalette::Highlight);
}

QColor TxColour()
{
    return QColor(0xE0, 0x7B, 0x20);
}

QString RangeText(std::uint32_t lower, std::uint32_t upper)
{
    return FormatMHz(lower) + QStringLiteral(" – ") + FormatMHz(upper) + QStringLiteral(" MHz");
}
} // namespace

BandChartWidget::BandChartWidget(Document& document, QWidget* parent) : QWidget(parent), m_document(document)
{
    setObjectName(QStringLiteral("bandChart"));
    setAccessibleName(tr("Band chart"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    connect(&m_document, &Document::changed, this, [this](std::uint32_t first, std::uint32_t last) {
        const std::uint32_t channelsEnd = ImageMap::kBankA + ImageMap::kRecordSize * ImageMap::kChannelsPerBank;
        const std::uint32_t planEnd = ImageMap::kBandPlan + BandPlan::kRecordSize * BandTable::kRxBands;
        if (!Touches(first, last, ImageMap::kBankA, channelsEnd) && !Touches(first, last, ImageMap::kBandPlan, planEnd))
            return;
        // A store pass changes many records in a row; one reload serves them all.
        if (!m_reloadQueued) {
            m_reloadQueued = true;
            QTimer::singleShot(0, this, [this] {
                m_reloadQueued = false;
                reload();
            });
        }
    });
    reload();
}

void BandChartWidget::reload()
{
    const int rowsBefore = metrics().rows;
    m_data = ReadBandChart(m_document.image(), m_document.bands());
    if (metrics().rows != rowsBefore)
        updateGeometry();
    update();
}

BandChartWidget::Geometry BandChartWidget::metrics() const
{
    const QFontMetrics fm = fontMetrics();
    Geometry g{};
    g.legendHeight = fm.height() + fm.height() / 2;
    g.rowHeight = fm.height() + fm.height() / 2;
    g.labelWidth = fm.horizontalAdvance(tr("Outside")) + fm.averageCharWidth() * 2;
    for (const char* name : kRxBandNames)
        g.labelWidth =
            std::max(g.labelWidth, fm.horizontalAdvance(QString::fromLatin1(name)) + fm.averageCharWidth() * 2);
    g.top = g.legendHeight;
    g.rows = BandTable::kRxBands + (m_data.channelsOutside() > 0 ? 1 : 0);
    const int right = width() - fm.horizontalAdvance(QStringLiteral("1000")) / 2 - 4;
    g.plot =
        QRect(QPoint(g.labelWidth, g.top), QPoint(std::max(g.labelWidth + 1, right), g.top + g.rows * g.rowHeight - 1));
    return g;
}

int BandChartWidget::rowOfBand(int band) const
{
    return band >= 0 ? band : BandTable::kRxBands;
}

int BandChartWidget::bandOfRow(int row) const
{
    return row < BandTable::kRxBands ? row : -1;
}

QSize BandChartWidget::sizeHint() const
{
    const Geometry g = metrics();
    const QFontMetrics fm = fontMetrics();
    return {fm.averageCharWidth() * 90, g.top + g.rows * g.rowHeight + fm.height() * 2};
}

QSize BandChartWidget::minimumSizeHint() const
{
    const QSize hint = sizeHint();
    return {fontMetrics().averageCharWidth() * 40, hint.height()};
}

QPoint BandChartWidget::tickPosition(int channel) const
{
    const Geometry g = metrics();
    const BandChartAxis axis(g.plot.left(), g.plot.right());
    for (const BandChartChannel& c : m_data.channels) {
        if (c.channel == channel)
            return {qRound(axis.x(c.rx)), g.top + rowOfBand(c.band) * g.rowHeight + g.rowHeight / 2};
    }
    return {-1, -1};
}

QString BandChartWidget::textAt(QPoint pos) const
{
    const Geometry g = metrics();
    if (!g.plot.adjusted(-kTickTolerance, 0, kTickTolerance, 0).contains(pos))
        return {};
    const int row = (pos.y() - g.top) / g.rowHeight;
    const int band = bandOfRow(row);
    const BandChartAxis axis(g.plot.left(), g.plot.right());
    std::vector<int> here;
    for (int i : ChannelsNear(m_data.channels, axis, pos.x(), kTickTolerance)) {
        if (m_data.channels[static_cast<std::size_t>(i)].band == band)
            here.push_back(i);
    }
    if (!here.empty())
        return ChannelTickText(m_data.channels, here, kTooltipChannels);
    if (band < 0)
        return {};
    const BandChartBand& b = m_data.bands[static_cast<std::size_t>(band)];
    const std::uint32_t f = axis.freqAt(pos.x());
    const bool inRx = b.hasRx() && f >= b.rxLower && f <= b.rxUpper;
    const bool inTx = b.hasTx() && f >= b.txLower && f <= b.txUpper;
    if (!inRx && !inTx)
        return {};
    QString text = QString::fromLatin1(kRxBandNames[static_cast<std::size_t>(band)]);
    if (b.hasRx())
        text += QLatin1Char('\n') + tr("Receive %1").arg(RangeText(b.rxLower, b.rxUpper));
    if (b.hasTx())
        text += QLatin1Char('\n') + tr("Transmit %1").arg(RangeText(b.txLower, b.txUpper));
    return text;
}

bool BandChartWidget::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const QString text = textAt(help->pos());
        if (text.isEmpty()) {
            QToolTip::hideText();
            event->ignore();
        } else {
            QToolTip::showText(help->globalPos(), text, this);
        }
        return true;
    }
    return QWidget::event(event);
}

void BandChartWidget::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, false);
    const Geometry g = metrics();
    const QFontMetrics fm = fontMetrics();
    const QPalette& pal = palette();
    const BandChartAxis axis(g.plot.left(), g.plot.right());
    const QColor rx = RxColour(pal);
    const QColor tx = TxColour();
    const QColor tick = pal.color(QPalette::WindowText);
    const QColor grid = pal.color(QPalette::Mid);

    // Legend.
    int lx = g.plot.left();
    const int swatch = fm.height() * 2 / 3;
    const int ly = (g.legendHeight - swatch) / 2;
    auto legend = [&](const QColor& colour, const QString& text, bool isTick) {
        if (isTick) {
            p.fillRect(QRect(lx + swatch / 2, ly, std::max(1, swatch / 6), swatch), colour);
        } else {
            p.fillRect(QRect(lx, ly, swatch, swatch), colour);
        }
        lx += swatch + fm.averageCharWidth();
        p.setPen(pal.color(QPalette::WindowText));
        p.drawText(QRect(lx, 0, fm.horizontalAdvance(text) + 2, g.legendHeight), Qt::AlignVCenter, text);
        lx += fm.horizontalAdvance(text) + fm.averageCharWidth() * 3;
    };
    legend(rx, tr("Receive"), false);
    legend(tx, tr("Transmit"), false);
    legend(tick, tr("Channel"), true);

    // Scale lines behind the bars.
    const std::vector<int> marks = axis.marks(fm.horizontalAdvance(QStringLiteral("1000")) * 1.6);
    p.setPen(QPen(grid, 0, Qt::DotLine));
    for (int mhz : marks) {
        const int x = qRound(axis.x(static_cast<std::uint32_t>(mhz) * 100000u));
        p.drawLine(x, g.plot.top(), x, g.plot.bottom());
    }

    const int barHeight = std::max(3, g.rowHeight * 2 / 5);
    const int txHeight = std::max(2, g.rowHeight / 5);
    for (int row = 0; row < g.rows; ++row) {
        const int y = g.top + row * g.rowHeight;
        const int band = bandOfRow(row);
        const bool open = band >= 0 && m_data.bands[static_cast<std::size_t>(band)].hasRx();
        p.setPen(pal.color(open || band < 0 ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
        const QString caption =
            band >= 0 ? QString::fromLatin1(kRxBandNames[static_cast<std::size_t>(band)]) : tr("Outside");
        p.drawText(QRect(0, y, g.labelWidth - fm.averageCharWidth(), g.rowHeight), Qt::AlignVCenter | Qt::AlignRight,
                   caption);
        p.setPen(QPen(grid, 0));
        p.drawLine(g.plot.left(), y + g.rowHeight - 1, g.plot.right(), y + g.rowHeight - 1);
        if (band < 0)
            continue;
        const BandChartBand& b = m_data.bands[static_cast<std::size_t>(band)];
        auto bar = [&](std::uint32_t lower, std::uint32_t upper, int top, int height, QColor colour) {
            const int x0 = qRound(axis.x(lower));
            const int x1 = std::max(x0 + 2, qRound(axis.x(upper)));
            QColor fill = colour;
            fill.setAlpha(110);
            p.fillRect(QRect(x0, top, x1 - x0, height), fill);
            p.setPen(QPen(colour, 0));
            p.drawRect(QRect(x0, top, x1 - x0 - 1, height - 1));
        };
        const int barTop = y + (g.rowHeight - barHeight - txHeight - 1) / 2;
        if (b.hasRx())
            bar(b.rxLower, b.rxUpper, barTop, barHeight, rx);
        if (b.hasTx())
            bar(b.txLower, b.txUpper, barTop + barHeight + 1, txHeight, tx);
    }

    // Channel ticks over the bars, the full height of their band's row.
    p.setPen(QPen(tick, 0));
    for (const BandChartChannel& c : m_data.channels) {
        const int x = qRound(axis.x(c.rx));
        const int y = g.top + rowOfBand(c.band) * g.rowHeight;
        p.drawLine(x, y + 2, x, y + g.rowHeight - 4);
    }

    // Axis with its marks in MHz.
    const int axisY = g.plot.bottom() + 1;
    p.setPen(QPen(pal.color(QPalette::WindowText), 0));
    p.drawLine(g.plot.left(), axisY, g.plot.right(), axisY);
    for (int mhz : marks) {
        const int x = qRound(axis.x(static_cast<std::uint32_t>(mhz) * 100000u));
        p.drawLine(x, axisY, x, axisY + fm.height() / 4);
        const QString label = QString::number(mhz);
        const int w = fm.horizontalAdvance(label);
        p.drawText(QRect(x - w / 2 - 1, axisY + fm.height() / 4, w + 2, fm.height()), Qt::AlignCenter, label);
    }
    const QString unit = QStringLiteral("MHz");
    p.drawText(QRect(0, axisY + fm.height() / 4, g.labelWidth - fm.averageCharWidth(), fm.height()),
               Qt::AlignRight | Qt::AlignVCenter, unit);
}
