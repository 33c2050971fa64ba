#!/usr/bin/env python3
"""Checks the working's tables of exercises and methods with computer algebra, apart from the engine.

The first table is WorkingStepsTest in tests/engine/working/working_test.cpp: for each text a
student types, the lines the working writes before it solves the quadratic. Each line must be an
equation equivalent to the one before; the given equation must be the text's; the roots a product
or a square gives at once must be those of the equation; and the Equation line's coefficients must
be those of the standard form.

The second is MethodTest in tests/engine/working/method_test.cpp: each method's lines from the
Equation line to the check by Vieta's formulas. Each equation must be equivalent to the
quadratic's; each value in a chain must be the value before it; the roots every method ends with
must be the quadratic's; and the split, p and q, k and D/4, and Vieta's sums must be those of its
coefficients. Needs python3-sympy. Run from the repository's root.
"""
import re
import sys

import sympy
from sympy.parsing.sympy_parser import (convert_xor, implicit_multiplication_application,
                                        parse_expr, standard_transformations)

X = sympy.Symbol('x')
TRANSFORMATIONS = standard_transformations + (implicit_multiplication_application, convert_xor)
TABLE = 'tests/engine/working/working_test.cpp'
METHODS = 'tests/engine/working/method_test.cpp'


def expression(text):
    """A side of an equation as the working writes it, or as the student types it."""
    for written, python in (('−', '-'), ('²', '**2'), ('·', '*'), ('[', '('), (']', ')'),
                            ('X', 'x')):
        text = text.replace(written, python)
    text = re.sub(r'√([\d.]+)', r'sqrt(\1)', text.replace('i√', 'i*√')).replace('√', 'sqrt')
    # Decimals as exact rationals, as the working's numbers are.
    text = re.sub(r'(\d+\.\d+)', r'Rational("\1")', text)
    return parse_expr(text, transformations=TRANSFORMATIONS, local_dict={'x': X, 'i': sympy.I})


def left_minus_right(equation):
    """An equation as one polynomial equal to 0."""
    left, right = equation.split('=')
    return sympy.expand(expression(left) - expression(right))


def same_equation(p, q):
    """Whether p = 0 and q = 0 are the same equation: p a non-zero constant times q."""
    if sympy.expand(q) == 0:
        return sympy.expand(p) == 0
    ratio = sympy.simplify(p / q)
    return ratio.free_symbols == set() and ratio != 0


def table_rows():
    """Each row of the table: the typed text, and its lines as 'kind: formula | formula'."""
    source = open(TABLE, encoding='utf-8').read()
    block = source[source.index('Exercises, WorkingStepsTest'):]
    block = block[:block.index('[](const auto& row)')]
    for text, body in re.findall(r'StepsCase\{"((?:[^"\\]|\\.)*)",\s*\{(.*?)\}\}', block, re.S):
        yield text, re.findall(r'"((?:[^"\\]|\\.)*)"', body)


class Row:
    """What one row's lines are checked against, as they follow each other."""

    def __init__(self, text):
        self.is_function = '=' not in text or re.match(r'\s*(y|f\(x\))\s*=', text)
        if self.is_function:
            self.function = sympy.expand(expression(text.split('=')[-1]))
            # Its zeros are the roots a product or a square gives.
            self.given = self.function
            self.previous = None
        else:
            self.given = left_minus_right(text)
            self.previous = self.given

    def check(self, kind, parts):
        if kind == 'given':
            written = parts[0]
            if self.is_function:
                return same_equation(sympy.expand(expression(written.split('=')[-1])),
                                     self.function)
            return sympy.expand(left_minus_right(written) - self.given) == 0
        if kind == 'read as':
            return sympy.expand(expression(parts[0]) - expression(parts[1])) == 0
        if kind == 'product':
            return all(self.given.subs(X, expression(root.split('=')[1])) == 0 for root in parts)
        if kind == 'root':
            left, right = parts[0].split('=')
            value = expression(right.replace('±', ''))
            return same_equation(sympy.expand(expression(left)**2 - value**2), self.given)
        if kind in ('times', 'expanded', 'brought', 'equation', 'zeros'):
            return self.check_step(kind, parts)
        return False

    def check_step(self, kind, parts):
        written = parts[0] if kind == 'equation' else parts[-1]
        if self.is_function and kind in ('expanded', 'equation'):
            ok = sympy.expand(expression(written.split('=')[1]) - self.function) == 0
        elif self.is_function and kind == 'zeros':
            ok = same_equation(left_minus_right(written), self.function)
        else:
            polynomial = left_minus_right(written)
            ok = same_equation(polynomial, self.previous)
            if kind == 'times':
                # Both sides multiplied by the number the line names.
                ok = ok and sympy.simplify(polynomial / self.given) == expression(parts[0])
            self.previous = polynomial
        if kind == 'equation':
            ok = ok and self.coefficients_match(parts[1])
        return ok

    def coefficients_match(self, named):
        polynomial = sympy.Poly(self.function if self.is_function else self.previous, X)
        values = [polynomial.coeff_monomial(X**power) for power in (2, 1, 0)]
        written = dict(pair.split(' = ') for pair in named.split(', '))
        return all(sympy.nsimplify(written[name]) == value
                   for name, value in zip('abc', values))


def method_rows():
    """Each row of the methods' table: the typed text, the method, and its lines."""
    source = open(METHODS, encoding='utf-8').read()
    pattern = r'MethodCase\{"((?:[^"\\]|\\.)*)",\s*"([a-z-]+)",\s*\{(.*?)\}\}'
    for text, method, body in re.findall(pattern, source, re.S):
        # Adjacent string literals are one line, as the compiler joins them.
        body = re.sub(r'"\s*\n\s*"', '', body)
        yield text, method, re.findall(r'"((?:[^"\\]|\\.)*)"', body)


def same(p, q):
    return sympy.simplify(sympy.nsimplify(p) - sympy.nsimplify(q)) == 0


def values_of(side):
    """The values a side stands for: both of a ±, one otherwise."""
    if '±' not in side:
        return [expression(side)]
    return [expression(side.replace('±', sign, 1)) for sign in ('+', '-')]


def has_letters(side):
    """A general formula (−b/a, k² − ac, (p/2)²), not one with the numbers put in."""
    return re.search(r'[a-hj-wyzDΔ]', side) is not None


class MethodRow:
    """One method's lines for one equation, checked against its quadratic ax² + bx + c."""

    def __init__(self, text, method):
        self.method = method
        self.text = text
        is_function = '=' not in text or re.match(r'\s*(y|f\(x\))\s*=', text)
        self.p = sympy.expand(expression(text.split('=')[-1])) if is_function \
            else left_minus_right(text)
        self.a, self.b, self.c = (sympy.Poly(self.p, X).coeff_monomial(X**n) for n in (2, 1, 0))
        self.roots = sympy.roots(sympy.Poly(self.p, X))
        self.current = self.p  # the equation the last line wrote, as one polynomial = 0

    def letters(self, side):
        return expression(side.replace('a', f'({self.a})').replace('b', f'({self.b})')
                          .replace('c', f'({self.c})'))

    def equation(self, written):
        polynomial = left_minus_right(written)
        self.current = polynomial
        return same_equation(polynomial, self.p)

    def check(self, kind, parts):
        checks = {
            'divided': lambda: self.equation(parts[1]) and
            sympy.expand(left_minus_right(parts[1]) * expression(parts[0]) - self.p) == 0,
            'times': lambda: self.equation(parts[1]) and
            sympy.expand(left_minus_right(parts[1]) - self.p * expression(parts[0])) == 0,
            'moved': lambda: self.equation(parts[0]),
            'added': lambda: self.equation(parts[1]),
            'square': lambda: self.equation(parts[0]),
            'factored': lambda: self.equation(parts[0]),
            'root': lambda: self.root(parts[0]),
            'product': lambda: all(self.p.subs(X, expression(r.split('=')[1])) == 0 for r in parts),
            'split numbers': lambda: self.split(*[expression(v) for v in parts]),
            'pq': lambda: self.pq(parts[0]),
            'half-b': lambda: self.half_b(parts),
            'discriminant': lambda: self.chain(parts[0], self.b**2 - 4 * self.a * self.c),
            'roots': lambda: self.roots_line(parts),
            'vieta': lambda: self.chain(parts[0], sum(self.all_roots())) and
            self.chain(parts[1], sympy.prod(self.all_roots())),
            'from the square': lambda: self.turning_point(parts),
            'not by this method': lambda: self.why_not(parts),
        }
        return kind in checks and bool(checks[kind]())

    def all_roots(self):
        return [r for r, n in self.roots.items() for _ in range(n)]

    def root(self, written):
        """x − h = ±√k: its square is the quadratic's equation."""
        left, right = written.split('=')
        value = expression(right.replace('±', ''))
        return same_equation(sympy.expand(expression(left)**2 - value**2), self.p)

    def split(self, ac, b, m, n):
        """The ac method's numbers, for the whole coefficients of the line before."""
        whole = sympy.Poly(self.current, X)
        coefficients = [whole.coeff_monomial(X**k) for k in (2, 1, 0)]
        return (ac == coefficients[0] * coefficients[2] and b == coefficients[1] and
                same(m * n, ac) and same(m + n, b))

    def pq(self, named):
        written = dict(pair.split(' = ') for pair in named.split(', '))
        return same(expression(written['p']), self.b / self.a) and \
            same(expression(written['q']), self.c / self.a)

    def half_b(self, parts):
        k = self.b / 2
        return self.chain(parts[0], k) and self.chain(parts[1], k**2 - self.a * self.c)

    def chain(self, written, value):
        """Every side of a chain, the general ones with a, b and c put in, is the value."""
        for side in written.split(' = '):
            if side in ('k', 'D/4', 'b² − 4ac'):
                continue
            if side == 'k² − ac':
                side = side.replace('k', f'({self.b}/2)')
            computed = self.letters(side) if has_letters(side) else expression(side)
            if not same(computed, value):
                return False
        return True

    def roots_line(self, parts):
        """x = … = the roots: each side with numbers gives the quadratic's roots."""
        expected = set(sympy.nsimplify(r) for r in self.roots)
        sides = parts[0].split(' = ')[1:]
        last = [values_of(sides[-1])[0]] + [expression(p.split(' = ')[1]) for p in parts[1:]]
        found = [values_of(side) for side in sides[:-1] if not has_letters(side)]
        found.append(last if len(parts) > 1 else values_of(sides[-1]))
        return all(set(sympy.nsimplify(sympy.simplify(v)) for v in values) == expected
                   for values in found)

    def turning_point(self, parts):
        h, k = (expression(v) for v in parts[0].strip('()').split(', '))
        return same(h, -self.b / (2 * self.a)) and same(k, self.p.subs(X, h)) and \
            same(expression(parts[1].split('=')[1]), h)

    def why_not(self, parts):
        """Factoring is refused where a root is not rational; the half-b formula where b is
        odd; the roots at once where the text has no bracket that a product or square needs."""
        if self.method == 'factor':
            return parts == [''] and any(not sympy.nsimplify(r).is_rational for r in self.roots)
        if self.method == 'half-b':
            b = expression(parts[0].split('=')[1])
            return same(b, self.b) and sympy.Rational(b).p % 2 == 1
        return self.method == 'at-once' and parts == [''] and '(' not in self.text


def school_rows():
    """Each row of the schools' table: the school, the typed text, and its lines."""
    source = open(METHODS, encoding='utf-8').read()
    pattern = r'SchoolCase\{"([a-z]+)",\s*"((?:[^"\\]|\\.)*)",\s*\{(.*?)\}\}'
    for school, text, body in re.findall(pattern, source, re.S):
        body = re.sub(r'"\s*\n\s*"', '', body)
        yield school, text, re.findall(r'"((?:[^"\\]|\\.)*)"', body)


def in_plain_letters(line):
    """A school's line in the letters the methods' checks read: its roots' names as x, its
    discriminant's letters as b² − 4ac or the half-b formula's, decimal commas as points."""
    line = re.sub(r'(\d),(\d)', r'\1.\2', line).replace('; ', ', ')
    line = re.sub(r'x(₁,₂|₁|₂|₀|′|″)', 'x', line)
    for name, general in (('√Δ', '√(b² − 4ac)'), ('√D₁', '√(k² − ac)'), ('√(Δ/4)', '√(k² − ac)'),
                          ('√(D/4)', '√(k² − ac)'), ('√D', '√(b² − 4ac)'), ('b′', 'k'),
                          ('−b/2', '−k'), ('(b/2)²', 'k²')):
        line = line.replace(name, general)
    return line


class SchoolRow(MethodRow):
    """A school's lines: the methods' checks, and those of its own notation."""

    def check(self, kind, parts):
        if kind == 'no real solution':
            return self.below_zero(parts[0])
        if kind == 'aside':
            return parts == ['']
        if kind == 'answer':
            return self.answer(parts[0])
        if kind == 'rounded':
            return self.rounded([part.replace('x = x = ', 'x = ') for part in parts])
        if kind == 'turning point':
            point = re.sub(r'^[A-Z]\(', '(', ', '.join(parts[:-1]))
            return self.turning_point([point, parts[-1]])
        if kind == 'discriminant':
            named = [p.split(' = ', 1)[1] if p.startswith(('Δ = ', 'D = ', '√')) else p
                     for p in parts]
            value = self.b**2 - 4 * self.a * self.c
            return self.chain(named[0], value) and \
                all(self.chain(p, sympy.sqrt(value)) for p in named[1:])
        if kind == 'roots':
            parts = [part.replace('x = x = ', 'x = ') for part in parts]  # x₁ = x₂, a double root
        if kind == 'roots' and len(parts) == 2 and '±' not in parts[0]:
            return self.each_root(parts)
        if kind == 'half-b':
            first = parts[0].replace('b/2 = ', '', 1) if parts[0].startswith('b/2') else parts[0]
            second = parts[1].split(' = ', 1)[1]
            return self.half_b([first, second])
        return super().check(kind, parts)

    def each_root(self, parts):
        """x₁ = (−b − √Δ)/(2a) = … = -2 and x₂ = …: every side with numbers of each is its root,
        and the two are the quadratic's roots."""
        found = []
        for part in parts:
            sides = [expression(v) for v in part.split(' = ')[1:] if not has_letters(v)]
            if any(not same(v, sides[-1]) for v in sides):
                return False
            found.append(sympy.nsimplify(sympy.simplify(sides[-1])))
        return sorted(found, key=sympy.default_sort_key) == \
            sorted((sympy.nsimplify(r) for r in self.all_roots()), key=sympy.default_sort_key)

    def real_roots(self):
        return sorted(r for r in self.roots if r.is_real)

    def below_zero(self, written):
        sides = written.split(' < ')[0].split(' = ')
        numeric = [s for s in sides if not has_letters(s)]
        return written.endswith(' < 0') and not self.real_roots() and \
            all(expression(s) < 0 for s in numeric)

    def answer(self, written):
        inside = re.sub(r'^[LS] = ', '', written).strip('{} ∅')
        listed = [expression(v) for v in re.split(r'[;,] ', inside) if v]
        return all(same(v, r) for v, r in zip(listed, self.real_roots())) and \
            len(listed) == len(self.real_roots())

    def rounded(self, parts):
        values = [p.split(' = ' if ' = ' in p else ' ≈ ')[1] for p in parts]
        found = [v for value in values for v in values_of(value)]
        return all(any(abs(complex(sympy.N(v - r))) <= 0.005 for r in self.roots)
                   for v in found)


def main():
    rows = list(table_rows())
    bad = 0
    for text, lines in rows:
        row = Row(text)
        for line in lines:
            kind, rest = line.split(': ', 1)
            ok = row.check(kind, rest.split(' | '))
            print('ok ' if ok else 'BAD', text, '|', line)
            bad += not ok
    methods = list(method_rows())
    for text, method, lines in methods:
        row = MethodRow(text, method)
        for line in lines:
            kind, rest = line.split(': ', 1)
            ok = row.check(kind, rest.split(' | '))
            print('ok ' if ok else 'BAD', text, method, '|', line)
            bad += not ok
    schools = list(school_rows())
    for school, text, lines in schools:
        # The British and American schools factor first; the others use the formula.
        row = SchoolRow(text, 'factor' if school in ('uk', 'us') else 'formula')
        for line in lines:
            kind, rest = in_plain_letters(line).split(': ', 1)
            ok = row.check(kind, rest.split(' | '))
            print('ok ' if ok else 'BAD', school, text, '|', line)
            bad += not ok
    print('rows', len(rows) + len(methods) + len(schools), 'bad', bad)
    return 1 if bad else 0


if __name__ == '__main__':
    sys.exit(main())
