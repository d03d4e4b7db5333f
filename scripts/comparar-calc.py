#!/usr/bin/env python3
"""Comprueba que dos compilaciones de brovel-calc dan exactamente lo mismo.

Genera proyectos de ladera (.bvx): cada combinación de opciones, valores de borde,
errores y archivos desprolijos. Con cada binario corre «ladera ARCHIVO», «ladera
--guardar SALIDA ARCHIVO», «ladera» sin archivo, con la escorrentía de Zumbrel, «lote»
y «lote --csv» sobre todos, barridos, «escorrentia» con cuencas y tormentas al azar y
las tablas, y compara la salida,
el código de salida, los errores (sin los avisos «QStandardPaths:» de Qt) y los
archivos guardados, byte a byte.

Un binario puede ser una orden con argumentos («node build-web/brovel-calc.js»). Con
--tolerancia R, los números de la salida JSON y CSV pueden diferir en R relativo; los
textos entre comillas (los de los campos, los mensajes) y el resto, byte a byte. Al final
dice cuántos números se compararon, cuántos difirieron y cuánto como mucho, con los que
más difirieron. Con --campos, «ladera» imprime además el texto de cada campo.

Uso: comparar-calc.py VIEJO NUEVO [--carpeta DIR] [--cantidad N] [--semilla S] [--tolerancia R] [--campos]
"""
import argparse, concurrent.futures, itertools, json, os, pathlib, random, re, shlex, shutil, subprocess, sys, tempfile, threading, time

TOLERANCIA = 0.0
# Un texto entre comillas (con sus escapes de JSON) o un número fuera de ellos.
PIEZA = re.compile(rb'"(?:[^"\\]|\\.)*"|-?\d+(?:\.\d+)?(?:[eE][+-]?\d+)?')
numeros = {"comparados": 0, "distintos": 0, "maximo": 0.0, "peores": []}
cerrojo = threading.Lock()

SALIDA = "SALIDA.bvx"  # en los argumentos de una prueba, la ruta donde guarda cada binario

# Rangos creíbles de cada entrada numérica, en las unidades del archivo.
RANGOS = {
    "Declive": (0.5, 40), "Longitud": (5, 120), "Diametro_medio": (0.002, 2),
    "P_matorg": (0, 6), "Humedad": (0, 1), "Biomasa": (0, 500), "Biomasa_res": (0, 100),
    "Cantidad_tormentas": (1, 40), "Energia_tormenta": (5, 200), "Max_int_30min": (5, 150),
    "Factor_ele": (500, 80000), "Cantidad_escorrentia": (1, 150), "Volumen_precip": (100, 1e5),
    "Caudal_pico": (1, 500), "Fraccion_cubierta": (0, 1), "Altura_follaje": (0, 300),
    "Tiempo_operaciones": (0, 10), "Fraccion_operaciones": (0, 1), "Relacion_residuo": (0.0001, 0.0007),
    "Peso_residuo": (0, 8000), "Pendiente_surcos": (0, 10), "Altura_lomo": (0, 20),
    "Factor_soporte": (0, 1), "Espacio_terrazas": (1, 100), "Pendiente_terrazas": (0, 6),
    "Tiempo_perturbado": (0, 20), "Constante_consolidacion": (0.5, 10), "Lluvia_infiltrada": (0, 1),
    "Manning_terreno": (0.01, 0.4), "Indice_rugosidad": (0, 10), "Rugosidad_terreno": (0.1, 5),
}
# Cantidades, opciones, listas y casillas: se leen como enteros.
ENTEROS = ("Suelo.Cant_puntos Suelo.Opcion Suelo.Clase_estr Suelo.Clase_perm Suelo.Descongelamiento "
           "Forzantes.Pasos_hieto Forzantes.Cantidad_hieto Forzantes.Pasos_hieto2 Forzantes.Pasos_hieto3 "
           "Forzantes.Opcion Forzantes.Opcion2 Forzantes.Opcion3 Condicionantes.Mecanismo "
           "Condicionantes.Tipo_practica Condicionantes.Labranza Condicionantes.Mulching "
           "Condicionantes.Practica_soporte").split()
MALOS = ["abc", "", "1,5", "1e", "  7  ", "7 ", "-", ".", "0x10", "nan", "inf", "-inf", "1.2.3", "+5",
         "1_000", "1e+", "٣", "5 6", "\t3", ".5", "-.5", "5.", "1E-5", "1e400", "-1e400"]
ENORMES = ["1e300", "-1e300", "1.7976931348623157e308", "-1.7976931348623157e308", "1E308",
           "4.9e-324", "1e-300", "123456789012345678901234567890"]
CUENTAS_MALAS = ["0", "25", "-3", "x", "21", "20", "1", "2.5", "1e1", "", " 4 ", "+2", "2147483648", "-0"]


def num(rng, x):
    """Un número escrito de alguna de las maneras en que aparece en los archivos."""
    forma = rng.randrange(6)
    if forma == 0: return repr(float(x))
    if forma == 1: return f"{x:.15g}"
    if forma == 2: return f"{x:.3g}"
    if forma == 3: return f"{x:.17g}"
    if forma == 4 and abs(x) >= 10: return str(round(x))
    return f"{x:.{rng.randint(0 if abs(x) >= 10 else 2, 6)}f}"


def curva(rng, n, creciente=False):
    """Curva granulométrica de n puntos: diámetro y porcentaje pasante, de mayor a menor."""
    d, p, puntos = rng.uniform(2, 80), 100.0, []
    for _ in range(n):
        puntos.append((num(rng, d), num(rng, p)))
        d, p = d * rng.uniform(0.1, 0.8), p * rng.uniform(0.3, 0.95)
    return puntos[::-1] if creciente else puntos


def serie(rng, f, hietogramas, pasos, valor, forma=None):
    """Hietogramas de la opción 2: una clave por paso, la antigua de una por hietograma, o ambas."""
    forma = forma or rng.choice(["pasos", "pasos", "antigua", "ambas"])
    for h in range(1, hietogramas + 1):
        if forma != "pasos": f[f"cant_lluvia_{h}"] = valor()
        if forma != "antigua": f.update({f"cant_lluvia_{h}_{k}": valor() for k in range(1, pasos + 1)})


def proyecto(rng, suelo, lluvia, extrema, evento, lab, mul, sop, tipo):
    """Un proyecto con todas las claves, también las de las opciones no elegidas."""
    r = lambda *claves: {k: num(rng, rng.uniform(*RANGOS[k])) for k in claves}
    mm = lambda: num(rng, rng.choice([0, rng.uniform(0, 30), rng.uniform(0, 5)]))
    pasos = lambda prefijo, n: {f"{prefijo}{k}": mm() for k in range(1, n + 1)}
    n, h, p1, p2, p3 = rng.randint(1, 20), rng.randint(1, 6), *(rng.randint(1, 20) for _ in range(3))
    limos = rng.uniform(5, 70)
    limos_mod = min(100, limos + rng.uniform(0, 20))
    s = {"Opcion": str(suelo), "Cant_puntos": str(n)}
    for i, (d, q) in enumerate(curva(rng, n), 1): s[f"diam_punto_{i}"], s[f"porc_pasa_{i}"] = d, q
    s.update(r("Diametro_medio"))
    s.update(Clase_estr=str(rng.randint(0, 3)), P_limos=num(rng, limos), P_limos_mod=num(rng, limos_mod),
             P_arenas=num(rng, rng.uniform(0, max(1, min(limos_mod, 100 - limos)))), **r("P_matorg"),
             Clase_perm=str(rng.randint(0, 5)), **r("Humedad"), Descongelamiento=str(int(rng.random() < 0.2)),
             **r("Biomasa", "Biomasa_res"))
    f = {"Opcion": str(lluvia), "Paso_temporal": str(rng.choice([5, 10, 15, 30, 60])), "Pasos_hieto": str(p1),
         "Cantidad_hieto": str(h), **r("Cantidad_tormentas")}
    if lluvia == 2: serie(rng, f, h, p1, mm)
    else: f.update(pasos("cant_lluvia_", p1))
    f.update(**r("Energia_tormenta", "Max_int_30min", "Factor_ele"), Opcion2=str(extrema),
             Paso_temporal2=str(rng.choice([5, 15, 30])), Pasos_hieto2=str(p2), **pasos("cant_lluvia_extr_", p2),
             **r("Cantidad_escorrentia"), Opcion3=str(evento), Paso_temporal3=str(rng.choice([5, 15, 30])),
             Pasos_hieto3=str(p3), **pasos("cant_lluvia_event_", p3), **r("Volumen_precip", "Caudal_pico"))
    c = {**r("Fraccion_cubierta", "Altura_follaje"), "Labranza": str(lab),
         **r("Tiempo_operaciones", "Fraccion_operaciones"), "Mulching": str(mul),
         **r("Relacion_residuo", "Peso_residuo"), "Mecanismo": str(rng.randint(0, 2)),
         "Practica_soporte": str(sop), "Tipo_practica": str(tipo),
         **r("Pendiente_surcos", "Altura_lomo", "Factor_soporte", "Espacio_terrazas", "Pendiente_terrazas",
             "Tiempo_perturbado", "Constante_consolidacion", "Lluvia_infiltrada")}
    return {"Geometria": r("Declive", "Longitud"), "Suelo": s, "Forzantes": f, "Condicionantes": c,
            "Disipacion": r("Manning_terreno", "Indice_rugosidad", "Rugosidad_terreno")}


def clave_al_azar(rng, p):
    seccion = rng.choice([s for s in p if p[s]])
    return seccion, rng.choice(list(p[seccion]))


# Alteraciones de un proyecto: bordes, fallas, valores ilegibles y archivos desprolijos.
def borde_declive(rng, p):
    p["Geometria"]["Declive"] = rng.choice(["9", "9.0", "9.000", "8.9999999", "9.0000001", "9E0", "0"])
    if rng.random() < 0.5: p["Geometria"]["Longitud"] = num(rng, rng.uniform(0.9, 10))
def borde_longitud(rng, p):
    p["Geometria"]["Longitud"] = rng.choice(["4.5", "4.49999", "4.50001", "0.9", "120", "150", "4.5E0",
                                             num(rng, rng.uniform(0.9, 4.5))])
    p["Geometria"]["Declive"] = rng.choice(["9", num(rng, rng.uniform(9, 40)), num(rng, rng.uniform(0, 9))])
def deshielo(rng, p):
    p["Suelo"]["Descongelamiento"] = "1"
    p["Geometria"]["Longitud"] = rng.choice(["4.5", "1", "0.9", num(rng, rng.uniform(0.9, 30))])
    p["Geometria"]["Declive"] = rng.choice(["9", num(rng, rng.uniform(0, 40))])
def lomos(rng, p):
    alto = rng.choice([5.1, 7.6, 10.1, 15.2]) + rng.choice([-0.01, -1e-9, 0, 0, 1e-9, 0.01])
    p["Condicionantes"].update(Practica_soporte="1", Tipo_practica="0", Altura_lomo=num(rng, alto))
def terrazas(rng, p):
    espacio = rng.choice([0, 0.5, 4, 33.5, 38, 48, 61, 79, 120, 1000, rng.uniform(1, 150)])
    pendiente = rng.choice(["0.95", "0.9499999", "0", num(rng, rng.uniform(0, 3))])
    p["Condicionantes"].update(Practica_soporte="1", Tipo_practica="2", Pendiente_terrazas=pendiente,
                               Espacio_terrazas=num(rng, espacio + rng.choice([0, 0, -1e-9, 1e-9, 0.01])))
def cero_o_negativo(rng, p):
    caso = rng.randrange(5)
    if caso == 0: p["Condicionantes"]["Mulching"], p["Disipacion"]["Rugosidad_terreno"] = "1", "0"
    elif caso == 1: p["Suelo"].update(Opcion="2", Diametro_medio=rng.choice(["0", "-0.05", "-1"]))
    elif caso == 2: p["Geometria"]["Longitud"] = rng.choice(["0", "-0", "-10"])
    elif caso == 3: p["Geometria"]["Declive"] = num(rng, -rng.uniform(0, 30))
    else:
        s, k = clave_al_azar(rng, p)
        p[s][k] = rng.choice(["0", "-1", "-0", "-1E-9", "-1000"])
def enorme(rng, p):
    s, k = clave_al_azar(rng, p)
    p[s][k] = rng.choice(ENORMES)
def malo(rng, p):
    for _ in range(rng.randint(1, 3)):
        s, k = clave_al_azar(rng, p)
        p[s][k] = rng.choice(MALOS)
def curva_creciente(rng, p):
    n = rng.randint(2, 20)
    puntos = curva(rng, n, creciente=rng.random() < 0.7)
    if rng.random() < 0.5: rng.shuffle(puntos)
    p["Suelo"].update(Opcion="1", Cant_puntos=str(n))
    for i, (d, q) in enumerate(puntos, 1): p["Suelo"][f"diam_punto_{i}"], p["Suelo"][f"porc_pasa_{i}"] = d, q
def textura(rng, p):
    limos, s = rng.uniform(20, 90), p["Suelo"]
    s["Opcion"] = "3"
    if rng.random() < 0.5: s.update(P_limos=num(rng, limos), P_limos_mod=num(rng, limos - rng.uniform(0.001, 20)))
    else: s.update(P_limos_mod=num(rng, limos), P_arenas=num(rng, limos + rng.uniform(0.001, 10)))
def cuenta_mala(rng, p):
    s, k = rng.choice(ENTEROS).split(".")
    p[s][k] = rng.choice(CUENTAS_MALAS)
def serie_grande(rng, p):
    f, valor = p["Forzantes"], lambda: num(rng, rng.uniform(0, 40))
    f.update(Opcion=rng.choice(["2", "2", "1"]), Cantidad_hieto=str(rng.choice([20, rng.randint(1, 20)])),
             Pasos_hieto=str(rng.choice([20, rng.randint(1, 20)])), Opcion2="1", Pasos_hieto2="20",
             Opcion3="1", Pasos_hieto3="20")
    serie(rng, f, 20, 20, valor, rng.choice(["pasos", "antigua", "ambas"]))
    for k in range(1, 21): f[f"cant_lluvia_extr_{k}"], f[f"cant_lluvia_event_{k}"] = valor(), valor()
def faltan_claves(rng, p):
    for _ in range(rng.randint(1, 12)):
        s, k = clave_al_azar(rng, p)
        del p[s][k]
def falta_seccion(rng, p):
    for s in rng.sample(list(p), rng.randint(1, 3)): del p[s]
def ajenas(rng, p):
    # Las claves con valor None son líneas sueltas: comentarios, repeticiones, basura.
    p.setdefault("Otra", {})["clave"] = "valor"
    p.setdefault("Geometria", {})[rng.choice(["Parcela", "notas", "Declive2"])] = "12"
    p[rng.choice(list(p))]["; comentario"] = None
    s, k = clave_al_azar(rng, p)
    p.setdefault("Comentado", {})[f"#{k}"] = "99"
    p[s][f"{k}={rng.choice(['7', 'abc', ''])}"] = None  # la misma clave dos veces
    p[s][k + " " * rng.randint(0, 2)] = p[s].pop(k)
    p["Otra"].update({"sin igual": None, f"[{s}]": None, "Humedad=0.5": None})  # la sección otra vez

ALTERACIONES = [borde_declive, borde_longitud, deshielo, lomos, terrazas, cero_o_negativo, enorme, malo,
                curva_creciente, textura, cuenta_mala, serie_grande, faltan_claves, falta_seccion, ajenas]


def texto(rng, p):
    """El archivo: CR LF o LF, a veces en mayúsculas o minúsculas, sin el último fin de línea o con BOM."""
    fin = rng.choice(["\r\n", "\n"])
    caja = rng.choices([str, str.upper, str.lower, str.swapcase], [7, 1, 1, 1])[0]
    lineas = []
    for seccion, claves in p.items():
        lineas.append(f"[{caja(seccion)}]")
        lineas += [k if v is None else f"{caja(k)}={v}" for k, v in claves.items()]
        if rng.random() < 0.8: lineas.append("")
    cuerpo = fin.join(lineas) + (fin if rng.random() < 0.9 else "")
    return ("\ufeff" if rng.random() < 0.03 else "") + cuerpo


def generar(carpeta, cantidad, semilla):
    """Escribe los proyectos y devuelve sus rutas, los casos fijos primero."""
    rng = random.Random(semilla)
    fijos = {"vacio.bvx": b"", "solo-bom.bvx": b"\xef\xbb\xbf",
             "bom.bvx": b"\xef\xbb\xbf[Geometria]\r\nDeclive=9\r\nLongitud=4.5\r\n[Suelo]\r\nOpcion=2\r\n",
             "latin1.bvx": "[Geometría]\nDeclive=12\n[Suelo]\nOpción=3\n".encode("latin-1"),
             "binario.bvx": bytes(rng.randrange(256) for _ in range(512))}
    rutas = [os.path.join(carpeta, "no-existe.bvx"), carpeta]
    for nombre, contenido in fijos.items():
        rutas.append(os.path.join(carpeta, nombre))
        with open(rutas[-1], "wb") as archivo: archivo.write(contenido)
    # Las 48 combinaciones de opciones, con y sin labranza y mulching, sin prácticas (el tipo
    # escrito no se lee) o con cada una: 960 proyectos limpios, el resto alterados.
    practicas = [(0, None)] + [(1, t) for t in range(4)]
    combinaciones = [(*c, *pr) for c in itertools.product([1, 2, 3], [1, 2, 3, 4], [1, 2], [1, 2], [0, 1], [0, 1])
                     for pr in practicas]
    rng.shuffle(combinaciones)
    limpios = min(len(combinaciones), round(cantidad * 0.64))
    for i in range(cantidad):
        *opciones, tipo = combinaciones[i] if i < limpios else rng.choice(combinaciones)
        p = proyecto(rng, *opciones, rng.randint(0, 3) if tipo is None else tipo)
        if i >= limpios:
            # Una por turno y a veces otras; las que quitan claves o secciones, al final.
            elegidas = {ALTERACIONES[i % len(ALTERACIONES)], *rng.sample(ALTERACIONES, rng.choice([0, 0, 1, 2]))}
            for alterar in sorted(elegidas, key=ALTERACIONES.index): alterar(rng, p)
        rutas.append(os.path.join(carpeta, f"p{i:04d}.bvx"))
        with open(rutas[-1], "w", encoding="utf-8", newline="") as archivo: archivo.write(texto(rng, p))
    return rutas


def correr(binario, argumentos):
    try:
        r = subprocess.run([*shlex.split(binario), *argumentos], capture_output=True, timeout=120)
        return r.returncode, r.stdout, r.stderr
    except subprocess.TimeoutExpired:
        return "tiempo agotado", b"", b""


def limpiar(texto, salida=None):
    """Los errores sin los avisos de Qt, y con la ruta de salida (distinta en cada binario) uniformada."""
    texto = b"".join(l for l in texto.splitlines(keepends=True) if not l.startswith(b"QStandardPaths:"))
    return texto.replace(os.fsencode(salida), SALIDA.encode()) if salida else texto


def diferencia(a, b):
    """Las primeras líneas que difieren, con los fines de línea a la vista."""
    if not isinstance(a, bytes) or not isinstance(b, bytes):
        return f"viejo {a!r}, nuevo {b!r}"
    la, lb = a.splitlines(keepends=True), b.splitlines(keepends=True)
    i = next((k for k, (x, y) in enumerate(zip(la, lb)) if x != y), min(len(la), len(lb)))
    n = 2 if la[i + 1:i + 2] != lb[i + 1:i + 2] else 1
    corta = lambda l: repr(l.decode("utf-8", "replace"))[:150]
    partes = [f"-{corta(l)}" for l in la[i:i + n]] + [f"+{corta(l)}" for l in lb[i:i + n]]
    return f"línea {i + 1}: " + " ".join(partes)


def iguales(a, b, nombre=""):
    """La misma salida: igual byte a byte o, con tolerancia, igual salvo números cercanos
    fuera de las comillas."""
    if not TOLERANCIA or not isinstance(a, bytes) or not isinstance(b, bytes): return a == b
    if PIEZA.sub(b"#", a) != PIEZA.sub(b"#", b): return False
    comparados, distintos, maximo, peores = 0, 0, 0.0, []
    for x, y in zip(PIEZA.findall(a), PIEZA.findall(b)):
        if x.startswith(b'"') or y.startswith(b'"'):
            if x != y: return False
            continue
        comparados += 1
        if x == y: continue
        fx, fy = float(x), float(y)
        relativa = abs(fx - fy) / max(abs(fx), abs(fy))
        if relativa > TOLERANCIA: return False
        distintos, maximo = distintos + 1, max(maximo, relativa)
        peores.append((relativa, nombre, x.decode(), y.decode()))
    with cerrojo:
        numeros["comparados"] += comparados
        numeros["distintos"] += distintos
        numeros["maximo"] = max(numeros["maximo"], maximo)
        numeros["peores"] = sorted(numeros["peores"] + peores, reverse=True)[:10]
    return True


def prueba(binarios, nombre, argumentos, guardados=(None, None), previo=None):
    """Corre lo mismo con ambos binarios y devuelve las diferencias. Cada uno guarda en su ruta de
    `guardados`, que antes se borra o, si hay `previo`, empieza como copia de él."""
    resultados = []
    for binario, salida in zip(binarios, guardados):
        if salida:
            if os.path.exists(salida): os.remove(salida)
            if previo: shutil.copyfile(previo, salida)
        estado, out, err = correr(binario, [salida if x == SALIDA else x for x in argumentos])
        r = {"estado": estado, "salida": out, "errores": limpiar(err, salida)}
        if salida: r["archivo guardado"] = pathlib.Path(salida).read_bytes() if os.path.isfile(salida) else "no existe"
        resultados.append(r)
    viejo, nuevo = resultados
    return [f"{nombre} [{k}]: {diferencia(viejo[k], nuevo[k])}" for k in viejo
            if not (iguales(viejo[k], nuevo[k], nombre) if k == "salida" else viejo[k] == nuevo[k])]


def main():
    parser = argparse.ArgumentParser(description="Compara dos compilaciones de brovel-calc.")
    parser.add_argument("viejo"), parser.add_argument("nuevo")
    parser.add_argument("--carpeta", help="dónde dejar los proyectos (si no, una carpeta temporal)")
    parser.add_argument("--cantidad", type=int, default=1500, help="proyectos a generar (1500)")
    parser.add_argument("--semilla", type=int, default=1234, help="semilla del generador (1234)")
    parser.add_argument("--tolerancia", type=float, default=0.0,
                        help="diferencia relativa admitida en los números de la salida (0: ninguna)")
    parser.add_argument("--campos", action="store_true",
                        help="«ladera» con --campos: compara también el texto de cada campo")
    a = parser.parse_args()
    global TOLERANCIA
    TOLERANCIA = a.tolerancia
    binarios = []
    for orden in (a.viejo, a.nuevo):
        partes = shlex.split(orden)
        b = partes[-1] if len(partes) > 1 else partes[0]
        b = os.path.abspath(b) if os.sep in b else shutil.which(b) or b
        if not os.path.isfile(b) or (len(partes) == 1 and not os.access(b, os.X_OK)):
            sys.exit(f"comparar-calc: no es un ejecutable: {b}")
        binarios.append(shlex.join(partes[:-1] + [b]) if len(partes) > 1 else shlex.quote(b))
    inicio = time.monotonic()
    carpeta = os.path.abspath(a.carpeta or tempfile.mkdtemp(prefix="comparar-calc-"))
    proyectos = os.path.join(carpeta, "proyectos")
    guardados = [os.path.join(carpeta, "guardados-viejo"), os.path.join(carpeta, "guardados-nuevo")]
    for c in [proyectos] + guardados: os.makedirs(c, exist_ok=True)
    rutas = generar(proyectos, a.cantidad, a.semilla)

    # La ladera nueva, las tablas y, por cada archivo, abrirlo y guardarlo.
    salida = lambda nombre: [os.path.join(g, nombre) for g in guardados]
    pruebas = [("ladera", ["ladera"]), ("ladera --guardar", ["ladera", "--guardar", SALIDA], salida("nuevo.bvx")),
               ("ladera --guardar imposible", ["ladera", "--guardar", os.path.join(carpeta, "no", "hay.bvx")]),
               ("tabla", ["tabla"]), ("tabla desconocida", ["tabla", "NOHAY"])]
    codigos = []
    for b in binarios:
        try: codigos += [t["codigo"] for t in json.loads(correr(b, ["tabla"])[1]) if t["codigo"] not in codigos]
        except (ValueError, TypeError, KeyError): print(f"comparar-calc: lista de tablas ilegible en {b}")
    pruebas += [(f"tabla {c}", ["tabla", c]) for c in codigos]
    pruebas += [(f"tabla --todo {c}", ["tabla", "--todo", c]) for c in codigos]
    campos = ["--campos"] if a.campos else []
    pruebas.append(("ladera --campos", ["ladera", *campos]))
    for i, ruta in enumerate(rutas):
        nombre = os.path.basename(ruta)
        pruebas.append((nombre, ["ladera", *campos, ruta]))
        pruebas.append((f"{nombre} --guardar", ["ladera", "--guardar", SALIDA, ruta], salida(f"{i:04d}.bvx")))
        if i % 5 == 0 and os.path.isfile(ruta):  # guardar encima de una copia: se actualiza, no se reemplaza
            pruebas.append((f"{nombre} --guardar encima", ["ladera", "--guardar", SALIDA, ruta],
                            salida(f"{i:04d}-encima.bvx"), ruta))

    # Los proyectos con la escorrentía de Zumbrel, en lote y en CSV, y barridos.
    modos = ["extrema", "evento", "ambos"]
    for i, ruta in enumerate(rutas[7::9]):
        pruebas.append((f"{os.path.basename(ruta)} --zumbrel", ["ladera", *campos, "--zumbrel", modos[i % 3], ruta]))
    archivos = [r for r in rutas if os.path.isfile(r)]
    for k in range(0, len(archivos), 200):
        pruebas.append((f"lote {k}", ["lote", *archivos[k:k + 200]]))
        pruebas.append((f"lote --csv {k}", ["lote", "--csv", "--zumbrel", modos[k % 3], *archivos[k:k + 200]]))
    rng = random.Random(a.semilla)
    for k, ruta in enumerate(archivos[:40]):
        variar = ["--variar", f"Geometria.Longitud={rng.choice(['1', '10'])}:{rng.choice(['60', '120'])}:"
                  f"{rng.choice(['5', '7.5'])}", "--variar", f"Geometria.Declive=0:{rng.choice(['9', '40'])}:3"]
        pruebas.append((f"barrido {k}", ["barrido", ruta, *variar] + (["--csv"] if k % 2 else [])))
    # La escorrentía de cuencas y tormentas al azar, con valores dentro y fuera de rango.
    for k in range(300):
        argumentos = ["escorrentia"]
        for opcion, desde, hasta in [("--distancia", 0.1, 60), ("--desnivel", 1, 2000), ("--area", 0.01, 3000),
                                     ("--paso", 0.5, 120), ("--nc", 30, 100), ("--abstraccion", 0, 30)]:
            if rng.random() < 0.6: argumentos += [opcion, num(rng, rng.uniform(desde, hasta))]
        if rng.random() < 0.1: argumentos += [rng.choice(["--nc", "--paso", "--area"]), rng.choice(["0", "-5", "150"])]
        if rng.random() < 0.5: argumentos += ["--uso", str(rng.randrange(4))]
        if rng.random() < 0.3: argumentos.append("--acumulada")
        if rng.random() < 0.8:
            alturas = [num(rng, rng.choice([0, rng.uniform(0, 80)])) for _ in range(rng.randint(1, 100))]
            argumentos += ["--lluvia", ",".join(sorted(alturas, key=float) if "--acumulada" in argumentos else alturas)]
        pruebas.append((f"escorrentia {k}", argumentos))

    with concurrent.futures.ThreadPoolExecutor(os.cpu_count() or 2) as hilos:
        diferencias = list(hilos.map(lambda p: prueba(binarios, *p), pruebas))
    fallidas = sum(1 for lineas in diferencias if lineas)
    for linea in itertools.chain.from_iterable(diferencias): print(linea)
    if not a.carpeta and not fallidas: shutil.rmtree(carpeta)
    print(f"{len(rutas)} archivos, {len(pruebas)} pruebas en {time.monotonic() - inicio:.0f} s"
          + (f"; los archivos quedan en {carpeta}" if fallidas else ""))
    if TOLERANCIA:
        print(f"números comparados: {numeros['comparados']}, distintos: {numeros['distintos']}, "
              f"diferencia relativa máxima: {numeros['maximo']:.3g}")
        for relativa, nombre, x, y in numeros["peores"]:
            print(f"  {relativa:.3g}  {nombre}: {x} / {y}")
    print(f"{len(pruebas) - fallidas} passed, {fallidas} failed")
    return 1 if fallidas else 0


if __name__ == "__main__":
    sys.exit(main())
