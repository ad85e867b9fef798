#include "pattern/pattern_pdf.h"

#include "pattern/page_canvas.h"
#include "pattern/pattern_font.h"
#include "pattern/pattern_pages.h"

#include <QBuffer>
#include <QPdfWriter>

namespace pattern {
namespace {

constexpr int kResolution = 1200;  // device units per inch: fine enough for hairlines and glyph places

}  // namespace

PatternPdf patternPdf(const PatternContent& content, const PatternOptions& options) {
    if (content.cells.empty()) return PatternPdf{{}, "図案画像がありません"};
    const std::optional<QString> family = patternFontFamily();
    if (!family) return PatternPdf{{}, "PDFの文字に使うフォント IPAGothic が見つかりません"};

    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(kResolution);
        writer.setTitle(QStringLiteral("図案"));
        QPainter painter;
        PageCanvas canvas(writer, painter, *family, options.paper);
        paintPattern(canvas, content, options);
        if (!canvas.finish()) return PatternPdf{{}, "PDFを作れませんでした"};
    }
    return PatternPdf{bytes.toStdString(), {}};
}

}  // namespace pattern
