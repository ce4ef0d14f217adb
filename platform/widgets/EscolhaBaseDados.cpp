#include "platform/widgets/EscolhaBaseDados.h"

#include "platform/data/ConfigBaseDados.h"
#include "platform/widgets/Seams.h"

namespace zav {

void EscolheBaseDados(ConfigBaseDados& config, QWidget* parent)
{
    const QList<ConfigBaseDados::EntradaCatalogo> entries = config.Catalogo();
    if (entries.isEmpty())
        return;
    int chosen = 0;
    if (config.Escolha() || entries.size() > 1) {
        // The hidden first column carries the entry's position, so equal names stay apart.
        PickListRequest request;
        request.title = QStringLiteral("Bases de Dados");
        request.widthTwips = 6500;
        request.columns = {PickListColumn{QString(), 0, true}, PickListColumn{QStringLiteral("Nome"), 2500},
                           PickListColumn{QStringLiteral("Servidor"), 1500},
                           PickListColumn{QStringLiteral("Base de Dados"), 2500}};
        for (int i = 0; i < entries.size(); ++i)
            request.rows.append({QString::number(i), entries[i].name, entries[i].servidor, entries[i].baseDados});
        bool ok = false;
        chosen = pickListSeam()(parent, request).toInt(&ok);
        if (!ok || chosen < 0 || chosen >= entries.size())
            return;
    }
    config.Usa(entries[chosen]);
}

} // namespace zav
