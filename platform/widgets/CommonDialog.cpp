#include "platform/widgets/CommonDialog.h"

#include "platform/widgets/Seams.h"

namespace zav {

QString CommonDialog::showSave(QWidget* parent, const QString& filter)
{
    const QString chosen = saveFileSeam()(parent, FileRequest{filter, fileName_});
    if (chosen.isEmpty())
        return {};
    fileName_ = chosen;
    return chosen;
}

} // namespace zav
