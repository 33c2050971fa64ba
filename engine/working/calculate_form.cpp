#include "engine/working/calculate_form.hpp"

#include "engine/core/parser.hpp"
#include "engine/working/exact/student_sums.hpp"

#include <array>
#include <string>
#include <vector>

namespace veltrix {
namespace {

// Beyond this many zeros that only place the point, a number is written in E-notation.
constexpr std::int64_t kMostPlacingZeros = 6;

std::u16string Widen(const std::string& ascii) {
    return {ascii.begin(), ascii.end()};
}

std::u16string DecimalText(const mpq_class& value, char16_t separator) {
    const ScaledDigits scaled = ScaledDigitsOf(value);
    const auto count = static_cast<std::int64_t>(scaled.digits.size());
    // The zeros after a whole number's digits, or those before the digits of a fraction.
    const std::int64_t placing =
        scaled.exponent >= 0 ? scaled.exponent : -scaled.exponent - count + 1;
    if (placing <= kMostPlacingZeros) {
        return RationalText(value, separator);
    }
    std::u16string text = scaled.negative ? u"-" : u"";
    text += scaled.digits[0];
    if (count > 1) {
        text += separator;
        text.append(scaled.digits, 1);
    }
    return text + u'E' + Widen(std::to_string(scaled.exponent + count - 1));
}

// A number as the text wrote it, with a "0" before a point that begins it.
std::u16string WrittenText(const DecimalParts& number, char16_t separator) {
    std::u16string text = number.negative ? u"-" : u"";
    text += number.whole.empty() ? u"0" : number.whole;
    if (!number.fraction.empty()) {
        text += separator;
        text += number.fraction;
    }
    if (number.exponent != 0) {
        text += u'E' + Widen(std::to_string(number.exponent));
    }
    return text;
}

// A coefficient's numbers: its exact value, or each of its terms where one is too long for it.
std::vector<std::u16string> CoefficientNumbers(const std::vector<DecimalParts>& terms,
                                               char16_t separator) {
    const ExactOutcome sum = ExactSum(terms);
    if (const auto* exact = std::get_if<mpq_class>(&sum)) {
        return {DecimalText(*exact, separator)};
    }
    std::vector<std::u16string> numbers;
    for (const DecimalParts& term : terms) {
        numbers.push_back(WrittenText(term, separator));
    }
    return numbers;
}

// The numbers of a, b and c.
using Numbers = std::array<std::vector<std::u16string>, 3>;

Numbers NumbersOf(const StudentEquation& equation, char16_t separator) {
    return {CoefficientNumbers(equation.a, separator), CoefficientNumbers(equation.b, separator),
            CoefficientNumbers(equation.c, separator)};
}

std::u16string Write(const Numbers& numbers) {
    std::u16string text;
    const auto append = [&text](const std::u16string& number, std::u16string_view x) {
        if (!text.empty() && number.front() != u'-') {
            text += u'+';
        }
        text += number;
        text += x;
    };
    const auto& [a, b, c] = numbers;
    if (a.size() == 1 && a[0] == u"1") {
        text = u"X^2"; // Calculate supplies the 1 of an x² that begins the text
    } else {
        for (const std::u16string& number : a) {
            append(number, u"X^2");
        }
    }
    for (const std::u16string& number : b) {
        append(number, u"X");
    }
    for (const std::u16string& number : c) {
        append(number, u"");
    }
    return text;
}

std::optional<DoubleCoefficients> Nearest(const Numbers& numbers, char16_t separator) {
    std::array<double, 3> values{};
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        const std::optional<double> value =
            numbers[i].size() == 1 ? TextToNumber(numbers[i][0], separator) : std::nullopt;
        if (!value) {
            return std::nullopt;
        }
        values[i] = *value;
    }
    return DoubleCoefficients{values[0], values[1], values[2]};
}

} // namespace

std::optional<DoubleCoefficients> CalculateReading(std::u16string_view text, char16_t separator) {
    const ParseOutcome parsed = ParseQuadratic(text);
    const auto* split = std::get_if<QuadraticCoefficients>(&parsed);
    if (split == nullptr) {
        return std::nullopt;
    }
    const std::optional<double> a = CoefficientValue(split->a, separator);
    const std::optional<double> b = CoefficientValue(split->b, separator);
    const std::optional<double> c = CoefficientValue(split->c, separator);
    if (!a || !b || !c) {
        return std::nullopt;
    }
    return DoubleCoefficients{*a, *b, *c};
}

std::u16string WriteStudentEquation(const StudentEquation& equation, char16_t separator) {
    return Write(NumbersOf(equation, separator));
}

CalculateFacts CompareWithCalculate(std::u16string_view text, const StudentEquation& equation,
                                    char16_t separator) {
    const Numbers numbers = NumbersOf(equation, separator);
    CalculateFacts facts;
    facts.calculateReads = CalculateReading(text, separator);
    facts.nearest = Nearest(numbers, separator);
    if (facts.nearest) {
        facts.calculateForm = Write(numbers);
    }
    facts.readsTheSame =
        facts.calculateReads && facts.nearest && *facts.calculateReads == *facts.nearest;
    return facts;
}

} // namespace veltrix
