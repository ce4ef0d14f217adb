#include "platform/widgets/ListaPesquisa.h"

#include "platform/data/RuntimeError.h"

namespace zav {

void ListaPesquisa::Carrega()
{
    const RecordsetPtr rs = Ligacao.abreRecordset(SQL);
    request_.columns.clear();
    request_.rows.clear();
    for (const FieldInfo& field : rs->fieldInfos())
        request_.columns.append(PickListColumn{field.name});
    const int rows = rs->RecordCount();
    request_.rows.reserve(rows);
    for (int row = 0; row < rows; ++row) {
        QStringList values;
        for (int column = 0; column < rs->fieldCount(); ++column)
            values << rs->text(row, column);
        request_.rows.append(values);
    }
    rs->close();
}

void ListaPesquisa::Colunas(int n, int larguraTwips, bool oculta)
{
    if (n < 1 || n > request_.columns.size())
        throw RuntimeError(errors::SubscriptOutOfRange);
    request_.columns[n - 1].widthTwips = larguraTwips;
    request_.columns[n - 1].hidden = oculta;
}

QString ListaPesquisa::Mostra(QWidget* parent) const
{
    PickListRequest request = request_;
    request.title = Titulo;
    request.widthTwips = Largura;
    return pickListSeam()(parent, request);
}

} // namespace zav
