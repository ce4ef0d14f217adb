#pragma once

#include <QHash>
#include <QString>

namespace zav {

// Reads INI-style files: "[Section]" lines, "Key=Value" lines, ";" and "#"
// comments, in any encoding TextFile reads (a file saved on Windows in its
// ANSI code page included). Sections and keys compare without regard to case;
// values are trimmed. A missing file reads as empty.
class FicheiroIni {
public:
    // Reads that file.
    void setFicheiro(const QString& ficheiro);
    const QString& Ficheiro() const { return ficheiro_; }

    // The value of `chave` in `seccao`, or "" when either is missing.
    QString LerValor(const QString& seccao, const QString& chave) const;

private:
    QString ficheiro_;
    QHash<QString, QString> valores_;  // "section/key" in lower case -> value
};

} // namespace zav
