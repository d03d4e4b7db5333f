#include "JsonValido.h"

#include <cctype>

namespace brovel {
namespace {

// A recursive-descent reader that only moves along the text.
class TLector {
public:
    explicit TLector(std::string_view t) : t_(t) {}

    bool Todo() {
        if (!Valor(0)) return false;
        Blancos();
        return i_ == t_.size();
    }

private:
    void Blancos() {
        while (i_ < t_.size() && (t_[i_] == ' ' || t_[i_] == '\n' || t_[i_] == '\r' || t_[i_] == '\t')) ++i_;
    }
    bool Es(char c) {
        Blancos();
        if (i_ < t_.size() && t_[i_] == c) {
            ++i_;
            return true;
        }
        return false;
    }
    bool Palabra(std::string_view p) {
        if (t_.substr(i_, p.size()) != p) return false;
        i_ += p.size();
        return true;
    }
    bool Digitos() {
        const size_t desde = i_;
        while (i_ < t_.size() && std::isdigit(static_cast<unsigned char>(t_[i_]))) ++i_;
        return i_ > desde;
    }
    bool Numero() {
        if (i_ < t_.size() && t_[i_] == '-') ++i_;
        if (!Digitos()) return false;
        if (i_ < t_.size() && t_[i_] == '.' && (++i_, !Digitos())) return false;
        if (i_ < t_.size() && (t_[i_] == 'e' || t_[i_] == 'E')) {
            ++i_;
            if (i_ < t_.size() && (t_[i_] == '+' || t_[i_] == '-')) ++i_;
            if (!Digitos()) return false;
        }
        return true;
    }
    bool Cadena() {
        if (!Es('"')) return false;
        while (i_ < t_.size()) {
            const unsigned char c = static_cast<unsigned char>(t_[i_++]);
            if (c == '"') return true;
            if (c < 0x20) return false;
            if (c == '\\') {
                if (i_ >= t_.size()) return false;
                const char e = t_[i_++];
                if (e == 'u') {
                    for (int k = 0; k < 4; ++k)
                        if (i_ >= t_.size() || !std::isxdigit(static_cast<unsigned char>(t_[i_++]))) return false;
                } else if (std::string_view("\"\\/bfnrt").find(e) == std::string_view::npos) {
                    return false;
                }
            }
        }
        return false;
    }
    bool Valor(int profundidad) {
        if (profundidad > 64) return false;
        Blancos();
        if (i_ >= t_.size()) return false;
        switch (t_[i_]) {
            case '{': {
                ++i_;
                if (Es('}')) return true;
                do {
                    if (!Cadena() || !Es(':') || !Valor(profundidad + 1)) return false;
                } while (Es(','));
                return Es('}');
            }
            case '[': {
                ++i_;
                if (Es(']')) return true;
                do {
                    if (!Valor(profundidad + 1)) return false;
                } while (Es(','));
                return Es(']');
            }
            case '"': return Cadena();
            case 't': return Palabra("true");
            case 'f': return Palabra("false");
            case 'n': return Palabra("null");
            default: return Numero();
        }
    }

    std::string_view t_;
    size_t i_ = 0;
};

}  // namespace

bool EsJsonValido(std::string_view texto) { return TLector(texto).Todo(); }

}  // namespace brovel
