#pragma once

namespace veltrix::ui {

enum class WorksheetAnswers { With, After, None };

} // namespace veltrix::ui
