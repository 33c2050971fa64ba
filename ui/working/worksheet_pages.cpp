#include "ui/working/worksheet_pages.hpp"

#include "ui/shared/picture_export.hpp"
#include "ui/working/sketch_view.hpp"
#include "ui/working/working_rows.hpp"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <functional>

namespace veltrix::ui {

namespace {

// The pages are laid out at this many dots an inch, whatever the device's own resolution, with
// fonts sized in these dots: so the texts are measured and drawn at one size on a PDF writer and
// on any printer.
constexpr double kDotsPerInch = 300;
constexpr double kPointsPerInch = 72;
constexpr double kTextPoints = 9;
constexpr double kTitlePoints = 14;
// The sketch's labels are smaller than the working's text, and so is the sketch they measure.
constexpr double kSketchPoints = 6.5;
// The room a student writes an answer in, in lines of the text.
constexpr double kRoomToWriteLines = 10;
constexpr double kPageMarginMillimetres = 15;

QFont PageFont(double points, bool bold = false) {
    QFont font = QGuiApplication::font();
    font.setPixelSize(static_cast<int>(std::lround(points / kPointsPerInch * kDotsPerInch)));
    font.setBold(bold);
    return font;
}

double LineHeight(const QFont& font) {
    return QFontMetricsF(font).lineSpacing();
}

// Something drawn across the page, `height` dots tall, by `paint` from the top it is given.
struct PageItem {
    double height = 0;
    std::function<void(QPainter&, double top)> paint;
};

// The pages filled from the top, a new one begun where what must stay together does not fit.
class PageFlow {
  public:
    PageFlow(QPagedPaintDevice& device, bool rightToLeft)
        : device_(device), painter_(&device), rightToLeft_(rightToLeft) {
        if (!painter_.isActive()) {
            return;
        }
        const double x = device.logicalDpiX() / kDotsPerInch;
        const double y = device.logicalDpiY() / kDotsPerInch;
        painter_.scale(x, y);
        size_ = QSizeF(device.width() / x, device.height() / y);
        painter_.setLayoutDirection(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
        StartPage();
    }

    bool Active() const { return painter_.isActive(); }
    double Width() const { return size_.width(); }
    bool RightToLeft() const { return rightToLeft_; }

    // The items on one page where they fit on one, else each where it fits.
    void Place(const std::vector<PageItem>& block) {
        double height = 0;
        for (const PageItem& item : block) {
            height += item.height;
        }
        if (top_ > 0 && top_ + height > size_.height()) {
            NewPage();
        }
        for (const PageItem& item : block) {
            if (top_ > 0 && top_ + item.height > size_.height()) {
                NewPage();
            }
            item.paint(painter_, top_);
            top_ += item.height;
        }
    }

    void NewPage() {
        device_.newPage();
        StartPage();
    }

  private:
    void StartPage() {
        top_ = 0;
        painter_.fillRect(QRectF(QPointF(), size_), Qt::white);
        painter_.setPen(Qt::black);
    }

    QPagedPaintDevice& device_;
    QPainter painter_;
    bool rightToLeft_;
    QSizeF size_;
    double top_ = 0;
};

PageItem LineItem(const PageFlow& flow, const WorkingTextLine& line, const QFont& font) {
    auto laid = std::make_shared<LaidOutLine>(LayOutLine(line, font));
    auto rows = std::make_shared<std::vector<LineRow>>(RowsOf(*laid, flow.Width()));
    const double width = flow.Width();
    const bool rightToLeft = flow.RightToLeft();
    return {double(RowsHeight(*laid, *rows)),
            [laid, rows, width, rightToLeft](QPainter& painter, double top) {
                painter.setPen(Qt::black);
                PaintRows(painter, *laid, *rows, {top, 0, width, 0, width, rightToLeft});
            }};
}

PageItem SpaceItem(double height) {
    return {height, [](QPainter&, double) {}};
}

// The sketch centred under the lines, as in the window; none where the input has no sketch.
std::optional<PageItem> SketchItem(const PageFlow& flow, const SketchInput& input) {
    const QFont font = PageFont(kSketchPoints);
    auto plan = PlanOf(input, font);
    if (!plan) {
        return std::nullopt;
    }
    const double unit = QFontMetricsF(font).lineSpacing();
    const double left = (flow.Width() - kSketchWidth * unit) / 2;
    return PageItem{kSketchHeight * unit,
                    [plan = std::move(*plan), unit, left, font](QPainter& painter, double top) {
                        painter.save();
                        painter.translate(left, top);
                        PaintSketch(painter, plan, PaperPalette(), unit, font);
                        painter.restore();
                    }};
}

std::vector<PageItem> WorkingItems(const PageFlow& flow, const std::vector<WorkingTextLine>& lines,
                                   const std::optional<SketchInput>& sketch) {
    std::vector<PageItem> items;
    for (const WorkingTextLine& line : lines) {
        items.push_back(LineItem(flow, line, PageFont(kTextPoints)));
    }
    if (sketch) {
        if (std::optional<PageItem> item = SketchItem(flow, *sketch)) {
            // Half a line apart, so that the sketch's top label never touches the last line.
            items.push_back(SpaceItem(LineHeight(PageFont(kTextPoints)) / 2));
            items.push_back(std::move(*item));
        }
    }
    return items;
}

// An exercise under its question, a line's room above it to set it apart from the one before.
std::vector<PageItem> ExerciseItems(const PageFlow& flow, int number, const WorkingText& exercise) {
    std::vector<PageItem> items{SpaceItem(LineHeight(PageFont(kTextPoints))),
                                LineItem(flow, QuestionLine(number, exercise, flow.RightToLeft()),
                                         PageFont(kTextPoints, true))};
    for (PageItem& item : WorkingItems(flow, exercise.lines, exercise.sketch)) {
        items.push_back(std::move(item));
    }
    return items;
}

void PlaceHeading(PageFlow& flow, const QString& heading) {
    flow.Place(
        {LineItem(flow, LineOf(heading, {}, flow.RightToLeft()), PageFont(kTitlePoints, true))});
}

void PlaceQuestions(PageFlow& flow, const Worksheet& sheet, double roomBelow) {
    const QFont font = PageFont(kTextPoints);
    for (std::size_t i = 0; i < sheet.exercises.size(); ++i) {
        const WorkingText& exercise = sheet.exercises[i];
        flow.Place(
            {SpaceItem(LineHeight(font) / 2),
             LineItem(flow, QuestionLine(static_cast<int>(i) + 1, exercise, flow.RightToLeft()),
                      font),
             SpaceItem(roomBelow)});
    }
}

void PlaceWorkings(PageFlow& flow, const Worksheet& sheet) {
    for (std::size_t i = 0; i < sheet.exercises.size(); ++i) {
        flow.Place(ExerciseItems(flow, static_cast<int>(i) + 1, sheet.exercises[i]));
    }
}

} // namespace

QPageSize::PageSizeId PaperOf(const QLocale& locale) {
    // The C locale speaks of no country, though Qt gives it that of American English.
    const QLocale::Territory territory =
        locale.language() == QLocale::C ? QLocale::AnyTerritory : locale.territory();
    return territory == QLocale::UnitedStates || territory == QLocale::Canada ? QPageSize::Letter
                                                                              : QPageSize::A4;
}

bool PaintWorksheet(QPagedPaintDevice& device, const Worksheet& sheet, WorksheetAnswers answers,
                    bool rightToLeft) {
    PageFlow flow(device, rightToLeft);
    if (!flow.Active()) {
        return false;
    }
    PlaceHeading(flow, WorksheetTitle());
    flow.Place(
        {LineItem(flow, LineOf(WorksheetInstruction(), {}, rightToLeft), PageFont(kTextPoints))});
    if (answers == WorksheetAnswers::With) {
        PlaceWorkings(flow, sheet);
        return true;
    }
    const double room = answers == WorksheetAnswers::None
                            ? kRoomToWriteLines * LineHeight(PageFont(kTextPoints))
                            : 0;
    PlaceQuestions(flow, sheet, room);
    if (answers == WorksheetAnswers::After) {
        flow.NewPage();
        PlaceHeading(flow, AnswersHeading());
        PlaceWorkings(flow, sheet);
    }
    return true;
}

bool PaintWorking(QPagedPaintDevice& device, const std::vector<WorkingTextLine>& lines,
                  const std::optional<SketchInput>& sketch, bool rightToLeft) {
    PageFlow flow(device, rightToLeft);
    if (!flow.Active()) {
        return false;
    }
    for (const PageItem& item : WorkingItems(flow, lines, sketch)) {
        flow.Place({item});
    }
    return true;
}

void SetUpPages(QPagedPaintDevice& device) {
    device.setPageSize(QPageSize(PaperOf(QLocale::system())));
    device.setPageMargins(QMarginsF(kPageMarginMillimetres, kPageMarginMillimetres,
                                    kPageMarginMillimetres, kPageMarginMillimetres),
                          QPageLayout::Millimeter);
}

std::optional<QString> WritePdf(const QString& path, const QString& title,
                                const std::function<bool(QPagedPaintDevice&)>& paint) {
    return WriteWholeFile(path, [&](QIODevice& file) {
        QPdfWriter pdf(&file);
        pdf.setCreator(QStringLiteral("Veltrix"));
        pdf.setTitle(title);
        SetUpPages(pdf);
        return paint(pdf);
    });
}

} // namespace veltrix::ui
