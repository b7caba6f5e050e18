#include "shell/picture_export.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
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

#include "platform/colors.h"
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
// The gap between two parts of a picture (the circle and the graph), in the client's pixels.
constexpr int PartGap = 12;

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

// What a picture goes through on its way to a device other than the screen's: the shapes,
// texts and images paint() draws reach the device's own painter with
//  - for an SVG drawing, every shape cut to the clip of the moment (Qt's SVG generator ignores
//    clipping): fills as the shape's part inside the clip, lines as the part of their outline
//    inside it; texts and images pass unchanged;
//  - for the paper look, the colours of the paper palette (lines and texts by paperLine, fills
//    and images by paperFill), every line as wide in points as it is in pixels on the screen
//    halved (at least half a point), texts of at least 8.5 points on the output, smoothed.
class ExportEngine : public QPaintEngine {
public:
    ExportEngine(QPainter& target, bool resolveClips, bool paper, qreal unitsPerPoint)
        : QPaintEngine(AllFeatures), m_target(target), m_resolveClips(resolveClips), m_paper(paper),
          m_unitsPerPoint(unitsPerPoint)
    {
    }
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
        drawImage(r, pixmap.toImage(), source, Qt::AutoColor);
    }
    void drawImage(const QRectF& r, const QImage& image, const QRectF& source, Qt::ImageConversionFlags flags) override
    {
        takeState();
        m_target.drawImage(r, m_paper ? paperImage(image) : image, source, flags);
        m_target.restore();
    }
    void drawTextItem(const QPointF& at, const QTextItem& text) override
    {
        takeState();
        if (!m_paper) {
            m_target.drawTextItem(at, text);
        } else {
            // The text at no less than the smallest size that reads on paper, grown about its
            // middle so that it keeps clear of the lines it was placed beside.
            const QFont screenFont = text.font();
            QFont font = screenFont;
            const qreal scale = transformScale();
            const QPaintDevice* device = painter()->device();
            const qreal units = font.pixelSize() > 0 ? font.pixelSize() : font.pointSizeF() * device->logicalDpiY() / 72.0;
            QPointF start = at;
            if (units * scale / m_unitsPerPoint < MinimumTextPoints) {
                font.setPixelSize(std::max(1, int(std::ceil(MinimumTextPoints * m_unitsPerPoint / scale))));
                const QFontMetricsF was(screenFont, device), now(font, device);
                const QString shown = text.text();
                start.rx() -= (now.horizontalAdvance(shown) - was.horizontalAdvance(shown)) / 2;
                start.ry() += ((now.ascent() - now.descent()) - (was.ascent() - was.descent())) / 2;
            }
            m_target.setFont(font);
            m_target.drawText(start, text.text());
        }
        m_target.restore();
    }

private:
    static constexpr qreal MinimumTextPoints = 8.5;

    qreal transformScale() const
    {
        const QTransform t = painter()->combinedTransform();
        return std::max(1e-6, std::sqrt(std::fabs(t.determinant())));
    }

    QPen paperPen(QPen pen) const
    {
        if (pen.style() == Qt::NoPen)
            return pen;
        pen.setColor(Colors::paperLine(pen.color()));
        // Pixels of the screen become points: a hairline half a point, a line of 3 pixels 1.5 pt.
        const qreal pixels = pen.widthF() <= 0 ? 1 : pen.widthF();
        const qreal points = std::max(0.5, 0.5 * pixels);
        pen.setCosmetic(false);
        pen.setWidthF(points * m_unitsPerPoint / transformScale());
        // Dots a point long with two points between them, whatever the width.
        if (pen.style() == Qt::DotLine)
            pen.setDashPattern({1.0 / points, 2.0 / points});
        return pen;
    }

    QBrush paperBrush(QBrush brush) const
    {
        if (brush.style() != Qt::NoBrush)
            brush.setColor(Colors::paperFill(brush.color()));
        return brush;
    }

    static QImage paperImage(const QImage& image)
    {
        QImage paper = image.convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < paper.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(paper.scanLine(y));
            for (int x = 0; x < paper.width(); ++x)
                line[x] = Colors::paperFill(QColor(line[x])).rgb();
        }
        return paper;
    }

    // The source painter's pen, brush, font, hints, opacity and transform on the device's
    // painter, and its clip where the device clips itself.
    void takeState()
    {
        const QPainter* source = painter();
        m_target.save();
        m_target.setTransform(source->combinedTransform(), true);
        m_target.setPen(m_paper ? paperPen(source->pen()) : source->pen());
        m_target.setBrush(m_paper ? paperBrush(source->brush()) : source->brush());
        m_target.setFont(source->font());
        m_target.setRenderHints(source->renderHints());
        if (m_paper)
            m_target.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
        m_target.setOpacity(source->opacity());
        if (!m_resolveClips && source->hasClipping())
            m_target.setClipPath(source->clipPath(), Qt::IntersectClip);
    }

    void draw(const QPainterPath& path, bool filled)
    {
        const QPainter* source = painter();
        takeState();
        if (!m_resolveClips || !source->hasClipping()) {
            if (!filled)
                m_target.setBrush(Qt::NoBrush);
            m_target.drawPath(path);
            m_target.restore();
            return;
        }
        const QPainterPath clip = source->clipPath();
        const QPen pen = m_target.pen();
        const QBrush brush = m_target.brush();
        m_target.setPen(Qt::NoPen);
        if (filled && brush.style() != Qt::NoBrush)
            m_target.fillPath(path.intersected(clip), brush);
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
    bool m_resolveClips;
    bool m_paper;
    qreal m_unitsPerPoint;
};

class ExportDevice : public QPaintDevice {
public:
    ExportDevice(QPainter& target, bool resolveClips, bool paper, qreal unitsPerPoint)
        : m_target(*target.device()), m_engine(target, resolveClips, paper, unitsPerPoint)
    {
    }
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
    mutable ExportEngine m_engine;
};

// The parts of the picture side by side, each on the screen's black ground (white on paper)
// and cut to its part; the painter's (0, 0) is the picture's top-left corner.
void paintParts(QPainter& painter, const ChildWindow& window)
{
    const QSize size = window.client()->size();
    const int height = pictureSize(window).height();
    int x = 0;
    for (const QRect& part : window.pictureParts()) {
        painter.save();
        // One after the other, each centred on the row's height.
        painter.translate(QPoint(x, (height - part.height()) / 2) - part.topLeft());
        painter.setClipRect(part, Qt::IntersectClip);
        painter.fillRect(part, Qt::black);
        window.paint(painter, size);
        painter.restore();
        x += part.width() + PartGap;
    }
}

bool writeSvg(const ChildWindow& window, QIODevice& device, Look look)
{
    const QSize size = pictureSize(window);
    QSvgGenerator generator;
    generator.setOutputDevice(&device);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    generator.setResolution(PageResolution);
    // The generator writes both as they are: an inequality's "<" must not end the file's XML.
    generator.setTitle(pageTitle(window).toHtmlEscaped());
    generator.setDescription(window.resultLines().join(QLatin1Char('\n')).toHtmlEscaped());
    QPainter svg;
    if (!svg.begin(&generator))
        return false;
    svg.fillRect(QRect(QPoint(0, 0), size), look == Look::Paper ? Qt::white : Qt::black);
    // No clip reaches the generator, so that lines stay lines: the device cuts each shape.
    ExportDevice exported(svg, true, look == Look::Paper, 96.0 / 72.0);
    QPainter painter;
    if (!painter.begin(&exported))
        return false;
    paintParts(painter, window);
    painter.end();
    return svg.end();
}

// The page of the window on a PDF page or a printer.
SafeFile::PageDrawer pageDrawer(const ChildWindow& window, Look look)
{
    return [&window, look](QPainter& painter, QPagedPaintDevice& device) {
        const int resolution = device.logicalDpiY();
        paintPage(painter, window, QRectF(QPointF(0, 0), device.pageLayout().paintRectPixels(resolution).size()), look);
    };
}

// The look's choice: "for paper", "as on screen".
QComboBox* lookChoice(QWidget* parent, Look look)
{
    auto* choice = new QComboBox(parent);
    choice->setObjectName(QStringLiteral("pictureLook"));
    choice->addItem(app::programText(ProgramText::ForPaper), int(Look::Paper));
    choice->addItem(app::programText(ProgramText::AsOnScreen), int(Look::Screen));
    choice->setCurrentIndex(look == Look::Paper ? 0 : 1);
    return choice;
}

QString chooseWithDialog(ChildWindow* window, const QString& proposed, FileType& type, Look& look)
{
    const QStringList filters = {app::programText(ProgramText::PngFilter),
                                 app::programText(ProgramText::PngTwiceFilter),
                                 app::programText(ProgramText::SvgFilter), app::programText(ProgramText::PdfFilter)};
    QFileDialog dialog(window, withoutMnemonic(app::programText(ProgramText::SavePicture)), proposed);
    dialog.setObjectName(QStringLiteral("SavePictureDialog"));
    // Qt's own dialog, which takes the look's row under the file type.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(filters.value(int(type)));
    dialog.setDefaultSuffix(extensionOf(type));
    QComboBox* choice = lookChoice(&dialog, look);
    if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout())) {
        auto* label = new QLabel(app::programText(ProgramText::PictureLook), &dialog);
        label->setBuddy(choice);
        const int row = grid->rowCount();
        grid->addWidget(label, row, 0);
        grid->addWidget(choice, row, 1);
    }
    // A name typed without an extension takes the one of the type chosen, and the look that
    // type takes.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, filters, choice](const QString& filter) {
        const FileType chosen = FileType(std::max<qsizetype>(0, filters.indexOf(filter)));
        dialog.setDefaultSuffix(extensionOf(chosen));
        choice->setCurrentIndex(defaultLook(chosen) == Look::Paper ? 0 : 1);
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    type = FileType(std::max<qsizetype>(0, filters.indexOf(dialog.selectedNameFilter())));
    look = Look(choice->currentData().toInt());
    return dialog.selectedFiles().constFirst();
}

}  // namespace

Look defaultLook(FileType type)
{
    return type == FileType::Png || type == FileType::PngTwice ? Look::Screen : Look::Paper;
}

QSize pictureSize(const ChildWindow& window)
{
    int width = 0, height = 0;
    for (const QRect& part : window.pictureParts()) {
        width += (width > 0 ? PartGap : 0) + part.width();
        height = std::max(height, part.height());
    }
    return QSize(width, height).expandedTo(QSize(1, 1));
}

void paintPicture(QPainter& painter, const ChildWindow& window, Look look, qreal unitsPerPoint)
{
    if (look == Look::Screen) {
        paintParts(painter, window);
        return;
    }
    ExportDevice paper(painter, false, true, unitsPerPoint);
    QPainter onPaper;
    if (!onPaper.begin(&paper))
        return;
    paintParts(onPaper, window);
}

QImage pictureImage(const ChildWindow& window, qreal factor, Look look)
{
    const QSize size = pictureSize(window);
    const qreal ratio = window.devicePixelRatioF() * factor;
    QImage image((QSizeF(size) * ratio).toSize().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    // The file tells viewers its density, so the picture at twice the pixels prints at the same size.
    const int dotsPerMetre = int(std::lround(PageResolution * ratio / 0.0254));
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    image.fill(look == Look::Paper ? Qt::white : Qt::black);
    QPainter painter(&image);
    paintPicture(painter, window, look);
    return image;
}

QString pageTitle(const ChildWindow& window)
{
    const QString stated = window.statement();
    return stated.isEmpty() ? window.windowTitle() : window.windowTitle() + QStringLiteral(": ") + stated;
}

void paintPage(QPainter& painter, const ChildWindow& window, const QRectF& page, Look look)
{
    const QPaintDevice* device = painter.device();
    const qreal point = device->logicalDpiY() / 72.0;
    QFont titleFont = Fonts::sansSerif(16, true);
    titleFont.setPointSizeF(16);
    QFont bodyFont = Fonts::sansSerif(13, true);
    bodyFont.setPointSizeF(11);
    const QString title = pageTitle(window);
    // A long equation makes the title smaller, down to the results' size, before it is cut.
    while (titleFont.pointSizeF() > 11 && QFontMetricsF(titleFont, device).horizontalAdvance(title) > page.width())
        titleFont.setPointSizeF(titleFont.pointSizeF() - 1);
    const QFontMetricsF titleMetrics(titleFont, device);
    const QFontMetricsF bodyMetrics(bodyFont, device);
    // The equation the title states is not repeated above the results.
    QStringList lines = window.resultLines();
    if (!lines.isEmpty() && lines.constFirst() == window.statement())
        lines.removeFirst();

    painter.save();
    painter.setPen(Qt::black);
    painter.setFont(titleFont);
    QRectF box(page.left(), page.top(), page.width(), titleMetrics.height());
    painter.drawText(box, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                     titleMetrics.elidedText(title, Qt::ElideRight, page.width()));
    const qreal gap = 10 * point;
    const qreal top = box.bottom() + gap;

    // The picture as wide as the page, smaller only where the page would not hold the texts.
    const qreal textHeight = lines.isEmpty() ? 0 : gap + lines.size() * bodyMetrics.lineSpacing();
    const QSize area = pictureSize(window);
    qreal scale = page.width() / std::max(1, area.width());
    scale = std::max(0.0, std::min(scale, (page.bottom() - top - textHeight) / std::max(1, area.height())));
    // Centred across the page.
    const qreal left = page.left() + (page.width() - area.width() * scale) / 2;
    painter.save();
    painter.translate(left, top);
    painter.scale(scale, scale);
    painter.setClipRect(QRect(QPoint(0, 0), area));
    paintPicture(painter, window, look, point / scale);
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
    return saveFile(window, path, type, defaultLook(type));
}

QString saveFile(const ChildWindow& window, const QString& path, FileType type, Look look)
{
    switch (type) {
    case FileType::Png:
    case FileType::PngTwice: {
        const QImage image = pictureImage(window, type == FileType::PngTwice ? 2 : 1, look);
        return notSaved(path, SafeFile::write(path, [&](QIODevice& device) { return image.save(&device, "PNG"); }));
    }
    case FileType::Svg:
        return notSaved(path,
                        SafeFile::write(path, [&](QIODevice& device) { return writeSvg(window, device, look); }));
    case FileType::Pdf: break;
    }
    const SafeFile::PdfSetup page{defaultPageLayout(), PageResolution, pageTitle(window),
                                  app::TitleTexts.text(app::Title::Program)};
    return notSaved(path, SafeFile::writePdf(path, page, pageDrawer(window, look)));
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
    Look look = defaultLook(type);
    const QString proposed = QDir(existingFolder(QStandardPaths::PicturesLocation))
                                 .filePath(fileNameFrom(window->windowTitle()) + QLatin1Char('.') + extensionOf(type));
    QString path = fileChooser() ? fileChooser()(window, proposed, type, look)
                                 : chooseWithDialog(window, proposed, type, look);
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
    const QString problem = saveFile(*window, path, *asked, look);
    if (!problem.isEmpty())
        showProblem(window, problem);
}

void printCommand(ChildWindow* window)
{
    if (!window)
        return;
    QPrinter printer(QPrinter::ScreenResolution);
    printer.setDocName(pageTitle(*window));
    printer.setCreator(app::TitleTexts.text(app::Title::Program));
    // Without a printer the dialog offers the PDF file, named after the window.
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        printer.setPageLayout(defaultPageLayout());
        SafeFile::offerPdfFile(printer, QDir(existingFolder(QStandardPaths::DocumentsLocation))
                                            .filePath(fileNameFrom(window->windowTitle()) + QStringLiteral(".pdf")));
    }
    QPrintDialog dialog(&printer, window);
    dialog.setObjectName(QStringLiteral("PrintDialog"));
    // The look, for paper unless chosen otherwise, on a tab of its own.
    auto* lookTab = new QWidget;
    lookTab->setWindowTitle(withoutMnemonic(app::programText(ProgramText::PictureLook)).remove(QLatin1Char(':')).trimmed());
    auto* lookRow = new QFormLayout(lookTab);
    QComboBox* choice = lookChoice(lookTab, Look::Paper);
    lookRow->addRow(app::programText(ProgramText::PictureLook), choice);
    dialog.setOptionTabs({lookTab});
    if (!SafeFile::execPrintDialog(dialog))
        return;
    const Look look = Look(choice->currentData().toInt());
    // A PDF file goes through the safe writer like every other file the program writes.
    const SafeFile::Result printed = SafeFile::print(printer, pageDrawer(*window, look));
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
