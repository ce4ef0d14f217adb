#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>

namespace zav {
class zavCoreDataAccess2016;
}

// Copies a production article's composition (OperaFac), its operations
// (ArtOpera) and its two composition settings to every article whose code
// begins with a sales-article code, replacing what those articles had.
class CopiaComposicao {
public:
    // Told the number of targets before the first is touched, then once per target copied.
    struct Progresso {
        std::function<void(int alvos)> inicio;
        std::function<void()> avanca;
    };

    explicit CopiaComposicao(zav::zavCoreDataAccess2016& bd) : bd_(bd) {}

    void LerComposicao(const QString& sArt, bool& bTem);
    void LerArtOpera(const QString& sArt, bool& bTem);

    // The copy. Each target is copied in a transaction of its own, so a failure
    // leaves the target it stopped on as it was and those before it copied.
    // An empty production or sales code copies nothing: the sales code would
    // match every article of the ERP. The production article is never one of
    // its own targets, and wildcards typed in the sales code match literally.
    void Processa(const QString& P, const QString& S, const Progresso& progresso = {});

    void AnulaComposicao(const QString& sArt);
    void AnulaArtOpera(const QString& sArt);

    // The LIKE condition that selects the codes beginning with `inicio`.
    static QString CondicaoComecaPor(const QString& inicio);

private:
    // A source's rows, in the order of the columns copied.
    using Linhas = QList<QList<QVariant>>;
    struct Origem {
        Linhas composicao;
        Linhas operacoes;
        int tComposi;
        int tValoriz;
    };

    QStringList alvos(const QString& P, const QString& S);
    void copiaPara(const QString& alvo, const Origem& origem);

    zav::zavCoreDataAccess2016& bd_;
};
