#include "engine/working/schools.hpp"

#include <algorithm>

namespace veltrix {
namespace {

using enum DiscriminantSymbol;
using enum RootNames;
using enum RootsWritten;
using enum FirstRoot;
using enum VariantWhen;
using enum HalfBLetters;
using enum PointSeparator;
using enum AnswerLine;
using enum NegativeDiscriminant;
using enum FormulaScript;
using M = WorkingMethod;

// One row a school. A new school is a new row: nothing else in the program names one.
constexpr School kSchools[] = {
    // The working without a school's notation: b² − 4ac on its own line, x = … or x = …, the
    // complex roots as the roots. Also for the C locale and every locale without a row.
    {.id = "general",
     .locales = "",
     .language = "",
     .discriminant = Written,
     .discriminantLine = true,
     .rootOfDiscriminantLine = false,
     .rootNames = X,
     .joinedSubscripts = false,
     .rootsWritten = Together,
     .firstRoot = Plus,
     .method = M::Formula,
     .variant = M::Formula,
     .variantWhen = Never,
     .halfB = KAndQuarterD,
     .vertexName = u"",
     .pointSeparator = Comma,
     .vertexFormName = "",
     .factoredFormName = "",
     .answer = None,
     .emptySetSign = false,
     .negative = ComplexRoots,
     .script = Latin},

    // Germany, Austria, German-speaking Switzerland: Lambacher Schweizer 9 (Klett, 2019),
    // "Quadratische Gleichungen"; Mathematik Neue Wege 9 (Westermann), and the KMK's
    // Bildungsstandards (2022). D = b² − 4ac, the pq-formula where a = 1 and the
    // abc-formula ("Mitternachtsformel") otherwise, x₁,₂ = …, then x₁ and x₂; the vertex
    // S(d | e), the Scheitelpunktform and the Linearfaktorform; the solution set L = {…}, and
    // L = { } with "keine Lösung" for D < 0.
    {.id = "de",
     .locales = "de",
     .language = "de",
     .discriminant = D,
     .discriminantLine = true,
     .rootOfDiscriminantLine = false,
     .rootNames = Subscripts,
     .joinedSubscripts = true,
     .rootsWritten = Together,
     .firstRoot = Plus,
     .method = M::Formula,
     .variant = M::Pq,
     .variantWhen = LeadingOne,
     .halfB = KAndQuarterD,
     .vertexName = u"S",
     .pointSeparator = Bar,
     .vertexFormName = "Scheitelpunktform",
     .factoredFormName = "Linearfaktorform",
     .answer = SetL,
     .emptySetSign = false,
     .negative = NoRealSolution,
     .script = Latin},

    // France and French-speaking Belgium, Switzerland and Canada: the programme of Première
    // (spécialité mathématiques, BO spécial n° 1 of 22 January 2019) and the Sésamath manual
    // 1re spé (2019). Δ on its own line; x₁ = (−b − √Δ)/(2a) first, then x₂ = (−b + √Δ)/(2a);
    // the vertex S(α ; β), the forme canonique and the forme factorisée; S = {…}, and S = ∅
    // with "pas de solution réelle" for Δ < 0: complex numbers come only in Terminale.
    {.id = "fr",
     .locales = "fr",
     .language = "fr",
     .discriminant = Delta,
     .discriminantLine = true,
     .rootOfDiscriminantLine = false,
     .rootNames = Subscripts,
     .joinedSubscripts = false,
     .rootsWritten = EachByItsOwnFormula,
     .firstRoot = Minus,
     .method = M::Formula,
     .variant = M::Formula,
     .variantWhen = Never,
     .halfB = KAndQuarterD,
     .vertexName = u"S",
     .pointSeparator = Semicolon,
     .vertexFormName = "forme canonique",
     .factoredFormName = "forme factorisée",
     .answer = SetS,
     .emptySetSign = true,
     .negative = NoRealSolution,
     .script = Latin},

    // Spain and Spanish-speaking America: Matemáticas 3º ESO (Anaya, 2015; SM Savia, 2015),
    // "Ecuaciones de segundo grado". x = (−b ± √(b² − 4ac))/(2a) worked in one line, then x₁
    // and x₂; Δ = b² − 4ac named where it is negative: "no tiene solución real"; the vertex
    // V(x_v, y_v).
    {.id = "es",
     .locales = "es",
     .language = "es",
     .discriminant = Delta,
     .discriminantLine = false,
     .rootOfDiscriminantLine = false,
     .rootNames = Subscripts,
     .joinedSubscripts = false,
     .rootsWritten = Together,
     .firstRoot = Plus,
     .method = M::Formula,
     .variant = M::Formula,
     .variantWhen = Never,
     .halfB = KAndQuarterD,
     .vertexName = u"V",
     .pointSeparator = Semicolon,
     .vertexFormName = "",
     .factoredFormName = "forma factorizada",
     .answer = None,
     .emptySetSign = false,
     .negative = NoRealSolution,
     .script = Latin},

    // Italy: Bergamini, Barozzi, Trifone, Matematica.blu 2.0, vol. 2 (Zanichelli, 2016),
    // "Equazioni di secondo grado". Δ = b² − 4ac, x₁,₂ = (−b ± √Δ)/(2a); the "formula ridotta"
    // for an even b, Δ/4 = (b/2)² − ac and x₁,₂ = (−b/2 ± √(Δ/4))/a; the vertex V; S = {…}
    // for the solutions; "Δ < 0: l'equazione non ha soluzioni reali".
    {.id = "it",
     .locales = "it",
     .language = "it",
     .discriminant = Delta,
     .discriminantLine = true,
     .rootOfDiscriminantLine = false,
     .rootNames = Subscripts,
     .joinedSubscripts = true,
     .rootsWritten = Together,
     .firstRoot = Plus,
     .method = M::Formula,
     .variant = M::HalfB,
     .variantWhen = EvenB,
     .halfB = HalfBAndQuarterD,
     .vertexName = u"V",
     .pointSeparator = Semicolon,
     .vertexFormName = "",
     .factoredFormName = "",
     .answer = SetS,
     .emptySetSign = true,
     .negative = NoRealSolution,
     .script = Latin},

    // Brazil, and Portugal, which has no row of its own: Iezzi, Dolce, Machado, Matemática e
    // Realidade 9º ano (Atual, 2013), and Dante, Teláris Matemática 9º ano (Ática, 2015). The
    // "fórmula de Bhaskara" with Δ = b² − 4ac on its own line, x = (−b ± √Δ)/(2a), the roots x′
    // and x″; the vertex V(x_v, y_v); S = {…}, and "Δ < 0: não há raízes reais".
    {.id = "br",
     .locales = "pt",
     .language = "pt",
     .discriminant = Delta,
     .discriminantLine = true,
     .rootOfDiscriminantLine = false,
     .rootNames = Primes,
     .joinedSubscripts = false,
     .rootsWritten = Together,
     .firstRoot = Plus,
     .method = M::Formula,
     .variant = M::Formula,
     .variantWhen = Never,
     .halfB = KAndQuarterD,
     .vertexName = u"V",
     .pointSeparator = Semicolon,
     .vertexFormName = "forma canônica",
     .factoredFormName = "forma fatorada",
     .answer = SetS,
     .emptySetSign = true,
     .negative = NoRealSolution,
     .script = Latin},

    // Poland: Matematyka z plusem 1 for the liceum (GWO, 2019), and the CKE's "Wybrane wzory
    // matematyczne" given at the matura. Δ = b² − 4ac and √Δ on lines of their own, then
    // x₁ = (−b − √Δ)/(2a) and x₂ = (−b + √Δ)/(2a); the vertex W = (p, q), the postać
    // kanoniczna and the postać iloczynowa; "Δ < 0: równanie nie ma rozwiązań".
    {.id = "pl",
     .locales = "pl",
     .language = "pl",
     .discriminant = Delta,
     .discriminantLine = true,
     .rootOfDiscriminantLine = true,
     .rootNames = Subscripts,
     .joinedSubscripts = false,
     .rootsWritten = EachByItsOwnFormula,
     .firstRoot = Minus,
     .method = M::Formula,
     .variant = M::Formula,
     .variantWhen = Never,
     .halfB = KAndQuarterD,
     .vertexName = u"W",
     .pointSeparator = Semicolon,
     .vertexFormName = "postać kanoniczna",
     .factoredFormName = "postać iloczynowa",
     .answer = None,
     .emptySetSign = false,
     .negative = NoRealSolution,
     .script = Latin},

    // Russia: Makarychev and others, Algebra 8 (Prosveshchenie, 2019), §21–22. D = b² − 4ac,
    // x₁,₂ = (−b ± √D)/(2a); for an even b, k = b/2, D₁ = k² − ac and x₁,₂ = (−k ± √D₁)/a;
    // the vertex (m; n); "Ответ: …", and "D < 0: корней нет".
    {.id = "ru",
     .locales = "ru be uk",
     .language = "ru",
     .discriminant = D,
     .discriminantLine = true,
     .rootOfDiscriminantLine = false,
     .rootNames = Subscripts,
     .joinedSubscripts = true,
     .rootsWritten = Together,
     .firstRoot = Plus,
     .method = M::Formula,
     .variant = M::HalfB,
     .variantWhen = EvenB,
     .halfB = KAndD1,
     .vertexName = u"",
     .pointSeparator = Semicolon,
     .vertexFormName = "",
     .factoredFormName = "",
     .answer = AnswerWords,
     .emptySetSign = false,
     .negative = NoRealSolution,
     .script = Latin},

    // China: 义务教育教科书 数学 九年级上册 (人民教育出版社, 2014), 第二十一章 一元二次方程, and
    // 第二十二章 二次函数. Δ = b² − 4ac on its own line, x = (−b ± √(b² − 4ac))/(2a), then
    // x₁ and x₂; the vertex's coordinates (h, k), the 顶点式 and the 交点式; "Δ < 0: 方程没有
    // 实数根".
    {.id = "cn",
     .locales = "zh",
     .language = "zh",
     .discriminant = Delta,
     .discriminantLine = true,
     .rootOfDiscriminantLine = false,
     .rootNames = Subscripts,
     .joinedSubscripts = false,
     .rootsWritten = Together,
     .firstRoot = Plus,
     .method = M::Formula,
     .variant = M::Formula,
     .variantWhen = Never,
     .halfB = KAndQuarterD,
     .vertexName = u"",
     .pointSeparator = Comma,
     .vertexFormName = "顶点式",
     .factoredFormName = "交点式",
     .answer = None,
     .emptySetSign = false,
     .negative = NoRealSolution,
     .script = Latin},

    // Japan: 新しい数学3 (東京書籍, 2021), 2章 2次方程式, and 数学I (数研出版, 2022) for the
    // discriminant D. x = (−b ± √(b² − 4ac))/(2a), and for b = 2b′ x = (−b′ ± √(b′² − ac))/a
    // with D/4 = b′² − ac; the roots written x = 3, 2; the vertex (p, q); "D < 0 より実数解は
    // ない".
    {.id = "jp",
     .locales = "ja",
     .language = "ja",
     .discriminant = D,
     .discriminantLine = true,
     .rootOfDiscriminantLine = false,
     .rootNames = X,
     .joinedSubscripts = false,
     .rootsWritten = Together,
     .firstRoot = Plus,
     .method = M::Formula,
     .variant = M::HalfB,
     .variantWhen = EvenB,
     .halfB = BPrimeAndQuarterD,
     .vertexName = u"",
     .pointSeparator = Comma,
     .vertexFormName = "標準形",
     .factoredFormName = "",
     .answer = None,
     .emptySetSign = false,
     .negative = NoRealSolution,
     .script = Latin},

    // The Arabic schools of the Mashriq (Egypt, the Levant, Iraq, the Gulf): the Egyptian
    // Ministry of Education's الرياضيات, الصف الأول الثانوي (2019), الوحدة الأولى, and the
    // Jordanian الرياضيات, الصف العاشر (2020). The discriminant Δ ("المميز") on its own line,
    // x₁ and x₂, "مجموعة الحل = {…}", and no real root where Δ < 0. The books write the working
    // right to left in Arabic letters and Eastern Arabic digits, س for x and ص for y, أ ب جـ for
    // a b c, and so does the Working window.
    {.id = "mashriq",
     .locales = "ar",
     .language = "ar",
     .discriminant = Delta,
     .discriminantLine = true,
     .rootOfDiscriminantLine = false,
     .rootNames = Subscripts,
     .joinedSubscripts = false,
     .rootsWritten = Together,
     .firstRoot = Plus,
     .method = M::Formula,
     .variant = M::Formula,
     .variantWhen = Never,
     .halfB = KAndQuarterD,
     .vertexName = u"",
     .pointSeparator = Comma,
     .vertexFormName = "",
     .factoredFormName = "",
     .answer = SolutionSetWords,
     .emptySetSign = true,
     .negative = NoRealSolution,
     .script = ArabicMirrored},

    // The schools of the Maghreb (Morocco, Algeria, Tunisia, Libya, Mauritania), which teach
    // mathematics in French notation, in Arabic or in French: the Moroccan Almoufid en
    // mathématiques, 1re année bac (2007). Δ, x₁ = (−b − √Δ)/(2a), x₂ = (−b + √Δ)/(2a), S = {…}.
    {.id = "maghreb",
     .locales = "ar_MA ar_DZ ar_TN ar_LY ar_MR fr_MA fr_DZ fr_TN",
     .language = "fr",
     .discriminant = Delta,
     .discriminantLine = true,
     .rootOfDiscriminantLine = false,
     .rootNames = Subscripts,
     .joinedSubscripts = false,
     .rootsWritten = EachByItsOwnFormula,
     .firstRoot = Minus,
     .method = M::Formula,
     .variant = M::Formula,
     .variantWhen = Never,
     .halfB = KAndQuarterD,
     .vertexName = u"S",
     .pointSeparator = Semicolon,
     .vertexFormName = "forme canonique",
     .factoredFormName = "forme factorisée",
     .answer = SetS,
     .emptySetSign = true,
     .negative = NoRealSolution,
     .script = Latin},

    // The United Kingdom, and English outside North America: the AQA and Pearson Edexcel GCSE
    // (9–1) specifications (8300, 1MA1) and their formulae, and Pearson's GCSE Mathematics
    // Higher (2015). Factorising first, the formula where it fails, with b² − 4ac put in
    // within it; x = 3 or x = 2; the turning point (h, k); the completed square form and the
    // factorised form; "b² − 4ac < 0: no real roots".
    {.id = "uk",
     .locales = "en",
     .language = "en_GB",
     .discriminant = Written,
     .discriminantLine = false,
     .rootOfDiscriminantLine = false,
     .rootNames = X,
     .joinedSubscripts = false,
     .rootsWritten = Together,
     .firstRoot = Plus,
     .method = M::Factor,
     .variant = M::Factor,
     .variantWhen = Never,
     .halfB = KAndQuarterD,
     .vertexName = u"",
     .pointSeparator = Comma,
     .vertexFormName = "Completed square form",
     .factoredFormName = "Factorised form",
     .answer = None,
     .emptySetSign = false,
     .negative = NoRealSolution,
     .script = Latin},

    // The United States and Canada: the Common Core State Standards (HSA-REI.B.4), and
    // Larson, Boswell, Algebra 1 (Big Ideas Learning, 2018), chapter 9. Factoring first, the
    // quadratic formula where it fails, with b² − 4ac put in within it; x = 3 or x = 2; the
    // vertex (h, k), the vertex form and the factored form; "no real solutions".
    {.id = "us",
     .locales = "en_US en_CA en_PH",
     .language = "en_US",
     .discriminant = Written,
     .discriminantLine = false,
     .rootOfDiscriminantLine = false,
     .rootNames = X,
     .joinedSubscripts = false,
     .rootsWritten = Together,
     .firstRoot = Plus,
     .method = M::Factor,
     .variant = M::Factor,
     .variantWhen = Never,
     .halfB = KAndQuarterD,
     .vertexName = u"",
     .pointSeparator = Comma,
     .vertexFormName = "Vertex form",
     .factoredFormName = "Factored form",
     .answer = None,
     .emptySetSign = false,
     .negative = NoRealSolution,
     .script = Latin},
};

// Whether a row's locales hold `name` as one of its space-separated words.
bool Lists(std::string_view locales, std::string_view name) {
    while (!locales.empty()) {
        const std::size_t end = std::min(locales.find(' '), locales.size());
        if (locales.substr(0, end) == name) {
            return true;
        }
        locales.remove_prefix(std::min(end + 1, locales.size()));
    }
    return false;
}

const School* SchoolListing(std::string_view name) {
    const auto* found = std::ranges::find_if(
        kSchools, [name](const School& school) { return Lists(school.locales, name); });
    return found == std::ranges::end(kSchools) ? nullptr : found;
}

} // namespace

std::span<const School> Schools() {
    return kSchools;
}

const School& GeneralSchool() {
    return kSchools[0];
}

const School* SchoolNamed(std::string_view id) {
    const auto* found = std::ranges::find(kSchools, id, &School::id);
    return found == std::ranges::end(kSchools) ? nullptr : found;
}

const School& SchoolOfLocale(std::string_view locale) {
    // "de_AT.UTF-8@euro": the language and territory before the encoding and the modifier.
    locale = locale.substr(0, std::min(locale.find_first_of(".@"), locale.size()));
    const std::string_view language = locale.substr(0, std::min(locale.find('_'), locale.size()));
    for (const std::string_view name : {locale, language}) {
        if (const School* school = name.empty() ? nullptr : SchoolListing(name)) {
            return *school;
        }
    }
    return GeneralSchool();
}

WorkingMethod SchoolMethod(const School& school, const MethodCase& equation) {
    if (equation.givenAtOnce) {
        return WorkingMethod::AtOnce;
    }
    const bool variant = (school.variantWhen == VariantWhen::LeadingOne && equation.leadingOne) ||
                         (school.variantWhen == VariantWhen::EvenB && equation.evenB);
    return variant ? school.variant : school.method;
}

} // namespace veltrix
