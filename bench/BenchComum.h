#pragma once

// What every benchmark shares: the demo company (of a million document lines
// unless told), built once in the temp folder and reused, and the timing of a
// piece of work.

#include "demo/DemoDatabase.h"
#include "platform/widgets/Seams.h"

#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QString>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

namespace bench {

constexpr qint64 Linhas = 1000000;
constexpr quint64 Semente = 1;
inline const QDate Hoje(2026, 6, 30);

inline QString BaseDeDados(qint64 linhas = Linhas)
{
    const QString pasta = QDir::temp().filePath(QStringLiteral("tarvelo-bench"));
    QDir().mkpath(pasta);
    const QString caminho = QDir(pasta).filePath(QStringLiteral("empresa_%1_%2_%3.db")
                                                     .arg(linhas).arg(Semente).arg(Hoje.toString(Qt::ISODate)));
    if (!QFileInfo::exists(caminho)) {
        std::printf("building %s ...\n", qPrintable(caminho));
        std::fflush(stdout);
        QElapsedTimer relogio;
        relogio.start();
        const demo::DemoSummary resumo = demo::DemoDatabase::create(caminho, {linhas, Semente, Hoje});
        std::printf("  %lld documents, %lld lines in %.1f s\n", resumo.documents, resumo.documentLines,
                    relogio.elapsed() / 1000.0);
    }
    return caminho;
}

// Screens are made without a window system unless the environment names one.
inline void SemJanelas()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

// How many times each piece is timed: the first argument, else `porOmissao`.
inline int Vezes(int argc, char** argv, int porOmissao)
{
    return argc > 1 ? std::max(1, std::atoi(argv[1])) : porOmissao;
}

inline double Mediana(std::vector<double> tempos)
{
    std::sort(tempos.begin(), tempos.end());
    return tempos[tempos.size() / 2];
}

inline double Milissegundos(const std::function<void()>& trabalho)
{
    QElapsedTimer relogio;
    relogio.start();
    trabalho();
    return relogio.nsecsElapsed() / 1e6;
}

// The medians of a load and of its floor, timed in turn so that both meet the
// same state of the machine.
struct Medianas {
    double chao = 0;
    double carga = 0;
    double razao() const { return carga / chao; }
};

inline Medianas MedeAlternando(int vezes, const std::function<void()>& chao, const std::function<void()>& carga)
{
    // One of each first, so that both find the pages in memory.
    chao();
    carga();
    std::vector<double> temposChao;
    std::vector<double> temposCarga;
    for (int i = 0; i < vezes; ++i) {
        temposChao.push_back(Milissegundos(chao));
        temposCarga.push_back(Milissegundos(carga));
    }
    return {Mediana(temposChao), Mediana(temposCarga)};
}

// The messages a load shows while it lives, answered OK and counted rather
// than waited on.
class MensagensContadas {
public:
    MensagensContadas()
        : respostas_(zav::messageBoxSeam(), [this](QWidget*, const zav::MessageRequest&) {
              ++total_;
              return int(zav::vbOK);
          })
    {
    }
    int total() const { return total_; }

private:
    int total_ = 0;
    zav::Seam<int(QWidget*, const zav::MessageRequest&)>::Override respostas_;
};

} // namespace bench
