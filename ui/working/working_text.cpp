#include "ui/working/working_text.hpp"

#include "engine/formula/latex.hpp"
#include "engine/working/working_module.hpp"
#include "ui/shared/modules.hpp"
#include "ui/shared/translations.hpp"
#include "ui/working/latex_document.hpp"

#include <QCoreApplication>
#include <variant>

namespace veltrix::ui {

namespace {

constexpr char kContext[] = "Working";

// The words of each step; %1 and %2 stand for its formulas.
const char* MethodTemplate(WorkingStep step);

const char* Template(WorkingStep step) {
    switch (step) {
    case WorkingStep::CalculateReadsAs:
        return QT_TRANSLATE_NOOP("Working", "Calculate reads this text as %1");
    case WorkingStep::CalculateReadsOtherwise:
        return QT_TRANSLATE_NOOP("Working",
                                 "Calculate reads this text as %1; for the equation worked out "
                                 "here, type %2");
    case WorkingStep::CalculateCannotRead:
        return QT_TRANSLATE_NOOP("Working", "To use Calculate, Plot and Find a value, type %1");
    case WorkingStep::CalculateCannotReadAtAll:
        return QT_TRANSLATE_NOOP("Working", "Calculate cannot read this text, nor any other for "
                                            "this equation: a coefficient is beyond its range.");
    case WorkingStep::GivenEquation:
        return QT_TRANSLATE_NOOP("Working", "Equation as given: %1");
    case WorkingStep::FractionTimesFactor:
        return QT_TRANSLATE_NOOP("Working",
                                 "%2 is read as %1: what follows the fraction multiplies it.");
    case WorkingStep::ProductIsZero:
        return QT_TRANSLATE_NOOP("Working", "A product is 0 where a factor is 0: %1 or %2");
    case WorkingStep::SquareRootOfBothSides:
        return QT_TRANSLATE_NOOP("Working", "Square root of both sides: %1");
    case WorkingStep::MultiplyBothSides:
        return QT_TRANSLATE_NOOP("Working", "Both sides multiplied by %1: %2");
    case WorkingStep::ExpandBrackets:
        return QT_TRANSLATE_NOOP("Working", "Brackets expanded: %1");
    case WorkingStep::BringToOneSide:
        return QT_TRANSLATE_NOOP("Working", "Every term brought to one side: %1");
    case WorkingStep::Equation:
        return QT_TRANSLATE_NOOP("Working", "Equation: %1, where %2");
    case WorkingStep::ZerosOfFunction:
        return QT_TRANSLATE_NOOP("Working", "Its zeros are the solutions of %1");
    case WorkingStep::NotAQuadratic:
        return QT_TRANSLATE_NOOP("Working",
                                 "Not a quadratic, as %1: the graph is a straight line.");
    case WorkingStep::Discriminant:
        return QT_TRANSLATE_NOOP("Working", "Discriminant: %1");
    case WorkingStep::Roots:
        return QT_TRANSLATE_NOOP("Working", "Roots: %1");
    case WorkingStep::TwoRoots:
        return QT_TRANSLATE_NOOP("Working", "Roots: %1 or %2");
    case WorkingStep::DoubleRoot:
        return QT_TRANSLATE_NOOP("Working", "Roots: %1, a double root");
    case WorkingStep::ComplexRoots:
        return QT_TRANSLATE_NOOP("Working", "Roots: %1, two complex roots");
    case WorkingStep::RoundedRoots:
        return QT_TRANSLATE_NOOP("Working", "Rounded: %1 or %2");
    case WorkingStep::RoundedRoot:
        return QT_TRANSLATE_NOOP("Working", "Rounded: %1");
    case WorkingStep::ImaginaryPartRoundsToZero:
        return QT_TRANSLATE_NOOP("Working", "The imaginary part is not 0, but it rounds to 0 at "
                                            "this accuracy: the roots are not real.");
    case WorkingStep::Minimum:
        return QT_TRANSLATE_NOOP("Working", "Turning point: minimum at %1; axis of symmetry %2");
    case WorkingStep::Maximum:
        return QT_TRANSLATE_NOOP("Working", "Turning point: maximum at %1; axis of symmetry %2");
    case WorkingStep::CrossesYAxis:
        return QT_TRANSLATE_NOOP("Working", "Crosses the y axis at %1");
    case WorkingStep::VertexForm:
        return QT_TRANSLATE_NOOP("Working", "Vertex form: %1");
    case WorkingStep::FactoredForm:
        return QT_TRANSLATE_NOOP("Working", "Factored form: %1");
    case WorkingStep::LineRoot:
        return QT_TRANSLATE_NOOP("Working", "Root: %1");
    case WorkingStep::LineWithoutRoot:
        return QT_TRANSLATE_NOOP("Working", "No root: the line never meets the x axis.");
    case WorkingStep::EveryXIsARoot:
        return QT_TRANSLATE_NOOP("Working", "Every x is a root: the line is the x axis.");
    case WorkingStep::TooLongToWorkOut:
        return QT_TRANSLATE_NOOP("Working", "The exact forms are left out: the coefficients are "
                                            "too long to work with exactly.");
    case WorkingStep::MinimumNear:
        return QT_TRANSLATE_NOOP("Working",
                                 "Turning point: minimum at about %1; axis of symmetry %2");
    case WorkingStep::MaximumNear:
        return QT_TRANSLATE_NOOP("Working",
                                 "Turning point: maximum at about %1; axis of symmetry %2");
    case WorkingStep::CrossesYAxisNear:
        return QT_TRANSLATE_NOOP("Working", "Crosses the y axis at about %1");
    case WorkingStep::DivideBothSides:
    case WorkingStep::ConstantToRight:
    case WorkingStep::AddToBothSides:
    case WorkingStep::LeftSideAsSquare:
    case WorkingStep::MinimumFromSquare:
    case WorkingStep::MaximumFromSquare:
    case WorkingStep::FactorPerfectSquare:
    case WorkingStep::FactorTakeOutX:
    case WorkingStep::FactorDifferenceOfSquares:
    case WorkingStep::FactorSplitNumbers:
    case WorkingStep::FactorSplitMiddle:
    case WorkingStep::FactorGrouping:
    case WorkingStep::FactorProduct:
    case WorkingStep::PqValues:
    case WorkingStep::HalfBValues:
    case WorkingStep::VietaCheck:
    case WorkingStep::NoRationalFactors:
    case WorkingStep::HalfBNeedsEvenB:
    case WorkingStep::AtOnceNeedsProductOrSquare:
    case WorkingStep::MethodNeedsExactValues:
    case WorkingStep::DiscriminantAndRoot:
    case WorkingStep::RootsThenEach:
    case WorkingStep::RootsEach:
    case WorkingStep::NoRealSolution:
    case WorkingStep::ComplexAside:
    case WorkingStep::SolutionSet:
    case WorkingStep::SolutionSetInWords:
    case WorkingStep::Answer:
    case WorkingStep::AnswerNoRealRoot:
        return MethodTemplate(step);
    }
    return "";
}

// The words of the steps that a school's notation adds.
const char* SchoolTemplate(WorkingStep step) {
    switch (step) {
    case WorkingStep::DiscriminantAndRoot:
        return QT_TRANSLATE_NOOP("Working", "Discriminant: %1, and %2");
    case WorkingStep::RootsThenEach:
        return QT_TRANSLATE_NOOP("Working", "Roots: %1, so %2 and %3");
    case WorkingStep::RootsEach:
        return QT_TRANSLATE_NOOP("Working", "Roots: %1 and %2");
    case WorkingStep::NoRealSolution:
        return QT_TRANSLATE_NOOP("Working", "%1: no real solution; the parabola does not cross "
                                            "the x axis.");
    case WorkingStep::ComplexAside:
        return QT_TRANSLATE_NOOP("Working", "As an aside, in the complex numbers:");
    case WorkingStep::SolutionSet:
        return QT_TRANSLATE_NOOP("Working", "%1");
    case WorkingStep::SolutionSetInWords:
        return QT_TRANSLATE_NOOP("Working", "Solution set: %1");
    case WorkingStep::Answer:
        return QT_TRANSLATE_NOOP("Working", "Answer: %1");
    case WorkingStep::AnswerNoRealRoot:
        return QT_TRANSLATE_NOOP("Working", "Answer: no real roots.");
    default:
        return "";
    }
}

// The words of the methods' own steps.
const char* MethodTemplate(WorkingStep step) {
    switch (step) {
    case WorkingStep::DivideBothSides:
        return QT_TRANSLATE_NOOP("Working", "Both sides divided by %1: %2");
    case WorkingStep::ConstantToRight:
        return QT_TRANSLATE_NOOP("Working", "The constant term brought to the right side: %1");
    case WorkingStep::AddToBothSides:
        return QT_TRANSLATE_NOOP("Working", "Square of half the coefficient of x, %1, added to "
                                            "both sides: %2");
    case WorkingStep::LeftSideAsSquare:
        return QT_TRANSLATE_NOOP("Working", "The left side written as a square: %1");
    case WorkingStep::MinimumFromSquare:
        return QT_TRANSLATE_NOOP("Working", "Turning point, read off the completed square: "
                                            "minimum at %1; axis of symmetry %2");
    case WorkingStep::MaximumFromSquare:
        return QT_TRANSLATE_NOOP("Working", "Turning point, read off the completed square: "
                                            "maximum at %1; axis of symmetry %2");
    case WorkingStep::FactorPerfectSquare:
        return QT_TRANSLATE_NOOP("Working", "A perfect square: %1");
    case WorkingStep::FactorTakeOutX:
        return QT_TRANSLATE_NOOP("Working", "x taken out as a common factor: %1");
    case WorkingStep::FactorDifferenceOfSquares:
        return QT_TRANSLATE_NOOP("Working", "A difference of two squares: %1");
    case WorkingStep::FactorSplitNumbers:
        return QT_TRANSLATE_NOOP("Working",
                                 "Two numbers whose product is ac = %1 and whose sum is b = %2: "
                                 "%3 and %4");
    case WorkingStep::FactorSplitMiddle:
        return QT_TRANSLATE_NOOP("Working", "The middle term split into two: %1");
    case WorkingStep::FactorGrouping:
        return QT_TRANSLATE_NOOP("Working", "A common factor taken out of each pair: %1");
    case WorkingStep::FactorProduct:
        return QT_TRANSLATE_NOOP("Working", "Factored: %1");
    case WorkingStep::PqValues:
        return QT_TRANSLATE_NOOP("Working", "pq-formula, with %1");
    case WorkingStep::HalfBValues:
        return QT_TRANSLATE_NOOP("Working", "Half-b formula: %1, and %2");
    case WorkingStep::VietaCheck:
        return QT_TRANSLATE_NOOP("Working", "Check by Vieta's formulas: sum of the roots %1; "
                                            "product of the roots %2");
    case WorkingStep::NoRationalFactors:
        return QT_TRANSLATE_NOOP("Working", "This equation has no factors with rational numbers: "
                                            "its roots are not rational. By the formula:");
    case WorkingStep::HalfBNeedsEvenB:
        return QT_TRANSLATE_NOOP("Working", "The half-b formula asks for an even b, and here %1. "
                                            "By the formula:");
    case WorkingStep::AtOnceNeedsProductOrSquare:
        return QT_TRANSLATE_NOOP("Working", "The roots are read off at once only where the "
                                            "equation is given as a product equal to 0 or a "
                                            "square equal to a number. By the formula:");
    case WorkingStep::MethodNeedsExactValues:
        return QT_TRANSLATE_NOOP("Working", "The method chosen needs the coefficients' exact "
                                            "values, which are too long here. By the formula:");
    default:
        return SchoolTemplate(step);
    }
}

// What the reader found where it stopped, said after "cannot read this text:".
const char* ReasonWords(RefusalReason reason) {
    switch (reason) {
    case RefusalReason::EmptySide:
        return QT_TRANSLATE_NOOP("Working", "a side of the equation is empty");
    case RefusalReason::MissingTerm:
        return QT_TRANSLATE_NOOP("Working", "a sign with no term after it");
    case RefusalReason::MissingOperator:
        return QT_TRANSLATE_NOOP("Working", "two terms with no sign between them");
    case RefusalReason::NumberAfterX:
        return QT_TRANSLATE_NOOP("Working", "a number right after x");
    case RefusalReason::PowerAboveTwo:
        return QT_TRANSLATE_NOOP("Working", "a power of x above 2");
    case RefusalReason::NegativePower:
        return QT_TRANSLATE_NOOP("Working", "a negative power of x");
    case RefusalReason::PowerNotWhole:
        return QT_TRANSLATE_NOOP("Working", "a power that is not a whole number");
    case RefusalReason::MisplacedTimes:
        return QT_TRANSLATE_NOOP("Working", "a \"*\" that is not between a number and x");
    case RefusalReason::SecondEquals:
        return QT_TRANSLATE_NOOP("Working", "a second \"=\"");
    case RefusalReason::OtherLetter:
        return QT_TRANSLATE_NOOP("Working", "a letter other than x");
    case RefusalReason::Bracket:
        return QT_TRANSLATE_NOOP("Working", "a bracket");
    case RefusalReason::UnclosedBracket:
        return QT_TRANSLATE_NOOP("Working", "a bracket that is never closed");
    case RefusalReason::EmptyBracket:
        return QT_TRANSLATE_NOOP("Working", "an empty bracket");
    case RefusalReason::BracketPowerNotTwo:
        return QT_TRANSLATE_NOOP("Working", "a power of a bracket other than 2");
    case RefusalReason::DegreeAboveTwo:
        return QT_TRANSLATE_NOOP("Working",
                                 "a product whose power of x is above 2 once multiplied out");
    case RefusalReason::XInDenominator:
        return QT_TRANSLATE_NOOP("Working", "x in a denominator");
    case RefusalReason::DenominatorNotNumber:
        return QT_TRANSLATE_NOOP("Working", "a denominator that is not a number");
    case RefusalReason::DivisionByZero:
        return QT_TRANSLATE_NOOP("Working", "a division by 0");
    case RefusalReason::NestingTooDeep:
        return QT_TRANSLATE_NOOP("Working", "brackets nested too deeply");
    case RefusalReason::UnexpectedCharacter:
        return QT_TRANSLATE_NOOP("Working", "a character that has no place in an equation");
    case RefusalReason::ExponentTooLarge:
        return QT_TRANSLATE_NOOP("Working", "an exponent beyond 1000000000");
    }
    return "";
}

QString Translated(const char* text, const char* comment = nullptr) {
    return QCoreApplication::translate(kContext, text, comment);
}

// A formula, a text to type or the loader's reason as a left-to-right run where the language reads
// from the right (left-to-right isolate … pop directional isolate), so that it keeps its order in
// the words.
QString Isolated(const QString& text, bool rightToLeft) {
    return rightToLeft ? QChar(0x2066) + text + QChar(0x2069) : text;
}

// The words with their formulas put in; `wrap` sets each formula apart.
template <class Wrap>
QString Filled(QString words, const std::vector<Formula>& formulas, Wrap wrap) {
    QStringList parts;
    for (const Formula& formula : formulas) {
        parts << wrap(formula);
    }
    for (qsizetype i = 0; i < parts.size(); ++i) {
        // Formulas hold no "%", so none is taken for a marker of the next.
        words.replace(QStringLiteral("%%1").arg(i + 1), parts[i]);
    }
    return words;
}

// Whether a step says how the other windows read the text, rather than working it out.
bool IsCalculateStep(WorkingStep step) {
    return step == WorkingStep::CalculateReadsAs || step == WorkingStep::CalculateReadsOtherwise ||
           step == WorkingStep::CalculateCannotRead ||
           step == WorkingStep::CalculateCannotReadAtAll;
}

// The school's own names for the forms, where the language installed is the school's; empty
// where the translation's words stand.
struct FormNames {
    QString vertex, factored;
};

// A language without its territory: "en" of "en_GB"; English, the source texts', for none.
QStringView LanguageOf(QStringView locale) {
    return locale.isEmpty() ? QStringView(u"en") : locale.left(locale.indexOf(u'_'));
}

FormNames FormNamesOf(std::string_view schoolId) {
    const School* school = SchoolNamed(schoolId);
    const auto name = [](std::string_view utf8) {
        return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    };
    if (school == nullptr ||
        LanguageOf(name(school->language)) != LanguageOf(InstalledLanguage())) {
        return {};
    }
    return {name(school->vertexFormName), name(school->factoredFormName)};
}

// The words of a line that names a form, by the school's name for it where it has one.
QString FormWords(WorkingStep step, const FormNames& names) {
    const QString& name = step == WorkingStep::VertexForm     ? names.vertex
                          : step == WorkingStep::FactoredForm ? names.factored
                                                              : QString();
    if (name.isEmpty()) {
        return Translated(Template(step));
    }
    // The name begins the line.
    const QString named = name.front().toUpper() + name.mid(1);
    static constexpr struct {
        const char* source;
        const char* comment;
    } kNamedForm = QT_TRANSLATE_NOOP3("Working", "%1: %2", "a form's name, then its formula");
    return Translated(kNamedForm.source, kNamedForm.comment).arg(named, QStringLiteral("%1"));
}

// A step's line: its words, with the text to type, if any, after its formulas.
WorkingTextLine StepLine(const WorkingLine& line, bool rightToLeft, const FormNames& names = {}) {
    QString words = FormWords(line.step, names);
    if (!line.typed.empty()) {
        const QString marker = QStringLiteral("%%1").arg(line.formulas.size() + 1);
        words.replace(marker, Isolated(QString::fromStdU16String(line.typed), rightToLeft));
    }
    WorkingTextLine text = LineOf(words, line.formulas, rightToLeft);
    text.hint = IsCalculateStep(line.step);
    return text;
}

// Why the text cannot be read, at its place counted in characters from 1; then how Calculate
// reads it, where it can.
std::vector<WorkingTextLine> RefusalLines(const QString& equation, const UnreadableText& refusal,
                                          bool rightToLeft) {
    const auto before = static_cast<qsizetype>(refusal.refusal.position);
    const qsizetype character = QStringView(equation).first(before).toUcs4().size() + 1;
    const QString words =
        Translated(QT_TRANSLATE_NOOP("Working", "The working cannot read this text: %1, at "
                                                "character %2"))
            .arg(Translated(ReasonWords(refusal.refusal.reason)), QString::number(character));
    std::vector<WorkingTextLine> lines = {LineOf(words, {}, rightToLeft)};
    if (refusal.calculate) {
        lines.push_back(StepLine(*refusal.calculate, rightToLeft));
    }
    return lines;
}

// The working from its module, loaded at the first call; or why the module could not be loaded.
std::variant<SketchedWorking, QString> WorkedOut(const QString& equation, int places,
                                                 char16_t separator, const WorkingChoice& choice) {
    static const auto workOut =
        ModuleFunction(QStringLiteral(VELTRIX_WORKING_MODULE_NAME), kWorkOutWithSketchName);
    if (const auto* why = std::get_if<QString>(&workOut)) {
        return *why;
    }
    SketchedWorking worked;
    reinterpret_cast<WorkOutWithSketchFunction>(std::get<QFunctionPointer>(workOut))(
        equation.toStdU16String(), static_cast<unsigned>(places), separator, choice, worked);
    return worked;
}

} // namespace

WorkingTextLine LineOf(const QString& words, const std::vector<Formula>& formulas,
                       bool rightToLeft) {
    return {words, formulas,
            Filled(words, formulas,
                   [rightToLeft](const Formula& f) {
                       return Isolated(QString::fromStdU16String(math::PlainText(f)), rightToLeft);
                   }),
            Filled(QString::fromStdU16String(math::LatexWords(words.toStdU16String())), formulas,
                   [](const Formula& f) {
                       return u'$' + QString::fromStdU16String(math::Latex(f)) + u'$';
                   })};
}

WorkingText WorkingTextOf(const QString& equation, int places, char16_t separator, bool rightToLeft,
                          const WorkingChoice& choice) {
    std::variant<SketchedWorking, QString> workedOut =
        WorkedOut(equation, places, separator, choice);
    WorkingText text;
    if (const auto* why = std::get_if<QString>(&workedOut)) {
        text.lines.push_back(LineOf(
            Translated(QT_TRANSLATE_NOOP("Working", "The working cannot be shown: its part of "
                                                    "the program could not be loaded (%1)."))
                .arg(Isolated(*why, rightToLeft)),
            {}, rightToLeft));
        return text;
    }
    SketchedWorking& worked = std::get<SketchedWorking>(workedOut);
    if (const auto* refusal = std::get_if<UnreadableText>(&worked.outcome)) {
        text.lines = RefusalLines(equation, *refusal, rightToLeft);
    } else if (std::holds_alternative<TermsTooLongToAdd>(worked.outcome)) {
        text.lines.push_back(LineOf(
            Translated(QT_TRANSLATE_NOOP("Working", "The working cannot add up these terms: one "
                                                    "of them is too long to work with exactly.")),
            {}, rightToLeft));
    } else {
        const FormNames names = FormNamesOf(choice.school);
        for (const WorkingLine& line : std::get<Working>(worked.outcome)) {
            text.lines.push_back(StepLine(line, rightToLeft, names));
        }
        text.worked = true;
        text.sketch = std::move(worked.sketch);
    }
    // Only the drawn formulas take the school's script. A plain-text copy keeps Latin letters and
    // ASCII digits, so that a copied number or equation reads back in the program; the LaTeX
    // does too, as babel's Arabic sets words from the right but no mirrored mathematics.
    const School* school = SchoolNamed(choice.school);
    for (WorkingTextLine& line : text.lines) {
        line.script = school != nullptr ? school->script : FormulaScript::Latin;
    }
    return text;
}

QString PlainTextOf(const WorkingText& text) {
    QStringList lines;
    for (const WorkingTextLine& line : text.lines) {
        lines << line.plain;
    }
    return lines.join(u'\n');
}

WorkingText WithoutHints(WorkingText text) {
    std::erase_if(text.lines, [](const WorkingTextLine& line) { return line.hint; });
    return text;
}

QString LatexOf(const WorkingText& text, const QString& language) {
    QStringList paragraphs = {LatexNeedsComment(language)};
    for (const WorkingTextLine& line : text.lines) {
        if (!line.hint) {
            paragraphs << line.latex;
        }
    }
    const QString sketch = SketchLatexOf(text, LatexSetupOf(language));
    return paragraphs.join(QStringLiteral("\n\n")) + u'\n' +
           (sketch.isEmpty() ? QString() : u'\n' + sketch);
}

} // namespace veltrix::ui
