// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "launcher/Form2.h"

#include "platform/forms/application.h"
#include "platform/forms/end.h"
#include "platform/services.h"

namespace launcher {

namespace {

int onOff(const QCheckBox* box)
{
    return box->isChecked() ? SuiteOptions::kOn : 0;
}

int state(const QCheckBox* box)
{
    return box->isChecked() ? 1 : 0;
}

void enableBackdrop(bool enabled)
{
    if (platform::Form* backdrop = platform::findForm(QStringLiteral("Hintergrund")))
        backdrop->setEnabled(enabled);
}

} // namespace

Form2::Form2(LauncherState& state) : Form(QStringLiteral("Form2")), state_(state), editor_(state.DataDir)
{
    setCaption(QStringLiteral("Optionen"));
    platform::setControlFont(this, QStringLiteral("MS Sans Serif"), 8);
    setClientSizeTwips(9015, 4950);
    QGroupBox* general = addFrame(QStringLiteral("Frame1"), QRect(360, 240, 3975, 2295), {});
    Buchstaben = addCheckBox(QStringLiteral("Buchstaben"), QRect(120, 360, 3800, 375),
                             QStringLiteral("Nur Großbuchstaben"), {}, general);
    Proto = addCheckBox(QStringLiteral("Proto"), QRect(120, 820, 3800, 375),
                        QStringLiteral("Protokoll nach 10 Aufgaben"), {}, general);
    ProtSave = addCheckBox(QStringLiteral("ProtSave"), QRect(120, 1280, 3800, 375),
                           QStringLiteral("Protokoll unter Schülernamen abspeichern"), {}, general);
    FehlerWeiter = addCheckBox(QStringLiteral("FehlerWeiter"), QRect(120, 1740, 3800, 375),
                               QStringLiteral("Bei Fehlern \"Weiter\" möglich"), {}, general);
    QGroupBox* display = addFrame(QStringLiteral("Frame2"), QRect(4680, 240, 3975, 2295),
                                  QStringLiteral("Anzeigeeinstellungen"));
    HGrund = addCheckBox(QStringLiteral("HGrund"), QRect(240, 360, 3600, 375),
                         QStringLiteral("Bildschirmhintergrund ausblenden"), [this] { HGrund_Click(); }, display);
    TVis = addCheckBox(QStringLiteral("TVis"), QRect(240, 720, 3600, 375), QStringLiteral("Taskleiste sichtbar"),
                       {}, display);
    Aufloesung = addCheckBox(QStringLiteral("Auflösung"), QRect(240, 1080, 3600, 375),
                             QStringLiteral("\"Vollbild\" - Darstellung"), [this] { ApplyDisplayInterlock(); },
                             display);
    Label1 = addLabel(QStringLiteral("Label1"), QRect(240, 1560, 3600, 615),
                      QStringLiteral("Diese Funktion ist bei Monitoren mit Breitbild nicht empfehlenswert, "
                                     "da das Bild dann verzerrt wird."),
                      display);
    QGroupBox* pictures = addFrame(QStringLiteral("Frame3"), QRect(360, 2760, 3975, 1215),
                                   QStringLiteral("Wörter mit eigenen Bildern"));
    optEigeneBilder = addCheckBox(QStringLiteral("optEigeneBilder"), QRect(240, 480, 1800, 375),
                                  QStringLiteral("verwenden"), {}, pictures);
    Command3 = addButton(QStringLiteral("Command3"), QRect(2160, 480, 1575, 375), QStringLiteral("Weitere Infos"),
                         [this] { help(111); }, pictures);
    QGroupBox* keys = addFrame(QStringLiteral("Frame4"), QRect(4680, 2760, 3975, 1215),
                               QStringLiteral("Eigene Anlauttabelle im Programm"));
    Opt_AnlautKritzlon = addCheckBox(QStringLiteral("Opt_AnlautKritzlon"), QRect(240, 360, 1800, 255),
                                     QStringLiteral("Kritzlon"), {}, keys);
    Opt_AnlautTastomat = addCheckBox(QStringLiteral("Opt_AnlautTastomat"), QRect(240, 720, 1800, 255),
                                     QStringLiteral("Tastomat"), {}, keys);
    Command2 = addButton(QStringLiteral("Command2"), QRect(2160, 480, 1575, 375), QStringLiteral("Weitere Infos"),
                         [this] { help(112); }, keys);
    Befehl1 = addButton(QStringLiteral("Befehl1"), QRect(2520, 4320, 1815, 375), QStringLiteral("OK"),
                        [this] { Befehl1_Click(); });
    Befehl1->setDefault(true);
    Command1 = addButton(QStringLiteral("Command1"), QRect(4680, 4320, 1815, 375), QStringLiteral("Hilfe"),
                         [this] { help(110); });
}

void Form2::Form_Load()
{
    centerOnScreen();
    enableBackdrop(false);
    switch (editor_.open(state_.options)) {
    case OptionsEditor::Opened::InUse:
        platform::msgBox(QString::fromUtf8(OptionsEditor::kInUseMessage));
        unload();
        showCaller();
        return;
    case OptionsEditor::Opened::Failed:
        platform::msgBox(QStringLiteral("Laufzeitfehler: ") + editor_.error());
        platform::End();
    case OptionsEditor::Opened::Ok:
        setBoxes(editor_.loaded());
    }
}

void Form2::setBoxes(const SuiteOptions& o)
{
    ProtSave->setChecked(o.logging());
    optEigeneBilder->setChecked(o.ownPictures());
    Opt_AnlautKritzlon->setChecked(o.ownKeyPicturesKritzlon());
    Opt_AnlautTastomat->setChecked(o.ownKeyPicturesTastomat());
    FehlerWeiter->setChecked(o.skipUnsolved());
    Proto->setChecked(o.blockResult());
    Buchstaben->setChecked(o.capitalsOnly());
    HGrund->setChecked(o.backdrop());
    // The box shows the line as written, which the backdrops read as set when not 0.
    TVis->setChecked(o.TVis == SuiteOptions::kOn);
    Aufloesung->setChecked(o.fullScreen());
    TVis->setEnabled(HGrund->isChecked());
    ApplyDisplayInterlock();
}

SuiteOptions Form2::boxValues() const
{
    SuiteOptions o;
    o.HGrund = onOff(HGrund);
    o.HGrundStart = onOff(HGrund);
    o.TVis = onOff(TVis);
    o.Aufloesung = onOff(Aufloesung);
    o.Buchstaben = onOff(Buchstaben);
    o.Proto = onOff(Proto);
    o.FehlerWeiter = onOff(FehlerWeiter);
    o.optEigeneBilder = state(optEigeneBilder);
    o.Opt_AnlautKritzlon = state(Opt_AnlautKritzlon);
    o.Opt_AnlautTastomat = state(Opt_AnlautTastomat);
    o.ProtSave = state(ProtSave);
    return o;
}

void Form2::ApplyDisplayInterlock()
{
    if (Aufloesung->isChecked()) {
        HGrund->setChecked(true);
        TVis->setChecked(false);
        HGrund->setEnabled(false);
        TVis->setEnabled(false);
    } else {
        HGrund->setEnabled(true);
        TVis->setEnabled(HGrund->isChecked());
    }
}

void Form2::HGrund_Click()
{
    TVis->setEnabled(!Aufloesung->isChecked() && HGrund->isChecked());
}

void Form2::Befehl1_Click()
{
    SuiteOptions values = boxValues();
    // A failed rewrite leaves the old file and the launcher's values as they were.
    if (const platform::FileError e = editor_.save(values); e.failed()) {
        platform::msgBox(e.message);
        unload();
        showCaller();
        return;
    }
    const bool changed = OptionsEditor::changed(editor_.loaded(), values);
    values.ProtSave = state_.options.ProtSave;
    state_.options = values;
    if (changed) {
        RestartMainWindow();
        return;
    }
    unload();
    showCaller();
}

void Form2::RestartMainWindow()
{
    for (platform::Form* form : std::vector<platform::Form*>(platform::loadedForms()))
        if (form->name() != QLatin1String("Form1") && form->name() != QLatin1String("Hintergrund"))
            form->unload();
    platform::Form* main = platform::findForm(QStringLiteral("Form1"));
    if (!main)
        return;
    main->unload();
    state_.PupilName.clear();
    main->show();
}

void Form2::showCaller()
{
    for (platform::Form* form : platform::loadedForms())
        if (form->name() == state_.OptionsCaller)
            form->show();
}

void Form2::Form_KeyDown(int& keyCode, int)
{
    // Enter and Esc press OK.
    if (platform::takeKey(keyCode, {platform::kKeyReturn, platform::kKeyEscape}))
        Befehl1_Click();
}

bool Form2::Form_QueryUnload(platform::UnloadMode mode)
{
    return mode != platform::UnloadMode::Code;
}

void Form2::Form_Unload()
{
    editor_.release();
    enableBackdrop(true);
}

void Form2::help(int mapId)
{
    platform::services().help->open(state_.HelpFile, mapId);
}

} // namespace launcher
