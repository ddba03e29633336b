#include "drawing.h"

#include "form.h"

#include <QFileInfo>
#include <QImage>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <QWidget>

#include <algorithm>
#include <cstdint>
#include <langinfo.h>

namespace forms {

namespace {

constexpr double PageMargin = 15; // millimetres on every side

void drawClient(const Form &form, QPainter &painter)
{
    form.client()->render(&painter, QPoint(), QRegion(),
                          QWidget::DrawWindowBackground | QWidget::DrawChildren);
}

} // namespace

std::optional<DrawingFormat> drawingFormatOf(const QString &fileName)
{
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == QLatin1String("pdf"))
        return DrawingFormat::Pdf;
    if (suffix == QLatin1String("png"))
        return DrawingFormat::Png;
    if (suffix == QLatin1String("svg"))
        return DrawingFormat::Svg;
    return std::nullopt;
}

// The paper the user's locale names (LC_PAPER): Letter in the United States, A4 in most places.
void setUpPage(QPagedPaintDevice &page)
{
    const auto width = static_cast<int>(reinterpret_cast<std::intptr_t>(nl_langinfo(_NL_PAPER_WIDTH)));
    const auto height =
        static_cast<int>(reinterpret_cast<std::intptr_t>(nl_langinfo(_NL_PAPER_HEIGHT)));
    const QPageSize paper = width > 0 && height > 0
                                ? QPageSize(QSizeF(width, height), QPageSize::Millimeter)
                                : QPageSize(QPageSize::A4);
    page.setPageLayout(QPageLayout(paper, QPageLayout::Portrait,
                                   QMarginsF(PageMargin, PageMargin, PageMargin, PageMargin),
                                   QPageLayout::Millimeter));
}

void drawOnPage(const Form &form, QPagedPaintDevice &page)
{
    const QSize client = form.client()->size();
    const double scale = std::min(page.width() / double(client.width()),
                                  page.height() / double(client.height()));
    QPainter painter(&page);
    painter.translate((page.width() - client.width() * scale) / 2,
                      (page.height() - client.height() * scale) / 2);
    painter.scale(scale, scale);
    drawClient(form, painter);
}

QString saveDrawing(const Form &form, const QString &fileName, DrawingFormat format, double scale,
                    const DrawingInfo &info)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    const QSize size = form.client()->size();
    switch (format) {
    case DrawingFormat::Pdf: {
        QPdfWriter pdf(&file);
        pdf.setTitle(info.title);
        pdf.setCreator(info.creator);
        setUpPage(pdf);
        drawOnPage(form, pdf);
        break;
    }
    case DrawingFormat::Svg: {
        QSvgGenerator svg;
        svg.setOutputDevice(&file);
        svg.setTitle(info.title);
        svg.setResolution(96);
        svg.setSize(size);
        svg.setViewBox(QRect(QPoint(), size));
        QPainter painter(&svg);
        drawClient(form, painter);
        break;
    }
    case DrawingFormat::Png: {
        QImage image(size * scale, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(scale);
        image.fill(Qt::transparent);
        {
            QPainter painter(&image);
            drawClient(form, painter);
        }
        image.setText(QStringLiteral("Title"), info.title);
        image.setText(QStringLiteral("Software"), info.creator);
        if (!image.save(&file, "PNG"))
            return file.errorString();
        break;
    }
    }
    if (!file.commit())
        return file.errorString();
    return {};
}

} // namespace forms
