// Workings on paper: the lines set as the Working window sets them, with the same formula layout,
// and each sketch drawn by the same painter, in black ink on white paper whatever the theme. A
// PDF worksheet and the Working window's Print and Save as PDF draw their pages here, so that
// every language prints as the window shows it, Arabic from the right and Chinese and Japanese
// included.
#pragma once

#include "ui/working/worksheet.hpp"

#include <QPageSize>
#include <functional>
#include <optional>
#include <vector>

class QLocale;
class QPagedPaintDevice;

namespace veltrix::ui {

// The paper the locale's country prints on: Letter in the United States and Canada, A4
// elsewhere.
QPageSize::PageSizeId PaperOf(const QLocale& locale);

// Draws the worksheet on `device`'s pages from its first, beginning a new page where the next
// exercise would not fit, so that no working is parted from its sketch unless it is longer than a
// page. Answers::With puts each working under its question; After puts all the questions first
// and the workings on pages of their own after them; None gives the questions with room to write.
// False when the device cannot be painted on.
bool PaintWorksheet(QPagedPaintDevice& device, const Worksheet& sheet, WorksheetAnswers answers,
                    bool rightToLeft);

// Draws `lines` and under them the sketch of `sketch`, where there is one, as a working printed
// from the Working window. False when the device cannot be painted on.
bool PaintWorking(QPagedPaintDevice& device, const std::vector<WorkingTextLine>& lines,
                  const std::optional<SketchInput>& sketch, bool rightToLeft);

// Sets up a printer or PDF writer as every page here is drawn: the locale's paper, margins of
// 15 mm.
void SetUpPages(QPagedPaintDevice& device);

// Writes a PDF document titled `title` to `path`, its pages drawn by `paint`, whole or not at
// all; why it could not be written, or nothing.
std::optional<QString> WritePdf(const QString& path, const QString& title,
                                const std::function<bool(QPagedPaintDevice&)>& paint);

} // namespace veltrix::ui
