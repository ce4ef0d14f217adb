#include "platform/widgets/CommonDialog.h"

#include "platform/widgets/Seams.h"

#include <QFileInfo>

namespace zav {

namespace {

// ".xls" of "Ficheiros de excel (*.xls)|*.xls": the first pattern's, when it
// names one extension.
QString extensionOf(const QString& filter)
{
    const QString pattern = filter.section(QLatin1Char('|'), 1, 1).section(QLatin1Char(';'), 0, 0).trimmed();
    if (!pattern.startsWith(QLatin1String("*.")) || pattern.size() < 3 || pattern.indexOf(QLatin1Char('*'), 1) > 0
        || pattern.contains(QLatin1Char('?')))
        return {};
    return pattern.mid(1);
}

} // namespace

QString CommonDialog::showSave(QWidget* parent, const QString& filter)
{
    QString chosen = saveFileSeam()(parent, FileRequest{filter, fileName_});
    if (chosen.isEmpty())
        return {};
    if (QFileInfo(chosen).suffix().isEmpty())
        chosen += extensionOf(filter);
    fileName_ = chosen;
    return chosen;
}

} // namespace zav
