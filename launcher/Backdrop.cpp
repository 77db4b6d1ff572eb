#include "Backdrop.h"

#include "TRAVEK.h"


void Backdrop::show(int taskbarVisible)
{
    form_ = std::make_unique<Hintergrund>(taskbarVisible != 0, owner_);
    form_->load();
    form_->show();
}

void Backdrop::remove()
{
    if (!form_ || !TRAVEK::FormLoaded(QStringLiteral("Hintergrund")))
        return;
    form_->restoreOwner();
    form_->unload();
}
