// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/backdrop/BlackBack.h"

#include "framework/Hintergrund.h"

#include "platform/forms/form.h"

BlackBack::BlackBack() = default;

BlackBack::~BlackBack()
{
    DisableBlack();
}

void BlackBack::EnableBlack()
{
    if (owner.isEmpty() || Enabled())
        return;
    platform::Form* form = platform::findForm(owner);
    if (!form)
        return;
    // The backdrop places itself, takes the form's icon and becomes the form's owner.
    backdrop_ = std::make_unique<Hintergrund>(TaskVisible, *form);
    backdrop_->load();
    backdrop_->show();
}

void BlackBack::DisableBlack()
{
    if (!Enabled())
        return;
    // The owner first: a window must not go down with the owner it still has.
    if (platform::findForm(owner))
        backdrop_->restoreOwner();
    backdrop_->unload();
    backdrop_.reset();
}
