#include "gui/framework/PagePainter.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <algorithm>

#include "core/text/Latin1.h"
#include "gui/framework/View.h"

namespace gridtally::gui {

void InstallFontSubstitutions() {
    static const bool installed = [] {
        QFont::insertSubstitutions("Courier New", {"Liberation Mono", "DejaVu Sans Mono"});
        QFont::insertSubstitutions("Verdana", {"DejaVu Sans", "Liberation Sans"});
        return true;
    }();
    (void)installed;
}

namespace {

constexpr double kTwipsPerInch = 1440.0;
constexpr double kTitleTop = 10;       // the title's top, down from the page's top
constexpr double kBelowTitle = 500;    // from the title's line to the header or first line
constexpr double kReportLineGap = 20;  // added to every report line's height
constexpr double kColumnGapChars = 2;  // at least this many characters between columns
constexpr double kFooterGap = 240;     // between the content and the footer

QFont PageFont(const char* face, double points, bool bold, bool italic,
               QFont::StyleHint hint = QFont::AnyStyle) {
    QFont font(QString::fromLatin1(face));
    font.setStyleHint(hint);
    font.setPixelSize(static_cast<int>(points * 20));  // twips
    font.setBold(bold);
    font.setItalic(italic);
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

double LineHeight(const QFont& font) {
    QFontMetricsF metrics(font);
    return metrics.ascent() + metrics.descent() + std::max(0.0, metrics.leading());
}

double TextWidth(const QFont& font, const QString& text) {
    return QFontMetricsF(font).horizontalAdvance(text);
}

double TextWidth(const QFont& font, const std::string& latin1) {
    return TextWidth(font, QString::fromLatin1(latin1));
}

QString CellString(const std::string& cell) { return QString::fromStdString(CellToUtf8(cell)); }

// Draws `text` with the top of its line at (x, y).
void DrawText(QPainter& painter, const QFont& font, double x, double y, const QString& text) {
    painter.setFont(font);
    painter.drawText(QPointF(x, y + QFontMetricsF(font).ascent()), text);
}

// The first row's top and the height of every row after the title and headers.
struct ListRows {
    double headerTop;
    double firstRowTop;
    double rowHeight;
};

ListRows ListRowsOf(const PageFonts& fonts) {
    double rowHeight = LineHeight(fonts.text);
    double headerTop = kTitleTop + kBelowTitle + rowHeight;
    return {headerTop, headerTop + LineHeight(fonts.header), rowHeight};
}

struct ReportRows {
    double firstLineTop;
    double lineStep;
};

ReportRows ReportRowsOf(const PageFonts& fonts) {
    double line = LineHeight(fonts.boldText);
    return {kTitleTop + line + kBelowTitle + line, kReportLineGap + line};
}

const QFont& ReportLineFont(const PageFonts& fonts, const std::string& line) {
    return IsBoldLine(line) ? fonts.boldText : fonts.text;
}

}  // namespace

PageFonts::PageFonts()
    : title(PageFont("Verdana", 20, true, true, QFont::SansSerif)),
      header(PageFont("Courier New", 10, true, false, QFont::Monospace)),
      text(PageFont("Courier New", 10, false, false, QFont::Monospace)),
      boldText(header),
      footer(PageFont("Verdana", 8, false, false, QFont::SansSerif)) {
    InstallFontSubstitutions();
}

std::vector<double> ColumnStarts(const PrintoutPage& page, const PageFonts& fonts, double* end) {
    double gap = kColumnGapChars * QFontMetricsF(fonts.text).horizontalAdvance(QLatin1Char('0'));
    std::vector<double> starts;
    double earliest = 0;
    if (end) *end = 0;
    for (std::size_t column = 0; column < page.headers.size(); ++column) {
        double own = column < page.printX.size() ? page.printX[column] : 0;
        double start = std::max(own, earliest);
        starts.push_back(start);
        double widest = TextWidth(fonts.header, page.headers[column]);
        for (const std::vector<std::string>& row : page.rows) {
            if (column < row.size()) {
                widest = std::max(widest, TextWidth(fonts.text, CellString(row[column])));
            }
        }
        earliest = start + widest + gap;
        if (end) *end = start + widest;
    }
    return starts;
}

QSizeF ContentSize(const PrintoutPage& page, const PageFonts& fonts) {
    double width = kTitleTop + TextWidth(fonts.title, page.title);
    double height = kTitleTop + LineHeight(fonts.title);
    if (page.isReport) {
        ReportRows rows = ReportRowsOf(fonts);
        for (std::size_t i = 0; i < page.report.size(); ++i) {
            const std::string& line = page.report[i];
            width = std::max(width, TextWidth(ReportLineFont(fonts, line), ShownLine(line)));
            height = std::max(height, rows.firstLineTop + static_cast<double>(i) * rows.lineStep +
                                          LineHeight(ReportLineFont(fonts, line)));
        }
        return {width, height};
    }
    ListRows rows = ListRowsOf(fonts);
    double end = 0;
    ColumnStarts(page, fonts, &end);
    width = std::max(width, end);
    height =
        std::max(height, rows.firstRowTop + static_cast<double>(page.rows.size()) * rows.rowHeight);
    return {width, height};
}

double PaintPage(QPainter& painter, const QRectF& area, const PrintoutPage& page,
                 const PageFooter& footer) {
    PageFonts fonts;
    QPaintDevice* device = painter.device();
    double dpiX = device ? device->logicalDpiX() : 72;
    double dpiY = device ? device->logicalDpiY() : 72;
    QSizeF areaTwips(area.width() * kTwipsPerInch / dpiX, area.height() * kTwipsPerInch / dpiY);

    double footerHeight = LineHeight(fonts.footer);
    QSizeF room(areaTwips.width(), areaTwips.height() - footerHeight - kFooterGap);
    QSizeF content = ContentSize(page, fonts);
    double scale = 1;
    if (content.width() > room.width()) scale = room.width() / content.width();
    if (content.height() > room.height()) scale = std::min(scale, room.height() / content.height());
    scale = std::max(scale, 0.01);

    painter.save();
    painter.translate(area.topLeft());
    painter.scale(dpiX / kTwipsPerInch, dpiY / kTwipsPerInch);
    painter.setPen(Qt::black);

    painter.save();
    painter.scale(scale, scale);
    DrawText(painter, fonts.title, 0, kTitleTop, QString::fromLatin1(page.title));
    if (page.isReport) {
        ReportRows rows = ReportRowsOf(fonts);
        double y = rows.firstLineTop;
        for (const std::string& line : page.report) {
            DrawText(painter, ReportLineFont(fonts, line), 0, y,
                     QString::fromLatin1(ShownLine(line)));
            y += rows.lineStep;
        }
    } else {
        ListRows rows = ListRowsOf(fonts);
        std::vector<double> starts = ColumnStarts(page, fonts);
        for (std::size_t column = 0; column < starts.size(); ++column) {
            DrawText(painter, fonts.header, starts[column], rows.headerTop,
                     QString::fromLatin1(page.headers[column]));
        }
        double y = rows.firstRowTop;
        for (const std::vector<std::string>& row : page.rows) {
            for (std::size_t column = 0; column < starts.size() && column < row.size(); ++column) {
                DrawText(painter, fonts.text, starts[column], y, CellString(row[column]));
            }
            y += rows.rowHeight;
        }
    }
    painter.restore();

    // The footer stays at its size at the bottom of the sheet, whatever the content's scale.
    double footerTop = areaTwips.height() - footerHeight;
    DrawText(painter, fonts.footer, 0, footerTop, footer.document);
    QString count = QStringLiteral("page %1 of %2").arg(footer.page).arg(footer.pages);
    double countWidth = QFontMetricsF(fonts.footer).horizontalAdvance(count);
    DrawText(painter, fonts.footer, areaTwips.width() - countWidth, footerTop, count);
    painter.restore();
    return scale;
}

void PrintPage(QPainter& painter, const PrintInfo& info, const PrintoutPage& page) {
    PaintPage(painter, info.printableArea, page,
              {info.documentName, info.currentPage, info.pageCount});
}

}  // namespace gridtally::gui
