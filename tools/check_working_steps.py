#!/usr/bin/env python3
# Checks the working's table of exercises (tests/engine/working/working_test.cpp, WorkingStepsTest)
# with computer algebra, apart from the engine: every line an equation equivalent to the one before,
# the given equation the text's, the roots of a product and of a square those of the equation, and
# the coefficients those of the Equation line. Needs python3-sympy. Run from the repository.
import re, sympy as sp
from sympy.parsing.sympy_parser import parse_expr, standard_transformations, implicit_multiplication_application, convert_xor
x=sp.Symbol('x'); T=standard_transformations+(implicit_multiplication_application,convert_xor)
def P(s):
    s=s.replace('−','-').replace('²','**2').replace('·','*').replace('[','(').replace(']',')').replace('X','x')
    s=re.sub(r'√(\d+)',r'sqrt(\1)',s)
    return parse_expr(s,transformations=T,local_dict={'x':x})
def eq(s):
    l,r=s.split('=')
    return sp.expand(P(l)-P(r))
def same(p,q):
    if sp.expand(q)==0: return sp.expand(p)==0
    r=sp.simplify(p/q); return r.free_symbols==set() and r!=0
src=open('tests/engine/working/working_test.cpp',encoding='utf-8').read()
block=src[src.index('Exercises, WorkingStepsTest'):]
block=block[:block.index('[](const auto& row)')]
rows=re.findall(r'StepsCase\{"((?:[^"\\]|\\.)*)",\s*\{(.*?)\}\}',block,re.S)
bad=0
for text,body in rows:
    lines=re.findall(r'"((?:[^"\\]|\\.)*)"',body)
    func = '=' not in text or re.match(r'\s*(y|f\(x\))\s*=',text)
    if func:
        F=sp.expand(P(text.split('=')[-1])); prev=None
    else:
        P0=eq(text); prev=P0
    for line in lines:
        kind,rest=line.split(': ',1)
        parts=rest.split(' | ')
        ok=True
        if kind=='given':
            ok = same(sp.expand(P(parts[0].split('=')[-1])),F) if func else sp.expand(eq(parts[0])-P0)==0
        elif kind=='read as':
            ok = sp.expand(P(parts[0])-P(parts[1]))==0
        elif kind=='product':
            ok = all(P0.subs(x,P(p.split('=')[1]))==0 for p in parts)
        elif kind=='root':
            l,r=parts[0].split('=')
            v=P(r.replace('±',''))
            ok = same(sp.expand(P(l)**2-v**2),P0)
        elif kind in('times','expanded','brought','equation','zeros'):
            e=parts[-1] if kind!='equation' else parts[0]
            if func and kind in('expanded','equation'):
                ok = sp.expand(P(e.split('=')[1])-F)==0
            elif func and kind=='zeros':
                ok = same(eq(e),F)
            else:
                q=eq(e); ok=same(q,prev); prev=q
                if kind=='times': ok = ok and sp.simplify(q/(eq(text) if False else P0)) == P(parts[0])
            if kind=='equation':
                poly = sp.Poly(F if func else prev, x)
                a,b,c=[poly.coeff_monomial(x**k) for k in (2,1,0)]
                want=dict(kv.split(' = ') for kv in parts[1].split(', '))
                ok = ok and all(sp.nsimplify(want[n])==v for n,v in zip('abc',(a,b,c)))
        print('ok ' if ok else 'BAD', text, '|', line)
        bad+= not ok
print('rows',len(rows),'bad',bad)
raise SystemExit(bad > 0)
