#include "drawing.h"

#include "form.h"
#include "label.h"

#include <QBuffer>
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

// The client area as the window paints it: its background, then its labels in the order they
// were made. Drawn label by label rather than through Qt's own widget rendering, which turns
// all it draws on a printer into one picture of pixels.
void drawClient(const Form &form, QPainter &painter)
{
    const QWidget *client = form.client();
    painter.fillRect(client->rect(), client->palette().color(QPalette::Window));
    for (const Label *label : client->findChildren<Label *>(Qt::FindDirectChildrenOnly)) {
        if (!label->isVisibleTo(client))
            continue;
        painter.save();
        painter.translate(label->pos());
        label->paint(painter);
        painter.restore();
    }
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
    const auto width =
        static_cast<int>(reinterpret_cast<std::intptr_t>(nl_langinfo(_NL_PAPER_WIDTH)));
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
    const double scale =
        std::min(page.width() / double(client.width()), page.height() / double(client.height()));
    QPainter painter(&page);
    painter.translate((page.width() - client.width() * scale) / 2,
                      (page.height() - client.height() * scale) / 2);
    painter.scale(scale, scale);
    drawClient(form, painter);
}

QString saveDrawing(const Form &form, const QString &fileName, DrawingFormat format, double scale,
                    const DrawingInfo &info)
{
    QByteArray drawing;
    QBuffer buffer(&drawing);
    buffer.open(QIODevice::WriteOnly);
    const QSize size = form.client()->size();
    switch (format) {
    case DrawingFormat::Pdf: {
        QPdfWriter pdf(&buffer);
        pdf.setResolution(PageDpi);
        pdf.setTitle(info.title);
        pdf.setCreator(info.creator);
        setUpPage(pdf);
        drawOnPage(form, pdf);
        break;
    }
    case DrawingFormat::Svg: {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setTitle(info.title);
        svg.setResolution(PageDpi);
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
        image.save(&buffer, "PNG");
        break;
    }
    }

    // Written whole or not at all. A write that stops short (a full disk) and a last flush that
    // fails are failures too, which the temporary file, left uncommitted, does not survive.
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    for (qint64 done = 0; done < drawing.size();) {
        const qint64 written = file.write(drawing.constData() + done, drawing.size() - done);
        if (written <= 0)
            return file.errorString();
        done += written;
    }
    if (!file.flush() || !file.commit())
        return file.errorString();
    return {};
}

} // namespace forms
