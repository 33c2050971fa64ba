#!/usr/bin/env python3
"""Checks the working's table of exercises with computer algebra, apart from the engine.

The table is WorkingStepsTest in tests/engine/working/working_test.cpp: for each text a student
types, the lines the working writes before it solves the quadratic. Each line must be an equation
equivalent to the one before; the given equation must be the text's; the roots a product or a
square gives at once must be those of the equation; and the Equation line's coefficients must be
those of the standard form. Needs python3-sympy. Run from the repository's root.
"""
import re
import sys

import sympy
from sympy.parsing.sympy_parser import (convert_xor, implicit_multiplication_application,
                                        parse_expr, standard_transformations)

X = sympy.Symbol('x')
TRANSFORMATIONS = standard_transformations + (implicit_multiplication_application, convert_xor)
TABLE = 'tests/engine/working/working_test.cpp'


def expression(text):
    """A side of an equation as the working writes it, or as the student types it."""
    for written, python in (('−', '-'), ('²', '**2'), ('·', '*'), ('[', '('), (']', ')'),
                            ('X', 'x')):
        text = text.replace(written, python)
    text = re.sub(r'√(\d+)', r'sqrt(\1)', text)
    return parse_expr(text, transformations=TRANSFORMATIONS, local_dict={'x': X})


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
    print('rows', len(rows), 'bad', bad)
    return 1 if bad else 0


if __name__ == '__main__':
    sys.exit(main())
