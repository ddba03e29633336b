#include "drawing.h"

#include "form.h"
#include "label.h"
#include "labelarea.h"
#include "takeaway.h"

#include <QFileInfo>
#include <QFontMetrics>
#include <QImage>
#include <QImageWriter>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QRegularExpression>
#include <QPdfWriter>
#include <QSaveFile>
#include <QWidget>

#include <algorithm>
#include <cstring>
#include <memory>

#if defined(__GLIBC__)
#include <langinfo.h> // the C library's own paper of the locale, where it keeps one
#include <locale.h>
#endif

namespace forms {

namespace {

constexpr double PageMargin = 15; // millimetres on every side
constexpr FontSpec HeadingFont{"MS Sans Serif", 22, true, false};

enum class Ground { Window, Paper };

// The client area as the window paints it: its background (left out on paper, which stays
// white), then its labels. Drawn label by label rather than through Qt's own widget rendering,
// which turns all it draws on a printer into one picture of pixels.
void drawClient(const Form &form, QPainter &painter, Ground ground)
{
    const LabelArea *client = form.client();
    if (ground == Ground::Window)
        painter.fillRect(client->rect(), client->palette().color(QPalette::Window));
    client->paintLabels(painter);
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

QPageSize::PageSizeId paperOfTerritory(QLocale::Territory territory)
{
    // The Americas' Letter countries and the Philippines; the rest of the world uses A4.
    static const QLocale::Territory letter[] = {
        QLocale::UnitedStates, QLocale::Canada,    QLocale::Mexico,      QLocale::Chile,
        QLocale::Colombia,     QLocale::Venezuela, QLocale::Philippines, QLocale::PuertoRico,
        QLocale::CostaRica,    QLocale::Guatemala, QLocale::Panama,      QLocale::ElSalvador,
        QLocale::Nicaragua,    QLocale::Belize};
    return std::find(std::begin(letter), std::end(letter), territory) != std::end(letter)
               ? QPageSize::Letter
               : QPageSize::A4;
}

namespace {

// The territory of the locale that names the user's paper, as the C library chooses that
// locale: LC_ALL, then LC_PAPER, then LANG. Never the messages' language: English menus in
// Germany still print on A4.
QLocale::Territory paperTerritory()
{
    for (const char *setting : {"LC_ALL", "LC_PAPER", "LANG"}) {
        const QString name = qEnvironmentVariable(setting); // as in de_DE.UTF-8@euro
        if (!name.isEmpty())
            return QLocale(name.left(name.indexOf(QRegularExpression(QStringLiteral("[.@]")))))
                .territory();
    }
    return QLocale::AnyTerritory;
}

#if defined(__GLIBC__)
// A number the C library keeps for a locale, such as the paper's size in millimetres. It comes in
// the place of a string pointer, as the first word of it: read as glibc's own locale program
// reads it, so that it is right on big-endian machines too.
int localeNumber(nl_item item, locale_t locale)
{
    const char *const value = nl_langinfo_l(item, locale);
    unsigned int word = 0;
    std::memcpy(&word, &value, sizeof word);
    return static_cast<int>(word);
}
#endif

} // namespace

// The paper the user's locale names: the C library's where it keeps one for that locale,
// otherwise the paper of the locale's territory.
void setUpPage(QPagedPaintDevice &page)
{
    QPageSize paper(paperOfTerritory(paperTerritory()));
#if defined(__GLIBC__)
    // The paper's locale read apart, without touching the locale of the whole program, which
    // other threads may be using; it is there even where the locale's other parts are not.
    if (const locale_t locale = newlocale(LC_PAPER_MASK, "", locale_t(nullptr))) {
        const int width = localeNumber(_NL_PAPER_WIDTH, locale);
        const int height = localeNumber(_NL_PAPER_HEIGHT, locale);
        freelocale(locale);
        if (width > 0 && height > 0)
            paper = QPageSize(QSizeF(width, height), QPageSize::Millimeter);
    }
#endif
    page.setPageLayout(QPageLayout(paper, QPageLayout::Portrait,
                                   QMarginsF(PageMargin, PageMargin, PageMargin, PageMargin),
                                   QPageLayout::Millimeter));
}

// The heading at the top of the page, the chart under it as large as it fits, both centred
// across. A page whose margins leave no room for them is not drawn on.
bool drawOnPage(const Form &form, QPagedPaintDevice &page, const QString &heading)
{
    const QFont font = resolveFont(HeadingFont);
    const int headingHeight = QFontMetrics(font, &page).height() * 2;
    const QSize client = form.client()->size();
    const double scale = std::min(page.width() / double(client.width()),
                                  (page.height() - headingHeight) / double(client.height()));
    QPainter painter;
    if (scale <= 0 || !painter.begin(&page))
        return false;
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QRect(0, 0, page.width(), headingHeight),
                     Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, heading);
    painter.translate((page.width() - client.width() * scale) / 2, headingHeight);
    painter.scale(scale, scale);
    drawClient(form, painter, Ground::Paper);
    return painter.end();
}

namespace {

// Where a drawing goes. A file is replaced whole or not at all: it is written to a temporary file
// beside it, renamed into place once complete. A device or a pipe holds no file to keep and is
// written straight.
std::unique_ptr<QFileDevice> openTarget(const QString &fileName)
{
    const QFileInfo target(fileName);
    std::unique_ptr<QFileDevice> file;
    if (target.exists() && !target.isFile() && !target.isDir())
        file = std::make_unique<QFile>(fileName);
    else
        file = std::make_unique<QSaveFile>(fileName);
    file->open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    return file;
}

// The target as the writers see it: each write is taken whole or fails at once, with the file's
// reason. A disk that fills up takes part of a write first, which the PDF writer, for one, would
// never notice.
class WholeWrites : public QIODevice {
    Q_OBJECT
public:
    explicit WholeWrites(QFileDevice &file) : m_file(file) { open(QIODevice::WriteOnly); }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 size) override
    {
        for (qint64 done = 0; done < size;) {
            const qint64 written = m_file.write(data + done, size - done);
            if (written <= 0) {
                setErrorString(m_file.errorString());
                return -1;
            }
            done += written;
        }
        return size;
    }

private:
    QFileDevice &m_file;
};

} // namespace

std::optional<QString> saveDrawing(const Form &form, const QString &fileName, DrawingFormat format,
                                   double scale, const DrawingInfo &info, const QPageLayout *paper)
{
    const QSize size = form.client()->size();
    QImage image; // a PNG is drawn before its file is touched
    if (format == DrawingFormat::Png) {
        image = QImage(size * scale, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(scale);
        image.fill(Qt::transparent);
        QPainter painter;
        if (!painter.begin(&image)) // an image too large to be made
            return QString();
        drawClient(form, painter, Ground::Window);
        painter.end();
        image.setText(QStringLiteral("Title"), info.title);
        image.setText(QStringLiteral("Software"), info.creator);
    }

    const std::unique_ptr<QFileDevice> file = openTarget(fileName);
    if (!file->isOpen())
        return file->errorString();
    WholeWrites target(*file);
    // The file's reason where it gave one; none where the drawing itself could not be made.
    const auto failed = [&file] {
        return file->error() == QFileDevice::NoError ? QString() : file->errorString();
    };
    switch (format) {
    case DrawingFormat::Pdf: {
        QPdfWriter pdf(&target);
        pdf.setResolution(PageDpi);
        pdf.setTitle(info.title);
        pdf.setCreator(info.creator);
        if (paper)
            pdf.setPageLayout(*paper);
        else
            setUpPage(pdf);
        // The writer goes on past a write the file refused; the file remembers it.
        if (!drawOnPage(form, pdf, info.title) || file->error() != QFileDevice::NoError)
            return failed();
        break;
    }
    case DrawingFormat::Svg: {
        QString why;
        const TakeAway *module = takeAway(&why);
        if (!module)
            return why;
        const bool drawn =
            module->writeSvg(target, size, PageDpi, info.title,
                             [&](QPainter &painter) { drawClient(form, painter, Ground::Window); });
        if (!drawn || file->error() != QFileDevice::NoError)
            return failed();
        break;
    }
    case DrawingFormat::Png:
        if (!QImageWriter(&target, "png").write(image))
            return failed();
        break;
    }
    if (auto *whole = qobject_cast<QSaveFile *>(file.get()); whole && !whole->commit())
        return whole->errorString();
    return {};
}

} // namespace forms

#include "drawing.moc"
