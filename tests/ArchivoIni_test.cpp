#include "docs/ArchivoIni.h"
#include "docs/ErroresDelSistema.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <climits>
#include <clocale>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <limits>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include <stdlib.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace brovel {
namespace {

namespace fs = std::filesystem;

// Fifteen digits where they bring the same double back, as files have always been
// written; the digits needed, up to seventeen, where they do not.
TEST(ArchivoIniReales, SeEscribenEnFormatoGeneralConLasCifrasQueVuelven) {
    const std::pair<double, const char*> casos[] = {
        {6, "6"},
        {60, "60"},
        {0.0003, "0.0003"},
        {0.05, "0.05"},
        {0.1, "0.1"},
        {4.76, "4.76"},
        {54.364, "54.364"},
        {1.0 / 3, "0.3333333333333333"},
        {2.0 / 3, "0.6666666666666666"},
        {0.1 + 0.2, "0.30000000000000004"},
        {54.363531569584424, "54.363531569584424"},
        {-2.5, "-2.5"},
        {0, "0"},
        {-0.0, "0"},
        // Scientific where "%.15g" is: below 1E-4, or 15 digits before the point.
        {0.0001, "0.0001"},
        {0.00001, "1E-5"},
        {-2.5E-7, "-2.5E-7"},
        {999999999999999.0, "999999999999999"},
        {1E15, "1E15"},
        {1.5E20, "1.5E20"},
        {123456789012345678.0, "1.2345678901234568E17"},
        {1E-300, "1E-300"},
        {-1.25E300, "-1.25E300"},
        {std::numeric_limits<double>::denorm_min(), "4.94065645841247E-324"},
        {std::numeric_limits<double>::max(), "1.7976931348623157E308"},
        {-std::numeric_limits<double>::max(), "-1.7976931348623157E308"},
        {std::numeric_limits<double>::min(), "2.2250738585072014E-308"},
    };
    for (const auto& [valor, texto] : casos) {
        EXPECT_EQ(RealComoTextoIni(valor), texto);
        // What is written reads back as the same number.
        EXPECT_EQ(LeerRealIni(texto), valor) << texto;
    }
}

TEST(ArchivoIniReales, LoQueNoEsFinitoSeEscribeConPalabrasQueNoSeLeen) {
    const std::pair<double, const char*> casos[] = {
        {std::numeric_limits<double>::infinity(), "INF"},
        {-std::numeric_limits<double>::infinity(), "-INF"},
        {std::numeric_limits<double>::quiet_NaN(), "NAN"},
    };
    for (const auto& [valor, texto] : casos) {
        EXPECT_EQ(RealComoTextoIni(valor), texto);
        EXPECT_FALSE(LeerRealIni(texto).has_value()) << texto;
    }
}

TEST(ArchivoIniReales, SoloSeLeeUnNumeroDecimalCompleto) {
    const std::pair<const char*, double> buenos[] = {
        {"6", 6},
        {"-0.5", -0.5},
        {".5", 0.5},
        {"-.5", -0.5},
        {"5.", 5},
        {"+3", 3},
        {"1e-05", 1E-5},
        {"1E-5", 1E-5},
        {"1.5E20", 1.5E20},
        {"1E+4", 1E4},
        {" 4.76\t", 4.76},
        {"007", 7},
        {"4.94065645841247E-324", std::numeric_limits<double>::denorm_min()},
    };
    for (const auto& [texto, valor] : buenos) EXPECT_EQ(LeerRealIni(texto), valor) << '"' << texto << '"';

    const char* malos[] = {"",   " ",  "abc", "1,5", "6x", "nan",  "inf",   "-inf",  "+-1",   "--1",   "-+1",
                           "1e", "E5", ".",   "-",   "+",  "0x10", "1 000", "1.2.3", "1e400", "1e-400"};
    for (const char* texto : malos) EXPECT_FALSE(LeerRealIni(texto).has_value()) << '"' << texto << '"';
}

// Under a locale with a decimal comma the file still has points.
TEST(ArchivoIniReales, NoDependenDeLaConfiguracionRegional) {
    const std::string anterior = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, "es_ES.UTF-8")) GTEST_SKIP() << "esta máquina no tiene es_ES.UTF-8";
    TArchivoIni ini;
    ini.CargarTexto("[A]\nx=1.5\ny=1,5\n");
    ini.EscribirReal("A", "z", 4.76);
    EXPECT_EQ(ini.LeerReal("A", "x", 0), 1.5);
    EXPECT_EQ(ini.LeerReal("A", "y", -1), -1);
    EXPECT_EQ(ini.Texto(), "[A]\r\nx=1.5\r\ny=1,5\r\nz=4.76\r\n");
    std::setlocale(LC_ALL, anterior.c_str());
}

TEST(ArchivoIni, UnDocumentoNuevoSeEscribeConCrLfSinBlancosNiMarca) {
    TArchivoIni ini;
    EXPECT_EQ(ini.Texto(), "");
    ini.EscribirReal("Geometria", "Declive", 6);
    ini.EscribirReal("Geometria", "Longitud", 60);
    EXPECT_EQ(ini.Texto(), "[Geometria]\r\nDeclive=6\r\nLongitud=60\r\n");
    // One blank line between sections.
    ini.EscribirEntero("Suelo", "Textura", 3);
    ini.EscribirBooleano("Suelo", "Pedregoso", true);
    ini.EscribirBooleano("Suelo", "Costra", false);
    ini.EscribirEntero("Suelo", "Minimo", INT_MIN);
    EXPECT_EQ(ini.Texto(),
              "[Geometria]\r\nDeclive=6\r\nLongitud=60\r\n"
              "\r\n"
              "[Suelo]\r\nTextura=3\r\nPedregoso=1\r\nCostra=0\r\nMinimo=-2147483648\r\n");
}

TEST(ArchivoIni, LasSeccionesYLasClavesNoDistinguenMayusculas) {
    TArchivoIni ini;
    ini.CargarTexto("[Geometria]\nDeclive=6\n");
    EXPECT_TRUE(ini.Tiene("GEOMETRIA", "declive"));
    EXPECT_FALSE(ini.Tiene("Geometria", "Longitud"));
    EXPECT_FALSE(ini.Tiene("Suelo", "Declive"));
    EXPECT_EQ(ini.LeerReal("geometria", "DECLIVE", 0), 6);
    // The name keeps the file's spelling.
    ini.EscribirReal("GEOMETRIA", "declive", 7);
    EXPECT_EQ(ini.Texto(), "[Geometria]\r\nDeclive=7\r\n");
}

// A line the program added is found and written again like one the file had,
// after more lines have gone in around it; loading again forgets it all.
TEST(ArchivoIni, LoEscritoSeVuelveAEncontrarYCargarDeNuevoLoOlvida) {
    TArchivoIni ini;
    ini.CargarTexto("[Suelo]\nK=0.05\n");
    ini.EscribirReal("Geometria", "Declive", 6);
    for (int i = 0; i < 40; ++i) ini.EscribirEntero("Geometria", "Punto" + std::to_string(i), i);
    ini.EscribirReal("GEOMETRIA", "declive", 7);
    ini.EscribirEntero("geometria", "PUNTO3", 33);
    EXPECT_EQ(ini.LeerReal("geometria", "Declive", 0), 7);
    EXPECT_EQ(ini.LeerEntero("Geometria", "punto3", 0), 33);
    const std::string texto = ini.Texto();
    EXPECT_EQ(texto.find("Declive=6"), std::string::npos) << texto;
    EXPECT_NE(texto.find("[Geometria]\r\nDeclive=7\r\nPunto0=0\r\n"), std::string::npos) << texto;
    EXPECT_NE(texto.find("Punto2=2\r\nPunto3=33\r\nPunto4=4\r\n"), std::string::npos) << texto;
    EXPECT_EQ(ini.Secciones(), (std::vector<std::string>{"suelo", "geometria"}));

    ini.CargarTexto("[Otra]\nA=1\n");
    EXPECT_FALSE(ini.Tiene("Geometria", "Declive"));
    EXPECT_FALSE(ini.Tiene("Suelo", "K"));
    EXPECT_EQ(ini.LeerEntero("otra", "a", 0), 1);
    EXPECT_EQ(ini.Texto(), "[Otra]\r\nA=1\r\n");
}

// Names of any length, short or long, are found whatever their case.
TEST(ArchivoIni, LosNombresLargosSeEncuentranIgual) {
    struct Caso {
        const char* nombre;
        size_t largoSeccion;
        size_t largoClave;
    };
    for (const Caso& caso : {Caso{"Cortos", 5, 5}, Caso{"JustoEnElLimite", 60, 67}, Caso{"UnoMasDelLimite", 60, 68},
                             Caso{"SeccionLarga", 300, 4}, Caso{"ClaveLarga", 4, 300}}) {
        const std::string seccion = "Sec" + std::string(caso.largoSeccion - 3, 'X');
        const std::string clave = "Cla" + std::string(caso.largoClave - 3, 'Y');
        TArchivoIni ini;
        ini.CargarTexto("[" + seccion + "]\n" + clave + "=2.5\n");
        std::string seccionMinuscula = seccion;
        std::transform(seccionMinuscula.begin(), seccionMinuscula.end(), seccionMinuscula.begin(), ::tolower);
        EXPECT_EQ(ini.LeerReal(seccionMinuscula, clave, 0), 2.5) << caso.nombre;
        EXPECT_TRUE(ini.Tiene(seccion, clave)) << caso.nombre;
        EXPECT_FALSE(ini.Tiene(seccion, clave + "Z")) << caso.nombre;
    }
}

// A file written elsewhere: comments, sections and keys this program does not
// know, blanks around "=", a line that is no entry.
constexpr const char* kAjeno =
    "\xEF\xBB\xBF; Proyecto de Brovel\r\n"
    "\r\n"
    "[Geometria]\r\n"
    "Declive = 6\r\n"
    "Forma=Uniforme\r\n"
    "; en metros\r\n"
    "Longitud=60\r\n"
    "sin igual\r\n"
    "\r\n"
    "; de otra version\r\n"
    "[Extra]\r\n"
    "Nombre=Ladera \321a\r\n"
    "Vacio=\r\n"
    "\r\n"
    "[Suelo]\r\n"
    "K=0.05\r\n"
    "\r\n"
    "; fin\r\n";

TEST(ArchivoIni, EscribirConservaElOrdenLosComentariosYLoDesconocido) {
    TArchivoIni ini;
    ini.CargarTexto(kAjeno);
    ini.EscribirReal("geometria", "declive", 7.5);
    ini.EscribirReal("Geometria", "Ancho", 3);
    ini.EscribirEntero("Cuenca", "Area", 12);
    // Only the lines written change; a new key follows its section's last entry, a
    // new section goes at the end. The byte-order mark stays where it was.
    const std::string esperado =
        "\xEF\xBB\xBF; Proyecto de Brovel\r\n"
        "\r\n"
        "[Geometria]\r\n"
        "Declive=7.5\r\n"
        "Forma=Uniforme\r\n"
        "; en metros\r\n"
        "Longitud=60\r\n"
        "Ancho=3\r\n"
        "sin igual\r\n"
        "\r\n"
        "; de otra version\r\n"
        "[Extra]\r\n"
        "Nombre=Ladera \321a\r\n"
        "Vacio=\r\n"
        "\r\n"
        "[Suelo]\r\n"
        "K=0.05\r\n"
        "\r\n"
        "; fin\r\n"
        "\r\n"
        "[Cuenca]\r\n"
        "Area=12\r\n";
    EXPECT_EQ(ini.Texto(), esperado);

    TArchivoIni releido;
    releido.CargarTexto(esperado);
    EXPECT_EQ(releido.Texto(), esperado);
}

// Lines the program does not own come back as they were, whatever they hold; of
// several equal keys the first is read and written, the others stay.
TEST(ArchivoIni, LoQueNoEsDelProgramaQuedaByteAByte) {
    static const char kTexto[] =
        "[Geometria]\r\n"
        "Declive=6\r\n"
        "declive=99\r\n"
        "una nota sin igual\r\n"
        "# otra nota\r\n"
        "Nota=antes\0despues=1\r\n"
        "\0binario\xff\xfe\r\n"
        "   \r\n"
        "[Otra]\r\n"
        "Declive=5\r\n"
        "[GEOMETRIA]\r\n"
        "Longitud=60\r\n"
        "Longitud=61\r\n";
    const std::string ajeno(kTexto, sizeof kTexto - 1);
    TArchivoIni ini;
    ini.CargarTexto(ajeno);
    EXPECT_EQ(ini.LeerReal("Geometria", "Declive", 0), 6);
    EXPECT_EQ(ini.LeerReal("Geometria", "Longitud", 0), 60);
    EXPECT_EQ(ini.LeerReal("Otra", "Declive", 0), 5);
    EXPECT_EQ(ini.Texto(), ajeno);

    ini.EscribirReal("Geometria", "Declive", 7);
    ini.EscribirReal("Geometria", "Longitud", 70);
    std::string esperado = ajeno;
    esperado.replace(esperado.find("Declive=6"), 9, "Declive=7");
    esperado.replace(esperado.find("Longitud=60"), 11, "Longitud=70");
    EXPECT_EQ(ini.Texto(), esperado);
}

// A number that is not finite is never written: the entry keeps its text.
TEST(ArchivoIni, LoQueNoEsFinitoNoSeEscribe) {
    for (const double valor : {std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
                               std::numeric_limits<double>::quiet_NaN()}) {
        TArchivoIni ini;
        ini.CargarTexto("[A]\nx=1.5\n");
        EXPECT_FALSE(ini.EscribirReal("A", "x", valor)) << valor;
        EXPECT_FALSE(ini.EscribirReal("A", "nueva", valor)) << valor;
        EXPECT_EQ(ini.Texto(), "[A]\r\nx=1.5\r\n") << valor;
    }
    TArchivoIni ini;
    EXPECT_TRUE(ini.EscribirReal("A", "x", std::numeric_limits<double>::max()));
    EXPECT_EQ(ini.LeerReal("A", "x", 0), std::numeric_limits<double>::max());
}

// Lines end in CR LF once written; a leading byte-order mark is kept, as every
// other byte the program does not own.
TEST(ArchivoIni, LeeFinesDeLineaLfCrYCrLfConOSinMarca) {
    const std::string sinMarca = "; c\r\n\r\n[A]\r\nx=1.5\r\n[B]\r\ny=2\r\n";
    const char* textos[] = {
        "; c\n\n[A]\nx=1.5\n[B]\ny=2\n",
        "; c\r\n\r\n[A]\r\nx=1.5\r\n[B]\r\ny=2\r\n",
        "\xEF\xBB\xBF; c\n\n[A]\nx=1.5\n[B]\ny=2",
        "\xEF\xBB\xBF; c\r\n\r\n[A]\r\nx=1.5\r\n[B]\r\ny=2\r\n",
        // A lone CR ends a line too, and ends may be mixed.
        "; c\r\r[A]\rx=1.5\r[B]\ry=2",
        "; c\r\n\n[A]\rx=1.5\n[B]\r\ny=2\r",
    };
    for (const char* texto : textos) {
        TArchivoIni ini;
        ini.CargarTexto(texto);
        EXPECT_EQ(ini.LeerReal("A", "x", 0), 1.5) << texto;
        EXPECT_EQ(ini.LeerEntero("B", "y", 0), 2) << texto;
        const bool conMarca = std::string_view(texto).starts_with("\xEF\xBB\xBF");
        EXPECT_EQ(ini.Texto(), (conMarca ? "\xEF\xBB\xBF" : "") + sinMarca) << texto;
    }
}

// The value in the file (nullptr: no such key) and what each reading gives;
// nothing means the value is not that kind of number, so the default is given.
struct CasoLectura {
    const char* valor;
    std::optional<double> real;
    std::optional<int> entero;
    std::optional<bool> booleano;
};

TEST(ArchivoIni, LoAusenteOIlegibleDaElValorPorDefecto) {
    const CasoLectura casos[] = {
        {"6", 6, 6, true},
        {"0", 0, 0, false},
        {"-3", -3, -3, true},
        {"+7", 7, 7, true},
        {"2147483647", 2147483647.0, INT_MAX, true},
        {"-2147483648", -2147483648.0, INT_MIN, true},
        {"2147483648", 2147483648.0, {}, {}},
        {"1.5", 1.5, {}, {}},
        {"1e3", 1000, {}, {}},
        {"0x10", {}, {}, {}},
        {"abc", {}, {}, {}},
        {"", {}, {}, {}},
        {"1,5", {}, {}, {}},
        {nullptr, {}, {}, {}},
    };
    for (const auto& c : casos) {
        TArchivoIni ini;
        ini.CargarTexto(c.valor ? std::string("[A]\nv=") + c.valor + "\n" : "[A]\notra=1\n");
        const std::string caso = c.valor ? c.valor : "(sin clave)";
        EXPECT_EQ(ini.Tiene("A", "v"), c.valor != nullptr) << caso;
        EXPECT_EQ(ini.LeerReal("A", "v", -99.5), c.real.value_or(-99.5)) << caso;
        EXPECT_EQ(ini.LeerEntero("A", "v", -99), c.entero.value_or(-99)) << caso;
        EXPECT_EQ(ini.LeerBooleano("A", "v", true), c.booleano.value_or(true)) << caso;
        EXPECT_EQ(ini.LeerBooleano("A", "v", false), c.booleano.value_or(false)) << caso;
    }
}

std::string LeerBytes(const fs::path& ruta) {
    std::ifstream archivo(ruta, std::ios::binary);
    return {std::istreambuf_iterator<char>(archivo), std::istreambuf_iterator<char>()};
}

void EscribirBytes(const fs::path& ruta, const std::string& bytes) { std::ofstream(ruta, std::ios::binary) << bytes; }

// Every entry under a folder: its kind, permissions and, for files, content.
// Only regular files are read.
std::map<std::string, std::string> Contenido(const fs::path& carpeta) {
    std::map<std::string, std::string> entradas;
    for (const auto& entrada : fs::recursive_directory_iterator(carpeta)) {
        const auto permisos = std::to_string(static_cast<int>(entrada.status().permissions()));
        // A pipe or a device is not read: its kind is what must not change.
        const auto estado = entrada.symlink_status();
        std::string que;
        if (fs::is_symlink(estado))
            que = "enlace " + fs::read_symlink(entrada.path()).string();
        else if (fs::is_directory(estado))
            que = "carpeta " + permisos;
        else if (fs::is_regular_file(estado))
            que = permisos + " " + LeerBytes(entrada.path());
        else
            que = "especial " + std::to_string(static_cast<int>(estado.type()));
        entradas[fs::relative(entrada.path(), carpeta).string()] = que;
    }
    return entradas;
}

std::string MensajeDeFallo(const fs::path& ruta, int error) {
    return "No se pudo guardar \"" + ruta.string() + "\": " + TextoDelError(error);
}

class ArchivoIniEnDisco : public ::testing::Test {
protected:
    void SetUp() override {
        std::string plantilla = (fs::temp_directory_path() / "brovel-ini-XXXXXX").string();
        ASSERT_NE(::mkdtemp(plantilla.data()), nullptr) << std::strerror(errno);
        carpeta_ = plantilla;
        ini_.CargarTexto("; Brovel\n[Geometria]\nDeclive=6\nLongitud=60\n");
    }
    void TearDown() override {
        std::error_code ignorado;
        fs::remove_all(carpeta_, ignorado);
    }

    fs::path carpeta_;
    TArchivoIni ini_;
};

TEST_F(ArchivoIniEnDisco, UnArchivoNuevoTieneLosPermisosDeCualquierArchivoNuevo) {
    const fs::path ruta = carpeta_ / "ladera.bvx";
    const mode_t anterior = ::umask(027);
    ini_.Guardar(ruta.string());
    ::umask(anterior);

    EXPECT_EQ(LeerBytes(ruta), ini_.Texto());
    struct stat datos {};
    ASSERT_EQ(::stat(ruta.c_str(), &datos), 0);
    EXPECT_EQ(datos.st_mode & 07777, 0640u);
    EXPECT_EQ(Contenido(carpeta_).size(), 1u);
}

TEST_F(ArchivoIniEnDisco, ReemplazaElArchivoConservandoSusPermisosSinDejarTemporales) {
    const fs::path ruta = carpeta_ / "ladera.bvx";
    EscribirBytes(ruta, std::string(1000, 'x'));
    ASSERT_EQ(::chmod(ruta.c_str(), 0604), 0);

    ini_.Guardar(ruta.string());

    EXPECT_EQ(LeerBytes(ruta), ini_.Texto());
    struct stat datos {};
    ASSERT_EQ(::stat(ruta.c_str(), &datos), 0);
    EXPECT_EQ(datos.st_mode & 07777, 0604u);
    EXPECT_EQ(Contenido(carpeta_).size(), 1u);
}

// Saving through a symbolic link writes the file it points to; the link stays.
TEST_F(ArchivoIniEnDisco, GuardarPorUnEnlaceEscribeElArchivoEnlazado) {
    fs::create_directory(carpeta_ / "proyectos");
    const fs::path real = carpeta_ / "proyectos" / "ladera.bvx";
    EscribirBytes(real, "[Geometria]\r\nDeclive=3\r\n");
    const fs::path enlace = carpeta_ / "atajo.bvx";
    fs::create_symlink(real, enlace);
    ini_.Guardar(enlace.string());
    EXPECT_TRUE(fs::is_symlink(enlace));
    EXPECT_EQ(LeerBytes(real), ini_.Texto());
    EXPECT_EQ(Contenido(carpeta_ / "proyectos").size(), 1u);  // no temporary left
}

TEST_F(ArchivoIniEnDisco, LoGuardadoSeCargaIgual) {
    const fs::path ruta = carpeta_ / "ladera.bvx";
    ini_.EscribirReal("Geometria", "Declive", 0.0003);
    ini_.Guardar(ruta.string());

    TArchivoIni cargado;
    std::string motivo = "sin tocar";
    ASSERT_TRUE(cargado.Cargar(ruta.string(), &motivo));
    EXPECT_EQ(motivo, "sin tocar");
    EXPECT_EQ(cargado.Texto(), ini_.Texto());
    EXPECT_EQ(cargado.LeerReal("Geometria", "Declive", 0), 0.0003);
}

TEST_F(ArchivoIniEnDisco, LoQueNoSePuedeLeerDejaElDocumentoVacio) {
    const std::pair<const char*, int> casos[] = {{"no-existe.bvx", ENOENT}, {"carpeta.bvx", EISDIR}};
    fs::create_directory(carpeta_ / "carpeta.bvx");
    for (const auto& [nombre, error] : casos) {
        TArchivoIni ini;
        ini.CargarTexto("[A]\nx=1\n");
        std::string motivo;
        EXPECT_FALSE(ini.Cargar((carpeta_ / nombre).string(), &motivo)) << nombre;
        EXPECT_EQ(motivo, TextoDelError(error)) << nombre;
        EXPECT_EQ(ini.Texto(), "") << nombre;
        EXPECT_FALSE(ini.Cargar((carpeta_ / nombre).string())) << nombre;
    }
}

// Only a regular file is read, at once and once: a pipe, a device, a folder or a
// file far larger than any project is refused without waiting, and the document
// is left empty. A name that is not there, or a link to nothing, is a new project.
TEST_F(ArchivoIniEnDisco, SoloSeLeeUnArchivoComunDeTamanoRazonable) {
    const fs::path fifo = carpeta_ / "tuberia.bvx";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0) << std::strerror(errno);
    const fs::path grande = carpeta_ / "grande.bvx";
    EscribirBytes(grande, "");
    fs::resize_file(grande, kTamanoMaximoProyecto + 1);
    const fs::path justo = carpeta_ / "justo.bvx";
    EscribirBytes(justo, "[A]\r\nx=2\r\n");
    fs::resize_file(justo, kTamanoMaximoProyecto);
    fs::create_directory(carpeta_ / "carpeta.bvx");
    fs::create_symlink(carpeta_ / "nada.bvx", carpeta_ / "enlace-roto.bvx");
    fs::create_symlink(justo, carpeta_ / "enlace.bvx");

    struct Caso {
        fs::path ruta;
        TCarga carga;
        std::string motivo;
    };
    const Caso casos[] = {
        {fifo, TCarga::Rechazado, "No es un archivo: es una tubería (FIFO)"},
        {"/dev/zero", TCarga::Rechazado, "No es un archivo: es un dispositivo"},
        {"/dev/null", TCarga::Rechazado, "No es un archivo: es un dispositivo"},
        {carpeta_ / "carpeta.bvx", TCarga::Rechazado, TextoDelError(EISDIR)},
        {grande, TCarga::Rechazado, kMensajeDemasiadoGrande},
        {carpeta_ / "no-existe.bvx", TCarga::NoExiste, TextoDelError(ENOENT)},
        {carpeta_ / "enlace-roto.bvx", TCarga::NoExiste, TextoDelError(ENOENT)},
        {justo, TCarga::Leido, ""},
        {carpeta_ / "enlace.bvx", TCarga::Leido, ""},
    };
    const auto antes = Contenido(carpeta_);
    for (const Caso& c : casos) {
        TArchivoIni ini;
        ini.CargarTexto("[A]\nx=1\n");
        std::string motivo;
        EXPECT_EQ(ini.Leer(c.ruta.string(), &motivo), c.carga) << c.ruta;
        EXPECT_EQ(motivo, c.motivo) << c.ruta;
        EXPECT_EQ(ini.LeerReal("A", "x", 0), c.carga == TCarga::Leido ? 2 : 0) << c.ruta;
    }
    EXPECT_EQ(Contenido(carpeta_), antes);
}

// Saving onto anything but a file, a link to one or a new name is refused before a
// byte is written: the special file stays what it was.
TEST_F(ArchivoIniEnDisco, NoSeGuardaSobreLoQueNoEsUnArchivo) {
    const fs::path fifo = carpeta_ / "tuberia.bvx";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0) << std::strerror(errno);
    const fs::path dispositivo = carpeta_ / "dispositivo.bvx";
    const bool hayDispositivo = ::mknod(dispositivo.c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0;
    fs::create_symlink(fifo, carpeta_ / "enlace-a-tuberia.bvx");
    std::vector<std::pair<fs::path, std::string>> casos = {
        {fifo, "No es un archivo: es una tubería (FIFO)"},
        {carpeta_ / "enlace-a-tuberia.bvx", "No es un archivo: es una tubería (FIFO)"},
        {"/dev/null", "No es un archivo: es un dispositivo"},
    };
    if (hayDispositivo) casos.emplace_back(dispositivo, "No es un archivo: es un dispositivo");
    const auto antes = Contenido(carpeta_);
    for (const auto& [ruta, motivo] : casos) {
        try {
            ini_.Guardar(ruta.string());
            ADD_FAILURE() << ruta << ": se guardó";
        } catch (const TErrorArchivo& e) {
            EXPECT_EQ(e.what(), "No se pudo guardar \"" + ruta.string() + "\": " + motivo);
        }
    }
    EXPECT_TRUE(fs::is_fifo(fifo));
    if (hayDispositivo) {
        EXPECT_TRUE(fs::is_character_file(dispositivo));
    }
    EXPECT_EQ(Contenido(carpeta_).size(), antes.size());
}

// A link to a name not yet there creates that file; the link stays a link.
TEST_F(ArchivoIniEnDisco, GuardarPorUnEnlaceRotoCreaSuDestino) {
    fs::create_directory(carpeta_ / "proyectos");
    const fs::path enlace = carpeta_ / "atajo.bvx";
    fs::create_symlink("proyectos/nuevo.bvx", enlace);
    ini_.Guardar(enlace.string());
    EXPECT_TRUE(fs::is_symlink(enlace));
    EXPECT_EQ(LeerBytes(carpeta_ / "proyectos" / "nuevo.bvx"), ini_.Texto());
}

// A save that fails leaves the folder exactly as it was, for any user: a
// read-only file is refused by its mode bits even to root.
TEST_F(ArchivoIniEnDisco, UnFalloNoCambiaNadaYDiceElMotivo) {
    struct Caso {
        const char* que;
        fs::path ruta;
        std::function<void(const fs::path&)> preparar;
        int error;
    };
    const Caso casos[] = {
        {"archivo de solo lectura", carpeta_ / "solo-lectura.bvx",
         [](const fs::path& ruta) {
             EscribirBytes(ruta, "[Geometria]\r\nDeclive=9\r\n");
             ASSERT_EQ(::chmod(ruta.c_str(), 0444), 0);
         },
         EACCES},
        {"carpeta que no existe", carpeta_ / "no-existe" / "ladera.bvx", [](const fs::path&) {}, ENOENT},
        // Refused before anything is written.
        {"una carpeta en su lugar", carpeta_ / "carpeta.bvx", [](const fs::path& ruta) { fs::create_directory(ruta); },
         EISDIR},
    };
    for (const auto& c : casos) {
        c.preparar(c.ruta);
        const auto antes = Contenido(carpeta_);
        try {
            ini_.Guardar(c.ruta.string());
            ADD_FAILURE() << c.que << ": se guardó";
        } catch (const TErrorArchivo& e) {
            EXPECT_EQ(e.what(), MensajeDeFallo(c.ruta, c.error)) << c.que;
        }
        EXPECT_EQ(Contenido(carpeta_), antes) << c.que;
    }
}

// A save never makes a file that cannot be opened: a project that would pass the
// read limit (its lines grown to CR LF, a new entry) is refused, and the old file
// stays as it was.
TEST_F(ArchivoIniEnDisco, UnProyectoQueNoSePodriaAbrirNoSeGuarda) {
    const fs::path ruta = carpeta_ / "comentarios.bvx";
    std::string texto = "[Geometria]\nDeclive=6\n";
    while (texto.size() + 6 <= kTamanoMaximoProyecto - 10) texto += ";...\n";
    texto.resize(kTamanoMaximoProyecto - 10, ';');
    EscribirBytes(ruta, texto);
    TArchivoIni ini;
    ASSERT_TRUE(ini.Cargar(ruta.string()));
    ini.EscribirReal("Geometria", "Longitud", 60);
    ASSERT_GT(ini.Texto().size(), kTamanoMaximoProyecto);
    try {
        ini.Guardar(ruta.string());
        ADD_FAILURE() << "se guardó";
    } catch (const TErrorArchivo& e) {
        EXPECT_EQ(e.what(), "No se pudo guardar \"" + ruta.string() + "\": tendría " +
                                std::to_string(ini.Texto().size()) +
                                " bytes, más de los 4194304 que se pueden "
                                "abrir; el archivo anterior queda como estaba");
    }
    EXPECT_EQ(LeerBytes(ruta), texto);
    EXPECT_EQ(Contenido(carpeta_).size(), 1u);

    // Exactly at the limit it is saved, and opens again.
    TArchivoIni justo;
    justo.CargarTexto(std::string(kTamanoMaximoProyecto - 2, ';'));
    ASSERT_EQ(justo.Texto().size(), kTamanoMaximoProyecto);
    justo.Guardar(ruta.string());
    EXPECT_TRUE(TArchivoIni().Cargar(ruta.string()));
}

}  // namespace
}  // namespace brovel
