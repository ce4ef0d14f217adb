#pragma once

#include "platform/widgets/Seams.h"
#include "platform/data/zavCoreDataAccess2016.h"

#include <QString>

class QWidget;

namespace zav {

// The pick list: a SELECT run on a connection, shown as a modal list with a
// filter box; the user's choice is the first column of the chosen row.
// Used afresh for each pick:
//   ListaPesquisa lista;
//   lista.Ligacao = bd->GetLigacao();
//   lista.Titulo = "Grupos";
//   lista.SQL = "SELECT Cod as 'Grupo', Descr as 'Descrição' FROM Grupos order by Cod";
//   lista.Largura = 6500;
//   lista.Carrega();
//   lista.Colunas(1, 1500);
//   lista.Colunas(2, 4500);
//   const QString codigo = lista.Mostra(this);
class ListaPesquisa {
public:
    zav::Ligacao Ligacao;
    QString Titulo;
    QString SQL;      // read back and appended to by the screens
    int Largura = 0;  // window width in twips; 0 leaves the list's own width

    // Runs SQL on Ligacao and keeps its rows; the column headings are the field names.
    void Carrega();
    // Column n (from 1) of the loaded list: width in twips, hidden or not.
    // Run-time error 9 for a column the list does not have.
    void Colunas(int n, int larguraTwips, bool oculta = false);
    // Shows the list modally (through the pick-list seam): the first column of
    // the chosen row, or "" when the user chose nothing.
    QString Mostra(QWidget* parent = nullptr) const;

    const PickListRequest& conteudo() const { return request_; }

private:
    PickListRequest request_;
};

} // namespace zav
