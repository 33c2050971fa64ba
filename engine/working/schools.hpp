// The ways schools write the working, as data: the discriminant's letter, the roots' names and
// order, the method taught first, the turning point's name, the forms' names, the answer line and
// what a class that has not met complex numbers writes for a negative discriminant. The words
// around the lines stay the user's language; a school sets only its notation, and its names for
// the forms where the user's language is the school's. The rows are in schools.cpp, with where
// each row's conventions come from.
#pragma once

#include "engine/working/methods.hpp"

#include <optional>
#include <span>
#include <string_view>

namespace veltrix {

// How the discriminant is written: b² − 4ac itself, or a letter for it.
enum class DiscriminantSymbol { Written, D, Delta };

// The roots' names: x = … or x = …; x₁ and x₂; x′ and x″.
enum class RootNames { X, Subscripts, Primes };

// Both roots by one formula with ±, then each root; or each root by a formula of its own, with
// − or + in place of ±: x₁ = (−b − √Δ)/(2a) = …, x₂ = (−b + √Δ)/(2a) = ….
enum class RootsWritten { Together, EachByItsOwnFormula };

// Which root comes first: that of + √…, or that of − √….
enum class FirstRoot { Plus, Minus };

// Where the school's own variant of its method applies.
enum class VariantWhen { Never, LeadingOne, EvenB };

// The half-b formula's letters: k = b/2 and D/4 = k² − ac; k and D₁ = k² − ac; b′ = b/2 and
// D/4 = b′² − ac; or b/2 itself and Δ/4 = (b/2)² − ac. D/4 takes the school's letter.
enum class HalfBLetters { KAndQuarterD, KAndD1, BPrimeAndQuarterD, HalfBAndQuarterD };

// Between a point's coordinates: (2.5, -0.25); (2,5; -0,25); (2,5 | -0,25). A comma between
// coordinates that have decimal commas is written as a semicolon.
enum class PointSeparator { Comma, Semicolon, Bar };

// After the roots: nothing; L = {2; 3}; S = {2; 3}; "Solution set: {2; 3}"; "Answer: 2; 3".
enum class AnswerLine { None, SetL, SetS, SolutionSetWords, AnswerWords };

// Where the discriminant is negative: the statement that there is no real root, with the complex
// roots as an aside; or the complex roots as the roots.
enum class NegativeDiscriminant { NoRealSolution, ComplexRoots };

// How the school's books set a formula: in Latin letters and ASCII digits, reading from the left;
// or in Arabic letters (س for x, أ ب جـ for a b c) and Eastern Arabic digits, reading from the
// right, so that the whole formula stands mirrored: x² − 5x + 6 as س٢ − ٥س + ٦.
enum class FormulaScript { Latin, ArabicMirrored };

struct School {
    std::string_view id;       // the name --school and the settings take: "de"
    std::string_view locales;  // its locales, a language alone or with its territory: "de es_MX"
    std::string_view language; // of its names for the forms: "de"
    DiscriminantSymbol discriminant;
    bool discriminantLine;       // the discriminant worked out on a line of its own
    bool rootOfDiscriminantLine; // √Δ = … on that line too
    RootNames rootNames;
    bool joinedSubscripts; // x₁,₂ = … for both roots, rather than x = …
    RootsWritten rootsWritten;
    FirstRoot firstRoot;
    WorkingMethod method; // the method taught first
    WorkingMethod variant;
    VariantWhen variantWhen;
    HalfBLetters halfB;
    std::u16string_view vertexName; // S, W, V, or nothing: (2.5, -0.25)
    PointSeparator pointSeparator;
    // The forms' names in the school's language, UTF-8; empty where the translation's are its.
    std::string_view vertexFormName, factoredFormName;
    AnswerLine answer;
    bool emptySetSign; // the empty set as ∅, not { }
    NegativeDiscriminant negative;
    FormulaScript script;
};

// Every school, the general one first: the working as it is written without a school's notation.
std::span<const School> Schools();
const School& GeneralSchool();

// The school of an id, if it is one.
const School* SchoolNamed(std::string_view id);

// The school of a locale as the environment names it ("de_AT.UTF-8", "pt_PT", "C"): that of its
// language and territory, else of its language; the general school where neither has one.
const School& SchoolOfLocale(std::string_view locale);

// The method a school writes the working of q by, where the user has chosen none: the roots at
// once where the exercise gives them so, else the school's method, or its variant where that
// applies to a, b.
struct MethodCase {
    bool givenAtOnce = false;
    bool leadingOne = false; // a = 1
    bool evenB = false;      // b halves to a number as short as itself
};
WorkingMethod SchoolMethod(const School& school, const MethodCase& equation);

// What the user has chosen for the working: a method, or none for the school's own, and the
// school.
struct WorkingChoice {
    WorkingChoice() = default;
    WorkingChoice(WorkingMethod chosen) : method(chosen) {} // NOLINT: a method alone is a choice
    WorkingChoice(std::optional<WorkingMethod> chosen, std::string_view schoolId)
        : method(chosen), school(schoolId) {}

    std::optional<WorkingMethod> method;
    std::string_view school = "general";
};

} // namespace veltrix
