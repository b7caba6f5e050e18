#include "shell/picture_export.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLocale>
#include <QMessageBox>
#include <QMimeData>
#include <QPageLayout>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QSvgGenerator>
#include <cmath>

#include "platform/fonts.h"
#include "platform/safe_file.h"
#include "shell/child_window.h"
#include "shell/program_texts.h"
#include "texts/text_tables.h"

namespace app::PictureExport {

namespace {

using app::ProgramText;

// The drawings and pages are laid out in pixels of a 96 dpi screen: a one-pixel line of the
// picture is then 0.75 pt on paper, as thin as on the screen yet printable.
constexpr int PageResolution = 96;
constexpr qreal PageMarginMillimetres = 15;

FileChooser& fileChooser()
{
    static FileChooser chooser;
    return chooser;
}

// The folder and type of the last saved picture, proposed again in the next dialog.
QString& lastFolder()
{
    static QString folder;
    return folder;
}

FileType& lastType()
{
    static FileType type = FileType::Png;
    return type;
}

QString extensionOf(FileType type)
{
    switch (type) {
    case FileType::Svg: return QStringLiteral("svg");
    case FileType::Pdf: return QStringLiteral("pdf");
    default: return QStringLiteral("png");
    }
}

QString existingFolder(QStandardPaths::StandardLocation location)
{
    if (!lastFolder().isEmpty() && QFileInfo(lastFolder()).isDir())
        return lastFolder();
    const QString folder = QStandardPaths::writableLocation(location);
    return QFileInfo(folder).isDir() ? folder : QDir::homePath();
}

// The window's title as a file name: characters no file name should hold become "_".
QString fileNameFrom(const QString& title)
{
    QString name = title.trimmed();
    for (QChar& c : name)
        if (c.unicode() < 32 || QStringLiteral("/\\:*?\"<>|").contains(c))
            c = QLatin1Char('_');
    while (name.startsWith(QLatin1Char('.')))
        name.remove(0, 1);
    return name.isEmpty() ? QStringLiteral("picture") : name;
}

QString withoutMnemonic(QString text)
{
    return text.remove(QRegularExpression(QStringLiteral("&(?!&)")));
}

QString notSaved(const QString& path, const SafeFile::Result& result)
{
    return result ? QString() : app::notWrittenMessage(ProgramText::PictureNotSaved, path, result);
}

void showProblem(ChildWindow* window, const QString& message)
{
    QMessageBox box(QMessageBox::Warning, window->windowTitle(), message, QMessageBox::Ok, window);
    box.setObjectName(QStringLiteral("ExportProblem"));
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

// A4, or Letter where the system measures in inches, with even margins.
QPageLayout defaultPageLayout()
{
    const bool imperial = QLocale::system().measurementSystem() == QLocale::ImperialUSSystem;
    return QPageLayout(QPageSize(imperial ? QPageSize::Letter : QPageSize::A4), QPageLayout::Portrait,
                       QMarginsF(PageMarginMillimetres, PageMarginMillimetres, PageMarginMillimetres,
                                 PageMarginMillimetres),
                       QPageLayout::Millimeter);
}

// Qt's SVG generator ignores clipping. Drawn through this device, every shape reaches the
// generator cut to the clip of the moment: fills as the shape's part inside the clip, lines as
// the part of their outline inside it. Texts, images and unclipped shapes pass unchanged.
class ClipResolvingEngine : public QPaintEngine {
public:
    explicit ClipResolvingEngine(QPainter& target) : QPaintEngine(AllFeatures), m_target(target) {}
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    Type type() const override { return User; }
    void updateState(const QPaintEngineState&) override {}

    void drawPath(const QPainterPath& path) override { draw(path, true); }
    void drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) override
    {
        QPainterPath path;
        path.addPolygon(QPolygonF(QList<QPointF>(points, points + count)));
        if (mode != PolylineMode)
            path.closeSubpath();
        path.setFillRule(mode == WindingMode ? Qt::WindingFill : Qt::OddEvenFill);
        draw(path, mode != PolylineMode);
    }
    void drawPixmap(const QRectF& r, const QPixmap& pixmap, const QRectF& source) override
    {
        takeState();
        m_target.drawPixmap(r, pixmap, source);
        m_target.restore();
    }
    void drawImage(const QRectF& r, const QImage& image, const QRectF& source, Qt::ImageConversionFlags flags) override
    {
        takeState();
        m_target.drawImage(r, image, source, flags);
        m_target.restore();
    }
    void drawTextItem(const QPointF& at, const QTextItem& text) override
    {
        takeState();
        m_target.drawTextItem(at, text);
        m_target.restore();
    }

private:
    // The source painter's pen, brush, font, hints and transform on the generator's painter.
    void takeState()
    {
        const QPainter* source = painter();
        m_target.save();
        m_target.setTransform(source->combinedTransform(), true);
        m_target.setPen(source->pen());
        m_target.setBrush(source->brush());
        m_target.setFont(source->font());
        m_target.setRenderHints(source->renderHints());
        m_target.setOpacity(source->opacity());
    }

    void draw(const QPainterPath& path, bool filled)
    {
        const QPainter* source = painter();
        takeState();
        if (!source->hasClipping()) {
            if (!filled)
                m_target.setBrush(Qt::NoBrush);
            m_target.drawPath(path);
            m_target.restore();
            return;
        }
        const QPainterPath clip = source->clipPath();
        m_target.setPen(Qt::NoPen);
        if (filled && source->brush().style() != Qt::NoBrush)
            m_target.fillPath(path.intersected(clip), source->brush());
        const QPen pen = source->pen();
        if (pen.style() != Qt::NoPen) {
            QPainterPathStroker stroker(pen);
            // A cosmetic pen is as wide in device pixels as in units: the pictures draw at scale 1.
            if (pen.isCosmetic() && pen.widthF() == 0)
                stroker.setWidth(1);
            m_target.fillPath(stroker.createStroke(path).intersected(clip), pen.brush());
        }
        m_target.restore();
    }

    QPainter& m_target;
};

class ClipResolvingDevice : public QPaintDevice {
public:
    explicit ClipResolvingDevice(QPainter& target) : m_target(*target.device()), m_engine(target) {}
    QPaintEngine* paintEngine() const override { return &m_engine; }

protected:
    int metric(PaintDeviceMetric which) const override
    {
        switch (which) {
        case PdmWidth: return m_target.width();
        case PdmHeight: return m_target.height();
        case PdmWidthMM: return m_target.widthMM();
        case PdmHeightMM: return m_target.heightMM();
        case PdmNumColors: return m_target.colorCount();
        case PdmDepth: return m_target.depth();
        case PdmDpiX: return m_target.logicalDpiX();
        case PdmDpiY: return m_target.logicalDpiY();
        case PdmPhysicalDpiX: return m_target.physicalDpiX();
        case PdmPhysicalDpiY: return m_target.physicalDpiY();
        case PdmDevicePixelRatio: return 1;
        case PdmDevicePixelRatioScaled: return int(devicePixelRatioFScale());
        }
        return 0;
    }

private:
    const QPaintDevice& m_target;
    mutable ClipResolvingEngine m_engine;
};

bool writeSvg(const ChildWindow& window, QIODevice& device)
{
    const QSize size = window.client()->size();
    const QRect area = window.pictureArea();
    QSvgGenerator generator;
    generator.setOutputDevice(&device);
    generator.setSize(area.size());
    generator.setViewBox(QRect(QPoint(0, 0), area.size()));
    generator.setResolution(PageResolution);
    // The generator writes both as they are: an inequality's "<" must not end the file's XML.
    generator.setTitle(window.windowTitle().toHtmlEscaped());
    generator.setDescription(window.resultLines().join(QLatin1Char('\n')).toHtmlEscaped());
    QPainter svg;
    if (!svg.begin(&generator))
        return false;
    svg.fillRect(QRect(QPoint(0, 0), area.size()), Qt::black);
    ClipResolvingDevice clipped(svg);
    QPainter painter;
    if (!painter.begin(&clipped))
        return false;
    // The view box shows the picture's area; no clip, so that lines stay lines.
    painter.translate(-area.topLeft());
    window.paint(painter, size);
    painter.end();
    return svg.end();
}

// The page of the window on a PDF page or a printer.
SafeFile::PageDrawer pageDrawer(const ChildWindow& window)
{
    return [&window](QPainter& painter, QPagedPaintDevice& device) {
        const int resolution = device.logicalDpiY();
        paintPage(painter, window, QRectF(QPointF(0, 0), device.pageLayout().paintRectPixels(resolution).size()));
    };
}

QString chooseWithDialog(ChildWindow* window, const QString& proposed, FileType& type)
{
    const QStringList filters = {app::programText(ProgramText::PngFilter),
                                 app::programText(ProgramText::PngTwiceFilter),
                                 app::programText(ProgramText::SvgFilter), app::programText(ProgramText::PdfFilter)};
    QFileDialog dialog(window, withoutMnemonic(app::programText(ProgramText::SavePicture)), proposed);
    dialog.setObjectName(QStringLiteral("SavePictureDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(filters.value(int(type)));
    dialog.setDefaultSuffix(extensionOf(type));
    // A name typed without an extension takes the one of the type chosen.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, filters](const QString& filter) {
        dialog.setDefaultSuffix(extensionOf(FileType(std::max<qsizetype>(0, filters.indexOf(filter)))));
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    type = FileType(std::max<qsizetype>(0, filters.indexOf(dialog.selectedNameFilter())));
    return dialog.selectedFiles().constFirst();
}

}  // namespace

QImage pictureImage(const ChildWindow& window, qreal factor)
{
    const QSize size = window.client()->size();
    const QRect area = window.pictureArea();
    const qreal ratio = window.devicePixelRatioF() * factor;
    QImage image((QSizeF(area.size()) * ratio).toSize().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    // The file tells viewers its density, so the picture at twice the pixels prints at the same size.
    const int dotsPerMetre = int(std::lround(PageResolution * ratio / 0.0254));
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    image.fill(Qt::black);
    QPainter painter(&image);
    painter.translate(-area.topLeft());
    window.paint(painter, size);
    return image;
}

void paintPage(QPainter& painter, const ChildWindow& window, const QRectF& page)
{
    const QPaintDevice* device = painter.device();
    const qreal point = device->logicalDpiY() / 72.0;
    QFont titleFont = Fonts::sansSerif(16, true);
    titleFont.setPointSizeF(16);
    QFont bodyFont = Fonts::sansSerif(13, true);
    bodyFont.setPointSizeF(11);
    const QFontMetricsF titleMetrics(titleFont, device);
    const QFontMetricsF bodyMetrics(bodyFont, device);
    const QStringList lines = window.resultLines();

    painter.save();
    painter.setPen(Qt::black);
    painter.setFont(titleFont);
    QRectF box(page.left(), page.top(), page.width(), titleMetrics.height());
    painter.drawText(box, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                     titleMetrics.elidedText(window.windowTitle(), Qt::ElideRight, page.width()));
    const qreal gap = 10 * point;
    const qreal top = box.bottom() + gap;

    // The picture as wide as the page, smaller only where the page would not hold the texts.
    const QRect area = window.pictureArea();
    const qreal textHeight = lines.isEmpty() ? 0 : gap + lines.size() * bodyMetrics.lineSpacing();
    qreal scale = page.width() / std::max(1, area.width());
    scale = std::max(0.0, std::min(scale, (page.bottom() - top - textHeight) / std::max(1, area.height())));
    painter.save();
    painter.translate(page.left(), top);
    painter.scale(scale, scale);
    painter.translate(-area.topLeft());
    painter.setClipRect(area);
    painter.fillRect(area, Qt::black);
    window.paint(painter, window.client()->size());
    painter.restore();

    painter.setPen(Qt::black);
    painter.setFont(bodyFont);
    qreal y = top + area.height() * scale + gap;
    for (const QString& line : lines) {
        painter.drawText(QRectF(page.left(), y, page.width(), bodyMetrics.lineSpacing()),
                         Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, line);
        y += bodyMetrics.lineSpacing();
    }
    painter.restore();
}

std::optional<FileType> fileTypeFor(const QString& path, FileType chosen)
{
    const QString extension = QFileInfo(path).suffix().toLower();
    if (extension == QLatin1String("png"))
        return chosen == FileType::PngTwice ? FileType::PngTwice : FileType::Png;
    if (extension == QLatin1String("svg"))
        return FileType::Svg;
    if (extension == QLatin1String("pdf"))
        return FileType::Pdf;
    return std::nullopt;
}

QString saveFile(const ChildWindow& window, const QString& path, FileType type)
{
    switch (type) {
    case FileType::Png:
    case FileType::PngTwice: {
        const QImage image = pictureImage(window, type == FileType::PngTwice ? 2 : 1);
        return notSaved(path, SafeFile::write(path, [&](QIODevice& device) { return image.save(&device, "PNG"); }));
    }
    case FileType::Svg:
        return notSaved(path, SafeFile::write(path, [&](QIODevice& device) { return writeSvg(window, device); }));
    case FileType::Pdf: break;
    }
    const SafeFile::PdfSetup page{defaultPageLayout(), PageResolution, window.windowTitle(),
                                  app::TitleTexts.text(app::Title::Program)};
    return notSaved(path, SafeFile::writePdf(path, page, pageDrawer(window)));
}

void copyToClipboard(const ChildWindow& window)
{
    auto* data = new QMimeData;
    data->setImageData(pictureImage(window));
    data->setText(window.resultLines().join(QLatin1Char('\n')));
    QGuiApplication::clipboard()->setMimeData(data);
}

void setFileChooser(FileChooser chooser)
{
    fileChooser() = std::move(chooser);
}

void savePictureCommand(ChildWindow* window)
{
    if (!window)
        return;
    FileType type = lastType();
    const QString proposed = QDir(existingFolder(QStandardPaths::PicturesLocation))
                                 .filePath(fileNameFrom(window->windowTitle()) + QLatin1Char('.') + extensionOf(type));
    QString path = fileChooser() ? fileChooser()(window, proposed, type) : chooseWithDialog(window, proposed, type);
    if (path.isEmpty())
        return;
    // The extension decides; a name with none of ours takes the one of the type chosen.
    std::optional<FileType> asked = fileTypeFor(path, type);
    if (!asked) {
        path += QLatin1Char('.') + extensionOf(type);
        asked = type;
    }
    lastFolder() = QFileInfo(path).absolutePath();
    lastType() = *asked;
    const QString problem = saveFile(*window, path, *asked);
    if (!problem.isEmpty())
        showProblem(window, problem);
}

void printCommand(ChildWindow* window)
{
    if (!window)
        return;
    QPrinter printer(QPrinter::ScreenResolution);
    printer.setDocName(window->windowTitle());
    printer.setCreator(app::TitleTexts.text(app::Title::Program));
    // Without a printer the dialog offers the PDF file, named after the window.
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        printer.setPageLayout(defaultPageLayout());
        SafeFile::offerPdfFile(printer, QDir(existingFolder(QStandardPaths::DocumentsLocation))
                                            .filePath(fileNameFrom(window->windowTitle()) + QStringLiteral(".pdf")));
    }
    QPrintDialog dialog(&printer, window);
    dialog.setObjectName(QStringLiteral("PrintDialog"));
    if (!SafeFile::execPrintDialog(dialog))
        return;
    // A PDF file goes through the safe writer like every other file the program writes.
    const SafeFile::Result printed = SafeFile::print(printer, pageDrawer(*window));
    if (!printed)
        showProblem(window, SafeFile::printsToFile(printer) ? notSaved(printer.outputFileName(), printed)
                                                            : app::programText(ProgramText::PageNotPrinted));
}

void copyCommand(ChildWindow* window)
{
    if (window)
        copyToClipboard(*window);
}

}  // namespace app::PictureExport
