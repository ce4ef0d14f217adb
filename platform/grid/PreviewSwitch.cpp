#include "platform/grid/PreviewSwitch.h"

#include "platform/grid/Grelha.h"
#include "platform/grid/Visualizador.h"

#include <QAbstractButton>

namespace zav {

PreviewSwitch::PreviewSwitch(Grelha& grid, Visualizador& viewer, QAbstractButton& button,
                             QString previewCaption, QString gridCaption,
                             QList<QWidget*> disabledWhilePreview)
    : grid_(grid), viewer_(viewer), button_(button),
      previewCaption_(std::move(previewCaption)), gridCaption_(std::move(gridCaption))
{
    for (QWidget* widget : disabledWhilePreview)
        disabled_.append(widget);
}

void PreviewSwitch::toggle()
{
    previewShown_ = !previewShown_;
    if (previewShown_) {
        viewer_.setPages(grid_.pages());
        viewer_.setGeometry(grid_.geometry());
        viewer_.show();
        viewer_.raise();
        grid_.hide();
    } else {
        viewer_.hide();
        viewer_.clear();
        grid_.show();
    }
    button_.setText(previewShown_ ? previewCaption_ : gridCaption_);
    for (const QPointer<QWidget>& widget : disabled_)
        if (widget)
            widget->setEnabled(!previewShown_);
}

} // namespace zav
