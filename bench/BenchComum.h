#pragma once

// What every benchmark shares: the demo company of a million document lines,
// built once in the temp folder and reused, and the timing of a piece of work.

#include "demo/DemoDatabase.h"

#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QString>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace bench {

constexpr qint64 Linhas = 1000000;
constexpr quint64 Semente = 1;
inline const QDate Hoje(2026, 6, 30);

inline QString BaseDeDados()
{
    const QString pasta = QDir::temp().filePath(QStringLiteral("tarvelo-bench"));
    QDir().mkpath(pasta);
    const QString caminho = QDir(pasta).filePath(QStringLiteral("empresa_%1_%2_%3.db")
                                                     .arg(Linhas).arg(Semente).arg(Hoje.toString(Qt::ISODate)));
    if (!QFileInfo::exists(caminho)) {
        std::printf("building %s ...\n", qPrintable(caminho));
        std::fflush(stdout);
        QElapsedTimer relogio;
        relogio.start();
        const demo::DemoSummary resumo = demo::DemoDatabase::create(caminho, {Linhas, Semente, Hoje});
        std::printf("  %lld documents, %lld lines in %.1f s\n", resumo.documents, resumo.documentLines,
                    relogio.elapsed() / 1000.0);
    }
    return caminho;
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

} // namespace bench
