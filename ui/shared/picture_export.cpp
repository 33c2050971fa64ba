#include "ui/shared/picture_export.hpp"

#include "ui/shared/app_context.hpp"
#include "ui/shared/context_menu.hpp"
#include "ui/shared/modules.hpp"
#include "ui/shared/svg_writer.hpp"

#include <QAction>
#include <QBuffer>
#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QWidget>
#include <cmath>
#include <optional>

namespace veltrix::ui {

namespace {

// The texts keep the context they were first translated in, the Graph window's.
QString PngFilter() {
    return QCoreApplication::translate("GraphExport", "PNG image (*.png)");
}

QString SvgFilter() {
    return QCoreApplication::translate("GraphExport", "SVG drawing (*.svg)");
}

QString SaveFailedMessage(const QString& path, const QString& why) {
    return QCoreApplication::translate("GraphExport",
                                       "The picture could not be saved as \"%1\": %2.")
        .arg(QDir::toNativeSeparators(path), why);
}

// The picture painted at the widget's size, or else the widget exactly as it shows, in device
// pixels at the screen's scale.
QImage Pixels(QWidget& widget, const std::function<void(QPainter&)>& paint) {
    if (!paint) {
        return widget.grab().toImage();
    }
    const qreal ratio = widget.devicePixelRatioF();
    QImage picture(widget.size() * ratio, QImage::Format_ARGB32_Premultiplied);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    paint(painter);
    return picture;
}

// The picture in device pixels. Its resolution says the widget's true size: its own pixels a
// centimetre (37.8 at the layout's scale 1) at screen scale 1.
QImage Picture(QWidget& widget, const PictureExport& exported) {
    QImage picture = Pixels(widget, exported.paint);
    const auto dotsPerMetre = static_cast<int>(
        std::lround(exported.pixelsPerCentimetre * 100 * picture.devicePixelRatio()));
    picture.setDotsPerMeterX(dotsPerMetre);
    picture.setDotsPerMeterY(dotsPerMetre);
    return picture;
}

// The SVG writer module; nothing where it cannot be loaded.
WriteSvgPage LoadSvgWriter() {
    const auto found = ModuleFunction(QStringLiteral(VELTRIX_SVG_WRITER_NAME), kWriteSvgPageName);
    const auto* write = std::get_if<QFunctionPointer>(&found);
    return write != nullptr ? reinterpret_cast<WriteSvgPage>(*write) : nullptr;
}

bool WriteSvg(QIODevice& device, const SvgPage& page) {
    static const WriteSvgPage write = LoadSvgWriter();
    return write != nullptr && write(device, page);
}

// SVG for a name ending in .svg, PNG for one ending in .png, otherwise the type chosen.
bool IsSvg(const SaveTarget& target) {
    const QString suffix = QFileInfo(target.path).suffix();
    if (suffix.compare(QLatin1String("svg"), Qt::CaseInsensitive) == 0) {
        return true;
    }
    if (suffix.compare(QLatin1String("png"), Qt::CaseInsensitive) == 0) {
        return false;
    }
    return target.filter == SvgFilter();
}

void SaveAs(AppContext& app, QWidget& widget, const PictureExport& picture) {
    const std::optional<SaveTarget> target =
        app.Files().AskSaveName(widget, picture.fileName, {PngFilter(), SvgFilter()});
    if (!target) {
        return;
    }
    const std::optional<QString> failure =
        IsSvg(*target)
            ? WriteWholeFile(target->path, [page = picture.page()](
                                               QIODevice& file) { return WriteSvg(file, page); })
            : WriteWholeFile(target->path, [pixels = Picture(widget, picture)](QIODevice& file) {
                  return pixels.save(&file, "PNG");
              });
    if (failure) {
        app.Messages().Show(SaveFailedMessage(target->path, *failure));
    }
}

} // namespace

std::optional<QString> WriteWholeFile(const QString& path,
                                      const std::function<bool(QIODevice&)>& write) {
    // The content is made in memory first: a writer that is handed a device may take a short
    // write for a whole one, and the file would then be committed cut short.
    QBuffer content;
    content.open(QIODevice::WriteOnly);
    if (!write(content)) {
        return QCoreApplication::translate("GraphExport", "its content could not be made");
    }
    const QByteArray& bytes = content.data();
    // Unbuffered, so that each write reaches the file at once and says how much it took: a
    // failure left to the flush at commit() can go unseen there.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return file.errorString();
    }
    // A full disk first takes part of a write, then fails the next with its reason.
    qint64 written = 0;
    while (written < bytes.size()) {
        const qint64 step = file.write(bytes.constData() + written, bytes.size() - written);
        if (step <= 0) {
            const QString why = file.errorString();
            file.cancelWriting();
            return why;
        }
        written += step;
    }
    if (!file.commit()) {
        return file.errorString();
    }
    return std::nullopt;
}

QFont PageFont(const QFont& font, double centimetresPerUnit) {
    constexpr double kPointsPerInch = 72;
    constexpr double kCentimetresPerInch = 2.54;
    // A font given in pixels has them at 96 a logical inch, 0.75 points each.
    const double points = font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize() * 0.75;
    const double units = points / kPointsPerInch * kCentimetresPerInch / centimetresPerUnit;
    QFont page = font;
    page.setPointSizeF(units * kPointsPerInch / kSvgDotsPerInch);
    return page;
}

void AddPictureCommands(AppContext& app, QWidget& widget, PictureExport picture) {
    QObject::connect(
        &AddMenuCommand(widget, picture.copy.name, picture.copy.text, picture.copy.shortcut),
        &QAction::triggered, &widget,
        [&widget, picture] { QGuiApplication::clipboard()->setImage(Picture(widget, picture)); });
    QAction& saveAs =
        AddMenuCommand(widget, picture.saveAs.name, picture.saveAs.text, picture.saveAs.shortcut);
    QObject::connect(
        &saveAs, &QAction::triggered, &widget,
        [&app, &widget, picture = std::move(picture)] { SaveAs(app, widget, picture); });
}

} // namespace veltrix::ui
