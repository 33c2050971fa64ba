// What a worksheet of many exercises shows of their workings, in every form it is written in.
#pragma once

namespace veltrix::ui {

enum class WorksheetAnswers {
    With,  // each working under its question
    After, // every question first, then the workings as an answer key
    None,  // the questions alone, each with room to write
};

} // namespace veltrix::ui
