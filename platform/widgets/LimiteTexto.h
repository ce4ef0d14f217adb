#pragma once

#include <QString>
#include <QValidator>

class QLineEdit;

namespace zav {

// What an edit of a field that holds at most `limite` characters (counted as
// nvarchar counts them, in UTF-16 units; 0 for no limit) keeps: the text that
// was there stays whole, even past the limit, and of what the edit brought in
// only as much as fits, never half of a character outside the Basic
// Multilingual Plane. A NUL brought in is dropped; in one line, a line break
// or a tab brought in becomes a blank.
struct EdicaoLimitada {
    QString texto;
    int inicio = 0;  // where the edit brought text in
    int fim = 0;     // where what it brought in ended, in the edited text
    QString trazido; // what of it is kept

    // Just after what the edit brought in.
    int cursor() const { return inicio + int(trazido.size()); }
};
EdicaoLimitada limitaEdicao(const QString& antes, const QString& depois, int limite, bool umaLinha);

// Holds a one-line editor to limitaEdicao as the user types, pastes or drops;
// the program's own texts (poeTexto) go in whole.
class LimiteLinha : public QValidator {
public:
    // Installs itself as the editor's validator.
    explicit LimiteLinha(QLineEdit& editor);

    void setLimite(int limite) { limite_ = qMax(0, limite); }
    void poeTexto(const QString& texto);

    State validate(QString& input, int& pos) const override;

private:
    QLineEdit& editor_;
    int limite_ = 0;
    QString antes_;
    bool doPrograma_ = false;
};

} // namespace zav
