// The project file of the slope window: New, Open, Save and Save as, and the one
// walk over the file's entries that both reads and writes them, so that every key
// is written down once, in the file's order.
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QRadioButton>
#include <QStandardPaths>

#include <algorithm>
#include <string>

#include "docs/ArchivoIni.h"
#include "ui/Escritorio.h"
#include "ui/fields/Unidades.h"
#include "ui/windows/LecturaCampos.h"
#include "ui/windows/MainBrovel.h"
#include "ui/windows/Marco.h"

namespace brovel {

namespace {

const QString kSufijoProyecto = QStringLiteral("bvx");
const QString kFiltroProyecto = QStringLiteral("Proyecto Brovel (*.bvx)");

// Where the file dialogs start: beside the program when it may write there (run
// from its build folder), else the user's documents, since an installed program's
// folder is read-only.
QString CarpetaDeProyectos() {
    const QString programa = RutaJuntoAlPrograma(QString());
    if (QFileInfo(programa).isWritable()) return programa;
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

}  // namespace

// Reads the entries into the window, or writes them from it. Reading goes through
// the controls as the user would: options and check boxes run their handlers,
// fields their change handlers, so every tab recomputes as during editing. Lists
// and step counts are set without running handlers; arrays go straight into the
// model.
class TRecorridoProyecto {
public:
    TRecorridoProyecto(TArchivoIni& ini, bool leyendo) : ini_(ini), leyendo_(leyendo) {}

    bool Leyendo() const { return leyendo_; }
    void Seccion(const char* seccion) { seccion_ = seccion; }

    void Campo(const std::string& clave, TUnidades* campo, double porDefecto) {
        if (leyendo_)
            campo->SetBaseValue(ini_.LeerReal(seccion_, clave, porDefecto));
        else
            ini_.EscribirReal(seccion_, clave, LeerCampo(campo));
    }

    // The option chosen among `botones`, 1 for the first; 0 when none is chosen,
    // or when the file names none of them.
    int Opcion(const char* clave, std::initializer_list<QRadioButton*> botones, int porDefecto) {
        const int n = static_cast<int>(botones.size());
        if (leyendo_) {
            const int opcion = ini_.LeerEntero(seccion_, clave, porDefecto);
            if (opcion < 1 || opcion > n) return 0;
            botones.begin()[opcion - 1]->setChecked(true);
            return opcion;
        }
        for (int i = 0; i < n; ++i) {
            if (!botones.begin()[i]->isChecked()) continue;
            ini_.EscribirEntero(seccion_, clave, i + 1);
            return i + 1;
        }
        return 0;
    }

    // The entry chosen in a list, from 0. An index the list does not have reads as
    // the entry's default, so the list always shows a choice.
    int Lista(const char* clave, QComboBox* lista, int porDefecto) {
        if (leyendo_) {
            int indice = ini_.LeerEntero(seccion_, clave, porDefecto);
            if (indice < 0 || indice >= lista->count()) indice = porDefecto;
            lista->setCurrentIndex(indice);
        } else {
            ini_.EscribirEntero(seccion_, clave, lista->currentIndex());
        }
        return lista->currentIndex();
    }

    // A count of steps or hyetographs, brought into 1..20 on reading so that
    // nothing is read or written past the arrays.
    int Cantidad(const char* clave, QComboBox* selector, int porDefecto) {
        if (leyendo_) {
            const int cantidad = std::clamp(ini_.LeerEntero(seccion_, clave, porDefecto), 1, kMaxElementos);
            selector->setCurrentIndex(cantidad - 1);
            return cantidad;
        }
        const int cantidad = AcotarCantidad(selector->currentIndex() + 1);
        ini_.EscribirEntero(seccion_, clave, cantidad);
        return cantidad;
    }

    bool Casilla(const char* clave, QCheckBox* casilla, bool porDefecto) {
        if (leyendo_)
            casilla->setChecked(ini_.LeerBooleano(seccion_, clave, porDefecto));
        else
            ini_.EscribirBooleano(seccion_, clave, casilla->isChecked());
        return casilla->isChecked();
    }

    void Valor(const std::string& clave, double& valor, double porDefecto) {
        if (leyendo_)
            valor = ini_.LeerReal(seccion_, clave, porDefecto);
        else
            ini_.EscribirReal(seccion_, clave, valor);
    }

    // Entries 1..n of an array under `prefijo` followed by the position.
    void Serie(const char* prefijo, TSerie& serie, int n, double porDefecto) {
        for (int k = 1; k <= AcotarCantidad(n); ++k) Valor(prefijo + std::to_string(k), serie[k], porDefecto);
    }

    TArchivoIni& Ini() { return ini_; }
    const char* SeccionActual() const { return seccion_; }

private:
    TArchivoIni& ini_;
    bool leyendo_;
    const char* seccion_ = "";
};

void TMainFormBrovel::RecorrerProyecto(TRecorridoProyecto& p) {
    TEstadoBrovel& e = Estado;

    p.Seccion("Geometria");
    p.Campo("Declive", euDt, 6);
    p.Campo("Longitud", euLt, 60);

    p.Seccion("Suelo");
    switch (p.Opcion("Opcion", {rbCrr, rbDm, rbCyT}, 1)) {
        case 1: {
            if (p.Leyendo()) {
                // A curve of more points than the model holds is cut to its size.
                const double puntos = p.Ini().LeerReal("Suelo", "Cant_puntos", 9);
                euCpcg->SetBaseValue(std::clamp(puntos, 0.0, double(kMaxElementos)));
            } else {
                p.Campo("Cant_puntos", euCpcg, 9);
            }
            const int n = CantidadDeCampo(euCpcg);
            for (int i = 1; i <= n; ++i) {
                p.Valor("diam_punto_" + std::to_string(i), e.Dg[i], 4.76);
                p.Valor("porc_pasa_" + std::to_string(i), e.Pp[i], 100);
            }
            break;
        }
        case 2:
            p.Campo("Diametro_medio", euDm, 0.05);
            break;
        case 3:
            p.Lista("Clase_estr", cbCspe, 0);
            p.Campo("P_limos", euPl, 60);
            p.Campo("P_limos_mod", euPlm, 80);
            p.Campo("P_arenas", euPa, 30);
            p.Campo("P_matorg", euPmo, 5);
            p.Lista("Clase_perm", cbCspp, 0);
            break;
    }
    p.Campo("Humedad", euShs, 1);
    p.Casilla("Descongelamiento", cbD, false);
    p.Campo("Biomasa", euBvs, 60);
    p.Campo("Biomasa_res", euBrvs, 5);

    p.Seccion("Forzantes");
    switch (p.Opcion("Opcion", {rbHr, rbSh, rbPre, rbFelle}, 1)) {
        case 1: {
            p.Campo("Paso_temporal", euPth, 1);
            const int pasos = p.Cantidad("Pasos_hieto", cbCph, 1);
            p.Campo("Cantidad_tormentas", euCta, 1);
            p.Serie("cant_lluvia_", e.Cll1[1], pasos, 1);
            if (p.Leyendo()) LlenarCombo(cbPhn, pasos);
            break;
        }
        case 2: {
            p.Campo("Paso_temporal", euPths, 1);
            const int hietogramas = p.Cantidad("Cantidad_hieto", cbCh, 1);
            const int pasos = p.Cantidad("Pasos_hieto", cbCph2, 1);
            p.Campo("Cantidad_tormentas", euCta, 1);
            if (p.Leyendo()) LlenarCombo(cbHn, hietogramas);
            SerieDeHietogramas(p, hietogramas, pasos);
            if (p.Leyendo()) LlenarCombo(cbPhn2, pasos);
            break;
        }
        case 3:
            p.Campo("Energia_tormenta", euEt, 1);
            p.Campo("Max_int_30min", euMi30m, 1);
            p.Campo("Cantidad_tormentas", euCta, 1);
            break;
        case 4:
            p.Campo("Factor_ele", euFele, 1);
            break;
    }
    switch (p.Opcion("Opcion2", {rbHdlt, rbCe}, 1)) {
        case 1: {
            p.Campo("Paso_temporal2", euPth2, 1);
            const int pasos = p.Cantidad("Pasos_hieto2", cbCph3, 1);
            p.Serie("cant_lluvia_extr_", e.Cll2, pasos, 1);
            if (p.Leyendo()) LlenarCombo(cbPhn3, pasos);
            break;
        }
        case 2:
            p.Campo("Cantidad_escorrentia", euCe, 1);
            break;
    }
    switch (p.Opcion("Opcion3", {rbHdlt2, rbPrde}, 1)) {
        case 1: {
            p.Campo("Paso_temporal3", euPth3, 1);
            const int pasos = p.Cantidad("Pasos_hieto3", cbCph4, 1);
            p.Serie("cant_lluvia_event_", e.Cll3, pasos, 1);
            if (p.Leyendo()) LlenarCombo(cbPhn4, pasos);
            break;
        }
        case 2:
            p.Campo("Volumen_precip", euVp, 1);
            p.Campo("Caudal_pico", euCp, 1);
            break;
    }

    p.Seccion("Condicionantes");
    p.Campo("Fraccion_cubierta", euFatc, 1);
    p.Campo("Altura_follaje", euAmf, 1);
    if (p.Casilla("Labranza", cbHl, true)) {
        p.Campo("Tiempo_operaciones", euTtfo, 1);
        p.Campo("Fraccion_operaciones", euFapo, 1);
    }
    if (p.Casilla("Mulching", cbHm, true)) {
        p.Campo("Relacion_residuo", euRacmr, 1);
        p.Campo("Peso_residuo", euPsrua, 1);
        p.Lista("Mecanismo", cbMde, 1);
    }
    const bool practicas = p.Casilla("Practica_soporte", cbHmg, true);
    if (practicas) {
        p.Lista("Tipo_practica", cbTp, 1);
        // The inputs shown, and those the model reads, must be the loaded practice's.
        if (p.Leyendo()) cbTpChange();
        switch (cbTp->currentIndex()) {
            case 0:
                p.Campo("Pendiente_surcos", euPs, 1);
                p.Campo("Altura_lomo", euAl, 1);
                break;
            case 1:
                p.Campo("Factor_soporte", euFps, LeerCampo(euFps));
                break;
            case 2:
                p.Campo("Espacio_terrazas", euEet, 1);
                p.Campo("Pendiente_terrazas", euPt, 1);
                break;
            case 3:
                p.Campo("Tiempo_perturbado", euTfp, 1);
                p.Campo("Constante_consolidacion", euCtc, 1);
                p.Campo("Lluvia_infiltrada", euFliii, 1);
                break;
        }
    }

    p.Seccion("Disipacion");
    if (practicas && cbTp->currentIndex() == 0) p.Campo("Manning_terreno", euCmst, 1);
    if (practicas && cbTp->currentIndex() == 3) p.Campo("Indice_rugosidad", euIrst, 1);
    p.Campo("Rugosidad_terreno", euRast, 1);
}

// Every step of every hyetograph under "cant_lluvia_H_K". Files that hold one
// amount per hyetograph, under "cant_lluvia_H", give it to all its steps; the
// writer keeps that entry too, with the last step's amount, for them.
void TMainFormBrovel::SerieDeHietogramas(TRecorridoProyecto& p, int hietogramas, int pasos) {
    const std::string seccion = p.SeccionActual();
    TArchivoIni& ini = p.Ini();
    for (int h = 1; h <= AcotarCantidad(hietogramas); ++h) {
        const std::string unico = "cant_lluvia_" + std::to_string(h);
        TSerie& serie = Estado.Cll1[h];
        if (p.Leyendo()) {
            const double comun = ini.LeerReal(seccion, unico, 1);
            for (int k = 1; k <= AcotarCantidad(pasos); ++k)
                serie[k] = ini.LeerReal(seccion, unico + "_" + std::to_string(k), comun);
        } else {
            p.Serie((unico + "_").c_str(), serie, pasos, 1);
            ini.EscribirReal(seccion, unico, serie[AcotarCantidad(pasos)]);
        }
    }
}

bool TMainFormBrovel::AbrirProyecto(const QString& ruta, QString* motivo) {
    RutaProyecto = ruta;
    NombreProyecto = QFileInfo(ruta).fileName();
    setWindowTitle(QStringLiteral("Brovel - ") + QFileInfo(ruta).completeBaseName());
    TArchivoIni ini;
    std::string razon;
    const bool leido = ini.Cargar(QFile::encodeName(ruta).toStdString(), &razon);
    if (!leido && motivo) *motivo = QString::fromLocal8Bit(razon);
    // A file that cannot be read loads the defaults of its entries, as an empty one.
    Manejar([&] {
        TRecorridoProyecto recorrido(ini, true);
        RecorrerProyecto(recorrido);
    });
    Manejar([this] {
        MostrarPrimerasEntradas();
        FaltaZumbrel = false;
        // Arrays stored after their tab last recomputed, and lists set without
        // handlers, reach the results only through a full recalculation.
        GeometriaShow();
        SueloShow();
        tsForzantesShow();
        CondicionantesShow();
        DisipacionShow();
        MostrarPestana(PageControl->currentIndex());
        ActualizarEstado();
    });
    return leido;
}

bool TMainFormBrovel::GuardarValores(const QString& ruta, const QString& nombre) {
    setWindowTitle(QStringLiteral("Brovel - ") + QFileInfo(nombre).completeBaseName());
    bool guardado = false;
    Manejar([&] {
        // The file is updated, not replaced: entries of options not chosen now, and
        // anything else it holds, keep their values.
        TArchivoIni ini;
        const std::string destino = QFile::encodeName(ruta).toStdString();
        ini.Cargar(destino);
        TRecorridoProyecto recorrido(ini, false);
        RecorrerProyecto(recorrido);
        ini.Guardar(destino);
        guardado = true;
    });
    return guardado;
}

void TMainFormBrovel::AbrirExecute() {
    const QString ruta = TEscritorio::Actual().ElegirArchivoParaAbrir(this, QStringLiteral("Abrir"), CarpetaDeProyectos(),
                                                                      kFiltroProyecto, kSufijoProyecto);
    if (!ruta.isEmpty()) AbrirProyecto(ruta);
}

void TMainFormBrovel::GuardarExecute() {
    if (NombreProyecto.isEmpty())
        GuardarComoExecute();
    else
        GuardarValores(RutaProyecto, NombreProyecto);
}

void TMainFormBrovel::GuardarComoExecute() {
    const QString ruta = TEscritorio::Actual().ElegirArchivoParaGuardar(
        this, QStringLiteral("Guardar como"), CarpetaDeProyectos(), kFiltroProyecto, kSufijoProyecto);
    if (ruta.isEmpty()) return;
    RutaProyecto = ruta;
    NombreProyecto = QFileInfo(ruta).fileName();
    GuardarValores(RutaProyecto, NombreProyecto);
}

}  // namespace brovel
