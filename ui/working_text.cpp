#include "ui/working_text.hpp"

#include "engine/working.hpp"
#include "ui/message_boxes.hpp"

#include <QCoreApplication>
#include <QRegularExpression>

namespace veltrix::ui {

namespace {

constexpr char kContext[] = "Working";

// The words of each step; %1 and %2 stand for its formulas.
const char* Template(WorkingStep step) {
    switch (step) {
    case WorkingStep::Equation:
        return QT_TRANSLATE_NOOP("Working", "Equation: %1, where %2");
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
        return QT_TRANSLATE_NOOP("Working", "These coefficients are too long to work with "
                                            "exactly, so they are shown as decimals only.");
    }
    return "";
}

// LaTeX's special characters in the words of a line; the "%1" of a formula stays.
QString EscapedForLatex(const QString& words) {
    static const QRegularExpression special(QStringLiteral("[\\\\{}$&#^_~]|%(?!\\d)"));
    QString escaped;
    qsizetype from = 0;
    for (const QRegularExpressionMatch& match : special.globalMatch(words)) {
        escaped += words.mid(from, match.capturedStart() - from);
        const QChar c = match.captured().front();
        if (c == u'\\') {
            escaped += QStringLiteral("\\textbackslash{}");
        } else if (c == u'^' || c == u'~') {
            escaped += u'\\' + match.captured() + QStringLiteral("{}"); // accents otherwise
        } else {
            escaped += u'\\' + match.captured();
        }
        from = match.capturedEnd();
    }
    return escaped + words.mid(from);
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

WorkingTextLine LineOf(const QString& words, const std::vector<Formula>& formulas,
                       bool rightToLeft) {
    return {words, formulas,
            Filled(words, formulas,
                   [rightToLeft](const Formula& f) {
                       const QString plain = QString::fromStdU16String(math::PlainText(f));
                       // Left-to-right isolate … pop directional isolate.
                       return rightToLeft ? QChar(0x2066) + plain + QChar(0x2069) : plain;
                   }),
            Filled(EscapedForLatex(words), formulas, [](const Formula& f) {
                return u'$' + QString::fromStdU16String(math::Latex(f)) + u'$';
            })};
}

} // namespace

WorkingText WorkingTextOf(const QString& equation, int places, char16_t separator,
                          bool rightToLeft) {
    const WorkingOutcome outcome =
        WorkOut(equation.toStdU16String(), static_cast<unsigned>(places), separator);
    WorkingText text;
    if (std::holds_alternative<InvalidQuadratic>(outcome)) {
        text.lines.push_back(LineOf(InvalidQuadraticMessage(), {}, rightToLeft));
    } else if (std::holds_alternative<EvaluationFailed>(outcome)) {
        text.lines.push_back(LineOf(EquationFailedMessage(), {}, rightToLeft));
    } else {
        for (const WorkingLine& line : std::get<Working>(outcome)) {
            const QString words = QCoreApplication::translate(kContext, Template(line.step));
            text.lines.push_back(LineOf(words, line.formulas, rightToLeft));
        }
        text.worked = true;
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

QString LatexOf(const WorkingText& text) {
    QStringList lines;
    for (const WorkingTextLine& line : text.lines) {
        lines << line.latex;
    }
    return lines.join(QStringLiteral("\n\n")) + u'\n';
}

} // namespace veltrix::ui
