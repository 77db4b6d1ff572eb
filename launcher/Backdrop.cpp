#include "Backdrop.h"

#include "TRAVEK.h"

#include "platform/forms/twips.h"

void Backdrop::show(int taskbarVisible, bool lowResolution)
{
    form_ = std::make_unique<Hintergrund>(taskbarVisible != 0, owner_);
    form_->load();
    if (lowResolution)
        form_->setGeometryTwips(0, 0, 640 * platform::kTwipsPerPixel + 2 * platform::Form::kBorderTwips,
                                480 * platform::kTwipsPerPixel + platform::Form::kCaptionTwips
                                    + platform::Form::kBorderTwips);
    form_->show();
}

void Backdrop::remove()
{
    if (!form_ || !TRAVEK::FormLoaded(QStringLiteral("Hintergrund")))
        return;
    form_->restoreOwner();
    form_->unload();
}
