#!/usr/bin/env python3
"""Independent check of the Zumbrel runoff module of brovel-calc.

Recomputes, from the model's formulas alone, the rainfall series, the
curve-number runoff, the time of concentration and the hydrograph (volume,
volume per unit area and peak) for a few hundred random basins plus a set of edge
cases, and compares them with what `brovel-calc escorrentia` prints.  It also
checks that `brovel-calc ladera --zumbrel evento` takes back the volume and the
peak discharge of the runoff module for the default event hyetograph.

The arithmetic is exact (fractions); every value the model keeps in a double
is rounded to the nearest double at the point where it is stored, which is how
an extended-precision evaluation followed by a double store behaves.

Usage:
    python3 scripts/verificar-escorrentia.py [--casos N] [--semilla S]
                                             [--binario RUTA] [--detalle] [--todas]

For each failing case prints a "FALLA" line with the command, then one line per
disagreement (the first 20 unless --todas); ends with "N passed, M failed" and
exits with status 1 when any case fails.
"""

import argparse
import json
import math
import os
import random
import subprocess
import sys
import time
from decimal import Decimal, ROUND_HALF_UP, localcontext
from fractions import Fraction

RAIZ = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
BINARIO = os.path.join(RAIZ, "build", "bin", "brovel-calc")

TOL_REL = 1e-9
TOL_ABS = 1e-9

# Start-up values of the runoff window.
DEF_DISTANCIA = "21.79"
DEF_DESNIVEL = "1020"
DEF_AREA = "70.26"
DEF_ABSTRACCION = "18"
DEF_PASO = "30"
DEF_NC = "85"
DEF_LLUVIA = ["9.4", "22.6", "73.4", "13.2", "7.3", "6.0"]


# ---------------------------------------------------------------------------
# Numeric helpers
# ---------------------------------------------------------------------------

def doble(x):
    """Round an exact value to the nearest double (a store into a double)."""
    return Fraction(float(x))


def campo(texto):
    """Number yielded by a 3-decimal quantity field given the typed text.

    The field shows the number rounded half away from zero to 3 decimals and
    yields what it shows; the model keeps it in a double.  Inputs are kept in
    [0.0001, 10000) (or exactly 0) so the fixed rendering always applies.
    """
    d = Decimal(texto)
    assert d == 0 or Decimal("0.0001") <= abs(d) < Decimal("10000"), texto
    d = d.quantize(Decimal("0.001"), rounding=ROUND_HALF_UP)
    return Fraction(float(d))


def potencia(b, e):
    """pow(b, e) for the time of concentration, evaluated with 60 digits."""
    if e == 0:
        return Fraction(1)
    if b == 0 and e > 0:
        return Fraction(0)
    if e.denominator == 1:
        return b ** int(e)
    if b < 0:
        raise ArithmeticError("potencia de base negativa")
    with localcontext() as ctx:
        ctx.prec = 60
        bd = Decimal(b.numerator) / Decimal(b.denominator)
        ed = Decimal(e.numerator) / Decimal(e.denominator)
        r = (ed * bd.ln()).exp()
    return Fraction(r)


def redondeo_par(x):
    """Nearest whole number, a half going to the even neighbour."""
    return round(x)  # Fraction.__round__ rounds half to even


def cerca(a, b):
    if a == b:
        return True
    dif = abs(a - b)
    return dif <= TOL_ABS or dif <= TOL_REL * max(abs(a), abs(b))


# ---------------------------------------------------------------------------
# The runoff model, recomputed
# ---------------------------------------------------------------------------

def calcular(caso):
    """Expected results for one case (dict of option texts)."""
    notas = []
    dist = campo(caso.get("distancia") or DEF_DISTANCIA)
    desn = campo(caso.get("desnivel") or DEF_DESNIVEL)
    area = campo(caso.get("area") or DEF_AREA)
    paso = campo(caso.get("paso") or DEF_PASO)
    nc_campo = campo(caso.get("nc") or DEF_NC)
    nc = math.trunc(nc_campo)
    parcial = not caso.get("acumulada", False)
    if caso.get("lluvia") is not None:
        alturas = [campo(t) for t in caso["lluvia"]]
    elif parcial:
        alturas = [campo(t) for t in DEF_LLUVIA]
    else:
        # The accumulated store starts empty: six zero heights.
        alturas = [Fraction(0)] * 6
    n = len(alturas)
    calculada = caso.get("abstraccion") == "calculada"

    # Time of concentration (hours).
    base = doble(Fraction("0.89") * dist ** 3 / desn)
    tcc = doble(potencia(base, Fraction("0.385")))

    # Rainfall series.
    ll_parcial, ll_acum, ll_hieto = [], [], []
    for k in range(n):
        if parcial:
            ll_parcial.append(alturas[k])
            ll_acum.append(alturas[k] if k == 0 else doble(ll_acum[k - 1] + alturas[k]))
        else:
            ll_parcial.append(alturas[k] if k == 0 else doble(alturas[k] - alturas[k - 1]))
            ll_acum.append(alturas[k])
    delta_t = paso / 60  # hours
    for k in range(n):
        ll_hieto.append(doble(ll_parcial[k] / delta_t))

    # Retention and initial abstraction.
    rpm = doble(Fraction(25400) / nc - 254)
    if calculada:
        ai = doble(Fraction("0.2") * rpm)
    else:
        ai = campo(caso.get("abstraccion_mm") or DEF_ABSTRACCION)

    # Cumulative runoff: the running abstraction is reduced by the accumulated
    # height of each dry step.
    svaeua = []
    r = ai
    for k in range(n):
        p = ll_acum[k]
        if p > r:
            x = doble(p - r)
            svaeua.append(doble(x * x / (x + rpm)))
            r = Fraction(0)
        else:
            if p == r:
                notas.append("paso %d: altura acumulada igual a la abstracción pendiente" % (k + 1))
            svaeua.append(Fraction(0))
            r = doble(r - p)
    sv_parcial = [svaeua[0]] + [doble(svaeua[k] - svaeua[k - 1]) for k in range(1, n)]

    # Hydrograph.
    tp = doble(Fraction(1, 2) * paso / 60 + Fraction("0.6") * tcc)
    qu = doble(Fraction("0.208") * area / tp)
    razon = tp / delta_t
    np_ = redondeo_par(razon) + 1
    base_nb = Fraction("2.67") * tp / delta_t
    nb = math.trunc(base_nb) + 3
    nr = nb - np_
    if abs(razon - math.floor(razon) - Fraction(1, 2)) < Fraction(1, 10 ** 9):
        notas.append("Tp/dt = %.12f, casi en la mitad entre dos enteros" % float(razon))
    if abs(base_nb - round(base_nb)) < Fraction(1, 10 ** 9):
        notas.append("2.67 Tp/dt = %.12f, casi entero" % float(base_nb))
    cantidad = nb + n - 1
    he = [Fraction(0)] * (cantidad + 1)  # index 0 unused
    for i in range(1, n + 1):
        m = doble(qu * sv_parcial[i - 1])
        for j in range(i, min(i - 1 + nb, cantidad) + 1):
            if j <= i - 1 + np_:
                he[j] = doble(he[j] + m * (j - i + 1) / np_)
            else:
                he[j] = doble(he[j] + m * (i - 1 + nb - j) / nr)
    vte = Fraction(0)
    cp = Fraction(0)
    for j in range(1, cantidad + 1):
        vte = doble(vte + he[j] * paso * 60)
        if he[j] > cp:
            cp = he[j]
    vtesp = doble(vte / area / 1000)

    f = float
    return {
        "estado": "OK",
        "Tcc": f(tcc),
        "Rpm": f(rpm),
        "Ai": f(ai),
        "Sall": n,
        "Nc": nc,
        "LlParcial": [f(v) for v in ll_parcial],
        "LlAcumulada": [f(v) for v in ll_acum],
        "LlHietograma": [f(v) for v in ll_hieto],
        "Svaeua": [f(v) for v in svaeua],
        "SvaeuaParcial": [f(v) for v in sv_parcial],
        "CantidadHe": cantidad,
        "He": [f(v) for v in he[1:]],
        "Vte": f(vte),
        "Vtesp": f(vtesp),
        "Cp": f(cp),
    }, notas


# ---------------------------------------------------------------------------
# Running the program
# ---------------------------------------------------------------------------

def ejecutar(binario, args, intentos=20):
    """Run brovel-calc and parse its JSON; retries while it is being rebuilt."""
    ultimo = ""
    for _ in range(intentos):
        if not os.path.exists(binario):
            ultimo = "no existe " + binario
            time.sleep(3)
            continue
        try:
            p = subprocess.run([binario] + args, capture_output=True, text=True, timeout=120)
        except OSError as e:  # e.g. "text file busy" while it is relinked
            ultimo = str(e)
            time.sleep(3)
            continue
        if p.returncode == 0:
            try:
                return json.loads(p.stdout), None
            except ValueError as e:
                return None, "salida no es JSON (%s): %r" % (e, p.stdout[:200])
        ultimo = "código %d: %s" % (p.returncode, (p.stderr or p.stdout).strip()[:300])
        # A non-zero exit may be a genuine answer; only retry a few times.
        time.sleep(2)
        if _ >= 2:
            break
    return None, ultimo


def argumentos(caso):
    a = ["escorrentia"]
    for clave, opcion in (("distancia", "--distancia"), ("desnivel", "--desnivel"),
                          ("area", "--area"), ("paso", "--paso"), ("nc", "--nc"),
                          ("uso", "--uso")):
        if caso.get(clave) is not None:
            a += [opcion, str(caso[clave])]
    if caso.get("abstraccion") == "calculada":
        a.append("--abstraccion-calculada")
    elif caso.get("abstraccion_mm") is not None:
        a += ["--abstraccion", caso["abstraccion_mm"]]
    if caso.get("acumulada"):
        a.append("--acumulada")
    if caso.get("lluvia") is not None:
        a += ["--lluvia", ",".join(caso["lluvia"])]
    return a


CLAVES_NUM = ("Tcc", "Rpm", "Ai", "Vte", "Vtesp", "Cp")
CLAVES_ENT = ("Sall", "Nc", "CantidadHe")
CLAVES_SERIE = ("LlParcial", "LlAcumulada", "LlHietograma", "Svaeua", "SvaeuaParcial", "He")


def comparar(nombre, esperado, obtenido):
    """List of disagreement texts."""
    fallos = []
    if obtenido.get("estado") != "OK":
        fallos.append("%s: estado %r, se esperaba 'OK'" % (nombre, obtenido.get("estado")))
    for c in CLAVES_ENT:
        if obtenido.get(c) != esperado[c]:
            fallos.append("%s: %s = %r, se esperaba %r" % (nombre, c, obtenido.get(c), esperado[c]))
    for c in CLAVES_NUM:
        v = obtenido.get(c)
        if not isinstance(v, (int, float)) or not cerca(v, esperado[c]):
            fallos.append("%s: %s = %r, se esperaba %r" % (nombre, c, v, esperado[c]))
    for c in CLAVES_SERIE:
        v = obtenido.get(c)
        e = esperado[c]
        if not isinstance(v, list):
            fallos.append("%s: %s falta o no es una lista" % (nombre, c))
            continue
        if len(v) != len(e):
            fallos.append("%s: %s tiene %d elementos, se esperaban %d" % (nombre, c, len(v), len(e)))
        for k in range(min(len(v), len(e))):
            if not isinstance(v[k], (int, float)) or not cerca(v[k], e[k]):
                fallos.append("%s: %s[%d] = %r, se esperaba %r" % (nombre, c, k + 1, v[k], e[k]))
    return fallos


# ---------------------------------------------------------------------------
# Cases
# ---------------------------------------------------------------------------

def texto_aleatorio(rng, lo, hi, decimales_max=6):
    """A decimal text in [lo, hi] whose rounding to 3 decimals is never a tie."""
    while True:
        dec = rng.randint(0, decimales_max)
        v = Decimal(str(rng.uniform(lo, hi))).quantize(Decimal(1).scaleb(-dec), rounding=ROUND_HALF_UP)
        if not (Decimal(str(lo)) <= v <= Decimal(str(hi))):
            continue
        if v != 0 and not (Decimal("0.0001") <= v < Decimal("9999")):
            continue
        resto = (v * 1000) - (v * 1000).to_integral_value(rounding="ROUND_FLOOR")
        if resto == Decimal("0.5"):
            continue
        t = format(v, "f")
        return t


def caso_aleatorio(rng, k):
    c = {"nombre": "aleatorio %d" % k}
    c["distancia"] = texto_aleatorio(rng, 0.5, 60)
    c["desnivel"] = texto_aleatorio(rng, 5, 3000)
    c["area"] = texto_aleatorio(rng, 0.1, 500)
    c["paso"] = texto_aleatorio(rng, 1, 120)
    c["nc"] = texto_aleatorio(rng, 30, 100)
    c["uso"] = str(k % 4)
    if rng.random() < 0.5:
        c["abstraccion"] = "calculada"
    else:
        c["abstraccion"] = "dada"
        c["abstraccion_mm"] = texto_aleatorio(rng, 0.001, 120)
    n = rng.randint(1, 60)
    parciales = []
    for _ in range(n):
        if rng.random() < 0.2:
            parciales.append(Decimal(0))
        else:
            parciales.append(Decimal(texto_aleatorio(rng, 0.001, 80)))
    if rng.random() < 0.5:
        c["lluvia"] = [format(v, "f") for v in parciales]
    else:
        c["acumulada"] = True
        acum, s = [], Decimal(0)
        for v in parciales:
            s += v
            acum.append(format(s, "f"))
        # Sums of 3-decimal-rounded texts may end in a tie; nudge them off it.
        c["lluvia"] = [t if (Decimal(t) * 1000) % 1 != Decimal("0.5") else format(Decimal(t) + Decimal("0.0001"), "f")
                       for t in acum]
    # Sometimes leave an input at its start-up value.
    for clave in ("distancia", "desnivel", "area", "paso", "nc"):
        if rng.random() < 0.08:
            del c[clave]
    return c


def casos_borde():
    b = []
    b.append({"nombre": "valores iniciales"})
    b.append({"nombre": "Nc 100", "nc": "100"})
    b.append({"nombre": "Nc 85.9 se trunca a 85", "nc": "85.9"})
    b.append({"nombre": "Nc 85.9996 se redondea a 86", "nc": "85.9996"})
    b.append({"nombre": "Nc 30, abstracción calculada", "nc": "30", "abstraccion": "calculada"})
    b.append({"nombre": "abstracción calculada", "abstraccion": "calculada"})
    b.append({"nombre": "abstracción mayor que la lluvia total", "abstraccion": "dada",
              "abstraccion_mm": "131.901"})
    b.append({"nombre": "abstracción igual a la lluvia total", "abstraccion": "dada",
              "abstraccion_mm": "131.9"})
    b.append({"nombre": "abstracción redondeada 17.9996", "abstraccion": "dada",
              "abstraccion_mm": "17.9996"})
    b.append({"nombre": "abstracción 0", "abstraccion": "dada", "abstraccion_mm": "0"})
    b.append({"nombre": "un solo paso", "lluvia": ["25"]})
    b.append({"nombre": "un solo paso seco", "lluvia": ["10"]})
    b.append({"nombre": "un solo paso acumulado", "acumulada": True, "lluvia": ["40.5"]})
    b.append({"nombre": "paso de 1 minuto (muchas ordenadas)", "paso": "1"})
    b.append({"nombre": "paso de 1 minuto, 60 alturas, cuenca lenta", "paso": "1",
              "distancia": "60", "desnivel": "5", "area": "500",
              "lluvia": [str(5 + (k % 7)) for k in range(60)]})
    b.append({"nombre": "paso de 120 minutos, cuenca rápida", "paso": "120",
              "distancia": "0.5", "desnivel": "3000", "area": "0.1"})
    b.append({"nombre": "altura acumulada igual a la abstracción pendiente",
              "abstraccion": "dada", "abstraccion_mm": "12", "lluvia": ["6", "0", "0", "5"]})
    b.append({"nombre": "reducción por la altura acumulada",
              "abstraccion": "dada", "abstraccion_mm": "20", "lluvia": ["4", "4", "4", "4", "4", "30"]})
    b.append({"nombre": "serie acumulada", "acumulada": True,
              "lluvia": ["9.4", "32", "105.4", "118.6", "125.9", "131.9"]})
    b.append({"nombre": "serie acumulada con pasos sin lluvia", "acumulada": True,
              "lluvia": ["0", "0", "5", "5", "30.25", "30.25", "80"]})
    b.append({"nombre": "serie acumulada sin alturas (almacén vacío)", "acumulada": True})
    b.append({"nombre": "toda la lluvia cero", "lluvia": ["0", "0", "0"]})
    b.append({"nombre": "20 alturas", "lluvia": [str(3 + (k * 7) % 11) for k in range(20)]})
    b.append({"nombre": "21 alturas", "lluvia": [str(3 + (k * 7) % 11) for k in range(21)]})
    b.append({"nombre": "21 alturas acumuladas", "acumulada": True, "lluvia": [str(4 * k) for k in range(1, 22)]})
    b.append({"nombre": "100 alturas", "lluvia": [str((k * 37) % 23) for k in range(100)]})
    b.append({"nombre": "entradas redondeadas", "distancia": "21.7904999", "desnivel": "1019.99951",
              "area": "70.2595", "paso": "29.99951", "lluvia": ["9.4004", "22.5996", "73.40049"]})
    for uso in range(4):
        b.append({"nombre": "uso %d" % uso, "uso": str(uso)})
    return b


def comprobar_ladera(binario):
    """Default project, event hyetograph handed to the runoff module."""
    esperado, _ = calcular({"nombre": "evento de la ladera", "paso": "30", "lluvia": list(DEF_LLUVIA)})
    obtenido, error = ejecutar(binario, ["ladera", "--zumbrel", "evento"])
    nombre = "ladera --zumbrel evento"
    if obtenido is None:
        return ["%s: %s" % (nombre, error)]
    fallos = []
    if obtenido.get("estado") != "OK":
        fallos.append("%s: estado %r, se esperaba 'OK'" % (nombre, obtenido.get("estado")))
    for clave, ref in (("Vp", "Vte"), ("Cp", "Cp")):
        v = obtenido.get(clave)
        if not isinstance(v, (int, float)) or not cerca(v, esperado[ref]):
            fallos.append("%s: %s = %r, se esperaba %s = %r" % (nombre, clave, v, ref, esperado[ref]))
    return fallos


def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("--casos", type=int, default=300, help="casos aleatorios (300)")
    ap.add_argument("--semilla", type=int, default=20240611, help="semilla del generador")
    ap.add_argument("--binario", default=BINARIO, help="ruta de brovel-calc")
    ap.add_argument("--detalle", action="store_true", help="muestra cada caso")
    ap.add_argument("--todas", action="store_true",
                    help="muestra todas las diferencias de cada caso (si no, las 20 primeras)")
    op = ap.parse_args()

    rng = random.Random(op.semilla)
    casos = casos_borde() + [caso_aleatorio(rng, k + 1) for k in range(op.casos)]
    aprobados = fallidos = 0
    for caso in casos:
        args = argumentos(caso)
        esperado, notas = calcular(caso)
        obtenido, error = ejecutar(op.binario, args)
        if obtenido is None:
            fallos = ["%s: %s" % (caso["nombre"], error)]
        else:
            fallos = comparar(caso["nombre"], esperado, obtenido)
        if fallos:
            fallidos += 1
            print("FALLA %s -- brovel-calc %s" % (caso["nombre"], " ".join(args)))
            for nota in notas:
                print("  nota: " + nota)
            limite = len(fallos) if op.todas else 20
            for f in fallos[:limite]:
                print("  " + f)
            if len(fallos) > limite:
                print("  ... y %d diferencias más (--todas las muestra)" % (len(fallos) - limite))
        else:
            aprobados += 1
            if op.detalle:
                print("ok    %s (CantidadHe %d)%s" % (caso["nombre"], esperado["CantidadHe"],
                                                    "".join("; " + n for n in notas)))
    fallos = comprobar_ladera(op.binario)
    if fallos:
        fallidos += 1
        for f in fallos:
            print("FALLA " + f)
    else:
        aprobados += 1
        if op.detalle:
            print("ok    ladera --zumbrel evento")
    print("%d passed, %d failed" % (aprobados, fallidos))
    return 1 if fallidos else 0


if __name__ == "__main__":
    sys.exit(main())
